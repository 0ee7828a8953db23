#include "TModemManagerTelephony.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusObjectPath>
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

QString Introspect(const QString& path)
{
    QDBusInterface object(service, path, QStringLiteral("org.freedesktop.DBus.Introspectable"), QDBusConnection::systemBus());
    const QDBusReply<QString> xml = object.call(QStringLiteral("Introspect"));
    return xml.isValid() ? xml.value() : QString();
}

class TModemManagerCall final : public TTelephonyCall {
    Q_OBJECT
public:
    TModemManagerCall(QString modem, QString call) : Modem(std::move(modem)), Call(std::move(call))
    {
        QDBusConnection::systemBus().connect(service, Call, callInterface, QStringLiteral("StateChanged"), this,
                                             SLOT(OnStateChanged(int, int, uint)));
    }
    ~TModemManagerCall() override { Release(); }

    void Start()
    {
        QDBusInterface call(service, Call, callInterface, QDBusConnection::systemBus());
        const bool ok = call.call(QStringLiteral("Start")).type() != QDBusMessage::ErrorMessage;
        // Queued, so the window that made the call has connected to it first.
        QTimer::singleShot(0, this, [this, ok] { emit RequestReply(ok); });
    }

    bool Hangup() override
    {
        if (Ended) {
            Release();
            QTimer::singleShot(0, this, [this] { emit StateChanged(TCallState::csIdle, TDisconnectReason::drNormal, QString()); });
            return true;
        }
        QDBusInterface call(service, Call, callInterface, QDBusConnection::systemBus());
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
        QDBusConnection::systemBus().disconnect(service, Call, callInterface, QStringLiteral("StateChanged"), this,
                                                SLOT(OnStateChanged(int, int, uint)));
        QDBusInterface voice(service, Modem, voiceInterface, QDBusConnection::systemBus());
        voice.call(QStringLiteral("DeleteCall"), QVariant::fromValue(QDBusObjectPath(Call)));
        Call.clear();
    }

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
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(service).value())
        return NoDevicesText();
    static const QRegularExpression child(QStringLiteral("<node name=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& match : child.globalMatch(Introspect(modemsPath))) {
        const QString path = modemsPath + QLatin1Char('/') + match.captured(1);
        if (Introspect(path).contains(QStringLiteral("\"") + voiceInterface + QStringLiteral("\""))) {
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
    QDBusInterface voice(service, Modem, voiceInterface, QDBusConnection::systemBus());
    const QDBusReply<QDBusObjectPath> created =
        voice.call(QStringLiteral("CreateCall"), QVariantMap{{QStringLiteral("number"), number}});
    if (!created.isValid())
        return nullptr;
    auto* call = new TModemManagerCall(Modem, created.value().path());
    call->Start();
    return call;
}

#include "TModemManagerTelephony.moc"
