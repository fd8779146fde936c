// Everything the platform-free core asks of the window system. The Win32
// layer carries these out with GDI, USER and the sound API; tests use a
// recording fake. The core decides what and when; the seam only does it and
// answers with facts (the time, the client area's size, whether a card
// library is there, whether pictures could be loaded). It never calls into
// the core nor reads or writes its state: what it needs comes with the call.
#pragma once

#include <cstdint>

#include "core/module_table.h"
#include "core/table_extent.h"
#include "table/card_drawing.h"
#include "table/card_metrics.h"
#include "table/geometry.h"
#include "table/rect.h"
#include "module_interface/tessel_table.h"

namespace core {

enum class Sound : uint8_t { Flip, Slide, Shuffle, Win, Lose };
enum class SoundMode : uint8_t { Sync, Async };

class HostSeam {
public:
    virtual ~HostSeam() = default;

    // Repainting. The table itself is drawn into a back buffer by the paint
    // pass, which reads and clears the core's PaintFlags.
    virtual void Invalidate(const table::Rect& area, bool erase) = 0;
    virtual void InvalidateClient(bool erase) = 0;
    virtual void ValidateRect(const table::Rect& area) = 0;
    // Has the pending area painted before returning (UpdateWindow).
    virtual void RepaintNow() = 0;

    // Moving pictures, drawn straight onto the window, never into the back
    // buffer, with the view, face map and card set of `drawing`.
    // MakeDragImage draws the drag stack once into an off-screen picture of
    // the given size; false when none could be made.
    virtual bool MakeDragImage(const CardStack& drag, const table::CardDrawing& drawing, int32_t width,
                               int32_t height) = 0;
    virtual void DrawDragImage(table::Point topLeft) = 0;
    virtual void ReleaseDragImage() = 0;
    virtual void DrawStackOnWindow(const CardStack& stack, const table::CardDrawing& drawing) = 0;
    // One card picture: the drawing's back when faceDown, else the face of image.
    virtual void DrawCardOnWindow(int16_t image, bool faceDown, table::Point topLeft,
                                  const table::CardDrawing& drawing) = 0;

    // Called only when the Sounds option is on.
    virtual void PlaySound(Sound sound, SoundMode mode) = 0;

    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;

    // Milliseconds since some start; wraps around.
    virtual uint32_t TickCount() = 0;
    // Returns once `interval` milliseconds have passed since tick `since`
    // (or the counter wrapped), with the tick it saw then. This one watches
    // the counter; a window system lets the thread sleep instead.
    virtual uint32_t WaitForTick(uint32_t since, uint32_t interval)
    {
        for (;;) {
            const uint32_t now = TickCount();
            if (now >= since + interval || now < since) return now;
        }
    }
    // Calendar time in whole seconds.
    virtual int64_t CalendarSeconds() = 0;

    // The window, its menus and dialogs.
    virtual void SetTitle(const char* title) = 0;
    // Sizes the window so that its client area holds a table of this size
    // (pixels of the card size in use) with the strip above it, as far as
    // the work area allows (shell/window_fit.h); with large cards the player
    // is warned first when much of it would be cut off. Returns the size of
    // the client area the window got. Repaints nothing.
    virtual Extent FitWindowToTable(int32_t tableWidth, int32_t tableHeight, table::CardSize size) = 0;
    virtual void EnableGameCommands() = 0;  // New Game, Replay Game, Undo, Save Game
    virtual void CheckMenuItem(int command, bool checked) = 0;
    // Checks one row of the Game List's `rows` and unchecks every other.
    virtual void CheckGameListRow(int row, int rows) = 0;
    virtual void AppendOptionItem(int command, const char* text, bool separatorFirst) = 0;
    virtual void RemoveOptionItems(int32_t count) = 0;  // the separator and count items
    virtual void RedrawMenuBar() = 0;
    // Modal; returns when the player closed it.
    virtual void ShowGameOver(bool won) = 0;
    virtual void PostCommand(int command) = 0;

    // A message box owned by the main window, with one OK button and no icon.
    virtual void ShowMessage(const char* text, const char* caption) = 0;

    // A game was booked into its row's score record: the rows' records are
    // to be kept now (the score file), not only at exit.
    virtual void ScoresChanged(const ModuleTable& modules) = 0;

    // Card pictures: whether the library of a card size is there, whether
    // the pictures of a size are the ones loaded, and loading them in place
    // of the other size's (nothing when they are loaded already); false when
    // they could not be loaded. Nothing more: no relayout, no refit.
    virtual bool CardSizeAvailable(table::CardSize size) = 0;
    virtual bool CardPicturesLoaded(table::CardSize size) = 0;
    virtual bool LoadCardPictures(table::CardSize size) = 0;
};

}  // namespace core
