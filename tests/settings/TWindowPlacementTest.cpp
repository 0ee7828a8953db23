#include "settings/TScreenMetrics.h"
#include "settings/TWindowPlacement.h"

#include <gtest/gtest.h>

TEST(TWindowPlacement, SectionCarriesThePixelsPerInchAbove96)
{
    TScreenMetrics::SetPixelsPerInch(96);
    EXPECT_EQ(TWindowPlacement::SectionName("TAddressMain"), "TAddressMain_Placement");
    TScreenMetrics::SetPixelsPerInch(120);
    EXPECT_EQ(TWindowPlacement::SectionName("TAddressMain"), "TAddressMain_Placement120");
    TScreenMetrics::SetPixelsPerInch(0);
}

TEST(TWindowPlacement, ARectangleOffTheScreenIsMovedInsideNeverBelowOne)
{
    const QSize screen(800, 600);
    EXPECT_EQ(TWindowPlacement::KeptOnScreen(QRect(700, 100, 300, 200), screen), QRect(500, 100, 300, 200));
    EXPECT_EQ(TWindowPlacement::KeptOnScreen(QRect(700, 500, 900, 700), screen), QRect(1, 1, 900, 700));
    EXPECT_EQ(TWindowPlacement::KeptOnScreen(QRect(10, 20, 300, 200), screen), QRect(10, 20, 300, 200));
}
