// The main window on real tables: start-up, opening, the recent list, aggressive saving and
// the record editing rules, driven offscreen with the scripted prompt service.
#include "AppTestSupport.h"

#include "app/TAddressMain.h"
#include "app/TGettingStartedForm.h"
#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "data/TFieldLengths.h"
#include "labels/TLabelSetupScreen.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using TValues = std::vector<std::pair<const char*, QString>>;

void AppendRecord(TAddressTable& table, const TValues& values)
{
    table.Table().appendBlank();
    for (const auto& [field, value] : values)
        table.SetFieldText(QLatin1String(field), value);
    table.Table().commit();
}

QString DataPath(const QString& name) { return TProgramFolder::DataFolder() + name; }

QString CreateTable(const QString& name)
{
    const QString path = DataPath(name);
    EXPECT_TRUE(TAddressFiles::CreateAddressFile(path, TFieldLengths()));
    return path;
}

void WriteSetting(const char* section, const char* key, const QString& value)
{
    TIniFile(TProgramFolder::SettingsFile()).WriteString(QLatin1String(section), QLatin1String(key), value);
}

QString ReadSetting(const char* section, const char* key)
{
    return TIniFile(TProgramFolder::SettingsFile()).ReadString(QLatin1String(section), QLatin1String(key), QString());
}

// A started main window on a fresh program folder (ADD0001.DBF), Getting Started switched off.
struct TStartedWindow {
    TTestProgramFolder Home;
    TScriptedUserPrompts Prompts;
    TAddressMain Window;

    explicit TStartedWindow(const std::function<void()>& beforeStart = {})
    {
        WriteSetting("Misc", "GettingStarted", QStringLiteral("1"));
        WriteSetting("Editing", "AggressiveSave", QStringLiteral("0"));
        if (beforeStart)
            beforeStart();
        Window.resize(900, 620);
        Window.FirstActivation();
    }
    TAddressTable& Table() { return *Window.AddressTable(); }
    QString Field(const char* name) { return Window.FieldEdits.value(QLatin1String(name))->text(); }
    void Type(const char* name, const QString& text)
    {
        QLineEdit* edit = Window.FieldEdits.value(QLatin1String(name));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
};

} // namespace

TEST(TAddressMainLifecycle, FirstStartCreatesAndOpensTheDefaultTable)
{
    TTestProgramFolder home;
    TScriptedUserPrompts prompts;
    TAddressMain window;
    window.FirstActivation();

    const QString path = DataPath(QStringLiteral("ADD0001.DBF"));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(QFile::exists(DataPath(QStringLiteral("ADD0001.CDX"))));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quorvane - ") + path);
    EXPECT_EQ(window.CurrentDatabase(), path);
    EXPECT_EQ(ReadSetting("MRU", "Item1"), path);
    EXPECT_FALSE(ReadSetting("Misc", "GlobalTagId").isEmpty());
    EXPECT_NE(window.RecordArea->currentWidget(), window.NoDataPanel);
    EXPECT_EQ(window.FilterStatusLabel->text(), QStringLiteral("No records"));
    EXPECT_EQ(window.SortStatusLabel->text(), QStringLiteral("Sorted by Last Name"));
    ASSERT_NE(window.GettingStartedWindow(), nullptr);
    QApplication::processEvents(); // it shows once the main window is up, over it
    EXPECT_TRUE(window.GettingStartedWindow()->isVisible());
    EXPECT_EQ(window.GettingStartedWindow()->parentWidget(), &window);
    EXPECT_TRUE(TGettingStartedForm::PageHtml().contains(QStringLiteral("ADD0001.DBF")));
    window.GettingStartedWindow()->close(); // writes its check box back
    EXPECT_EQ(ReadSetting("Misc", "GettingStarted"), QStringLiteral("0"));
    EXPECT_TRUE(prompts.Texts().isEmpty()) << prompts.Texts().join(u'|').toStdString();
    EXPECT_TRUE(TAddressMain::AboutText().contains(QStringLiteral("%1-bit version").arg(QSysInfo::WordSize)));
}

