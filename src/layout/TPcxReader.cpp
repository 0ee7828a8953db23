#include "TPcxReader.h"

#include <QtEndian>

#include <vector>

namespace {

QImage Fail(QString* error, const char* why)
{
    if (error)
        *error = QString::fromLatin1(why);
    return QImage();
}

} // namespace

QImage TPcxReader::Read(const QByteArray& bytes, QString* error, qint64 maxPixels)
{
    if (bytes.size() < 128 || uint8_t(bytes[0]) != 0x0A)
        return Fail(error, "Not a PCX picture");
    const auto* header = reinterpret_cast<const uchar*>(bytes.constData());
    const int encoding = header[2];
    const int bitsPerPixel = header[3];
    const int xMin = qFromLittleEndian<uint16_t>(header + 4), yMin = qFromLittleEndian<uint16_t>(header + 6);
    const int xMax = qFromLittleEndian<uint16_t>(header + 8), yMax = qFromLittleEndian<uint16_t>(header + 10);
    const int planes = header[65];
    const int bytesPerLine = qFromLittleEndian<uint16_t>(header + 66);
    if (xMax < xMin || yMax < yMin)
        return Fail(error, "Damaged PCX picture");
    const int width = xMax - xMin + 1, height = yMax - yMin + 1;
    if (qint64(width) * height > maxPixels)
        return Fail(error, "The picture is too large");
    const bool mono = bitsPerPixel == 1 && planes == 1;
    const bool ega = bitsPerPixel == 1 && planes == 4;
    const bool indexed = bitsPerPixel == 8 && planes == 1;
    const bool rgb = bitsPerPixel == 8 && planes == 3;
    const bool nibble = bitsPerPixel == 4 && planes == 1;
    if (!mono && !ega && !indexed && !rgb && !nibble)
        return Fail(error, "Unsupported PCX picture");
    if (qint64(bytesPerLine) * 8 < qint64(width) * bitsPerPixel)
        return Fail(error, "Damaged PCX picture");

    // Decode every scan line (all planes of a line one after another).
    const qint64 lineBytes = qint64(bytesPerLine) * planes;
    const qint64 total = lineBytes * height;
    const qint64 available = bytes.size() - 128;
    // A run byte gives at most 63 bytes, so a file this short cannot hold the picture.
    if (total > available * (encoding == 1 ? 63 : 1))
        return Fail(error, "Damaged PCX picture");
    std::vector<uchar> pixels(size_t(total), 0);
    qint64 in = 128, out = 0;
    const qint64 end = bytes.size() - (indexed ? 769 : 0);
    while (out < total) {
        if (in >= bytes.size() || (indexed && in >= std::max<qint64>(end, 128)))
            return Fail(error, "Damaged PCX picture");
        uchar byte = uchar(bytes[in++]);
        qint64 count = 1;
        if (encoding == 1 && (byte & 0xC0) == 0xC0) {
            count = byte & 0x3F;
            if (in >= bytes.size())
                return Fail(error, "Damaged PCX picture");
            byte = uchar(bytes[in++]);
        }
        for (; count > 0 && out < total; --count)
            pixels[size_t(out++)] = byte;
    }

    QImage image;
    if (rgb) {
        image = QImage(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            const uchar* line = pixels.data() + y * lineBytes;
            auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x)
                target[x] = qRgb(line[x], line[bytesPerLine + x], line[2 * bytesPerLine + x]);
        }
        return image;
    }
    QList<QRgb> palette;
    if (indexed) {
        if (bytes.size() < 128 + 769 || uint8_t(bytes[bytes.size() - 769]) != 0x0C)
            return Fail(error, "Damaged PCX picture");
        const auto* colours = reinterpret_cast<const uchar*>(bytes.constData() + bytes.size() - 768);
        for (int i = 0; i < 256; ++i)
            palette << qRgb(colours[3 * i], colours[3 * i + 1], colours[3 * i + 2]);
    } else if (mono) {
        palette << qRgb(0, 0, 0) << qRgb(255, 255, 255);
    } else {
        for (int i = 0; i < 16; ++i)
            palette << qRgb(header[16 + 3 * i], header[17 + 3 * i], header[18 + 3 * i]);
    }
    image = QImage(width, height, QImage::Format_Indexed8);
    image.setColorTable(palette);
    for (int y = 0; y < height; ++y) {
        const uchar* line = pixels.data() + y * lineBytes;
        uchar* target = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (indexed) {
                target[x] = line[x];
            } else if (nibble) {
                target[x] = (x % 2 == 0 ? line[x / 2] >> 4 : line[x / 2]) & 0x0F;
            } else {
                int index = 0;
                for (int plane = 0; plane < planes; ++plane)
                    if (line[plane * bytesPerLine + x / 8] & (0x80 >> (x % 8)))
                        index |= 1 << plane;
                target[x] = uchar(index);
            }
        }
    }
    return image;
}
