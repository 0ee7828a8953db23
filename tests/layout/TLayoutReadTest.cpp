// Reading layout streams: renaming, shifting, the value forms a reader accepts, damaged
// streams and their messages, round trips of every class, files and report files.
#include "layout/TLFIMBarCode.h"
#include "layout/TLIMBarCode.h"
#include "layout/TLPostNetBarCode.h"
#include "layout/TLBasePanel.h"
#include "layout/TLClassRegistry.h"
#include "layout/TLCounterLabel.h"
#include "layout/TLDMultiLineAddressLabel.h"
#include "layout/TLDMultiLineLabel.h"
#include "layout/TLDateTimeLabel.h"
#include "layout/TLImage.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLLabelShapes.h"
#include "layout/TLLineShape.h"
#include "layout/TLPDLabel.h"
#include "layout/TLPLabel.h"
#include "layout/TLStreamReader.h"
#include "layout/TLStreamWriter.h"
#include "layout/TLayoutUnits.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(QByteArray(hex).replace(' ', "")); }
QByteArray S(const QByteArray& text) { return QByteArray(1, char(text.size())) + text; }

// One object record of `className` named "X" with the given property bytes.
QByteArray Record(const QByteArray& className, const QByteArray& properties)
{
    return "TPF0" + S(className) + S("X") + properties + Hex("00 00");
}
QByteArray List(const QByteArray& records) { return Hex("01") + records + Hex("00"); }

QString ReadError(const QByteArray& bytes, TLBasePanel& panel)
{
    TLStreamReader reader(bytes);
    try {
        TLLabelObjectFiler().ReadObjectList(reader, panel);
    } catch (const TLStreamError& error) {
        return error.Message();
    }
    return QStringLiteral("no error");
}

QByteArray WriteRead(const TLGraphicControl& object)
{
    const QByteArray first = TLLabelObjectFiler::ObjectListBytes({&object});
    TLBasePanel panel;
    TLStreamReader reader(first);
    TLLabelObjectFiler().ReadObjectList(reader, panel);
    EXPECT_EQ(panel.Objects().size(), 1u);
    return TLLabelObjectFiler::ObjectListBytes(TLLabelObjectFiler::ObjectsOf(panel));
}

} // namespace

TEST(TLayoutRead, NamesComponentsAfterThoseTheOwnerBears)
{
    TLOwner owner;
    TLBasePanel first(&owner), second(&owner);
    auto existing = std::make_unique<TLPLabel>();
    existing->Name = QStringLiteral("Component0");
    first.Adopt(std::move(existing));
    auto label = std::make_unique<TLPLabel>();
    label->Name = QStringLiteral("Special1");
    const QByteArray bytes = TLLabelObjectFiler::ObjectListBytes({label.get(), label.get()});
    TLStreamReader reader(bytes);
    TLLabelObjectFiler().ReadObjectList(reader, second);
    ASSERT_EQ(second.Objects().size(), 2u);
    EXPECT_EQ(second.Objects()[0]->Name, QStringLiteral("Component1"));
    EXPECT_EQ(second.Objects()[1]->Name, QStringLiteral("Component2"));
}

TEST(TLayoutRead, ShiftedReadingMovesFifteenPixels)
{
    TLPLabel label;
    label.SetBounds(10, 20, 142, 33);
    const QByteArray bytes = TLLabelObjectFiler::ObjectListBytes({&label});
    TLBasePanel panel;
    TLStreamReader reader(bytes);
    TLLabelObjectFiler().ReadObjectList(reader, panel, true);
    EXPECT_EQ(panel.Objects()[0]->BoundsRect(), QRect(25, 35, 142, 33));
}

TEST(TLayoutRead, AcceptsEveryValueFormThatFits)
{
    TLBasePanel panel;
    const QByteArray properties = S("Left") + Hex("04 05 00 00 00") + S("Top") + Hex("03 06 00") + S("Cursor") +
                                  Hex("07") + S("crCross") + S("BackColor") + Hex("04 56 34 12 00") + S("Font.Color") +
                                  Hex("07") + S("CLRED") + S("Caption") + Hex("0C 02 00 00 00") + "ab" +
                                  S("Alignment") + Hex("07") + S("taCenter");
    // 0xF0 prefix with flag 0x02: a typed integer follows before the class name.
    const QByteArray record = "TPF0" + Hex("F2 02 07") + S("TLPLabel") + S("X") + properties + Hex("00 00");
    ASSERT_EQ(ReadError(List(record), panel), QStringLiteral("no error"));
    auto* label = dynamic_cast<TLPLabel*>(panel.Objects()[0].get());
    ASSERT_TRUE(label);
    EXPECT_EQ(label->Left(), 5);
    EXPECT_EQ(label->Top(), 6);
    EXPECT_EQ(label->Cursor, -3);
    EXPECT_EQ(label->BackColor, 0x123456);
    EXPECT_EQ(label->Font.Color, 0x0000FF);
    EXPECT_EQ(label->Caption, QStringLiteral("ab"));
    EXPECT_EQ(label->Alignment, TAlignment::taCenter);
}

