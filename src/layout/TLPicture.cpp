#include "TLPicture.h"

#include "TLStreamError.h"
#include "TLayoutUnits.h"
#include "TPcxReader.h"
#include "TWmfPlayer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

namespace {

const QByteArray kBitmap = QByteArrayLiteral("TBitmap");
const QByteArray kIcon = QByteArrayLiteral("TIcon");
const QByteArray kMetafile = QByteArrayLiteral("TMetafile");

QString TooLarge(QSize size)
{
    return QStringLiteral("The picture is too large (%1 x %2 pixels); pictures of up to 64 megapixels can be used.")
        .arg(size.width())
        .arg(size.height());
}

// The size a metafile declares in its header, in layout pixels; empty when it declares none.
QSize MetafileSizeOf(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const int ppi = TLayoutUnits::PixelsPerInch();
    if (bytes.size() >= 22 && qFromLittleEndian<uint32_t>(data) == 0x9AC6CDD7u) {
        // Placeable header: bounding box in metafile units and units per inch.
        const int left = qFromLittleEndian<int16_t>(data + 6), top = qFromLittleEndian<int16_t>(data + 8);
        const int right = qFromLittleEndian<int16_t>(data + 10), bottom = qFromLittleEndian<int16_t>(data + 12);
        const int inch = qFromLittleEndian<uint16_t>(data + 14);
        if (inch > 0)
            return QSize(std::abs(right - left) * ppi / inch, std::abs(bottom - top) * ppi / inch);
    }
    if (bytes.size() >= 88 && qFromLittleEndian<uint32_t>(data) == 1 && qFromLittleEndian<uint32_t>(data + 40) == 0x464D4520u) {
        // Enhanced metafile: the frame in hundredths of a millimetre.
        const int left = qFromLittleEndian<int32_t>(data + 24), top = qFromLittleEndian<int32_t>(data + 28);
        const int right = qFromLittleEndian<int32_t>(data + 32), bottom = qFromLittleEndian<int32_t>(data + 36);
        return QSize(int(std::abs(qint64(right) - left) * ppi / 2540), int(std::abs(qint64(bottom) - top) * ppi / 2540));
    }
    return QSize();
}

} // namespace

QImage TLPicture::DecodeImage(const QByteArray& bytes, const char* format, QString* error)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels) {
        if (error)
            *error = TooLarge(size);
        return QImage();
    }
    QImage image = reader.read();
    if (image.isNull() && error)
        *error = reader.errorString();
    return image;
}

QSize TLPicture::Size() const
{
    if (PictureKind == TKind::Metafile)
        return MetafileSize;
    return Decoded.size();
}

TLPicture TLPicture::FromStreamData(const QByteArray& payload)
{
    if (payload.isEmpty())
        throw TLStreamError(TLStreamError::InvalidPropertyValue());
    const int nameLength = uint8_t(payload[0]);
    if (payload.size() < 1 + nameLength)
        throw TLStreamError(TLStreamError::StreamReadError());
    const QByteArray className = payload.mid(1, nameLength);
    const QByteArray rest = payload.mid(1 + nameLength);
    TLPicture picture;
    if (className == kBitmap) {
        if (rest.size() < 4)
            throw TLStreamError(TLStreamError::StreamReadError());
        const uint32_t count = qFromLittleEndian<uint32_t>(rest.constData());
        if (count > uint32_t(rest.size() - 4))
            throw TLStreamError(TLStreamError::StreamReadError());
        picture.PictureKind = TKind::Bitmap;
        picture.FileBytes = rest.mid(4, qsizetype(count));
        if (!picture.FileBytes.isEmpty())
            picture.Decoded = DecodeImage(picture.FileBytes, "BMP", nullptr);
    } else if (className == kIcon) {
        picture.PictureKind = TKind::Icon;
        picture.FileBytes = rest;
        picture.Decoded = DecodeImage(rest, "ICO", nullptr);
    } else if (className == kMetafile) {
        picture.PictureKind = TKind::Metafile;
        picture.FileBytes = rest;
        picture.MetafileSize = MetafileSizeOf(rest);
    } else {
        throw TLStreamError(TLStreamError::InvalidPropertyValue());
    }
    return picture;
}

