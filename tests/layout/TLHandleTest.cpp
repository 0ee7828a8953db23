// The selection frame under the mouse and the keyboard: resize zones, dragging with the click
// rule, resizing, snapping, locked objects, clamping, and nudging.
#include "DesignerFixture.h"

namespace {

using TLHandleTest = DesignerFixture;

TEST(TLHandleZones, LaterTestsOverrideEarlierOnes)
{
    struct TCase {
        QPoint Point;
        QSize Size;
        int Zone;
    };
    const TCase cases[] = {
        {{0, 0}, {45, 25}, 1},  {{45, 25}, {45, 25}, 4}, {{44, 1}, {45, 25}, 2}, {{1, 24}, {45, 25}, 3},
        {{22, 0}, {45, 25}, 5}, {{22, 25}, {45, 25}, 7}, {{0, 12}, {45, 25}, 6}, {{45, 12}, {45, 25}, 8},
        {{20, 12}, {45, 25}, 0}, {{8, 0}, {45, 25}, 0}, // 8 pixels off a corner is the move zone
        {{1, 1}, {12, 12}, 6},  // on a small frame the side zones cover the corners
        {{6, 11}, {12, 12}, 8},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(TLHandle::Zone(c.Point, c.Size), c.Zone) << c.Point.x() << "," << c.Point.y();
}

TEST_F(TLHandleTest, DraggingTheFrame)
{
    struct TCase {
        const char* Name;
        std::vector<QRect> Objects;
        int LockedIndex; // -1: none
        QPoint Press;    // view pixels at 100 %
        QPoint Travel;
        int HoldMs;
        bool Snap8;
        std::vector<QRect> Expected;
    };
    const TCase cases[] = {
        {"a release within 150 ms is a click", {{50, 50, 40, 20}}, -1, {70, 60}, {60, 40}, 149, false, {{50, 50, 40, 20}}},
        {"move", {{50, 50, 40, 20}}, -1, {70, 60}, {20, 10}, 150, false, {{70, 60, 40, 20}}},
        {"bottom-right corner follows the mouse exactly", {{50, 50, 40, 20}}, -1, {92, 72}, {10, 10}, 300, false, {{50, 50, 50, 30}}},
        {"a one-pixel resize is one pixel", {{50, 50, 40, 20}}, -1, {92, 72}, {1, 0}, 300, false, {{50, 50, 41, 20}}},
        {"sizes stay at least 5", {{50, 50, 40, 20}}, -1, {92, 72}, {-60, -60}, 300, false, {{50, 50, 5, 5}}},
        {"top-left corner", {{50, 50, 40, 20}}, -1, {49, 49}, {-10, -5}, 300, false, {{40, 45, 50, 25}}},
        {"left side keeps the right edge at the minimum", {{50, 50, 40, 20}}, -1, {48, 60}, {80, 0}, 300, false, {{85, 50, 5, 20}}},
        {"snapping puts the object's edge on the grid", {{20, 20, 40, 20}}, -1, {40, 30}, {-7, 0}, 300, true, {{8, 16, 40, 20}}},
        {"snapped resize puts the right edge on the grid", {{8, 8, 40, 20}}, -1, {50, 18}, {13, 0}, 300, true, {{8, 8, 48, 20}}},
        {"a locked object stays", {{10, 10, 20, 20}, {50, 10, 20, 20}, {90, 10, 20, 20}}, 1, {20, 20}, {30, 40}, 300, false,
         {{40, 50, 20, 20}, {50, 10, 20, 20}, {120, 50, 20, 20}}},
        {"a move keeps the selection on the panel", {{250, 150, 40, 20}}, -1, {260, 160}, {200, 200}, 300, false, {{260, 180, 40, 20}}},
        {"and off the left edge too", {{20, 20, 40, 20}}, -1, {30, 30}, {-500, -500}, 300, false, {{0, 0, 40, 20}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Frame().ClearSelection();
        Panel.DeleteAllObjects();
        for (size_t i = 0; i < c.Objects.size(); ++i) {
            TLGraphicControl* object = AddBox(c.Objects[i]);
            object->Locked = int(i) == c.LockedIndex;
            Frame().Select(object);
        }
        Designer->SetSnapToGrid(c.Snap8);
        Designer->SetGridSize(c.Snap8 ? TGridSize::gs8x8 : TGridSize::gs4x4);
        Drag(c.Press, c.Press + c.Travel, c.HoldMs);
        for (size_t i = 0; i < c.Expected.size(); ++i)
            EXPECT_EQ(Panel.Objects()[i]->BoundsRect(), c.Expected[i]) << "object " << i;
        EXPECT_EQ(Frame().Count(), int(c.Objects.size())) << "the selection stays";
    }
}

TEST_F(TLHandleTest, ALockedFrameAndTheDoubleClickDelay)
{
    TLGraphicControl* box = AddBox({50, 50, 40, 20});
    Frame().Select(box);
    Frame().Locked = true;
    Drag({70, 60}, {100, 100});
    EXPECT_EQ(box->BoundsRect(), QRect(50, 50, 40, 20));
    Frame().Locked = false;

    // After a double-click the held button drags once more than 10 ms have passed.
    Send(QEvent::MouseButtonPress, {70, 60}, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, {70, 60}, Qt::LeftButton, Qt::NoButton);
    Send(QEvent::MouseButtonDblClick, {70, 60}, Qt::LeftButton, Qt::LeftButton);
    ASSERT_NE(Designer->CurrentMenu(), nullptr) << "double-clicking the single selection opens its menu";
    Designer->CurrentMenu()->close();
    Send(QEvent::MouseMove, {75, 60}, Qt::NoButton, Qt::LeftButton);
    Now += 11;
    Send(QEvent::MouseMove, {80, 60}, Qt::NoButton, Qt::LeftButton);
    Now += 200;
    Send(QEvent::MouseButtonRelease, {90, 60}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(box->Left(), 70);
}

TEST_F(TLHandleTest, CursorsShowWhatAPressWouldDo)
{
    TLGraphicControl* a = AddBox({50, 50, 40, 20});
    AddBox({150, 50, 40, 20});
    Frame().Select(a);
    struct TCase {
        QPoint At;
        Qt::CursorShape Cursor;
    };
    const TCase cases[] = {{{160, 60}, Qt::PointingHandCursor}, {{70, 60}, Qt::OpenHandCursor},
                           {{49, 49}, Qt::SizeFDiagCursor},     {{92, 49}, Qt::SizeBDiagCursor},
                           {{70, 48}, Qt::SizeVerCursor},       {{92, 60}, Qt::SizeHorCursor},
                           {{250, 150}, Qt::ArrowCursor}};
    for (const TCase& c : cases) {
        Send(QEvent::MouseMove, c.At, Qt::NoButton, Qt::NoButton);
        EXPECT_EQ(View->cursor().shape(), c.Cursor) << c.At.x() << "," << c.At.y();
    }
    Frame().Locked = true;
    Send(QEvent::MouseMove, {70, 60}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(View->cursor().shape(), Qt::ForbiddenCursor);
}

TEST_F(TLHandleTest, ShiftClickInsideTheFrameDropsTheObjectsUnderIt)
{
    TLGraphicControl* a = AddBox({10, 10, 40, 20});
    TLGraphicControl* b = AddBox({60, 10, 40, 20});
    TLGraphicControl* c = AddBox({30, 15, 40, 20}); // overlaps a and b
    TLPanelEditing::SelectAll(Frame());
    Click({35, 20}, Qt::ShiftModifier);
    EXPECT_EQ(Frame().Selection(), std::vector{b});
    (void)a;
    (void)c;
}

TEST_F(TLHandleTest, ArrowKeysNudgeOnReleaseWithinThePanel)
{
    TLGraphicControl* box = AddBox({0, 50, 40, 20});
    Frame().Select(box);
    View->setFocus();
    QTest::keyPress(View, Qt::Key_Left);
    QTest::keyPress(View, Qt::Key_Right);
    QTest::keyPress(View, Qt::Key_Right);
    QTest::keyPress(View, Qt::Key_Down);
    EXPECT_EQ(box->Left(), 0) << "applied on release only";
    QTest::keyRelease(View, Qt::Key_Down);
    EXPECT_EQ(box->BoundsRect(), QRect(2, 51, 40, 20)) << "left stopped at the edge";

    // Shift resizes a single object: not below 10, not past the panel.
    box->SetBounds(250, 50, 12, 20);
    for (int i = 0; i < 5; ++i)
        Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(box->Width(), 10);
    box->SetBounds(250, 50, 48, 20);
    for (int i = 0; i < 5; ++i)
        Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(box->Width(), 50);
    EXPECT_TRUE(Designer->CanUndo());
}

} // namespace
