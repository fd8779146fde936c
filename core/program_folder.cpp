#include "core/program_folder.h"

namespace core {

std::string ProgramFolder(std::string_view executablePath)
{
    const size_t slash = executablePath.find_last_of("\\/");
    if (slash == std::string_view::npos) return {};
    const std::string_view folder = executablePath.substr(0, slash + 1);
    if (folder.size() + kLongestNameBeside + 1 > kMaxPathBytes) return {};
    return std::string(folder);
}

}  // namespace core
