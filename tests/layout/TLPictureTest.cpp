// Pictures: every file format the picture browser offers, PCX through our own reader, metafile
// bytes kept unchanged, and pictures refused for their size or damage.
#include "layout/TLImage.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLBasePanel.h"
#include "layout/TLStreamReader.h"
#include "layout/TPcxReader.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(QByteArray(hex).replace(' ', "")); }

void Put16(QByteArray& bytes, int at, int value) { qToLittleEndian<uint16_t>(uint16_t(value), bytes.data() + at); }
void Put32(QByteArray& bytes, int at, int value) { qToLittleEndian<uint32_t>(uint32_t(value), bytes.data() + at); }

// A PCX file of `planes` planes of `bits` bits, run-length encoded; `sample(x, y, plane)` gives
// each pixel's bits (palettes: index i is grey level i * 16, or i for 8 bits).
QByteArray Pcx(int width, int height, int bits, int planes, const std::function<int(int, int, int)>& sample)
{
    QByteArray bytes(128, '\0');
    bytes[0] = 0x0A;
    bytes[1] = 5;
    bytes[2] = 1;
    bytes[3] = char(bits);
    Put16(bytes, 8, width - 1);
    Put16(bytes, 10, height - 1);
    for (int i = 0; i < 16; ++i)
        bytes[16 + 3 * i] = bytes[17 + 3 * i] = bytes[18 + 3 * i] = char(i * 16);
    bytes[65] = char(planes);
    const int bytesPerLine = (width * bits + 15) / 16 * 2;
    Put16(bytes, 66, bytesPerLine);
    for (int y = 0; y < height; ++y) {
        for (int plane = 0; plane < planes; ++plane) {
            QByteArray line(bytesPerLine, '\0');
            for (int x = 0; x < width; ++x) {
                const int value = sample(x, y, plane);
                if (bits == 8)
                    line[x] = char(value);
                else if (bits == 4)
                    line[x / 2] = char(line[x / 2] | (x % 2 ? value : value << 4));
                else if (value)
                    line[x / 8] = char(line[x / 8] | (0x80 >> (x % 8)));
            }
            for (const char byte : line) {
                if ((uchar(byte) & 0xC0) == 0xC0)
                    bytes.append(char(0xC1));
                bytes.append(byte);
            }
        }
    }
    if (bits == 8 && planes == 1) {
        bytes.append(char(0x0C));
        for (int i = 0; i < 256; ++i)
            bytes.append(char(i)).append(char(i)).append(char(i));
    }
    return bytes;
}

QByteArray Saved(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage TwoByTwo()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(0, 1, qRgb(0, 0, 255));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    return image;
}

// A 2 × 2 8-bit BMP compressed with RLE8: rows of index 1 and index 0 (bottom row first).
QByteArray RleBmp()
{
    QByteArray bytes(14 + 40 + 8, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 10, 14 + 40 + 8);
    Put32(bytes, 14, 40);
    Put32(bytes, 18, 2);
    Put32(bytes, 22, 2);
    Put16(bytes, 26, 1);
    Put16(bytes, 28, 8);
    Put32(bytes, 30, 1);   // BI_RLE8
    Put32(bytes, 46, 2);   // colours used
    bytes[54 + 4 + 2] = char(0xFF); // index 1 is red (B, G, R, 0)
    bytes.append(Hex("02 00 00 00 02 01 00 00 00 01"));
    Put32(bytes, 2, int(bytes.size()));
    Put32(bytes, 34, 10);
    return bytes;
}

// A 1-pixel GIF whose one colour is red.
QByteArray Gif()
{
    return Hex("47 49 46 38 39 61 01 00 01 00 80 00 00 FF 00 00 00 00 00 2C 00 00 00 00 01 00 01 00 00 02 02 44 01 00 3B");
}

// An uncompressed 24-bit TGA of 2 × 1 pixels, blue then red, top-down, with the version 2 footer.
QByteArray Tga()
{
    QByteArray bytes(18, '\0');
    bytes[2] = 2;
    Put16(bytes, 12, 2);
    Put16(bytes, 14, 1);
    bytes[16] = 24;
    bytes[17] = 0x20;
    bytes.append(Hex("FF 00 00 00 00 FF"));
    bytes.append(QByteArray(8, '\0')).append("TRUEVISION-XFILE.").append('\0');
    return bytes;
}

