#include <gtest/gtest.h>

#include <set>

#include "table/face_map.h"

using table::BuildFaceMap;
using table::CardSize;
using table::FaceSlot;
using table::PictureGroup;

TEST(FaceMap, CourtsAndTheAceOfSuitOneBelongToTheCardSet)
{
    struct Case {
        int set;
        int image;
        FaceSlot slot;
    };
    const Case cases[] = {
        {2, 13, {PictureGroup::SetAce, 2}},  // ace of suit 1
        {2, 10, {PictureGroup::Court, 24}},  // rank 10 of suit 0: 12 * 2 + 0
        {2, 14, {PictureGroup::Pip, 10}},    // rank 1 of suit 1: after suit 0's ten pips
        {0, 0, {PictureGroup::Pip, 0}},
        {0, 9, {PictureGroup::Pip, 9}},
        {0, 22, {PictureGroup::Pip, 18}},            // rank 9 of suit 1
        {0, 26, {PictureGroup::Pip, 19}},            // ace of suit 2
        {0, 39, {PictureGroup::Pip, 29}},            // ace of suit 3
        {0, 48, {PictureGroup::Pip, 38}},            // rank 9 of suit 3, the last pip
        {3, 51, {PictureGroup::Court, 47}},          // king of suit 3 in set 3: 36 + 9 + 2
        {1, 24, {PictureGroup::Court, 12 + 3 + 1}},  // queen of suit 1 in set 1
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildFaceMap(c.set)[static_cast<size_t>(c.image)], c.slot) << "set " << c.set << " card " << c.image;
}

TEST(FaceMap, EachCardSetUsesEveryPipOnceAndTwelveCourtsOfItsOwn)
{
    for (int set = 0; set < table::kCardSets; ++set) {
        std::set<int> pips, courts;
        for (const FaceSlot& s : BuildFaceMap(set)) {
            if (s.group == PictureGroup::Pip) pips.insert(s.index);
            if (s.group == PictureGroup::Court) courts.insert(s.index);
        }
        EXPECT_EQ(pips.size(), 39u);
        EXPECT_EQ(*pips.rbegin(), 38);
        ASSERT_EQ(courts.size(), 12u);
        EXPECT_EQ(*courts.begin(), 12 * set);
        EXPECT_EQ(*courts.rbegin(), 12 * set + 11);
    }
}

TEST(PictureNumbers, BothLibrariesInLoadOrder)
{
    for (CardSize size : {CardSize::Small, CardSize::Large}) {
        const int b = size == CardSize::Large ? 4000 : 3000;
        const auto order = table::PicturesInLoadOrder(size);
        EXPECT_EQ(order.size(), 114u);
        EXPECT_EQ(order[0], b);
        EXPECT_EQ(order[38], b + 38);
        EXPECT_EQ(order[39], b + 100);
        EXPECT_EQ(order[86], b + 147);
        EXPECT_EQ(order[87], b + 200);
        EXPECT_EQ(order[91], b + 300);
        EXPECT_EQ(order[95], b + 400);
        EXPECT_EQ(order[112], b + 417);
        EXPECT_EQ(order[113], b + 500);
    }
}
