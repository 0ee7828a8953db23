// The four designers keep work: Cancel (and the close box, and Escape, which all come to
// reject()) on a designer with unsaved changes asks "Save changes?"; Yes saves and closes, No
// closes without saving, Cancel keeps the designer open with the work in it. Untouched, a
// designer closes without asking.
#include "data/PeopleTestTable.h"

#include "envelopes/TEnvelopeDesignScreen.h"
#include "envelopes/TEnvelopeSetups.h"
#include "labels/TLabelDesignScreen.h"
#include "labels/TLabelSetups.h"
#include "layout/TLPLabel.h"
#include "layout/TLDesignView.h"
#include "layout/TLayoutDesigner.h"
#include "letters/TLetterDesign.h"
#include "prompts/TSaveChangesQuestion.h"
#include "reports/TReportDesigner.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRtfReader.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>

#include <functional>
#include <memory>
#include <stdexcept>

namespace {

// One designer as the test drives it: shown, then edited (or not), then cancelled.
struct TDesignerUnderTest {
    std::unique_ptr<QDialog> Window;
    std::function<void()> Edit;       // a change a user would make
    std::function<bool()> SavedSince; // whether Save ran
};

using TMaker = std::function<TDesignerUnderTest(TAddressTable&)>;

TDesignerUnderTest LabelDesigner(TAddressTable& table)
{
    TLabelSetup setup;
    setup.Stock = TLabelStock::NewStock();
    auto screen = std::make_unique<TLabelDesignScreen>(setup, false, &table);
    auto saved = std::make_shared<bool>(false);
    screen->OnSave = [saved](TLabelDesignScreen&) { *saved = true; };
    TLabelDesignScreen* s = screen.get();
    return {std::move(screen), [s] { s->DescriptionEdit->setText("Changed"); emit s->DescriptionEdit->textEdited("Changed"); },
            [saved] { return *saved; }};
}

TDesignerUnderTest EnvelopeDesigner(TAddressTable& table)
{
    static std::unique_ptr<TEnvelopeSetups> setups;
    setups.reset(); // the table is closed before it is opened again
    setups = TEnvelopeSetups::Open();
    if (!setups)
        throw std::runtime_error("ENVELOPE.DBF cannot be opened");
    auto screen = std::make_unique<TEnvelopeDesignScreen>(*setups, TEnvelopeSetup{}, false, &table, nullptr);
    TEnvelopeDesignScreen* s = screen.get();
    return {std::move(screen),
            [s] { s->DescriptionEdit()->setText("Changed"); emit s->DescriptionEdit()->textEdited("Changed"); },
            [s] { return s->result() == QDialog::Accepted; }};
}

TDesignerUnderTest ReportDesigner(TAddressTable& table)
{
    auto designer = std::make_unique<TReportDesigner>(&table);
    TReportDesigner* d = designer.get();
    // The report designer's Save hands the report to its caller by accepting.
    return {std::move(designer),
            [d] {
                auto label = std::make_unique<TLPLabel>();
                label->SetCaption("x");
                d->Band(TReportBand::rbDetail).AddObject(std::move(label), QRect(10, 5, 40, 15));
            },
            [d] { return d->result() == QDialog::Accepted; }};
}

TDesignerUnderTest LetterDesigner(TAddressTable& table)
{
    static TRichDocument document;
    TRtfReader::Read(R"({\rtf1 Dear friend,\par Second paragraph.})", document);
    auto designer = std::make_unique<TLetterDesign>(table, document, "Welcome");
    TLetterDesign* d = designer.get();
    return {std::move(designer), [d] { d->Editor->textCursor().insertText("More "); },
            [d] { return d->result() == QDialog::Accepted; }};
}

struct TCloseCase {
    const char* Name;
    TMaker Make;
};

const TCloseCase kDesigners[] = {
    {"label", LabelDesigner}, {"envelope", EnvelopeDesigner}, {"report", ReportDesigner}, {"letter", LetterDesigner}};

class DesignerClose : public PeopleTestTable {
protected:
    void SetUp() override
    {
        PeopleTestTable::SetUp();
        Create({{"FNAME=Ann", "LNAME=Able", "STREET=1 Main St", "CITY=Ames", "STATE=IA", "ZIP=50010"}});
    }

