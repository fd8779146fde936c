// The shell's open command for saved games.
#pragma once

#include <string>
#include <string_view>

namespace shell {

// "<program>" "%1": both quoted, so that a folder with a blank (the usual
// "Program Files") neither breaks opening a file nor starts another program
// named by the path's first word.
std::string OpenCommand(std::string_view programPath);

}  // namespace shell