TEST(TLayoutRead, DamagedStreamsGiveTheirMessages)
{
    const QByteArray good = Record("TLPLabel", S("Left") + Hex("02 01"));
    const std::pair<QByteArray, const char*> cases[] = {
        {Hex("01") + "TPFX" + S("TLPLabel") + S("X") + Hex("00 00 00"), "Invalid stream format"},
        {List(Record("TLNothing", {})), "Class TLNothing not found"},
        {List(Record("TLPLabel", S("Bogus") + Hex("02 01"))), "Error reading Component0.Bogus: Property does not exist"},
        {List(Record("TLPLabel", S("Left") + Hex("06 01") + "a")), "Invalid property value"},
        {List(Record("TLPLabel", S("Locked") + Hex("02 01"))), "Invalid property value"},
        {List(Record("TLPLabel", S("Alignment") + Hex("07") + S("taNowhere"))), "Invalid property value"},
        {List(Record("TLPLabel", S("Left") + Hex("0E"))), "Invalid property value"},
        {Hex("02") + good + Hex("00"), "Invalid property value"},
        {Hex("01") + good.left(good.size() - 3), "Stream read error"},
        {List(Record("TLPLabel", S("Caption") + Hex("0C FF FF FF 7F") + "abc")), "Stream read error"},
        {List(Record("TLImage", S("Picture.Data") + Hex("0A FF FF FF FF"))), "Stream read error"},
        {List(Record("TLImage", S("Picture.Data") + Hex("0A 05 00 00 00 04") + "TFoo")), "Invalid property value"},
        {List(Record("TLImage", S("Picture.Data") + Hex("0A 0C 00 00 00 07") + "TBitmap" + Hex("FF 00 00 00"))),
         "Stream read error"},
        {List(Record("TLMultiLineLabel", S("Items.Strings") + QByteArray(40, '\x01'))), "Invalid property value"},
        {List(Record("TLPLabel", {}) + "TPF0" + S("TLPLabel") + S("X") + Hex("00 01 00 00")), "Invalid property value"},
        {QByteArray(), "Stream read error"},
    };
    for (const auto& [bytes, message] : cases) {
        TLBasePanel panel;
        EXPECT_EQ(ReadError(bytes, panel), QString::fromLatin1(message)) << bytes.toHex(' ').constData();
    }
}

TEST(TLayoutRead, ObjectsBeforeAnErrorStay)
{
    TLBasePanel panel;
    const QByteArray bytes = Hex("01") + Record("TLPLabel", {}) + Record("TLLineShape", {}) + Record("TLNothing", {});
    EXPECT_EQ(ReadError(bytes, panel), QStringLiteral("Class TLNothing not found"));
    EXPECT_EQ(panel.Objects().size(), 2u);
}

TEST(TLayoutRead, EveryClassIsKnownWithoutItsPanel)
{
    for (const QString& name : {QStringLiteral("TLFIMBarCode"), QStringLiteral("TLIMBarCode"), QStringLiteral("Trpshapes"),
                                QStringLiteral("TLDateTimeLabel"), QStringLiteral("TLPageNumberLabel")})
        EXPECT_TRUE(TLClassRegistry::Create(name.toLatin1())) << name.toStdString();
}

TEST(TLayoutRead, WriteReadWriteIsStableForEveryClass)
{
    for (const QString& className : TLClassRegistry::ClassNames()) {
        std::unique_ptr<TLGraphicControl> object = TLClassRegistry::Create(className.toLatin1());
        object->Name = QStringLiteral("Component0");
        object->SetBounds(-3, 200, 70000, 12);
        object->Tag = 7;
        object->Hint = QStringLiteral("Ünïcode \"hint\"");
        object->Locked = true;
        const QByteArray first = TLLabelObjectFiler::ObjectListBytes({object.get()});
        EXPECT_EQ(WriteRead(*object).toHex(), first.toHex()) << className.toStdString();
    }
}

