#include "TReportBandBars.h"

#include "TReportDesignLayout.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

TReportCaptionBar::TReportCaptionBar(const QString& caption, QWidget* parent) : QWidget(parent)
{
    setFixedHeight(TReportDesignLayout::CaptionHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    Check = new QCheckBox(caption, this);
    layout->addWidget(Check);
    layout->addStretch(1);
    if (caption == QLatin1String("Memo")) {
        PropertiesButton = new QToolButton(this);
        PropertiesButton->setText(QStringLiteral("Properties"));
        PropertiesButton->setPopupMode(QToolButton::InstantPopup);
        PropertiesButton->setFixedHeight(TReportDesignLayout::CaptionHeight - 2);
        layout->addWidget(PropertiesButton);
    }
}

void TReportCaptionBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(192, 192, 192));
}

TReportSizerBar::TReportSizerBar(QWidget* parent) : QWidget(parent)
{
    setFixedHeight(TReportDesignLayout::SizerHeight);
    setCursor(Qt::SizeVerCursor);
}

void TReportSizerBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    Dragging = true;
    PressY = int(event->globalPosition().y());
    if (OnPress)
        OnPress();
}

void TReportSizerBar::mouseMoveEvent(QMouseEvent* event)
{
    if (Dragging && OnDrag)
        OnDrag(int(event->globalPosition().y()) - PressY);
}

void TReportSizerBar::mouseReleaseEvent(QMouseEvent*)
{
    if (!Dragging)
        return;
    Dragging = false;
    if (OnRelease)
        OnRelease();
}

void TReportSizerBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), isEnabled() ? QColor(128, 128, 128) : QColor(224, 224, 224));
}

void TReportMemoStrip::SetText(const QString& text, Qt::Alignment alignment)
{
    Text = text;
    Alignment = alignment;
    update();
}

void TReportMemoStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(font());
    painter.drawText(rect().adjusted(2, 0, -2, 0), int(Alignment | Qt::AlignTop | Qt::TextWordWrap), Text);
}
