// The layout workbench: a missing file starts empty, an edit shows "Save", saving writes the
// file that opens again; a report keeps its three bands and settings. Setting
// QUORVANE_LAYOUT_SNAPSHOTS=DIR keeps pictures of the designer (selections, rubber band, grid,
// menus) there for a look.
#include "DesignerFixture.h"

#include "layout/TLLabelObjectFiler.h"
#include "layout/TLLineShape.h"
#include "layout/TLPDLabel.h"

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "layout/TLayoutWorkbench.h"

#include <QDir>
#include <QPushButton>

namespace {

class TLayoutWorkbenchTest : public ::testing::Test {
protected:
    void SetUp() override { TScreenMetrics::SetPixelsPerInch(96); }
    void Drag(QWidget* view, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}, bool release = true)
    {
        auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, view->mapToGlobal(at), button, buttons, modifiers);
            QApplication::sendEvent(view, &event);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Now += 200;
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        if (release)
            send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        Now += 2000;
    }
    void Snapshot(QWidget& widget, const char* name)
    {
        const QString folder = qEnvironmentVariable("QUORVANE_LAYOUT_SNAPSHOTS");
        if (!folder.isEmpty())
            widget.grab().save(QDir(folder).filePath(QString::fromLatin1(name) + ".png"));
    }

    QTemporaryDir Folder;
    TTestClock Clock;
    qint64& Now = Clock.Now;
};

TEST_F(TLayoutWorkbenchTest, AMissingLabelStartsEmptyAndSavesWhatWasDrawn)
{
    const QString file = Folder.filePath(QStringLiteral("BIN00001.L"));
    {
        TLayoutWorkbench bench(file, TLayoutWorkbench::KindOf(file), QSize(400, 200));
        bench.show();
        TLayoutDesigner& designer = bench.Designer();
        EXPECT_EQ(designer.Kind(), TLDesignerKind::Label);
        EXPECT_TRUE(designer.Panel(0).Objects().empty());
        EXPECT_FALSE(bench.SaveButton()->isVisibleTo(&bench));
        designer.SetTool(QStringLiteral("Ellipse tool"));
        Drag(designer.View(0), {20, 20}, {120, 80});
        EXPECT_TRUE(bench.SaveButton()->isVisibleTo(&bench));
        ASSERT_TRUE(bench.SaveLayout());
        EXPECT_FALSE(bench.SaveButton()->isVisibleTo(&bench));
    }
    TLayoutWorkbench again(file, TLDesignerKind::Label, QSize(400, 200));
    ASSERT_EQ(again.Designer().Panel(0).Objects().size(), 1u);
    EXPECT_EQ(again.Designer().Panel(0).Objects()[0]->BoundsRect(), QRect(20, 20, 100, 60));
}

TEST_F(TLayoutWorkbenchTest, AReportKeepsItsBandsAndSettings)
{
    const QString file = Folder.filePath(QStringLiteral("BIN00001.R"));
    {
        TLOwner owner;
        TReportPanel header(&owner), detail(&owner), footer(&owner);
        footer.AddObject(std::make_unique<TLLineShape>(), QRect(5, 5, 100, 15));
        TLReportSettings settings;
        settings.FooterHeight = 40;
        settings.UseFooter = true;
        TLLabelObjectFiler().WriteReport(header, detail, footer, settings, file);
    }
    {
        TLayoutWorkbench bench(file, TLayoutWorkbench::KindOf(file));
        bench.show();
        TLayoutDesigner& designer = bench.Designer();
        ASSERT_EQ(designer.PanelCount(), 3);
        EXPECT_EQ(designer.Panel(2).Objects().size(), 1u);
        EXPECT_EQ(designer.Panel(2).Height, 40);
        designer.SetTool(QStringLiteral("Date Time Tool"));
        Drag(designer.View(0), {10, 5}, {90, 25});
        Snapshot(bench, "designer-report");
        ASSERT_TRUE(bench.SaveLayout());
    }
    TLOwner owner;
    TReportPanel header(&owner), detail(&owner), footer(&owner);
    TLReportSettings settings;
    TLLabelObjectFiler().ReadReport(header, detail, footer, settings, file);
    EXPECT_EQ(header.Objects().size(), 1u);
    EXPECT_EQ(footer.Objects().size(), 1u);
    EXPECT_TRUE(settings.UseFooter);
    EXPECT_EQ(settings.FooterHeight, 40);
}

