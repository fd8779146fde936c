// Carries out what the platform-free core asks of the window system, on the
// main window. It reads nothing of the core and calls nothing in it: what it
// needs comes with each call.
#pragma once

#include <windows.h>

#include "core/host_seam.h"

namespace shell {

class Win32Seam final : public core::HostSeam {
public:
    void Invalidate(const table::Rect& area, bool erase) override;
    void InvalidateClient(bool erase) override;
    void ValidateRect(const table::Rect& area) override;
    void RepaintNow() override;

    bool MakeDragImage(const CardStack& drag, const table::CardDrawing& drawing, int32_t width,
                       int32_t height) override;
    void DrawDragImage(table::Point topLeft) override;
    void ReleaseDragImage() override;
    void DrawStackOnWindow(const CardStack& stack, const table::CardDrawing& drawing) override;
    void DrawCardOnWindow(int16_t image, bool faceDown, table::Point topLeft,
                          const table::CardDrawing& drawing) override;

    void PlaySound(core::Sound sound, core::SoundMode mode) override;

    void CaptureMouse() override;
    void ReleaseMouse() override;

    uint32_t TickCount() override;
    uint32_t WaitForTick(uint32_t since, uint32_t interval) override;
    int64_t CalendarSeconds() override;

    void SetTitle(const char* title) override;
    core::Extent FitWindowToTable(int32_t tableWidth, int32_t tableHeight, table::CardSize size) override;
    void EnableGameCommands() override;
    void CheckMenuItem(int command, bool checked) override;
    void CheckGameListRow(int row, int rows) override;
    void AppendOptionItem(int command, const char* text, bool separatorFirst) override;
    void RemoveOptionItems(int32_t count) override;
    void RedrawMenuBar() override;
    void ShowGameOver(bool won) override;
    void PostCommand(int command) override;
    void ShowMessage(const char* text, const char* caption) override;
    void ScoresChanged(const core::ModuleTable& modules) override;
    bool CardSizeAvailable(table::CardSize size) override;
    bool CardPicturesLoaded(table::CardSize size) override;
    bool LoadCardPictures(table::CardSize size) override;

    // True while the program lets go of the mouse itself, so that the
    // capture change it causes is not taken for another window's grab.
    static bool ReleasingCapture();
};

}  // namespace shell
