// Files beside the running executable, found by their full path whatever
// the current folder.
#pragma once

#include <string>

namespace platform {

// The running executable's folder, with its final backslash; empty when its
// path is too long for the files the program keeps beside itself.
const std::string& ExecutableFolder();
// The full path of a file beside the running executable; empty when the
// folder is unusable, so that nothing is ever opened elsewhere.
std::string BesideExecutable(const char* fileName);

}  // namespace platform
