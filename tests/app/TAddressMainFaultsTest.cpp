// The main window meeting faults: damaged tables, failing writes, text that Qt and the engine
// upper-case differently. The table lives on the in-memory file system, so a test can damage
// its bytes and make its writes fail.
#include "AppTestSupport.h"

#include "app/TAddressMain.h"
#include "app/TPreferencesForm.h"
#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "data/TFieldLengths.h"
#include "prompts/TQtUserPrompts.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "settings/TSettingsSave.h"
#include "xbase/CdxFormat.h"
#include "xbase/MemoryFileSystem.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

using TValues = std::vector<std::pair<const char*, QString>>;

// A program folder whose last-used table lives in memory; the window starts on Start().
struct TMemoryWindow {
    TTestProgramFolder Home;
    xbase::MemoryFileSystem Files;
    TScriptedUserPrompts Prompts;
    std::unique_ptr<TAddressMain> Window;
    const QString Path = QStringLiteral("/memory/DATA/ADD0001.DBF");

    TMemoryWindow()
    {
        TAddressTable::SetFiles(&Files);
        TIniFile settings(TProgramFolder::SettingsFile());
        settings.WriteString(QStringLiteral("Misc"), QStringLiteral("GettingStarted"), QStringLiteral("1"));
        settings.WriteString(QStringLiteral("Editing"), QStringLiteral("AggressiveSave"), QStringLiteral("0"));
        settings.WriteString(QStringLiteral("MRU"), QStringLiteral("Item1"), Path);
        EXPECT_TRUE(TAddressFiles::CreateAddressFile(Path, TFieldLengths()));
    }
    ~TMemoryWindow()
    {
        Window.reset();
        TAddressTable::SetFiles(nullptr);
    }

    // Records written before the window opens the table.
    void Append(const std::vector<TValues>& records)
    {
        auto table = TAddressTable::Open(Path);
        ASSERT_NE(table, nullptr);
        for (const TValues& record : records) {
            table->Table().appendBlank();
            for (const auto& [field, value] : record)
                table->SetFieldText(QLatin1String(field), value);
        }
        table->Close();
    }
    void Start()
    {
        Window = std::make_unique<TAddressMain>();
        Window->resize(900, 620);
        Window->FirstActivation();
    }
    TAddressTable& Table() { return *Window->AddressTable(); }
    QString Field(const char* name) { return Window->FieldEdits.value(QLatin1String(name))->text(); }
};

TEST(TAddressMainFaults, NamesAndZipsAreUpperCasedAsTheTagsUpperCaseThem)
{
    TMemoryWindow memory;
    memory.Append({{{"LNAME", QStringLiteral("Strauß")}, {"FNAME", QStringLiteral("Anna")},
                    {"ZIP", QStringLiteral("ß-1")}, {"CITY", QStringLiteral("Graz")}, {"STATE", QStringLiteral("ST")}},
                   {{"LNAME", QStringLiteral("Ngao")}, {"FNAME", QStringLiteral("µ")},
                    {"ZIP", QStringLiteral("µ5")}, {"CITY", QStringLiteral("Lyon")}, {"STATE", QStringLiteral("RH")}}});
    memory.Start();
    const std::pair<QString, QString> names[] = {{QStringLiteral("anna"), QStringLiteral("strauß")},
                                                 {QStringLiteral("µ"), QStringLiteral("NGAO")}};
    for (const auto& [first, last] : names) {
        memory.Prompts.Answer(true);
        EXPECT_TRUE(memory.Window->CheckDupName(first, last));
        ASSERT_FALSE(memory.Prompts.Texts().isEmpty()) << last.toStdString();
        EXPECT_TRUE(memory.Prompts.Texts().last().startsWith(QStringLiteral("Possible duplicate"))) << last.toStdString();
        memory.Prompts.Clear();
    }
    using TCityState = std::pair<QString, QString>;
    EXPECT_EQ(memory.Window->FillCityState(QStringLiteral("ß-1")), TCityState(QStringLiteral("Graz"), QStringLiteral("ST")));
    EXPECT_EQ(memory.Window->FillCityState(QStringLiteral("µ")), TCityState(QStringLiteral("Lyon"), QStringLiteral("RH")));
}

