#include "TPagePictures.h"

#include "TDisplayList.h"
#include "TPagePainter.h"
#include "TPageImageBound.h"
#include "TPageStream.h"

#include <QDir>
#include <QPainter>

#include <cmath>
#include <stdexcept>

namespace {

QImage Blank(const TDisplayList& page, double dotsPerInch, QImage::Format format, double recordedDotsPerInch)
{
    QImage image(std::max(1, page.PageWidth().ToPixels(dotsPerInch)), std::max(1, page.PageHeight().ToPixels(dotsPerInch)),
                 format);
    const int dotsPerMeter = int(std::lround(recordedDotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return image;
}

} // namespace

QImage TPagePictures::FilePicture(const TDisplayList& page, double dotsPerInch)
{
    // A page too large for its pixels is drawn at a lower resolution, or refused by its size.
    QString refusal;
    dotsPerInch = TPageImageBound::DotsPerInch(page.PageWidth(), page.PageHeight(), dotsPerInch, &refusal);
    if (dotsPerInch <= 0)
        throw std::runtime_error(refusal.toStdString());
    QImage image = Blank(page, dotsPerInch, QImage::Format_RGB32, dotsPerInch);
    if (image.isNull())
        throw std::runtime_error(QStringLiteral("Not enough memory for a picture of %1 x %2 pixels")
                                     .arg(page.PageWidth().ToPixels(dotsPerInch))
                                     .arg(page.PageHeight().ToPixels(dotsPerInch))
                                     .toStdString());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    TPagePainter(painter, dotsPerInch, dotsPerInch).PlayPage(page, true);
    painter.end();
    return image;
}

QImage TPagePictures::ScreenPicture(const TDisplayList& page, double dotsPerInch, double screenDotsPerInch)
{
    dotsPerInch = TPageImageBound::DotsPerInch(page.PageWidth(), page.PageHeight(), dotsPerInch);
    if (dotsPerInch <= 0)
        return {};
    QImage image = Blank(page, dotsPerInch, QImage::Format_ARGB32_Premultiplied, screenDotsPerInch);
    if (image.isNull())
        return {};
    QPainter painter(&image);
    TPagePainter(painter, dotsPerInch, dotsPerInch).PlayPage(page, false);
    painter.end();
    return image;
}

void TPagePictures::Write(const TPageStream& pages, int from, int to, const QString& folder,
                          const std::function<QString(int)>& name, double dotsPerInch)
{
    if (!QDir().mkpath(folder))
        throw std::runtime_error(QStringLiteral("cannot create the folder %1").arg(folder).toStdString());
    for (int number = from; number <= to; ++number) {
        const QString path = QDir(folder).filePath(name(number));
        if (!FilePicture(pages.Page(number), dotsPerInch).save(path, "PNG"))
            throw std::runtime_error(QStringLiteral("cannot write %1").arg(path).toStdString());
    }
}

void TPagePictures::WriteAll(const TPageStream& pages, const QString& folder, const std::function<QString(int)>& name,
                             double dotsPerInch)
{
    Write(pages, 1, pages.PageCount(), folder, name, dotsPerInch);
}
