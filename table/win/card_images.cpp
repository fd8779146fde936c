#include "table/win/card_images.h"

#include "platform/win/executable_folder.h"
#include "table/drawable.h"
#include "table/win/dib_bitmap.h"

namespace table {

namespace {

constexpr char kSmallLibrary[] = "DECKMINI.DLL";
constexpr char kLargeLibrary[] = "DECKMAXI.DLL";

struct CardLibraries {
    platform::Library small;
    platform::Library large;
};

CardLibraries& Libraries()
{
    static CardLibraries libraries;
    return libraries;
}

CardImageStore& Store()
{
    static CardImageStore store;
    return store;
}

// Faces and backs become device bitmaps when first drawn: a deal shows a few
// of them, and the card sets not in use may never show. Loading a size only
// checks that each of them is in its library.
struct DrawnLater {
    HMODULE library = nullptr;  // of the size whose pictures are loaded
    CardSize size = CardSize::Small;
};

DrawnLater& Later()
{
    static DrawnLater later;
    return later;
}

// A library beside the program, whatever the current folder, opened for
// its pictures only: none of its code runs, and only the pictures drawn are
// read from the file.
HMODULE OpenLibrary(const char* name)
{
    const std::string path = platform::BesideExecutable(name);
    if (path.empty() || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return nullptr;
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

// A picture sized now and made a device bitmap when first drawn; false when
// the library lacks it.
bool LoadPictureLater(CardPicture& p, HMODULE library, int number, int32_t w, int32_t h, int32_t fanX, int32_t fanY)
{
    p.bitmap.reset();
    p.width = w;
    p.height = h;
    p.fanX = fanX;
    p.fanY = fanY;
    return FindResourceA(library, MAKEINTRESOURCEA(number), reinterpret_cast<LPCSTR>(RT_BITMAP)) != nullptr;
}

const CardPicture* Drawn(CardPicture& p, int number, const platform::PictureSurface& surface)
{
    const DrawnLater& later = Later();
    if (!p.bitmap && later.library)
        p.bitmap = LoadDibBitmap(later.library, MAKEINTRESOURCEA(number), surface.window, surface.palette);
    return p ? &p : nullptr;
}

// All 114 pictures of a size in the load order; false at the first missing one.
bool LoadSize(CardSize size, HMODULE library)
{
    CardImageStore& s = Store();
    const CardGeometry& g = GeometryFor(size);
    const bool large = size == CardSize::Large;
    const int32_t ow = large ? kLargeOutlineWidth : kSmallOutlineWidth;
    const int32_t oh = large ? kLargeOutlineHeight : kSmallOutlineHeight;
    Later() = {library, size};
    auto card = [&](CardPicture& p, int number) {
        return LoadPictureLater(p, library, number, g.width, g.height, g.fanX, g.fanY);
    };
    for (int i = 0; i < kPips; ++i)
        if (!card(s.pips[i], PipPicture(size, i))) return false;
    for (int i = 0; i < kCourts; ++i)
        if (!card(s.courts[i], CourtPicture(size, i))) return false;
    for (int i = 0; i < kCardSets; ++i)
        if (!card(s.setAces[i], SetAcePicture(size, i))) return false;
    for (int i = 0; i < kCardSets; ++i)
        if (!card(s.backs[i], table::BackPicture(size, i))) return false;
    for (int i = 0; i < kBaseImages; ++i)
        if (!LoadPictureLater(s.bases[i], library, BasePicture(size, i), g.width, g.height, 0, 0)) return false;
    if (!LoadPictureLater(s.outline, library, OutlinePicture(size), ow, oh, 0, 0)) return false;
    s.markBrush.reset(CreateSolidBrush(RGB(255, 0, 0)));
    return true;
}

}  // namespace

const CardImageStore& TheCardImages() { return Store(); }

const CardPicture* CardFace(const FaceMap* faces, int16_t image, const platform::PictureSurface& surface)
{
    if (!faces || !table::DrawableImage(image)) return nullptr;
    const FaceSlot slot = (*faces)[static_cast<size_t>(image)];
    CardImageStore& s = Store();
    const CardSize size = Later().size;
    const int i = slot.index;
    switch (slot.group) {
    case PictureGroup::Pip: return i >= 0 && i < kPips ? Drawn(s.pips[i], PipPicture(size, i), surface) : nullptr;
    case PictureGroup::Court: return i >= 0 && i < kCourts ? Drawn(s.courts[i], CourtPicture(size, i), surface) : nullptr;
    case PictureGroup::SetAce: return i >= 0 && i < kCardSets ? Drawn(s.setAces[i], SetAcePicture(size, i), surface) : nullptr;
    }
    return nullptr;
}

const CardPicture* CardBack(int cardSet, const platform::PictureSurface& surface)
{
    const int set = DrawnCardSet(cardSet);
    return Drawn(Store().backs[static_cast<size_t>(set)], BackPicture(Later().size, set), surface);
}

const CardPicture* CardBase(int16_t baseImage, const platform::PictureSurface& surface)
{
    if (!table::DrawableBase(baseImage)) return nullptr;
    return Drawn(Store().bases[static_cast<size_t>(baseImage)], BasePicture(Later().size, baseImage), surface);
}

const CardPicture* CardOutline(const platform::PictureSurface& surface)
{
    return Drawn(Store().outline, OutlinePicture(Later().size), surface);
}

CardLibrariesFound OpenCardLibraries()
{
    CardLibraries& l = Libraries();
    l.small.reset(OpenLibrary(kSmallLibrary));
    l.large.reset(OpenLibrary(kLargeLibrary));
    return {static_cast<bool>(l.small), static_cast<bool>(l.large)};
}

bool CardSizeAvailable(CardSize size)
{
    return static_cast<bool>(size == CardSize::Large ? Libraries().large : Libraries().small);
}

HMODULE CardLibrary(CardSize size) { return (size == CardSize::Large ? Libraries().large : Libraries().small).get(); }

bool CardPicturesLoaded(CardSize size)
{
    const CardImageStore& s = Store();
    return size == CardSize::Large ? s.largeLoaded : s.smallLoaded;
}

bool LoadCardPictures(CardSize size)
{
    if (CardPicturesLoaded(size)) return true;
    HMODULE library = (size == CardSize::Large ? Libraries().large : Libraries().small).get();
    if (!library) return false;
    ReleaseCardImages();
    if (!LoadSize(size, library)) {
        ReleaseCardImages();
        return false;
    }
    CardImageStore& s = Store();
    (size == CardSize::Large ? s.largeLoaded : s.smallLoaded) = true;
    return true;
}

void ReleaseCardImages()
{
    CardImageStore& s = Store();
    for (CardPicture& p : s.pips) p.bitmap.reset();
    for (CardPicture& p : s.courts) p.bitmap.reset();
    for (CardPicture& p : s.setAces) p.bitmap.reset();
    for (CardPicture& p : s.backs) p.bitmap.reset();
    for (CardPicture& p : s.bases) p.bitmap.reset();
    s.outline.bitmap.reset();
    s.markBrush.reset();
    Later() = {};
    s.smallLoaded = false;
    s.largeLoaded = false;
}

void CloseCardLibraries()
{
    CardLibraries& l = Libraries();
    l.small.reset();
    l.large.reset();
}

}  // namespace table
