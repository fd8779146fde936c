// Saved games, the resume and score files, Score History, the registry and
// the help window, through the real program. Files the program must read
// are built here byte by byte from the format; files it wrote are read back
// the same way.
#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <fstream>
#include <iterator>
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
using persistence_bytes::StateFields;

constexpr char kResumeFile[] = "tslnsave.gam";
constexpr char kScoreFile[] = "tslnscor.sav";
constexpr char kProbeGame[] = "Probe FREECELL";
constexpr char kProbeTitle[] = "Lumora Solitaire - Probe FREECELL";
constexpr int kChooseProbe = IDM_GAMELIST_FIRST;
constexpr int kNewGame = IDM_NEWGAME, kLoadGame = IDM_LOADGAME, kSaveGame = IDM_SAVEGAME, kExit = IDM_EXIT,
              kAutoPlay = IDM_AUTOPLAY;
constexpr int kHelpContents = IDM_HELPCONTENTS, kLarge = IDM_LARGECARDS, kScoreHistory = IDM_SCOREHISTORY;

std::vector<uint8_t> ReadBytes(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteBytes(const char* path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.b.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool FileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

uint32_t U32(const std::vector<uint8_t>& b, size_t at)
{
    if (at + 4 > b.size()) return 0xFFFFFFFFu;
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
int16_t I16(const std::vector<uint8_t>& b, size_t at)
{
    if (at + 2 > b.size()) return INT16_MIN;
    return static_cast<int16_t>(b[at] | b[at + 1] << 8);
}
std::string Text(const std::vector<uint8_t>& b, size_t at, size_t width)
{
    std::string s;
    for (size_t i = at; i < at + width && i < b.size() && b[i]; ++i) s += static_cast<char>(b[i]);
    return s;
}

void Exit(Program& program)
{
    program.PostCommand(kExit);
    CHECK_EQ(program.WaitForExit(), 0L);
}

// Chooses the probe (row 0) and waits for its deal.
bool ChooseProbe(Program& program, const ProbeClient& probe)
{
    program.SendCommand(kChooseProbe);
    for (int i = 0; i < 250 && probe.StackCount(0) != probe::kDealtOnFirstStack; ++i) Sleep(20);
    program.Settle();
    return probe.StackCount(0) == probe::kDealtOnFirstStack;
}

// Dismisses the warning about large cards on a small display, if it came.
void DismissDisplayWarning(Program& program)
{
    Sleep(200);
    if (HWND box = program.WaitForDialog("Lumora Solitaire", 300)) {
        e2e::ClickButton(box, IDOK);
        e2e::WaitGone(box);
    }
    program.Settle();
}

std::vector<std::string> ListLines(HWND list)
{
    std::vector<std::string> lines;
    const LRESULT n = SendMessageA(list, LB_GETCOUNT, 0, 0);
    // Across processes the text arrives whole only through the wide call.
    for (LRESULT i = 0; i < n; ++i) {
        wchar_t line[256] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 255)
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
        std::string narrow;
        for (const wchar_t* c = line; *c; ++c) narrow += *c < 128 ? static_cast<char>(*c) : '?';
        lines.push_back(narrow);
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines) out += "[" + l + "]";
    return out;
}

// A visible dialog of the program with this caption other than `besides`.
HWND OtherDialog(const Program& program, const std::string& caption, HWND besides)
{
    for (int i = 0; i < 250; ++i) {
        for (HWND w : program.VisibleDialogs())
            if (w != besides && e2e::WindowText(w) == caption) return w;
        Sleep(20);
    }
    return nullptr;
}

// The probe's game as a file: its three stacks at their deal positions.
Bytes ProbeGameFile(const StateFields& state)
{
    Bytes file = persistence_bytes::SavedGameHead(state);
    file.u32(0).i16(3);
    file.append(persistence_bytes::StackRecord(10, 10, TS_FAN_DOWN, 52, {{1, 0, 7}, {0, 0, 20}}));
    file.append(persistence_bytes::StackRecord(120, 10, TS_FAN_DOWN, 52, {}));
    file.append(persistence_bytes::StackRecord(230, 10, TS_FAN_SQUARED, 52, {{0, 0, 33}}));
    return file;
}

StateFields ProbeState()
{
    StateFields s;
    s.moduleName = kProbeGame;
    s.message = "From a file";
    s.score = "Score: 3";
    s.seed = 99;
    return s;
}

}  // namespace

SCENARIO(saved_game_comes_back_after_exit_and_start)
{
    REQUIRE(e2e::InstallProbe());
    std::vector<int> cards[probe::kStacks];
    {
        Program program;
        REQUIRE(program.WaitForMainWindow() != nullptr);
        ProbeClient probe(program.pid());
        REQUIRE(probe.found());
        REQUIRE(ChooseProbe(program, probe));
        probe.Ask(probe::kSetTexts, 42);
        probe.Ask(probe::kSetDataBlock, 1234);
        program.SendCommand(kAutoPlay);
        program.PostCommand(kLarge);
        DismissDisplayWarning(program);
        program.SendCommand(IDM_CARDSET_FIRST + 2);     // card set 2
        program.SendCommand(IDM_BACKGROUND_FIRST + 3);  // background 3
        for (int i = 0; i < probe::kStacks; ++i) cards[i] = probe.StackCards(i);
        Exit(program);
    }
    const std::vector<uint8_t> first = ReadBytes(kResumeFile);
    REQUIRE(first.size() > 360);
    CHECK_EQ(U32(first, 0), 0xEE1100FFu);
    CHECK_EQ(U32(first, 4), 256u);
    CHECK_EQ(I16(first, 8), 1);    // large cards
    CHECK_EQ(I16(first, 10), 2);   // card set
    CHECK_EQ(I16(first, 12), 3);   // background
    CHECK_EQ(U32(first, 16), 1u);  // Auto Play
    CHECK_EQ(U32(first, 24), 1u);  // in play
    CHECK_EQ(Text(first, 32, 64), std::string(kProbeGame));
    CHECK_EQ(Text(first, 96, 128), std::string("Probe message"));
    CHECK_EQ(Text(first, 224, 128), std::string("Score: 42"));
    CHECK_EQ(U32(first, 352), 4u);  // the probe's data block
    CHECK_EQ(U32(first, 356), 1234u);
    CHECK_EQ(I16(first, 360), 3);  // stacks
    CHECK(!FileExists("tslnsave.gam.new"));
    CHECK(!FileExists("tslnscor.sav.new"));

    {
        Program program;
        HWND main = program.WaitForMainWindow();
        REQUIRE(main != nullptr);
        ProbeClient probe(program.pid());
        REQUIRE(probe.found());
        program.Settle();
        CHECK(program.VisibleDialogs().empty());
        CHECK_EQ(e2e::WindowText(main), std::string(kProbeTitle));
        CHECK_EQ(probe.Ask(probe::kLoadedData), 1234);
        CHECK_EQ(probe.EntryCount(probe::kNewGame), 0);  // resumed, not dealt
        for (int i = 0; i < probe::kStacks; ++i) CHECK(probe.StackCards(i) == cards[i]);
        CHECK(probe.MenuState(kAutoPlay) & MF_CHECKED);
        CHECK(!(probe.MenuState(kSaveGame) & MF_GRAYED));
        CHECK(probe.MenuState(kChooseProbe) & MF_CHECKED);
        Exit(program);
    }
    const std::vector<uint8_t> second = ReadBytes(kResumeFile);
    REQUIRE(second.size() > 352);
    // Options, card size, seed, name and texts came back whole.
    CHECK(std::memcmp(first.data(), second.data(), 352) == 0);
}

SCENARIO(each_load_error_shows_its_message)
{
    REQUIRE(e2e::InstallProbe());
    Bytes shortFile = persistence_bytes::SavedGameHead(ProbeState());
    shortFile.b.resize(351);
    StateFields nobody = ProbeState();
    nobody.moduleName = "Nobody Plays This";
    Bytes cutData = persistence_bytes::SavedGameHead(ProbeState());
    cutData.u32(100).fill(1, 10);
    struct Case {
        const char* file;
        Bytes bytes;
        const char* caption;
        const char* text;
    };
    const Case cases[] = {
        {"short.tsg", shortFile, "Load Game Error 2", "Invalid saved game file"},
        {"magic.tsg", persistence_bytes::SavedGameHead(ProbeState(), 0xFF0011EEu).u32(0).i16(0), "Load Game Error 3",
         "Invalid saved game file"},
        {"v257.tsg", persistence_bytes::SavedGameHead(ProbeState(), 0xEE1100FFu, 257).u32(0).i16(0),
         "Load Game Error 3", "Invalid saved game file"},
        {"nobody.tsg", persistence_bytes::SavedGameHead(nobody).u32(0).i16(0), "Load Game Error 4",
         "Couldn't find game module: Nobody Plays This"},
        {"cutdata.tsg", cutData, "Load Game Error 6", "Error loading file"},
        {"stacks.tsg", persistence_bytes::SavedGameHead(ProbeState()).u32(0).i16(101), "Load Game Error 6",
         "Error loading file"},
    };
    for (const Case& c : cases) {
        REQUIRE(WriteBytes(c.file, c.bytes));
        Program program(c.file);
        HWND box = program.WaitForDialog(c.caption);
        CHECK(box != nullptr);
        if (!box) continue;
        CHECK_EQ(e2e::MessageBoxText(box), std::string(c.text));
        e2e::ClickButton(box, IDOK);
        HWND main = program.WaitForMainWindow();
        REQUIRE(main != nullptr);
        CHECK_EQ(e2e::WindowText(main), std::string("Lumora Solitaire"));
        Exit(program);
    }

    // Through the Load dialog, over a game in play, a file whose table is
    // inconsistent leaves an empty table that takes no moves.
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    REQUIRE(ChooseProbe(program, probe));
    program.PostCommand(kLoadGame);
    HWND open = program.WaitForDialog("Load Saved Game");
    REQUIRE(open != nullptr);
    SendMessageA(GetDlgItem(open, 0x47c), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("stacks.tsg"));
    e2e::ClickButton(open, IDOK);
    HWND box = program.WaitForDialog("Load Game Error 6");
    REQUIRE(box != nullptr);
    e2e::ClickButton(box, IDOK);
    e2e::WaitGone(box);
    program.Settle();
    const int hits = probe.EntryCount(probe::kMouseHit);
    program.Mouse(WM_LBUTTONDOWN, 40, 60, MK_LBUTTON);
    program.Mouse(WM_LBUTTONUP, 40, 60);
    CHECK_EQ(probe.EntryCount(probe::kMouseHit), hits);
    Exit(program);
}

SCENARIO(save_dialog_then_load_dialog_and_dropped_file)
{
    REQUIRE(e2e::InstallProbe());
    Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    REQUIRE(ChooseProbe(program, probe));
    const std::vector<int> dealt = probe.StackCards(0);

    // Saving twice under one name replaces the file without a question.
    for (uint32_t data : {76u, 78u}) {
        probe.Ask(probe::kSetDataBlock, data);
        program.PostCommand(kSaveGame);
        HWND save = program.WaitForDialog("Save Current Game");
        REQUIRE(save != nullptr);
        SendMessageA(GetDlgItem(save, 0x47c), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("mine"));
        e2e::ClickButton(save, IDOK);
        CHECK(e2e::WaitGone(save));
        program.Settle();
        CHECK(program.VisibleDialogs().empty());
    }
    const std::vector<uint8_t> saved = ReadBytes("mine.tsg");  // the default extension
    CHECK_EQ(U32(saved, 352), 4u);
    CHECK_EQ(U32(saved, 356), 78u);

    // A new deal, then the saved one back through the Load dialog.
    program.SendCommand(kNewGame);
    program.Settle();
    program.PostCommand(kLoadGame);
    HWND open = program.WaitForDialog("Load Saved Game");
    REQUIRE(open != nullptr);
    SendMessageA(GetDlgItem(open, 0x47c), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("mine.tsg"));
    e2e::ClickButton(open, IDOK);
    CHECK(e2e::WaitGone(open));
    program.Settle();
    CHECK(program.VisibleDialogs().empty());
    CHECK_EQ(probe.Ask(probe::kLoadedData), 78);
    CHECK(probe.StackCards(0) == dealt);

    // A file dropped on the window: the probe's game from a hand-made file.
    REQUIRE(WriteBytes("dropped.tsg", ProbeGameFile(ProbeState())));
    char full[MAX_PATH] = {};
    GetFullPathNameA("dropped.tsg", sizeof full, full, nullptr);
    const size_t pathBytes = std::strlen(full) + 2;  // the list ends in two zeros
    std::vector<char> block(sizeof(DROPFILES) + pathBytes, 0);
    auto* drop = reinterpret_cast<DROPFILES*>(block.data());
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(block.data() + sizeof(DROPFILES), full, pathBytes - 2);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, program.pid());
    REQUIRE(process != nullptr);
    void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    REQUIRE(remote != nullptr);
    WriteProcessMemory(process, remote, block.data(), block.size(), nullptr);
    CloseHandle(process);
    PostMessageA(main, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
    for (int i = 0; i < 250 && probe.Ask(probe::kLoadedData) != -1; ++i) Sleep(20);
    program.Settle();
    CHECK_EQ(probe.Ask(probe::kLoadedData), -1);  // that file has no module data
    CHECK((probe.StackCards(0) == std::vector<int>{7 | 1 << 16, 20}));
    CHECK((probe.StackCards(2) == std::vector<int>{33}));
    Exit(program);
}

SCENARIO(small_cards_game_where_only_large_cards_exist)
{
    REQUIRE(e2e::InstallProbe());
    REQUIRE(DeleteFileA("DECKMINI.DLL"));
    REQUIRE(WriteBytes("small.tsg", ProbeGameFile(ProbeState())));
    {
        Program program("small.tsg");
        REQUIRE(program.WaitForMainWindow() != nullptr);
        ProbeClient probe(program.pid());
        REQUIRE(probe.found());
        DismissDisplayWarning(program);
        CHECK(program.VisibleDialogs().empty());
        CHECK((probe.StackCards(2) == std::vector<int>{33}));
        Exit(program);
    }
    // Every stack lies at 3/2 of its stored position, and the game is saved
    // in large cards.
    const std::vector<uint8_t> resume = ReadBytes(kResumeFile);
    CHECK_EQ(I16(resume, 8), 1);
    CHECK_EQ(Text(resume, 96, 128), std::string("From a file"));
    REQUIRE(I16(resume, 356) == 3);
    const size_t record = 4 + 24 + 12 * 52;
    const int wantX[3] = {15, 180, 345};
    for (size_t i = 0; i < 3; ++i) {
        const size_t at = 358 + i * record;
        CHECK_EQ(U32(resume, at), static_cast<uint32_t>(24 + 12 * 52));
        CHECK_EQ(static_cast<int32_t>(U32(resume, at + 8)), wantX[i]);
        CHECK_EQ(static_cast<int32_t>(U32(resume, at + 12)), 15);
    }
}

SCENARIO(score_history_after_a_win_and_a_loss)
{
    REQUIRE(e2e::InstallProbe());
    {
        Program program;
        REQUIRE(program.WaitForMainWindow() != nullptr);
        ProbeClient probe(program.pid());
        REQUIRE(probe.found());
        REQUIRE(ChooseProbe(program, probe));
        for (UINT end : {probe::kSendGameWon, probe::kSendGameLost}) {
            const int deals = probe.EntryCount(probe::kNewGame);
            if (end == probe::kSendGameLost) {
                program.SendCommand(kNewGame);
                for (int i = 0; i < 250 && probe.EntryCount(probe::kNewGame) == deals; ++i) Sleep(20);
            }
            PostMessageA(probe.window(), end, 0, 0);
            HWND over = program.WaitForDialog("");
            REQUIRE(over != nullptr);
            if (end == probe::kSendGameWon) {
                // The win counts before its dialog shows; the game is booked
                // as played only once the dialog is closed.
                program.PostCommand(kScoreHistory);
                HWND early = program.WaitForDialog("Score History");
                REQUIRE(early != nullptr);
                const std::vector<std::string> lines = ListLines(GetDlgItem(early, 1003));
                REQUIRE(lines.size() == 3u);
                CHECK_EQ(lines[2], std::string("Probe FREECELL\t0\t1\t0\t0"));
                e2e::ClickButton(early, IDOK);
                CHECK(e2e::WaitGone(early));
            }
            e2e::ClickButton(over, IDCANCEL);
            e2e::WaitGone(over);
            program.Settle();
        }

        program.PostCommand(kScoreHistory);
        HWND dialog = program.WaitForDialog("Score History");
        REQUIRE(dialog != nullptr);
        HWND list = GetDlgItem(dialog, 1003);
        const std::vector<std::string> played = {"Game\tPlayed\tWins\tMax\tAvg", "", "Probe FREECELL\t2\t1\t7\t7"};
        CHECK_EQ(Join(ListLines(list)), Join(played));

        // Escape does not close it; No keeps the scores; Yes clears them.
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        program.Settle();
        CHECK(IsWindowVisible(dialog));
        for (int answer : {IDNO, IDYES}) {
            e2e::ClickButton(dialog, IDM_GAMELIST_FIRST + 2);
            HWND question = OtherDialog(program, "Score History", dialog);
            REQUIRE(question != nullptr);
            CHECK_EQ(e2e::MessageBoxText(question), std::string("Do you really wish to clear all game scores?"));
            e2e::ClickButton(question, answer);
            e2e::WaitGone(question);
            program.Settle();
            if (answer == IDNO) CHECK_EQ(Join(ListLines(list)), Join(played));
        }
        CHECK_EQ(Join(ListLines(list)), Join({"Game\tPlayed\tWins\tMax\tAvg", "", "Probe FREECELL\t0\t0\t0\t0"}));
        e2e::ClickButton(dialog, IDOK);
        CHECK(e2e::WaitGone(dialog));
        Exit(program);
    }
    const std::vector<uint8_t> scores = ReadBytes(kScoreFile);
    REQUIRE(scores.size() == 12u + 80u);
    CHECK_EQ(U32(scores, 0), 0xFF11EE00u);
    CHECK_EQ(I16(scores, 8), 1);
    CHECK_EQ(Text(scores, 12, 64), std::string(kProbeGame));
    for (size_t field = 0; field < 4; ++field) CHECK_EQ(U32(scores, 12 + 64 + 4 * field), 0u);
}

SCENARIO(scores_come_back_from_the_score_file)
{
    REQUIRE(e2e::InstallProbe());
    Bytes file = Bytes{}.u32(0xFF11EE00u).u32(256).i16(3).u16(0);
    file.text("Somebody Else", 64).i32(9).i32(9).i32(9).i32(9);
    file.text("PROBE accordn", 64).i32(3).i32(1).i32(6).i32(10);
    file.text("Probe FREECELL", 64).i32(2).i32(0).i32(-7).i32(0);  // the later record wins
    REQUIRE(WriteBytes(kScoreFile, file));
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    program.PostCommand(kScoreHistory);
    HWND dialog = program.WaitForDialog("Score History");
    REQUIRE(dialog != nullptr);
    CHECK_EQ(Join(ListLines(GetDlgItem(dialog, 1003))),
             Join({"Game\tPlayed\tWins\tMax\tAvg", "", "Probe FREECELL\t2\t0\t0\t-3"}));
    e2e::ClickButton(dialog, IDOK);
    e2e::WaitGone(dialog);
    Exit(program);
    // Rewritten from the loaded rows: the unknown game's record is gone.
    const std::vector<uint8_t> scores = ReadBytes(kScoreFile);
    CHECK_EQ(scores.size(), 12u + 80u);
    CHECK_EQ(I16(scores, 8), 1);
    CHECK_EQ(U32(scores, 12 + 64), 2u);
}

SCENARIO(registry_settings_and_a_maximised_exit)
{
    REQUIRE(e2e::InstallProbe());
    const char key[] = "SOFTWARE\\Quillory\\LumoraSolitaire\\Settings";
    auto readCurState = [&](std::vector<uint8_t>& value) {
        HKEY k = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
        DWORD type = 0, size = 64;
        value.assign(64, 0);
        const LONG r = RegQueryValueExA(k, "CurState", nullptr, &type, value.data(), &size);
        RegCloseKey(k);
        value.resize(size);
        return r == ERROR_SUCCESS && type == REG_BINARY;
    };
    auto defaultValue = [](const char* path) {
        char text[512] = {};
        LONG size = sizeof text;
        return RegQueryValueA(HKEY_CLASSES_ROOT, path, text, &size) == ERROR_SUCCESS ? std::string(text) : "<none>";
    };

    // A 40-byte value is not read, and the exit replaces it with 32 bytes.
    {
        HKEY k = nullptr;
        REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr) ==
                ERROR_SUCCESS);
        const Bytes forty = Bytes{}.u32(0xABCD1100u).i32(0).u32(3).i32(1).i32(2).i32(3).i32(4).u32(0).fill(0, 8);
        RegSetValueExA(k, "CurState", 0, REG_BINARY, forty.b.data(), static_cast<DWORD>(forty.size()));
        RegCloseKey(k);
    }
    // No game chosen: gameIndex -1 and no resume file.
    {
        Program program;
        HWND main = program.WaitForMainWindow();
        REQUIRE(main != nullptr);
        program.Settle();
        CHECK(!IsZoomed(main));  // the 40-byte value's show command was not used
        Exit(program);
    }
    std::vector<uint8_t> value;
    REQUIRE(readCurState(value));
    REQUIRE(value.size() == 32u);
    CHECK_EQ(U32(value, 0), 0xABCD1100u);
    CHECK_EQ(static_cast<int32_t>(U32(value, 4)), -1);
    CHECK_EQ(U32(value, 8), 1u);
    CHECK(!FileExists(kResumeFile));
    char exe[MAX_PATH] = {};
    GetFullPathNameA("lumora.exe", sizeof exe, exe, nullptr);
    CHECK_EQ(defaultValue(".tsg"), std::string("LumoraSolitaire"));
    CHECK_EQ(defaultValue("LumoraSolitaire"), std::string("Lumora Solitaire Saved Game"));
    CHECK_EQ(defaultValue("LumoraSolitaire\\shell\\open\\command"), "\"" + std::string(exe) + "\" \"%1\"");

    RECT normal{};
    {
        Program program;
        HWND main = program.WaitForMainWindow();
        REQUIRE(main != nullptr);
        ProbeClient probe(program.pid());
        REQUIRE(probe.found());
        REQUIRE(ChooseProbe(program, probe));
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(main, &placement);
        normal = placement.rcNormalPosition;
        PostMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        for (int i = 0; i < 100 && !IsZoomed(main); ++i) Sleep(20);
        CHECK(IsZoomed(main));
        Exit(program);
    }
    // A first run's options: small cards, card set 1, background 0, Auto
    // Play off, Sounds on.
    const std::vector<uint8_t> resume = ReadBytes(kResumeFile);
    CHECK_EQ(I16(resume, 8), 0);
    CHECK_EQ(I16(resume, 10), 1);
    CHECK_EQ(I16(resume, 12), 0);
    CHECK_EQ(U32(resume, 16), 0u);
    CHECK_EQ(U32(resume, 20), 1u);

    REQUIRE(readCurState(value));
    REQUIRE(value.size() == 32u);
    CHECK_EQ(U32(value, 4), 0u);  // row 0
    CHECK_EQ(U32(value, 8), 3u);  // maximised
    CHECK_EQ(static_cast<LONG>(U32(value, 12)), normal.left);
    CHECK_EQ(static_cast<LONG>(U32(value, 24)), normal.bottom);

    // The same game comes back maximised, with the old normal rectangle.
    Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    program.Settle();
    CHECK(IsZoomed(main));
    CHECK_EQ(e2e::WindowText(main), std::string(kProbeTitle));
    // Restored, it takes the old normal rectangle (read as the window's own
    // rectangle: another process's placement is not reliable under Wine).
    PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    for (int i = 0; i < 100 && IsZoomed(main); ++i) Sleep(20);
    program.Settle();
    RECT restored{};
    GetWindowRect(main, &restored);
    CHECK_EQ(restored.left, normal.left);
    CHECK_EQ(restored.top, normal.top);
    CHECK_EQ(restored.right, normal.right);
    CHECK_EQ(restored.bottom, normal.bottom);
    Exit(program);
}