    TDesignerUnderTest Shown(const TCloseCase& designer)
    {
        TDesignerUnderTest under = designer.Make(*Table);
        under.Window->show();
        QApplication::processEvents();
        Prompts.Clear();
        return under;
    }

    bool Asked() const
    {
        for (const TPromptRecord& record : Prompts.Asked())
            if (record.Kind == TPromptKind::pkYesNoCancel && record.Caption == "Save" && record.Text == "Save changes?")
                return true;
        return false;
    }
};

TEST_F(DesignerClose, UntouchedDesignersCloseWithoutAsking)
{
    for (const TCloseCase& designer : kDesigners) {
        SCOPED_TRACE(designer.Name);
        TDesignerUnderTest under = Shown(designer);
        under.Window->reject();
        EXPECT_FALSE(under.Window->isVisible());
        EXPECT_EQ(under.Window->result(), QDialog::Rejected);
        EXPECT_TRUE(Prompts.Asked().empty()) << Prompts.Texts().join('|').toStdString();
    }
}

TEST_F(DesignerClose, UnsavedWorkAsksAndEachAnswerDoesWhatItSays)
{
    struct TAnswerCase {
        TYesNoCancel Answer;
        bool StaysOpen;
        bool Saves;
    };
    const TAnswerCase answers[] = {
        {TYesNoCancel::yncCancel, true, false}, {TYesNoCancel::yncNo, false, false}, {TYesNoCancel::yncYes, false, true}};
    for (const TCloseCase& designer : kDesigners) {
        for (const TAnswerCase& answer : answers) {
            SCOPED_TRACE(std::string(designer.Name) + " answer " + std::to_string(int(answer.Answer)));
            TDesignerUnderTest under = Shown(designer);
            under.Edit();
            Prompts.Answer(answer.Answer);
            under.Window->reject();
            EXPECT_TRUE(Asked()) << Prompts.Texts().join('|').toStdString();
            EXPECT_EQ(under.Window->isVisible(), answer.StaysOpen);
            EXPECT_EQ(under.SavedSince(), answer.Saves);
            // The close box comes the same way: on Cancel the window stays.
            if (answer.StaysOpen) {
                Prompts.Answer(TYesNoCancel::yncCancel);
                under.Window->close();
                EXPECT_TRUE(under.Window->isVisible());
            }
        }
    }
}

TEST(SaveChangesQuestion, WithNothingUnsavedNothingIsAsked)
{
    TScriptedUserPrompts prompts;
    bool saved = false;
    EXPECT_TRUE(TSaveChangesQuestion::MayDiscard(false, [&] { saved = true; }));
    EXPECT_TRUE(prompts.Asked().empty());
    EXPECT_FALSE(saved);
    // An unscripted answer is Cancel: the work stays.
    EXPECT_FALSE(TSaveChangesQuestion::MayDiscard(true, [&] { saved = true; }));
    EXPECT_FALSE(saved);
}

TEST_F(DesignerClose, EnvelopeDesignerOffersSaveForANewEnvelopeAndShowsAWholeNumber10)
{
    auto setups = TEnvelopeSetups::Open();
    ASSERT_NE(setups, nullptr);
    TEnvelopeDesignScreen design(*setups, TEnvelopeSetup{}, true, Table.get(), nullptr);
    design.show();
    QApplication::processEvents();
    EXPECT_FALSE(design.SaveButton()->isHidden());
    // The whole #10 in the scroll area, at a zoom step of its range.
    const TLayoutDesigner& designer = design.Designer();
    const QSize shown = designer.View(0)->size();
    const QSize room = designer.ScrollArea()->viewport()->size();
    EXPECT_LE(shown.width(), room.width());
    EXPECT_LE(shown.height(), room.height());
    EXPECT_EQ(designer.ZoomPercent() % 10, 0);
    EXPECT_GE(designer.ZoomPercent(), 50);
    EXPECT_LE(designer.ZoomPercent(), 100);
}

} // namespace