QByteArray TLPicture::StreamData() const
{
    QByteArray data;
    const QByteArray& name = PictureKind == TKind::Bitmap ? kBitmap : PictureKind == TKind::Icon ? kIcon : kMetafile;
    data.append(char(name.size()));
    data.append(name);
    if (PictureKind == TKind::Bitmap) {
        char count[4];
        qToLittleEndian<uint32_t>(uint32_t(FileBytes.size()), count);
        data.append(count, 4);
    }
    data.append(FileBytes);
    return data;
}

TLPicture TLPicture::FromImage(const QImage& image)
{
    TLPicture picture;
    picture.PictureKind = TKind::Bitmap;
    picture.Decoded = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QBuffer buffer(&picture.FileBytes);
    buffer.open(QIODevice::WriteOnly);
    picture.Decoded.save(&buffer, "BMP");
    return picture;
}

bool TLPicture::LoadFile(const QString& path, TLPicture& picture, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot open file %1").arg(path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    const QString extension = QFileInfo(path).suffix().toUpper();
    QString why;
    TLPicture loaded;
    if (extension == QLatin1String("WMF") || extension == QLatin1String("EMF")) {
        loaded.PictureKind = TKind::Metafile;
        loaded.FileBytes = bytes;
        loaded.MetafileSize = MetafileSizeOf(bytes);
    } else if (extension == QLatin1String("ICO")) {
        loaded.PictureKind = TKind::Icon;
        loaded.FileBytes = bytes;
        loaded.Decoded = DecodeImage(bytes, "ICO", &why);
        if (loaded.Decoded.isNull())
            loaded = TLPicture();
    } else if (extension == QLatin1String("BMP") || extension == QLatin1String("DIB") || extension == QLatin1String("RLE")) {
        loaded.PictureKind = TKind::Bitmap;
        loaded.FileBytes = bytes;
        loaded.Decoded = DecodeImage(bytes, "BMP", &why);
        if (loaded.Decoded.isNull())
            loaded = TLPicture();
    } else {
        QImage image;
        if (extension == QLatin1String("PCX"))
            image = TPcxReader::Read(bytes, &why, kMaxPixels);
        else if (extension == QLatin1String("JPG") || extension == QLatin1String("JIF") || extension == QLatin1String("JPEG"))
            image = DecodeImage(bytes, "JPEG", &why);
        else if (extension == QLatin1String("GIF"))
            image = DecodeImage(bytes, "GIF", &why);
        else if (extension == QLatin1String("TGA"))
            image = DecodeImage(bytes, "TGA", &why);
        else
            image = DecodeImage(bytes, nullptr, &why);
        if (!image.isNull())
            loaded = FromImage(image);
    }
    if (loaded.Empty()) {
        if (error)
            *error = why.isEmpty() ? QStringLiteral("Error loading file!") : why;
        return false;
    }
    picture = loaded;
    return true;
}

QImage TLPicture::Mirrored(bool flip, bool reverse) const
{
    if (!IsBitmap() || (!flip && !reverse))
        return Decoded;
    return Decoded.mirrored(reverse, flip);
}

void TLPicture::Draw(QPainter& painter, const QRectF& target, bool flip, bool reverse) const
{
    if (IsBitmap() && !Decoded.isNull()) {
        painter.drawImage(target, Mirrored(flip, reverse));
        return;
    }
    if (Empty())
        return;
    if (PictureKind == TKind::Metafile && TWmfPlayer::Play(FileBytes, painter, target))
        return;
    // A picture we cannot play: a crossed frame where it stands.
    painter.save();
    painter.setPen(QPen(Qt::gray, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target.adjusted(0, 0, -1, -1));
    painter.drawLine(target.topLeft(), target.bottomRight());
    painter.drawLine(target.topRight(), target.bottomLeft());
    painter.restore();
}
