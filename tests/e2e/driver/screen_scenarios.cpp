// What the program draws: the table laid out by the layout test module,
// pixel for pixel where the core's geometry puts each card, in both card
// sizes, every card set and a background choice; the strip's buttons and
// texts; the missing card libraries; and no GDI object or memory lost
// over many repaints.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "../layout/layout_protocol.h"
#include "capture.h"
#include "checks.h"
#include "core/table_extent.h"
#include "platform/win/handles.h"
#include "furniture/strip_layout.h"
#include "probe_client.h"
#include "program.h"
#include "resources/resource.h"
#include "shell/window_fit.h"
#include "table/face_map.h"
#include "table/geometry.h"
#include "table/stack_table.h"

namespace {

using e2e::Image;
using e2e::Program;
using e2e::Rgb;
using table::CardSize;

constexpr char kSmallDeck[] = "DECKMINI.DLL";
constexpr char kLargeDeck[] = "DECKMAXI.DLL";
constexpr char kProgramFile[] = "lumora.exe";
constexpr char kLayoutModule[] = "games\\e2e_layout.dll";
constexpr int kStrip = furniture::kStripHeight;
constexpr int kScoreLeft = furniture::kScoreLeft;
constexpr int kMessageLeft = furniture::kMessageLeft;
constexpr int kMessageTile = furniture::kMessageTileWidth;
constexpr int kButtonWidth = furniture::kButtonWidth;
constexpr uint32_t kRed = Rgb(255, 0, 0);
constexpr uint32_t kGreen = Rgb(0, 255, 0);
constexpr uint32_t kWhite = Rgb(255, 255, 255);
constexpr uint32_t kBlack = 0;
constexpr uint32_t kMagenta = Rgb(255, 0, 255);
constexpr int kNewGame = IDM_NEWGAME, kReplay = IDM_REPLAY, kUndo = IDM_UNDO;

// ---------------------------------------------------------------------------
// The layout module inside the program.

class LayoutClient {
public:
    explicit LayoutClient(DWORD pid)
    {
        const ULONGLONG end = GetTickCount64() + 10000;
        while (!window_ && GetTickCount64() < end) {
            std::pair<DWORD, HWND> search{pid, nullptr};
            EnumWindows(Find, reinterpret_cast<LPARAM>(&search));
            window_ = search.second;
            if (!window_) Sleep(20);
        }
    }
    bool found() const { return window_ != nullptr; }
    LRESULT Ask(layout::Request request, WPARAM wParam = 0, LPARAM lParam = 0, UINT timeoutMs = 120000) const
    {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(window_, request, wParam, lParam, SMTO_NORMAL, timeoutMs, &result)) return -2;
        return static_cast<LRESULT>(result);
    }
    // Has the module send a text to the host: the message, or the score.
    void SetText(bool score, const char* text) const
    {
        SetWindowTextA(window_, text);
        Ask(layout::kSetText, score ? 1 : 0);
    }

private:
    static BOOL CALLBACK Find(HWND window, LPARAM context)
    {
        auto* search = reinterpret_cast<std::pair<DWORD, HWND>*>(context);
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == search->first && e2e::ClassName(window) == layout::kWindowClass) {
            search->second = window;
            return FALSE;
        }
        return TRUE;
    }
    HWND window_ = nullptr;
};

// The program with the layout game chosen and dealt.
struct LayoutRun {
    std::unique_ptr<Program> program;
    std::unique_ptr<LayoutClient> client;
    HWND main = nullptr;

    bool Start()
    {
        // The layout module takes the first Game List stem: row 0.
        if (!e2e::InstallFile(kLayoutModule, "FREECELL.dll")) return false;
        program = std::make_unique<Program>();
        main = program->WaitForMainWindow();
        if (!main) return false;
        client = std::make_unique<LayoutClient>(program->pid());
        if (!client->found()) return false;
        program->SendCommand(IDM_GAMELIST_FIRST);  // chooses the game and posts Replay, which deals
        const ULONGLONG end = GetTickCount64() + 10000;
        while (client->Ask(layout::kNewGameCount) < 1 && GetTickCount64() < end) Sleep(20);
        program->Settle();
        return client->Ask(layout::kNewGameCount) >= 1;
    }
    void Exit()
    {
        program->PostCommand(IDM_EXIT);
        CHECK_EQ(program->WaitForExit(), 0L);
    }
};

