#include "TProgressPump.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

TProgressPump::TProgressPump(QProgressBar* gauge, QLabel* text, std::function<QString(const TToolStep&)> format)
    : Gauge(gauge), Text(text), Format(std::move(format))
{
}

void TProgressPump::Reset()
{
    Stopped = false;
    SinceEvents.start();
    if (Gauge)
        Gauge->setValue(0);
}

TToolProgress TProgressPump::Callback()
{
    Reset();
    return [this](const TToolStep& step) { return Step(step); };
}

bool TProgressPump::Step(const TToolStep& step)
{
    if (AfterRecord)
        AfterRecord(step);
    if (SinceEvents.elapsed() >= EventIntervalMs) {
        // The gauge shows a value only strictly between 0 and 100.
        const int percent = step.Percent();
        if (Gauge && percent > 0 && percent < 100)
            Gauge->setValue(percent);
        if (Text && Format)
            Text->setText(Format(step));
        QCoreApplication::processEvents();
        SinceEvents.restart();
    }
    return !Stopped;
}
