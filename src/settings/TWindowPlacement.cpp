#include "TWindowPlacement.h"
#include "TIniFile.h"
#include "TProgramFolder.h"
#include "TScreenMetrics.h"
#include "TSettingsSave.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
QSize ScreenSize(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}
} // namespace

QString TWindowPlacement::SectionName(const QString& className)
{
    const int pixelsPerInch = TScreenMetrics::PixelsPerInch();
    QString section = className + QStringLiteral("_Placement");
    if (pixelsPerInch > 96)
        section += QString::number(pixelsPerInch);
    return section;
}

QRect TWindowPlacement::KeptOnScreen(QRect rect, const QSize& screen)
{
    // Windows' rectangles run to Right/Bottom exclusive; QRect's right() is inclusive, hence +1.
    if (rect.x() + rect.width() > screen.width())
        rect.moveLeft(screen.width() - rect.width());
    if (rect.x() < 0)
        rect.moveLeft(1);
    if (rect.y() + rect.height() > screen.height())
        rect.moveTop(screen.height() - rect.height());
    if (rect.y() < 0)
        rect.moveTop(1);
    return rect;
}

void TWindowPlacement::Centre(QWidget* window, const QWidget* over)
{
    QRect area = over && !over->isMaximized() ? over->frameGeometry() : QRect(QPoint(0, 0), ScreenSize(window));
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
    QRect rect;
    if (bottom == 0) {
        Centre(window, nullptr);
        rect = window->geometry();
    } else {
        rect = QRect(QPoint(left, top), QSize(right - left, bottom - top));
    }
    window->setGeometry(KeptOnScreen(rect, ScreenSize(window)));
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
