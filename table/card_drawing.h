// What drawing cards needs besides the pictures themselves. The core hands
// it over with every drawing it asks for, so the code that draws reads
// nothing of the core: where the table lies and the card size's geometry,
// which picture shows each card face, and the card set whose back is shown.
#pragma once

#include <cstdint>

#include "table/face_map.h"
#include "table/geometry.h"

namespace table {

struct CardDrawing {
    TableView view;
    const FaceMap* faces = nullptr;  // no faces are drawn without one
    int backSet = 0;                 // 0..3
};

}  // namespace table