TEST(TAddressMainLifecycle, RecentListKeepsFourNewestFirstWithoutDuplicates)
{
    TStartedWindow started;
    QStringList paths;
    for (int i = 2; i <= 6; ++i) {
        paths << CreateTable(QStringLiteral("ADD000%1.DBF").arg(i));
        ASSERT_TRUE(started.Window.OpenQVWDBF(paths.last()));
    }
    EXPECT_EQ(started.Window.GetMRUList(), (QStringList{paths[4], paths[3], paths[2], paths[1]}));
    started.Window.OpenMRUFile(paths[3]);
    EXPECT_EQ(started.Window.GetMRUList(), (QStringList{paths[3], paths[4], paths[2], paths[1]}));
    EXPECT_EQ(started.Window.MruActions.size(), 4);
    EXPECT_EQ(started.Window.MruActions.first()->text(), paths[3]);
    EXPECT_EQ(TAddressMain::ProposedDatabaseName(TProgramFolder::DataFolder()), QStringLiteral("ADD0007"));
}

TEST(TAddressMainLifecycle, MissingIndexAsksToRebuild)
{
    TStartedWindow started;
    const QString path = CreateTable(QStringLiteral("ADD0002.DBF"));
    const QString index = DataPath(QStringLiteral("ADD0002.CDX"));

    ASSERT_TRUE(QFile::remove(index));
    started.Prompts.Answer(false);
    EXPECT_FALSE(started.Window.OpenQVWDBF(path));
    EXPECT_TRUE(started.Prompts.Texts().last().startsWith(QStringLiteral("The index file for ") + path));
    EXPECT_EQ(started.Window.RecordArea->currentWidget(), started.Window.NoDataPanel);
    EXPECT_EQ(started.Window.windowTitle(), QStringLiteral("Quorvane - ") + path);
    EXPECT_TRUE(started.Window.CurrentDatabase().isEmpty());

    started.Window.Dialogs.RebuildIndexes = [](TAddressTable& table, QWidget*) {
        return TAddressFiles::RebuildAddressTable(table.Area()) && table.CheckValidIndex();
    };
    started.Prompts.Answer(true);
    EXPECT_TRUE(started.Window.OpenQVWDBF(path));
    EXPECT_TRUE(QFile::exists(index));
    EXPECT_NE(started.Window.RecordArea->currentWidget(), started.Window.NoDataPanel);
}

TEST(TAddressMainLifecycle, AnUnreadableFileIsReportedAndNotRemembered)
{
    TStartedWindow started;
    const QString path = DataPath(QStringLiteral("JUNK.DBF"));
    QFile junk(path);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a table");
    junk.close();
    EXPECT_FALSE(started.Window.OpenQVWDBF(path));
    EXPECT_TRUE(started.Prompts.Texts().last().startsWith(QStringLiteral("Unable to open ") + path));
    EXPECT_FALSE(started.Window.GetMRUList().contains(path));
}

TEST(TAddressMainLifecycle, AggressiveSavingReopensAfterTheConfiguredSaves)
{
    const struct {
        int Level;
        int Saves;
        int Reopens;
    } cases[] = {{0, 6, 0}, {1, 4, 0}, {1, 5, 1}, {1, 10, 2}, {2, 3, 3}};
    for (const auto& c : cases) {
        TStartedWindow started([&] { WriteSetting("Editing", "AggressiveSave", QString::number(c.Level)); });
        for (const char* name : {"Adams", "Brown", "Clark"})
            AppendRecord(started.Table(), {{"LNAME", QLatin1String(name)}});
        started.Window.FirstRecord();
        started.Window.NextRecord(); // Brown
        for (int save = 0; save < c.Saves; ++save) {
            started.Window.EditButtonClick();
            started.Window.FieldEdits["CITY"]->setText(QStringLiteral("City %1").arg(save));
            ASSERT_TRUE(started.Window.SaveButtonClick());
        }
        EXPECT_EQ(started.Window.ReopenCount(), c.Reopens) << "level " << c.Level << ", saves " << c.Saves;
        EXPECT_EQ(started.Field("LNAME"), QStringLiteral("Brown"));
        EXPECT_EQ(started.Field("CITY"), QStringLiteral("City %1").arg(c.Saves - 1));
        EXPECT_EQ(started.Window.SortStatusLabel->text(), QStringLiteral("Sorted by Last Name"));
    }
}

