#include "reports/TReportText.h"

#include <gtest/gtest.h>

namespace {

// Every character a tenth of an inch wide, so widths are easy to reckon.
TInches TenthPerCharacter(const QString& text) { return TInches(0.1 * double(text.size())); }

} // namespace

// The memo endings as the built-in reports and the memo band print them.
TEST(TReportText, AMemoEndingInALineBreakPrintsNoExtraRow)
{
    struct TRow {
        QString Memo;
        QStringList Lines;
        bool Nothing;
    };
    const TRow rows[] = {
        {"Call back\r\n", {"Call back"}, false},
        {"Call back\n", {"Call back"}, false},
        {"Call back\r", {"Call back"}, false},
        {"Call back\r\n\r\n", {"Call back", ""}, false},
        {"\r\n", {""}, true},
        {"\n", {""}, true},
        {"  \r\n", {""}, true},
        {"", {""}, true},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Memo.toStdString());
        const QStringList lines = TReportText::WrapLines(row.Memo, 2.0_in, TenthPerCharacter);
        EXPECT_EQ(lines, row.Lines);
        EXPECT_EQ(TReportText::PrintsNothing(lines), row.Nothing);
    }
}
