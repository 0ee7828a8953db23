// The reading hooks of the two ZIP windows: the status line follows the reading, and the user
// interface gets to process its events (and so the window's "Cancel") every few milliseconds
// rather than after each of a million records, which would cost more than the reading itself.
#pragma once

#include "TZipTally.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>

#include <functional>
#include <memory>

class TZipReadingPace {
public:
    static constexpr int EventIntervalMs = 50;

    // `cancelRequested` is set by the window's Cancel; the reading stops after the current record.
    // `afterRecord` (tests) runs after each record, before the events.
    static TZipTally::THooks Hooks(QLabel* statusLabel, const bool& cancelRequested,
                                   std::function<void()> afterRecord = {})
    {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        TZipTally::THooks hooks;
        hooks.Status = [statusLabel](const QString& text) { statusLabel->setText(text); };
        hooks.AfterRecord = [clock, &cancelRequested, afterRecord] {
            if (afterRecord)
                afterRecord();
            if (clock->elapsed() >= EventIntervalMs) {
                QCoreApplication::processEvents();
                clock->restart();
            }
            return !cancelRequested;
        };
        return hooks;
    }
};
