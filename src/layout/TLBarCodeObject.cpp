#include "TLBarCodeObject.h"

#include <QPainter>

void TLBarCodeObject::Paint(QPainter& painter)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0, 0, Width() * Zoom() - 1, Height() * Zoom() - 1));
    painter.restore();
}
