#include "TEnvelopeFeedPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int EnvelopeLength = 72;
constexpr int EnvelopeWidth = 32;

// The envelope lying as it is read, long side across: its front with stamp, return address and
// address lines, or its back with the flap.
void DrawEnvelope(QPainter& painter, bool front)
{
    const QRect body(0, 0, EnvelopeLength, EnvelopeWidth);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(250, 246, 226));
    painter.drawRect(body.adjusted(0, 0, -1, -1));
    if (front) {
        painter.fillRect(QRect(EnvelopeLength - 11, 3, 8, 9), QColor(200, 40, 40));
        painter.setPen(QPen(QColor(60, 60, 60), 1));
        for (int line = 0; line < 2; ++line)
            painter.drawLine(4, 5 + line * 3, 20, 5 + line * 3);
        for (int line = 0; line < 3; ++line)
            painter.drawLine(28, 16 + line * 4, 54, 16 + line * 4);
    } else {
        QPainterPath flap;
        flap.moveTo(0, 0);
        flap.lineTo(EnvelopeLength / 2.0, EnvelopeWidth * 0.6);
        flap.lineTo(EnvelopeLength - 1, 0);
        painter.setBrush(QColor(236, 230, 200));
        painter.drawPath(flap);
        painter.drawLine(0, EnvelopeWidth - 1, EnvelopeLength / 2, EnvelopeWidth / 2);
        painter.drawLine(EnvelopeLength - 1, EnvelopeWidth - 1, EnvelopeLength / 2, EnvelopeWidth / 2);
    }
}

void DrawPage(QPainter& painter)
{
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, TEnvelopeFeedPicture::PageWidth - 1, TEnvelopeFeedPicture::PageHeight - 1);
    // The feed direction: an arrow into the printer at the top.
    painter.setPen(QPen(QColor(160, 160, 160), 1));
    const int middle = TEnvelopeFeedPicture::PageWidth / 2;
    painter.drawLine(middle, TEnvelopeFeedPicture::PageHeight - 8, middle, TEnvelopeFeedPicture::PageHeight - 24);
    painter.drawLine(middle, TEnvelopeFeedPicture::PageHeight - 24, middle - 4, TEnvelopeFeedPicture::PageHeight - 20);
    painter.drawLine(middle, TEnvelopeFeedPicture::PageHeight - 24, middle + 4, TEnvelopeFeedPicture::PageHeight - 20);
}

} // namespace

TEnvelopeFeedPicture::TEnvelopeFeedPicture(QWidget* parent) : QWidget(parent)
{
    setFixedSize(PageWidth, PageHeight);
}

void TEnvelopeFeedPicture::SetFeed(const TEnvelopeFeedSettings& feed)
{
    Settings = feed;
    update();
}

QRect TEnvelopeFeedPicture::EnvelopeRect(const TEnvelopeFeedSettings& feed)
{
    const bool turned = feed.Orientation == TFeedOrientation::foLandscape;
    const int width = turned ? EnvelopeWidth : EnvelopeLength;
    const int height = turned ? EnvelopeLength : EnvelopeWidth;
    int left = 2;
    if (feed.Position == TFeedPosition::fpRight)
        left = PageWidth - width - 2;
    else if (feed.Position == TFeedPosition::fpCenter)
        left = PageWidth / 2 - width / 2;
    return {left, 2, width, height};
}

QImage TEnvelopeFeedPicture::Render(const TEnvelopeFeedSettings& feed)
{
    QImage image(PageWidth, PageHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawPage(painter);
    const QRect place = EnvelopeRect(feed);
    painter.translate(place.topLeft());
    if (feed.Orientation == TFeedOrientation::foLandscape) {
        if (feed.ClockWiseRotation) { // turned left
            painter.translate(0, place.height());
            painter.rotate(-90);
        } else { // turned right
            painter.translate(place.width(), 0);
            painter.rotate(90);
        }
    }
    DrawEnvelope(painter, feed.Facing == TFeedFacing::ffUp);
    return image;
}

void TEnvelopeFeedPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Render(Settings));
}
