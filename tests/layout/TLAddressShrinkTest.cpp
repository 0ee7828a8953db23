// The address block's shrink to fit: the largest font at which the record's lines fit, never
// below 6 points; stored only when on, so older layouts read as before.
#include "PrintedPanel.h"

#include "layout/TLDMultiLineAddressLabel.h"
#include "layout/TLDataPanel.h"
#include "layout/TLLabelPanel.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TAddressCase {
    const char* Name;
    bool Shrink;
    QString Street;
    int Height;
    double ExpectedAtMost;  // points the lines print in
    double ExpectedAtLeast;
};

TEST(TLAddressShrink, PrintsAtTheLargestSizeThatFitsDownToSixPoints)
{
    const TAddressCase cases[] = {
        // 10 points are 13 layout pixels, which draw as 9.75 points.
        {"fits: the object's own 10 points", true, "1 Main St", 80, 10, 9.7},
        {"four lines in a two-line box shrink", true, "1 Main St", 33, 9, 5.9},
        {"without the option the lines are cut at 10 points", false, "1 Main St", 33, 10, 9.7},
        {"a line too long even at 6 points stops at 6", true, QString(120, u'W'), 80, 6.1, 5.9},
    };
    for (const TAddressCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TLRecordDataSource data;
        data.SetValue("FNAME", "Ann");
        data.SetValue("LNAME", "Cole");
        data.SetValue("ORG", "Acme");
        data.SetValue("STREET", c.Street);
        data.SetValue("CITY", "Troy");
        data.SetValue("STATE", "NY");
        data.SetValue("ZIP", "12180");
        TLDataPanel panel;
        panel.DataSet = &data;
        auto* block = static_cast<TLDMultiLineAddressLabel*>(
            panel.AddObject(std::make_unique<TLDMultiLineAddressLabel>(), QRect(0, 0, 190, c.Height)));
        block->ShrinkToFit = c.Shrink;
        const TDisplayList page = Printed(panel);
        const auto fonts = page.OfKind<TFontOp>();
        ASSERT_FALSE(fonts.empty());
        const double points = fonts.back().PointSize;
        EXPECT_LE(points, c.ExpectedAtMost);
        EXPECT_GE(points, c.ExpectedAtLeast);
        EXPECT_EQ(page.OfKind<TClippedTextOp>().size(), 4u); // every line printed
        EXPECT_EQ(block->Font.PointSize(), 10);               // the object keeps its own font
    }
}

TEST(TLAddressShrink, NewBlocksHaveItAndOlderFilesReadWithoutIt)
{
    TLLabelPanel panel;
    auto created = panel.CreateObject(TLPanelState::psAddressLabel);
    EXPECT_TRUE(static_cast<TLDMultiLineAddressLabel&>(*created).ShrinkToFit);

    QTemporaryDir folder;
    const QString path = folder.filePath("a.L");
    panel.AddObject(std::move(created), QRect(5, 5, 190, 60));
    auto plain = std::make_unique<TLDMultiLineAddressLabel>();
    panel.AddObject(std::move(plain), QRect(5, 70, 190, 60));
    panel.SaveToFile(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("ShrinkToFit"), 1); // written only where it is on

    TLLabelPanel read;
    read.LoadFromFile(path);
    ASSERT_EQ(read.Objects().size(), 2u);
    EXPECT_TRUE(static_cast<TLDMultiLineAddressLabel&>(*read.Objects()[0]).ShrinkToFit);
    EXPECT_FALSE(static_cast<TLDMultiLineAddressLabel&>(*read.Objects()[1]).ShrinkToFit);
}

} // namespace
