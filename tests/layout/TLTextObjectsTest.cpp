// Text objects: binding and placeholders, the address block, counters, rotation and the
// single-line layout.
#include "layout/TLCounterLabel.h"
#include "layout/TLDMultiLineAddressLabel.h"
#include "layout/TLDMultiLineLabel.h"
#include "layout/TLDataPanel.h"
#include "layout/TLDateTimeLabel.h"
#include "layout/TLPDLabel.h"
#include "layout/TLPLabel.h"
#include "layout/TLSymbolLabel.h"
#include "layout/TLSymbolFonts.h"

#include <QFontDatabase>
#include <QPainter>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

struct TBoundPanel {
    TLRecordDataSource Data;
    TLDataPanel Panel;
    TBoundPanel() { Panel.DataSet = &Data; }
    template <typename T> T* Add()
    {
        return static_cast<T*>(Panel.AddObject(std::make_unique<T>(), QRect(0, 0, 142, 33)));
    }
};

std::function<QString(const QString&)> Record(std::map<QString, QString> values)
{
    return [values](const QString& name) {
        if (name == QLatin1String("BROKEN"))
            throw std::runtime_error("unreadable");
        const auto found = values.find(name);
        return found == values.end() ? QString() : found->second;
    };
}

} // namespace

TEST(TLDataText, ShowsValuesPlaceholdersAndPrintsNothingForEmptyFields)
{
    struct TCase {
        const char* Label;
        const char* Value;
        bool ShowValues;
        bool Printing;
        const char* Caption;
    };
    const TCase cases[] = {
        {"Last Name", "  Cole  ", true, false, "Cole"},
        {"Last Name", "", true, false, "<blank field>"},
        {"Last Name", "", true, true, ""},
        {"Last Name", "Cole", false, false, "[Last Name]"},
        {"Last Name", "Cole", false, true, "Cole"},
        {"last name", "Cole", true, false, "<undefined field>"},
        {"", "Cole", true, false, "<undefined field>"},
    };
    for (const TCase& c : cases) {
        TBoundPanel bound;
        bound.Data.SetValue(QStringLiteral("LNAME"), QString::fromUtf8(c.Value));
        auto* label = bound.Add<TLPDLabel>();
        label->DataFieldDescript = QString::fromUtf8(c.Label);
        bound.Panel.Printing = c.Printing;
        bound.Panel.SetDisplayDataValues(c.ShowValues);
        bound.Panel.RefreshData();
        EXPECT_EQ(label->Caption, QString::fromUtf8(c.Caption)) << c.Label << "/" << c.Value;
    }
}

TEST(TLDataText, UndefinedFieldLeftFromTheScreenPrintsNothing)
{
    TBoundPanel bound;
    auto* label = bound.Add<TLPDLabel>();
    label->DataFieldDescript = QStringLiteral("No Such Field");
    bound.Panel.RefreshData();
    EXPECT_EQ(label->Caption, QStringLiteral("<undefined field>"));
    bound.Panel.Printing = true;
    bound.Panel.RefreshData();
    EXPECT_EQ(label->Caption, QStringLiteral("<undefined field>")); // left as it was
}

TEST(TLMemoText, PlaceholdersAndLines)
{
    TBoundPanel bound;
    auto* memo = bound.Add<TLDMultiLineLabel>();
    memo->DataFieldDescript = QStringLiteral("MEMO");
    bound.Data.SetValue(QStringLiteral("MEMO"), QStringLiteral("one\r\ntwo\nthree"));
    bound.Panel.RefreshData();
    EXPECT_EQ(memo->Items, (QStringList{"one", "two", "three"}));
    bound.Panel.SetDisplayDataValues(false);
    EXPECT_EQ(memo->Items, QStringList{"[MEMO]"});
    memo->DataFieldDescript = QStringLiteral("Nothing");
    bound.Panel.RefreshData();
    EXPECT_EQ(memo->Items, QStringList{"<undefined memo>"});
    bound.Panel.Printing = true;
    bound.Panel.RefreshData();
    EXPECT_TRUE(memo->Items.isEmpty());
}