TEST(TLayoutRead, NonDefaultValuesRoundTrip)
{
    std::vector<std::unique_ptr<TLGraphicControl>> objects;
    auto counter = std::make_unique<TLCounterLabel>();
    counter->TextBefore = QStringLiteral("No. ");
    counter->SetStartingnumber(-40000);
    counter->LeadingZeros = 3;
    counter->SetAngle(90);
    counter->DepthShadow = 2;
    counter->DirectionHighlight = THighlightDirection::hdNone;
    counter->colorShadow = 0x010203;
    counter->Font = TLFont::Make(QStringLiteral("Times New Roman"), 14, fsBold | fsItalic);
    counter->Font.Pitch = TFontPitch::fpFixed;
    objects.push_back(std::move(counter));
    auto address = std::make_unique<TLDMultiLineAddressLabel>();
    address->Items = QStringList{QStringLiteral("a"), QString(300, u'b')};
    address->ZipOptions = TZipOptions::zoBeforeCountry;
    address->UpperCase = true;
    address->SetWordWrap(true);
    objects.push_back(std::move(address));
    auto shape = std::make_unique<TLLabelShapes>();
    shape->Shape = TShapeType::stCircle;
    shape->RoundPerc = 60;
    shape->SetTransparent(true);
    shape->Pen.Width = 3;
    shape->Pen.Mode = TPenModeValue::pmXor;
    shape->Pen.Style = TPenStyleValue::psDot;
    shape->Brush.Color = 0x00FF00;
    objects.push_back(std::move(shape));
    auto line = std::make_unique<TLLineShape>();
    line->LineStyle = TLineStyle::stAngleSlopingDown;
    objects.push_back(std::move(line));
    auto image = std::make_unique<TLImage>();
    QImage pixels(3, 2, QImage::Format_RGB32);
    pixels.fill(Qt::red);
    image->SetPicture(TLPicture::FromImage(pixels));
    image->SetAutoSize(true);
    image->Flip = true;
    objects.push_back(std::move(image));
    auto postnet = std::make_unique<TLPostNetBarCode>();
    postnet->BarCodeType = TPostNetBarCodeType::pnbc5Digit;
    postnet->ZipCodeField = QStringLiteral("ZIP");
    objects.push_back(std::move(postnet));
    auto imb = std::make_unique<TLIMBarCode>();
    imb->MailerId = QStringLiteral("123456");
    imb->SerialStart = 99;
    imb->RoutingType = TIMbRoutingType::imbrNone;
    objects.push_back(std::move(imb));
    for (auto& object : objects) {
        object->Name = QStringLiteral("Component0");
        const QByteArray first = TLLabelObjectFiler::ObjectListBytes({object.get()});
        EXPECT_EQ(WriteRead(*object).toHex(), first.toHex()) << object->ClassName().constData();
    }
}

TEST(TLayoutRead, EmptiedStaticTextStaysEmpty)
{
    TLPLabel label;
    label.SetCaption(QString());
    const QByteArray bytes = TLLabelObjectFiler::ObjectListBytes({&label});
    EXPECT_TRUE(bytes.contains(S("Caption") + Hex("06 00")));
    TLBasePanel panel;
    TLStreamReader reader(bytes);
    TLLabelObjectFiler().ReadObjectList(reader, panel);
    EXPECT_EQ(dynamic_cast<TLPLabel&>(*panel.Objects()[0]).Caption, QString());
}

TEST(TLayoutRead, CloneCopiesThroughMemory)
{
    TLBasePanel panel;
    auto label = std::make_unique<TLPLabel>();
    label->SetCaption(QStringLiteral("copy me"));
    label->SetBounds(10, 20, 142, 33);
    TLGraphicControl* original = panel.AddObject(std::move(label), QRect(10, 20, 142, 33));
    TLGraphicControl* copy = TLLabelObjectFiler::CloneObject(*original, panel);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->BoundsRect(), original->BoundsRect());
    EXPECT_EQ(dynamic_cast<TLPLabel*>(copy)->Caption, QStringLiteral("copy me"));
    EXPECT_NE(copy->Name, original->Name);
}