// ---------------------------------------------------------------------------
// The pictures the program draws with, read straight from the files.

struct DeckPictures {
    CardSize size = CardSize::Small;
    std::vector<Image> pips, courts, setAces, backs, bases;
    Image outline;

    bool Load(CardSize s)
    {
        size = s;
        const char* file = s == CardSize::Large ? kLargeDeck : kSmallDeck;
        bool complete = true;
        auto load = [&](std::vector<Image>& into, int n, auto number) {
            for (int i = 0; i < n; ++i) {
                into.push_back(e2e::ResourcePicture(file, number(s, i)));
                complete = complete && !into.back().empty();
            }
        };
        load(pips, table::kPips, table::PipPicture);
        load(courts, table::kCourts, table::CourtPicture);
        load(setAces, table::kCardSets, table::SetAcePicture);
        load(backs, table::kCardSets, table::BackPicture);
        load(bases, table::kBaseImages, table::BasePicture);
        outline = e2e::ResourcePicture(file, table::OutlinePicture(s));
        return complete && !outline.empty();
    }
    const Image& Face(int set, int16_t image) const
    {
        const table::FaceSlot slot = table::BuildFaceMap(set)[static_cast<size_t>(image)];
        switch (slot.group) {
        case table::PictureGroup::Court: return courts[static_cast<size_t>(slot.index)];
        case table::PictureGroup::SetAce: return setAces[static_cast<size_t>(slot.index)];
        default: return pips[static_cast<size_t>(slot.index)];
        }
    }
};

struct FurniturePictures {
    std::vector<Image> tiles;
    Image up, down, score, message;

    bool Load()
    {
        for (int i = 0; i < 6; ++i) tiles.push_back(e2e::ResourcePicture(kProgramFile, 5000 + i));
        up = e2e::ResourcePicture(kProgramFile, "UPBUTTONS");
        down = e2e::ResourcePicture(kProgramFile, "DOWNBUTTONS");
        score = e2e::ResourcePicture(kProgramFile, "SCOREAREA");
        message = e2e::ResourcePicture(kProgramFile, "MSGAREA");
        for (const Image& t : tiles)
            if (t.empty()) return false;
        return !up.empty() && !down.empty() && !score.empty() && !message.empty();
    }
};

// ---------------------------------------------------------------------------
// The picture the window should show, drawn here from the same pictures and
// the core's geometry.

struct Expected {
    Image image;
    std::vector<uint8_t> ignored;  // count labels: checked on their own
    std::vector<table::Rect> labels;
    std::vector<int> labelNumbers;

    void Ignore(const table::Rect& r)
    {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (image.Contains(x, y)) ignored[size_t(y) * size_t(image.width) + size_t(x)] = 1;
    }
    void Blit(const Image& from, int atX, int atY, int w, int h)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (from.Contains(x, y)) image.Set(atX + x, atY + y, from.At(x, y));
    }
};

// The layout module's stacks as records, positions in the card size's pixels.
// Positions that went to large cards and back lose what the conversion cut.
struct LayoutStacks {
    std::vector<CardStack*> stacks;
    LayoutStacks(CardSize size, bool backFromLarge)
    {
        for (const layout::StackPlan& plan : layout::kStacks) {
            CardStack* s = table::NewStack(layout::kMaxCards);
            s->framed = plan.framed;
            s->x = backFromLarge ? table::LargeToSmall(table::SmallToLarge(plan.x)) : table::ToCardSize(plan.x, size);
            s->y = backFromLarge ? table::LargeToSmall(table::SmallToLarge(plan.y)) : table::ToCardSize(plan.y, size);
            s->baseImage = plan.base;
            s->fanDirection = plan.fan;
            s->count = static_cast<int16_t>(plan.count);
            for (int i = 0; i < plan.count; ++i) {
                s->cards[i].image = plan.cards[i].image;
                s->cards[i].faceDown = plan.cards[i].faceDown;
                s->cards[i].mark = plan.cards[i].marked;
            }
            stacks.push_back(s);
        }
    }
    ~LayoutStacks()
    {
        for (CardStack* s : stacks) table::FreeStack(s);
    }
};

