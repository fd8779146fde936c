// One picture that shows every generated picture: both card sizes with the
// four card sets, base images and outline, covered cards in fans as the
// table shows them, and the program's bitmaps and icons.
#pragma once

#include "raster.h"

namespace art {

Raster contact_sheet();
// A few cards of both sizes at every scale the pictures are made at.
Raster ladder_sheet();

}  // namespace art
