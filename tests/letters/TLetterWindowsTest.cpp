// The letter windows offscreen with scripted prompts: the letter window's commands and enable
// rules, printing through the status window, the designer's field and page-break commands, the
// preview's zoom limits and record stepping, and the spelling check's Replace, Skip and Add.
#include "LetterTestTable.h"

#include "letters/TLetterDesign.h"
#include "letters/TLetterFindDialog.h"
#include "letters/TLetterPageSettings.h"
#include "letters/TLetterPrint.h"
#include "letters/TLetterRuler.h"
#include "letters/TLetterStore.h"
#include "letters/TParagraphProperties.h"
#include "letters/TRTFPreviewForm.h"
#include "letters/TSpellCheckDialog.h"
#include "letters/TSpellHighlighter.h"
#include "letters/TqVLetters.h"
#include "output/TPrinterSelection.h"
#include "richtext/TRtfWriter.h"
#include "spelling/TMainDictionaryBuilder.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextEdit>
#include <QTimer>

namespace {

class LetterWindows : public LetterTestTable {
protected:
    TPrinterSelection Printers;
    std::unique_ptr<TLetterStore> Store;
    QString Pdf;

    void SetUp() override
    {
        LetterTestTable::SetUp();
        TUserPrompts::Install(&Prompts);
        Create({{"FNAME=Ann", "LNAME=Lee"}, {"FNAME=Bo", "LNAME=Kim"}, {"FNAME=Cy", "LNAME=Ng"}});
        Store = TLetterStore::Open();
        ASSERT_NE(Store, nullptr);
        TPrinterSelection::SetPdfPrinterOffered(true);
        ASSERT_TRUE(Printers.SelectPrinter(TPrinterSelection::PdfPrinterName()));
        Pdf = Home.filePath("letters.pdf");
        Printers.SetPdfFileName(Pdf);
    }
    void TearDown() override { TUserPrompts::Install(nullptr); }

    uint32_t AddLetter(const QString& description, const QByteArray& rtf)
    {
        const uint32_t added = Store->Append(description, rtf);
        Store->Commit();
        return added;
    }

    std::unique_ptr<TqVLetters> Window(TRecordChoice::TRecords records = TRecordChoice::TRecords::OnlyCurrent)
    {
        TLetterRecordChoice choice{nullptr, [records] { return records; }, [] { return false; }};
        auto window = std::make_unique<TqVLetters>(*Table, *Store, Printers, choice);
        window->ChoosePrinter = [] { return true; };
        window->ShowStatus = [](TLetterPrint& status) { status.RunJob(); };
        return window;
    }

    QStringList Listed(const TqVLetters& window) const
    {
        QStringList names;
        for (int row = 0; row < window.LetterList->count(); ++row)
            names << window.LetterList->item(row)->text();
        return names;
    }

    int PdfPages() const
    {
        QFile file(Pdf);
        const QByteArray pdf = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
    }
};

TEST_F(LetterWindows, DeleteAndCloneAskAndEnableRulesFollow)
{
    AddLetter("Welcome", R"({\rtf1 Dear [First],\par Hello.})");
    auto window = Window();
    ASSERT_EQ(Listed(*window), QStringList{"Welcome"});
    EXPECT_TRUE(window->ModifyButton->isEnabled());

    Prompts.Answer(true);
    window->CloneClick();
    EXPECT_EQ(Listed(*window), (QStringList{"Clone of Welcome", "Welcome"}));
    EXPECT_EQ(window->LetterList->currentItem()->text(), "Clone of Welcome");
    ASSERT_TRUE(Store->Select(window->CurrentLetter()));
    const QByteArray clonedRtf = Store->Rtf();

    Prompts.Answer(false);
    window->DeleteClick(); // No keeps it
    EXPECT_EQ(Listed(*window).size(), 2);
    window->LetterList->setCurrentRow(1);
    ASSERT_TRUE(Store->Select(window->CurrentLetter()));
    EXPECT_EQ(Store->Rtf(), clonedRtf);
    Prompts.Answer(true);
    window->DeleteClick();
    window->LetterList->setCurrentRow(0);
    Prompts.Answer(true);
    window->DeleteClick();

    const std::vector<TPromptRecord>& asked = Prompts.Asked();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0].Caption, "CLONE");
    EXPECT_EQ(asked[0].Text, "Clone \"Welcome\"?");
    EXPECT_EQ(asked[1].Caption, "DELETE");
    EXPECT_EQ(asked[1].Text, "Delete \"Clone of Welcome\"?");
    EXPECT_TRUE(Listed(*window).isEmpty());
    for (QWidget* widget : std::initializer_list<QWidget*>{window->ModifyButton, window->CloneButton, window->PrintButton,
                                                           window->PreviewButton, window->DeleteButton, window->LetterList})
        EXPECT_FALSE(widget->isEnabled());
    EXPECT_TRUE(window->NewButton->isEnabled());
    EXPECT_TRUE(window->OkButton->isEnabled());
}