table::TableView ViewFor(HWND main, CardSize size)
{
    RECT client{};
    GetClientRect(main, &client);
    const core::Extent extent = core::TableExtent(layout::kTableWidth, layout::kTableHeight, size);
    return {table::GeometryFor(size), core::PlaceTableOrigin(client.right, client.bottom, extent)};
}

SIZE TextSize(const char* text)
{
    platform::MemoryDC dc(CreateCompatibleDC(nullptr));
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), text, lstrlenA(text), &size);
    return size;
}

table::Rect LabelBox(int number, const table::Rect& r)
{
    const std::string text = std::to_string(number);
    const SIZE s = TextSize(text.c_str());
    const int left = r.left + (r.Width() - s.cx) / 2;
    const int top = r.top + (r.Height() - s.cy) / 2;
    return {left - 2, top, left + s.cx + 2, top + s.cy};
}

void DrawBackgroundAndStrip(Expected& e, const FurniturePictures& f, int background)
{
    const Image& tile = f.tiles[static_cast<size_t>(background)];
    for (int y = 0; y < e.image.height; ++y) {
        for (int x = 0; x < e.image.width; ++x) {
            uint32_t c;
            if (y >= kStrip)
                c = tile.At(x % tile.width, (y - kStrip) % tile.height);
            else if (x < kScoreLeft)
                c = f.up.At(x, y);
            else if (x < kMessageLeft)
                c = f.score.At(x - kScoreLeft, y);
            else
                c = f.message.At((x - kMessageLeft) % kMessageTile, y);
            e.image.Set(x, y, c);
        }
    }
}

void DrawCard(Expected& e, const Image& picture, table::Point p, const table::CardGeometry& g, bool marked)
{
    e.Blit(picture, p.x, p.y, g.width, g.height);
    if (!marked) return;
    for (int inset = 1; inset <= 2; ++inset) {
        for (int x = inset; x < g.width - inset; ++x) {
            e.image.Set(p.x + x, p.y + inset, kRed);
            e.image.Set(p.x + x, p.y + g.height - 1 - inset, kRed);
        }
        for (int y = inset; y < g.height - inset; ++y) {
            e.image.Set(p.x + inset, p.y + y, kRed);
            e.image.Set(p.x + g.width - 1 - inset, p.y + y, kRed);
        }
    }
}

Expected Render(HWND main, const DeckPictures& deck, const FurniturePictures& f, int set, int background,
                bool backFromLarge)
{
    RECT client{};
    GetClientRect(main, &client);
    Expected e;
    e.image = Image(client.right, client.bottom);
    e.ignored.assign(e.image.pixels.size(), 0);
    DrawBackgroundAndStrip(e, f, background);

    const table::TableView view = ViewFor(main, deck.size);
    const table::CardGeometry& g = view.cards;
    const LayoutStacks table(deck.size, backFromLarge);
    for (const CardStack* s : table.stacks) {
        if (s->fanDirection < 0 || s->fanDirection > 9) continue;  // drawn as nothing
        const int x = view.origin.x + s->x, y = view.origin.y + s->y;
        if (s->framed) e.Blit(deck.outline, x - 3, y - 3, g.width + 4, g.height + 4);
        if (s->baseImage >= 0 && s->baseImage < table::kBaseImages)
            e.Blit(deck.bases[static_cast<size_t>(s->baseImage)], x, y, g.width, g.height);
        for (int16_t i = 0; i < s->count; ++i) {
            const CardEntry& c = s->cards[i];
            const table::Point p = table::CardPos(*s, view, i);
            if (c.faceDown)
                DrawCard(e, deck.backs[static_cast<size_t>(set)], p, g, c.mark);
            else if (c.image >= 0 && c.image < 52)
                DrawCard(e, deck.Face(set, c.image), p, g, c.mark);
        }
        if (s->fanDirection == 9) {
            const table::Rect box = LabelBox(s->count, table::StackRect(*s, view));
            e.labels.push_back(box);
            e.labelNumbers.push_back(s->count);
            e.Ignore(box);
        }
    }
    return e;
}

