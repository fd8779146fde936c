// Playing from the keyboard alone, as a screen reader hears it: keys typed
// through the system's input queue, the focus's description read from the
// window that holds the keyboard focus (GetGUIThreadInfo), the table read
// through the probe or from what the description says.
#include <cstdio>
#include <string>
#include <vector>

#include "capture.h"
#include "checks.h"
#include "module_interface/tessel_module.h"
#include "probe_client.h"
#include "program.h"
#include "resources/resource.h"

namespace {

using e2e::ProbeClient;
using e2e::Program;

constexpr char kHiddenText[] = "Table. Press an arrow key to play with the keyboard";
constexpr int kScoreReadoutId = 2;
constexpr int kMessageReadoutId = 3;

void Send(std::vector<INPUT>& inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(150);  // the keys travel through the system's input queue
}

INPUT KeyInput(WORD vk, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

// One key, with Shift held when asked.
void Key(const Program& program, WORD vk, bool shift = false)
{
    std::vector<INPUT> inputs;
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
    Send(inputs);
    program.Settle();
}

// A typed character, whatever the keyboard layout: + and -.
void Type(const Program& program, wchar_t c)
{
    std::vector<INPUT> inputs(2);
    for (int i = 0; i < 2; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wScan = c;
        inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    Send(inputs);
    program.Settle();
}

// The window that holds the keyboard focus in the program's thread, as a
// screen reader finds it.
HWND FocusWindow(const Program& program)
{
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(program.mainWindow(), nullptr), &gui)) return nullptr;
    return gui.hwndFocus;
}

std::string Heard(const Program& program) { return e2e::WindowText(FocusWindow(program)); }

// The card a description names: what comes before the first comma, or
// before " with" when the focus lies under other cards.
std::string CardOf(const std::string& description)
{
    const std::string card = description.substr(0, description.find(','));
    return card.substr(0, card.find(" with "));
}

std::string Show(const std::vector<int>& cards)
{
    std::string text;
    for (int c : cards) text += std::to_string(c) + " ";
    return text;
}

// Whether a description places the focus on this stack: "..., Column 1"
// and nothing more of the number.
bool On(const std::string& description, const std::string& stack)
{
    const size_t at = description.find(", " + stack);
    if (at == std::string::npos) return false;
    const size_t end = at + 2 + stack.size();
    return end == description.size() || description[end] == ',' || description[end] == ';';
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

// The program shown in front, so that the keys reach it.
void Front(const Program& program)
{
    SetForegroundWindow(program.mainWindow());
    program.Settle();
    Sleep(100);
}

void Exit(Program& program)
{
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

// A rank and suit read back from words: 0..51, or -1.
int CardFromWords(const std::string& words)
{
    static const char* const ranks[] = {"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                        "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
    static const char* const suits[] = {"Clubs", "Diamonds", "Hearts", "Spades"};
    for (int s = 0; s < 4; ++s)
        for (int r = 0; r < 13; ++r)
            if (words == std::string(ranks[r]) + " of " + suits[s]) return s * 13 + r;
    return -1;
}
int Rank(int card) { return card % 13; }
bool Red(int card) { return card / 13 == 1 || card / 13 == 2; }

}  // namespace

// The probe's table: stack 0 holds five cards fanned down, stack 1 is
// empty, stack 2 holds one card.
SCENARIO(keyboard_plays_the_probe_and_is_heard)
{
    REQUIRE(e2e::InstallProbe());
    Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    program.SendCommand(IDM_GAMELIST_FIRST);
    for (int i = 0; i < 250 && probe.StackCount(0) != probe::kDealtOnFirstStack; ++i) Sleep(20);
    program.Settle();
    Front(program);

    HWND keys = FocusWindow(program);
    REQUIRE(keys != nullptr);
    CHECK(GetParent(keys) == main);
    CHECK_EQ(e2e::WindowText(keys), std::string(kHiddenText));

    // The first key shows the focus on the first stack; its top card is heard.
    Key(program, VK_DOWN);
    const std::string first = Heard(program);
    CHECK(first.find(", Stack 1, 5 cards") != std::string::npos);
    const std::vector<int> dealt = probe.StackCards(0);
    REQUIRE(dealt.size() == 5u);

    // The frame is drawn around the top card (small cards, 4 pixels at 100 %).
    {
        RECT client;
        GetClientRect(main, &client);
        const int ox = (client.right - probe::kTableWidth) / 2;
        const int oy = (client.bottom - probe::kTableHeight - 32) / 2 + 32;
        const e2e::Image shot = e2e::CaptureSettled(main);
        const int left = ox + probe::kStackX[0] - 4, top = oy + probe::kStackY + 40;
        CHECK_EQ(shot.At(left, top + 20), e2e::Rgb(0, 0, 0));
        CHECK_EQ(shot.At(left + 1, top + 20), e2e::Rgb(255, 224, 0));
        CHECK_EQ(shot.At(left + 2, top + 20), e2e::Rgb(255, 224, 0));
        CHECK_EQ(shot.At(left + 3, top + 20), e2e::Rgb(0, 0, 0));
    }

    // + twice takes the run of three; Enter lifts it, as a press the module allows.
    probe.Ask(probe::kSetHitAnswer, TS_HIT_DRAG_RUN);
    probe.Ask(probe::kSetDropAnswer, 0);
    Type(program, L'+');
    Type(program, L'+');
    CHECK(Heard(program).find(" with 2 cards on it, Stack 1, 5 cards") != std::string::npos);
    Key(program, VK_RETURN);
    CHECK_EQ(probe.Ask(probe::kLastHitCard), 2);
    CHECK_EQ(probe.StackCount(0), 2);
    CHECK(Heard(program).find("; holding 3 cards from Stack 1") != std::string::npos);

    // A refused drop keeps them held, with the drop's sound; Esc puts them back.
    Key(program, VK_RIGHT);
    CHECK(StartsWith(Heard(program), "empty stack, Stack 2; holding 3 cards"));
    const int flips = static_cast<int>(probe.Ask(probe::kSoundCount, probe::kFlipSound));
    Key(program, VK_RETURN);
    CHECK_EQ(probe.EntryCount(probe::kOkToDropCards), 1);
    CHECK_EQ(probe.Ask(probe::kSoundCount, probe::kFlipSound), flips + 1);
    CHECK_EQ(probe.StackCount(0), 2);
    CHECK_EQ(probe.StackCount(1), 0);
    Key(program, VK_ESCAPE);
    CHECK_EQ(Show(probe.StackCards(0)), Show(dealt));
    CHECK_EQ(Heard(program), std::string("empty stack, Stack 2"));

    // Lifted again and accepted: the run lands, with all an accepted drop does.
    Key(program, VK_LEFT);
    Type(program, L'+');
    Type(program, L'+');
    Key(program, VK_SPACE);
    probe.Ask(probe::kSetDropAnswer, 1);
    Key(program, VK_RIGHT);
    Key(program, VK_RETURN);
    CHECK_EQ(probe.StackCount(0), 2);
    CHECK_EQ(Show(probe.StackCards(1)), Show({dealt[2], dealt[3], dealt[4]}));
    CHECK_EQ(probe.EntryCount(probe::kStackChanged), 1);
    CHECK_EQ(probe.EntryCount(probe::kPrepareForUndo), 1);
    CHECK(Heard(program).find(", Stack 2, 3 cards") != std::string::npos);

    // Shift+Enter is a double-click; ctrl+Z still undoes.
    Key(program, VK_RETURN, true);
    CHECK_EQ(probe.EntryCount(probe::kDoubleClick), 1);
    program.PressKey('Z', true);
    CHECK_EQ(Show(probe.StackCards(0)), Show(dealt));

    // The score and the message are readable too.
    probe.Ask(probe::kSetTexts, 42);
    CHECK_EQ(e2e::WindowText(GetDlgItem(main, kScoreReadoutId)), std::string("Score: 42"));
    CHECK_EQ(e2e::WindowText(GetDlgItem(main, kMessageReadoutId)), std::string("Probe message"));

    // A mouse press on the table hides the focus.
    program.Mouse(WM_LBUTTONDOWN, 5, 300, MK_LBUTTON);
    program.Mouse(WM_LBUTTONUP, 5, 300);
    CHECK_EQ(Heard(program), std::string(kHiddenText));
    CHECK(FocusWindow(program) == keys);
    Exit(program);
}

// FreeCell by keys alone: stacks 0..3 are the free cells, 4..7 the
// foundations, 8..15 the columns. New deals are dealt until one has had an
// ace on top of a column (it goes home by Shift+Enter, then a refused drop
// and a card to a free cell follow) and one a run of two that another
// column takes (moved with +), which about one deal in ten has.
SCENARIO(keyboard_plays_freecell)
{
    REQUIRE(e2e::InstallFile("games\\FREECELL.dll", "FREECELL.dll"));
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    program.SendCommand(IDM_GAMELIST_FIRST);
    Sleep(300);
    program.Settle();
    Front(program);
    Key(program, VK_DOWN);
    CHECK_EQ(Heard(program), std::string("empty stack, Free Cell 1"));
    e2e::KeepImage(e2e::CaptureSettled(program.mainWindow()), "freecell_focus");

    // The column the focus is on (0..7), or -1.
    auto columnNow = [&] {
        for (int c = 0; c < 8; ++c)
            if (On(Heard(program), "Column " + std::to_string(c + 1))) return c;
        return -1;
    };
    auto toFreeCell1 = [&] {
        if (columnNow() >= 0) Key(program, VK_UP);
        for (int i = 0; i < 8 && !On(Heard(program), "Free Cell 1"); ++i) Key(program, VK_LEFT);
    };
    auto toColumn = [&](int c) {
        if (columnNow() < 0) {
            toFreeCell1();
            Key(program, VK_DOWN);
        }
        for (int from = columnNow(); from >= 0 && from != c; from += c > from ? 1 : -1)
            Key(program, c > from ? VK_RIGHT : VK_LEFT);
        return Heard(program);
    };

    bool wentHome = false, runMoved = false;
    int deals = 0;
    for (int deal = 0; deal < 40 && !(wentHome && runMoved); ++deal) {
        ++deals;
        if (deal > 0) {
            program.PressKey('N', true);
            Sleep(200);
        }
        // Each column's top card, and the card under it.
        std::vector<int> tops(8, -1), under(8, -1);
        toColumn(0);
        for (int c = 0; c < 8; ++c) {
            const std::string heard = Heard(program);
            REQUIRE(On(heard, "Column " + std::to_string(c + 1)));
            tops[c] = CardFromWords(CardOf(heard));
            if (c < 7) Key(program, VK_RIGHT);
        }
        // The card under the top is read only where a run could go somewhere.
        for (int r = 0; r < 8 && !runMoved; ++r)
            for (int g = 0; g < 8; ++g)
                if (g != r && Rank(tops[g]) == Rank(tops[r]) + 2 && Red(tops[g]) == Red(tops[r])) {
                    toColumn(r);
                    Type(program, L'+');
                    under[r] = CardFromWords(CardOf(Heard(program)));
                    Type(program, L'-');
                    break;
                }
        int ace = -1;
        for (int c = 0; c < 8; ++c)
            if (Rank(tops[c]) == 0) ace = c;

        if (!wentHome && ace >= 0) {
            wentHome = true;
            const std::string aceName = CardOf(toColumn(ace));
            Key(program, VK_RETURN, true);
            CHECK(!StartsWith(Heard(program), aceName));
            Key(program, VK_UP);
            toFreeCell1();
            bool home = false;
            for (int f = 0; f < 8; ++f) {
                home = home || StartsWith(Heard(program), aceName + ", Foundation");
                Key(program, VK_RIGHT);
            }
            CHECK(home);

            // A refused drop, then Esc: a column's top onto the foundation
            // above it, which takes nothing but an ace or the next card of its suit.
            int other = -1;
            for (int c = 4; c < 8; ++c)
                if (c != ace && Rank(tops[c]) > 1) other = c;
            REQUIRE(other >= 0);
            const std::string before = toColumn(other);
            const std::string column = "Column " + std::to_string(other + 1);
            Key(program, VK_RETURN);
            CHECK(Heard(program).find("; holding " + CardOf(before) + " from " + column) != std::string::npos);
            e2e::KeepImage(e2e::CaptureSettled(program.mainWindow()), "freecell_holding");
            Key(program, VK_UP);
            CHECK(Heard(program).find(", Foundation " + std::to_string(other - 3) + ";") != std::string::npos);
            Key(program, VK_RETURN);
            CHECK(Heard(program).find("; holding ") != std::string::npos);
            Key(program, VK_ESCAPE);
            CHECK(Heard(program).find("; holding ") == std::string::npos);
            CHECK_EQ(toColumn(other), before);

            // A card to a free cell.
            Key(program, VK_RETURN);
            toFreeCell1();
            CHECK(On(Heard(program), "Free Cell 1"));
            Key(program, VK_RETURN);
            CHECK_EQ(Heard(program), CardOf(before) + ", Free Cell 1");
            CHECK(!StartsWith(toColumn(other), CardOf(before)));
            continue;  // the columns changed: the run waits for the next deal
        }

        // A run [u, t] on column r that column g takes: u follows t, and g's
        // top is one rank above u in the other colour.
        int run = -1, target = -1;
        for (int r = 0; r < 8 && target < 0 && !runMoved; ++r) {
            if (Rank(under[r]) != Rank(tops[r]) + 1 || Red(under[r]) == Red(tops[r])) continue;
            for (int g = 0; g < 8 && target < 0; ++g)
                if (g != r && Rank(tops[g]) == Rank(under[r]) + 1 && Red(tops[g]) != Red(under[r])) {
                    run = r;
                    target = g;
                }
        }
        if (target < 0) continue;
        runMoved = true;
        const std::string runTop = toColumn(run);
        Type(program, L'+');
        CHECK(Heard(program).find(" with 1 card on it, Column " + std::to_string(run + 1)) != std::string::npos);
        Key(program, VK_RETURN);
        CHECK(Heard(program).find("; holding 2 cards from Column " + std::to_string(run + 1)) != std::string::npos);
        for (int i = 0; i < 8; ++i) Key(program, VK_LEFT);
        for (int i = 0; i < target; ++i) Key(program, VK_RIGHT);
        Key(program, VK_RETURN);
        CHECK_EQ(CardOf(Heard(program)), CardOf(runTop));
        CHECK(On(Heard(program).substr(0, Heard(program).rfind(',')), "Column " + std::to_string(target + 1)));
        CHECK(!StartsWith(toColumn(run), CardOf(runTop)));  // the run left its column
    }
    std::printf("%d deals dealt\n", deals);
    CHECK(wentHome);
    CHECK(runMoved);
    Exit(program);
}

// Klondike's stock deals by Enter; Spider's deals a row by Enter.
SCENARIO(keyboard_deals_from_the_stock)
{
    REQUIRE(e2e::InstallFile("games\\KLONDIKE.dll", "FREECELL.dll"));
    REQUIRE(e2e::InstallFile("games\\SPIDER.dll", "SPIDER.dll"));
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    program.SendCommand(IDM_GAMELIST_FIRST);
    Sleep(300);
    program.Settle();
    Front(program);
    Key(program, VK_RIGHT);
    CHECK_EQ(Heard(program), std::string("face-down card, Stock, 24 cards"));
    Key(program, VK_RETURN);
    CHECK_EQ(Heard(program), std::string("face-down card, Stock, 23 cards"));
    Key(program, VK_RIGHT);
    const std::string waste = Heard(program);
    CHECK(CardFromWords(CardOf(waste)) >= 0);
    CHECK(waste.find(", Waste") != std::string::npos);

    program.SendCommand(IDM_GAMELIST_FIRST + 1);
    Sleep(300);
    program.Settle();
    Key(program, VK_LEFT);
    for (int i = 0; i < 3; ++i) Key(program, VK_UP), Key(program, VK_LEFT);
    CHECK_EQ(Heard(program), std::string("face-down card, Stock, 50 cards"));
    Key(program, VK_DOWN);
    const std::string column = Heard(program);
    CHECK(column.find(", Column 1, 6 cards") != std::string::npos);
    Key(program, VK_UP);
    Key(program, VK_RETURN);
    CHECK_EQ(Heard(program), std::string("face-down card, Stock, 40 cards"));
    Key(program, VK_DOWN);
    CHECK(Heard(program).find(", Column 1, 7 cards") != std::string::npos);
    Exit(program);
}

// Pyramid: two cards that make thirteen, pressed one after the other, go
// to the discard pile; a king goes alone.
SCENARIO(keyboard_plays_a_pyramid_pair)
{
    REQUIRE(e2e::InstallFile("games\\PYRAMID.dll", "FREECELL.dll"));
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    program.SendCommand(IDM_GAMELIST_FIRST);
    Sleep(300);
    program.Settle();
    Front(program);
    Key(program, VK_DOWN);
    CHECK(On(Heard(program), "Column 1"));
    for (int deal = 0; deal < 10; ++deal) {
        if (deal > 0) {
            program.PressKey('N', true);
            Sleep(200);
            Key(program, VK_UP);
        }
        while (!On(Heard(program), "Column 1")) Key(program, VK_UP);
        for (int i = 0; i < 6; ++i) Key(program, VK_DOWN);
        std::vector<int> row;
        for (int c = 0; c < 7; ++c) {
            row.push_back(CardFromWords(CardOf(Heard(program))));
            if (c < 6) Key(program, VK_RIGHT);
        }
        int a = -1, b = -1;
        for (int i = 0; i < 7 && a < 0; ++i)
            for (int j = i + 1; j < 7 && a < 0; ++j)
                if (Rank(row[i]) + Rank(row[j]) == 11) a = i, b = j;  // ranks from 0: 13 - 2
        if (a < 0) continue;
        for (int i = 0; i < 6 - a; ++i) Key(program, VK_LEFT);
        Key(program, VK_RETURN);
        for (int i = a; i < b; ++i) Key(program, VK_RIGHT);
        Key(program, VK_RETURN);
        // The lower row: stock, waste, and the discard pile at the right.
        Key(program, VK_DOWN);
        for (int i = 0; i < 2; ++i) Key(program, VK_RIGHT);
        CHECK(Heard(program).find(", Discard, 2 cards") != std::string::npos);
        Exit(program);
        return;
    }
    CHECK(!"no deal of ten offered a pair in the bottom row");
    Exit(program);
}
