#include "shell/association.h"

namespace shell {

std::string OpenCommand(std::string_view programPath)
{
    std::string command;
    command.reserve(programPath.size() + 7);
    command += '"';
    command += programPath;
    command += "\" \"%1\"";
    return command;
}

}  // namespace shell
