// The program's own dialogs: the About box.
#include <string>

#include "checks.h"
#include "lumora_version.h"
#include "probe_client.h"
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
        // Sent, so the dialog has handled the first turn when it is looked at.
        DWORD_PTR handled = 0;
        CHECK(SendMessageTimeoutA(about, turn, turn == WM_KEYDOWN ? 'A' : 0, MAKELPARAM(20, 20), SMTO_NORMAL,
                                  e2e::kDefaultWaitMs, &handled) != 0);
        CHECK(IsWindow(about) && IsWindowVisible(about));  // the credits page
        PostMessageA(about, turn, turn == WM_KEYDOWN ? 'A' : 0, MAKELPARAM(20, 20));
        CHECK(e2e::WaitGone(about, 5000));
    }
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

// The visual styles come with the version 6 common controls, which load
// with the first dialog rather than before the first deal.
SCENARIO(visual_styles_load_with_the_first_dialog)
{
    REQUIRE(e2e::InstallProbe());
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    program.Settle();
    CHECK_EQ(program.LibraryPath("comctl32.dll"), std::string());
    program.PostCommand(IDM_SCOREHISTORY);
    HWND dialog = program.WaitForDialog("Score History");
    REQUIRE(dialog != nullptr);
    std::string path = program.LibraryPath("comctl32.dll");
    CharLowerA(path.data());
    CHECK(path.find("common-controls_6595b64144ccf1df_6.") != std::string::npos);  // the side-by-side version 6
    e2e::ClickButton(dialog, IDOK);
    CHECK(e2e::WaitGone(dialog));
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

// Start-up runs no message loop until its end, so the splash must be painted
// as soon as it is shown; the probe looks at it while the modules load.
SCENARIO(splash_is_painted_while_the_modules_load)
{
    REQUIRE(e2e::InstallProbe());
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    e2e::ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    CHECK_EQ(static_cast<int>(probe.Ask(probe::kSplashAtInit)), static_cast<int>(probe::kSplashPainted));
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}
