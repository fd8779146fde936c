// Writing a file so that it is never lost: the bytes go to a temporary file
// beside it, which is renamed over the old file only once every byte is
// written, flushed and closed. A crash, a full disk, a folder that is gone
// or a target that is locked or read-only leaves the old file byte for
// byte, and no temporary file.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "persistence/byte_stream.h"
#include "persistence/write_failure_text.h"

namespace persistence {

struct ReplaceOutcome {
    WriteStep failed = WriteStep::None;  // None: written, or nothing to write
    DWORD error = 0;                     // the system's error code of the failure
    bool written = false;                // the target now holds the new bytes
};

// write() fills the file; when it returns false nothing is written and the
// old file stays (not a failure).
ReplaceOutcome ReplaceFile(const std::string& path, const std::function<bool(ByteSink&)>& write);

// The system's own text for an error code.
std::string SystemMessage(DWORD error);

}  // namespace persistence
