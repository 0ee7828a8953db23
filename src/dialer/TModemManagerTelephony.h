// The telephony service on Linux: ModemManager on the system D-Bus. A line is a modem that
// offers the Voice interface; a call is created and started through it, and the call object's
// StateChanged signal reports the progress.
#pragma once

#include "dialer/TTelephonyService.h"

#include <QDBusConnection>

class TModemManagerTelephony final : public TTelephonyService {
public:
    // The system bus; tests pass a bus of their own with a fake ModemManager on it.
    explicit TModemManagerTelephony(QDBusConnection bus = QDBusConnection::systemBus()) : Bus(std::move(bus)) {}
    QString OpenLine() override;
    TTelephonyCall* MakeCall(const QString& number) override;

    // The voice-capable modem found by OpenLine (a D-Bus object path).
    const QString& ModemPath() const { return Modem; }

private:
    QDBusConnection Bus;
    QString Modem;
};