TEST_F(LetterWindows, NewAndModifyStoreOnlyOnOk)
{
    auto window = Window();
    bool accept = false;
    window->EditLetter = [&](QString& description, TRichDocument& document) {
        EXPECT_EQ(description, accept ? "{untitled}" : "{untitled}");
        description = "Invitation";
        QTextCursor(&document.Content()).insertText("Come along, [First].");
        return accept;
    };
    window->NewClick();
    EXPECT_TRUE(Listed(*window).isEmpty());
    accept = true;
    window->NewClick();
    EXPECT_EQ(Listed(*window), QStringList{"Invitation"});
    ASSERT_TRUE(Store->Select(window->CurrentLetter()));
    EXPECT_TRUE(Store->Rtf().contains("Come along, [First]."));

    window->EditLetter = [](QString& description, TRichDocument& document) {
        EXPECT_EQ(description, "Invitation");
        EXPECT_EQ(Text(document), "Come along, [First].");
        description = "Party";
        return true;
    };
    window->ModifyClick();
    EXPECT_EQ(Listed(*window), QStringList{"Party"});
}

TEST_F(LetterWindows, PrintsThreeCopiesOfTheCurrentRecordAndCancels)
{
    AddLetter("Welcome", R"({\rtf1 Dear [First].})");
    Table->Table().go(2);
    auto window = Window();
    window->CopiesEdit->setValue(3);
    QString status;
    QString button;
    window->ShowStatus = [&](TLetterPrint& print) {
        print.RunJob();
        status = print.StatusText();
        button = print.ButtonText();
    };
    window->PrintClick();
    EXPECT_EQ(status, "Letter Print Completed!");
    EXPECT_EQ(button, "OK");
    EXPECT_EQ(PdfPages(), 3);
    EXPECT_EQ(Table->Table().recordNumber(), 2u);

    // A cancelled print dialog prints nothing.
    QFile::remove(Pdf);
    window->ChoosePrinter = [] { return false; };
    window->PrintClick();
    EXPECT_FALSE(QFile::exists(Pdf));

    // Cancel while printing asks, and Yes stops the run after the record being printed.
    auto all = Window(TRecordChoice::TRecords::All);
    all->ShowStatus = [&](TLetterPrint& print) {
        QTimer::singleShot(0, &print, [&print] { print.CancelButtonClick(); });
        print.RunJob();
        status = print.StatusText();
        button = print.ButtonText();
    };
    Prompts.Answer(true);
    all->PrintClick();
    EXPECT_EQ(status, "Letter Print Canceled!");
    EXPECT_EQ(button, "OK");
    ASSERT_FALSE(Prompts.Asked().empty());
    EXPECT_EQ(Prompts.Asked().back().Text, "Cancel print job?");
}

