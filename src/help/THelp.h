// Context help for every window: F1 opens the help page of the window it is pressed in,
// Shift+F1 starts "What's This?" mode, and each dialog gets its controls' "What's This?" texts
// (TWhatsThisTexts) and the title-bar "?" button when it is first shown. Install() once at
// start; windows need nothing of their own, a "Help" button calls ShowPageOf(this).
#pragma once

#include <QString>

class QWidget;

class THelp {
public:
    static void Install();
    // Opens the help window on `page` ("index.html" when empty or unknown).
    static void ShowPage(const QString& page);
    // Opens the page of the window `widget` is in.
    static void ShowPageOf(const QWidget* widget);
    // The page of the window `widget` is in: its "helpPage" property, else by its class or title.
    static QString PageOf(const QWidget* widget);
    // Gives a window a page of its own, overriding the class table.
    static void SetPage(QWidget* window, const QString& page);
    // Puts the What's This texts of the window's class on its controls (done at first showing).
    static void ApplyWhatsThis(QWidget* window);
};
