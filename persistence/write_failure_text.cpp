#include "persistence/write_failure_text.h"

namespace persistence {

namespace {

const char* StepText(WriteStep step)
{
    switch (step) {
    case WriteStep::Create: return "A new file could not be made in that folder";
    case WriteStep::Write: return "The file could not be written";
    case WriteStep::Replace: return "The new file could not take the place of the old one";
    case WriteStep::None: break;
    }
    return "The file could not be written";
}

}  // namespace

std::string TrimSystemMessage(std::string_view message)
{
    while (!message.empty() && (message.back() == '\r' || message.back() == '\n' || message.back() == ' '))
        message.remove_suffix(1);
    return std::string(message);
}

std::string SaveGameFailedText(std::string_view path, WriteStep step, std::string_view systemMessage,
                               bool hadOldFile)
{
    std::string text = "The game could not be saved to\n";
    text += path;
    text += "\n\n";
    text += StepText(step);
    const std::string why = TrimSystemMessage(systemMessage);
    if (!why.empty()) text += ": " + why;
    text += hadOldFile ? "\n\nNothing was saved; the file that was there is unchanged." : "\n\nNothing was saved.";
    return text;
}

std::string UnwritableFolderText(std::string_view folder, std::string_view systemMessage)
{
    if (folder.size() > 1 && folder.back() == '\\') folder.remove_suffix(1);
    std::string text = "Lumora Solitaire cannot keep your scores and your game in its folder\n";
    text += folder;
    text += "\n\n";
    const std::string why = TrimSystemMessage(systemMessage);
    if (!why.empty()) text += why + "\n\n";
    text +=
        "The program keeps them beside lumora.exe, so it must run from a folder you can save files in. "
        "Move the Lumora Solitaire folder to such a place, for example your Documents folder, and start it "
        "from there. Until then, scores and the game on the table are lost when the program ends.";
    return text;
}

}  // namespace persistence