// Every pixel that is not ignored matches; the first few differences are
// reported, and both pictures kept when LUMORA_E2E_IMAGES names a folder.
int CompareWithExpected(const Image& shot, const Expected& e, const std::string& what)
{
    if (shot.width != e.image.width || shot.height != e.image.height) {
        e2e::Fail(what + ": captured " + std::to_string(shot.width) + "x" + std::to_string(shot.height) +
                      ", expected " + std::to_string(e.image.width) + "x" + std::to_string(e.image.height),
                  __FILE__, __LINE__);
        return -1;
    }
    int wrong = 0;
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            if (e.ignored[size_t(y) * size_t(shot.width) + size_t(x)]) continue;
            if (shot.At(x, y) == e.image.At(x, y)) continue;
            if (++wrong <= 5) {
                e2e::Fail(what + ": pixel (" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                              e2e::ColourText(shot.At(x, y)) + ", expected " + e2e::ColourText(e.image.At(x, y)),
                          __FILE__, __LINE__);
            }
        }
    }
    if (wrong) {
        e2e::Fail(what + ": " + std::to_string(wrong) + " pixels differ", __FILE__, __LINE__);
        e2e::KeepImage(shot, what + "-actual");
        e2e::KeepImage(e.image, what + "-expected");
    }
    return wrong;
}

// A count label: a black frame, white inside along its left edge, and the
// digits in black somewhere inside.
void CheckLabels(const Image& shot, const Expected& e, const std::string& what)
{
    for (size_t i = 0; i < e.labels.size(); ++i) {
        const table::Rect& b = e.labels[i];
        const std::string name = what + " label " + std::to_string(e.labelNumbers[i]);
        int frameWrong = 0, inside = 0, digits = 0;
        for (int y = b.top; y < b.bottom; ++y) {
            for (int x = b.left; x < b.right; ++x) {
                const bool edge = x == b.left || x == b.right - 1 || y == b.top || y == b.bottom - 1;
                const uint32_t c = shot.At(x, y);
                if (edge)
                    frameWrong += c != kBlack;
                else if (x == b.left + 1)
                    inside += c == kWhite;
                else
                    digits += c == kBlack;
            }
        }
        CHECK_EQ(name + " frame pixels not black: " + std::to_string(frameWrong), name + " frame pixels not black: 0");
        CHECK_EQ(name + " white left inside: " + std::to_string(inside),
                 name + " white left inside: " + std::to_string(b.Height() - 2));
        CHECK(digits > 0);
    }
}

// The table as the window shows it now, against what it should be.
void CheckTable(const LayoutRun& run, const DeckPictures& deck, const FurniturePictures& f, int set, int background,
                const std::string& what, bool backFromLarge = false)
{
    const Image shot = e2e::CaptureSettled(run.main);
    e2e::KeepImage(shot, what);
    const Expected e = Render(run.main, deck, f, set, background, backFromLarge);
    CompareWithExpected(shot, e, what);
    CheckLabels(shot, e, what);
}

void PaintOver(HWND main, uint32_t colour)
{
    RECT client{};
    GetClientRect(main, &client);
    {
        platform::WindowDC dc(main);
        platform::Brush brush(CreateSolidBrush(RGB(colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF)));
        FillRect(dc.get(), &client, brush.get());
    }
    GdiFlush();
}

int CountColour(const Image& shot, uint32_t colour, const table::Rect& r)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (shot.Contains(x, y) && shot.At(x, y) == colour) ++n;
    return n;
}

// Pixels of a button that differ from the picture's columns of that button.
int ButtonDifferences(const Image& shot, const Image& picture, int button)
{
    int n = 0;
    for (int y = 0; y < kStrip; ++y)
        for (int x = button * kButtonWidth; x < (button + 1) * kButtonWidth; ++x)
            n += shot.At(x, y) != picture.At(x, y);
    return n;
}

void Mouse(HWND main, UINT message, int x, int y, bool leftHeld)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(main, message, leftHeld ? MK_LBUTTON : 0, MAKELPARAM(x, y), SMTO_NORMAL, 10000, &result);
}

}  // namespace

SCENARIO(layout_small_cards_where_geometry_says)
{
    DeckPictures deck;
    FurniturePictures f;
    REQUIRE(deck.Load(CardSize::Small));
    REQUIRE(f.Load());
    LayoutRun run;
    REQUIRE(run.Start());
    // A first start: small cards, card set 1, background 0.
    CheckTable(run, deck, f, 1, 0, "small");
    run.Exit();
}

