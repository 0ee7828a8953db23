#include "AppTestSupport.h"

#include "app/TFieldLengthsForm.h"
#include "app/TNewDatabaseForm.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TIniFile.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

int EntryIndex(const char* field)
{
    const auto& fields = TFieldLengthsForm::EntryFields();
    return static_cast<int>(std::find_if(fields.begin(), fields.end(),
                                         [&](const char* name) { return QLatin1String(name) == QLatin1String(field); }) -
                            fields.begin());
}

// Answers the next modal field-length dialog: sets CITY to `city`, the check box, then "Ok".
void AnswerFieldLengths(const QString& city, bool saveForAll)
{
    QTimer::singleShot(0, [=] {
        auto* form = qobject_cast<TFieldLengthsForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        form->Entries[EntryIndex("CITY")]->setText(city);
        form->SaveForAllCheck->setChecked(saveForAll);
        form->OkButton->click();
    });
}

} // namespace

TEST(TNewDatabaseForm, NamesStartWithALetterOrUnderscoreAndHoldOnlyLettersDigitsUnderscores)
{
    struct TCase {
        const char* Name;
        bool Valid;
    };
    const TCase cases[] = {{"ADD0003", true}, {"_abc", true}, {"a", true},        {"Mail_2", true},
                           {"12345678", false}, {"9abc", false}, {"", false},      {"my-list", false},
                           {"AB CD", false},   {"ABCDEFGHI", false}, {"Ünter", false}};
    for (const TCase& entry : cases)
        EXPECT_EQ(TNewDatabaseForm::IsValidName(QString::fromUtf8(entry.Name)), entry.Valid) << entry.Name;
}

TEST(TNewDatabaseForm, AnInvalidNameDisablesOkAndSaysWhy)
{
    TTestProgramFolder home;
    TNewDatabaseForm form(nullptr, "ADD0003");
    SaveScreenshot(&form, "new_database");
    EXPECT_EQ(form.NameEdit->text(), "ADD0003");
    EXPECT_TRUE(form.OkButton->isEnabled());
    EXPECT_TRUE(form.InvalidNameLabel->isHidden());

    form.NameEdit->setText("9abc");
    EXPECT_FALSE(form.OkButton->isEnabled());
    EXPECT_FALSE(form.InvalidNameLabel->isHidden());
    EXPECT_EQ(form.InvalidNameLabel->text(),
              "Invalid name. Must start with A..Z, followed by A..Z,0..9 or \"_\" (underscore)");

    form.NameEdit->setText("_abc");
    EXPECT_TRUE(form.OkButton->isEnabled());
    EXPECT_EQ(form.Choice().Name, "_abc");
}

TEST(TNewDatabaseForm, WidthsComeFromTheSettingsAndAreSavedOnlyWhenAsked)
{
    TTestProgramFolder home;
    TIniFile settings(TProgramFolder::SettingsFile());
    settings.WriteInteger(TFieldLengths::Section, "FieldCITY", 44);

    TNewDatabaseForm form(nullptr, "ADD0001");
    EXPECT_EQ(form.Choice().Widths.Width("CITY"), 44);

    AnswerFieldLengths("50", false);
    form.SpecifyFieldLengths();
    EXPECT_EQ(form.Choice().Widths.Width("CITY"), 50);
    EXPECT_EQ(settings.ReadInteger(TFieldLengths::Section, "FieldCITY", 0), 44);

    AnswerFieldLengths("60", true);
    form.SpecifyFieldLengths();
    EXPECT_EQ(form.Choice().Widths.Width("CITY"), 60);
    EXPECT_EQ(settings.ReadInteger(TFieldLengths::Section, "FieldCITY", 0), 60);
    EXPECT_EQ(settings.ReadInteger(TFieldLengths::Section, "FieldLNAME", 0), TFieldLengths().Width("LNAME"));
}

TEST(TFieldLengthsForm, LeavingAnEntryKeepsOnlyWholeNumbersFromTenToEighty)
{
    TestApplication();
    TFieldLengths widths;
    widths.SetWidth("CITY", 33);
    TFieldLengthsForm form(nullptr, widths);
    SaveScreenshot(&form, "field_lengths");
    QLineEdit* city = form.Entries[EntryIndex("CITY")];
    EXPECT_EQ(city->text(), "33");

    struct TCase {
        const char* Typed;
        const char* Kept;
    };
    const TCase cases[] = {{"5", "33"}, {"9", "33"}, {"81", "33"}, {"abc", "33"}, {"", "33"},
                           {"80", "80"}, {"10", "10"}};
    for (const TCase& entry : cases) {
        city->setText(entry.Typed);
        form.CheckEntry(EntryIndex("CITY"));
        EXPECT_EQ(city->text(), entry.Kept) << entry.Typed;
        city->setText("33");
    }
}

TEST(TFieldLengthsForm, OkTakesTheEntriesAndDefaultsStayAfterCancel)
{
    TestApplication();
    TFieldLengths widths;
    widths.SetWidth("FAX", 22);
    widths.SetWidth("CITY", 33);

    // "Cancel" alone leaves the widths; "Defaults" then "Cancel" keeps the defaults, FAX at 30.
    TFieldLengthsForm untouched(nullptr, widths);
    untouched.Entries[EntryIndex("CITY")]->setText("44");
    untouched.CancelButton->click();
    EXPECT_EQ(untouched.Widths().Width("CITY"), 33);
    TFieldLengthsForm cancelled(nullptr, widths);
    cancelled.DefaultsButton->click();
    EXPECT_EQ(cancelled.Entries[EntryIndex("CITY")]->text(), QString::number(TFieldLengths().Width("CITY")));
    cancelled.CancelButton->click();
    EXPECT_EQ(cancelled.Widths().Width("FAX"), 30);
    EXPECT_EQ(cancelled.Widths().Width("CITY"), TFieldLengths().Width("CITY"));

    // "Defaults" then "Ok": the standard widths, FAX included, and the entries' checks applied.
    TFieldLengthsForm taken(nullptr, widths);
    taken.DefaultsButton->click();
    taken.Entries[EntryIndex("STATE")]->setText("200"); // not allowed: the default comes back
    taken.Entries[EntryIndex("EMAIL")]->setText("70");
    taken.OkButton->click();
    EXPECT_EQ(taken.result(), QDialog::Accepted);
    TFieldLengths expected;
    expected.SetWidth("EMAIL", 70);
    expected.SetWidth("FAX", 30);
    for (const char* field : TFieldLengthsForm::EntryFields())
        EXPECT_EQ(taken.Widths().Width(field), expected.Width(field)) << field;
    EXPECT_EQ(taken.Widths().Width("FAX"), 30);
    EXPECT_FALSE(taken.SaveForAll());
}
