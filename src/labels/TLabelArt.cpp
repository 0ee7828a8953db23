#include "TLabelArt.h"

QImage TLabelArt::Picture(const QString& artName)
{
    const QString name = artName.trimmed().toUpper();
    if (name.isEmpty() || name.contains(u'/'))
        return {};
    return QImage(QStringLiteral(":/quorvane/label-art/") + name);
}

QImage TLabelArt::Backdrop(const QString& artName, const QSize& size)
{
    const QImage picture = Picture(artName);
    if (picture.isNull() || size.isEmpty())
        return {};
    // Smooth scaling would bring greys back; the lines stay one colour.
    QImage mono = picture.convertToFormat(QImage::Format_Mono).scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Index 0 is the paper, index 1 the drawing, whichever way round the file had them.
    const bool inkIsZero = qGray(mono.color(0)) < qGray(mono.color(1));
    mono.setColorTable(inkIsZero ? QList<QRgb>{qRgb(192, 192, 192), qRgb(255, 255, 255)}
                                 : QList<QRgb>{qRgb(255, 255, 255), qRgb(192, 192, 192)});
    return mono;
}
