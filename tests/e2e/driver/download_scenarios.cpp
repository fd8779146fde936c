// The download as a player uses it: unzipped into a deep folder with blanks
// in its path, started from other folders, a game resumed at the next
// start, a saved game opened by the shell's open verb through the file
// association the program registered. run-download-scenario prepares the
// folders and names them in the environment.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "capture.h"
#include "checks.h"
#include "program.h"
#include "resources/resource.h"

namespace {

using e2e::Image;
using e2e::Program;

std::string Folder(const char* variable)
{
    const char* value = std::getenv(variable);
    return value ? value : "";
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A click on the table, pressed and released where the stock lies in both
// card sizes: the game's top-left pile.
void ClickStock(const Program& program)
{
    constexpr int kX = 30, kY = 32 + 30;
    program.Mouse(WM_LBUTTONDOWN, kX, kY, MK_LBUTTON);
    program.Mouse(WM_LBUTTONUP, kX, kY);
}

// What the program shows instead of its window, for a failure's report.
void ReportDialogs(const Program& program)
{
    for (HWND d : program.VisibleDialogs())
        std::fprintf(stderr, "note: dialog \"%s\": %s\n", e2e::WindowText(d).c_str(), e2e::MessageBoxText(d).c_str());
}

void Exit(Program& program)
{
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

}  // namespace

DOWNLOAD_SCENARIO(download_runs_resumes_and_opens_saved_games_from_any_folder)
{
    const std::string home = Folder("LUMORA_DOWNLOAD_FOLDER");
    const std::string elsewhere = Folder("LUMORA_START_FOLDER");
    const std::string third = Folder("LUMORA_THIRD_FOLDER");
    REQUIRE(!home.empty() && !elsewhere.empty() && !third.empty());
    CHECK(home.size() > 150);
    CHECK(home.find(' ') != std::string::npos);
    const std::string program = home + "\\lumora.exe";
    REQUIRE(FileExists(program));

    // A first start from another folder deals Klondike; a click on the
    // stock plays.
    Image played;
    {
        Program first(program, elsewhere);
        HWND main = first.WaitForMainWindow();
        if (!main) ReportDialogs(first);
        REQUIRE(main != nullptr);
        CHECK(first.VisibleDialogs().empty());
        CHECK_EQ(e2e::WindowText(main), std::string("Lumora Solitaire - Klondike"));
        const Image dealt = e2e::CaptureSettled(main);
        ClickStock(first);
        played = e2e::CaptureSettled(main);
        CHECK(played.pixels != dealt.pixels);
        Exit(first);
    }
    CHECK(FileExists(home + "\\tslnsave.gam"));
    CHECK(FileExists(home + "\\tslnscor.sav"));
    CHECK(!FileExists(elsewhere + "\\tslnsave.gam"));
    CHECK(!FileExists(elsewhere + "\\tslnscor.sav"));

    // Started again from a third folder, the game comes back as it was left.
    {
        Program again(program, third);
        HWND main = again.WaitForMainWindow();
        REQUIRE(main != nullptr);
        CHECK(again.VisibleDialogs().empty());
        CHECK(e2e::CaptureSettled(main).pixels == played.pixels);
        Exit(again);
    }

    // The game kept as a saved game in a folder with a blank, the resume file
    // gone: a double-click on the file, as the shell's open verb runs the
    // program's association, opens exactly that game.
    const std::string saved = third + "\\My Klondike game.tsg";
    REQUIRE(CopyFileA((home + "\\tslnsave.gam").c_str(), saved.c_str(), FALSE));
    REQUIRE(DeleteFileA((home + "\\tslnsave.gam").c_str()));
    SHELLEXECUTEINFOA open{};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_NOCLOSEPROCESS;
    open.lpVerb = "open";
    open.lpFile = saved.c_str();
    open.lpDirectory = elsewhere.c_str();
    open.nShow = SW_SHOWNORMAL;
    REQUIRE(ShellExecuteExA(&open) && open.hProcess != nullptr);
    Program opened(open.hProcess);
    HWND main = opened.WaitForMainWindow();
    REQUIRE(main != nullptr);
    CHECK(opened.VisibleDialogs().empty());
    CHECK_EQ(e2e::WindowText(main), std::string("Lumora Solitaire - Klondike"));
    CHECK(e2e::CaptureSettled(main).pixels == played.pixels);
    Exit(opened);
}
