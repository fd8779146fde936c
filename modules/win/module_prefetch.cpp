#include "modules/win/module_prefetch.h"

#include <windows.h>

#include <array>

#include "platform/win/executable_folder.h"
#include "modules/module_names.h"

namespace modules {

namespace {

struct Prefetch {
    HANDLE worker = nullptr;
    std::array<HMODULE, kModuleNameCount> libraries{};
};

Prefetch& ThePrefetch()
{
    static Prefetch prefetch;
    return prefetch;
}

// Loads what the module table will load.
DWORD WINAPI MapModuleFiles(void*)
{
    Prefetch& p = ThePrefetch();
    for (size_t i = 0; i < kModuleNameList.size(); ++i) {
        const std::string path = ModuleFilePath(kModuleNameList[i]);
        if (!path.empty()) p.libraries[i] = LoadLibraryA(path.c_str());
    }
    return 0;
}

}  // namespace

std::string ModuleFilePath(const char* stem)
{
    const std::string path = platform::BesideExecutable((std::string(stem) + ".dll").c_str());
    const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
    const bool file = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    return file ? path : std::string();
}

void StartModulePrefetch()
{
    Prefetch& p = ThePrefetch();
    if (!p.worker) p.worker = CreateThread(nullptr, 0, MapModuleFiles, nullptr, 0, nullptr);
}

void AwaitModulePrefetch()
{
    Prefetch& p = ThePrefetch();
    if (!p.worker) return;
    WaitForSingleObject(p.worker, INFINITE);
    CloseHandle(p.worker);
    p.worker = nullptr;
}

void ReleaseModulePrefetch()
{
    AwaitModulePrefetch();
    for (HMODULE& library : ThePrefetch().libraries) {
        if (library) FreeLibrary(library);
        library = nullptr;
    }
}

}  // namespace modules
