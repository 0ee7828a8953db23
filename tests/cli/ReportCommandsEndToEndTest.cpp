// The report commands end to end: a built-in and a user-defined report read back from their
// PDFs, the report list as CSV, and the errors that print nothing and leave no file.
#include "QuorvaneProcess.h"

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TReportPanel.h"
#include "layout/TLPDLabel.h"
#include "prompts/TScriptedUserPrompts.h"
#include "reports/TReportSetups.h"
#include "settings/TProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ReportCommandsEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString Table = Folder.filePath("ADD0001.DBF");
    QString Home = Folder.filePath("home");

    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Home, arguments); }

    void SetUp() override
    {
        TScriptedUserPrompts prompts;
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(Table, TFieldLengths()));
        auto table = TAddressTable::Open(Table);
        ASSERT_NE(table, nullptr);
        const QStringList people[] = {{"Lee", "Ann", "IL", ""}, {"Kim", "Bo", "-", ""}, {"Ng", "Cy", "WY", "VIP"}, {"", "Blank", "IL", ""}};
        for (const QStringList& person : people) {
            table->Table().appendBlank();
            table->SetFieldText("LNAME", person[0]);
            table->SetFieldText("FNAME", person[1]);
            table->SetFieldText("STATE", person[2]);
            table->SetFieldText("CODES", person[3]);
            table->SetDeletedMark(person[2] == "-");
        }
        table->Close();
    }

    // A report "Names" whose detail band prints the first name.
    void AddUserReport()
    {
        TScriptedUserPrompts prompts;
        TProgramFolder::SetPath(Home + "/");
        QDir().mkpath(TProgramFolder::SysdataFolder());
        auto setups = TReportSetups::Open();
        ASSERT_NE(setups, nullptr);
        setups->Save({0, "Names", "Letter Size, Portrait", {}}, [](const QString& path) {
            TLOwner owner;
            TReportPanel header(&owner), detail(&owner), footer(&owner);
            auto field = std::make_unique<TLPDLabel>();
            field->DataFieldName = "FNAME";
            field->DataFieldDescript = "First Name";
            detail.AddObject(std::move(field), QRect(10, 5, 200, 20));
            TLReportSettings settings;
            settings.UseHeader = false;
            TLLabelObjectFiler().WriteReport(header, detail, footer, settings, path);
        });
    }

    static QString PdfText(const QString& pdf)
    {
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        EXPECT_TRUE(text.waitForFinished(30000));
        return QString::fromUtf8(text.readAllStandardOutput());
    }
};

TEST_F(ReportCommandsEndToEnd, BuiltInAndUserDefinedReportsToPdf)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString pdf = Folder.filePath("r.pdf");
    const TRun builtIn = Quorvane({"report", Table, "--builtin", "1", "--codes", "--choice", "all", "--pdf", pdf});
    ASSERT_EQ(builtIn.Status, 0) << builtIn.Err.toStdString();
    EXPECT_EQ(builtIn.Out, "Report Print Completed! 2 records, 1 pages in " + pdf + "\n");
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Report 1")) << text.toStdString();
    EXPECT_TRUE(text.contains("Lee, Ann"));
    EXPECT_TRUE(text.contains("Codes: VIP"));
    EXPECT_FALSE(text.contains("Blank")); // a blank last name is left out from the first record on
    EXPECT_FALSE(text.contains("Kim"));

    AddUserReport();
    EXPECT_EQ(Quorvane({"setups", "reports"}).Out, "DESCRIPT,LAYOUT,BINARY\r\nNames,\"Letter Size, Portrait\",BIN00001.R\r\n");
    const TRun user = Quorvane({"report", Table, "--setup", "names", "--filter", "STATE='IL'", "--pdf", pdf});
    ASSERT_EQ(user.Status, 0) << user.Err.toStdString();
    const QString names = PdfText(pdf);
    EXPECT_TRUE(names.contains("Blank") && names.contains("Ann") && !names.contains("Cy")) << names.toStdString();
}

TEST_F(ReportCommandsEndToEnd, ErrorsPrintNothingAndLeaveNoFile)
{
    AddUserReport();
    const QString pdf = Folder.filePath("none.pdf");
    const QList<QStringList> bad = {
        {"report", Table, "--builtin", "5", "--pdf", pdf},
        {"report", Table, "--builtin", "1", "--order", "ZIP", "--pdf", pdf},
        {"report", Table, "--builtin", "1", "--setup", "Names", "--pdf", pdf},
        {"report", Table, "--setup", "Names", "--memo", "--pdf", pdf},
        {"report", Table, "--setup", "Unknown", "--pdf", pdf},
        {"report", Table, "--setup-file", Folder.filePath("missing.R"), "--pdf", pdf},
        {"report", Table, "--builtin", "1", "--filter", "STATE='ZZ'", "--pdf", pdf},
        {"report", Table, "--builtin", "1", "--query", "State or Prov=ZZ", "--pdf", pdf},
        {"report", Table, "--builtin", "1"},
        {"setups", "reports", "extra"},
    };
    for (const QStringList& arguments : bad) {
        const TRun run = Quorvane(arguments);
        EXPECT_EQ(run.Status, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty());
        EXPECT_FALSE(QFile::exists(pdf)) << arguments.join(' ').toStdString();
    }
    // The layout file of a listed report is gone: the report says so and prints nothing.
    QFile::remove(TProgramFolder::SysdataFolder() + "BIN00001.R");
    const TRun removed = Quorvane({"report", Table, "--setup", "Names", "--pdf", pdf});
    EXPECT_EQ(removed.Status, 2);
    EXPECT_TRUE(removed.Err.contains("Report definition file has been removed from the sysdata directory"));
    EXPECT_FALSE(QFile::exists(pdf));
    // Starting outside the set says so and starts at the first record.
    const TRun outside = Quorvane({"report", Table, "--builtin", "2", "--choice", "from-current", "--recno", "2", "--pdf", pdf});
    EXPECT_EQ(outside.Status, 0) << outside.Err.toStdString();
    EXPECT_TRUE(outside.Err.contains("Current record is out of range. Starting with first record"));
    // Labels keep their word of the shared command.
    EXPECT_EQ(Quorvane({"setups", "labels"}).Status, 0);
}

} // namespace
