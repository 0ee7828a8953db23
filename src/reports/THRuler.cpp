#include "THRuler.h"

#include "layout/TLayoutUnits.h"

#include <QPainter>

#include <cmath>

THRuler::THRuler(QWidget* parent) : QWidget(parent), Ppi(TLayoutUnits::PixelsPerInch())
{
    resize(768, 33);
    setFixedHeight(33);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::yellow);
    setPalette(colours);
}

void THRuler::SetStartInch(double inches)
{
    Start = inches;
    update();
}

void THRuler::SetAlignHRuler(int align)
{
    if (align < 0 || align > 2)
        return;
    Align = align;
}

void THRuler::SetPixelsPerInch(double pixelsPerInch)
{
    Ppi = pixelsPerInch;
    update();
}

std::vector<THRuler::TTick> THRuler::Ticks() const
{
    std::vector<TTick> ticks;
    const int step = std::max(1, int(Ppi) / 16);
    const int first = int(std::lround(Start * 16));
    const int h = height();
    for (int i = 0, x = 0; x < width(); ++i, x += step) {
        const int index = first + i;
        const int length = index % 16 == 0 ? h : index % 8 == 0 ? h / 2 : h / 4;
        ticks.push_back({x, index, length});
    }
    return ticks;
}

void THRuler::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::yellow);
    painter.setPen(Qt::gray);
    QFont small(QStringLiteral("SmallFonts"));
    small.setStyleHint(QFont::SansSerif);
    small.setPointSize(7);
    painter.setFont(small);
    const int h = height();
    for (const TTick& tick : Ticks()) {
        painter.drawLine(tick.X, h - tick.Length, tick.X, h);
        if (tick.Index % 16 == 0)
            painter.drawText(tick.X + 3, h / 4 + painter.fontMetrics().ascent(), QString::number(tick.Index / 16));
    }
}
