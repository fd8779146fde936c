// The readers of the pictures a card library or the program stores: the
// PNG reader, the scale list, and what the loader does with them (choose a
// stored size, resample to a drawn one). Whatever the bytes, nothing is read
// or written out of bounds, and a picture read has the size its header gives.
#include <cstdint>

#include "table/picture_ladder.h"
#include "table/picture_resample.h"
#include "table/png_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const table::ScaleList scales = table::ReadScaleList(data, size);
    if (scales.count > table::kMaxScales) __builtin_trap();
    for (size_t i = 1; i < scales.count; ++i)
        if (scales.percents[i] <= scales.percents[i - 1]) __builtin_trap();

    table::PictureSize header;
    const bool sized = table::ReadPngSize(data, size, &header);
    const table::PixelPicture p = table::ReadPng(data, size);
    if (p.pixels.empty()) return 0;
    if (!sized || p.width != header.width || p.height != header.height ||
        p.pixels.size() != static_cast<size_t>(p.width) * static_cast<size_t>(p.height))
        __builtin_trap();
    // Drawn a little smaller and a little larger, from the one stored size.
    for (const int32_t percent : {70, 130}) {
        const table::PictureSize want{p.width * percent / 100 + 1, p.height * percent / 100 + 1};
        const table::PictureChoice c = table::ChoosePicture(&header, 1, want);
        if (c.index != 0) __builtin_trap();
        const table::PixelPicture r = table::Resample(p, want.width, want.height);
        if (r.pixels.size() != static_cast<size_t>(want.width) * static_cast<size_t>(want.height)) __builtin_trap();
    }
    return 0;
}
