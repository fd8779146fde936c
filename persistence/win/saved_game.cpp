#include "persistence/win/saved_game.h"

#include <windows.h>
#include <commdlg.h>

#include <cstdio>

#include "shell/win/app.h"

namespace persistence {

namespace {

constexpr char kFilter[] = "Tessel Game File\0*.tsg\0";
constexpr char kExtension[] = "tsg";
constexpr DWORD kLoadFlags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;

void ShowLoadError(const char* text, const char* caption)
{
    MessageBoxA(shell::TheApp().mainWindow, text, caption, MB_OK);
}

}  // namespace

// The reader of the saved-game format comes with the saved games; for now
// a file that cannot be opened is reported, and any other file is not loaded.
bool LoadGameFile(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        char text[300];
        std::snprintf(text, sizeof text, "Couldn't open game file: %s", path);
        ShowLoadError(text, "Load Game Error 1");
        return false;
    }
    CloseHandle(file);
    return false;
}

void ShowLoadGameDialog()
{
    char fileName[256] = {};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = nullptr;
    ofn.lpstrFilter = kFilter;
    ofn.lpstrFile = fileName;
    ofn.nMaxFile = sizeof fileName;
    ofn.lpstrTitle = "Load Saved Game";
    ofn.Flags = kLoadFlags;
    ofn.lpstrDefExt = kExtension;
    if (GetOpenFileNameA(&ofn)) LoadGameFile(fileName);
}

// Saving arrives with the saved-game writer.
void ShowSaveGameDialog() {}

}  // namespace persistence