TEST_F(LetterWindows, DesignerInsertsFieldsAndPageBreaks)
{
    TRichDocument document;
    TRtfReader::Read(R"({\rtf1 Dear ,\par Second paragraph.})", document);
    TLetterDesign designer(*Table, document, "Welcome");
    EXPECT_EQ(designer.FieldBox->count(), 26); // "Insert field" and the 25 names
    designer.show();
    EXPECT_FALSE(designer.grab().isNull()); // the ruler and the editor paint
    QTextCursor caret = designer.Editor->textCursor();
    caret.setPosition(5);
    designer.Editor->setTextCursor(caret);
    designer.FieldBox->setCurrentIndex(1);
    emit designer.FieldBox->activated(1);
    designer.CommitToLetter();
    EXPECT_EQ(Text(document).section('\n', 0, 0), "Dear [" + designer.FieldBox->itemText(1) + "],");

    caret.setPosition(designer.Editor->document()->findBlockByNumber(1).position() + 3);
    designer.Editor->setTextCursor(caret);
    Prompts.Answer(false);
    designer.InsertPageBreakClick();
    designer.CommitToLetter();
    EXPECT_EQ(document.Content().findBlockByNumber(1).blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_Auto);
    Prompts.Answer(true);
    designer.InsertPageBreakClick();
    designer.CommitToLetter();
    EXPECT_EQ(document.Content().findBlockByNumber(1).blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
    designer.Editor->moveCursor(QTextCursor::Start);
    EXPECT_TRUE(designer.PositionLabel->text().startsWith("Page 1  Line 1  Column 1"));
    designer.Editor->moveCursor(QTextCursor::End);
    EXPECT_TRUE(designer.PositionLabel->text().startsWith("Page 2  Line 2")) << designer.PositionLabel->text().toStdString();
    EXPECT_EQ(Prompts.Asked().back().Caption, "PAGE BREAK");
    EXPECT_EQ(Prompts.Asked().back().Text, "Insert a page break?");
    EXPECT_TRUE(TRtfWriter::Write(document).contains("\\pagebb"));

    // Indents shown in screen pixels come back in the letter's own units.
    TParagraphSettings indented;
    indented.LeftIndent = 720;
    indented.FirstIndent = 360;
    designer.ApplyParagraphSettings(indented);
    designer.CommitToLetter();
    const TParagraphSettings stored = TParagraphSettings::From(document.Content().findBlockByNumber(1).blockFormat());
    EXPECT_NEAR(stored.LeftIndent, 720, 1);
    EXPECT_NEAR(stored.FirstIndent, 360, 1);
    EXPECT_LT(designer.Editor->document()->findBlockByNumber(1).blockFormat().leftMargin(), 100); // half an inch on screen

    // Dragging the ruler's markers: the left indent keeps the first line where it was.
    const double dpi = designer.logicalDpiX();
    designer.Ruler->SetMarker(TLetterRuler::TMarker::Left, dpi); // one inch
    EXPECT_NEAR(designer.Ruler->MarkerX(TLetterRuler::TMarker::First), (720 + 360) * dpi / 1440, 1);
    designer.Ruler->SetMarker(TLetterRuler::TMarker::Right, designer.Ruler->MarkerX(TLetterRuler::TMarker::Right) - dpi / 2);
    designer.CommitToLetter();
    const TParagraphSettings dragged = TParagraphSettings::From(document.Content().findBlockByNumber(1).blockFormat());
    EXPECT_NEAR(dragged.LeftIndent, 1440, 2);
    EXPECT_NEAR(dragged.FirstIndent, 1080 - 1440, 2);
    EXPECT_NEAR(dragged.RightIndent, 720, 2);

    EXPECT_EQ(designer.WordWrapAction->text(), "&Word Wrap is OFF");
    designer.ToggleWordWrap();
    EXPECT_EQ(designer.WordWrapAction->text(), "&Word Wrap is ON");
    EXPECT_EQ(designer.DefaultFontAction->text(), "&Default Font: Arial, 10 pt ");
    EXPECT_FALSE(designer.SpellCheckAction->isEnabled()); // no main dictionary in this folder
}

TEST_F(LetterWindows, PreviewZoomLimitsAndRecordStepping)
{
    auto letter = Letter(R"({\rtf1 Dear [First].\page Page two.})");
    TRTFPreviewForm preview(*Table, *letter);
    preview.show();
    EXPECT_FALSE(preview.grab().isNull());
    preview.SetZoom(140);
    preview.ZoomInClick();
    EXPECT_EQ(preview.Zoom(), 175);
    preview.ZoomInClick();
    EXPECT_EQ(preview.Zoom(), 175);
    preview.SetZoom(60);
    preview.ZoomOutClick();
    EXPECT_EQ(preview.Zoom(), 45);
    preview.ZoomOutClick();
    EXPECT_EQ(preview.Zoom(), 45);

    preview.NextPageClick();
    EXPECT_EQ(preview.PageNumber(), 2);
    EXPECT_EQ(preview.windowTitle(), "Preview Letters Page 2");
    preview.NextPageClick(); // there is no third page
    EXPECT_EQ(preview.PageNumber(), 2);
    preview.MoveRecord(1); // last record: back to page 1 of Cy's letter
    EXPECT_EQ(preview.PageNumber(), 1);
    EXPECT_EQ(Table->Table().recordNumber(), 3u);
    preview.MoveRecord(2); // past the last stays on it
    EXPECT_EQ(Table->Table().recordNumber(), 3u);
    preview.MoveRecord(-2);
    EXPECT_EQ(Table->Table().recordNumber(), 2u);
    preview.MoveRecord(-1);
    EXPECT_EQ(Table->Table().recordNumber(), 1u);
    preview.PreviousPageClick();
    EXPECT_EQ(preview.PageNumber(), 1);
}

TEST_F(LetterWindows, SpellCheckReplacesSkipsAndAdds)
{
    {
        QFile main(TProgramFolder::Path() + "quorva.dct");
        ASSERT_TRUE(main.open(QIODevice::WriteOnly));
        main.write(QByteArray::fromStdString(
            TMainDictionaryBuilder::Build({"dear", "the", "house", "is", "red", "blue"}).Serialize()));
    }
    TRichDocument document;
    TRtfReader::Read(R"({\rtf1 Dear [First Name], the hous is bleu, Quorvane 2nd red.})", document);
    TSpellCheckDialog dialog(document);
    EXPECT_TRUE(dialog.AddButton->isEnabled());
    ASSERT_TRUE(dialog.CheckNextWord());
    EXPECT_EQ(dialog.ErrorLabel->text(), "hous");
    EXPECT_EQ(dialog.ReplaceWithEdit->text(), "house");
    dialog.ReplaceClick();
    EXPECT_EQ(dialog.ErrorLabel->text(), "bleu");
    dialog.SuggestionList->setCurrentRow(0);
    emit dialog.SuggestionList->itemClicked(dialog.SuggestionList->item(0));
    EXPECT_EQ(dialog.ReplaceWithEdit->text(), dialog.SuggestionList->item(0)->text());
    dialog.SkipWordClick();
    EXPECT_EQ(dialog.ErrorLabel->text(), "Quorvane");
    dialog.AddWordClick(); // the last unknown word: the check ends
    EXPECT_EQ(Prompts.Asked().back().Text, "Spell check complete");
    EXPECT_EQ(Text(document), "Dear [First Name], the house is bleu, Quorvane 2nd red.");
    EXPECT_EQ(document.Caret().position(), 0);
    EXPECT_FALSE(document.Caret().hasSelection());

    TViredSpell again;
    ASSERT_GE(again.OpenUser(TProgramFolder::Path() + "quorvau.dct"), 0);
    EXPECT_TRUE(again.Check("quorvane"));

    // A main dictionary in the user dictionary's place: told once, "&Add Word" off.
    QFile::remove(TProgramFolder::Path() + "quorvau.dct");
    ASSERT_TRUE(QFile::copy(TProgramFolder::Path() + "quorva.dct", TProgramFolder::Path() + "quorvau.dct"));
    TSpellCheckDialog refused(document);
    EXPECT_FALSE(refused.AddButton->isEnabled());
    EXPECT_TRUE(Prompts.Asked().back().Text.contains("not a user dictionary"));
}

TEST_F(LetterWindows, SpellCheckInTheDesignerShowsEachReplacementAtOnceAndSelectsTheNextWord)
{
    {
        QFile main(TProgramFolder::Path() + "quorva.dct");
        ASSERT_TRUE(main.open(QIODevice::WriteOnly));
        main.write(QByteArray::fromStdString(TMainDictionaryBuilder::Build({"a", "the", "house", "is", "red"}).Serialize()));
    }
    TRichDocument document;
    TRtfReader::Read(R"({\rtf1 a hous is bleuish, the hous is bleuish.})", document);
    TLetterDesign designer(*Table, document, "Welcome");
    designer.show();
    QStringList shown;   // the editor's text when each word is put before the user
    QStringList selected; // what the editor has selected then
    QTimer::singleShot(0, &designer, [&] {
        auto* dialog = designer.findChild<TSpellCheckDialog*>();
        ASSERT_NE(dialog, nullptr);
        const auto look = [&] {
            shown << designer.Editor->toPlainText();
            selected << designer.Editor->textCursor().selectedText();
        };
        if (!dialog->CheckNextWord()) // "hous"
            return;
        look();
        dialog->ReplaceWithEdit->setText("houses");
        dialog->ReplaceAllClick(); // here, and at the second "hous" when the check gets there
        look();
        dialog->ReplaceWithEdit->setText("blue");
        dialog->ReplaceClick(); // the first "bleuish" only; the second "hous" goes by itself
        look();
        dialog->SkipWordClick(); // ends the check
    });
    designer.SpellCheckClick();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(selected, QStringList({"hous", "bleuish", "bleuish"}));
    EXPECT_EQ(shown[1], "a houses is bleuish, the hous is bleuish.") << "the replacement reaches the editor at once";
    EXPECT_EQ(shown[2], "a houses is blue, the houses is bleuish.");
    EXPECT_TRUE(designer.Unsaved());
}

TEST_F(LetterWindows, PrintToPdfAsksForTheFileOnce)
{
    AddLetter("Welcome", R"({\rtf1 Dear [First].})");
    Printers.SetPdfFileName(QString()); // no fixed name: the person names the file
    auto window = Window();
    const QString chosen = Home.filePath("chosen.pdf");
    // The print dialog's file name (as the dialog hands it on) is the one used.
    window->ChoosePrinter = [&] {
        window->DialogPdfFile = chosen;
        return true;
    };
    window->PrintClick();
    for (const TPromptRecord& asked : Prompts.Asked())
        EXPECT_NE(asked.Kind, TPromptKind::pkSaveFile) << asked.Caption.toStdString();
    EXPECT_TRUE(QFile::exists(chosen));
    EXPECT_TRUE(Printers.FixedPdfFileName().isEmpty()) << "the next print asks afresh";
}

} // namespace

