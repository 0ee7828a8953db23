// The panel model: adding and naming, zoom, keeping objects inside, counters and change events.
#include "layout/TLCounterLabel.h"
#include "layout/TLLabelPanel.h"
#include "layout/TLLineShape.h"
#include "layout/TLPLabel.h"

#include <gtest/gtest.h>

TEST(TLBasePanel, AddsNamesAndSizesNewObjects)
{
    TLBasePanel panel;
    int changes = 0;
    panel.LabelChangedEvent = [&](TLBasePanel* sender) {
        EXPECT_EQ(sender, &panel);
        ++changes;
    };
    TLGraphicControl* first = panel.AddObject(std::make_unique<TLLineShape>(), QRect(5, 6, 2, 3));
    TLGraphicControl* second = panel.AddObject(std::make_unique<TLLineShape>(), QRect(5, 6, 20, 30));
    EXPECT_EQ(first->Name, QStringLiteral("Special1"));
    EXPECT_EQ(second->Name, QStringLiteral("Special2"));
    EXPECT_EQ(first->BoundsRect(), QRect(5, 6, 10, 15));
    EXPECT_EQ(changes, 2);
}

TEST(TLBasePanel, NamesStayUniqueAcrossPanelsAndPastAThousand)
{
    TLOwner owner;
    TLBasePanel first(&owner), second(&owner);
    for (int i = 1; i <= 1000; ++i) {
        auto line = std::make_unique<TLLineShape>();
        line->Name = QStringLiteral("Special") + QString::number(i);
        (i % 2 ? first : second).Adopt(std::move(line));
    }
    EXPECT_EQ(first.UniqueName(QStringLiteral("Special")), QStringLiteral("Special1001"));
    EXPECT_EQ(second.UniqueName(QStringLiteral("Other")), QStringLiteral("Other1"));
}

TEST(TLBasePanel, ZoomScalesTheViewWithoutMovingObjects)
{
    TLBasePanel panel;
    TLGraphicControl* line = panel.AddObject(std::make_unique<TLLineShape>(), QRect(33, 47, 101, 20));
    for (const double zoom : {0.4, 1.6, 0.3, 1.0})
        panel.SetZoom(zoom);
    EXPECT_EQ(line->BoundsRect(), QRect(33, 47, 101, 20));
    panel.SetZoom(1.6);
    EXPECT_EQ(line->Zoom(), 1.6);
    EXPECT_EQ(line->ViewRect(), QRectF(33 * 1.6, 47 * 1.6, 101 * 1.6, 20 * 1.6));
}

TEST(TLBasePanel, PullsInsideAndDeletesOutside)
{
    TLBasePanel panel;
    panel.SetSize(100, 100);
    TLGraphicControl* far = panel.AddObject(std::make_unique<TLLineShape>(), QRect(95, 95, 10, 15));
    panel.PullObjectsInside();
    EXPECT_EQ(far->BoundsRect().topLeft(), QPoint(80, 90));

    TLBasePanel other;
    other.SetSize(100, 100);
    other.AddObject(std::make_unique<TLLineShape>(), QRect(50, 91, 10, 15));
    TLGraphicControl* kept = other.AddObject(std::make_unique<TLLineShape>(), QRect(89, 90, 10, 15));
    other.AddObject(std::make_unique<TLLineShape>(), QRect(91, 10, 10, 15));
    other.DeleteObjectsOutside();
    ASSERT_EQ(other.Objects().size(), 1u);
    EXPECT_EQ(other.Objects()[0].get(), kept);
}

TEST(TLLabelPanel, DropCreatesTheToolsObjectAtLeastFiftyByFifteen)
{
    TLLabelPanel panel;
    panel.SetPanelState(TLPanelState::psLine);
    EXPECT_FALSE(panel.Pointing);
    panel.DropObject(QRect(40, 30, 3, 3));
    ASSERT_EQ(panel.Objects().size(), 1u);
    auto* line = dynamic_cast<TLLineShape*>(panel.Objects()[0].get());
    ASSERT_TRUE(line);
    EXPECT_EQ(line->BoundsRect(), QRect(40, 30, 50, 15));
    EXPECT_EQ(line->LineStyle, TLineStyle::stVertical);

    panel.SetPanelState(TLPanelState::psImage);
    panel.DropObject(QRect(0, 0, 30, 30));
    EXPECT_EQ(panel.PanelState(), TLPanelState::psPointing);
    EXPECT_TRUE(panel.Pointing);

    panel.SetPanelState(TLPanelState::psCounterLabel);
    panel.DropObject(QRect(0, 0, 30, 30));
    auto* counter = dynamic_cast<TLCounterLabel*>(panel.Objects().back().get());
    ASSERT_TRUE(counter);
    EXPECT_EQ(counter->Startingnumber(), 1000);
    EXPECT_EQ(counter->Caption, QStringLiteral("1000"));
}

TEST(TLBasePanel, CountersResetAndAdvanceThroughThePanel)
{
    TLBasePanel panel;
    auto* counter = static_cast<TLCounterLabel*>(panel.AddObject(std::make_unique<TLCounterLabel>(), QRect(0, 0, 50, 20)));
    panel.AdvanceCounters();
    panel.AdvanceCounters();
    EXPECT_EQ(counter->Value(), 3);
    panel.ResetCounters();
    EXPECT_EQ(counter->Value(), 1);
}
