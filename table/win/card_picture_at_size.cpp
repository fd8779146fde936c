#include "table/win/card_picture_at_size.h"

#include "table/win/card_images.h"
#include "table/win/scaled_picture.h"

namespace table {

platform::Bitmap LoadCardPictureAtSize(CardSize size, int number, PictureSize pixels,
                                       const platform::PictureSurface& surface)
{
    HMODULE library = CardLibrary(size);
    if (!library) return {};
    return LoadPictureAtSize(library, MAKEINTRESOURCEA(number), pixels, surface.window, surface.palette);
}

}  // namespace table
