// Remembered window placement: each main work window keeps its rectangle and maximized state
// in the settings section "<class name>_Placement", with the pixels per inch appended above 96
// (TAddressMain_Placement120), so every screen resolution keeps its own placement.
#pragma once

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
    // Moves `rect` inside a screen of the given size, never leaving Left or Top below 1.
    static QRect KeptOnScreen(QRect rect, const QSize& screen);
    // Centres `window` over `over` (nullptr or maximized: the screen).
    static void Centre(QWidget* window, const QWidget* over);
};
