#include "LabelsTestEnvironment.h"

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "labels/TLabelCatalogue.h"
#include "labels/TLabelDesignRules.h"
#include "labels/TLabelDesignScreen.h"
#include "layout/TLDMultiLineAddressLabel.h"
#include "layout/TLDesignView.h"
#include "layout/TLMultiLineBaseLabel.h"
#include "layout/TLayoutDesigner.h"
#include "layout/TLayoutUnits.h"
#include "settings/TIniFile.h"
#include "settings/TScreenMetrics.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

namespace {

class TLabelDesignScreenTest : public TLabelsTest {
protected:
    void SetUp() override
    {
        TLabelsTest::SetUp();
        TScreenMetrics::SetPixelsPerInch(96);
        TLayoutUnits::SetPixelsPerInch(96);
    }
    QString Sysdata() const { return TProgramFolder::SysdataFolder(); }

    static TLabelStock WideStock(double width)
    {
        TLabelStock stock = TLabelStock::NewStock();
        stock.LabelWidth = TInches(width);
        stock.HorizontalPitch = TInches(width + 0.1);
        stock.Across = 1;
        return stock;
    }
    static std::unique_ptr<TLabelDesignScreen> Screen(const TLabelStock& stock, const QString& layoutFile = {})
    {
        TLabelSetup setup;
        setup.Description = QStringLiteral("Test");
        setup.Stock = stock;
        setup.LayoutFile = layoutFile;
        auto screen = std::make_unique<TLabelDesignScreen>(setup, false, nullptr);
        screen->show();
        return screen;
    }
    static int ObjectsOf(const TLBasePanel& panel, const QByteArray& className)
    {
        return int(std::count_if(panel.Objects().begin(), panel.Objects().end(),
                                 [&](const auto& object) { return object->ClassName() == className; }));
    }
    // Runs `act` on the modal design screen once its event loop is running.
    static void WhenShown(std::function<void(TLabelDesignScreen&)> act)
    {
        QTimer::singleShot(0, [act] {
            auto* screen = qobject_cast<TLabelDesignScreen*>(QApplication::activeModalWidget());
            ASSERT_TRUE(screen);
            act(*screen);
            if (screen->isVisible())
                static_cast<QDialog*>(screen)->done(QDialog::Rejected);
        });
    }
    static ino_t Inode(const QString& path)
    {
        struct stat info {};
        ::stat(path.toLocal8Bit().constData(), &info);
        return info.st_ino;
    }
};

TEST_F(TLabelDesignScreenTest, NewSetupOpensWithTheAddressObjectAndSavesRowAfterFile)
{
    InstallCatalogue();
    auto setups = TLabelSetups::Open();
    ASSERT_TRUE(setups);
    WhenShown([&](TLabelDesignScreen& screen) {
        TLabelDesignPanel& panel = screen.Panel();
        EXPECT_EQ(QSize(panel.Width, panel.Height), QSize(252, 96)); // 2.625 x 1 inch
        EXPECT_EQ(panel.Shape, TLabelShapeType::lsRoundRect);
        ASSERT_EQ(panel.Objects().size(), 1u);
        const TLGraphicControl& address = *panel.Objects().front();
        EXPECT_EQ(address.ClassName(), "TLDMultiLineAddressLabel");
        EXPECT_EQ(address.BoundsRect(), QRect(5, 5, 252 - 15, 96 - 15)); // 5 inside top-left, 10 inside bottom-right
        EXPECT_EQ(screen.Designer().Tool(), 0);
        // The catalogue's 5160 row, the sheet the new stock names, so the template list finds it.
        EXPECT_EQ(screen.LayoutAction->text(), "Layout:  Avery 5160  Address Labels");
        EXPECT_EQ(screen.DescriptionEdit->text(), "<New Label>");
        EXPECT_FALSE(screen.ShowArtAction->isEnabled());
        EXPECT_TRUE(screen.SaveVisible());
        ASSERT_EQ(Prompts.Texts().size(), 1);
        EXPECT_TRUE(Prompts.Texts().front().startsWith("A new label has been created using the Avery 5160"));
        EXPECT_TRUE(setups->Setups().empty()); // nothing stored before Save
        screen.SaveButtonClick();
    });
    const std::optional<TLabelSetup> saved = TLabelDesignScreen::New(*setups, nullptr, nullptr);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Description, "<New Label>");
    EXPECT_DOUBLE_EQ(saved->Stock.HorizontalPitch.Value(), 2.75);
    EXPECT_DOUBLE_EQ(saved->Stock.VerticalPitch.Value(), 1.0);
    EXPECT_EQ(saved->LayoutFile, "BIN00001.L");
    EXPECT_EQ(saved->Stock, TLabelCatalogue::NewSetupStock());
    TLLabelPanel reread;
    reread.LoadFromFile(Sysdata() + saved->LayoutFile);
    EXPECT_EQ(ObjectsOf(reread, "TLDMultiLineAddressLabel"), 1);