TEST(TAddressMainLifecycle, AddingChecksDuplicatesAndCarriesValuesForward)
{
    TStartedWindow started([] {
        WriteSetting("Adding", "AutoDupCheck", QStringLiteral("1"));
        WriteSetting("Adding", "CarryCity", QStringLiteral("1"));
        WriteSetting("Adding", "DefaultCountry", QStringLiteral("USA"));
    });
    AppendRecord(started.Table(), {{"LNAME", QStringLiteral("Smith")}, {"FNAME", QStringLiteral("John")},
                                   {"CITY", QStringLiteral("Springfield")}});
    AppendRecord(started.Table(), {{"LNAME", QStringLiteral("Young")}, {"CITY", QStringLiteral("Shelbyville")}});
    started.Window.LastRecord(); // Young
    TNewRecordValues typed{QStringLiteral("Smith"), QStringLiteral("John"), QString()};
    started.Window.Dialogs.NewRecord = [&](const TNewRecordOptions& options, QWidget*) {
        EXPECT_TRUE(options.AskNames);
        EXPECT_FALSE(options.AskZip);
        return std::optional<TNewRecordValues>(typed);
    };

    started.Prompts.Answer(false); // "Continue adding?" No: the window shows the duplicate
    started.Window.AddButtonClick();
    EXPECT_TRUE(started.Prompts.Texts().last().startsWith(QStringLiteral("Possible duplicate: \n\nJohn Smith\n")));
    EXPECT_FALSE(started.Window.Editing());
    EXPECT_EQ(started.Field("LNAME"), QStringLiteral("Smith"));
    EXPECT_EQ(started.Table().Count(), 2u);

    started.Window.show();
    started.Prompts.Answer(true);
    started.Window.AddButtonClick();
    ASSERT_EQ(started.Window.EditState(), TEditState::esInsert);
    EXPECT_EQ(started.Field("CITY"), QStringLiteral("Springfield")); // from the record shown before
    EXPECT_EQ(started.Field("COUNTRY"), QStringLiteral("USA"));
    EXPECT_EQ(started.Window.focusWidget(), started.Window.FieldEdits["MIDDLE"]); // names typed: the next empty one
    ASSERT_TRUE(started.Window.SaveButtonClick());
    EXPECT_EQ(started.Table().Count(), 3u);
    EXPECT_EQ(started.Table().FieldText(QStringLiteral("FNAME")), QStringLiteral("John"));
    EXPECT_EQ(started.Table().FieldText(QStringLiteral("COUNTRY")), QStringLiteral("USA"));

    typed = {QStringLiteral("Smith"), QString(), QString()}; // one name only: no check
    const int asked = started.Prompts.Texts().size();
    started.Window.AddButtonClick();
    EXPECT_EQ(started.Prompts.Texts().size(), asked);
    EXPECT_EQ(started.Window.EditState(), TEditState::esInsert);
    started.Window.CancelButtonClick();
    EXPECT_EQ(started.Table().Count(), 3u);
}