SCENARIO(layout_large_cards_with_only_large_library)
{
    REQUIRE(DeleteFileA(kSmallDeck));
    DeckPictures deck;
    FurniturePictures f;
    REQUIRE(deck.Load(CardSize::Large));
    REQUIRE(f.Load());
    LayoutRun run;
    REQUIRE(run.Start());
    RECT client{};
    GetClientRect(run.main, &client);
    // The window fits the table in large-card pixels.
    CHECK_EQ(client.right, layout::kTableWidth * 3 / 2);
    CHECK_EQ(client.bottom, layout::kTableHeight * 3 / 2 + kStrip);
    CheckTable(run, deck, f, 1, 0, "large");
    run.Exit();
}

SCENARIO(card_set_choice_changes_backs_and_faces)
{
    DeckPictures deck;
    FurniturePictures f;
    REQUIRE(deck.Load(CardSize::Small));
    REQUIRE(f.Load());
    // The four backs differ, or the check below could not tell them apart.
    for (int k = 0; k < 4; ++k) CHECK(deck.backs[size_t(k)].pixels != deck.backs[size_t((k + 1) % 4)].pixels);
    LayoutRun run;
    REQUIRE(run.Start());
    for (int set : {0, 3, 2, 1}) {
        run.program->SendCommand(4000 + set);
        CheckTable(run, deck, f, set, 0, "set" + std::to_string(set));
    }
    run.Exit();
}

SCENARIO(background_choice_repaints_whole_window)
{
    DeckPictures deck;
    FurniturePictures f;
    REQUIRE(deck.Load(CardSize::Small));
    REQUIRE(f.Load());
    LayoutRun run;
    REQUIRE(run.Start());
    RECT client{};
    GetClientRect(run.main, &client);
    const table::Rect all{0, 0, client.right, client.bottom};
    for (int background : {3, 5, 0}) {
        // Paint over the window from outside: only a repaint of all of it
        // takes every magenta pixel away.
        PaintOver(run.main, kMagenta);
        REQUIRE(CountColour(e2e::CaptureSettled(run.main), kMagenta, all) == client.right * client.bottom);
        run.program->SendCommand(3000 + background);
        CheckTable(run, deck, f, 1, background, "background" + std::to_string(background));
        CHECK_EQ(CountColour(e2e::CaptureSettled(run.main), kMagenta, all), 0);
    }
    run.Exit();
}