    // Cancelling a new setup and answering "No" to "Save changes?" stores nothing.
    Prompts.Answer(TYesNoCancel::yncNo);
    WhenShown([](TLabelDesignScreen& screen) { screen.CancelButton->click(); });
    EXPECT_FALSE(TLabelDesignScreen::New(*setups, nullptr, nullptr));
    EXPECT_EQ(setups->Setups().size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(Sysdata() + "BIN00002.L"));
}

TEST_F(TLabelDesignScreenTest, BarcodeToolsNeedTheirWidth)
{
    const double imb = TLabelDesignRules::BarcodeRules().at(1).MinimumWidth.Value();
    EXPECT_DOUBLE_EQ(imb, 3.21); // 2.9512 inches of bars and two clear zones of 0.125
    struct TCase {
        const char* Tool;
        double Width;
        bool Taken;
    } const cases[] = {{"Postnet Barcode tool", 2.85, true},
                       {"Postnet Barcode tool", 2.84, false},
                       {"Postnet Barcode tool", 2.8499999, true}, // single precision read back
                       {"Intelligent Mail Barcode tool", 3.21, true},
                       {"Intelligent Mail Barcode tool", 3.20, false}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Tool) + " at " + std::to_string(c.Width));
        Prompts.Clear();
        auto screen = Screen(WideStock(c.Width));
        const bool imbTool = QString::fromLatin1(c.Tool).startsWith("Intelligent");
        if (imbTool)
            screen->IMbAction->trigger();
        else
            screen->Designer().SetTool(QString::fromLatin1(c.Tool));
        const bool taken = imbTool ? screen->Panel().IMbTool() && screen->IMbAction->isChecked()
                                   : screen->Designer().Tool() != 0;
        EXPECT_EQ(taken, c.Taken);
        EXPECT_EQ(screen->Panel().Pointing, !c.Taken);
        if (c.Taken) {
            EXPECT_TRUE(Prompts.Texts().isEmpty());
        } else {
            ASSERT_EQ(Prompts.Texts().size(), 1);
            EXPECT_TRUE(Prompts.Texts().front().startsWith("This label is not wide enough for a")) << Prompts.Texts().front().toStdString();
            // It says how wide this label is and where a wider one is chosen.
            EXPECT_TRUE(Prompts.Texts().front().contains("inches wide")) << Prompts.Texts().front().toStdString();
            EXPECT_TRUE(Prompts.Texts().front().contains("Settings > Layout"));
        }
    }
}

TEST_F(TLabelDesignScreenTest, IMbToolDrawsItsBarcodeAtFullLengthThenReturnsToSelection)
{
    auto screen = Screen(WideStock(4.0));
    screen->IMbAction->trigger();
    screen->Designer().DropOn(*screen->Designer().View(0), QRect(10, 10, 40, 8));
    ASSERT_EQ(ObjectsOf(screen->Panel(), "TLIMBarCode"), 1);
    const TLGraphicControl& barcode = *screen->Panel().Objects().back();
    EXPECT_GE(barcode.Width(), 284); // 2.9512 inches of bars at 96 per inch
    EXPECT_GE(barcode.Height(), 14);
    EXPECT_FALSE(screen->Panel().IMbTool());
    EXPECT_FALSE(screen->IMbAction->isChecked());
    EXPECT_TRUE(screen->Panel().Pointing);
    EXPECT_TRUE(screen->SaveVisible());

    // Another tool puts the IMb tool down again.
    screen->IMbAction->trigger();
    screen->Designer().SetTool(QStringLiteral("Text tool"));
    EXPECT_FALSE(screen->Panel().IMbTool());
    EXPECT_FALSE(screen->IMbAction->isChecked());
}

