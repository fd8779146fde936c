#include "platform/win/executable_folder.h"

#include <windows.h>

#include "platform/program_folder.h"

namespace platform {

const std::string& ExecutableFolder()
{
    static const std::string folder = [] {
        // Long enough for any path the platform reports; a cut path is refused.
        std::string path(32768, '\0');
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0 || n >= path.size()) return std::string();
        path.resize(n);
        return ProgramFolder(path);
    }();
    return folder;
}

std::string BesideExecutable(const char* fileName)
{
    const std::string& folder = ExecutableFolder();
    return folder.empty() ? std::string() : folder + fileName;
}

}  // namespace platform