TEST_F(TLayoutWorkbenchTest, RecordButtonsStepThroughTheTableAndStopAtItsEnds)
{
    const QString path = Folder.filePath(QStringLiteral("ADD0001.DBF"));
    ASSERT_TRUE(TAddressFiles::CreateAddressFile(path, TFieldLengths()));
    std::unique_ptr<TAddressTable> table = TAddressTable::Open(path);
    ASSERT_NE(table, nullptr);
    for (const char* last : {"Adams", "Baker", "Cole"}) {
        table->Table().appendBlank();
        table->SetFieldText(QStringLiteral("LNAME"), QString::fromLatin1(last));
    }
    table->Table().commit();
    table->Table().goTop();

    const QString file = Folder.filePath(QStringLiteral("BIN00003.L"));
    {
        TLLabelPanel panel;
        auto field = std::make_unique<TLPDLabel>();
        field->DataFieldDescript = QStringLiteral("Last Name");
        panel.AddObject(std::move(field), {5, 5, 100, 20});
        panel.SaveToFile(file);
    }
    TLayoutWorkbench bench(file, TLDesignerKind::Label, QSize(300, 100));
    TLayoutDesigner& designer = bench.Designer();
    auto* name = static_cast<TLPDLabel*>(designer.Panel(0).Objects()[0].get());
    bench.SetTable(table.get());
    EXPECT_EQ(name->Caption, QStringLiteral("Adams"));
    const std::pair<TLRecordStep, const char*> steps[] = {
        {TLRecordStep::Previous, "Adams"}, {TLRecordStep::Next, "Baker"}, {TLRecordStep::Last, "Cole"},
        {TLRecordStep::Next, "Cole"},      {TLRecordStep::First, "Adams"},
    };
    for (const auto& [step, expected] : steps) {
        designer.MoveRecord(step);
        EXPECT_EQ(name->Caption, QString::fromLatin1(expected));
    }
    designer.SetShowFieldNames(true);
    EXPECT_EQ(name->Caption, QStringLiteral("[Last Name]"));
    EXPECT_FALSE(bench.SaveButton()->isVisibleTo(&bench)) << "neither records nor field names are edits";
}

// Pictures for a look (the checks are light: that something was drawn where expected).
TEST_F(TLayoutWorkbenchTest, PicturesOfSelectionsBandGridAndMenus)
{
    const QString file = Folder.filePath(QStringLiteral("BIN00002.L"));
    TLPanelEditing::SetClipboardFile(Folder.filePath(QStringLiteral("Clipbrd.tmp")));
    TLayoutWorkbench bench(file, TLDesignerKind::Label, QSize(520, 300));
    bench.show();
    TLayoutDesigner& designer = bench.Designer();
    // The pictures show objects as drawn: no set-up dialogs (they would wait for a person).
    designer.SetObjectEditing(nullptr);
    TLDesignView* view = designer.View(0);
    const std::pair<const char*, QRect> drawn[] = {
        {"Text tool", {10, 10, 100, 20}},           {"Multi-line text tool", {10, 40, 120, 50}},
        {"Counter tool", {150, 10, 80, 20}},        {"Symbol tool", {150, 40, 40, 40}},
        {"Rectangle tool", {250, 10, 60, 40}},      {"Ellipse tool", {320, 10, 60, 40}},
        {"Round Rectangle tool", {390, 10, 60, 40}}, {"Line Tool", {470, 10, 30, 60}},
        {"Clip Art Tool", {10, 110, 80, 60}},       {"Postnet Barcode tool", {110, 110, 280, 20}},
        {"Database Field tool", {110, 150, 120, 20}}, {"Database Memo Field tool", {250, 150, 120, 40}},
        {"Database Mailing Address tool", {10, 200, 200, 70}},
    };
    for (const auto& [tool, rect] : drawn) {
        designer.SetTool(QString::fromLatin1(tool));
        Drag(view, rect.topLeft(), rect.bottomRight());
    }
    ASSERT_EQ(designer.Panel(0).Objects().size(), 13u);
    TLPanelEditing::SelectAll(view->Handle());
    view->Handle().ClearSelection();
    view->Handle().Select(designer.Panel(0).Objects()[4].get());
    const QImage single = view->Picture();
    EXPECT_EQ(single.pixelColor(248 - 2 + 2, 8 - 2 + 2), QColor(Qt::black)) << "a corner square";
    Snapshot(bench, "designer-one-selected");
    TLPanelEditing::SelectAll(view->Handle());
    Snapshot(bench, "designer-all-selected");
    view->Handle().ClearSelection();
    Drag(view, {300, 100}, {480, 280}, {}, false);
    Snapshot(bench, "designer-rubber-band");
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(480, 280), view->mapToGlobal(QPointF(480, 280)),
                        Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(view, &release);
    designer.SetGridSize(TGridSize::gs8x8);
    designer.SetShowGrid(true);
    Snapshot(bench, "designer-grid-8x8");
    designer.OpenPanelMenu(*view, bench.mapToGlobal(QPoint(200, 200)));
    Snapshot(*designer.CurrentMenu(), "designer-panel-menu");
    designer.CurrentMenu()->close();
    designer.OpenObjectMenu(*view, *designer.Panel(0).Objects()[0], bench.mapToGlobal(QPoint(200, 200)));
    Snapshot(*designer.CurrentMenu(), "designer-object-menu");
    designer.CurrentMenu()->close();
}

} // namespace
