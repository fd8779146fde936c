// The Backgrounds and Card sets menus: owner-drawn items showing thumbnails.
#include "furniture/strip_layout.h"
#include "furniture/win/furniture.h"
#include "furniture/win/resources_store.h"
#include "resources/resource.h"

namespace furniture {

namespace {

constexpr COLORREF kSelectionRed = RGB(255, 0, 0);

// A popup of `items` owner-drawn items, each drawn with the thumbnail of its
// command, put in place of the Options menu's item at `position`. The menu
// bar itself does not change, so it is not redrawn.
void ReplaceWithPictureMenu(HWND window, int position, const char* title, int firstId, int items)
{
    HMENU popup = CreatePopupMenu();
    if (!popup) return;
    for (int i = 0; i < items; ++i) AppendMenuA(popup, MF_OWNERDRAW, static_cast<UINT_PTR>(firstId + i), nullptr);
    HMENU options = GetSubMenu(GetMenu(window), MENU_POS_OPTIONS);
    // The old submenu is destroyed with the item it belonged to.
    if (!ModifyMenuA(options, static_cast<UINT>(position), MF_BYPOSITION | MF_POPUP | MF_STRING,
                     reinterpret_cast<UINT_PTR>(popup), title)) {
        DestroyMenu(popup);
    }
}

void FrameRed(HDC dc, RECT r)
{
    platform::Brush red(CreateSolidBrush(kSelectionRed));
    FrameRect(dc, &r, red.get());
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, red.get());
}

}  // namespace

void BuildPictureMenus(HWND window)
{
    ReplaceWithPictureMenu(window, MENU_POS_BACKGROUNDS, "Backgrounds", IDM_BACKGROUND_FIRST, kBackgrounds);
    ReplaceWithPictureMenu(window, MENU_POS_CARDSETS, "Card sets", IDM_CARDSET_FIRST, kCardSetThumbnails);
}

void MeasureThumbnailItem(MEASUREITEMSTRUCT& item)
{
    item.itemWidth = kThumbnailItemWidth;
    item.itemHeight = kThumbnailItemHeight;
}

void DrawThumbnailItem(const DRAWITEMSTRUCT& item, const platform::PictureSurface& surface)
{
    const RECT& r = item.rcItem;
    const ThumbnailCopy copy = ThumbnailCopyFor({r.left, r.top, r.right, r.bottom});
    const Picture* picture = Thumbnail(static_cast<int>(item.itemID), surface);
    HBITMAP thumbnail = picture ? picture->bitmap.get() : nullptr;
    // An item wider than the thumbnail shows the menu's colour beside it, so
    // that the selection frame of a moment ago does not stay there.
    if (copy.width < r.right - r.left) FillRect(item.hDC, &r, GetSysColorBrush(COLOR_MENU));
    if (thumbnail && surface.scratch) {
        platform::SelectionScope select(surface.scratch, thumbnail);
        BitBlt(item.hDC, copy.x, copy.y, copy.width, copy.height, surface.scratch, 0, 0, SRCCOPY);
    }
    if (item.itemState & ODS_SELECTED) FrameRed(item.hDC, r);
}

}  // namespace furniture
