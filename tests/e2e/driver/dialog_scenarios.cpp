// The program's own dialogs: the About box.
#include <string>

#include "checks.h"
#include "lumora_version.h"
#include "program.h"
#include "resources/resource.h"

namespace {

using e2e::Program;

constexpr int kVersionLine = IDC_SPLASH_VERSION;
constexpr int kLoadLine = IDC_SPLASH_LOADLINE;

std::string ControlText(HWND dialog, int id)
{
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// Opens the About box (a dialog without a caption) and returns it.
HWND OpenAbout(Program& program)
{
    program.PostCommand(IDM_ABOUT);
    return program.WaitForDialog("");
}

}  // namespace

SCENARIO(about_box_pages_to_the_credits_then_closes)
{
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);

    // Left click, right click and a key each turn one page.
    for (UINT turn : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_KEYDOWN}) {
        HWND about = OpenAbout(program);
        REQUIRE(about != nullptr);
        CHECK_EQ(ControlText(about, kVersionLine), std::string(LUMORA_VERSION_TITLE " for Windows 95"));
        CHECK_EQ(ControlText(about, kLoadLine), std::string(""));
        PostMessageA(about, turn, turn == WM_KEYDOWN ? 'A' : 0, MAKELPARAM(20, 20));
        Sleep(200);
        CHECK(IsWindow(about) && IsWindowVisible(about));  // the credits page
        PostMessageA(about, turn, turn == WM_KEYDOWN ? 'A' : 0, MAKELPARAM(20, 20));
        CHECK(e2e::WaitGone(about, 5000));
    }
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}
