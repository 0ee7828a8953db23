#include "TSplashWindow.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

TSplashWindow::TSplashWindow() : QSplashScreen(Picture())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // closing it is never the end of the program
    qApp->installEventFilter(this);
}

TSplashWindow::~TSplashWindow() { qApp->removeEventFilter(this); }

TSplashWindow* TSplashWindow::ShowIfWanted(bool wanted)
{
    if (!wanted)
        return nullptr;
    auto* splash = new TSplashWindow;
    splash->show();
    QApplication::processEvents();
    return splash;
}

bool TSplashWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->isWindow())
        close(); // another window is up: the splash must not cover it
    return false;
}

QPixmap TSplashWindow::Picture()
{
    QPixmap pixmap(540, 260);
    pixmap.fill(QColor(0x1f, 0x3b, 0x5c));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // A small stack of envelopes, the top one with an address and a barcode.
    for (int i = 2; i >= 0; --i) {
        const QRectF envelope(40 + i * 12, 70 - i * 12, 170, 105);
        p.setPen(QPen(QColor(0x9a, 0xa8, 0xb8), 1.5));
        p.setBrush(i == 0 ? QColor(0xfb, 0xf7, 0xee) : QColor(0xe2, 0xdc, 0xcf));
        p.drawRoundedRect(envelope, 4, 4);
    }
    const QRectF front(40, 70, 170, 105);
    QPainterPath flap;
    flap.moveTo(front.topLeft());
    flap.lineTo(front.center().x(), front.top() + 48);
    flap.lineTo(front.topRight());
    p.setPen(QPen(QColor(0xb8, 0xaf, 0x9c), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
    for (int line = 0; line < 3; ++line)
        p.drawLine(QPointF(95, 128 + line * 10), QPointF(line == 2 ? 160 : 185, 128 + line * 10));
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.5));
    for (int bar = 0; bar < 22; ++bar) {
        const double x = 95 + bar * 4;
        p.drawLine(QPointF(x, 166), QPointF(x, bar % 3 == 0 ? 158 : 162));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0x5d, 0x39));
    p.drawRect(QRectF(180, 78, 20, 24)); // the stamp

    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPointSize(26);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(240, 80, 290, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quorvane"));
    QFont small = p.font();
    small.setPointSize(11);
    small.setBold(false);
    p.setFont(small);
    p.drawText(QRectF(242, 130, 290, 22), Qt::AlignLeft, QStringLiteral("Mailing lists, labels and letters"));
    p.drawText(QRectF(242, 152, 290, 22), Qt::AlignLeft, QStringLiteral("Version " QUORVANE_VERSION));
    p.setPen(QColor(0xa8, 0xb8, 0xcc));
    p.drawText(QRectF(20, 225, 500, 22), Qt::AlignLeft, QStringLiteral("Starting..."));
    return pixmap;
}
