// Says so when typing cannot fit: a one-line field that holds at most N characters (its
// maxLength) stops taking keys, and a longer paste is cut, with a beep and a tooltip naming
// the limit instead of silently. Watches every QLineEdit of the program; Install() once after
// the QApplication exists.
#pragma once

#include <QObject>
#include <QString>

class QKeyEvent;
class QLineEdit;

class TTypingLimitNotice final : public QObject {
public:
    static void Install();
    // The tooltip shown at the limit.
    static QString Text(int limit);
    // True when `key` (typed text or Paste of `clipboard`) would not fit into `edit` whole.
    static bool WouldOverflow(const QLineEdit& edit, const QKeyEvent& key, const QString& clipboard);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