// Record 1's memo pointer aimed far past the end of the memo file.
void DamageFirstMemoPointer(TMemoryWindow& memory)
{
    auto table = TAddressTable::Open(memory.Path);
    ASSERT_NE(table, nullptr);
    xbase::DbfTable& records = table->Table();
    records.go(1);
    std::vector<uint8_t> bytes(records.record(), records.record() + records.recordSize());
    const xbase::FieldDef& memo = records.field(records.fieldIndex("MEMO"));
    std::memcpy(bytes.data() + memo.offset, "   9999999", memo.width);
    records.putRecord(bytes.data());
    table->Close();
}

// Every byte of the page after the first leaf of the tag `name`: a page torn by a crash.
void TearSecondLeaf(TMemoryWindow& memory, const char* name)
{
    xbase::WorkArea& area = memory.Table().Area();
    xbase::MemoryFileSystem::Bytes& bytes = memory.Files.bytes(area.indexPath());
    const uint32_t header = area.index()->tag(area.tagNumber(name)).tree().headerOffset();
    const uint16_t keyLength = xbase::readLe16(&bytes[header + xbase::cdx::kHeaderKeyLength]);
    uint32_t page = xbase::readLe32(&bytes[header]);
    while ((xbase::readLe16(&bytes[page]) & xbase::cdx::kAttributeLeaf) == 0) // first child, down
        page = xbase::readBe32(&bytes[page + xbase::cdx::kNodeHeaderSize + keyLength + 4]);
    const uint32_t second = xbase::readLe32(&bytes[page + xbase::cdx::kNodeRight]);
    ASSERT_NE(second, xbase::cdx::kNoPage) << "the tag needs more than one leaf";
    std::memset(&bytes[second], 0xFF, xbase::cdx::kPageSize);
}

bool RebuildWithoutDialog(TAddressTable& table, QWidget*)
{
    return TAddressFiles::RebuildAddressTable(table.Area()) && table.CheckValidIndex();
}

TEST(TAddressMainFaults, ATableWhoseFirstMemoIsDamagedOpensAndTellsItOnce)
{
    TMemoryWindow memory;
    memory.Append({{{"LNAME", QStringLiteral("Adams")}}, {{"LNAME", QStringLiteral("Brown")}}});
    DamageFirstMemoPointer(memory);
    memory.Start();

    ASSERT_NE(memory.Window->AddressTable(), nullptr);
    EXPECT_EQ(memory.Field("LNAME"), QStringLiteral("Adams")); // the rest of the record shows
    EXPECT_TRUE(memory.Window->MemoEdit->toPlainText().isEmpty());
    ASSERT_EQ(memory.Prompts.Texts().size(), 1);
    EXPECT_TRUE(memory.Prompts.Texts().first().contains(QStringLiteral("ADD0001.FPT"))) << memory.Prompts.Texts().first().toStdString();

    memory.Window->NextRecord();
    EXPECT_EQ(memory.Field("LNAME"), QStringLiteral("Brown"));
    memory.Window->PriorRecord();
    EXPECT_EQ(memory.Field("LNAME"), QStringLiteral("Adams"));
    EXPECT_EQ(memory.Prompts.Texts().size(), 1); // told once
    EXPECT_EQ(memory.Prompts.Unanswered(), 0);
}

