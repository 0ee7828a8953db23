#include "TScreenFit.h"

#include "TWindowPlacement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

void TScreenFit::Install()
{
    static TScreenFit* filter = nullptr;
    if (filter || !QCoreApplication::instance())
        return;
    filter = new TScreenFit(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

bool TScreenFit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog))
            TWindowPlacement::FitOnScreen(widget);
    }
    return false;
}
