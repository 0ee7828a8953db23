#include "AppTestSupport.h"

#include "app/TAddressFilterForm.h"
#include "data/SmallAddressTable.h"
#include "data/TAddressFilter.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
class TAddressFilterFormTest : public SmallAddressTable {
protected:
    void SetUp() override
    {
        TestApplication();
        SmallAddressTable::SetUp();
    }

    QLineEdit* Entry(TAddressFilterForm& form, const char* caption)
    {
        return form.Entries[static_cast<size_t>(TQueryValues::EntryIndex(QLatin1String(caption)))];
    }

    // Runs Execute, letting `drive` work the dialog once it is on screen.
    bool ExecuteWith(const std::function<void(TAddressFilterForm&)>& drive)
    {
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<TAddressFilterForm*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            drive(*form);
            if (form->isVisible())
                form->reject(); // never leave the test hanging on a dialog that stayed open
        });
        return TAddressFilterForm::Execute(nullptr, Filter, *Table);
    }

    TAddressFilter Filter;
};
} // namespace

TEST_F(TAddressFilterFormTest, TestCountsTheEntriesAndSaysWhenNoFilterIsLeft)
{
    TAddressFilterForm form(Filter, *Table);
    Entry(form, "Last")->setText("smi");
    EXPECT_EQ(form.TestClick(), 2u); // Smith, Smithers; the ISDEL Smith is not in the set
    EXPECT_EQ(form.CountLabel->text(), "2 matches");
    EXPECT_EQ(Filter.Values.Values[0], "smi");
    EXPECT_EQ(Table->Count(), 2u);
    EXPECT_EQ(Table->FieldText("LNAME"), "Smith"); // on the first record of the set

    Entry(form, "City")->setText("spring");
    form.ReverseCheck->setChecked(true);
    EXPECT_EQ(form.TestClick(), 3u);
    EXPECT_EQ(form.CountLabel->text(), "3 matches");

    Entry(form, "Last")->setText("zzz");
    form.ReverseCheck->setChecked(false);
    EXPECT_EQ(form.TestClick(), 0u);
    EXPECT_EQ(form.CountLabel->text(), "No filter set");
    EXPECT_FALSE(Filter.IsSet());
    EXPECT_EQ(Table->Count(), 5u);

    Entry(form, "Last")->setText("smi");
    form.ClearClick();
    EXPECT_EQ(form.CountLabel->text(), "No filter set");
    EXPECT_TRUE(Entry(form, "Last")->text().isEmpty() && Entry(form, "City")->text().isEmpty());
    EXPECT_EQ(Filter.Values, TQueryValues());
}

TEST_F(TAddressFilterFormTest, OkAppliesTheEntries)
{
    Filter.Values.Values[8] = "IL"; // State or Prov
    Filter.ApplyQuery(*Table);
    const bool ok = ExecuteWith([&](TAddressFilterForm& form) {
        EXPECT_EQ(Entry(form, "State or Prov")->text(), "IL");
        Entry(form, "State or Prov")->clear();
        Entry(form, "Codes")->setText("$A+$B");
        form.OkButton->click();
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(Filter.Values.Values[15], "$A+$B");
    EXPECT_TRUE(Filter.Values.Values[8].isEmpty());
    EXPECT_EQ(Table->Count(), 1u);
}

TEST_F(TAddressFilterFormTest, CancelPutsBackTheFilterTheRecordSetAndTheRecord)
{
    Filter.Values.Values[8] = "IL";
    Filter.ApplyQuery(*Table);
    Table->SetOrderTag("LNAME");
    Table->Table().goTop();
    Table->Table().skip(); // Smith, after Blacksmith
    const uint32_t record = Table->Table().recordNumber();
    const bool ok = ExecuteWith([&](TAddressFilterForm& form) {
        Entry(form, "State or Prov")->setText("IN");
        form.TestClick();
        EXPECT_EQ(Table->Count(), 1u);
        form.CancelButton->click();
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(Filter.Values.Values[8], "IL");
    EXPECT_EQ(Filter.FilterText(), R"(UPPER(STATE)="IL")");
    EXPECT_EQ(Table->Count(), 2u);
    EXPECT_EQ(Table->Table().recordNumber(), record);
}

// The entries are kept for the user to change rather than dropped behind their back.
TEST_F(TAddressFilterFormTest, OkStaysOpenWhenTheEntriesMatchNothing)
{
    bool stayed = false;
    const bool ok = ExecuteWith([&](TAddressFilterForm& form) {
        Entry(form, "Last")->setText("zzz");
        form.OkButton->click();
        stayed = form.isVisible();
        EXPECT_EQ(Entry(form, "Last")->text(), "zzz");
        form.ClearButton->click();
        form.OkButton->click(); // nothing asked for: closes
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(ok);
    EXPECT_FALSE(Filter.IsSet());
}

TEST_F(TAddressFilterFormTest, DateNoteShowsWhileTheDateEntryHasTheFocus)
{
    TAddressFilterForm form(Filter, *Table);
    QLineEdit* date = Entry(form, "Date");
    EXPECT_EQ(date->toolTip(), TAddressFilterForm::DateHint);
    form.show();
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(date, &in);
    EXPECT_TRUE(form.DateNoteLabel->isVisible());
    EXPECT_EQ(form.DateNoteLabel->text(), "(YYYYMMDD)");
    Entry(form, "Last")->setText("smith;jones");
    form.TaggedCheck->setChecked(true);
    SaveScreenshot(&form, "address_filter");
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(date, &out);
    EXPECT_FALSE(form.DateNoteLabel->isVisible());
}
