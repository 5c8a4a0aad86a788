#include "platform/Twips.h"

#include <gtest/gtest.h>

using namespace platform;

// Layout sizes are whole pixels; a band's designed 1600 twips and a placement stored by hand
// go to the nearer pixel, down as well as up.
TEST(TwipsTest, FifteenToTheNearestPixel)
{
    EXPECT_EQ(Pixels(1440), 96);
    EXPECT_EQ(Pixels(1600), 107);
    EXPECT_EQ(Pixels(1597), 106);
    EXPECT_EQ(Pixels(7), 0);
    EXPECT_EQ(Pixels(-8), -1);
    EXPECT_EQ(Twips(96), 1440);
    EXPECT_EQ(PixelsRect(120, 300, 4635, 195), QRect(8, 20, 309, 13));
}
