// The "What's This?" texts of the dialogs' controls, written for someone who has not read the
// help. A control is named by its caption: a button's or check box's text, a group's title,
// or the text of the label beside an entry field (without "&").
#pragma once

#include <QString>
#include <QStringList>

class TWhatsThisTexts {
public:
    // The text for the control captioned `caption` in the window of class `windowClass`;
    // empty when there is none.
    static QString For(const QString& windowClass, const QString& caption);
    // Every window class that has texts, and the captions of one window's controls.
    static QStringList Windows();
    static QStringList Captions(const QString& windowClass);
};
