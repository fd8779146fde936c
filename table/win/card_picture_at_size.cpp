#include "table/win/card_picture_at_size.h"

#include "core/win/app.h"
#include "core/win/surfaces.h"
#include "table/win/card_images.h"
#include "table/win/scaled_picture.h"

namespace table {

core::Bitmap LoadCardPictureAtSize(CardSize size, int number, PictureSize pixels)
{
    HMODULE library = CardLibrary(size);
    if (!library) return {};
    return LoadPictureAtSize(library, MAKEINTRESOURCEA(number), pixels, core::TheApp().mainWindow,
                             core::TheSurfaces().palette.get());
}

}  // namespace table