TEST(TLayoutFiles, MissingFileLeavesThePanelAndErrorsNameTheFile)
{
    QTemporaryDir dir;
    TLBasePanel panel;
    panel.LoadFromFile(dir.filePath(QStringLiteral("BIN00001.L")));
    EXPECT_TRUE(panel.Objects().empty());

    const QString damaged = dir.filePath(QStringLiteral("BIN00002.L"));
    TLLabelObjectFiler::WriteFile(damaged, Hex("01") + Record("TLNothing", {}) + Hex("00"));
    try {
        panel.LoadFromFile(damaged);
        FAIL();
    } catch (const TLStreamError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Class TLNothing not found"));
        EXPECT_EQ(error.FileName(), damaged);
        EXPECT_TRUE(QString::fromStdString(error.what()).contains(damaged));
    }
    try {
        TLLabelObjectFiler::WriteFile(dir.filePath(QStringLiteral("no/such/dir/x.L")), "x");
        FAIL();
    } catch (const TLStreamError& error) {
        EXPECT_TRUE(error.Message().startsWith(QStringLiteral("Cannot create file ")));
    }
}

TEST(TLayoutFiles, SaveAtZoomWritesZoomOneBoundsAndKeepsTheZoom)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("BIN00001.L"));
    TLBasePanel panel;
    panel.AddObject(std::make_unique<TLLineShape>(), QRect(33, 47, 101, 20));
    panel.SetZoom(0.4);
    panel.SetZoom(2.0);
    panel.SaveToFile(file);
    EXPECT_EQ(panel.Zoom(), 2.0);
    TLBasePanel loaded;
    loaded.LoadFromFile(file);
    ASSERT_EQ(loaded.Objects().size(), 1u);
    EXPECT_EQ(loaded.Objects()[0]->BoundsRect(), QRect(33, 47, 101, 20));
}

TEST(TLayoutFiles, ReportFileHoldsThreeListsAndTheSettings)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("BIN00001.R"));
    TLBasePanel header, detail, footer;
    TLReportSettings settings;
    EXPECT_EQ(settings.LeftMargin, 48);
    TLLabelObjectFiler().WriteReport(header, detail, footer, settings, file);
    QByteArray bytes;
    ASSERT_TRUE(TLLabelObjectFiler::ReadFile(file, bytes));
    EXPECT_EQ(bytes.left(7), Hex("01 00 01 00 01 00 01"));
    EXPECT_EQ(bytes.mid(7, 5), Hex("03 34 21 03 F8"));   // 8500, then 11000 thousandths
    EXPECT_TRUE(bytes.contains(Hex("03 F4 01 03 F4 01")));  // margins of 500

    settings.MemoFontName = QStringLiteral("Courier New");
    settings.Bands[3].ShadeColor = 0xC0C0C0;
    settings.Bands[1].Top = true;
    settings.PageWidth = 816;
    TLLabelObjectFiler().WriteReport(header, detail, footer, settings, file);
    TLReportSettings read;
    read.MemoFontName.clear();
    TLLabelObjectFiler().ReadReport(header, detail, footer, read, file);
    EXPECT_EQ(read.MemoFontName, QStringLiteral("Courier New"));
    EXPECT_EQ(read.Bands[3].ShadeColor, 0xC0C0C0);
    EXPECT_TRUE(read.Bands[1].Top);
    EXPECT_EQ(read.PageWidth, 816);
}

TEST(TLayoutFiles, ReportLengthsFollowThePixelsPerInch)
{
    const std::tuple<int, int, int> cases[] = {{96, 48, 500}, {96, 816, 8500}, {120, 60, 500}, {120, 1020, 8500}, {96, 33, 343}};
    for (const auto& [ppi, pixels, thousandths] : cases) {
        TLayoutUnits::SetPixelsPerInch(ppi);
        EXPECT_EQ(TLReportSettings::ToThousandths(pixels), thousandths) << ppi << " " << pixels;
        EXPECT_EQ(TLReportSettings::FromThousandths(thousandths), pixels) << ppi << " " << pixels;
    }
    TLayoutUnits::SetPixelsPerInch(96);
}

TEST(TLayoutFiles, ShortSettingsListFails)
{
    TLStreamWriter writer;
    writer.WriteListStart();
    writer.IntegerValue(8500);
    writer.WriteListEnd();
    TLStreamReader reader(writer.Bytes());
    TLReportSettings settings;
    try {
        settings.Read(reader);
        FAIL();
    } catch (const TLStreamError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Invalid property value"));
    }
}
