// The program's own pictures: background tiles and their thumbnails, the
// card-set thumbnails, the strip (buttons, score box, message tile), the
// splash and credits pictures, all in 16 colours; and its icons.
#pragma once

#include <string>
#include <vector>

#include "raster.h"

namespace art {

struct ProgramBitmap {
    std::string resource;  // "5000", "UPBUTTONS", ...
    std::string file;      // generated file name
    Indexed picture;       // 16 colours
};

struct ProgramIcon {
    int id;                      // 141 the program, 142..149 the portraits
    std::string file;
    std::vector<Raster> images;  // 32 x 32 first, then any smaller ones
};

// Full colour, before reduction to 16 colours. Above 100 % a tile is a
// larger piece of the same cloth (the weave keeps whole threads, so its
// size is near, not exactly at, the scale).
Raster background_tile(int n, int percent = 100);
Raster message_tile();          // MSGAREA, full colour
// The bitmaps at 100 % (file names .bmp) or at a larger scale (.png; all
// but the background tiles, which are drawn at their own size at every
// scale).
std::vector<ProgramBitmap> program_bitmaps(int percent = 100);
std::vector<ProgramIcon> program_icons();

}  // namespace art
