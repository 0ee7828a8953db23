// The ModemManager path against a fake ModemManager on a private D-Bus daemon: the fake lives
// in a thread of its own with its own connection, as the real service lives in its own process.
#include "dialer/TModemManagerTelephony.h"
#include "dialer/TfrmTAPICall.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QVariantMap>
#include <gtest/gtest.h>

#include <mutex>

namespace {
const char* const mmService = "org.freedesktop.ModemManager1";

class FakeMMCall : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ModemManager1.Call")
public slots:
    void Start()
    {
        emit StateChanged(0, 1, 1); // dialing
        emit StateChanged(1, 2, 1); // ringing at the other end
        emit StateChanged(2, 4, 3); // active
    }
    void Hangup() { emit StateChanged(4, 7, 4); } // terminated, normally
signals:
    void StateChanged(int oldState, int newState, uint reason);
};

class FakeMMVoice : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ModemManager1.Modem.Voice")
public:
    explicit FakeMMVoice(QDBusConnection bus) : Bus(std::move(bus)) {}
    std::mutex Guard;
    QStringList Numbers;
    QStringList Deleted;
public slots:
    QDBusObjectPath CreateCall(const QVariantMap& properties)
    {
        {
            std::lock_guard lock(Guard);
            Numbers << properties.value("number").toString();
        }
        const QString path = QStringLiteral("/org/freedesktop/ModemManager1/Call/%1").arg(++Made);
        auto* call = new FakeMMCall;
        call->setParent(this);
        Bus.registerObject(path, call, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals);
        return QDBusObjectPath(path);
    }
    void DeleteCall(const QDBusObjectPath& path)
    {
        std::lock_guard lock(Guard);
        Deleted << path.path();
        Bus.unregisterObject(path.path());
    }

private:
    QDBusConnection Bus;
    int Made = 0;
};

// A private bus daemon with the fake service on it.
class FakeModemManager {
public:
    FakeModemManager()
    {
        Daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!Daemon.waitForStarted() || !Daemon.waitForReadyRead(5000))
            return;
        Address = QString::fromLatin1(Daemon.readLine()).trimmed();
        Helper.moveToThread(&Thread);
        Thread.start();
        QMetaObject::invokeMethod(
            &Helper,
            [this] {
                QDBusConnection bus = QDBusConnection::connectToBus(Address, "fake-mm");
                Voice = new FakeMMVoice(bus);
                bus.registerObject("/org/freedesktop/ModemManager1/Modem/0", Voice,
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals);
                bus.registerService(mmService);
            },
            Qt::BlockingQueuedConnection);
    }
    ~FakeModemManager()
    {
        if (Voice)
            QMetaObject::invokeMethod(
                &Helper,
                [this] {
                    delete Voice;
                    QDBusConnection::disconnectFromBus("fake-mm");
                },
                Qt::BlockingQueuedConnection);
        Thread.quit();
        Thread.wait();
        QDBusConnection::disconnectFromBus("client");
        Daemon.kill();
        Daemon.waitForFinished();
    }
    bool Ready() const { return Voice != nullptr; }
    QDBusConnection Client() { return QDBusConnection::connectToBus(Address, "client"); }

    FakeMMVoice* Voice = nullptr;

private:
    QProcess Daemon;
    QString Address;
    QThread Thread;
    QObject Helper; // runs the fake's set-up and tear-down in its thread
};
} // namespace

TEST(TModemManagerTelephony, ACallThroughTheVoiceInterface)
{
    FakeModemManager mm;
    if (!mm.Ready())
        GTEST_SKIP() << "no dbus-daemon";
    auto service = std::make_unique<TModemManagerTelephony>(mm.Client());
    TModemManagerTelephony* telephony = service.get();
    TfrmTAPICall window("9,555-1234", std::move(service));
    ASSERT_TRUE(window.LineOpen()) << window.StatusLines().join('|').toStdString();
    EXPECT_EQ(telephony->ModemPath(), "/org/freedesktop/ModemManager1/Modem/0");

    window.show(); // presses Call
    // The service's answer to Start comes in its own time among the state changes.
    auto states = [&] {
        QStringList lines = window.StatusLines();
        lines.removeAll("TAPI started");
        return lines;
    };
    const QStringList connected = {"Dialing", "Proceeding...", "Connected: "};
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.StatusLines().size() >= 4; }, 5000));
    EXPECT_EQ(states(), connected);
    EXPECT_TRUE(window.StatusLines().contains("TAPI started"));
    {
        std::lock_guard lock(mm.Voice->Guard);
        EXPECT_EQ(mm.Voice->Numbers, QStringList{"9,555-1234"});
    }

    window.HangupButton->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.StatusLines().contains("Idle"); }, 5000));
    EXPECT_EQ(states(), (connected + QStringList{"Disconnected: normal...", "Idle"}));
    EXPECT_TRUE(window.CallButton->isEnabled());
    std::lock_guard lock(mm.Voice->Guard);
    EXPECT_EQ(mm.Voice->Deleted, QStringList{"/org/freedesktop/ModemManager1/Call/1"});
}

#include "TModemManagerTelephonyTest.moc"
