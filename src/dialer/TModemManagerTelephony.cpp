#include "TModemManagerTelephony.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QRegularExpression>
#include <QTimer>
#include <QVariantMap>

namespace {
const QString service = QStringLiteral("org.freedesktop.ModemManager1");
const QString modemsPath = QStringLiteral("/org/freedesktop/ModemManager1/Modem");
const QString voiceInterface = QStringLiteral("org.freedesktop.ModemManager1.Modem.Voice");
const QString callInterface = QStringLiteral("org.freedesktop.ModemManager1.Call");

// ModemManager's call states and the reasons it gives for a change.
enum { mmCallDialing = 1, mmCallRingingOut = 2, mmCallActive = 4, mmCallTerminated = 7 };
enum { mmReasonTerminated = 4, mmReasonRefusedOrBusy = 5 };

QString Introspect(const QDBusConnection& bus, const QString& path)
{
    QDBusInterface object(service, path, QStringLiteral("org.freedesktop.DBus.Introspectable"), bus);
    const QDBusReply<QString> xml = object.call(QStringLiteral("Introspect"));
    return xml.isValid() ? xml.value() : QString();
}

class TModemManagerCall final : public TTelephonyCall {
    Q_OBJECT
public:
    TModemManagerCall(QDBusConnection bus, QString modem, QString call)
        : Bus(std::move(bus)), Modem(std::move(modem)), Call(std::move(call))
    {
        Bus.connect(service, Call, callInterface, QStringLiteral("StateChanged"), this,
                                             SLOT(OnStateChanged(int, int, uint)));
    }
    ~TModemManagerCall() override { Release(); }

    // Starts the call without blocking the window; the answer arrives as RequestReply, in
    // whatever order the service sends it among the state changes.
    void Start()
    {
        QDBusInterface call(service, Call, callInterface, Bus);
        auto* watcher = new QDBusPendingCallWatcher(call.asyncCall(QStringLiteral("Start")), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
            emit RequestReply(!done->isError());
            done->deleteLater();
        });
    }

    bool Hangup() override
    {
        if (Ended) {
            Release();
            QTimer::singleShot(0, this, [this] { emit StateChanged(TCallState::csIdle, TDisconnectReason::drNormal, QString()); });
            return true;
        }
        QDBusInterface call(service, Call, callInterface, Bus);
        return call.call(QStringLiteral("Hangup")).type() != QDBusMessage::ErrorMessage;
    }

public slots:
    void OnStateChanged(int, int state, uint reason)
    {
        switch (state) {
        case mmCallDialing: emit StateChanged(TCallState::csDialing, TDisconnectReason::drNormal, QString()); break;
        case mmCallRingingOut: emit StateChanged(TCallState::csProceeding, TDisconnectReason::drNormal, QString()); break;
        case mmCallActive: emit StateChanged(TCallState::csConnected, TDisconnectReason::drNormal, QString()); break;
        case mmCallTerminated:
            Ended = true;
            emit StateChanged(TCallState::csDisconnected,
                              reason == mmReasonRefusedOrBusy ? TDisconnectReason::drBusy
                              : reason == mmReasonTerminated  ? TDisconnectReason::drNormal
                                                              : TDisconnectReason::drOther,
                              QString());
            break;
        default: break;
        }
    }

private:
    void Release()
    {
        if (Call.isEmpty())
            return;
        Bus.disconnect(service, Call, callInterface, QStringLiteral("StateChanged"), this,
                                                SLOT(OnStateChanged(int, int, uint)));
        QDBusInterface voice(service, Modem, voiceInterface, Bus);
        voice.call(QStringLiteral("DeleteCall"), QVariant::fromValue(QDBusObjectPath(Call)));
        Call.clear();
    }

    QDBusConnection Bus;
    QString Modem;
    QString Call;
    bool Ended = false;
};
} // namespace

std::function<std::unique_ptr<TTelephonyService>()>& TTelephonyService::Factory()
{
    static std::function<std::unique_ptr<TTelephonyService>()> factory = [] {
        return std::unique_ptr<TTelephonyService>(new TModemManagerTelephony);
    };
    return factory;
}

QString TModemManagerTelephony::OpenLine()
{
    if (!Bus.isConnected() || !Bus.interface() || !Bus.interface()->isServiceRegistered(service).value())
        return NoDevicesText();
    static const QRegularExpression child(QStringLiteral("<node name=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& match : child.globalMatch(Introspect(Bus, modemsPath))) {
        const QString path = modemsPath + QLatin1Char('/') + match.captured(1);
        if (Introspect(Bus, path).contains(QStringLiteral("\"") + voiceInterface + QStringLiteral("\""))) {
            Modem = path;
            return QString();
        }
    }
    return NoDevicesText();
}

TTelephonyCall* TModemManagerTelephony::MakeCall(const QString& number)
{
    if (Modem.isEmpty())
        return nullptr;
    QDBusInterface voice(service, Modem, voiceInterface, Bus);
    const QDBusReply<QDBusObjectPath> created =
        voice.call(QStringLiteral("CreateCall"), QVariantMap{{QStringLiteral("number"), number}});
    if (!created.isValid())
        return nullptr;
    auto* call = new TModemManagerCall(Bus, Modem, created.value().path());
    call->Start();
    return call;
}

#include "TModemManagerTelephony.moc"