// A placeable WMF header, a metafile header and the end record: 2 × 1 inches.
QByteArray Wmf()
{
    QByteArray bytes = Hex("D7 CD C6 9A 00 00 00 00 00 00 C0 03 E0 01 E0 01 00 00 00 00 00 00");
    bytes.append(Hex("01 00 09 00 00 03 0C 00 00 00 00 00 03 00 00 00 00 00 03 00 00 00 00 00"));
    return bytes;
}

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    TLLabelObjectFiler::WriteFile(path, bytes);
    return path;
}

} // namespace

TEST(TLPicture, LoadsEveryOfferedFormat)
{
    QTemporaryDir dir;
    const QImage reference = TwoByTwo();
    struct TCase {
        const char* Name;
        QByteArray Bytes;
        QSize Size;
        QRgb TopLeft;
    };
    const TCase cases[] = {
        {"a.BMP", Saved(reference, "BMP"), {2, 2}, qRgb(255, 0, 0)},
        {"a.dib", Saved(reference, "BMP"), {2, 2}, qRgb(255, 0, 0)},
        {"a.rle", RleBmp(), {2, 2}, qRgb(255, 0, 0)},
        {"a.jpg", Saved(QImage(8, 8, QImage::Format_RGB32), "JPG"), {8, 8}, 0},
        {"a.jif", Saved(QImage(8, 8, QImage::Format_RGB32), "JPG"), {8, 8}, 0},
        {"a.gif", Gif(), {1, 1}, qRgb(255, 0, 0)},
        {"a.tga", Tga(), {2, 1}, qRgb(0, 0, 255)},
        {"a.ico", Saved(QImage(16, 16, QImage::Format_ARGB32), "ICO"), {16, 16}, 0},
        {"mono.pcx", Pcx(9, 2, 1, 1, [](int x, int, int) { return x % 2; }), {9, 2}, qRgb(0, 0, 0)},
        {"ega.pcx", Pcx(3, 2, 1, 4, [](int x, int, int plane) { return plane == 0 && x == 0; }), {3, 2}, qRgb(16, 16, 16)},
        {"nibble.pcx", Pcx(3, 1, 4, 1, [](int x, int, int) { return x + 2; }), {3, 1}, qRgb(32, 32, 32)},
        {"grey.pcx", Pcx(3, 2, 8, 1, [](int x, int y, int) { return 200 + x + y; }), {3, 2}, qRgb(200, 200, 200)},
        {"rgb.pcx", Pcx(2, 2, 8, 3, [](int, int, int plane) { return plane == 0 ? 250 : 10; }), {2, 2}, qRgb(250, 10, 10)},
    };
    for (const TCase& c : cases) {
        TLPicture picture;
        QString error;
        ASSERT_TRUE(TLPicture::LoadFile(Write(dir, QString::fromLatin1(c.Name), c.Bytes), picture, &error))
            << c.Name << " " << error.toStdString();
        EXPECT_TRUE(picture.IsBitmap()) << c.Name;
        EXPECT_EQ(picture.Size(), c.Size) << c.Name;
        if (c.TopLeft)
            EXPECT_EQ(picture.Image().pixel(0, 0) | 0xFF000000, c.TopLeft | 0xFF000000) << c.Name;
        // What a layout stores decodes to the same picture.
        const TLPicture stored = TLPicture::FromStreamData(picture.StreamData());
        EXPECT_EQ(stored.Size(), c.Size) << c.Name;
    }
}

