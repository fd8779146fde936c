#include "persistence/win/saved_game.h"

#include <windows.h>

#include <commdlg.h>

#include "core/win/app.h"
#include "persistence/game_file.h"
#include "persistence/win/file_io.h"
#include "persistence/win/replace_file.h"
#include "persistence/write_failure_text.h"

namespace persistence {

namespace {

constexpr char kFilter[] = "Tessel Game File\0*.tsg\0";
constexpr char kExtension[] = "tsg";
constexpr DWORD kLoadFlags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;  // 4100
constexpr DWORD kSaveFlags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;  // 2052
static_assert(kLoadFlags == 4100 && kSaveFlags == 2052);

// The dialogs share one file name buffer, emptied before each.
char g_fileName[256];

OPENFILENAMEA DialogParameters(const char* title, DWORD flags)
{
    g_fileName[0] = '\0';
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = nullptr;
    ofn.lpstrFilter = kFilter;
    ofn.lpstrFile = g_fileName;
    ofn.nMaxFile = sizeof g_fileName;
    ofn.lpstrTitle = title;
    ofn.Flags = flags;
    ofn.lpstrDefExt = kExtension;
    return ofn;
}

}  // namespace

bool LoadGameFile(const char* path)
{
    FileSource file(path);
    return LoadGameFile(core::TheCore(), TheGameMemory(), file.IsOpen() ? &file : nullptr, path) == LoadError::None;
}

bool WriteGameFile(const char* path)
{
    core::HostCore& core = core::TheCore();
    if (!core.hasModule()) return false;
    const bool hadOldFile = GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
    const ReplaceOutcome outcome =
        ReplaceFile(path, [&](ByteSink& out) { return WriteGameFile(core, TheGameMemory(), out); });
    if (outcome.failed != WriteStep::None) {
        const std::string text = SaveGameFailedText(path, outcome.failed, SystemMessage(outcome.error), hadOldFile);
        MessageBoxA(core::TheApp().mainWindow, text.c_str(), core::kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
    }
    return outcome.written;
}

void ShowLoadGameDialog()
{
    OPENFILENAMEA ofn = DialogParameters("Load Saved Game", kLoadFlags);
    if (GetOpenFileNameA(&ofn)) LoadGameFile(g_fileName);
}

void ShowSaveGameDialog()
{
    if (!core::TheCore().hasModule()) return;
    OPENFILENAMEA ofn = DialogParameters("Save Current Game", kSaveFlags);
    if (GetSaveFileNameA(&ofn)) WriteGameFile(g_fileName);
}

}  // namespace persistence