SCENARIO(button_moved_off_runs_nothing_and_moved_back_runs_its_command)
{
    FurniturePictures f;
    REQUIRE(f.Load());
    LayoutRun run;
    REQUIRE(run.Start());
    const LayoutClient& client = *run.client;
    const int deals = static_cast<int>(client.Ask(layout::kNewGameCount));
    // Choosing the game posted one Replay.
    REQUIRE(client.Ask(layout::kCommandCount, kReplay) == 1);

    // Pressed on New Game: shown down. Moved over Replay: New Game pops up,
    // Replay is never shown down. Released there: nothing runs.
    Mouse(run.main, WM_LBUTTONDOWN, 20, 10, true);
    CHECK_EQ(ButtonDifferences(e2e::CaptureSettled(run.main), f.down, 0), 0);
    Mouse(run.main, WM_MOUSEMOVE, 100, 10, true);
    Image shot = e2e::CaptureSettled(run.main);
    CHECK_EQ(ButtonDifferences(shot, f.up, 0), 0);
    CHECK_EQ(ButtonDifferences(shot, f.up, 1), 0);
    Mouse(run.main, WM_LBUTTONUP, 100, 10, false);
    run.program->Settle();
    CHECK_EQ(client.Ask(layout::kCommandCount, kNewGame), 0);
    CHECK_EQ(client.Ask(layout::kCommandCount, kReplay), 1);
    CHECK_EQ(client.Ask(layout::kCommandCount, kUndo), 0);

    // Pressed, moved off and back, released: the command runs once.
    Mouse(run.main, WM_LBUTTONDOWN, 54, 31, true);
    Mouse(run.main, WM_MOUSEMOVE, 54, 32, true);
    CHECK_EQ(ButtonDifferences(e2e::CaptureSettled(run.main), f.up, 0), 0);
    Mouse(run.main, WM_MOUSEMOVE, 0, 0, true);
    CHECK_EQ(ButtonDifferences(e2e::CaptureSettled(run.main), f.down, 0), 0);
    Mouse(run.main, WM_LBUTTONUP, 0, 0, false);
    run.program->Settle();
    CHECK_EQ(client.Ask(layout::kCommandCount, kNewGame), 1);
    CHECK_EQ(ButtonDifferences(e2e::CaptureSettled(run.main), f.up, 0), 0);
    // New Game posts Replay, which deals again.
    const ULONGLONG end = GetTickCount64() + 10000;
    while (client.Ask(layout::kNewGameCount) <= deals && GetTickCount64() < end) Sleep(20);
    CHECK_EQ(client.Ask(layout::kNewGameCount), static_cast<LRESULT>(deals + 1));

    // The edges of the buttons: (164, 31) is on Undo; (165, 10) is the score
    // box, which is no button.
    struct Press {
        int x, y;
        int button;  // -1: none
    };
    for (Press p : {Press{164, 31, 2}, Press{110, 0, 2}, Press{109, 31, 1}, Press{165, 10, -1}, Press{30, 32, -1}}) {
        Mouse(run.main, WM_LBUTTONDOWN, p.x, p.y, true);
        shot = e2e::CaptureSettled(run.main);
        for (int b = 0; b < 3; ++b) {
            const std::string name = "press at " + std::to_string(p.x) + "," + std::to_string(p.y) + ", button " +
                                     std::to_string(b) + (b == p.button ? " down" : " up");
            CHECK_EQ(name + ": " + std::to_string(ButtonDifferences(shot, b == p.button ? f.down : f.up, b)),
                     name + ": 0");
        }
        // Released off the strip: no button command runs.
        Mouse(run.main, WM_MOUSEMOVE, 300, 200, true);
        Mouse(run.main, WM_LBUTTONUP, 300, 200, false);
    }
    run.program->Settle();
    CHECK_EQ(client.Ask(layout::kCommandCount, kReplay), 2);  // and the one New Game posted
    CHECK_EQ(client.Ask(layout::kCommandCount, kUndo), 0);
    run.Exit();
}

SCENARIO(strip_texts_green_in_their_boxes)
{
    FurniturePictures f;
    REQUIRE(f.Load());
    LayoutRun run;
    REQUIRE(run.Start());
    RECT client{};
    GetClientRect(run.main, &client);
    run.client->SetText(false, "Hello table");
    run.client->SetText(true, "42");
    const Image shot = e2e::CaptureSettled(run.main);
    e2e::KeepImage(shot, "texts");

    // Each text is green, centred in its box, and nothing else of the strip changed.
    struct Box {
        const char* text;
        int left, right;
    };
    for (Box b : {Box{"42", kScoreLeft, kMessageLeft}, Box{"Hello table", kMessageLeft, int(client.right)}}) {
        const SIZE s = TextSize(b.text);
        const int textLeft = b.left + (b.right - b.left - s.cx) / 2;
        const int textTop = (kStrip - s.cy) / 2;
        int green = 0, greenOutside = 0;
        for (int y = 0; y < kStrip; ++y) {
            for (int x = b.left; x < b.right; ++x) {
                if (shot.At(x, y) != kGreen) continue;
                const bool inText =
                    x >= textLeft - 1 && x <= textLeft + s.cx && y >= textTop - 1 && y <= textTop + s.cy;
                (inText ? green : greenOutside) += 1;
            }
        }
        CHECK(green > 0);
        CHECK_EQ(greenOutside, 0);
        // Left of the text the box shows its picture.
        int pictureWrong = 0;
        for (int y = 0; y < kStrip; ++y)
            for (int x = b.left; x < textLeft - 1; ++x) {
                const uint32_t want = b.left == kScoreLeft ? f.score.At(x - kScoreLeft, y)
                                                           : f.message.At((x - kMessageLeft) % kMessageTile, y);
                pictureWrong += shot.At(x, y) != want;
            }
        CHECK_EQ(pictureWrong, 0);
    }
    CHECK_EQ(ButtonDifferences(shot, f.up, 0) + ButtonDifferences(shot, f.up, 1) + ButtonDifferences(shot, f.up, 2), 0);
    run.Exit();
}

