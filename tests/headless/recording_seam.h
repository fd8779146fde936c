// A HostSeam that does nothing but write down what the core asked for, in
// order, so tests can assert exactly what was invalidated, repainted,
// drawn and played. Repainting clears the paint flags as the paint pass does.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/host_core.h"
#include "core/host_seam.h"
#include "drawing_reads.h"
#include "shell/window_fit.h"

namespace headless {

enum class SeamCall {
    Invalidate,
    InvalidateClient,
    ValidateRect,
    RepaintNow,
    MakeDragImage,
    DrawDragImage,
    ReleaseDragImage,
    DrawStackOnWindow,
    DrawCardOnWindow,
    PlaySound,
    CaptureMouse,
    ReleaseMouse,
    SetTitle,
    FitWindowToTable,
    EnableGameCommands,
    CheckMenuItem,
    CheckGameListRow,
    AppendOptionItem,
    RemoveOptionItems,
    RedrawMenuBar,
    ShowGameOver,
    PostCommand,
    ShowMessage,
    ScoresChanged,
    LoadCardPictures,
};

struct SeamEvent {
    SeamCall call{};
    table::Rect rect{};    // Invalidate, ValidateRect
    bool flag = false;     // erase; tableDirty at a repaint; checked; won; separator first; large cards
    table::Point point{};  // drawing position
    core::Sound sound{};
    core::SoundMode mode{};
    int number = 0;   // command, row, option count, card image
    int number2 = 0;  // table height
    std::string text;
    std::string text2;             // ShowMessage: the caption
    table::CardDrawing drawing{};  // what the core handed a drawing of cards
    std::vector<core::ScoreRecord> scores;  // ScoresChanged: every row's record as it was handed over
};

inline SeamEvent Ev(SeamCall call, table::Rect rect = {}, bool flag = false)
{
    SeamEvent e;
    e.call = call;
    e.rect = rect;
    e.flag = flag;
    return e;
}

class RecordingSeam : public core::HostSeam {
public:
    std::vector<SeamEvent> events;
    core::PaintFlags* paint = nullptr;  // cleared by every repaint when set
    // When set, every repaint reads the table, and every stack drawn on the
    // window or into the drag image is read, as the program's drawing does.
    const core::HostCore* drawn = nullptr;
    uint32_t drawnSum = 0;  // what those reads saw, so they are not optimised away
    bool dragImagesAvailable = true;
    uint32_t tick = 1000;
    uint32_t tickStep = 1;  // every TickCount call advances the clock
    int64_t calendarSeconds = 1700000000;
    std::deque<int> posted;
    bool smallCardsAvailable = true;
    bool largeCardsAvailable = true;
    int loadedPictures = -1;  // the card size whose pictures are loaded, -1 for none
    // The client area a fitted window gets; none: exactly the table and the strip.
    std::optional<core::Extent> fittedClient;

    void Clear() { events.clear(); }

    std::vector<SeamEvent> Calls(SeamCall call) const
    {
        std::vector<SeamEvent> out;
        for (const SeamEvent& e : events)
            if (e.call == call) out.push_back(e);
        return out;
    }
    int Count(SeamCall call) const { return static_cast<int>(Calls(call).size()); }

