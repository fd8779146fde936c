// Pictures drawn at any pixel size. A module (the program, a card library)
// holds each picture as its numbered bitmap, drawn at 100 %, and may hold
// PNG copies at the larger scales its SCALES resource lists, named
// "S<percent>_<number or name>". A picture is made from the smallest copy
// at least as large as it is drawn, shrunk with an area filter when the
// sizes differ; only when nothing stored is large enough (someone else's
// card library holds the numbered bitmaps alone) is the largest enlarged.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/win/handles.h"
#include "table/picture_ladder.h"

namespace table {

// The sizes picture `name` is stored at in `module`: the numbered bitmap
// first (absent: 0 x 0), then the copies in the order of the SCALES list.
std::vector<PictureSize> StoredPictureSizes(HMODULE module, LPCSTR name);

// Picture `name` of `module` as a device bitmap of `size` pixels, through
// the palette when one is given. At the numbered bitmap's own size it is
// that bitmap as the program has always made it. Null when the module has
// the picture at no size, what it holds cannot be decoded, or either side
// of `size` is above 4096.
platform::Bitmap LoadPictureAtSize(HMODULE module, LPCSTR name, PictureSize size, HWND window, HPALETTE palette);

// The same at `percent` of the numbered bitmap's size, as the art
// generator rounds it (ScaledLength); null without the numbered bitmap.
platform::Bitmap LoadPictureAtScale(HMODULE module, LPCSTR name, int32_t percent, HWND window, HPALETTE palette);

}  // namespace table
