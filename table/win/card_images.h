// The card-image libraries and the pictures of the card size in use.
#pragma once

#include <windows.h>

#include <array>

#include "platform/win/handles.h"
#include "platform/win/picture_surface.h"
#include "table/card_metrics.h"
#include "table/face_map.h"

namespace table {

// One loaded picture and the size and fan offsets it is drawn with; the
// sizes are the card size's constants, never the bitmap's own.
struct CardPicture {
    platform::Bitmap bitmap;
    int32_t width = 0;
    int32_t height = 0;
    int32_t fanX = 0;
    int32_t fanY = 0;

    explicit operator bool() const { return static_cast<bool>(bitmap); }
};

// Every picture of one card size.
struct CardImageStore {
    std::array<CardPicture, kPips> pips;
    std::array<CardPicture, kCourts> courts;
    std::array<CardPicture, kCardSets> setAces;
    std::array<CardPicture, kCardSets> backs;
    std::array<CardPicture, kBaseImages> bases;
    CardPicture outline;
    platform::Brush markBrush;  // the red band of a marked card
    bool smallLoaded = false;
    bool largeLoaded = false;
};

const CardImageStore& TheCardImages();

// Each picture below becomes a device bitmap for the surface's window when
// it is first asked for.
// The face of a card image index in a face map, or null for an index
// outside 0..51, no face map or a picture that is not loaded.
const CardPicture* CardFace(const FaceMap* faces, int16_t image, const platform::PictureSurface& surface);
// The back of a card set (0..3), or null.
const CardPicture* CardBack(int cardSet, const platform::PictureSurface& surface);
// The picture of an empty stack's base (0..17), or null.
const CardPicture* CardBase(int16_t baseImage, const platform::PictureSurface& surface);
// The frame drawn around a framed stack, or null.
const CardPicture* CardOutline(const platform::PictureSurface& surface);

// Which of the two libraries beside the program could be opened.
struct CardLibrariesFound {
    bool small = false;
    bool large = false;
    bool any() const { return small || large; }
};
CardLibrariesFound OpenCardLibraries();
bool CardSizeAvailable(CardSize size);
// The open library of a card size, or null.
HMODULE CardLibrary(CardSize size);
bool CardPicturesLoaded(CardSize size);
// Loads every picture of a size in place of the other size's; true when they
// are loaded (at once when they were already), false when they cannot be.
bool LoadCardPictures(CardSize size);
void ReleaseCardImages();
void CloseCardLibraries();

}  // namespace table