TEST(TAddressMainFaults, ATornIndexPageMetWhileMovingIsToldAndOffersTheRebuild)
{
    TMemoryWindow memory;
    std::vector<TValues> people;
    for (int i = 1; i <= 400; ++i)
        people.push_back({{"LNAME", QStringLiteral("N%1").arg(i, 4, 10, QLatin1Char('0'))}});
    memory.Append(people);
    memory.Start();
    memory.Window->Dialogs.RebuildIndexes = &RebuildWithoutDialog;
    TearSecondLeaf(memory, "LNAME");

    memory.Prompts.Answer(false); // "Rebuild now?" No: the window stays as it is
    for (int move = 0; move < 400 && memory.Prompts.Texts().isEmpty(); ++move)
        memory.Window->NextRecord();
    ASSERT_EQ(memory.Prompts.Texts().size(), 2);
    EXPECT_TRUE(memory.Prompts.Texts()[0].contains(QStringLiteral("ADD0001.CDX"))) << memory.Prompts.Texts()[0].toStdString();
    EXPECT_TRUE(memory.Prompts.Texts()[1].startsWith(QStringLiteral("The index file for ") + memory.Path));
    ASSERT_NE(memory.Window->AddressTable(), nullptr);
    EXPECT_FALSE(memory.Field("LNAME").isEmpty());

    memory.Window->LastRecord(); // the same page again: nothing more is asked
    EXPECT_EQ(memory.Prompts.Texts().size(), 2);
    memory.Prompts.Clear();
    memory.Window->RebuildIndexesClick();
    memory.Window->LastRecord();
    EXPECT_EQ(memory.Field("LNAME"), QStringLiteral("N0400"));
    memory.Window->PriorRecord();
    EXPECT_EQ(memory.Field("LNAME"), QStringLiteral("N0399"));
    EXPECT_TRUE(memory.Prompts.Texts().isEmpty()) << memory.Prompts.Texts().join(u'|').toStdString();
}

TEST(TAddressMainFaults, ASaveThatFailsStoresTheNewRecordOnceOrNotAtAll)
{
    // Budgets that stop the first try at different writes: the memo, the record, the header.
    int failedFirstTries = 0;
    for (long long budget : {0LL, 70LL, 200LL, 700LL, 2000LL}) {
        TMemoryWindow memory;
        memory.Append({{{"LNAME", QStringLiteral("Adams")}}});
        memory.Start();
        for (bool retry : {true, false}) {
            memory.Window->AddButtonClick();
            memory.Window->FieldEdits["LNAME"]->setText(retry ? QStringLiteral("Brown") : QStringLiteral("Clark"));
            memory.Window->MemoEdit->setPlainText(QStringLiteral("a note"));
            memory.Files.setWriteBudget(budget);
            const bool savedAtOnce = memory.Window->SaveButtonClick();
            memory.Files.setWriteBudget(-1);
            if (!savedAtOnce) {
                ++failedFirstTries;
                EXPECT_TRUE(memory.Window->Editing()) << budget;
                EXPECT_TRUE(memory.Prompts.Texts().last().startsWith(QStringLiteral("The record could not be saved: ")));
                if (retry)
                    EXPECT_TRUE(memory.Window->SaveButtonClick()) << budget;
                else
                    memory.Window->CancelButtonClick();
            }
        }
        memory.Window->close();
        auto table = TAddressTable::Open(memory.Path);
        ASSERT_NE(table, nullptr);
        QStringList live;
        table->SetFilterText(QString());
        for (table->Table().goTop(); !table->Table().eof(); table->Table().skip())
            live << table->FieldText("LNAME");
        live.sort();
        const QStringList expected = {QStringLiteral("Adams"), QStringLiteral("Brown")};
        EXPECT_TRUE(live == expected || live == expected + QStringList{QStringLiteral("Clark")})
            << budget << ": " << live.join(u',').toStdString();
        EXPECT_EQ(live.count(QStringLiteral("Brown")), 1) << budget;
    }
    EXPECT_GE(failedFirstTries, 6); // the budgets do stop most first tries
}

// Leaves QUORVA.ini so that no write can reach it. The superuser writes through permissions,
// so there a folder of that name takes its place.
void MakeSettingsUnwritable()
{
    const QString path = TProgramFolder::SettingsFile();
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (!QFileInfo(path).isWritable())
        return;
    QFile::remove(path);
    QDir().mkpath(path);
}