TEST(TLPicture, PcxReaderReadsTheEgaPlanesAndRefusesDamage)
{
    const QImage ega = TPcxReader::Read(Pcx(3, 1, 1, 4, [](int x, int, int plane) { return (x >> plane) & 1; }));
    ASSERT_FALSE(ega.isNull());
    EXPECT_EQ(ega.pixelIndex(0, 0), 0);
    EXPECT_EQ(ega.pixelIndex(1, 0), 1);
    EXPECT_EQ(ega.pixelIndex(2, 0), 2);

    QByteArray huge = Pcx(1, 1, 8, 1, [](int, int, int) { return 0; });
    Put16(huge, 8, 65535);
    Put16(huge, 10, 65535);
    Put16(huge, 66, 65536 - 2);
    QString error;
    EXPECT_TRUE(TPcxReader::Read(huge, &error).isNull());
    EXPECT_TRUE(error.contains(QLatin1String("too large")));

    const QByteArray good = Pcx(4, 4, 8, 3, [](int x, int, int) { return x; });
    const QList<QByteArray> damaged = {good.left(100), good.left(140), QByteArray(200, '\x0A'),
                                       Pcx(3, 2, 8, 1, [](int, int, int) { return 1; }).chopped(769)};
    for (const QByteArray& bytes : damaged)
        EXPECT_TRUE(TPcxReader::Read(bytes).isNull());
}

// A placeable WMF of 100 × 100 units holding a black-filled rectangle over its left half.
QByteArray DrawingWmf()
{
    QByteArray bytes = Hex("D7 CD C6 9A 00 00 00 00 00 00 64 00 64 00 60 00 00 00 00 00 00 00");
    bytes.append(Hex("01 00 09 00 00 03 00 00 00 00 01 00 00 00 00 00 00 00"));
    bytes.append(Hex("07 00 00 00 FC 02 00 00 00 00 00 00 00 00"));   // solid black brush
    bytes.append(Hex("04 00 00 00 2D 01 00 00"));                      // select it
    bytes.append(Hex("07 00 00 00 1B 04 64 00 32 00 00 00 00 00"));    // rectangle 0,0 - 50,100
    bytes.append(Hex("03 00 00 00 00 00"));
    return bytes;
}

TEST(TLPicture, MetafilesArePlayed)
{
    QTemporaryDir dir;
    TLPicture picture;
    ASSERT_TRUE(TLPicture::LoadFile(Write(dir, QStringLiteral("a.wmf"), DrawingWmf()), picture, nullptr));
    QImage canvas(40, 40, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    picture.Draw(painter, QRectF(0, 0, 40, 40));
    painter.end();
    EXPECT_EQ(canvas.pixel(10, 20), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(30, 20), qRgb(255, 255, 255));
}

TEST(TLPicture, MetafileBytesAreKeptAndDrawnAsACrossedFrame)
{
    QTemporaryDir dir;
    TLPicture picture;
    ASSERT_TRUE(TLPicture::LoadFile(Write(dir, QStringLiteral("a.wmf"), Wmf()), picture, nullptr));
    EXPECT_EQ(picture.Kind(), TLPicture::TKind::Metafile);
    EXPECT_EQ(picture.Size(), QSize(192, 96));

    TLImage image;
    image.SetPicture(picture);
    image.Flip = true;
    const QByteArray first = TLLabelObjectFiler::ObjectListBytes({&image});
    TLBasePanel panel;
    TLStreamReader reader(first);
    TLLabelObjectFiler().ReadObjectList(reader, panel);
    auto& read = dynamic_cast<TLImage&>(*panel.Objects()[0]);
    EXPECT_EQ(read.Picture.Data(), Wmf());

    QImage canvas(40, 40, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    // This one holds no records at all; without a type it cannot be played.
    TLPicture unplayable = TLPicture::FromStreamData(QByteArray("\x09TMetafile", 10) + QByteArray(30, 'x'));
    unplayable.Draw(painter, QRectF(0, 0, 40, 40), true, true);
    painter.end();
    EXPECT_NE(canvas.pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(20, 5), qRgb(255, 255, 255));
}

TEST(TLPicture, RefusesHugeAndUnreadablePictures)
{
    QTemporaryDir dir;
    QByteArray bmp = Saved(TwoByTwo(), "BMP");
    Put32(bmp, 18, 9000);
    Put32(bmp, 22, 9000);
    TLPicture picture;
    QString error;
    EXPECT_FALSE(TLPicture::LoadFile(Write(dir, QStringLiteral("big.bmp"), bmp), picture, &error));
    EXPECT_TRUE(error.contains(QLatin1String("too large"))) << error.toStdString();
    EXPECT_FALSE(TLPicture::LoadFile(Write(dir, QStringLiteral("junk.bmp"), "not a picture"), picture, &error));
    EXPECT_TRUE(picture.Empty());
}