SCENARIO(help_window_lists_topics_and_searches)
{
    REQUIRE(e2e::InstallProbe());
    REQUIRE(e2e::InstallFile("games\\KLONDIKE.dll", "KLONDIKE.dll"));
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    program.PostCommand(kHelpContents);
    HWND help = program.WaitForDialog("Lumora Solitaire Help");
    REQUIRE(help != nullptr);
    HWND topics = GetDlgItem(help, 1021);
    const std::vector<std::string> all = ListLines(topics);
    REQUIRE(all.size() == 6u);
    CHECK_EQ(all[0], std::string("How to play"));
    CHECK_EQ(all[2], std::string("Keys"));
    CHECK_EQ(all[4], std::string(kProbeGame));
    CHECK_EQ(all[5], std::string("Klondike"));
    auto shown = [&] {
        char text[4096] = {};
        SendMessageA(GetDlgItem(help, 1022), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    CHECK(shown().find("Choose a game from the Game List menu.") == 0);

    SendMessageA(GetDlgItem(help, 1020), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("TWENTY-EIGHT"));
    program.Settle();
    CHECK_EQ(Join(ListLines(topics)), Join({"Klondike"}));
    CHECK(shown().find("Twenty-eight cards are dealt") != std::string::npos);

    SendMessageA(GetDlgItem(help, 1020), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("no rules"));
    program.Settle();
    CHECK_EQ(Join(ListLines(topics)), Join({kProbeGame}));
    CHECK_EQ(shown(), std::string("There are no rules for this game in its module."));

    e2e::ClickButton(help, IDCANCEL);
    CHECK(e2e::WaitGone(help));

    // Search opens the same window with the focus in the search box.
    program.PostCommand(IDM_HELPSEARCH);
    help = program.WaitForDialog("Lumora Solitaire Help");
    REQUIRE(help != nullptr);
    program.Settle();
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    CHECK(GetGUIThreadInfo(GetWindowThreadProcessId(help, nullptr), &gui));
    CHECK(gui.hwndFocus == GetDlgItem(help, 1020));
    CHECK_EQ(ListLines(GetDlgItem(help, 1021)).size(), 6u);
    e2e::ClickButton(help, IDCANCEL);
    CHECK(e2e::WaitGone(help));
    Exit(program);
}

SCENARIO(stored_files_survive_runs_that_cannot_replace_them)
{
    REQUIRE(e2e::InstallProbe());
    Bytes scores = Bytes{}.u32(0xFF11EE00u).u32(256).i16(1).u16(0);
    scores.text(kProbeGame, 64).i32(5).i32(2).i32(30).i32(12);
    REQUIRE(WriteBytes(kScoreFile, scores));
    StateFields other = ProbeState();
    other.moduleName = "Not Installed";
    const Bytes resume = persistence_bytes::SavedGameHead(other).u32(0).i16(0);
    REQUIRE(WriteBytes(kResumeFile, resume));

    // A resume file whose game is missing is reported; with no game chosen
    // the exit leaves it as it was.
    {
        Program program;
        HWND box = program.WaitForDialog("Load Game Error 4");
        REQUIRE(box != nullptr);
        CHECK_EQ(e2e::MessageBoxText(box), std::string("Couldn't find game module: Not Installed"));
        e2e::ClickButton(box, IDOK);
        REQUIRE(program.WaitForMainWindow() != nullptr);
        Exit(program);
    }
    CHECK(ReadBytes(kResumeFile) == resume.b);
    CHECK(ReadBytes(kScoreFile) == scores.b);

    // Without any card library start-up fails: the stored scores stay.
    REQUIRE(MoveFileA("DECKMINI.DLL", "games\\DECKMINI.DLL"));
    REQUIRE(MoveFileA("DECKMAXI.DLL", "games\\DECKMAXI.DLL"));
    {
        Program program;
        HWND box = program.WaitForDialog("Lumora Solitaire Error");
        REQUIRE(box != nullptr);
        e2e::ClickButton(box, IDOK);
        CHECK_EQ(program.WaitForExit(), 0L);
    }
    CHECK(ReadBytes(kScoreFile) == scores.b);
    CHECK(ReadBytes(kResumeFile) == resume.b);
}

// Pictures of Score History, its question and the help window for people
// to look at. Not a test; run it with LUMORA_E2E_IMAGES set to a Windows
// path, as the showcase of a played game.
MEASUREMENT(showcase_scores_and_help)
{
    REQUIRE(e2e::InstallProbe());
    REQUIRE(e2e::InstallFile("games\\KLONDIKE.dll", "KLONDIKE.dll"));
    REQUIRE(e2e::InstallFile("games\\GOLF.dll", "GOLF.dll"));
    Bytes scores = Bytes{}.u32(0xFF11EE00u).u32(256).i16(3).u16(0);
    scores.text(kProbeGame, 64).i32(3).i32(1).i32(6).i32(10);
    scores.text("Klondike", 64).i32(12).i32(5).i32(-7).i32(52);
    scores.text("Golf", 64).i32(0).i32(0).i32(0).i32(0);
    REQUIRE(WriteBytes(kScoreFile, scores));
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    auto around = [](HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        e2e::Image image(r.right - r.left + 20, r.bottom - r.top + 20);
        platform::WindowDC screen(nullptr);
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const COLORREF c = GetPixel(screen.get(), r.left - 10 + x, r.top - 10 + y);
                image.Set(x, y, e2e::Rgb(GetRValue(c), GetGValue(c), GetBValue(c)));
            }
        return image;
    };
    program.PostCommand(kScoreHistory);
    HWND dialog = program.WaitForDialog("Score History");
    REQUIRE(dialog != nullptr);
    Sleep(200);
    e2e::KeepImage(around(dialog), "scores-1-history");
    e2e::ClickButton(dialog, IDM_GAMELIST_FIRST + 2);
    HWND question = OtherDialog(program, "Score History", dialog);
    REQUIRE(question != nullptr);
    Sleep(200);
    e2e::KeepImage(around(question), "scores-2-question");
    e2e::ClickButton(question, IDNO);
    e2e::WaitGone(question);
    e2e::ClickButton(dialog, IDOK);
    e2e::WaitGone(dialog);

    program.PostCommand(kHelpContents);
    HWND help = program.WaitForDialog("Lumora Solitaire Help");
    REQUIRE(help != nullptr);
    Sleep(200);
    e2e::KeepImage(around(help), "help-1-contents");
    SendMessageA(GetDlgItem(help, 1021), LB_SETCURSEL, 4, 0);
    SendMessageA(help, WM_COMMAND, MAKEWPARAM(1021, LBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(help, 1021)));
    Sleep(200);
    e2e::KeepImage(around(help), "help-2-klondike");
    SendMessageA(GetDlgItem(help, 1020), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("score"));
    Sleep(200);
    e2e::KeepImage(around(help), "help-3-search");
    e2e::ClickButton(help, IDCANCEL);
    e2e::WaitGone(help);
    Exit(program);
}
