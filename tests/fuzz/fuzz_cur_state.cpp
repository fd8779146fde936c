// The CurState reader on any value: a value it uses is 32 bytes with the
// magic and a show command that shows the window, and survives the exit
// record unchanged in its reserved field.
#include <cstdint>
#include <cstring>

#include "persistence/cur_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    bool read = false;
    const persistence::CurStateRecord r = persistence::CurStateFromValue(data, size, 1, read);
    if (read) {
        if (size != 32 || r.magic != persistence::kCurStateMagic || r.showCmd == 0 || r.showCmd > 11) __builtin_trap();
        if (std::memcmp(&r, data, 32) != 0) __builtin_trap();
    } else if (r.gameIndex != -1 || r.showCmd != 1 || r.reserved != 0) {
        __builtin_trap();
    }
    const persistence::CurStateRecord out = persistence::CurStateAtExit(r, 3, 3, 1, 2, 3, 4);
    if (out.reserved != r.reserved || out.magic != persistence::kCurStateMagic) __builtin_trap();
    (void)persistence::RestoresSavedRect(r, read, static_cast<int16_t>(r.gameIndex));
    return 0;
}
