#include "ReportTestTable.h"

#include "layout/TLLabelObjectFiler.h"
#include "reports/TReportSetups.h"

#include <QFile>

namespace {

class TReportSetupsTest : public ReportTestTable {
protected:
    static void WriteLayout(const QString& path) { TLLabelObjectFiler::WriteFile(path, QByteArray("report bytes\x00\x01", 14)); }
};

TEST_F(TReportSetupsTest, SaveCloneDeleteKeepRowsAndFilesTogether)
{
    auto setups = TReportSetups::Open();
    ASSERT_NE(setups, nullptr);
    QFile taken(TProgramFolder::SysdataFolder() + "BIN00001.R");
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly)); // a stray file keeps its name
    taken.close();

    const TReportEntry zulu = setups->Save({0, "Zulu", "A4 Size, Landscape", {}}, &WriteLayout);
    EXPECT_EQ(zulu.LayoutFile, "BIN00002.R");
    const TReportEntry alpha = setups->Save({0, "alpha", "Letter Size, Portrait", {}}, &WriteLayout);
    EXPECT_EQ(alpha.LayoutFile, "BIN00003.R");

    // Saving again keeps the row and its file name.
    TReportEntry renamed = alpha;
    renamed.Description = "Alpha";
    EXPECT_EQ(setups->Save(renamed, &WriteLayout).LayoutFile, "BIN00003.R");

    const TReportEntry clone = setups->Clone(zulu.RecordNumber);
    EXPECT_EQ(clone.Description, "Clone of Zulu");
    EXPECT_EQ(clone.Layout, "A4 Size, Landscape");
    EXPECT_EQ(clone.LayoutFile, "BIN00004.R");
    QFile original(TReportSetups::LayoutPath(zulu)), copy(TReportSetups::LayoutPath(clone));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), copy.readAll());

    setups->Delete(zulu.RecordNumber);
    EXPECT_FALSE(QFile::exists(TReportSetups::LayoutPath(zulu)));
    QStringList listed;
    for (const TReportEntry& report : setups->Reports())
        listed << report.Description;
    EXPECT_EQ(listed, (QStringList{"Alpha", "Clone of Zulu"}));
    EXPECT_EQ(setups->Find("clone of zulu")->RecordNumber, clone.RecordNumber);

    // A writer that fails leaves no row.
    EXPECT_THROW(setups->Save({0, "Broken", "Letter Size, Portrait", {}}, [](const QString&) { throw std::runtime_error("disk full"); }),
                 std::runtime_error);
    EXPECT_EQ(setups->Reports().size(), 2u);
}

} // namespace
