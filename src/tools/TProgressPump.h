// Feeds a tool window's progress gauge and count text from a run and lets events through now
// and then (often enough for a prompt "Cancel", rarely enough not to slow the run), so that a
// confirmed cancel stops the run after the current record.
//
// Contract: the widgets outlive the pump; `Stop()` is what the window's Cancel sets.
#pragma once

#include "TToolProgress.h"

#include <QElapsedTimer>
#include <QString>

#include <functional>

class QLabel;
class QProgressBar;

class TProgressPump {
public:
    static constexpr int EventIntervalMs = 50;

    TProgressPump(QProgressBar* gauge, QLabel* text, std::function<QString(const TToolStep&)> format);

    // The callback to hand to a tool's run.
    TToolProgress Callback();
    void Stop() { Stopped = true; }
    bool StopRequested() const { return Stopped; }
    void Reset();
    // Called after each record; tests use it to press Cancel mid-way.
    std::function<void(const TToolStep&)> AfterRecord;

private:
    bool Step(const TToolStep& step);

    QProgressBar* Gauge;
    QLabel* Text;
    std::function<QString(const TToolStep&)> Format;
    QElapsedTimer SinceEvents;
    bool Stopped = false;
};
