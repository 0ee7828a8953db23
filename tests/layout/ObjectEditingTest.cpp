// The object dialogs and the object classes' own menu entries: which entries each class adds
// and their ticks, what the entries change, each dialog's Ok and Cancel, and the set-up step
// of every kind the label panel draws.
#include "layout/TAddressLayout.h"
#include "layout/TFieldSelectionBox.h"
#include "layout/TGetCounter.h"
#include "layout/TGetIMbSettings.h"
#include "layout/TGetLabelText.h"
#include "layout/TGetSymbol.h"
#include "layout/TLCounterLabel.h"
#include "layout/TLDMultiLineAddressLabel.h"
#include "layout/TLDMultiLineLabel.h"
#include "layout/TLDateTimeLabel.h"
#include "layout/TLFIMBarCode.h"
#include "layout/TLFont3DEffects.h"
#include "layout/TLIMBarCode.h"
#include "layout/TLImage.h"
#include "layout/TLImageBrowser.h"
#include "layout/TLLabelPanel.h"
#include "layout/TLLabelShapes.h"
#include "layout/TLLineShape.h"
#include "layout/TLPDLabel.h"
#include "layout/TLPLabel.h"
#include "layout/TLPageNumberLabel.h"
#include "layout/TLPostNetBarCode.h"
#include "layout/TLStandardObjectEditing.h"
#include "layout/TLSymbolLabel.h"
#include "layout/TMultiLineTextEditor.h"

#include "prompts/TScriptedUserPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// A label panel on an in-memory record, an editing service whose dialogs the test answers, and
// a count of the layout changes reported.
class ObjectEditingTest : public ::testing::Test {
protected:
    ObjectEditingTest()
    {
        Panel.DataSet = &Data;
        Panel.SetSize(400, 300);
        Panel.LabelChangedEvent = [this](TLBasePanel*) { ++Changes; };
        Editing.RunDialog = [this](QDialog& dialog) {
            Shown << dialog.windowTitle();
            if (Fill)
                Fill(dialog);
            return Confirm;
        };
    }

    template <typename T> T& Add(QRect rect = QRect(10, 10, 142, 33))
    {
        return static_cast<T&>(*Panel.AddObject(std::make_unique<T>(), rect));
    }

    // The entries a class adds, as "-", "Text" or "Title>" for a submenu.
    QStringList Entries(TLGraphicControl& object)
    {
        QMenu menu;
        Editing.AddClassEntries(menu, Panel, object, nullptr);
        QStringList texts;
        for (const QAction* action : menu.actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->menu() ? action->text() + ">" : action->text());
        return texts;
    }

    // The entry at "Title/Item" or "Item".
    static QAction* Find(QMenu& menu, const QString& path)
    {
        const QStringList parts = path.split('/');
        QMenu* in = &menu;
        for (int i = 0; i < parts.size(); ++i)
            for (QAction* action : in->actions()) {
                if (action->text() != parts[i])
                    continue;
                if (i == parts.size() - 1)
                    return action;
                in = action->menu();
                break;
            }
        return nullptr;
    }

    void Trigger(TLGraphicControl& object, const QString& path)
    {
        QMenu menu;
        Editing.AddClassEntries(menu, Panel, object, nullptr);
        QAction* action = Find(menu, path);
        ASSERT_NE(action, nullptr) << path.toStdString();
        action->trigger();
    }

    TLRecordDataSource Data;
    TLLabelPanel Panel;
    TLStandardObjectEditing Editing;
    std::function<void(QDialog&)> Fill;
    bool Confirm = true;
    QStringList Shown;
    int Changes = 0;
};

// ---- menus

