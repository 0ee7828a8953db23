// A picture as a layout keeps it: a bitmap (stored as a Windows BMP file), an icon (an ICO file
// image) or a metafile (its bytes, kept and written back unchanged). Pictures come from layout
// streams ("Picture.Data") and from picture files of the formats the picture browser offers;
// both are untrusted, so decoding checks sizes first and refuses pictures over 64 megapixels.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QPainter;

class TLPicture {
public:
    enum class TKind { None, Bitmap, Icon, Metafile };
    static constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

    TKind Kind() const { return PictureKind; }
    bool Empty() const { return PictureKind == TKind::None; }
    bool IsBitmap() const { return PictureKind == TKind::Bitmap || PictureKind == TKind::Icon; }
    const QImage& Image() const { return Decoded; }
    const QByteArray& Data() const { return FileBytes; }
    // The picture's own size in layout pixels (a metafile's from its header, else 0 × 0).
    QSize Size() const;
    void Clear() { *this = TLPicture(); }

    // The payload of "Picture.Data": class name, then the picture. Throws TLStreamError
    // ("Invalid property value") for a payload it cannot take.
    static TLPicture FromStreamData(const QByteArray& payload);
    QByteArray StreamData() const;

    // A picture file by its extension (BMP, DIB, RLE, JPG, JIF, GIF, TGA, PCX, ICO, WMF, EMF).
    // False and `error` set when it cannot be read.
    static bool LoadFile(const QString& path, TLPicture& picture, QString* error);
    static TLPicture FromImage(const QImage& image);

    // Stretches the picture over `target`; bitmaps may be mirrored. A metafile is played by
    // TWmfPlayer; one it cannot play shows a crossed frame.
    void Draw(QPainter& painter, const QRectF& target, bool flip = false, bool reverse = false) const;
    // The bitmap mirrored as asked (bitmaps only).
    QImage Mirrored(bool flip, bool reverse) const;

private:
    static QImage DecodeImage(const QByteArray& bytes, const char* format, QString* error);

    TKind PictureKind = TKind::None;
    QByteArray FileBytes;
    QImage Decoded;
    QSize MetafileSize;
};
