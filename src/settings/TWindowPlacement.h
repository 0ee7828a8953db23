// Remembered window placement: each main work window keeps its rectangle and maximized state
// in the settings section "<class name>_Placement", with the pixels per inch appended above 96
// (TAddressMain_Placement120), so every screen resolution keeps its own placement.
#pragma once

#include <QMargins>
#include <QRect>
#include <QString>

class QWidget;

class TWindowPlacement {
public:
    // Reads the section and applies it; call on the window's first activation.
    static void Load(QWidget* window, const QString& className);
    // Writes the window's normal rectangle and whether it is maximized; call when it closes.
    // A settings file that cannot be written is told once per run (TSettingsSave).
    static void Save(QWidget* window, const QString& className);

    static QString SectionName(const QString& className);
    // `rect` made to fit `area` (the screen's available part): no larger than it, and moved
    // inside it. A placement remembered on a larger screen comes back whole on a smaller one.
    static QRect KeptOnScreen(QRect rect, const QRect& area);
    static QRect KeptOnScreen(const QRect& rect, const QSize& screen) { return KeptOnScreen(rect, QRect(QPoint(0, 0), screen)); }
    // Shrinks and moves a window so that its frame lies within the available area of its
    // screen (before the first showing the frame is estimated). A window whose minimum size is
    // larger keeps that size, moved to the area's top-left corner.
    static void FitOnScreen(QWidget* window);
    // The frame margins a window will get, estimated while it has none yet.
    static QMargins FrameMargins(const QWidget* window);
    static QRect AvailableArea(const QWidget* window);
    // Centres `window` over `over` (nullptr or maximized: the screen).
    static void Centre(QWidget* window, const QWidget* over);
};
