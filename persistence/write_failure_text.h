// What the player is told when a file cannot be written: a saved game that
// could not be saved, or a program folder that cannot keep the scores and
// the resume file. The system's own message says why.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace persistence {

// Where writing through a temporary file beside the target stopped.
enum class WriteStep : uint8_t {
    None,
    Create,   // the temporary file could not be made
    Write,    // its bytes could not all be written, flushed and closed
    Replace,  // it could not be renamed over the target
};

// A system message without the line break and blanks it ends with.
std::string TrimSystemMessage(std::string_view message);

// Save Game failed: the file named, the step and why, and what became of
// the file that was there.
std::string SaveGameFailedText(std::string_view path, WriteStep step, std::string_view systemMessage,
                               bool hadOldFile);

// The program's folder cannot keep the score file or the resume file.
// `folder` may end in a backslash.
std::string UnwritableFolderText(std::string_view folder, std::string_view systemMessage);

}  // namespace persistence
