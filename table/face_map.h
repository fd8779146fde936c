// Which picture shows which card, and the picture numbers of the card-image
// libraries.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "table/card_metrics.h"

namespace table {

constexpr int kPips = 39;    // faces shared by every card set
constexpr int kCourts = 48;  // jack, queen, king of four suits, for four card sets
constexpr int kCardSets = 4;
constexpr int kBaseImages = 18;
constexpr int kPicturesPerSize = kPips + kCourts + kCardSets + kCardSets + kBaseImages + 1;

enum class PictureGroup : uint8_t { Pip, Court, SetAce };

struct FaceSlot {
    PictureGroup group;
    int16_t index;  // into the pips, the courts or the set aces
    bool operator==(const FaceSlot&) const = default;
};

using FaceMap = std::array<FaceSlot, 52>;

// The card set whose pictures are drawn: set 0 stands in for a set outside 0..3.
constexpr int DrawnCardSet(int cardSet) { return cardSet >= 0 && cardSet < kCardSets ? cardSet : 0; }

// Jack, queen and king of every suit and the ace of suit 1 show the card
// set's own pictures; the other 39 cards share pictures across card sets.
FaceMap BuildFaceMap(int cardSet);

// Library picture numbers: 3000 + n in the small-card library, 4000 + n in
// the large-card library.
constexpr int PictureBase(CardSize size) { return size == CardSize::Large ? 4000 : 3000; }
constexpr int PipPicture(CardSize size, int i) { return PictureBase(size) + i; }
constexpr int CourtPicture(CardSize size, int i) { return PictureBase(size) + 100 + i; }
constexpr int SetAcePicture(CardSize size, int set) { return PictureBase(size) + 200 + set; }
constexpr int BackPicture(CardSize size, int set) { return PictureBase(size) + 300 + set; }
constexpr int BasePicture(CardSize size, int base) { return PictureBase(size) + 400 + base; }
constexpr int OutlinePicture(CardSize size) { return PictureBase(size) + 500; }

// Every picture of a size in the order the host loads them: pips, courts,
// set aces, backs, base images, outline.
std::array<int, kPicturesPerSize> PicturesInLoadOrder(CardSize size);

}  // namespace table