    void Invalidate(const table::Rect& area, bool erase) override { Add(Ev(SeamCall::Invalidate, area, erase)); }
    void InvalidateClient(bool erase) override { Add(Ev(SeamCall::InvalidateClient, {}, erase)); }
    void ValidateRect(const table::Rect& area) override { Add(Ev(SeamCall::ValidateRect, area)); }
    void RepaintNow() override
    {
        SeamEvent e = Ev(SeamCall::RepaintNow);
        if (paint) {
            e.flag = paint->tableDirty;
            *paint = core::PaintFlags{};
        }
        if (drawn) drawnSum += ReadTableAsDrawn(*drawn);
        Add(e);
    }
    bool MakeDragImage(const CardStack& drag, const table::CardDrawing& drawing, int32_t width, int32_t height) override
    {
        SeamEvent e = Ev(SeamCall::MakeDragImage);
        e.rect = {0, 0, width, height};
        e.number = drag.count;
        e.drawing = drawing;
        if (drawn) drawnSum += ReadAsDrawn(drag, *drawn);
        Add(e);
        return dragImagesAvailable;
    }
    void DrawDragImage(table::Point topLeft) override { Add(At(SeamCall::DrawDragImage, topLeft)); }
    void ReleaseDragImage() override { Add(Ev(SeamCall::ReleaseDragImage)); }
    void DrawStackOnWindow(const CardStack& stack, const table::CardDrawing& drawing) override
    {
        SeamEvent e = Ev(SeamCall::DrawStackOnWindow);
        e.drawing = drawing;
        e.point = {stack.x, stack.y};
        e.number = stack.count;
        if (drawn) drawnSum += ReadAsDrawn(stack, *drawn);
        Add(e);
    }
    void DrawCardOnWindow(int16_t image, bool faceDown, table::Point topLeft,
                          const table::CardDrawing& drawing) override
    {
        SeamEvent e = At(SeamCall::DrawCardOnWindow, topLeft);
        e.drawing = drawing;
        e.number = image;
        e.flag = faceDown;
        Add(e);
    }
    void PlaySound(core::Sound sound, core::SoundMode mode) override
    {
        SeamEvent e = Ev(SeamCall::PlaySound);
        e.sound = sound;
        e.mode = mode;
        Add(e);
    }
    void CaptureMouse() override { Add(Ev(SeamCall::CaptureMouse)); }
    void ReleaseMouse() override { Add(Ev(SeamCall::ReleaseMouse)); }
    uint32_t TickCount() override { return tick += tickStep; }
    int64_t CalendarSeconds() override { return calendarSeconds; }
    void SetTitle(const char* title) override { Add(Text(SeamCall::SetTitle, title)); }
    core::Extent FitWindowToTable(int32_t tableWidth, int32_t tableHeight, table::CardSize size) override
    {
        SeamEvent e = Ev(SeamCall::FitWindowToTable);
        e.number = tableWidth;
        e.number2 = tableHeight;
        e.flag = size == table::CardSize::Large;
        Add(e);
        // By default the client area the program's window takes: the table's
        // size in 16 bits, as a window holds it, with the strip above.
        const table::Rect client = shell::ClientRectForTable(tableWidth, tableHeight);
        return fittedClient.value_or(core::Extent{client.Width(), client.Height()});
    }
    void EnableGameCommands() override { Add(Ev(SeamCall::EnableGameCommands)); }
    void CheckMenuItem(int command, bool checked) override
    {
        SeamEvent e = Ev(SeamCall::CheckMenuItem);
        e.number = command;
        e.flag = checked;
        Add(e);
    }
    void CheckGameListRow(int row, int) override
    {
        SeamEvent e = Ev(SeamCall::CheckGameListRow);
        e.number = row;
        Add(e);
    }
    void AppendOptionItem(int command, const char* text, bool separatorFirst) override
    {
        SeamEvent e = Text(SeamCall::AppendOptionItem, text);
        e.number = command;
        e.flag = separatorFirst;
        Add(e);
    }
    void RemoveOptionItems(int32_t count) override
    {
        SeamEvent e = Ev(SeamCall::RemoveOptionItems);
        e.number = count;
        Add(e);
    }
    void RedrawMenuBar() override { Add(Ev(SeamCall::RedrawMenuBar)); }
    void ShowGameOver(bool won) override
    {
        SeamEvent e = Ev(SeamCall::ShowGameOver);
        e.flag = won;
        Add(e);
    }
    void PostCommand(int command) override
    {
        SeamEvent e = Ev(SeamCall::PostCommand);
        e.number = command;
        Add(e);
        posted.push_back(command);
    }

    void ShowMessage(const char* text, const char* caption) override
    {
        SeamEvent e = Text(SeamCall::ShowMessage, text);
        e.text2 = caption ? caption : "";
        Add(e);
    }
    void ScoresChanged(const core::ModuleTable& modules) override
    {
        SeamEvent e = Ev(SeamCall::ScoresChanged);
        for (int i = 0; i < modules.count; ++i) e.scores.push_back(modules.rows[static_cast<size_t>(i)].score);
        Add(e);
    }
    bool CardSizeAvailable(table::CardSize size) override
    {
        return size == table::CardSize::Large ? largeCardsAvailable : smallCardsAvailable;
    }
    bool CardPicturesLoaded(table::CardSize size) override { return loadedPictures == static_cast<int>(size); }
    bool LoadCardPictures(table::CardSize size) override
    {
        SeamEvent e = Ev(SeamCall::LoadCardPictures);
        e.number = static_cast<int>(size);
        Add(e);
        if (!CardSizeAvailable(size)) return false;
        loadedPictures = static_cast<int>(size);
        return true;
    }

private:
    void Add(const SeamEvent& e) { events.push_back(e); }
    static SeamEvent At(SeamCall call, table::Point p)
    {
        SeamEvent e = Ev(call);
        e.point = p;
        return e;
    }
    static SeamEvent Text(SeamCall call, const char* text)
    {
        SeamEvent e = Ev(call);
        e.text = text ? text : "";
        return e;
    }
};

}  // namespace headless
