#include "interaction/win/drag_image.h"

#include "core/win/handles.h"
#include "table/win/draw_stack.h"

namespace interaction {

namespace {

struct DragImage {
    core::MemoryDC dc;
    core::Bitmap bitmap;
    HGDIOBJ oldBitmap = nullptr;
    int32_t width = 0;
    int32_t height = 0;
};

DragImage& Image()
{
    static DragImage image;
    return image;
}

}  // namespace

bool MakeDragImage(HWND window, const CardStack& drag, const table::CardDrawing& onTable, int32_t width, int32_t height)
{
    ReleaseDragImage();
    DragImage& image = Image();
    {
        core::WindowDC screen(window);
        image.dc.reset(CreateCompatibleDC(screen.get()));
        image.bitmap.reset(CreateCompatibleBitmap(screen.get(), width, height));
    }
    if (!image.dc || !image.bitmap) {
        ReleaseDragImage();
        return false;
    }
    image.oldBitmap = SelectObject(image.dc.get(), image.bitmap.get());
    image.width = width;
    image.height = height;

    // Draw the stack so that its rectangle starts at the image's corner.
    table::CardDrawing drawing = onTable;
    const table::Rect r = table::StackRect(drag, drawing.view);
    drawing.view.origin.x -= r.left;
    drawing.view.origin.y -= r.top;
    table::DrawStack(image.dc.get(), drag, drawing);
    return true;
}

void DrawDragImage(HWND window, table::Point topLeft)
{
    DragImage& image = Image();
    if (!image.bitmap) return;
    core::WindowDC dc(window);
    BitBlt(dc.get(), topLeft.x, topLeft.y, image.width, image.height, image.dc.get(), 0, 0, SRCCOPY);
}

void ReleaseDragImage()
{
    DragImage& image = Image();
    if (image.oldBitmap) SelectObject(image.dc.get(), image.oldBitmap);
    image.oldBitmap = nullptr;
    image.bitmap.reset();
    image.dc.reset();
    image.width = image.height = 0;
}

}  // namespace interaction