TEST_F(ObjectEditingTest, EachClassAddsItsEntriesInOrder)
{
    const QString text = "-|Font|3D Effects|Alignment>|Transparent|Background Color|Border";
    const QString lines = "-|Font|Alignment>";
    const QString rotation = "-|Rotation>";
    auto roundRect = std::make_unique<TLLabelShapes>();
    roundRect->Shape = TShapeType::stRoundSquare;
    struct TCase {
        std::unique_ptr<TLGraphicControl> Object;
        QString Expected;
    };
    TCase cases[] = {
        {std::make_unique<TLPLabel>(), text + "|-|Text|" + rotation},
        {std::make_unique<TLCounterLabel>(), text + "|-|Counter Settings|" + rotation},
        {std::make_unique<TLPDLabel>(), text + "|-|Field"},
        {std::make_unique<TLSymbolLabel>(), "-|3D Effects|Transparent|Background Color|Border|-|Symbol Selector"},
        {std::make_unique<TLDateTimeLabel>(), text + "|-|Date Format>|Time Format>"},
        {std::make_unique<TLPageNumberLabel>(), text},
        {std::make_unique<TLMultiLineLabel>(), lines + "|-|Text|Word Wrap"},
        {std::make_unique<TLDMultiLineLabel>(), lines + "|-|Memo Field|Word Wrap"},
        {std::make_unique<TLDMultiLineAddressLabel>(), lines + "|-|Address Layout"},
        {std::make_unique<TLLineShape>(), "-|Style>|Color|Line Thickness>|-|Stretch To Edges"},
        {std::make_unique<TLLabelShapes>(), "-|Background Color|Line Color|Line Thickness>|-|Transparent"},
        {std::move(roundRect), "-|Background Color|Line Color|Line Thickness>|-|Transparent|-|Degree of Rounding>"},
        {std::make_unique<Trpshapes>(), "-|Background Color|Line Color|Line Thickness>|-|Transparent"},
        {std::make_unique<TLImage>(), "-|Load Image From Disk|-|Border|Stretch to Fit|AutoSize|Flip|Reverse"},
        {std::make_unique<TLFIMBarCode>(), "-|Set FIM to Type A|Set FIM to Type B|Set FIM to Type C"},
        {std::make_unique<TLIMBarCode>(), "-|Routing>|IMb Settings"},
        {std::make_unique<TLPostNetBarCode>(), ""},
    };
    for (TCase& c : cases)
        EXPECT_EQ(Entries(*c.Object).join('|'), c.Expected) << c.Object->ClassName().constData();
}

TEST_F(ObjectEditingTest, TicksFollowTheObjectWhenTheMenuOpens)
{
    auto& label = Add<TLPLabel>();
    label.SetAngle(180);
    label.SetAlignment(TAlignment::taCenter);
    label.Transparent = false;
    label.BorderStyle = TBorderStyle::bsSingle;
    auto& date = Add<TLDateTimeLabel>();
    date.DateFormat = TDateFormat::dtfDateLong;
    date.TimeFormat = TTimeFormat::dtfTimeShort;
    auto& line = Add<TLLineShape>();
    line.LineStyle = TLineStyle::stAngleSlopingDown;
    line.Pen.Width = 3;
    auto& shape = Add<TLLabelShapes>();
    shape.Shape = TShapeType::stRoundRect;
    shape.RoundPerc = 40;
    shape.SetTransparent(true);
    auto& wrapped = Add<TLMultiLineLabel>();
    wrapped.SetWordWrap(true);
    auto& fim = Add<TLFIMBarCode>();
    fim.FIMType = TFIMBarCodeType::fimTypeB;
    auto& imb = Add<TLIMBarCode>();
    imb.RoutingType = TIMbRoutingType::imbr9Digit;
    auto& image = Add<TLImage>();
    image.SetAutoSize(true);

    struct TCase {
        TLGraphicControl* Object;
        QStringList Ticked;   // every ticked entry of the menu
    };
    const TCase cases[] = {
        {&label, {"Alignment/Center", "Border", "Rotation/180 Degrees"}},
        {&date, {"Alignment/Left", "Transparent", "Date Format/Windows Long Date", "Time Format/Windows Short Time"}},
        {&line, {"Style/Angled Sloping Down", "Line Thickness/3 Point"}},
        {&shape, {"Line Thickness/1 Point", "Transparent", "Degree of Rounding/40 %"}},
        {&wrapped, {"Alignment/Left", "Word Wrap"}},
        {&fim, {"Set FIM to Type B"}},
        {&imb, {"Routing/9-Digit ZIP+4"}},
        {&image, {"AutoSize"}},
    };
    for (const TCase& c : cases) {
        QMenu menu;
        Editing.AddClassEntries(menu, Panel, *c.Object, nullptr);
        QStringList ticked;
        std::function<void(QMenu&, QString)> collect = [&](QMenu& in, const QString& prefix) {
            for (QAction* action : in.actions()) {
                if (action->menu())
                    collect(*action->menu(), prefix + action->text() + "/");
                else if (action->isChecked())
                    ticked << prefix + action->text();
            }
        };
        collect(menu, {});
        EXPECT_EQ(ticked, c.Ticked) << c.Object->ClassName().constData();
    }

    // A change after the menu was built shows when it opens again.
    QMenu menu;
    Editing.AddClassEntries(menu, Panel, fim, nullptr);
    fim.FIMType = TFIMBarCodeType::fimTypeC;
    emit menu.aboutToShow();
    EXPECT_FALSE(Find(menu, "Set FIM to Type B")->isChecked());
    EXPECT_TRUE(Find(menu, "Set FIM to Type C")->isChecked());
}

