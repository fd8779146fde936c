// A seam that does nothing, for the fuzz targets: they run millions of
// loads and must not collect what the core asked for.
#pragma once

#include "core/host_seam.h"

namespace fuzz {

class NullSeam final : public core::HostSeam {
public:
    void Invalidate(const table::Rect&, bool) override {}
    void InvalidateClient(bool) override {}
    void ValidateRect(const table::Rect&) override {}
    void RepaintNow() override {}
    bool MakeDragImage(const CardStack&, const table::CardDrawing&, int32_t, int32_t) override { return false; }
    void DrawDragImage(table::Point) override {}
    void ReleaseDragImage() override {}
    void DrawStackOnWindow(const CardStack&, const table::CardDrawing&) override {}
    void DrawCardOnWindow(int16_t, bool, table::Point, const table::CardDrawing&) override {}
    void PlaySound(core::Sound, core::SoundMode) override {}
    void CaptureMouse() override {}
    void ReleaseMouse() override {}
    uint32_t TickCount() override { return 0; }
    int64_t CalendarSeconds() override { return 0; }
    void SetTitle(const char*) override {}
    core::Extent FitWindowToTable(int32_t w, int32_t h, table::CardSize) override { return {w, h}; }
    void EnableGameCommands() override {}
    void CheckMenuItem(int, bool) override {}
    void CheckGameListRow(int, int) override {}
    void AppendOptionItem(int, const char*, bool) override {}
    void RemoveOptionItems(int32_t) override {}
    void RedrawMenuBar() override {}
    void ShowGameOver(bool) override {}
    void PostCommand(int) override {}
    void ShowMessage(const char*, const char*) override {}
    void ScoresChanged(const core::ModuleTable&) override {}
    bool CardSizeAvailable(table::CardSize size) override { return size == table::CardSize::Large || smallThere; }
    bool CardPicturesLoaded(table::CardSize) override { return false; }
    bool LoadCardPictures(table::CardSize size) override { return CardSizeAvailable(size); }

    bool smallThere = true;
};

}  // namespace fuzz
