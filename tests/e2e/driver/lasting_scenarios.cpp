// Nothing lost when the program is not closed by hand: Windows ending the
// session, a kill right after games were booked, a player looking away, a
// standard account that cannot write the machine's keys, a save that cannot
// replace its file, and a program folder that cannot be written.
#include <windows.h>

#include <sddl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "capture.h"
#include "checks.h"
#include "platform/win/handles.h"
#include "module_interface/tessel_module.h"
#include "probe_client.h"
#include "program.h"
#include "resources/resource.h"
#include "tests/unit/persistence_bytes.h"

namespace {

using e2e::ProbeClient;
using e2e::Program;
using persistence_bytes::Bytes;

constexpr char kResumeFile[] = "tslnsave.gam";
constexpr char kScoreFile[] = "tslnscor.sav";
constexpr char kProbeGame[] = "Probe FREECELL";
constexpr char kSettingsKey[] = "SOFTWARE\\Quillory\\LumoraSolitaire\\Settings";
constexpr int kChooseProbe = IDM_GAMELIST_FIRST;
constexpr int kProbeScore = 7;  // what the probe's TSGetScore answers

// Read while the program may be renaming a new file over it: shared for
// deleting too, so the reader never makes the program's rename fail.
std::vector<uint8_t> ReadBytes(const std::string& path)
{
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return {};
    std::vector<uint8_t> bytes;
    char block[4096];
    DWORD got = 0;
    while (ReadFile(f, block, sizeof block, &got, nullptr) && got > 0) bytes.insert(bytes.end(), block, block + got);
    CloseHandle(f);
    return bytes;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

uint32_t U32(const std::vector<uint8_t>& b, size_t at)
{
    if (at + 4 > b.size()) return 0xFFFFFFFFu;
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

std::string Text(const std::vector<uint8_t>& b, size_t at, size_t width)
{
    std::string s;
    for (size_t i = at; i < at + width && i < b.size() && b[i]; ++i) s += static_cast<char>(b[i]);
    return s;
}

// The probe's row of a score file: played, wins, total, best.
std::vector<uint32_t> ProbeScores(const std::vector<uint8_t>& file)
{
    if (file.size() != 12u + 80u || Text(file, 12, 64) != kProbeGame) return {};
    return {U32(file, 76), U32(file, 80), U32(file, 84), U32(file, 88)};
}

// The number in the probe's data block of a resume file, or -1.
long ResumedData(const std::vector<uint8_t>& file)
{
    if (file.size() < 360 || U32(file, 352) != 4u) return -1;
    return static_cast<long>(U32(file, 356));
}

bool ChooseProbe(Program& program, const ProbeClient& probe)
{
    program.SendCommand(kChooseProbe);
    for (int i = 0; i < 250 && probe.StackCount(0) != probe::kDealtOnFirstStack; ++i) Sleep(20);
    program.Settle();
    return probe.StackCount(0) == probe::kDealtOnFirstStack;
}

// New Game: the deal on the table is booked, and the next one dealt.
bool NewGame(Program& program, const ProbeClient& probe)
{
    const int deals = probe.EntryCount(probe::kNewGame);
    program.SendCommand(IDM_NEWGAME);
    for (int i = 0; i < 250 && probe.EntryCount(probe::kNewGame) == deals; ++i) Sleep(20);
    program.Settle();
    return probe.EntryCount(probe::kNewGame) == deals + 1;
}

// Saves through the Save dialog under this name.
void SaveAs(Program& program, const std::string& name)
{
    program.PostCommand(IDM_SAVEGAME);
    HWND save = program.WaitForDialog("Save Current Game");
    if (!save) return e2e::Fail("no Save dialog", __FILE__, __LINE__);
    SendMessageA(GetDlgItem(save, 0x47c), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    e2e::ClickButton(save, IDOK);
    CHECK(e2e::WaitGone(save));
    program.Settle();
}

// The message box the program shows with this caption: its text, and
// whether it carries an icon.
struct Box {
    std::string text;
    bool icon = false;
    bool shown = false;
};
BOOL CALLBACK FindIcon(HWND child, LPARAM found)
{
    if (e2e::ClassName(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

Box TakeMessageBox(Program& program, const char* caption, int timeoutMs = e2e::kDefaultWaitMs)
{
    Box box;
    HWND w = program.WaitForDialog(caption, timeoutMs);
    if (!w) return box;
    box.shown = true;
    box.text = e2e::MessageBoxText(w);
    EnumChildWindows(w, FindIcon, reinterpret_cast<LPARAM>(&box.icon));
    e2e::ClickButton(w, IDOK);
    e2e::WaitGone(w);
    program.Settle();
    return box;
}

// Handles what the driver's own window is sent, for a moment.
void PumpMessages()
{
    for (int i = 0; i < 10; ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
}

// Whether the program's thread holds the activation, as it sees it (the
// foreground changes at once; the thread learns of it from its queue).
bool ThreadActive(HWND main)
{
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    return GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &gui) && gui.hwndActive != nullptr;
}

void WaitUntilActive(HWND main, bool active)
{
    for (int i = 0; i < 20 && ThreadActive(main) != active; ++i) PumpMessages();
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A window of the driver's own that takes the activation from the program,
// as another program does when the player switches to it.
class OtherProgramWindow {
public:
    OtherProgramWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "LumoraE2EOtherProgram";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, wc.lpszClassName, "Another program", WS_OVERLAPPEDWINDOW, 50, 50, 200, 150,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~OtherProgramWindow()
    {
        if (window_) DestroyWindow(window_);
    }
    void TakeActivation()
    {
        // Shown afresh: a window that is shown takes the activation.
        ShowWindow(window_, SW_HIDE);
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
        PumpMessages();
    }
    HWND get() const { return window_; }

private:
    HWND window_ = nullptr;
};

std::string RegistryText(HKEY root, const char* path)
{
    char text[512] = {};
    LONG size = sizeof text;
    return RegQueryValueA(root, path, text, &size) == ERROR_SUCCESS ? std::string(text) : "<none>";
}

std::vector<uint8_t> CurStateUnder(HKEY root)
{
    HKEY k = nullptr;
    if (RegOpenKeyExA(root, kSettingsKey, 0, KEY_READ, &k) != ERROR_SUCCESS) return {};
    std::vector<uint8_t> value(64, 0);
    DWORD type = 0, size = 64;
    const LONG r = RegQueryValueExA(k, "CurState", nullptr, &type, value.data(), &size);
    RegCloseKey(k);
    if (r != ERROR_SUCCESS) return {};
    value.resize(size);
    return value;
}

// A key under the machine's root whose values no one may set, as a standard
// account meets every key there; its subkeys stay as they are.
bool LockedMachineKey(HKEY root, const char* path, const char* name = nullptr, const void* value = nullptr,
                      DWORD size = 0)
{
    HKEY k = nullptr;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) != ERROR_SUCCESS)
        return false;
    if (value) RegSetValueExA(k, name, 0, REG_BINARY, static_cast<const BYTE*>(value), size);
    PSECURITY_DESCRIPTOR sd = nullptr;
    // Everyone: setting values and making subkeys denied, all else allowed.
    bool locked = ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(D;;0x6;;;WD)(A;;KA;;;WD)",
                                                                       SDDL_REVISION_1, &sd, nullptr) &&
                  RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
    LocalFree(sd);
    RegCloseKey(k);
    // The lock holds: a value cannot be set any more.
    if (locked && RegOpenKeyExA(root, path, 0, KEY_SET_VALUE | KEY_QUERY_VALUE, &k) == ERROR_SUCCESS) {
        const DWORD probe = 1;
        locked = RegSetValueExA(k, "lock test", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&probe), 4) != 0;
        RegCloseKey(k);
    }
    return locked;
}

}  // namespace

SCENARIO(session_end_writes_everything_before_the_process_is_ended)
{
    REQUIRE(e2e::InstallProbe());
    {
        Program program;
        HWND main = program.WaitForMainWindow();
        REQUIRE(main != nullptr);
        ProbeClient probe(program.pid());
        REQUIRE(probe.found());
        REQUIRE(ChooseProbe(program, probe));
        REQUIRE(NewGame(program, probe));  // one game booked
        probe.Ask(probe::kSetDataBlock, 4321);
        probe.Ask(probe::kSetTexts, 5);
        DeleteFileA(kScoreFile);
        DeleteFileA(kResumeFile);

        // A session end that is called off writes nothing.
        DWORD_PTR answer = 0;
        CHECK(SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 5000, &answer));
        CHECK_EQ(answer, static_cast<DWORD_PTR>(TRUE));
        CHECK(SendMessageTimeoutA(main, WM_ENDSESSION, FALSE, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 5000, &answer));
        CHECK(!FileExists(kScoreFile));
        CHECK(!FileExists(kResumeFile));
        CHECK(CurStateUnder(HKEY_CURRENT_USER).empty());

        // One that happens writes it all before the message returns; then
        // Windows ends the process without destroying the window.
        CHECK(SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, &answer));
        CHECK_EQ(answer, static_cast<DWORD_PTR>(TRUE));
        CHECK(SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &answer));
        program.Kill();
    }
    CHECK((ProbeScores(ReadBytes(kScoreFile)) == std::vector<uint32_t>{1, 0, kProbeScore, kProbeScore}));
    const std::vector<uint8_t> resume = ReadBytes(kResumeFile);
    CHECK_EQ(ResumedData(resume), 4321L);
    CHECK_EQ(U32(resume, 24), 1u);  // in play
    CHECK_EQ(Text(resume, 224, 128), std::string("Score: 5"));
    const std::vector<uint8_t> settings = CurStateUnder(HKEY_CURRENT_USER);
    REQUIRE(settings.size() == 32u);
    CHECK_EQ(U32(settings, 4), 0u);  // the probe's row
    CHECK(!FileExists("tslnsave.gam.new"));
    CHECK(!FileExists("tslnscor.sav.new"));