TEST_F(TLabelDesignScreenTest, NarrowerLayoutRemovesTheFirstPostnetWithOneWarningAndPullsObjectsIn)
{
    InstallCatalogue();
    auto screen = Screen(WideStock(4.0));
    TLabelDesignPanel& panel = screen->Panel();
    TLGraphicControl* first = panel.AddObject(panel.CreateObject(TLPanelState::psPostNetBarCode), QRect(10, 10, 260, 16));
    panel.AddObject(panel.CreateObject(TLPanelState::psPostNetBarCode), QRect(10, 50, 260, 16));
    TLGraphicControl* far = panel.AddObject(panel.CreateObject(TLPanelState::psRectangle), QRect(350, 90, 20, 10));
    screen->Designer().PanelsReset();
    screen->Designer().Handle(0).Select(first);
    Prompts.Clear();
    screen->ChooseLayout = [](QWidget*) { return TLabelLayoutChoice::lcTemplate; };
    screen->SelectTemplate = [](TLabelStock& stock, QWidget*) {
        const std::optional<TLabelStock> sheet = TLabelCatalogue::Open()->Find(QStringLiteral("Avery 5160  Address Labels"));
        if (sheet)
            stock.TakeTemplate(*sheet);
        return sheet.has_value();
    };
    screen->LayoutClick();

    EXPECT_EQ(QSize(panel.Width, panel.Height), QSize(252, 96));
    EXPECT_EQ(ObjectsOf(panel, "TLPostNetBarCode"), 1);
    EXPECT_EQ(panel.Objects().front()->Top(), 50); // the first one went
    EXPECT_TRUE(screen->Designer().Handle(0).Selection().empty());
    ASSERT_EQ(Prompts.Texts().size(), 1);
    EXPECT_TRUE(Prompts.Texts().front().startsWith("Warning: This label is not wide enough for a \npostnet barcode"));
    EXPECT_EQ(far->Left(), 252 - 20);
    EXPECT_EQ(far->Top(), 96 - 10);
    EXPECT_EQ(screen->LayoutAction->text(), "Layout:  Avery 5160  Address Labels");
    EXPECT_TRUE(screen->SaveVisible());

    // A typed stock has no art: "Show art" goes up and off.
    screen->ChooseLayout = [](QWidget*) { return TLabelLayoutChoice::lcManual; };
    screen->EditLayout = [](TLabelStock& stock, QWidget*) {
        stock.Manufacturer = QStringLiteral("USER");
        stock.Art.clear();
        return true;
    };
    screen->ShowArtAction->setEnabled(true);
    screen->ShowArtAction->setChecked(true);
    screen->LayoutClick();
    EXPECT_FALSE(screen->ShowArtAction->isEnabled());
    EXPECT_FALSE(screen->ShowArtAction->isChecked());
    EXPECT_TRUE(panel.Picture.Empty());
    EXPECT_EQ(screen->LayoutAction->text(), "Layout:  User Defined Label Layout");
}

TEST_F(TLabelDesignScreenTest, ZoomKeysStayBetween40And160)
{
    auto screen = Screen(TLabelStock::NewStock());
    const auto press = [&](int key, int times) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(screen.get(), Qt::Key(key), Qt::KeypadModifier);
        return screen->Designer().ZoomCaption();
    };
    EXPECT_EQ(screen->Designer().ZoomCaption(), "100%");
    EXPECT_EQ(press(Qt::Key_Minus, 5), "50%");
    EXPECT_EQ(press(Qt::Key_Minus, 1), "40%");
    EXPECT_EQ(press(Qt::Key_Minus, 1), "40%");
    EXPECT_EQ(press(Qt::Key_Plus, 13), "160%");
    // The surface keeps its size at 100 %: zoom only scales the view.
    EXPECT_EQ(screen->Panel().Width, 252);
}

TEST_F(TLabelDesignScreenTest, SaveRewritesTheLayoutThroughRenameAndCancelLeavesRowAndFile)
{
    auto setups = TLabelSetups::Open();
    ASSERT_TRUE(setups);
    const TLabelStock stock = TLabelStock::NewStock();
    const TLabelSetup stored = setups->Add(QStringLiteral("Office"), stock, [&](const QString& path) {
        TLabelSetups::WriteNewLabelLayout(stock, path);
    });
    const QString file = Sysdata() + stored.LayoutFile;
    const ino_t before = Inode(file);

    // A store that fails keeps the screen open with the design.
    WhenShown([&](TLabelDesignScreen& screen) {
        screen.OnSave = [](TLabelDesignScreen&) { throw std::runtime_error("disk full"); };
        screen.SaveButtonClick();
        EXPECT_TRUE(screen.isVisible());
        EXPECT_EQ(Prompts.Texts().back(), "disk full");
    });
    EXPECT_FALSE(TLabelDesignScreen::Modify(*setups, stored.RecordNumber, nullptr, nullptr));

    const QString typed(60, QLatin1Char('x'));
    WhenShown([&](TLabelDesignScreen& screen) {
        EXPECT_EQ(screen.DescriptionEdit->text(), "Office");
        EXPECT_EQ(screen.Panel().Objects().size(), 1u); // the file was loaded
        EXPECT_FALSE(screen.SaveVisible());
        TLabelDesignPanel& panel = screen.Panel();
        panel.AddObject(panel.CreateObject(TLPanelState::psRectangle), QRect(10, 10, 30, 20));
        panel.AddObject(panel.CreateObject(TLPanelState::psRectangle), QRect(400, 10, 30, 20)); // outside
        screen.DescriptionEdit->setFocus();
        screen.DescriptionEdit->selectAll();
        QTest::keyClicks(screen.DescriptionEdit, typed + "yz");
        EXPECT_EQ(screen.DescriptionEdit->text().size(), 60);
        EXPECT_TRUE(screen.SaveVisible());
        screen.SaveButtonClick();
    });
    const std::optional<TLabelSetup> saved = TLabelDesignScreen::Modify(*setups, stored.RecordNumber, nullptr, nullptr);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Description, typed.left(50));
    EXPECT_EQ(saved->LayoutFile, stored.LayoutFile);
    EXPECT_NE(Inode(file), before); // a new file renamed over the old one, never rewritten in place
    TLLabelPanel reread;
    reread.LoadFromFile(file);
    EXPECT_EQ(reread.Objects().size(), 2u); // the object outside the label was dropped

    // A setup whose file went missing: Cancel takes no new name and writes nothing.
    ASSERT_TRUE(QFile::remove(file));
    WhenShown([&](TLabelDesignScreen& screen) {
        EXPECT_TRUE(screen.Panel().Objects().empty());
        screen.DescriptionEdit->setText("changed");
        screen.CancelButton->click();
    });
    EXPECT_FALSE(TLabelDesignScreen::Modify(*setups, stored.RecordNumber, nullptr, nullptr));
    const std::optional<TLabelSetup> after = setups->Find(stored.RecordNumber);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->Description, saved->Description);
    EXPECT_EQ(after->LayoutFile, stored.LayoutFile);
    EXPECT_TRUE(QDir(Sysdata()).entryList({"BIN*"}).isEmpty());
}