SCENARIO(no_card_library_shows_error_and_exits_0)
{
    REQUIRE(DeleteFileA(kSmallDeck));
    REQUIRE(DeleteFileA(kLargeDeck));
    Program program;
    REQUIRE(program.started());
    HWND box = program.WaitForDialog("Lumora Solitaire Error");
    REQUIRE(box != nullptr);
    CHECK_EQ(e2e::MessageBoxText(box),
             std::string("Lumora Solitaire cannot find the card libraries \"DECKMINI.DLL\" or \"DECKMAXI.DLL\". "
                         "It cannot run without at least one of these libraries."));
    e2e::ClickButton(box, IDOK);
    CHECK_EQ(program.WaitForExit(), 0L);
}

SCENARIO(repaints_and_choices_lose_no_gdi_objects_or_memory)
{
    LayoutRun run;
    REQUIRE(run.Start());
    const LayoutClient& client = *run.client;
    // A first round makes whatever the system keeps once.
    REQUIRE(client.Ask(layout::kChurn, 20) == 20);
    const LRESULT gdiBefore = client.Ask(layout::kGdiObjects);
    const LRESULT heapBefore = client.Ask(layout::kHeapBytes);
    REQUIRE(gdiBefore > 0);
    REQUIRE(heapBefore > 0);
    CHECK_EQ(client.Ask(layout::kChurn, 1000), 1000);
    const LRESULT gdiAfter = client.Ask(layout::kGdiObjects);
    const LRESULT heapAfter = client.Ask(layout::kHeapBytes);
    std::printf("GDI objects %lld -> %lld, heap bytes %lld -> %lld\n", static_cast<long long>(gdiBefore),
                static_cast<long long>(gdiAfter), static_cast<long long>(heapBefore),
                static_cast<long long>(heapAfter));
    CHECK_EQ(gdiAfter, gdiBefore);
    // Less than one byte a round: nothing is lost per repaint or choice.
    CHECK(heapAfter - heapBefore < 1000);
    run.Exit();
}

namespace {

// One picture-menu item as the main window draws it into the module's picture.
bool DrawnMenuItem(const LayoutRun& run, int menu, int item, bool selected, int width, layout::MenuItemPicture& out)
{
    const LRESULT address =
        run.client->Ask(layout::kDrawMenuItem, static_cast<WPARAM>(menu | item << 8 | (selected ? 1 : 0) << 16), width);
    if (address == 0 || address == -2) return false;
    HANDLE process = OpenProcess(PROCESS_VM_READ, FALSE, run.program->pid());
    SIZE_T read = 0;
    const bool ok = process &&
                    ReadProcessMemory(process, reinterpret_cast<LPCVOID>(address), &out, sizeof out, &read) &&
                    read == sizeof out;
    if (process) CloseHandle(process);
    return ok;
}

}  // namespace

SCENARIO(picture_menus_show_thumbnails_and_a_red_selection)
{
    LayoutRun run;
    REQUIRE(run.Start());
    const COLORREF menuColour = GetSysColor(COLOR_MENU);
    const uint32_t beside = Rgb(GetRValue(menuColour), GetGValue(menuColour), GetBValue(menuColour));
    struct Menu {
        int index, items, firstId, firstPicture;
    };
    for (Menu m : {Menu{0, 6, 3000, 6000}, Menu{1, 4, 4000, 7000}}) {
        for (int item = 0; item < m.items; ++item) {
            const Image thumbnail = e2e::ResourcePicture(kProgramFile, m.firstPicture + item);
            REQUIRE(thumbnail.width == 100 && thumbnail.height == 71);
            // Narrower, as wide as, and wider than the thumbnail.
            for (int width : {86, 100, 120}) {
                for (bool selected : {false, true}) {
                    static layout::MenuItemPicture p;
                    const std::string name = "menu " + std::to_string(m.index) + " item " + std::to_string(item) +
                                             " width " + std::to_string(width) + (selected ? " selected" : "");
                    REQUIRE(DrawnMenuItem(run, m.index, item, selected, width, p));
                    CHECK_EQ(p.id, m.firstId + item);
                    CHECK(p.ownerDrawn);
                    CHECK_EQ(p.measuredWidth, 86);
                    CHECK_EQ(p.measuredHeight, 71);
                    const int left = width > 100 ? (width - 100) / 2 : 0;
                    const int copied = width < 100 ? width : 100;
                    int wrong = 0;
                    std::string first;
                    for (int y = 0; y < p.height; ++y) {
                        for (int x = 0; x < p.width; ++x) {
                            const int ring = std::min(std::min(x, y), std::min(p.width - 1 - x, p.height - 1 - y));
                            uint32_t want;
                            if (selected && ring < 2)
                                want = kRed;
                            else if (x >= left && x < left + copied)
                                want = thumbnail.At(x - left, y);
                            else
                                want = beside;
                            const uint32_t got = p.pixels[y * p.width + x];
                            if (got != want && wrong++ == 0)
                                first = " first at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                                        e2e::ColourText(got) + " for " + e2e::ColourText(want);
                        }
                    }
                    CHECK_EQ(name + ": " + std::to_string(wrong) + first, name + ": 0");
                }
            }
        }
    }
    run.Exit();
}

