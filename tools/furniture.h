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

Raster background_tile(int n);  // full colour, before reduction to 16 colours
Raster message_tile();          // MSGAREA, full colour
std::vector<ProgramBitmap> program_bitmaps();
std::vector<ProgramIcon> program_icons();

}  // namespace art