TEST_F(TLabelDesignScreenTest, RecordButtonsMoveTheAddressTableAndStopAtItsEnds)
{
    QDir().mkpath(TProgramFolder::DataFolder());
    const QString path = TProgramFolder::DataFolder() + "ADD0001.DBF";
    ASSERT_TRUE(TAddressFiles::CreateAddressFile(path, TFieldLengths()));
    std::unique_ptr<TAddressTable> table = TAddressTable::Open(path);
    ASSERT_TRUE(table);
    for (const char* city : {"Aurora", "Boston", "Chicago"}) {
        table->Table().appendBlank();
        table->SetFieldText("LNAME", "Smith");
        table->SetFieldText("CITY", city);
    }
    table->Table().commit();
    table->Table().goTop();

    TLabelSetup setup;
    setup.Stock = TLabelStock::NewStock();
    TLabelDesignScreen screen(setup, true, table.get());
    screen.show();
    const auto* address = dynamic_cast<const TLMultiLineBaseLabel*>(screen.Panel().Objects().front().get());
    ASSERT_TRUE(address);
    // The table's city after the move, and whether the address object shows it.
    const auto step = [&](TLRecordStep move) {
        screen.Designer().MoveRecord(move);
        const QString city = table->FieldText("CITY");
        return city + (address->Lines().join(' ').contains(city, Qt::CaseInsensitive) ? " shown" : " not shown");
    };
    EXPECT_EQ(step(TLRecordStep::Last), "Chicago shown");
    EXPECT_EQ(step(TLRecordStep::Next), "Chicago shown"); // stays on the last record
    EXPECT_EQ(step(TLRecordStep::Previous), "Boston shown");
    EXPECT_EQ(step(TLRecordStep::First), "Aurora shown");
    EXPECT_EQ(step(TLRecordStep::Previous), "Aurora shown"); // stays on the first record
}

TEST_F(TLabelDesignScreenTest, DefaultFontIsWrittenToTheLabelSectionAndCaptioned)
{
    auto screen = Screen(TLabelStock::NewStock());
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(14);
    chosen.setBold(true);
    Prompts.Answer(chosen);
    screen->DefaultFontClick();
    EXPECT_TRUE(Prompts.Texts().front().startsWith("Note: the default font is used for NEW objects only."));
    EXPECT_EQ(screen->DefaultFontAction->text(), "Default Font: DejaVu Serif, 14 pt , bold");
    const TIniFile settings(TProgramFolder::SettingsFile());
    EXPECT_EQ(settings.ReadString("Label", "DefaultFontName", {}), "DejaVu Serif");
    EXPECT_EQ(settings.ReadInteger("Label", "DefaultFontSize", 0), 14);
    EXPECT_TRUE(settings.ReadBool("Label", "DefaultFontBold", false));
    EXPECT_FALSE(settings.ReadBool("Label", "DefaultFontItalic", true));
    // A new screen starts its text objects in that font.
    auto next = Screen(TLabelStock::NewStock());
    EXPECT_EQ(next->Panel().PanelFont, TLabelDesignRules::ReadDefaultFont(settings));
    EXPECT_EQ(next->Panel().PanelFont.PointSize(), 14);
}

} // namespace