TEST(TAddressMainLifecycle, MemoLengthsOnMultiplesOfFourGetABlank)
{
    TStartedWindow started;
    AppendRecord(started.Table(), {{"LNAME", QStringLiteral("Smith")}});
    started.Window.FirstRecord();
    const struct {
        QString Typed;
        QString Stored;
    } cases[] = {{QStringLiteral("12345678"), QStringLiteral("12345678 ")},
                 {QStringLiteral("1234567"), QStringLiteral("1234567")},
                 {QStringLiteral("ab\ncdef"), QStringLiteral("ab\r\ncdef ")}, // a line break counts two
                 {QString(), QString()}};
    for (const auto& c : cases) {
        started.Window.EditButtonClick();
        started.Window.MemoEdit->setPlainText(c.Typed);
        ASSERT_TRUE(started.Window.SaveButtonClick());
        EXPECT_EQ(started.Table().Memo(), c.Stored);
    }
}

TEST(TAddressMainLifecycle, DeletingTheLastFilterMatchDropsTheFilter)
{
    TStartedWindow started;
    for (const char* name : {"Adams", "Brown", "Clark"})
        AppendRecord(started.Table(), {{"LNAME", QLatin1String(name)}});
    started.Window.Filter().Values.Values[0] = QStringLiteral("Brown");
    started.Window.ApplyFilter();
    started.Window.FirstRecord();
    EXPECT_EQ(started.Window.FilterStatusLabel->text(), QStringLiteral("1 filter match"));

    started.Prompts.Answer(true); // "Delete this record?"
    started.Window.DeleteButtonClick();
    EXPECT_FALSE(started.Window.Filter().IsSet());
    EXPECT_EQ(started.Window.FilterStatusLabel->text(), QStringLiteral("2 records (no filter)"));
    EXPECT_EQ(started.Field("LNAME"), QStringLiteral("Adams"));
    started.Table().Table().setFlaggedHidden(false);
    started.Table().Table().go(2);
    EXPECT_TRUE(started.Table().IsDeletedMark());
}

TEST(TAddressMainLifecycle, TagToggledTwiceIsEmptyAgain)
{
    TStartedWindow started;
    AppendRecord(started.Table(), {{"LNAME", QStringLiteral("Smith")}});
    started.Window.FirstRecord();
    started.Window.TaggedCheck->click();
    EXPECT_EQ(started.Table().FieldText(QStringLiteral("TAG")), TAddressTable::GlobalTagId());
    EXPECT_TRUE(started.Window.TaggedCheck->isChecked());
    started.Window.TaggedCheck->click();
    EXPECT_TRUE(started.Table().FieldText(QStringLiteral("TAG")).isEmpty());
    EXPECT_FALSE(started.Window.TaggedCheck->isChecked());
    EXPECT_FALSE(started.Window.Editing());
}