    // The next start (a restart for updates) brings the game back.
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    program.Settle();
    CHECK_EQ(probe.Ask(probe::kLoadedData), 4321);
    CHECK_EQ(probe.EntryCount(probe::kNewGame), 0);
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

SCENARIO(a_kill_right_after_bookings_loses_none_of_them)
{
    REQUIRE(e2e::InstallProbe());
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    REQUIRE(ChooseProbe(program, probe));
    for (uint32_t played = 1; played <= 3; ++played) {
        REQUIRE(NewGame(program, probe));
        CHECK((ProbeScores(ReadBytes(kScoreFile)) ==
               std::vector<uint32_t>{played, 0, played * kProbeScore, kProbeScore}));
    }
    // A win is booked when its dialog closes, with the win in it.
    PostMessageA(probe.window(), probe::kSendGameWon, 0, 0);
    HWND over = program.WaitForDialog("");
    REQUIRE(over != nullptr);
    e2e::ClickButton(over, IDCANCEL);
    CHECK(e2e::WaitGone(over));
    program.Settle();
    program.Kill();
    CHECK((ProbeScores(ReadBytes(kScoreFile)) == std::vector<uint32_t>{4, 1, 4 * kProbeScore, kProbeScore}));
    CHECK(!FileExists("tslnscor.sav.new"));
}

SCENARIO(looking_away_or_minimising_keeps_the_game_on_the_table)
{
    REQUIRE(e2e::InstallProbe());
    {
        Program program;
        HWND main = program.WaitForMainWindow();
        REQUIRE(main != nullptr);
        ProbeClient probe(program.pid());
        REQUIRE(probe.found());
        REQUIRE(ChooseProbe(program, probe));
        probe.Ask(probe::kSetDataBlock, 111);
        PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        for (int i = 0; i < 100 && !IsIconic(main); ++i) Sleep(20);
        REQUIRE(IsIconic(main));
        program.Settle();
        program.Kill();
    }
    CHECK_EQ(ResumedData(ReadBytes(kResumeFile)), 111L);

    Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    program.Settle();
    REQUIRE(probe.Ask(probe::kLoadedData) == 111);
    OtherProgramWindow other;
    REQUIRE(other.get() != nullptr);
    if (IsIconic(main)) {
        PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
        for (int i = 0; i < 100 && IsIconic(main); ++i) Sleep(20);
    }
    SetForegroundWindow(main);
    WaitUntilActive(main, true);
    program.Settle();
    REQUIRE(ThreadActive(main));

    probe.Ask(probe::kSetDataBlock, 222);
    other.TakeActivation();
    WaitUntilActive(main, false);
    program.Settle();
    CHECK(!ThreadActive(main));
    CHECK_EQ(ResumedData(ReadBytes(kResumeFile)), 222L);

    // Under a dialog of the program, looking away writes nothing: the game
    // may be half way through a change.
    SetForegroundWindow(main);
    WaitUntilActive(main, true);
    program.Settle();
    probe.Ask(probe::kSetDataBlock, 333);
    program.PostCommand(IDM_SCOREHISTORY);
    HWND dialog = program.WaitForDialog("Score History");
    REQUIRE(dialog != nullptr);
    WaitUntilActive(main, true);
    other.TakeActivation();
    WaitUntilActive(main, false);
    program.Settle();
    CHECK(!ThreadActive(main));
    CHECK_EQ(ResumedData(ReadBytes(kResumeFile)), 222L);
    e2e::ClickButton(dialog, IDOK);
    e2e::WaitGone(dialog);
    program.Kill();
    CHECK(!FileExists("tslnsave.gam.new"));
}

SCENARIO(a_standard_account_keeps_its_settings_in_its_own_keys)
{
    REQUIRE(e2e::InstallProbe());
    // What an older version left in the machine's keys, which this account
    // may read but not write.
    const Bytes old = Bytes{}.u32(0xABCD1100u).i32(-1).u32(3).i32(60).i32(40).i32(560).i32(470).u32(0x5A5A);
    REQUIRE(LockedMachineKey(HKEY_LOCAL_MACHINE, kSettingsKey, "CurState", old.b.data(),
                             static_cast<DWORD>(old.size())));
    REQUIRE(LockedMachineKey(HKEY_CLASSES_ROOT, ".tsg"));
    REQUIRE(LockedMachineKey(HKEY_CLASSES_ROOT, "LumoraSolitaire\\shell\\open\\command"));
    REQUIRE(LockedMachineKey(HKEY_CLASSES_ROOT, "LumoraSolitaire"));
    {
        Program program;
        HWND main = program.WaitForMainWindow();
        REQUIRE(main != nullptr);
        program.Settle();
        CHECK(IsZoomed(main));  // the machine's value was read: the user had none
        ProbeClient probe(program.pid());
        REQUIRE(probe.found());
        REQUIRE(ChooseProbe(program, probe));
        PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
        for (int i = 0; i < 100 && IsZoomed(main); ++i) Sleep(20);
        program.PostCommand(IDM_EXIT);
        CHECK_EQ(program.WaitForExit(), 0L);
    }
    const std::vector<uint8_t> mine = CurStateUnder(HKEY_CURRENT_USER);
    REQUIRE(mine.size() == 32u);
    CHECK_EQ(U32(mine, 4), 0u);        // the probe's row
    CHECK_EQ(U32(mine, 8), 1u);        // normal, as it was left
    CHECK_EQ(U32(mine, 28), 0x5A5Au);  // the reserved field read is written back
    CHECK(CurStateUnder(HKEY_LOCAL_MACHINE) == old.b);
    char exe[MAX_PATH] = {};
    GetFullPathNameA("lumora.exe", sizeof exe, exe, nullptr);
    CHECK_EQ(RegistryText(HKEY_CURRENT_USER, "Software\\Classes\\.tsg"), std::string("LumoraSolitaire"));
    CHECK_EQ(RegistryText(HKEY_CURRENT_USER, "Software\\Classes\\LumoraSolitaire"),
             std::string("Lumora Solitaire Saved Game"));
    CHECK_EQ(RegistryText(HKEY_CURRENT_USER, "Software\\Classes\\LumoraSolitaire\\shell\\open\\command"),
             "\"" + std::string(exe) + "\" \"%1\"");

    // The user's own value wins over the machine's from now on.
    Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    program.Settle();
    CHECK(!IsZoomed(main));
    CHECK_EQ(e2e::WindowText(main), std::string("Lumora Solitaire - Probe FREECELL"));
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

SCENARIO(a_save_that_cannot_replace_its_file_keeps_it_and_says_why)
{
    REQUIRE(e2e::InstallProbe());
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    REQUIRE(ChooseProbe(program, probe));
    probe.Ask(probe::kSetDataBlock, 76);
    SaveAs(program, "mine.tsg");
    CHECK(program.VisibleDialogs().empty());
    const std::vector<uint8_t> before = ReadBytes("mine.tsg");
    REQUIRE(ResumedData(before) == 76);

    // Another program holds the file open without sharing it.
    HANDLE held = CreateFileA("mine.tsg", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    REQUIRE(held != INVALID_HANDLE_VALUE);
    probe.Ask(probe::kSetDataBlock, 78);
    SaveAs(program, "mine.tsg");
    const Box box = TakeMessageBox(program, "Lumora Solitaire");
    CloseHandle(held);
    REQUIRE(box.shown);
    CHECK(box.icon);
    CHECK(Contains(box.text, "The game could not be saved to\n"));
    CHECK(Contains(box.text, "mine.tsg\n"));
    CHECK(Contains(box.text, "The new file could not take the place of the old one: Access denied."));
    CHECK(Contains(box.text, "the file that was there is unchanged"));
    CHECK(ReadBytes("mine.tsg") == before);
    CHECK(!FileExists("mine.tsg.new"));

    probe.Ask(probe::kSetDataBlock, 80);
    SaveAs(program, "mine.tsg");  // once the file is free, the save goes through
    CHECK(program.VisibleDialogs().empty());
    CHECK_EQ(ResumedData(ReadBytes("mine.tsg")), 80L);
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

SCENARIO(a_save_onto_a_full_disk_keeps_the_old_file)
{
    const char* disk = std::getenv("LUMORA_E2E_SMALL_DISK");
    if (!disk || !*disk) return e2e::Skip("no small disk was mounted (the runner mounts one when run as root)");
    REQUIRE(e2e::InstallProbe());
    const std::string target = std::string(disk) + "\\mine.tsg";
    const std::string filler = std::string(disk) + "\\filler";
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    REQUIRE(ChooseProbe(program, probe));
    probe.Ask(probe::kSetDataBlock, 76);
    SaveAs(program, target);
    CHECK(program.VisibleDialogs().empty());
    const std::vector<uint8_t> before = ReadBytes(target);
    REQUIRE(ResumedData(before) == 76);

    // Every byte left on the disk taken.
    {
        HANDLE f = CreateFileA(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        REQUIRE(f != INVALID_HANDLE_VALUE);
        static const char block[4096] = {};
        DWORD written = 0;
        while (WriteFile(f, block, sizeof block, &written, nullptr) && written == sizeof block) {
        }
        CloseHandle(f);
    }
    probe.Ask(probe::kSetDataBlock, 78);
    SaveAs(program, target);
    const Box box = TakeMessageBox(program, "Lumora Solitaire");
    REQUIRE(box.shown);
    CHECK(box.icon);
    CHECK(Contains(box.text, target));
    CHECK(Contains(box.text, "The file could not be written: Disk full."));
    CHECK(ReadBytes(target) == before);
    CHECK(!FileExists(target + ".new"));

    DeleteFileA(filler.c_str());
    SaveAs(program, target);
    CHECK(program.VisibleDialogs().empty());
    CHECK_EQ(ResumedData(ReadBytes(target)), 78L);
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

SCENARIO(a_read_only_folder_is_reported_once)
{
    const char* folder = std::getenv("LUMORA_E2E_READ_ONLY_FOLDER");
    if (!folder || !*folder)
        return e2e::Skip("no read-only folder was mounted (the runner mounts one when run as root)");
    char here[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof here, here);
    Program program(std::string(folder) + "\\lumora.exe", here);
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    REQUIRE(ChooseProbe(program, probe));
    CHECK(program.VisibleDialogs().empty());
    REQUIRE(NewGame(program, probe));  // the booking cannot be written
    const Box box = TakeMessageBox(program, "Lumora Solitaire");
    REQUIRE(box.shown);
    CHECK(box.icon);
    CHECK_EQ(box.text.find("Lumora Solitaire cannot keep your scores and your game in its folder\n" +
                           std::string(folder) + "\n\n"),
             0u);
    CHECK(Contains(box.text, "Move the Lumora Solitaire folder"));

    // Told once: further bookings, minimising and the exit say nothing more.
    REQUIRE(NewGame(program, probe));
    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    for (int i = 0; i < 100 && !IsIconic(main); ++i) Sleep(20);
    program.Settle();
    Sleep(300);
    CHECK(program.VisibleDialogs().empty());
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

// An exit from a read-only folder before anything was booked or put away
// is the first failed write: it is told then.
SCENARIO(a_read_only_folder_is_reported_at_exit_when_nothing_failed_before)
{
    const char* folder = std::getenv("LUMORA_E2E_READ_ONLY_FOLDER");
    if (!folder || !*folder)
        return e2e::Skip("no read-only folder was mounted (the runner mounts one when run as root)");
    char here[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof here, here);
    Program program(std::string(folder) + "\\lumora.exe", here);
    REQUIRE(program.WaitForMainWindow() != nullptr);
    program.Settle();
    program.PostCommand(IDM_EXIT);
    const Box box = TakeMessageBox(program, "Lumora Solitaire");
    REQUIRE(box.shown);
    CHECK_EQ(box.text.find("Lumora Solitaire cannot keep your scores and your game in its folder\n"), 0u);
    CHECK_EQ(program.WaitForExit(), 0L);
}

// Pictures of the two failure messages for people to look at: a save onto a
// file held by another program, and the report of a read-only program
// folder. Not a test; run it with LUMORA_E2E_IMAGES set to a Windows path.
MEASUREMENT(showcase_read_only_folder_and_a_failed_save)
{
    const char* folder = std::getenv("LUMORA_E2E_READ_ONLY_FOLDER");
    if (!folder || !*folder) return e2e::Skip("no read-only folder was mounted");
    auto keep = [](HWND window, const char* name) {
        Sleep(300);
        RECT r;
        GetWindowRect(window, &r);
        e2e::Image image(r.right - r.left, r.bottom - r.top);
        platform::WindowDC screen(nullptr);
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const COLORREF c = GetPixel(screen.get(), r.left + x, r.top + y);
                image.Set(x, y, e2e::Rgb(GetRValue(c), GetGValue(c), GetBValue(c)));
            }
        e2e::KeepImage(image, name);
    };
    char here[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof here, here);
    Program program(std::string(folder) + "\\lumora.exe", here);
    REQUIRE(program.WaitForMainWindow() != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    REQUIRE(ChooseProbe(program, probe));
    REQUIRE(NewGame(program, probe));
    HWND box = program.WaitForDialog("Lumora Solitaire");
    REQUIRE(box != nullptr);
    keep(box, "keeping-1-read-only-folder");
    e2e::ClickButton(box, IDOK);
    e2e::WaitGone(box);

    const std::string target = std::string(here) + "\\mine.tsg";
    SaveAs(program, target);
    HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SaveAs(program, target);
    box = program.WaitForDialog("Lumora Solitaire");
    REQUIRE(box != nullptr);
    keep(box, "keeping-2-save-failed");
    e2e::ClickButton(box, IDOK);
    e2e::WaitGone(box);
    CloseHandle(held);
    program.PostCommand(IDM_EXIT);
    program.WaitForExit();
}
