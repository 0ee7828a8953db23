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

TEST(TWindowPlacement, ARectangleIsPulledBackWholeOntoTheAvailableArea)
{
    const QSize screen(800, 600);
    EXPECT_EQ(TWindowPlacement::KeptOnScreen(QRect(700, 100, 300, 200), screen), QRect(500, 100, 300, 200));
    EXPECT_EQ(TWindowPlacement::KeptOnScreen(QRect(10, 20, 300, 200), screen), QRect(10, 20, 300, 200));
    // Remembered on a larger screen: no larger than this one, and wholly on it.
    EXPECT_EQ(TWindowPlacement::KeptOnScreen(QRect(700, 500, 900, 700), screen), QRect(0, 0, 800, 600));
    EXPECT_EQ(TWindowPlacement::KeptOnScreen(QRect(-300, -40, 400, 300), screen), QRect(0, 0, 400, 300));
    // A panel along the top: the available area starts below it.
    const QRect belowPanel(0, 30, 1366, 738);
    EXPECT_EQ(TWindowPlacement::KeptOnScreen(QRect(100, 0, 820, 900), belowPanel), QRect(100, 30, 820, 738));
    EXPECT_EQ(TWindowPlacement::KeptOnScreen(QRect(1200, 700, 400, 300), belowPanel), QRect(966, 468, 400, 300));
}