TEST(TLAddressBlock, ComposesLinesByTheFlags)
{
    const std::map<QString, QString> ann = {{"PREFIX", "Dr."},  {"FNAME", "Ann"},         {"MIDDLE", "B"},
                                            {"LNAME", "Cole"},  {"ORG", "Acme"},          {"STREET", "1 Main St"},
                                            {"CITY", "Troy"},   {"STATE", "NY"},          {"ZIP", "12180"},
                                            {"PHONE", "555-1234"}};
    auto with = [&](std::map<QString, QString> changes) {
        auto record = ann;
        for (const auto& [key, value] : changes)
            record[key] = value;
        return record;
    };
    struct TCase {
        std::map<QString, QString> Values;
        std::function<void(TLDMultiLineAddressLabel&)> Set;
        QStringList Lines;
    };
    const TCase cases[] = {
        {ann, [](auto&) {}, {"Dr. Ann B. Cole", "Acme", "1 Main St", "Troy  NY 12180"}},
        {ann, [](auto& a) { a.ZipOptions = TZipOptions::zoBeforeCity; }, {"Dr. Ann B. Cole", "Acme", "1 Main St", "12180 Troy NY"}},
        {with({{"COUNTRY", "USA"}}), [](auto& a) { a.ZipOptions = TZipOptions::zoAfterCountry; },
         {"Dr. Ann B. Cole", "Acme", "1 Main St", "Troy NY", "USA 12180"}},
        {with({{"COUNTRY", "USA"}}), [](auto& a) { a.ZipOptions = TZipOptions::zoBeforeCountry; a.UseCityState = false; },
         {"Dr. Ann B. Cole", "Acme", "1 Main St", "12180 USA"}},
        {with({{"MIDDLE", "James"}, {"PREFIX", ""}}), [](auto& a) { a.UseCompany = false; a.UseStreet = false; },
         {"Ann James. Cole", "Troy  NY 12180"}},
        {with({{"PREFIX", ""}, {"FNAME", ""}, {"MIDDLE", ""}, {"LNAME", ""}, {"CITY", ""}, {"STATE", ""}, {"ZIP", ""}}),
         [](auto&) {}, {"Acme", "1 Main St"}},
        {with({{"ORG", "Café ß"}}), [](auto& a) { a.UpperCase = true; a.UsePhone = true; a.UseStreet = false; },
         {"DR. ANN B. COLE", "CAFé ß", "TROY  NY 12180", "555-1234"}},
        {with({{"CITY", "  Troy"}, {"STATE", ""}}), [](auto& a) { a.UseZip = false; }, {"Dr. Ann B. Cole", "Acme", "1 Main St", "Troy"}},
    };
    for (const TCase& c : cases) {
        TLDMultiLineAddressLabel address;
        c.Set(address);
        EXPECT_EQ(address.Compose(Record(c.Values)), c.Lines) << c.Lines.join(u'|').toStdString();
    }
}

TEST(TLAddressBlock, AnUnreadableFieldCountsAsEmpty)
{
    TBoundPanel bound;
    bound.Data.SetValue(QStringLiteral("ORG"), QStringLiteral("Acme"));
    bound.Data.SetValue(QStringLiteral("STREET"), QStringLiteral("1 Main St"));
    bound.Data.RemoveField(QStringLiteral("TITLE"));
    auto* address = bound.Add<TLDMultiLineAddressLabel>();
    bound.Panel.RefreshData();
    EXPECT_EQ(address->Items, (QStringList{"Acme", "1 Main St"}));
    bound.Panel.SetDisplayDataValues(false);
    EXPECT_EQ(address->Items, QStringList{"[Address Label]"});
}

TEST(TLCounter, CountsRepeatsAndPads)
{
    struct TCase {
        int Start, Repeat, Zeros;
        QStringList Captions;
    };
    const TCase cases[] = {
        {7, 2, 3, {"007", "007", "008", "008", "009"}},
        {5, 1, 0, {"5", "6", "7"}},
        {5, 1, 4, {"0005", "0006"}},
        {1, 0, 0, {"1", "2", "3"}},
        {1, -4, 0, {"1", "2"}},
        {-2, 1, 3, {"-002", "-001", "000"}},
        {2147483647, 1, 0, {"2147483647", "2147483648"}},
    };
    for (const TCase& c : cases) {
        TLCounterLabel counter;
        counter.RepeatEach = c.Repeat;
        counter.LeadingZeros = c.Zeros;
        counter.TextBefore = QStringLiteral("<");
        counter.SetStartingnumber(c.Start);
        QStringList seen;
        for (int i = 0; i < c.Captions.size(); ++i) {
            seen << counter.Caption.mid(1);
            counter.AdvanceCounter();
        }
        EXPECT_EQ(seen, c.Captions);
    }
}

TEST(TLSingleLine, RotationExchangesWidthAndHeightAndIgnoresOtherAngles)
{
    TLPLabel label;
    label.SetBounds(0, 0, 142, 33);
    label.SetAlignment(TAlignment::taCenter);
    label.SetAngle(45);
    EXPECT_EQ(label.BoundsRect().size(), QSize(142, 33));
    label.SetAngle(90);
    EXPECT_EQ(label.BoundsRect().size(), QSize(33, 142));
    EXPECT_EQ(label.Alignment, TAlignment::taLeftJustify);
    label.SetAngle(270);
    EXPECT_EQ(label.BoundsRect().size(), QSize(33, 142));
    label.SetAngle(180);
    EXPECT_EQ(label.BoundsRect().size(), QSize(142, 33));
}