TEST(TAddressMainLifecycle, ClipboardCopyHoldsTheRecordText)
{
    TStartedWindow started;
    AppendRecord(started.Table(), {{"FNAME", QStringLiteral("John")}, {"MIDDLE", QStringLiteral("Q")},
                                   {"LNAME", QStringLiteral("Smith")}, {"PHONE", QStringLiteral("555-1234")}});
    started.Window.FirstRecord();
    started.Window.Dialogs.CopyRecordParts = [](QWidget*) { return std::optional<TRecordTextParts>(TRecordTextParts{}); };
    started.Window.CopyToClipboardClick();
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("John Q. Smith \r\n"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\nPhone  :555-1234\r\n"))) << text.toStdString();
    EXPECT_EQ(started.Prompts.Texts().last(), QStringLiteral("Record copied to Windows Clipboard"));
}

TEST(TAddressMainLifecycle, KeysWhileEditingAskBeforeSavingOrCancelling)
{
    TStartedWindow started;
    for (const char* name : {"Adams", "Brown"})
        AppendRecord(started.Table(), {{"LNAME", QLatin1String(name)}});
    started.Window.FirstRecord();
    started.Window.show();

    started.Type("CITY", QStringLiteral("Paris")); // typing starts the edit
    ASSERT_EQ(started.Window.EditState(), TEditState::esEdit);
    QLineEdit* city = started.Window.FieldEdits["CITY"];
    started.Prompts.Answer(false);
    QTest::keyClick(city, Qt::Key_PageDown);
    EXPECT_EQ(started.Prompts.Texts().last(), QStringLiteral("Save changes?"));
    EXPECT_TRUE(started.Window.Editing());
    started.Prompts.Answer(true);
    QTest::keyClick(city, Qt::Key_PageDown);
    EXPECT_FALSE(started.Window.Editing());
    EXPECT_EQ(started.Table().FieldText(QStringLiteral("CITY")), QStringLiteral("Paris"));

    QTest::keyClick(city, Qt::Key_PageDown); // browsing: next record
    EXPECT_EQ(started.Field("LNAME"), QStringLiteral("Brown"));
    QTest::keyClick(city, Qt::Key_PageDown, Qt::NoModifier); // at the end: stays
    EXPECT_EQ(started.Field("LNAME"), QStringLiteral("Brown"));
    QTest::keyClick(city, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(started.Field("LNAME"), QStringLiteral("Adams"));

    started.Type("CITY", QStringLiteral("Rome"));
    started.Prompts.Answer(true);
    QTest::keyClick(city, Qt::Key_Escape);
    EXPECT_EQ(started.Prompts.Texts().last(), QStringLiteral("Cancel changes?"));
    EXPECT_FALSE(started.Window.Editing());
    EXPECT_EQ(started.Field("CITY"), QStringLiteral("Paris"));
}

TEST(TAddressMainLifecycle, OverwriteModeReplacesTheCharacterAtTheCaret)
{
    TStartedWindow started;
    AppendRecord(started.Table(), {{"LNAME", QStringLiteral("Smith")}});
    started.Window.FirstRecord();
    started.Window.show();
    QLineEdit* last = started.Window.FieldEdits["LNAME"];
    last->setFocus();
    last->setCursorPosition(0);
    QTest::keyClicks(last, QStringLiteral("Sch"));
    EXPECT_EQ(last->text(), QStringLiteral("Schth"));
    QTest::keyClick(last, Qt::Key_Insert);
    EXPECT_FALSE(started.Window.OverwriteMode());
    QTest::keyClicks(last, QStringLiteral("mi"));
    EXPECT_EQ(last->text(), QStringLiteral("Schmith"));
}

TEST(TAddressMainLifecycle, ClosingWhileEditingDropsTheEditWithoutAQuestion)
{
    auto started = std::make_unique<TStartedWindow>();
    AppendRecord(started->Table(), {{"LNAME", QStringLiteral("Smith")}});
    const QString path = started->Window.CurrentDatabase();
    started->Window.FirstRecord();
    started->Window.EditButtonClick();
    started->Window.FieldEdits["LNAME"]->setText(QStringLiteral("Jones"));
    started->Window.close();
    EXPECT_TRUE(started->Prompts.Texts().isEmpty());
    EXPECT_EQ(started->Window.AddressTable(), nullptr);
    EXPECT_FALSE(ReadSetting("TAddressMain_Placement", "Bottom").isEmpty());

    auto table = TAddressTable::Open(path);
    ASSERT_TRUE(table);
    table->Table().goTop();
    EXPECT_EQ(table->FieldText(QStringLiteral("LNAME")), QStringLiteral("Smith"));
}

// Not a check: pictures of the windows a person meets first, for QUORVANE_SCREENSHOT_DIR.
TEST(TAddressMainLifecycle, Screenshots)
{
    TStartedWindow started;
    AppendRecord(started.Table(),
                 {{"LNAME", QStringLiteral("Smith")},       {"FNAME", QStringLiteral("John")},
                  {"MIDDLE", QStringLiteral("Q")},          {"PREFIX", QStringLiteral("Mr.")},
                  {"TITLE", QStringLiteral("Director")},    {"ORG", QStringLiteral("Acme Widgets")},
                  {"STREET", QStringLiteral("1 Main St")},  {"CITY", QStringLiteral("Springfield")},
                  {"STATE", QStringLiteral("IL")},          {"ZIP", QStringLiteral("62701-1234")},
                  {"COUNTRY", QStringLiteral("USA")},       {"PHONE", QStringLiteral("(217) 555-0100")},
                  {"EMAIL", QStringLiteral("john@example.com")}, {"CODES", QStringLiteral("ABC")},
                  {"DATE", QStringLiteral("20240315")},     {"USER1", QStringLiteral("Met at the fair")}});
    started.Table().SetMemo(QStringLiteral("Prefers letters to calls.\r\nSend the spring catalogue."));
    started.Table().Table().commit();
    started.Window.FirstRecord();
    SaveScreenshot(&started.Window, QStringLiteral("main-address"));
    started.Window.PageControl->setCurrentIndex(1);
    SaveScreenshot(&started.Window, QStringLiteral("main-memo"));
    started.Window.PageControl->setCurrentIndex(0);
    started.Window.EditButtonClick();
    SaveScreenshot(&started.Window, QStringLiteral("main-editing"));
    started.Window.CancelButtonClick();

    TNewRecordForm form({true, true, 30, 30, 10}, &started.Window);
    SaveScreenshot(&form, QStringLiteral("new-record"));
    EXPECT_TRUE(started.Prompts.Texts().isEmpty());
}

TEST(TAddressMainLifecycle, FilterCommandsSaveClearRestoreAndClearTags)
{
    TStartedWindow started;
    for (const char* name : {"Adams", "Brown", "Clark"})
        AppendRecord(started.Table(), {{"LNAME", QLatin1String(name)}});
    started.Window.FirstRecord();
    EXPECT_TRUE(started.Window.BrowseButton->isEnabled());
    EXPECT_TRUE(started.Window.Action(QStringLiteral("Set &Filter"))->isEnabled());
    EXPECT_FALSE(started.Window.Action(QStringLiteral("&Tag All Filter Matches"))->isEnabled());
    started.Window.Filter().Values.Values[0] = QStringLiteral("b;c");
    started.Window.ApplyFilter();
    started.Window.FirstRecord();
    EXPECT_TRUE(started.Window.Action(QStringLiteral("&Tag All Filter Matches"))->isEnabled());
    EXPECT_EQ(started.Window.FilterStatusLabel->text(), QStringLiteral("2 filter matches"));
    EXPECT_TRUE(started.Window.ClearFilterButton->isEnabled());

    const QString file = TProgramFolder::Path() + QStringLiteral("bc");
    started.Prompts.Answer(file);
    started.Window.SaveFilterClick();
    started.Window.ClearFilterClick();
    EXPECT_EQ(started.Window.FilterStatusLabel->text(), QStringLiteral("3 records (no filter)"));
    EXPECT_FALSE(started.Window.ClearFilterButton->isVisibleTo(&started.Window));
    started.Prompts.Answer(file + QStringLiteral(".FLT"));
    started.Window.RestoreFilterClick();
    EXPECT_EQ(started.Window.FilterStatusLabel->text(), QStringLiteral("2 filter matches"));
    EXPECT_EQ(started.Field("LNAME"), QStringLiteral("Brown"));

    started.Window.TaggedCheck->click();
    EXPECT_TRUE(started.Table().Tagged());
    started.Window.ClearTagsClick();
    EXPECT_FALSE(started.Window.TaggedCheck->isChecked());
    EXPECT_FALSE(started.Table().FieldText(QStringLiteral("TAG")).isEmpty()); // no record rewritten
}

TEST(TAddressMainLifecycle, PrintLabelsOpensTheSetupScreenWithDerivedFieldsAndPutsTheWindowBack)
{
    TStartedWindow started;
    for (const char* name : {"Clark", "Adams", "Brown"})
        AppendRecord(started.Table(), {{"FNAME", QStringLiteral("Pat")}, {"LNAME", QLatin1String(name)}, {"ZIP", QStringLiteral("60601")}});
    started.Window.SetOrderTo(QStringLiteral("Last Name"));
    started.Window.LastRecord();
    QAction* command = started.Window.Action(QStringLiteral("Print &Labels"));
    ASSERT_TRUE(command->isEnabled());
    EXPECT_TRUE(started.Window.LabelsButton->isEnabled());

    const std::string condition = started.Table().Area().condition();
    int opened = 0;
    auto runner = TAddressMain::LabelScreenRunner();
    TAddressMain::LabelScreenRunner() = [&](TLabelSetupScreen&) {
        ++opened;
        EXPECT_TRUE(started.Table().ExtraFieldsOn());
        EXPECT_EQ(started.Table().Value(QStringLiteral("FullName")), QStringLiteral("Pat Clark"));
        started.Table().SetOrderTag(QString()); // what a print run could leave behind
        started.Table().Area().setCondition("LNAME=\"A\"");
        started.Table().Table().goTop();
    };
    command->trigger();
    started.Window.LabelsButton->click();
    TAddressMain::LabelScreenRunner() = runner;
    EXPECT_EQ(opened, 2);
    EXPECT_FALSE(started.Table().ExtraFieldsOn());
    EXPECT_EQ(started.Table().Area().order(), started.Table().Area().tagNumber("LNAME"));
    EXPECT_EQ(started.Table().Area().condition(), condition);
    EXPECT_EQ(started.Field("LNAME"), QStringLiteral("Clark"));
}

TEST(TAddressMainLifecycle, CountZipCodesCountsTheRecordSetAndKeepsOrderAndRecord)
{
    TStartedWindow started;
    for (const char* name : {"Clark", "Adams", "Brown"})
        AppendRecord(started.Table(), {{"LNAME", QLatin1String(name)}, {"ZIP", QStringLiteral("60601")}});
    started.Window.SetOrderTo(QStringLiteral("Last Name"));
    started.Window.LastRecord();
    QAction* command = started.Window.Action(QStringLiteral("Count &Zip Codes"));
    EXPECT_TRUE(command->isEnabled());

    int opened = 0;
    started.Window.Dialogs.CountZipCodes = [&](TAddressTable& table, QWidget*) {
        ++opened;
        table.SetOrderTag(QString()); // what a careless tool could leave behind
        table.Table().goTop();
    };
    command->trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(started.Window.CurrentOrderCaption(), QStringLiteral("Last Name"));
    EXPECT_EQ(started.Table().Area().order(), started.Table().Area().tagNumber("LNAME"));
    EXPECT_EQ(started.Field("LNAME"), QStringLiteral("Clark"));
}

TEST(TAddressMainLifecycle, EnvelopesOpenWithTheDerivedFieldsOnAndOffAfterwards)
{
    TStartedWindow started;
    AppendRecord(started.Table(), {{"LNAME", QStringLiteral("Adams")}, {"FNAME", QStringLiteral("Ann")}});
    started.Window.FirstRecord();
    QAction* command = started.Window.Action(QStringLiteral("Print &Envelopes"));
    EXPECT_TRUE(command->isEnabled());
    int opened = 0;
    started.Window.Dialogs.Envelopes = [&](TAddressTable& table, QWidget*) {
        ++opened;
        EXPECT_TRUE(table.ExtraFieldsOn());
        EXPECT_EQ(table.Value(QStringLiteral("FullName")), QStringLiteral("Ann Adams"));
    };
    command->trigger();
    started.Window.EnvelopesButton->click();
    EXPECT_EQ(opened, 2);
    EXPECT_FALSE(started.Table().ExtraFieldsOn());
}