TEST(TAddressMainFaults, AnUnwritableSettingsFileIsToldOnceAndTheRunGoesOnInMemory)
{
    TMemoryWindow memory;
    TSettingsSave::ForgetTold();
    MakeSettingsUnwritable();
    memory.Start(); // the tag id and the recent list cannot be written

    ASSERT_NE(memory.Window->AddressTable(), nullptr);
    const QStringList told = {QStringLiteral("Unable to save settings to ") + TProgramFolder::SettingsFile()};
    EXPECT_EQ(memory.Prompts.Texts(), told);
    EXPECT_EQ(memory.Window->GetMRUList().value(0), memory.Window->CurrentDatabase());

    const QString oldId = TAddressTable::GlobalTagId();
    memory.Window->ClearTagsClick();
    EXPECT_NE(TAddressTable::GlobalTagId(), oldId);
    QTimer::singleShot(0, [] {
        if (auto* form = qobject_cast<TPreferencesForm*>(QApplication::activeModalWidget())) {
            form->PlugDateCheck->setChecked(true);
            form->accept();
        }
    });
    memory.Window->PreferencesClick();
    EXPECT_TRUE(memory.Window->Preferences().PlugDate);
    memory.Window->close(); // the placement cannot be written either
    EXPECT_EQ(memory.Prompts.Texts(), told);
    TSettingsSave::ForgetTold();
}

TEST(TAddressMainFaults, AFailedRebuildLeavesTheTableAsAnOpenWithoutItsIndex)
{
    TMemoryWindow memory;
    memory.Append({{{"LNAME", QStringLiteral("Adams")}}, {{"LNAME", QStringLiteral("Brown")}}});
    memory.Start();
    memory.Window->Dialogs.RebuildIndexes = &RebuildWithoutDialog;

    memory.Files.setWriteBudget(64); // enough to drop the index, too little for the packed copy
    memory.Prompts.Answer(false);    // "Rebuild now?"
    memory.Window->RebuildIndexesClick();
    memory.Files.setWriteBudget(-1);
    ASSERT_EQ(memory.Prompts.Texts().size(), 2) << memory.Prompts.Texts().join(u'|').toStdString();
    EXPECT_TRUE(memory.Prompts.Texts()[0].startsWith(QStringLiteral("Unable to pack ADD0001.DBF: "))) << memory.Prompts.Texts()[0].toStdString();
    EXPECT_TRUE(memory.Prompts.Texts()[1].startsWith(QStringLiteral("The index file for ") + memory.Path));
    EXPECT_EQ(memory.Window->AddressTable(), nullptr);
    EXPECT_EQ(memory.Window->RecordArea->currentWidget(), memory.Window->NoDataPanel);
    EXPECT_TRUE(memory.Window->CurrentDatabase().isEmpty());

    memory.Prompts.Answer(true); // opened again: asked again, and rebuilt this time
    ASSERT_TRUE(memory.Window->OpenQVWDBF(memory.Path));
    EXPECT_EQ(memory.Field("LNAME"), QStringLiteral("Adams"));
    EXPECT_EQ(memory.Table().Count(), 2u);
}

TEST(TAddressMainFaults, SaveFilterAsksItsOverwriteQuestionOnce)
{
    TMemoryWindow memory;
    memory.Append({{{"LNAME", QStringLiteral("Adams")}}});
    memory.Start();
    memory.Window->Filter().Values.Values[0] = QStringLiteral("a");
    memory.Window->ApplyFilter();
    const QString file = TProgramFolder::Path() + QStringLiteral("mine.FLT");
    for (bool exists : {false, true}) {
        memory.Prompts.Answer(file);
        memory.Prompts.Answer(true);
        memory.Window->SaveFilterClick();
        const auto& asked = memory.Prompts.Asked();
        EXPECT_EQ(std::count_if(asked.begin(), asked.end(), [](const TPromptRecord& r) { return r.Kind == TPromptKind::pkQuestion; }),
                  exists ? 1 : 0);
        memory.Prompts.Clear();
    }

    // The real save dialog leaves the question to the program, which asks after adding ".FLT".
    TQtUserPrompts dialogs;
    bool dialogAsks = true;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialogAsks = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            dialog->reject();
        }
    });
    poll.start(10);
    dialogs.SaveFileNameUnconfirmed(QStringLiteral("Save Filter"), TProgramFolder::Path(), QStringLiteral("Filter files (*.FLT)"));
    EXPECT_FALSE(dialogAsks);
}

} // namespace
