// Pictures stored as packed device-independent bitmaps: the card pictures of
// the card libraries and the host's own.
#pragma once

#include <windows.h>

#include "platform/win/handles.h"

namespace table {

// A device bitmap made from a packed device-independent bitmap resource,
// through the palette when one is given. Null when the resource is missing
// or malformed.
platform::Bitmap LoadDibBitmap(HMODULE module, LPCSTR name, HWND window, HPALETTE palette);

}  // namespace table
