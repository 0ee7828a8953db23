// The designer component: tools and drawing, selecting by mouse, zoom, record buttons, the
// changed signal, report bands.
#include "DesignerFixture.h"

#include "layout/TLCounterLabel.h"
#include "layout/TLDataPanel.h"

#include "prompts/TScriptedUserPrompts.h"

#include <QSpinBox>
#include <QToolBar>

namespace {

using TLayoutDesignerTest = DesignerFixture;

TEST_F(TLayoutDesignerTest, EveryLabelToolDrawsItsKindWithItsSetUp)
{
    const std::pair<const char*, const char*> tools[] = {
        {"Text tool", "TLPLabel"},
        {"Multi-line text tool", "TLMultiLineLabel"},
        {"Counter tool", "TLCounterLabel"},
        {"Symbol tool", "TLSymbolLabel"},
        {"Rectangle tool", "TLLabelShapes"},
        {"Ellipse tool", "TLLabelShapes"},
        {"Round Rectangle tool", "TLLabelShapes"},
        {"Line Tool", "TLLineShape"},
        {"Clip Art Tool", "TLImage"},
        {"Postnet Barcode tool", "TLPostNetBarCode"},
        {"Database Field tool", "TLPDLabel"},
        {"Database Memo Field tool", "TLDMultiLineLabel"},
        {"Database Mailing Address tool", "TLDMultiLineAddressLabel"},
    };
    EXPECT_EQ(Designer->ToolCaptions().size(), 14);
    int dropped = 0;
    QObject::connect(Designer.get(), &TLayoutDesigner::ObjectDropped, [&dropped] { ++dropped; });
    for (const auto& [tool, kind] : tools) {
        SCOPED_TRACE(tool);
        Panel.DeleteAllObjects();
        TLGraphicControl* object = Draw(QString::fromLatin1(tool), {20, 30}, {120, 90});
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->ClassName(), QByteArray(kind));
        EXPECT_EQ(object->Tag, 7); // the set-up ran on it
        EXPECT_EQ(Editing.SetUp.last(), QString::fromLatin1(kind));
        EXPECT_EQ(object->Left(), 20);
        EXPECT_EQ(object->Top(), 30);
        EXPECT_EQ(Designer->Tool(), 0) << "back to the selection tool";
        EXPECT_TRUE(Panel.Pointing);
    }
    EXPECT_EQ(dropped, 13);
}

TEST_F(TLayoutDesignerTest, ASmallDragMakesAFiftyByFifteenObjectAndACancelledSetUpNone)
{
    TLGraphicControl* box = Draw(QStringLiteral("Rectangle tool"), {40, 50}, {43, 53});
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->BoundsRect(), QRect(40, 50, 50, 15));
    EXPECT_GT(ChangedCount, 0);

    Editing.Accept = false;
    EXPECT_EQ(Draw(QStringLiteral("Text tool"), {100, 100}, {200, 130}), nullptr);
    EXPECT_EQ(Panel.Objects().size(), 1u);
}

TEST_F(TLayoutDesignerTest, ClicksAndRubberBandsSelect)
{
    TLGraphicControl* a = AddBox({10, 10, 40, 20});
    TLGraphicControl* b = AddBox({100, 10, 40, 20});
    TLGraphicControl* c = AddBox({200, 100, 40, 20});
    Click({20, 20});
    EXPECT_EQ(Frame().Selection(), std::vector{a});
    Click({110, 20}, Qt::ShiftModifier);
    EXPECT_EQ(Frame().Selection(), (std::vector{a, b}));
    Click({150, 150});
    EXPECT_FALSE(Frame().Visible());

    Drag({5, 5}, {120, 40});
    EXPECT_EQ(Frame().Selection(), (std::vector{a, b}));
    // With Shift each object the band touches toggles.
    Drag({90, 5}, {245, 125}, 300, Qt::ShiftModifier);
    EXPECT_EQ(Frame().Selection(), (std::vector{a, c}));

    Frame().ClearSelection();
    c->Unselectable = true;
    Click({210, 110}); // an unselectable object takes the press as the background does
    EXPECT_FALSE(Frame().Visible());
}

