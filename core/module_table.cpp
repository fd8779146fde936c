#include "core/module_table.h"

#include "core/host_state.h"

namespace core {

namespace {

char Folded(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        if (Folded(*a) != Folded(*b)) return false;
        if (*a == '\0') return true;
    }
}

}  // namespace

int FindModuleByName(const ModuleTable& modules, const char* name)
{
    const int rows = modules.count < 0 ? 0 : (modules.count > kMaxModules ? kMaxModules : modules.count);
    for (int i = 0; i < rows; ++i) {
        char rowName[TS_NAME_BYTES];
        CopyText(rowName, modules.rows[static_cast<size_t>(i)].name);
        if (SameName(rowName, name)) return i;
    }
    return -1;
}

}  // namespace core
