// Pictures stored at a ladder of sizes: the numbered bitmap at 100 % and,
// beside it, PNG copies at the larger scales a module lists in its SCALES
// resource. Which stored size a picture drawn at a given pixel size is
// made from, and how the stored copies are named and read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace table {

struct PictureSize {
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// How a stored picture becomes the drawn one: copied as it is, shrunk, or
// (only when nothing stored is large enough) enlarged.
enum class PictureFit { None, Exact, Shrink, Enlarge };

struct PictureChoice {
    int index = -1;  // into the stored sizes; -1 with PictureFit::None
    PictureFit fit = PictureFit::None;
    friend bool operator==(const PictureChoice&, const PictureChoice&) = default;
};

// The stored picture to draw at `wanted`: the smallest one at least as wide
// and as high (exact when it has that size), else the largest one, to be
// enlarged. Stored sizes that are not positive are skipped; a wanted size
// that is not positive chooses nothing.
PictureChoice ChoosePicture(const PictureSize* stored, size_t count, PictureSize wanted);

// The scales above 100 % a module stores its pictures at: the SCALES
// resource, 16-bit little-endian percentages. Read as far as they make
// sense: each above 100 and above the one before, at most 800, at most
// kMaxScales of them; anything else ends the list.
constexpr size_t kMaxScales = 12;
struct ScaleList {
    size_t count = 0;
    std::array<int32_t, kMaxScales> percents{};
};
ScaleList ReadScaleList(const uint8_t* data, size_t size);

// The resource name of a picture stored at a scale: "S150_3001" for the
// number 3001, "S150_UPBUTTONS" for a named one.
std::string ScaledPictureName(int32_t percent, int32_t number);
std::string ScaledPictureName(int32_t percent, const char* name);

// The size in a PNG file's header; false when the data does not start with
// a PNG signature and a whole header chunk, or gives a size of 0 or above
// 16384 either way.
bool ReadPngSize(const uint8_t* data, size_t size, PictureSize* out);

// A length at a scale, rounded half up, as the art generator makes the
// stored sizes (45 pixels at 125 % are 56, 63 are 79).
constexpr int32_t ScaledLength(int32_t length, int32_t percent)
{
    return static_cast<int32_t>((static_cast<int64_t>(length) * percent + 50) / 100);
}

}  // namespace table
