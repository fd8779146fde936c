#include "platform/win/visual_styles.h"

#include <windows.h>

#include <string>

namespace platform {

void ApplyVisualStyles()
{
    static bool applied = false;
    if (applied) return;
    applied = true;
    // The program's second manifest names the version 6 common controls.
    std::string path(32768, '\0');
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0 || n >= path.size()) return;
    ACTCTXA context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
    context.lpSource = path.c_str();
    context.hModule = GetModuleHandleA(nullptr);
    context.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
    HANDLE styles = CreateActCtxA(&context);
    if (styles == INVALID_HANDLE_VALUE) return;
    // Active for the rest of the thread's life, so never released.
    ULONG_PTR cookie = 0;
    if (!ActivateActCtx(styles, &cookie)) ReleaseActCtx(styles);
}

}  // namespace platform