TEST_F(TLayoutDesignerTest, ZoomStepsWithinTheRangeAndDropsTheSelection)
{
    TLGraphicControl* a = AddBox({10, 10, 40, 20});
    Frame().Select(a);
    for (int i = 0; i < 5; ++i)
        Key(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(Designer->ZoomPercent(), 50);
    EXPECT_FALSE(Frame().Visible());
    Designer->ZoomOut();
    EXPECT_EQ(Designer->ZoomCaption(), QStringLiteral("40%"));
    Designer->ZoomOut();
    EXPECT_EQ(Designer->ZoomPercent(), 40);
    EXPECT_EQ(Designer->ZoomSpinner()->text(), QStringLiteral("40%"));
    EXPECT_DOUBLE_EQ(Panel.Zoom(), 0.4);
    EXPECT_EQ(View->size(), QSize(120, 80));

    Designer->SetZoomRange(50, 150);
    EXPECT_EQ(Designer->ZoomPercent(), 50);
    Designer->SetZoomPercent(150);
    Key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(Designer->ZoomPercent(), 150);
    // Objects keep their layout bounds; the mouse is scaled.
    Click({20, 20});
    EXPECT_EQ(Frame().Selection(), std::vector{a});
}

TEST_F(TLayoutDesignerTest, RecordButtonsRefreshThenResetOrAdvanceCounters)
{
    auto* counter = static_cast<TLCounterLabel*>(Panel.AddObject(Panel.CreateObject(TLPanelState::psCounterLabel), {10, 10, 60, 20}));
    Designer->PanelsReset();
    std::vector<TLRecordStep> moves;
    Designer->SetRecordMover([&moves](TLRecordStep step) {
        moves.push_back(step);
        return true;
    });
    Designer->MoveRecord(TLRecordStep::Next);
    Designer->MoveRecord(TLRecordStep::Last);
    EXPECT_EQ(counter->Value(), 1002);
    Designer->MoveRecord(TLRecordStep::First);
    EXPECT_EQ(counter->Value(), 1000);
    EXPECT_EQ(moves, (std::vector{TLRecordStep::Next, TLRecordStep::Last, TLRecordStep::First}));
    EXPECT_FALSE(Designer->CanUndo()) << "stepping through records is no edit";
}

TEST_F(TLayoutDesignerTest, ReportBandsFollowTheirToolRules)
{
    TScriptedUserPrompts prompts;
    TLOwner owner;
    TReportPanel header(&owner), detail(&owner), footer(&owner);
    header.Kind = TRPanelKind::rpkHeader;
    footer.Kind = TRPanelKind::rpkFooter;
    TLayoutDesigner report(TLDesignerKind::Report);
    TLDesignView* views[] = {report.AddPanel(header), report.AddPanel(detail), report.AddPanel(footer)};
    report.show();
    EXPECT_EQ(report.ToolCaptions().size(), 11);

    report.SetTool(QStringLiteral("Database Field tool"));
    EXPECT_FALSE(header.DrawingAllowed);
    EXPECT_TRUE(detail.DrawingAllowed);
    Drag({10, 5}, {60, 25}, 300, {}, views[0]);
    EXPECT_TRUE(header.Objects().empty());
    EXPECT_EQ(report.Tool(), 4) << "a refused drag keeps the tool";
    Drag({10, 5}, {60, 25}, 300, {}, views[1]);
    ASSERT_EQ(detail.Objects().size(), 1u);
    EXPECT_EQ(detail.Objects()[0]->ClassName(), QByteArray("TLPDLabel"));

    // The band kind refuses on its own, with the band's message.
    detail.SetPanelState(TRPanelState::psPageNumber);
    report.DropOn(*views[1], QRect(10, 5, 40, 20));
    EXPECT_EQ(detail.Objects().size(), 1u);
    EXPECT_EQ(prompts.Texts(), QStringList{QStringLiteral("This object may only be used in the header or footer bands")});
}

TEST_F(TLayoutDesignerTest, EnvelopePaletteDrawsFimBarcodes)
{
    TEnvelopePanel envelope;
    envelope.SetSize(400, 200);
    TLayoutDesigner designer(TLDesignerKind::Envelope);
    TLDesignView* view = designer.AddPanel(envelope);
    designer.show();
    EXPECT_EQ(designer.ToolCaptions().size(), 12);
    designer.SetTool(QStringLiteral("FIM Barcode tool"));
    EXPECT_FALSE(envelope.Pointing);
    Drag({300, 5}, {330, 60}, 300, {}, view);
    ASSERT_EQ(envelope.Objects().size(), 1u);
    EXPECT_EQ(envelope.Objects()[0]->ClassName(), QByteArray("TLFIMBarCode"));
    EXPECT_TRUE(envelope.Pointing);
    // The envelope's zoom range.
    designer.SetZoomPercent(10);
    EXPECT_EQ(designer.ZoomPercent(), 50);
}

} // namespace
