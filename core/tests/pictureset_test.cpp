// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pictureset.h"

#include <gtest/gtest.h>

namespace ttt {
namespace {

TEST(PictureSet, EachSetOwnsThreePicturesInTurn)
{
    struct Case
    {
        int number, free, x, o;
    };
    const Case cases[] = {{1, 1, 2, 3}, {6, 16, 17, 18}, {12, 34, 35, 36}};
    for (const Case& c : cases) {
        const PictureSet set = PictureSet::numbered(c.number);
        EXPECT_EQ(set.firstPicture(), c.free);
        EXPECT_EQ(set.picture(Mark::X), c.x);
        EXPECT_EQ(set.picture(Mark::O), c.o);
        for (const int picture : {c.free, c.x, c.o})
            EXPECT_EQ(PictureSet::holding(picture), set) << picture;
        EXPECT_EQ(PictureSet::markShownBy(c.x), Mark::X);
    }
    EXPECT_EQ(PictureSet().firstPicture(), 16);
    EXPECT_EQ(PictureSet::pictureCount, 36);
}

TEST(PictureSet, EveryPictureBelongsToOneSet)
{
    for (int picture = 1; picture <= PictureSet::pictureCount; ++picture) {
        const PictureSet set = PictureSet::holding(picture);
        EXPECT_EQ(set.picture(PictureSet::markShownBy(picture)), picture);
    }
    EXPECT_FALSE(PictureSet::isPicture(0));
    EXPECT_FALSE(PictureSet::isPicture(37));
}

} // namespace
} // namespace ttt
