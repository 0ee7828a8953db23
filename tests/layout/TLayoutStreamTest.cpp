// The layout stream byte for byte: the example record, integer and string forms, colour and
// cursor names, and reading back what was written.
#include "layout/TLBasePanel.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLPLabel.h"
#include "layout/TLStreamReader.h"
#include "layout/TLStreamWriter.h"

#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(QByteArray(hex).replace(' ', "")); }

QByteArray S(const char* text) { return QByteArray(1, char(strlen(text))) + text; }

std::unique_ptr<TLPLabel> ExampleLabel()
{
    auto label = std::make_unique<TLPLabel>();
    label->Name = QStringLiteral("Special1");
    label->SetBounds(8, 16, 142, 33);
    return label;
}

QByteArray Written(const TLGraphicControl& object) { return TLLabelObjectFiler::ObjectListBytes({&object}); }

} // namespace

TEST(TLayoutStream, ExampleStaticTextRecord)
{
    const QByteArray expected = Hex("01") + "TPF0" + S("TLPLabel") + S("Special1") + S("Left") + Hex("02 08") +
                                S("Top") + Hex("02 10") + S("Width") + Hex("03 8E 00") + S("Height") + Hex("02 21") +
                                S("Locked") + Hex("08") + S("Unselectable") + Hex("08") + S("Caption") + Hex("06") +
                                S("Text") + S("Font.Color") + Hex("07") + S("clBlack") + S("Font.Height") + Hex("02 F3") +
                                S("Font.Name") + Hex("06") + S("Arial") + S("Font.Style") + Hex("0B 00") +
                                S("Transparent") + Hex("09") + S("BackColor") + Hex("07") + S("clWhite") +
                                S("BorderStyle") + Hex("07") + S("bsNone") + Hex("00 00 00");
    EXPECT_EQ(Written(*ExampleLabel()).toHex(' '), expected.toHex(' '));
}

TEST(TLayoutStream, AnEmptyFontNameKeepsTheDefaultFaceAndWritesBackTheSame)
{
    QByteArray bytes = Written(*ExampleLabel());
    const QByteArray stored = S("Font.Name") + Hex("06") + S("Arial");
    ASSERT_TRUE(bytes.contains(stored));
    bytes.replace(stored, S("Font.Name") + Hex("06 00"));
    TLBasePanel panel;
    TLStreamReader reader(bytes);
    TLLabelObjectFiler().ReadObjectList(reader, panel);
    ASSERT_EQ(panel.Objects().size(), 1u);
    EXPECT_EQ(static_cast<const TLPLabel&>(*panel.Objects()[0]).Font.Name, QStringLiteral("Arial"));
    const QByteArray first = TLLabelObjectFiler::ObjectListBytes(TLLabelObjectFiler::ObjectsOf(panel));
    TLBasePanel again;
    TLStreamReader rereader(first);
    TLLabelObjectFiler().ReadObjectList(rereader, again);
    EXPECT_EQ(TLLabelObjectFiler::ObjectListBytes(TLLabelObjectFiler::ObjectsOf(again)).toHex(' '), first.toHex(' '));
}

TEST(TLayoutStream, EmptyLayoutIsTwoBytes)
{
    TLBasePanel panel;
    EXPECT_EQ(TLLabelObjectFiler::ObjectListBytes(TLLabelObjectFiler::ObjectsOf(panel)), Hex("01 00"));
}

TEST(TLayoutStream, IntegersTakeTheSmallestForm)
{
    const std::pair<int, const char*> cases[] = {
        {200, "03 C8 00"}, {-5, "02 FB"}, {70000, "04 70 11 01 00"}, {127, "02 7F"}, {-129, "03 7F FF"}, {32768, "04 00 80 00 00"},
    };
    for (const auto& [value, hex] : cases) {
        TLStreamWriter writer;
        writer.IntegerValue(value);
        EXPECT_EQ(writer.Bytes(), Hex(hex)) << value;
        TLStreamReader reader(writer.Bytes());
        EXPECT_EQ(reader.ReadValue().Int, value);
    }
}

TEST(TLayoutStream, StringsColoursAndCursors)
{
    TLStreamWriter writer;
    writer.String("C", QString(300, u'x'));
    EXPECT_EQ(writer.Bytes().mid(2, 5), Hex("0C 2C 01 00 00"));

    auto bytesOf = [](auto write) {
        TLStreamWriter w;
        write(w);
        return w.Bytes().mid(2);
    };
    EXPECT_EQ(bytesOf([](TLStreamWriter& w) { w.Color("C", 0xFFFFFF); }), Hex("07") + S("clWhite"));
    EXPECT_EQ(bytesOf([](TLStreamWriter& w) { w.Color("C", 0x123456); }), Hex("04 56 34 12 00"));
    EXPECT_EQ(bytesOf([](TLStreamWriter& w) { w.Color("C", 0x80); }), Hex("07") + S("clMaroon"));
    EXPECT_EQ(bytesOf([](TLStreamWriter& w) { w.Color("C", 0x10); }), Hex("02 10"));
    EXPECT_EQ(bytesOf([](TLStreamWriter& w) { w.Color("C", int32_t(0x8000000F)); }), Hex("07") + S("clBtnFace"));
    EXPECT_EQ(bytesOf([](TLStreamWriter& w) { w.Cursor("C", -21); }), Hex("02 EB"));
    EXPECT_EQ(bytesOf([](TLStreamWriter& w) { w.Cursor("C", -3); }), Hex("07") + S("crCross"));
}
