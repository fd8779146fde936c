#include "table/face_map.h"

namespace table {

FaceMap BuildFaceMap(int cardSet)
{
    FaceMap map{};
    int16_t nextPip = 0;
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 13; ++rank) {
            FaceSlot& slot = map[static_cast<size_t>(suit * 13 + rank)];
            if (rank >= 10)
                slot = {PictureGroup::Court, static_cast<int16_t>(12 * cardSet + 3 * suit + (rank - 10))};
            else if (suit == 1 && rank == 0)
                slot = {PictureGroup::SetAce, static_cast<int16_t>(cardSet)};
            else
                slot = {PictureGroup::Pip, nextPip++};
        }
    }
    return map;
}

std::array<int, kPicturesPerSize> PicturesInLoadOrder(CardSize size)
{
    std::array<int, kPicturesPerSize> order{};
    size_t n = 0;
    for (int i = 0; i < kPips; ++i) order[n++] = PipPicture(size, i);
    for (int i = 0; i < kCourts; ++i) order[n++] = CourtPicture(size, i);
    for (int i = 0; i < kCardSets; ++i) order[n++] = SetAcePicture(size, i);
    for (int i = 0; i < kCardSets; ++i) order[n++] = BackPicture(size, i);
    for (int i = 0; i < kBaseImages; ++i) order[n++] = BasePicture(size, i);
    order[n++] = OutlinePicture(size);
    return order;
}

}  // namespace table