SCENARIO(card_size_switch_rescales_and_refits_the_table)
{
    DeckPictures small, large;
    FurniturePictures f;
    REQUIRE(small.Load(CardSize::Small));
    REQUIRE(large.Load(CardSize::Large));
    REQUIRE(f.Load());
    LayoutRun run;
    REQUIRE(run.Start());
    // The Card sizes menu is gone, but its commands still switch: large,
    // large again (nothing changes), back to small, where odd positions come
    // back one pixel less (x 3 / 2, then x 2 / 3, each rounding toward zero).
    struct Step {
        int command;
        const DeckPictures& deck;
        const char* name;
        bool backFromLarge;
    };
    for (const Step& step : {Step{115, large, "to-large", false}, Step{115, large, "large-again", false},
                             Step{114, small, "to-small", true}}) {
        run.program->SendCommand(step.command);
        RECT client{};
        GetClientRect(run.main, &client);
        const core::Extent table = core::TableExtent(layout::kTableWidth, layout::kTableHeight, step.deck.size);
        CHECK_EQ(
            std::string(step.name) + " client " + std::to_string(client.right) + "x" + std::to_string(client.bottom),
            std::string(step.name) + " client " + std::to_string(table.width) + "x" +
                std::to_string(table.height + kStrip));
        CheckTable(run, step.deck, f, 1, 0, step.name, step.backFromLarge);
    }
    CHECK(run.program->VisibleDialogs().empty());  // a large display: no warning
    run.Exit();
}

SCENARIO(a_table_too_large_for_the_display_warns_in_large_cards_only)
{
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // Three quarters of the work area wide: it fits in small cards and is
    // cut by far more than a twentieth in large ones.
    const std::string extent = std::to_string((work.right - work.left) * 3 / 4) + "x200";
    SetEnvironmentVariableA(probe::kExtentVariable, extent.c_str());
    REQUIRE(e2e::InstallProbe("FREECELL"));
    REQUIRE(e2e::InstallProbe("SPIDER"));
    Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);

    program.SendCommand(IDM_GAMELIST_FIRST);
    program.Settle();
    CHECK(program.VisibleDialogs().empty());

    const auto warnsAndFitsTheWorkArea = [&](int command, const char* step) {
        program.PostCommand(command);
        HWND box = program.WaitForDialog("Lumora Solitaire");
        REQUIRE(box != nullptr);
        CHECK_EQ(std::string(step) + ": " + e2e::MessageBoxText(box),
                 std::string(step) +
                     ": Warning!  Your display is too small to fit this game entirely on the "
                     "screen.  Choose the SMALL card size for better viewing");
        e2e::ClickButton(box, IDOK);
        CHECK(e2e::WaitGone(box));
        program.Settle();
        RECT r{};
        GetWindowRect(main, &r);
        CHECK(r.left >= work.left && r.top >= work.top && r.right <= work.right && r.bottom <= work.bottom);
        CHECK_EQ(r.right - r.left, work.right - work.left);
    };
    warnsAndFitsTheWorkArea(115, "to large cards");
    warnsAndFitsTheWorkArea(1001, "another game in large cards");

    program.SendCommand(IDM_SMALLCARDS);
    program.Settle();
    CHECK(program.VisibleDialogs().empty());
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0);
}