TEST_F(ObjectEditingTest, MirroringIsOfferedForBitmapsOnly)
{
    auto& image = Add<TLImage>();
    const auto enabled = [&] {
        QMenu menu;
        Editing.AddClassEntries(menu, Panel, image, nullptr);
        return std::make_pair(Find(menu, "Flip")->isEnabled(), Find(menu, "Reverse")->isEnabled());
    };
    image.SetPicture(TLPicture::FromImage(QImage(4, 4, QImage::Format_RGB32)));
    EXPECT_EQ(enabled(), std::make_pair(true, true));
    QByteArray placeable(40, '\0');
    qToLittleEndian<uint32_t>(0x9AC6CDD7u, placeable.data());
    QTemporaryDir folder;
    QFile file(folder.filePath("mark.wmf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(placeable);
    file.close();
    TLPicture metafile;
    ASSERT_TRUE(TLPicture::LoadFile(file.fileName(), metafile, nullptr));
    image.SetPicture(metafile);
    EXPECT_EQ(enabled(), std::make_pair(false, false));
}

TEST_F(ObjectEditingTest, EntriesChangeTheObjectAndReportIt)
{
    auto& label = Add<TLPLabel>();
    auto& line = Add<TLLineShape>(QRect(30, 40, 10, 50));
    line.LineStyle = TLineStyle::stHorizontal;
    auto& shape = Add<TLLabelShapes>();
    shape.Shape = TShapeType::stRoundRect;
    auto& image = Add<TLImage>();
    auto& fim = Add<TLFIMBarCode>();
    auto& imb = Add<TLIMBarCode>();
    auto& memo = Add<TLDMultiLineLabel>();
    auto& date = Add<TLDateTimeLabel>();
    struct TCase {
        TLGraphicControl* Object;
        QString Path;
        std::function<bool()> Done;
    };
    const TCase cases[] = {
        {&label, "Rotation/90 Degrees", [&] { return label.Angle() == 90 && label.Height() > label.Width(); }},
        {&label, "Alignment/Right", [&] { return label.Alignment == TAlignment::taRightJustify; }},
        {&label, "Transparent", [&] { return !label.Transparent; }},
        {&label, "Border", [&] { return label.BorderStyle == TBorderStyle::bsSingle; }},
        {&date, "Time Format/Windows Long Time", [&] { return date.TimeFormat == TTimeFormat::dtfTimeLong; }},
        {&line, "Line Thickness/4 Point", [&] { return line.Pen.Width == 4; }},
        {&line, "Stretch To Edges", [&] { return line.Left() == 0 && line.Width() == 400; }},
        {&line, "Style/Vertical", [&] { return line.LineStyle == TLineStyle::stVertical; }},
        {&shape, "Degree of Rounding/60 %", [&] { return shape.RoundPerc == 60; }},
        {&shape, "Transparent", [&] { return shape.Transparent(); }},
        {&image, "Stretch to Fit", [&] { return !image.Stretch() && image.AutoSize(); }},
        {&image, "Border", [&] { return image.BorderStyle == TBorderStyle::bsSingle; }},
        {&memo, "Word Wrap", [&] { return memo.WordWrap(); }},
        {&fim, "Set FIM to Type C", [&] { return fim.FIMType == TFIMBarCodeType::fimTypeC; }},
        {&imb, "Routing/No Routing Code", [&] { return imb.RoutingType == TIMbRoutingType::imbrNone; }},
    };
    for (const TCase& c : cases) {
        Changes = 0;
        Trigger(*c.Object, c.Path);
        EXPECT_TRUE(c.Done()) << c.Path.toStdString();
        EXPECT_GT(Changes, 0) << c.Path.toStdString();
    }
}

TEST_F(ObjectEditingTest, ColourAndFontEntriesGoThroughThePromptService)
{
    TScriptedUserPrompts prompts;
    auto& label = Add<TLPLabel>();
    label.SetCaption("A rather long caption");
    auto& shape = Add<TLLabelShapes>();
    shape.SetTransparent(true);

    prompts.Answer(QColor(0x12, 0x34, 0x56));
    Trigger(label, "Background Color");
    EXPECT_EQ(label.BackColor, 0x563412);   // stored the platform's way round, blue first
    EXPECT_FALSE(label.Transparent);
    prompts.Answer(QColor(Qt::red));
    Trigger(shape, "Background Color");
    EXPECT_EQ(shape.Brush.Color, 0x0000FF);
    EXPECT_FALSE(shape.Transparent());

    QFont big("Times New Roman");
    big.setPointSize(20);
    big.setBold(true);
    label.SetBounds(10, 10, 20, 20);
    prompts.Answer(big);
    Trigger(label, "Font");
    EXPECT_EQ(label.Font.Name, "Times New Roman");
    EXPECT_EQ(label.Font.PointSize(), 20);
    EXPECT_EQ(label.Font.Style, unsigned(fsBold));
    EXPECT_GT(label.Width(), 150) << "a static text is sized to its text after a font change";

    // Cancelled dialogs change nothing and report nothing.
    Changes = 0;
    const TLFont before = label.Font;
    Trigger(label, "Font");
    Trigger(label, "Background Color");
    Trigger(shape, "Line Color");
    EXPECT_EQ(label.Font, before);
    EXPECT_EQ(shape.Pen.Color, clBlack);
    EXPECT_EQ(Changes, 0);
    EXPECT_EQ(prompts.Unanswered(), 3);
}

// ---- dialogs

TEST_F(ObjectEditingTest, TextDialogOkTakesTheTextCancelKeepsIt)
{
    auto& label = Add<TLPLabel>(QRect(0, 0, 20, 20));
    label.SetCaption("Old");
    Changes = 0;
    Fill = [](QDialog& dialog) {
        auto& text = dynamic_cast<TGetLabelText&>(dialog);
        EXPECT_EQ(text.Text(), "Old");
        text.TextEdit()->setText("A much longer new text");
    };
    Confirm = false;
    EXPECT_FALSE(Editing.EditText(label, nullptr));
    EXPECT_EQ(label.Caption, "Old");
    EXPECT_EQ(Changes, 0);
    Confirm = true;
    EXPECT_TRUE(Editing.EditText(label, nullptr));
    EXPECT_EQ(label.Caption, "A much longer new text");
    EXPECT_GT(label.Width(), 100);
    EXPECT_EQ(Shown, QStringList({"Text", "Text"}));
}

TEST_F(ObjectEditingTest, MultiLineEditorLimitsTypingButKeepsALongerStoredText)
{
    auto& text = Add<TLMultiLineLabel>();
    const QString longLine(300, 'x');
    text.Items = {longLine, "second"};
    Fill = [](QDialog& dialog) {
        auto& editor = dynamic_cast<TMultiLineTextEditor&>(dialog);
        QPlainTextEdit* memo = editor.Memo();
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText("more");   // refused: the text is over the limit already
        EXPECT_EQ(memo->toPlainText().size(), 307);
        memo->moveCursor(QTextCursor::End);
        memo->textCursor().deletePreviousChar();   // shortening is fine
        EXPECT_TRUE(memo->toPlainText().endsWith("secon"));
    };
    ASSERT_TRUE(Editing.EditLines(text, nullptr));
    EXPECT_EQ(text.Items, QStringList({longLine, "secon"}));

    // A short text takes typing and pasting up to the limit and no further.
    TMultiLineTextEditor editor({"ab"}, QFont(), nullptr);
    editor.Memo()->moveCursor(QTextCursor::Start);
    editor.Memo()->insertPlainText(QString(260, 'y'));
    EXPECT_EQ(editor.Lines(), QStringList(QString(252, 'y') + "ab"));
    editor.Memo()->insertPlainText("z");
    EXPECT_EQ(editor.Memo()->toPlainText().size(), TMultiLineTextEditor::kTypingLimit);
    EXPECT_FALSE(editor.Memo()->toPlainText().contains('z'));
    EXPECT_EQ(editor.windowTitle(), "Multi-line Text Editor");

    Confirm = false;
    Fill = [](QDialog& dialog) { dynamic_cast<TMultiLineTextEditor&>(dialog).Memo()->setPlainText("gone"); };
    EXPECT_FALSE(Editing.EditLines(text, nullptr));
    EXPECT_EQ(text.Items.size(), 2);
}

TEST_F(ObjectEditingTest, FieldSelectionOffersQualifyingFieldsInOrder)
{
    Data.RemoveField("ORG");
    std::vector<TLDataField> fields = Data.Fields();
    auto& label = Add<TLPDLabel>();
    const auto fieldOf = [&](const char* name) {
        return std::find_if(fields.begin(), fields.end(), [&](const TLDataField& f) { return f.Name == name; });
    };
    const std::vector<TLDataField> strings = TFieldSelectionBox::Candidates(&Data, false);
    ASSERT_FALSE(strings.empty());
    for (const TLDataField& field : strings)
        EXPECT_TRUE(field.Kind == TLDataField::TKind::String && field.Visible && field.Tag >= 0) << field.Name.toStdString();
    // In data-set order.
    auto position = fields.begin();
    for (const TLDataField& field : strings) {
        position = std::find_if(position, fields.end(), [&](const TLDataField& f) { return f.Name == field.Name; });
        ASSERT_NE(position, fields.end()) << field.Name.toStdString();
    }
    EXPECT_EQ(fieldOf("ORG"), fields.end());
    const std::vector<TLDataField> memos = TFieldSelectionBox::Candidates(&Data, true);
    ASSERT_EQ(memos.size(), 1u);
    EXPECT_EQ(memos[0].Name, "MEMO");
    EXPECT_TRUE(TFieldSelectionBox::Candidates(nullptr, false).empty());

    // The current field is preselected; Ok binds the chosen one, Cancel keeps the binding.
    label.DataFieldDescript = fieldOf("CITY")->DisplayLabel;
    QString preselected;
    Fill = [&](QDialog& dialog) {
        auto& box = dynamic_cast<TFieldSelectionBox&>(dialog);
        preselected = box.List()->currentItem()->text();
        box.List()->setCurrentRow(0);
    };
    Confirm = false;
    EXPECT_FALSE(Editing.EditField(Panel, label, nullptr));
    EXPECT_EQ(preselected, fieldOf("CITY")->DisplayLabel);
    EXPECT_EQ(label.DataFieldDescript, fieldOf("CITY")->DisplayLabel);
    Confirm = true;
    Data.SetValue(strings[0].Name, "  Value  ");
    EXPECT_TRUE(Editing.EditField(Panel, label, nullptr));
    EXPECT_EQ(label.DataFieldName, strings[0].Name);
    EXPECT_EQ(label.DataFieldDescript, strings[0].DisplayLabel);
    EXPECT_EQ(label.Caption, "Value") << "the panel refreshes after the choice";
    EXPECT_EQ(Shown.last(), "Select Field");
}

TEST_F(ObjectEditingTest, CounterDialogSetsAllFiveAndRestarts)
{
    auto& counter = Add<TLCounterLabel>();
    counter.SetStartingnumber(5);
    counter.AdvanceCounter();
    counter.AdvanceCounter();
    Fill = [](QDialog& dialog) {
        auto& box = dynamic_cast<TGetCounter&>(dialog);
        EXPECT_EQ(box.StartEdit()->value(), 5);
        EXPECT_EQ(box.RepeatEdit()->minimum(), 1);
        EXPECT_EQ(box.RepeatEdit()->maximum(), 999);
        EXPECT_EQ(box.ZerosEdit()->maximum(), 9);
        EXPECT_LT(box.StartEdit()->minimum(), -1000000);
        box.StartEdit()->setValue(-7);
        box.RepeatEdit()->setValue(3);
        box.ZerosEdit()->setValue(4);
        box.BeforeEdit()->setText("No. ");
        box.AfterEdit()->setText("!");
    };
    Confirm = false;
    EXPECT_FALSE(Editing.EditCounter(counter, nullptr));
    EXPECT_EQ(counter.Value(), 7);
    Confirm = true;
    EXPECT_TRUE(Editing.EditCounter(counter, nullptr));
    EXPECT_EQ(counter.Startingnumber(), -7);
    EXPECT_EQ(counter.RepeatEach, 3);
    EXPECT_EQ(counter.LeadingZeros, 4);
    EXPECT_EQ(counter.Value(), -7);
    EXPECT_EQ(counter.Caption, counter.CounterText());
    EXPECT_TRUE(counter.Caption.startsWith("No. ") && counter.Caption.endsWith("!"));
    EXPECT_GT(counter.Width(), 10);
    EXPECT_EQ(Shown.last(), "Counter");
}

TEST_F(ObjectEditingTest, SymbolSelectorPreselectsTheCaptionAndTakesTheChoice)
{
    TScriptedUserPrompts prompts;
    auto& symbol = Add<TLSymbolLabel>();
    symbol.SetCaption("A");
    symbol.Font = TLFont::Make("Arial", 10);
    Fill = [&](QDialog& dialog) {
        auto& selector = dynamic_cast<TGetSymbol&>(dialog);
        QTableWidget* grid = selector.Grid();
        EXPECT_EQ(grid->columnCount(), 32);
        EXPECT_EQ(grid->currentRow() * grid->columnCount() + grid->currentColumn(), 33);
        EXPECT_EQ(grid->rowCount() * grid->columnCount(), 224);
        EXPECT_EQ(grid->item(0, 1)->text(), "!");
        EXPECT_EQ(selector.FontButton()->text(), "Font: Arial, 10 pt");
        QFont large("Arial");
        large.setPointSize(36);
        prompts.Answer(large);
        selector.FontButtonClick();
        EXPECT_EQ(grid->columnCount(), 8) << "large characters get fewer columns";
        EXPECT_EQ(selector.FontButton()->text(), "Font: Arial, 36 pt");
        EXPECT_EQ(selector.Caption(), "A") << "the choice survives the new font";
        grid->setCurrentCell(0, 2);
        EXPECT_EQ(selector.Preview()->text(), "\"");
    };
    Confirm = false;
    EXPECT_FALSE(Editing.EditSymbol(symbol, nullptr));
    EXPECT_EQ(symbol.Caption, "A");
    EXPECT_EQ(symbol.Font.PointSize(), 10);
    Confirm = true;
    EXPECT_TRUE(Editing.EditSymbol(symbol, nullptr));
    EXPECT_EQ(symbol.Caption, "\"");
    EXPECT_EQ(symbol.Font.PointSize(), 36);
    EXPECT_EQ(Shown.last(), "Symbol Selector");
    EXPECT_EQ(TGetSymbol::Position(QString(QChar(0x20AC))), 0x80 - 32) << "the euro sign is code 128";
}

TEST_F(ObjectEditingTest, ThreeDEffectsChangeTheSampleAtOnceAndTheObjectOnOk)
{
    TScriptedUserPrompts prompts;
    auto& label = Add<TLPLabel>();
    Fill = [&](QDialog& dialog) {
        auto& effects = dynamic_cast<TLFont3DEffects&>(dialog);
        effects.ShadowDirection()->setCurrentIndex(5);   // Down
        effects.ShadowDepth()->setValue(4);
        effects.HighlightDirection()->setCurrentIndex(3);   // Upper Right
        effects.HighlightDepth()->setValue(2);
        EXPECT_EQ(effects.Sample().ShadowOffset(), QPoint(0, 4));
        EXPECT_EQ(effects.Sample().HighlightOffset(), QPoint(2, -2));
        EXPECT_EQ(effects.ShadowDepth()->maximum(), 10);
        prompts.Answer(QColor(Qt::blue));
        effects.ColorButtonClick(2);
        EXPECT_EQ(effects.Sample().Font.Color, 0xFF0000);
    };
    Confirm = false;
    EXPECT_FALSE(Editing.Edit3DEffects(label, nullptr));
    EXPECT_EQ(label.DepthShadow, 0);
    EXPECT_EQ(label.Font.Color, clBlack);
    Confirm = true;
    EXPECT_TRUE(Editing.Edit3DEffects(label, nullptr));
    EXPECT_EQ(label.DirectionShadow, TShadowDirection::sdDown);
    EXPECT_EQ(label.DepthShadow, 4);
    EXPECT_EQ(label.DirectionHighlight, THighlightDirection::hdUpRight);
    EXPECT_EQ(label.DepthHighlight, 2);
    EXPECT_EQ(label.Font.Color, 0xFF0000);
    EXPECT_EQ(Shown.last(), "Text 3D Effects");
}

TEST_F(ObjectEditingTest, AddressLayoutEnablesZipPlacesWithTheZipOnly)
{
    auto& block = Add<TLDMultiLineAddressLabel>();
    Data.SetValue("CITY", "Troy");
    Data.SetValue("STATE", "NY");
    Data.SetValue("ZIP", "12180");
    Panel.RefreshData();
    Fill = [](QDialog& dialog) {
        auto& layout = dynamic_cast<TAddressLayout&>(dialog);
        EXPECT_TRUE(layout.ZipPlace(0)->isChecked());
        EXPECT_TRUE(layout.ZipPlace(1)->isEnabled());
        layout.Box(6)->setChecked(false);
        EXPECT_FALSE(layout.ZipPlace(1)->isEnabled());
        layout.Box(6)->setChecked(true);
        layout.ZipPlace(1)->setChecked(true);
        layout.Box(9)->setChecked(true);   // uppercase
        layout.Box(7)->setChecked(true);   // phone
        EXPECT_FALSE(layout.Box(10)->isChecked());
        layout.Box(10)->setChecked(true);  // shrink to fit
    };
    Confirm = false;
    EXPECT_FALSE(Editing.EditAddressLayout(Panel, block, nullptr));
    EXPECT_EQ(block.ZipOptions, TZipOptions::zoAfterState);
    EXPECT_FALSE(block.UpperCase);
    Confirm = true;
    EXPECT_TRUE(Editing.EditAddressLayout(Panel, block, nullptr));
    EXPECT_EQ(block.ZipOptions, TZipOptions::zoBeforeCity);
    EXPECT_TRUE(block.UpperCase && block.UsePhone && block.UseName && block.ShrinkToFit);
    EXPECT_TRUE(block.Items.contains("12180 TROY NY")) << block.Items.join('|').toStdString();
    EXPECT_EQ(Shown.last(), "Address Label Layout");
}

// A folder with pictures of several formats, one broken, one in lower case, and a text file.
struct TPictureFolder {
    QTemporaryDir Dir;
    TPictureFolder()
    {
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(Dir.filePath("RED.BMP"), "BMP");
        image.save(Dir.filePath("photo.png"), "PNG");
        QFile broken(Dir.filePath("broken.jpg"));
        broken.open(QIODevice::WriteOnly);
        broken.write("not a picture");
        QFile notes(Dir.filePath("notes.txt"));
        notes.open(QIODevice::WriteOnly);
        QDir(Dir.path()).mkdir("sub");
    }
    QString Path(const char* name) const { return Dir.filePath(name); }
};

TEST_F(ObjectEditingTest, ImageBrowserListsPicturesAndSaysWhenOneCannotBeRead)
{
    TScriptedUserPrompts prompts;
    TPictureFolder folder;
    TLImageBrowser browser(true, false);
    EXPECT_EQ(browser.windowTitle(), "Load Image File ");
    browser.SetFolder(folder.Dir.path());
    QStringList files;
    for (int i = 0; i < browser.FileList()->count(); ++i)
        files << browser.FileList()->item(i)->text();
    EXPECT_EQ(files, QStringList({"broken.jpg", "photo.png", "RED.BMP"}));
    EXPECT_EQ(browser.FolderList()->item(0)->text(), "..");
    EXPECT_EQ(browser.FolderList()->item(1)->text(), "sub");

    browser.FileList()->setCurrentRow(1);
    EXPECT_EQ(browser.PreviewPicture().Image().size(), QSize(30, 20));
    EXPECT_TRUE(prompts.Texts().isEmpty());
    // Every unreadable file is reported, not only bitmaps and metafiles.
    browser.FileList()->setCurrentRow(0);
    EXPECT_TRUE(browser.PreviewPicture().Empty());
    EXPECT_EQ(prompts.Texts(), QStringList({"Error loading file!"}));
    EXPECT_FALSE(browser.SelectFile(folder.Path("missing.bmp")));
    EXPECT_EQ(prompts.Texts().size(), 2);

    // The two options exclude each other.
    browser.AutoSizeBox()->setChecked(true);
    EXPECT_FALSE(browser.StretchBox()->isChecked());
    browser.StretchBox()->setChecked(true);
    EXPECT_FALSE(browser.AutoSize());

    // A folder entry opens the folder.
    emit browser.FolderList()->itemActivated(browser.FolderList()->item(1));
    EXPECT_TRUE(browser.Folder().endsWith("/sub"));
    EXPECT_EQ(browser.FileList()->count(), 0);
}

TEST_F(ObjectEditingTest, LoadingAnImageTakesPictureAndOptionsOnOkOnly)
{
    TScriptedUserPrompts prompts;
    TPictureFolder folder;
    auto& image = Add<TLImage>();
    const char* file = "RED.BMP";
    Fill = [&](QDialog& dialog) {
        auto& browser = dynamic_cast<TLImageBrowser&>(dialog);
        browser.SetFolder(folder.Dir.path());
        browser.SelectFile(folder.Path(file));
        browser.AutoSizeBox()->setChecked(true);
    };
    Confirm = false;
    EXPECT_FALSE(Editing.LoadImage(image, nullptr));
    EXPECT_TRUE(image.Picture.Empty());
    EXPECT_TRUE(image.Stretch());
    Confirm = true;
    EXPECT_TRUE(Editing.LoadImage(image, nullptr));
    EXPECT_EQ(image.Picture.Image().size(), QSize(30, 20));
    EXPECT_TRUE(image.AutoSize());
    EXPECT_EQ(image.BoundsRect().size(), QSize(30, 20));
    // Ok on a file that could not be read keeps the picture the object had.
    file = "broken.jpg";
    EXPECT_FALSE(Editing.LoadImage(image, nullptr));
    EXPECT_EQ(image.Picture.Image().size(), QSize(30, 20));
    EXPECT_EQ(prompts.Texts(), QStringList({"Error loading file!"}));
}

TEST_F(ObjectEditingTest, IMbSettingsEntryEditsTheTrackingParts)
{
    auto& imb = Add<TLIMBarCode>();
    Fill = [](QDialog& dialog) {
        auto& settings = dynamic_cast<TGetIMbSettings&>(dialog);
        settings.BarcodeIdEdit()->setText("00");
        settings.ServiceTypeIdEdit()->setText("270");
        settings.MailerIdEdit()->setText("103502");
        settings.SerialStartEdit()->setText("17");
    };
    Trigger(imb, "IMb Settings");
    EXPECT_EQ(imb.MailerId, "103502");
    EXPECT_EQ(imb.SerialStart, 17);
    EXPECT_EQ(Shown.last(), "Intelligent Mail Barcode");
}

// ---- set-up of drawn objects

TEST_F(ObjectEditingTest, SetUpOfEachDrawnKind)
{
    TScriptedUserPrompts prompts;
    using enum TLPanelState;
    struct TCase {
        TLPanelState State;
        QString Dialog;        // the dialog the set-up shows, empty for none
        bool KeptOnCancel;     // whether the object stays when that dialog is cancelled
    };
    const TCase cases[] = {
        {psLabel, "Text", true},
        {psCounterLabel, "", true},
        {psSymbolLabel, "Symbol Selector", true},
        {psDataLabel, "Select Field", false},
        {psMultiLineLabel, "Multi-line Text Editor", false},
        {psMultiLineDataLabel, "", true},
        {psAddressLabel, "", true},
        {psRectangle, "", true},
        {psEllipse, "", true},
        {psRoundRectangle, "", true},
        {psLine, "", true},
        {psImage, "Load Image File ", false},
        {psPostNetBarCode, "", true},
    };
    for (const TCase& c : cases) {
        Panel.SetPanelState(c.State);
        Panel.DropObject(QRect(20, 20, 3, 3));
        TLGraphicControl& object = *Panel.Objects().back();
        Shown.clear();
        Confirm = false;
        Fill = {};
        EXPECT_EQ(Editing.SetUpNewObject(Panel, object, nullptr), c.KeptOnCancel) << int(c.State);
        EXPECT_EQ(Shown, c.Dialog.isEmpty() ? QStringList() : QStringList(c.Dialog)) << int(c.State);
    }
    EXPECT_TRUE(prompts.Texts().isEmpty());
}

TEST_F(ObjectEditingTest, SetUpConfirmedFillsTheNewObject)
{
    Data.SetValue("LNAME", "Cole");
    Panel.SetPanelState(TLPanelState::psLabel);
    Panel.DropObject(QRect(20, 20, 3, 3));
    auto& label = dynamic_cast<TLPLabel&>(*Panel.Objects().back());
    Fill = [](QDialog& dialog) {
        auto& text = dynamic_cast<TGetLabelText&>(dialog);
        EXPECT_EQ(text.Text(), "<text>");
        text.TextEdit()->setText("Dear friend,");
    };
    EXPECT_TRUE(Editing.SetUpNewObject(Panel, label, nullptr));
    EXPECT_EQ(label.Caption, "Dear friend,");

    Panel.SetPanelState(TLPanelState::psDataLabel);
    Panel.DropObject(QRect(20, 60, 3, 3));
    auto& data = dynamic_cast<TLPDLabel&>(*Panel.Objects().back());
    Fill = [this](QDialog& dialog) {
        auto& box = dynamic_cast<TFieldSelectionBox&>(dialog);
        const auto& fields = Data.Fields();
        const auto lname = std::find_if(fields.begin(), fields.end(), [](auto& f) { return f.Name == "LNAME"; });
        box.List()->setCurrentItem(box.List()->findItems(lname->DisplayLabel, Qt::MatchExactly).value(0));
    };
    EXPECT_TRUE(Editing.SetUpNewObject(Panel, data, nullptr));
    EXPECT_EQ(data.DataFieldName, "LNAME");
    EXPECT_EQ(data.Caption, "Cole");

    Panel.SetPanelState(TLPanelState::psMultiLineLabel);
    Panel.DropObject(QRect(20, 100, 3, 3));
    auto& lines = dynamic_cast<TLMultiLineLabel&>(*Panel.Objects().back());
    Fill = [](QDialog& dialog) {
        dynamic_cast<TMultiLineTextEditor&>(dialog).Memo()->setPlainText("one\ntwo\nthree");
    };
    EXPECT_TRUE(Editing.SetUpNewObject(Panel, lines, nullptr));
    EXPECT_EQ(lines.Items, QStringList({"one", "two", "three"}));
    EXPECT_GE(lines.Height(), 3 * 12) << "the new text takes the height of its lines";
}

} // namespace
