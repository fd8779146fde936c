#include "persistence/cur_state.h"

#include <cstring>

namespace persistence {

namespace {
constexpr uint32_t kLastShowCommand = 11;  // SW_FORCEMINIMIZE; 0 would hide the window
}

CurStateRecord DefaultCurState(uint32_t startShowCmd)
{
    CurStateRecord r;
    r.showCmd = startShowCmd;
    return r;
}

CurStateRecord CurStateFromValue(const void* bytes, size_t size, uint32_t startShowCmd, bool& read)
{
    read = false;
    if (!bytes || size != sizeof(CurStateRecord)) return DefaultCurState(startShowCmd);
    CurStateRecord r;
    std::memcpy(&r, bytes, sizeof r);
    if (r.magic != kCurStateMagic || r.showCmd < 1 || r.showCmd > kLastShowCommand)
        return DefaultCurState(startShowCmd);
    read = true;
    return r;
}

CurStateRecord CurStateAtExit(const CurStateRecord& old, int16_t currentModule, uint32_t showCmd, int32_t left,
                              int32_t top, int32_t right, int32_t bottom)
{
    CurStateRecord r = old;
    r.magic = kCurStateMagic;
    r.gameIndex = currentModule;
    r.showCmd = showCmd;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    return r;
}

bool RestoresSavedRect(const CurStateRecord& record, bool read, int16_t currentModule)
{
    return read && record.gameIndex == currentModule && record.right > record.left && record.bottom > record.top;
}

}  // namespace persistence
