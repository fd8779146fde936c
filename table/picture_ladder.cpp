#include "table/picture_ladder.h"

namespace table {

namespace {

constexpr int32_t kMaxPercent = 800;
constexpr int32_t kMaxPngSide = 16384;

bool Positive(PictureSize s) { return s.width > 0 && s.height > 0; }
bool Covers(PictureSize s, PictureSize wanted) { return s.width >= wanted.width && s.height >= wanted.height; }
int64_t Area(PictureSize s) { return static_cast<int64_t>(s.width) * s.height; }

uint32_t BigEndian32(const uint8_t* p)
{
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

}  // namespace

PictureChoice ChoosePicture(const PictureSize* stored, size_t count, PictureSize wanted)
{
    if (!stored || !Positive(wanted)) return {};
    int cover = -1, largest = -1;
    for (size_t i = 0; i < count; ++i) {
        const PictureSize s = stored[i];
        if (!Positive(s)) continue;
        const int index = static_cast<int>(i);
        if (Covers(s, wanted) && (cover < 0 || Area(s) < Area(stored[cover]))) cover = index;
        if (largest < 0 || Area(s) > Area(stored[largest])) largest = index;
    }
    if (cover >= 0) return {cover, stored[cover] == wanted ? PictureFit::Exact : PictureFit::Shrink};
    if (largest >= 0) return {largest, PictureFit::Enlarge};
    return {};
}

ScaleList ReadScaleList(const uint8_t* data, size_t size)
{
    ScaleList list;
    if (!data) return list;
    int32_t previous = 100;
    for (size_t at = 0; at + 2 <= size && list.count < kMaxScales; at += 2) {
        const int32_t percent = data[at] | (data[at + 1] << 8);
        if (percent <= previous || percent > kMaxPercent) break;
        list.percents[list.count++] = percent;
        previous = percent;
    }
    return list;
}

std::string ScaledPictureName(int32_t percent, int32_t number)
{
    return ScaledPictureName(percent, std::to_string(number).c_str());
}

std::string ScaledPictureName(int32_t percent, const char* name)
{
    // Appended piece by piece: GCC 12 warns of an overlapping copy in the
    // concatenation of temporaries at -O2 and above.
    std::string out(1, 'S');
    out.append(std::to_string(percent));
    out.push_back('_');
    if (name) out.append(name);
    return out;
}

bool ReadPngSize(const uint8_t* data, size_t size, PictureSize* out)
{
    static constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    // Signature, then the first chunk: length 13, "IHDR", width, height.
    if (!data || !out || size < 8 + 8 + 13) return false;
    for (size_t i = 0; i < 8; ++i)
        if (data[i] != kSignature[i]) return false;
    if (BigEndian32(data + 8) != 13 || data[12] != 'I' || data[13] != 'H' || data[14] != 'D' || data[15] != 'R')
        return false;
    const uint32_t w = BigEndian32(data + 16), h = BigEndian32(data + 20);
    if (w == 0 || h == 0 || w > kMaxPngSide || h > kMaxPngSide) return false;
    *out = {static_cast<int32_t>(w), static_cast<int32_t>(h)};
    return true;
}

}  // namespace table
