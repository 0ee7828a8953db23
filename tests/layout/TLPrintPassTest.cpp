// The one print pass every product prints a panel through: each record filled, drawn at its
// offset and counted, and the panel's printing state given back however the pass ends.
#include "layout/TIMbSerialStore.h"
#include "layout/TLCounterLabel.h"
#include "layout/TLDataPanel.h"
#include "layout/TLPDLabel.h"
#include "layout/TLPrintPass.h"

#include "output/TPageStream.h"
#include "output/TReportFiler.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct TLPrintPassTest : ::testing::Test {
    TLPrintPassTest()
    {
        auto* name = static_cast<TLPDLabel*>(Panel.AddObject(std::make_unique<TLPDLabel>(), QRect(0, 0, 100, 20)));
        name->DataFieldDescript = QStringLiteral("Last Name");
        Counter = static_cast<TLCounterLabel*>(Panel.AddObject(std::make_unique<TLCounterLabel>(), QRect(0, 30, 100, 20)));
        Counter->SetStartingnumber(7);
        Counter->AdvanceCounter(); // left over from the screen: the pass starts from 7 again
    }

    QStringList Texts() const
    {
        QStringList texts;
        for (const auto& op : Pages.Page(1).OfKind<TClippedTextOp>())
            texts << op.Text;
        return texts;
    }

    TLRecordDataSource Data;
    TLDataPanel Panel;
    TLCounterLabel* Counter = nullptr;
    TPageStream Pages;
};

TEST_F(TLPrintPassTest, EachRecordIsFilledDrawnAtItsOffsetAndCounted)
{
    TLRecordDataSource own;
    Panel.DataSet = &own;
    TReportFiler job(Pages);
    job.OnPrint = [&](TBaseReport& report) {
        TLPrintPass pass(Panel, &Data);
        EXPECT_TRUE(Panel.Printing);
        EXPECT_EQ(Panel.DataSet, &Data);
        for (const char* name : {"Able", "Baker"}) {
            Data.SetValue(QStringLiteral("LNAME"), QString::fromLatin1(name));
            pass.PrintRecord(report, TInches(), TInches());
        }
        pass.PrintAsIs(report, 1.0_in, TInches()); // neither filled again nor counted
    };
    ASSERT_TRUE(job.Execute());
    EXPECT_EQ(Texts(), QStringList({"Able", "7", "Baker", "8", "Baker", "9"}));
    const auto ops = Pages.Page(1).OfKind<TClippedTextOp>();
    EXPECT_NEAR((ops[4].Start.X - ops[2].Start.X).Value(), 1.0, 1e-9);
    EXPECT_FALSE(Panel.Printing);
    EXPECT_EQ(Panel.DataSet, &own);
}

TEST_F(TLPrintPassTest, WithoutADataSetTheDataObjectsPrintNothing)
{
    TReportFiler job(Pages);
    job.OnPrint = [&](TBaseReport& report) { TLPrintPass(Panel).PrintRecord(report, TInches(), TInches()); };
    ASSERT_TRUE(job.Execute());
    EXPECT_EQ(Texts(), QStringList({"7"}));
}

TEST_F(TLPrintPassTest, AnExceptionLeavesThePanelAsItWas)
{
    QTemporaryDir home;
    TIMbSerialRun serials(TIMbSerialStore(home.filePath(QStringLiteral("QV.INI"))), true);
    try {
        TLPrintPass pass(Panel, &Data, &serials);
        EXPECT_EQ(Panel.SerialRun, &serials);
        throw std::runtime_error("Disk full");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(Panel.Printing);
    EXPECT_EQ(Panel.DataSet, nullptr);
    EXPECT_EQ(Panel.SerialRun, nullptr);
}

} // namespace
