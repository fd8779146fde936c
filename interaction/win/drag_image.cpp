#include "interaction/win/drag_image.h"

#include "platform/win/handles.h"
#include "table/win/draw_stack.h"

namespace interaction {

namespace {

struct DragImage {
    platform::OffscreenPicture picture;
    int32_t width = 0;
    int32_t height = 0;
};

DragImage& Image()
{
    static DragImage image;
    return image;
}

}  // namespace

bool MakeDragImage(HWND window, const platform::PictureSurface& surface, const CardStack& drag,
                   const table::CardDrawing& onTable, int32_t width, int32_t height)
{
    ReleaseDragImage();
    DragImage& image = Image();
    {
        platform::WindowDC screen(window);
        if (!image.picture.Make(screen.get(), width, height)) return false;
    }
    image.width = width;
    image.height = height;

    // Draw the stack so that its rectangle starts at the image's corner.
    table::CardDrawing drawing = onTable;
    const table::Rect r = table::StackRect(drag, drawing.view);
    drawing.view.origin.x -= r.left;
    drawing.view.origin.y -= r.top;
    table::DrawStack(image.picture.dc(), surface, drag, drawing);
    return true;
}

void DrawDragImage(HWND window, table::Point topLeft)
{
    DragImage& image = Image();
    if (!image.picture) return;
    platform::WindowDC dc(window);
    BitBlt(dc.get(), topLeft.x, topLeft.y, image.width, image.height, image.picture.dc(), 0, 0, SRCCOPY);
}

void ReleaseDragImage()
{
    DragImage& image = Image();
    image.picture.Release();
    image.width = image.height = 0;
}

}  // namespace interaction
