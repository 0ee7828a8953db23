// The telephony path of the dialer, behind a small interface: a service that opens a line and
// makes calls, and a call that reports its progress. The program's service talks to ModemManager
// (TModemManagerTelephony); tests install a fake through Factory().
//
// Every call is its own object, so each call window hears only the call it made.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

enum class TCallState { csDialtone, csDialing, csProceeding, csBusy, csConnected, csDisconnected, csIdle };
enum class TDisconnectReason { drNormal, drBusy, drOther };

class TTelephonyCall : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Ends the call; false when the service refused. A call that has ended already is released.
    virtual bool Hangup() = 0;

signals:
    // The service's answer to starting the call.
    void RequestReply(bool succeeded);
    // `info` is the connected party's application name (connected) when known.
    void StateChanged(TCallState state, TDisconnectReason reason, const QString& info);
};

class TTelephonyService {
public:
    virtual ~TTelephonyService() = default;
    // Prepares a line for outgoing calls: empty when ready, else the reason it is not
    // ("No telephony devices found", "Unable to open line for outgoing calls").
    virtual QString OpenLine() = 0;
    // Starts a call; nullptr when the service refused it. The caller owns the call.
    virtual TTelephonyCall* MakeCall(const QString& number) = 0;

    static QString NoDevicesText() { return QStringLiteral("No telephony devices found"); }
    static QString NoLineText() { return QStringLiteral("Unable to open line for outgoing calls"); }

    // Makes the service the call windows use; tests replace it.
    static std::function<std::unique_ptr<TTelephonyService>()>& Factory();
};
