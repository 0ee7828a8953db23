#include "ReportTestTable.h"

#include "output/TPrintStatusWindow.h"
#include "reports/TBuiltInReportPrint.h"
#include "reports/TReportRecordSelection.h"

#include <QMap>
#include <QRegularExpression>
#include <QTimer>

#include <stdexcept>

namespace {

using TRecords = TRecordChoice::TRecords;

QStringList CellTexts(int report, const QMap<QString, QString>& fields)
{
    QStringList texts;
    for (const TReportLine& line : TBuiltInReportPrint::Cells(report, [&](const QString& name) { return fields.value(name); }))
        for (const TReportCell& cell : line)
            texts << cell.Text;
    return texts;
}

TEST(TBuiltInReportCells, TextsOfTheFourReports)
{
    struct TCase {
        int Report;
        QMap<QString, QString> Fields;
        QStringList Texts;
    };
    const TCase cases[] = {
        {1, {{"LNAME", "Smith"}, {"FNAME", "John"}, {"MIDDLE", "Q"}, {"STREET", "1 Main"}, {"CITY", "Springfield"},
             {"STATE", "IL"}, {"ZIP", "62701"}, {"PHONE", "555"}},
         {"Smith, John Q.", "1 Main", "Springfield, IL  62701 ", "555"}},
        // Empty parts: no middle dot, only the city/state/zip parts present; leading blanks go.
        {1, {{"LNAME", " Lee"}, {"STATE", "IL"}}, {"Lee, ", "", "IL  ", ""}},
        {1, {{"FNAME", "Ann"}, {"CITY", "Chicago"}}, {", Ann ", "", "Chicago, ", ""}},
        {2, {{"LNAME", "Ng"}, {"ORG", "Acme"}, {"PHONE", "1"}, {"FAX", "2"}}, {"Ng, ", "Acme", "1", "2"}},
        {3, {{"LNAME", "Ng"}, {"ORG", "Acme"}, {"PHONE", "1"}, {"FAX", "2"}}, {"Acme", "Ng, ", "1", "2"}},
        {4, {{"LNAME", "Smith"}, {"PREFIX", "Dr."}, {"FNAME", "Jo"}, {"MIDDLE", "K"}, {"TITLE", "CEO"}, {"ORG", "Acme"},
             {"STREET", "1 Main"}, {"CITY", "Town"}, {"ZIP", "12345"}, {"COUNTRY", "USA"}, {"PHONE", "555"},
             {"FAX", "556"}, {"EMAIL", "a@b"}, {"DATE", "20240131"}},
         {"Smith, Dr. Jo K.", "CEO, Acme", "1 Main", "Town, 12345", "USA", "Ph: 555  Fax: 556  ", "a@b", "20240131"}},
        // Report 4: no name without a last name, no title without an organization.
        {4, {{"FNAME", "Jo"}, {"TITLE", "CEO"}, {"FAX", "9"}}, {"", "", "", "", "", "Fax: 9  ", "", ""}},
        {4, {{"LNAME", "Ng"}, {"ORG", "Acme"}, {"STATE", "WY"}}, {"Ng, ", "Acme", "", ", WY", "", "", "", ""}},
    };
    for (const TCase& entry : cases)
        EXPECT_EQ(CellTexts(entry.Report, entry.Fields), entry.Texts) << entry.Report << " " << entry.Texts.join('|').toStdString();
    EXPECT_EQ(TBuiltInReportPrint::ListTexts()[2], "3. Organization,Name,Phone,Fax ");
}

class TReportSelectionTest : public ReportTestTable {
protected:
    void SetUp() override
    {
        ReportTestTable::SetUp();
        // 1 Smith (IL), 2 blank last name, 3 Jones (IL), 4 Adams marked deleted, 5 Brown prefixed "Deleted".
        Create({{"LNAME=Smith", "STATE=IL"}, {"FNAME=Nobody", "STATE=IL"}, {"LNAME=Jones", "STATE=IL"},
                {"LNAME=Adams", "ISDEL"}, {"LNAME=Brown", "PREFIX=Deleted"}});
    }
    QStringList Selected(int report, TRecords records, bool fromCurrent, uint32_t current)
    {
        Table->Table().go(current);
        TReportRecordSelection selection(*Table, report, records, fromCurrent);
        QStringList names;
        for (auto& rows = Table->Table(); !rows.eof(); rows.skip())
            names << Table->FieldText("LNAME") + "/" + Table->FieldText("FNAME");
        return names;
    }
};

TEST_F(TReportSelectionTest, ChoicesBlankKeysAndStart)
{
    struct TCase {
        int Report;
        TRecords Records;
        bool FromCurrent;
        uint32_t Current;
        QStringList Printed;
        bool OutOfRange;
    };
    const TCase cases[] = {
        // Started from the first record, reports 1-3 leave out the blank last name.
        {1, TRecords::All, false, 1, {"Jones/", "Smith/"}, false},
        {2, TRecords::MatchingFilter, false, 1, {"Brown/", "Jones/", "Smith/"}, false},
        // Started from that record, or only that record, it is listed.
        {1, TRecords::All, true, 2, {"/Nobody", "Jones/", "Smith/"}, false},
        {2, TRecords::OnlyCurrent, false, 2, {"/Nobody"}, false},
        // Report 4 and user-defined reports start at the first record.
        {4, TRecords::All, false, 1, {"/Nobody", "Jones/", "Smith/"}, false},
        {0, TRecords::MatchingFilter, false, 1, {"/Nobody", "Brown/", "Jones/", "Smith/"}, false},
        // Start outside the set: the message, then the first record (and the seek).
        {1, TRecords::All, true, 4, {"Jones/", "Smith/"}, true},
    };
    for (const TCase& entry : cases) {
        Prompts.Clear();
        const std::string condition = Table->Area().condition();
        EXPECT_EQ(Selected(entry.Report, entry.Records, entry.FromCurrent, entry.Current), entry.Printed)
            << entry.Report << " " << int(entry.Records) << " " << entry.Current;
        EXPECT_EQ(Prompts.Texts().size(), entry.OutOfRange ? 1 : 0);
        EXPECT_EQ(Table->Area().condition(), condition);
        EXPECT_EQ(Table->Area().order(), Table->Area().tagNumber("LNAME"));
        EXPECT_EQ(Table->Table().recordNumber(), entry.Current);
    }
}

class TBuiltInReportPages : public ReportTestTable {
protected:
    TReportRequest Request(int report, bool codes = false, bool memo = false)
    {
        TReportRequest request;
        request.BuiltIn = report;
        request.BuiltInOptions.Title = "Members";
        request.BuiltInOptions.PrintCodes = codes;
        request.BuiltInOptions.PrintMemo = memo;
        request.Records = TRecords::All;
        return request;
    }
    // Every cell on a page lies between the rules (1.5 inches to 10.0 on Letter); the headings
    // and the page header end above the top rule.
    void ExpectCellsBetweenRules(int page)
    {
        for (const TDisplayOp& op : Pages.Page(page).Operations()) {
            if (const auto* cell = std::get_if<TClippedTextOp>(&op)) {
                EXPECT_GE(cell->Clip.Top.Value(), 1.5 - 1e-9) << cell->Text.toStdString();
                EXPECT_LE(cell->Clip.Bottom.Value(), 10.0 + 1e-9) << cell->Text.toStdString();
            } else if (const auto* text = std::get_if<TTextOp>(&op)) {
                const bool body = text->Anchor.Y.Value() > 1.5;
                const bool heading = QStringList{"Name", "Address", "City/St/Zip", "Phone"}.contains(text->Text);
                if (heading) {
                    EXPECT_LT(text->Anchor.Y.Value(), 1.5);
                }
                if (body) {
                    EXPECT_LE(text->Anchor.Y.Value(), 10.0) << text->Text.toStdString();
                }
            }
        }
    }
    TInches PageNumberX(int page)
    {
        for (const TDisplayOp& op : Pages.Page(page).Operations())
            if (const auto* text = std::get_if<TTextOp>(&op); text && text->Text.startsWith("Page "))
                return text->Anchor.X;
        return TInches(-1);
    }
};

TEST_F(TBuiltInReportPages, OneLineAndThreeLineRecordsBreakWithAFreshHeader)
{
    std::vector<QStringList> people;
    for (int i = 0; i < 150; ++i)
        people.push_back({QStringLiteral("LNAME=Name%1").arg(i, 3, 10, QLatin1Char('0')), "PHONE=555"});
    Create(people);
    for (const int report : {1, 4}) {
        ASSERT_TRUE(Run(Request(report)));
        ASSERT_GT(Pages.PageCount(), report == 1 ? 1 : 3);
        int names = 0;
        for (int page = 1; page <= Pages.PageCount(); ++page) {
            const QStringList texts = PageTexts(page);
            EXPECT_EQ(texts.mid(0, 2), (QStringList{"Members", QStringLiteral("Page %1").arg(page)}));
            EXPECT_EQ(PageNumberX(page).Value(), 8.0);
            // A three-line record never splits: its phone line is on the page of its name.
            const int onPage = int(texts.filter(QRegularExpression("^Name\\d+")).size());
            if (report == 4) {
                EXPECT_EQ(onPage, int(texts.filter("Ph: 555").size()));
            }
            names += onPage;
            ExpectCellsBetweenRules(page);
        }
        EXPECT_EQ(names, 150);
    }
}

TEST_F(TBuiltInReportPages, LongValuesAreClippedToTheirCellLessAFifthOfAnInch)
{
    Create({{"LNAME=Able", "STREET=" + QString(40, u'W')}});
    ASSERT_TRUE(Run(Request(1)));
    const auto clipped = Pages.Page(1).OfKind<TClippedTextOp>();
    ASSERT_EQ(clipped.size(), 1u);
    EXPECT_EQ(clipped[0].Text, QString(40, u'W'));
    // Column 2 starts at 1.0 + 1.75 inches and is 2.15 wide; the tab margin is 0.02.
    EXPECT_NEAR(clipped[0].Clip.Left.Value(), 2.77, 1e-9);
    EXPECT_NEAR(clipped[0].Clip.Right.Value(), 2.75 + 2.15 - 0.2, 1e-9);
}

TEST_F(TBuiltInReportPages, CodesAndMemoBlocks)
{
    QStringList longMemo;
    for (int i = 0; i < 80; ++i)
        longMemo << QStringLiteral("memo line %1").arg(i);
    Create({{"LNAME=Able", "CODES=VIP", "MEMO= "}, {"LNAME=Baker", "MEMO=" + longMemo.join("\r\n")}, {"LNAME=Cole", "MEMO=last"}});
    ASSERT_TRUE(Run(Request(1, true, true)));
    const QStringList texts = AllTexts();
    // Codes only where there are codes; a blank memo prints nothing.
    EXPECT_EQ(texts.filter("Codes:"), QStringList{"Codes: VIP"});
    EXPECT_EQ(texts.indexOf("Baker, ") - texts.indexOf("Codes: VIP"), 1);
    // The long memo runs on to page 2 under a fresh header, every line once and in order.
    ASSERT_EQ(Pages.PageCount(), 2);
    const QStringList memo = texts.filter("memo line");
    EXPECT_EQ(memo, longMemo);
    const QStringList page2 = PageTexts(2);
    EXPECT_EQ(page2.mid(0, 2), (QStringList{"Members", "Page 2"}));
    EXPECT_LT(page2.indexOf("Name"), page2.indexOf(QRegularExpression("memo line \\d+")));
    EXPECT_EQ(texts.last(), "last");
    ExpectCellsBetweenRules(1);
    ExpectCellsBetweenRules(2);
}

TEST_F(TBuiltInReportPages, StopAndCancelEndWithTheirTexts)
{
    std::vector<QStringList> people;
    for (int i = 0; i < 300; ++i)
        people.push_back({QStringLiteral("LNAME=Name%1").arg(i, 3, 10, QLatin1Char('0'))});
    Create(people);
    for (const bool previewing : {true, false}) {
        TReportRun run(*Table, Request(1));
        TReportFiler job(Pages);
        run.Configure(job);
        const auto selection = run.Select();
        TPrintStatusWindow window(job, previewing, TReportRun::StatusTexts());
        // The button is pressed as soon as page 2 is being drawn.
        QTimer press;
        press.setInterval(0);
        QObject::connect(&press, &QTimer::timeout, [&] {
            if (job.CurrentPage() < 2)
                return;
            press.stop();
            Prompts.Answer(true);
            window.CancelButtonClick();
        });
        press.start();
        window.RunJob();
        EXPECT_EQ(window.StatusText(), previewing ? "\rPreview Stopped at page 2!" : "\rReport Print Canceled!");
        EXPECT_EQ(window.ButtonText(), "Ok");
        if (previewing) {
            EXPECT_EQ(Pages.PageCount(), 2);
        }
    }
    EXPECT_EQ(Prompts.Texts(), QStringList{"Cancel Report Printing?"});
}

TEST_F(TBuiltInReportPages, APageTooSmallForOneRecordIsRefusedAndNothingIsKept)
{
    Create({{"LNAME=Able"}});
    TReportRun run(*Table, Request(4));
    TReportFiler job(Pages);
    run.Configure(job);
    job.SetCustomPaper(8.5_in, 2.4_in);
    EXPECT_THROW(run.Execute(job), std::runtime_error);
    EXPECT_EQ(Table->Area().order(), Table->Area().tagNumber("LNAME"));
}

} // namespace