namespace {

TEST(ParagraphProperties, ConversionsTruncateToTwips)
{
    using TUnit = TParagraphProperties::TUnit;
    const struct {
        double Value;
        TUnit Unit;
        int Twips;
    } cases[] = {
        {1.0, TUnit::Inch, 1440}, {0.33, TUnit::Inch, 475}, {2.5, TUnit::Cm, 1417}, {1.0, TUnit::Cm, 566}, {-0.5, TUnit::Inch, -720},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TParagraphProperties::ToTwips(c.Value, c.Unit), c.Twips) << c.Value;
    EXPECT_EQ(TParagraphProperties::PointsToTwips(12.99), 259);
    EXPECT_EQ(TParagraphProperties::Shown(1417, TUnit::Cm), "2.50");
    EXPECT_EQ(TParagraphProperties::Shown(475, TUnit::Inch), "0.33");
}

TEST(ParagraphProperties, FirstLineFollowsTheLeftIndentUnlessIndented)
{
    TParagraphSettings start;
    start.LeftIndent = 720;
    start.SpaceBefore = 240;
    TParagraphProperties dialog(start);
    EXPECT_TRUE(dialog.SameAsLeftButton->isChecked());
    EXPECT_FALSE(dialog.FirstIndentEdit->isEnabled());
    EXPECT_EQ(dialog.FirstIndentEdit->text(), "0.50");
    EXPECT_EQ(dialog.SpaceBeforeEdit->text(), "12");
    dialog.SetUnit(TParagraphProperties::TUnit::Cm);
    EXPECT_EQ(dialog.LeftIndentEdit->text(), "1.27");
    dialog.IndentedByButton->setChecked(true);
    dialog.FirstIndentEdit->setText("1");
    dialog.LineHeightEdit->setText("14.5");
    const TParagraphSettings chosen = dialog.Settings();
    EXPECT_EQ(chosen.FirstIndent, 566);
    EXPECT_EQ(chosen.LeftIndent, 719); // 1.27 cm shown, truncated back
    EXPECT_EQ(chosen.SpaceBefore, 240);
    EXPECT_EQ(chosen.LineSpacing, 290);
}

} // namespace

