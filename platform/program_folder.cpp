#include "platform/program_folder.h"

namespace platform {

std::string ProgramFolder(std::string_view executablePath)
{
    const size_t slash = executablePath.find_last_of("\\/");
    if (slash == std::string_view::npos) return {};
    const std::string_view folder = executablePath.substr(0, slash + 1);
    if (folder.size() + kLongestNameBeside + 1 > kMaxPathBytes) return {};
    return std::string(folder);
}

}  // namespace platform
