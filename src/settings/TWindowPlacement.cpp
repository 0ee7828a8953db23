#include "TWindowPlacement.h"
#include "TIniFile.h"
#include "TProgramFolder.h"
#include "TScreenMetrics.h"
#include "TSettingsSave.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
// A title bar and thin borders, as most window managers draw them; used until the window has
// been on the screen and Qt knows its real frame.
const QMargins EstimatedFrame(4, 28, 4, 4);
} // namespace

QRect TWindowPlacement::AvailableArea(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins TWindowPlacement::FrameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins known(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                         frame.bottom() - inner.bottom());
    const bool decorated = !window->windowFlags().testFlag(Qt::FramelessWindowHint);
    return known.isNull() && decorated ? EstimatedFrame : known;
}

void TWindowPlacement::FitOnScreen(QWidget* window)
{
    if (!window || window->isMaximized() || window->isFullScreen())
        return;
    const QMargins frame = FrameMargins(window);
    const QRect wanted = window->geometry().marginsAdded(frame);
    const QRect area = AvailableArea(window);
    QRect fitted = KeptOnScreen(wanted, area);
    const QSize client = fitted.marginsRemoved(frame).size().expandedTo(window->minimumSize());
    if (client != window->size())
        window->resize(client);
    fitted.setSize(client.grownBy(frame));
    fitted = KeptOnScreen(fitted, area);
    if (fitted.topLeft() != wanted.topLeft())
        window->move(fitted.topLeft()); // move() places the frame's corner
}

QString TWindowPlacement::SectionName(const QString& className)
{
    const int pixelsPerInch = TScreenMetrics::PixelsPerInch();
    QString section = className + QStringLiteral("_Placement");
    if (pixelsPerInch > 96)
        section += QString::number(pixelsPerInch);
    return section;
}

QRect TWindowPlacement::KeptOnScreen(QRect rect, const QRect& area)
{
    rect.setSize(rect.size().boundedTo(area.size()));
    // Windows' rectangles run to Right/Bottom exclusive; QRect's right() is inclusive, hence +1.
    if (rect.x() + rect.width() > area.x() + area.width())
        rect.moveLeft(area.x() + area.width() - rect.width());
    if (rect.x() < area.x())
        rect.moveLeft(area.x());
    if (rect.y() + rect.height() > area.y() + area.height())
        rect.moveTop(area.y() + area.height() - rect.height());
    if (rect.y() < area.y())
        rect.moveTop(area.y());
    return rect;
}

void TWindowPlacement::Centre(QWidget* window, const QWidget* over)
{
    QRect area = over && !over->isMaximized() ? over->frameGeometry() : AvailableArea(window);
    const QSize size = window->frameGeometry().size();
    window->move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

void TWindowPlacement::Load(QWidget* window, const QString& className)
{
    const TIniFile settings(TProgramFolder::SettingsFile());
    const QString section = SectionName(className);
    if (settings.ReadBool(section, QStringLiteral("Maximized"), window->isMaximized())) {
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
        return;
    }
    const int left = settings.ReadInteger(section, QStringLiteral("Left"), 0);
    const int top = settings.ReadInteger(section, QStringLiteral("Top"), 0);
    const int right = settings.ReadInteger(section, QStringLiteral("Right"), 0);
    const int bottom = settings.ReadInteger(section, QStringLiteral("Bottom"), 0);
    if (bottom == 0) {
        Centre(window, nullptr);
    } else {
        window->setGeometry(QRect(QPoint(left, top), QSize(right - left, bottom - top)));
    }
    FitOnScreen(window);
}

void TWindowPlacement::Save(QWidget* window, const QString& className)
{
    TIniFile settings(TProgramFolder::SettingsFile());
    const QString section = SectionName(className);
    const QRect normal = window->isMaximized() || window->isMinimized() ? window->normalGeometry() : window->geometry();
    TSettingsSave::Guarded(settings, [&] {
        settings.WriteInteger(section, QStringLiteral("Left"), normal.left());
        settings.WriteInteger(section, QStringLiteral("Top"), normal.top());
        settings.WriteInteger(section, QStringLiteral("Right"), normal.left() + normal.width());
        settings.WriteInteger(section, QStringLiteral("Bottom"), normal.top() + normal.height());
        settings.WriteBool(section, QStringLiteral("Maximized"), window->isMaximized());
    });
}
