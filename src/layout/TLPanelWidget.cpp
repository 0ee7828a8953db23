#include "TLPanelWidget.h"

#include "TLBasePanel.h"
#include "TLayoutUnits.h"

#include "settings/TScreenMetrics.h"

#include <QPainter>

#include <cmath>

TLPanelWidget::TLPanelWidget(TLBasePanel& panel, QWidget* parent) : QWidget(parent), Model(panel)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

double TLPanelWidget::ViewScale() const
{
    return Model.Zoom() * TScreenMetrics::PixelsPerInch() / double(TLayoutUnits::PixelsPerInch());
}

void TLPanelWidget::SetZoom(double zoom)
{
    Model.SetZoom(zoom);
    resize(sizeHint());
    update();
}

QSize TLPanelWidget::sizeHint() const
{
    return QSize(std::max(1, int(std::lround(Model.Width * ViewScale()))), std::max(1, int(std::lround(Model.Height * ViewScale()))));
}

QImage TLPanelWidget::Compose() const
{
    QImage image(sizeHint(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Objects draw at the panel's zoom; the screen's own scale is applied around them.
    const double screen = ViewScale() / Model.Zoom();
    painter.scale(screen, screen);
    Model.PaintBackground(painter, Model.Zoom());
    for (const auto& object : Model.Objects()) {
        painter.save();
        const QRectF view = object->ViewRect();
        painter.translate(view.topLeft());
        object->Paint(painter);
        painter.restore();
    }
    return image;
}

void TLPanelWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QImage composed = Compose();
    // The widget paints opaquely: whatever the panel does not cover (a band shorter than its
    // place for a moment, a view larger than its panel) is cleared, never left as it was.
    if (composed.width() < width() || composed.height() < height())
        painter.fillRect(rect(), palette().color(QPalette::Dark));
    painter.drawImage(0, 0, composed);
}
