// The tips of the "Quick Tips" window, by topic: one topic for each window that offers tips
// (the main window, the label, envelope, report and letter designers, filters, printing).
// Pages run through the tips of every topic in order; a window opens on its own topic.
#pragma once

#include <QString>
#include <QStringList>

struct TQuickTip {
    QString Topic;
    QString Text; // HTML
};

class TQuickTips {
public:
    static QStringList Topics();
    static const QList<TQuickTip>& All();
    // The first page of `topic`; 0 for an unknown topic.
    static int FirstPageOf(const QString& topic);
};