namespace {

TEST(LetterFindDialog, FindsInAnyCaseAndReplacesInTheFoundFormat)
{
    TScriptedUserPrompts prompts;
    TUserPrompts::Install(&prompts);
    QTextEdit editor;
    editor.setHtml("<p>Dear <b>Friend</b>, friend of FRIENDS.</p>");
    TLetterFindDialog dialog(editor, true);
    dialog.FindEdit->setText("friend");
    ASSERT_TRUE(dialog.FindNextClick());
    EXPECT_EQ(editor.textCursor().selectedText(), "Friend");
    dialog.ReplaceEdit->setText("Partner");
    dialog.ReplaceClick(); // replaces and finds the next one
    EXPECT_EQ(editor.textCursor().selectedText(), "friend");
    EXPECT_TRUE(editor.toHtml().contains("font-weight:700;\">Partner</span>"));
    EXPECT_EQ(dialog.ReplaceAllClick(), 2);
    EXPECT_EQ(editor.toPlainText(), "Dear Partner, Partner of PartnerS.");
    EXPECT_FALSE(dialog.FindNextClick());
    EXPECT_EQ(prompts.Asked().back().Text, "\"friend\" was not found");
    TUserPrompts::Install(nullptr);
}

} // namespace

namespace {

TEST_F(LetterWindows, PageSettingsInAnyUnitReachTheLetter)
{
    TRichDocument document;
    TRtfReader::Read(R"({\rtf1\paperw12240\paperh15840 Dear [First].})", document);
    TRichPageLayout start;
    TLetterPageSettings dialog(start);
    EXPECT_EQ(dialog.Edits[0]->text(), "8.50");
    dialog.SetUnit(TLetterPageSettings::TUnit::Twips);
    EXPECT_EQ(dialog.Edits[1]->text(), "15840");
    dialog.Edits[4]->setText("720");
    dialog.SetUnit(TLetterPageSettings::TUnit::Cm);
    dialog.Edits[0]->setText("21");
    dialog.Edits[1]->setText("29.7");
    const TRichPageLayout a4 = dialog.Layout();
    EXPECT_EQ(a4.PaperWidth.Value(), 11905);
    EXPECT_EQ(a4.PaperHeight.Value(), 16837);
    EXPECT_EQ(a4.MarginLeft.Value(), 719); // 720 twips shown as 1.27 cm

    TLetterDesign designer(*Table, document, "Welcome");
    designer.ApplyPageLayout(a4);
    designer.CommitToLetter();
    EXPECT_EQ(document.PageLayout(), a4);
    EXPECT_EQ(Text(document), "Dear [First].");
    EXPECT_TRUE(TRtfWriter::Write(document).contains("\\paperw11905"));
}

} // namespace

namespace {

TEST(SpellHighlighter, UnderlinesUnknownWordsOutsideFieldsAndNumbers)
{
    using TWords = QList<std::pair<int, int>>;
    EXPECT_EQ(TSpellHighlighter::Words("Dear [First Name], don't e-mail 2nd x"), (TWords{{0, 4}, {19, 5}, {25, 6}, {36, 1}}));
    EXPECT_EQ(TSpellHighlighter::Words(QString::fromUtf8("it\u2019s -dash- ']")), (TWords{{0, 4}, {6, 4}}));

    QTemporaryDir folder;
    const QString main = folder.filePath("main.dct");
    QFile file(main);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(TMainDictionaryBuilder::Build({"dear", "house", "is", "red"}).Serialize()));
    file.close();
    TViredSpell spell;
    ASSERT_TRUE(spell.OpenMain(main));
    QTextDocument document("Dear [Frist], the hous is red.");
    (new TSpellHighlighter(&document, spell))->rehighlight();
    QList<QString> underlined;
    for (const QTextLayout::FormatRange& range : document.firstBlock().layout()->formats())
        if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
            underlined << document.firstBlock().text().mid(range.start, range.length);
    EXPECT_EQ(underlined, (QList<QString>{"the", "hous"}));
}

} // namespace