TEST(TLSingleLine, EffectOffsetsAndRectangles)
{
    TLPLabel label;
    label.SetBounds(0, 0, 200, 60);
    label.DepthShadow = 3;
    label.DirectionShadow = TShadowDirection::sdDownLeft;
    label.DepthHighlight = 2;
    label.DirectionHighlight = THighlightDirection::hdUpRight;
    EXPECT_EQ(label.ShadowOffset(), QPoint(-3, 3));
    EXPECT_EQ(label.HighlightOffset(), QPoint(2, -2));
    label.MarkStale();
    const TLTextLayout layout = label.Layout();
    // Negative offsets shift the main rectangle right and down so the effects stay inside.
    EXPECT_EQ(layout.Main.topLeft(), QPoint(3, 2));
    EXPECT_EQ(layout.Shadow.topLeft(), QPoint(0, 5));
    EXPECT_EQ(layout.Highlight.topLeft(), QPoint(5, 0));
    EXPECT_EQ(layout.Main.height(), layout.LineHeight);
    // Height is held between F and 1.2 F, F being the line height plus the vertical offsets.
    const int F = layout.LineHeight + 3 + 2;
    EXPECT_GE(label.Height(), F);
    EXPECT_LE(label.Height(), int(1.2 * F));
}

TEST(TLSingleLine, AlignmentPlacesTheMainOrigin)
{
    for (const TAlignment alignment : {TAlignment::taLeftJustify, TAlignment::taRightJustify, TAlignment::taCenter}) {
        TLPLabel label;
        label.SetBounds(0, 0, 200, 20);
        label.SetAlignment(alignment);
        const TLTextLayout layout = label.Layout();
        const int right = layout.Main.right() + 1;
        const int expected = alignment == TAlignment::taLeftJustify    ? 0
                             : alignment == TAlignment::taRightJustify ? right - layout.TextWidth
                                                                       : right / 2 - layout.TextWidth / 2;
        EXPECT_EQ(layout.MainOrigin.x(), expected);
    }
}

TEST(TLSingleLine, RotatedOriginsSitAtTheTurnedCorner)
{
    const std::pair<int, std::function<QPoint(const QRect&)>> cases[] = {
        {90, [](const QRect& r) { return QPoint(r.left(), r.bottom() + 1); }},
        {180, [](const QRect& r) { return QPoint(r.right() + 1, r.bottom() + 1); }},
        {270, [](const QRect& r) { return QPoint(r.right() + 1, r.top()); }},
    };
    for (const auto& [angle, corner] : cases) {
        TLPLabel label;
        label.SetAngle(angle);
        const TLTextLayout layout = label.Layout();
        EXPECT_EQ(layout.MainOrigin, corner(layout.Main)) << angle;
    }
}

TEST(TLSymbol, ListPositionAndSubstitutedFont)
{
    TLSymbolLabel symbol;
    symbol.SetCaption(QStringLiteral("A"));
    EXPECT_EQ(symbol.ListPosition(), 33);
    symbol.ApplyFont(TLFont::Make(QStringLiteral("Arial"), 10));
    EXPECT_EQ(symbol.Font.Name, QStringLiteral("Wingdings"));
    if (!QFontDatabase::hasFamily(QStringLiteral("Wingdings"))) {
        EXPECT_EQ(TLSymbolFonts::DrawingText(QStringLiteral("Wingdings"), QStringLiteral("[")), QString(QChar(0x262F)));
        EXPECT_EQ(TLSymbolFonts::DrawingText(QStringLiteral("Symbol"), QStringLiteral("a")), QString(QChar(0x03B1)));
    }
    EXPECT_EQ(TLSymbolFonts::DrawingText(QStringLiteral("Arial"), QStringLiteral("[")), QStringLiteral("["));
}

TEST(TLDateTime, FormatsFromTheLocale)
{
    TLDateTimeLabel::Clock() = [] { return QDateTime(QDate(2026, 3, 4), QTime(13, 5, 6)); };
    TLDateTimeLabel label;
    label.DateFormat = TDateFormat::dtfDateNone;
    label.TimeFormat = TTimeFormat::dtfTimeShort;
    EXPECT_EQ(label.DateTimeText(), u' ' + QLocale::system().toString(QTime(13, 5, 6), QLocale::ShortFormat));
    label.DateFormat = TDateFormat::dtfDateShort;
    label.TimeFormat = TTimeFormat::dtfTimeNone;
    EXPECT_EQ(label.DateTimeText(), QLocale::system().toString(QDate(2026, 3, 4), QLocale::ShortFormat));
    TLDateTimeLabel::Clock() = [] { return QDateTime::currentDateTime(); };
}

TEST(TLSingleLine, DamagedSizesStayDrawable)
{
    // Values a damaged layout may hold: the object still lays out and draws.
    TLPLabel label;
    label.Font.Height = std::numeric_limits<int32_t>::min();
    label.SetBounds(0, 0, -50, 70000);
    label.SetCaption(QString(5000, u'W'));
    const TLTextLayout layout = label.Layout();
    EXPECT_GT(layout.LineHeight, 0);
    EXPECT_LE(layout.DrawingFont.pixelSize(), 2000);
    QImage image(50, 50, QImage::Format_RGB32);
    QPainter painter(&image);
    label.Paint(painter);
}
