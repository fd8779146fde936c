// The game module files, mapped into memory by a worker thread while the
// main thread makes the main window and the splash. The Game List is still
// built in its place in start-up, on the main thread, in list order; it
// then finds each library loaded and only asks the module for its name.
#pragma once

#include <string>

namespace modules {

// The full path of the module file <stem>.dll beside the program, or ""
// when there is none. Never a file of that name in the current folder or
// on the search path.
std::string ModuleFilePath(const char* stem);

// Starts the worker; once only.
void StartModulePrefetch();
// Waits until the worker has mapped every module file there is.
void AwaitModulePrefetch();
// Waits for the worker, then drops its reference to each library: a library
// stays loaded only while a row of the module table owns it.
void ReleaseModulePrefetch();

}  // namespace modules
