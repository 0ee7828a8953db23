#include "app/AppTestSupport.h"
#include "dialer/TDialSettings.h"
#include "dialer/TModemManagerTelephony.h"
#include "dialer/TQVDialer.h"
#include "dialer/TfrmTAPICall.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"

#include <QCheckBox>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {
// A telephony service whose calls the test drives by hand.
class FakeCall final : public TTelephonyCall {
public:
    bool HangupAnswer = true;
    int Hangups = 0;
    bool Hangup() override
    {
        ++Hangups;
        return HangupAnswer;
    }
    void Report(TCallState state, TDisconnectReason reason = TDisconnectReason::drNormal, const QString& info = {})
    {
        emit StateChanged(state, reason, info);
    }
};

class FakeTelephony final : public TTelephonyService {
public:
    QString LineReason;
    bool RefuseCalls = false;
    QStringList Dialled;
    QList<FakeCall*>* Calls = nullptr;
    QString OpenLine() override { return LineReason; }
    TTelephonyCall* MakeCall(const QString& number) override
    {
        Dialled << number;
        if (RefuseCalls)
            return nullptr;
        auto* call = new FakeCall;
        if (Calls)
            Calls->append(call);
        return call;
    }
};

struct CallWindow {
    QList<FakeCall*> Calls;
    FakeTelephony* Service = nullptr;
    std::unique_ptr<TfrmTAPICall> Window;

    explicit CallWindow(const QString& number, QString lineReason = {}, bool refuse = false)
    {
        auto service = std::make_unique<FakeTelephony>();
        service->LineReason = lineReason;
        service->RefuseCalls = refuse;
        service->Calls = &Calls;
        Service = service.get();
        Window = std::make_unique<TfrmTAPICall>(number, std::move(service));
        Window->show(); // pressing "Call" on first showing
    }
};

void ClearSettings() { QFile::remove(TProgramFolder::SettingsFile()); }
} // namespace

TEST(TfrmTAPICall, ACallRunsThroughItsStates)
{
    CallWindow w("9,555-1234");
    ASSERT_EQ(w.Calls.size(), 1);
    EXPECT_EQ(w.Service->Dialled, QStringList{"9,555-1234"});
    EXPECT_FALSE(w.Window->CallButton->isEnabled());
    EXPECT_TRUE(w.Window->HangupButton->isEnabled());

    FakeCall* call = w.Calls[0];
    emit call->RequestReply(true);
    call->Report(TCallState::csDialing);
    call->Report(TCallState::csProceeding);
    call->Report(TCallState::csConnected, TDisconnectReason::drNormal, "Voice");
    call->Report(TCallState::csDisconnected, TDisconnectReason::drNormal);
    EXPECT_EQ(call->Hangups, 1); // a disconnect presses Hangup
    call->Report(TCallState::csIdle);
    SaveScreenshot(w.Window.get(), "call-window");
    EXPECT_EQ(w.Window->StatusLines(), QStringList({"TAPI started", "Dialing", "Proceeding...", "Connected: Voice",
                                                    "Disconnected: normal...", "Idle"}));
    EXPECT_TRUE(w.Window->CallButton->isEnabled());
    EXPECT_FALSE(w.Window->HangupButton->isEnabled());
}

TEST(TfrmTAPICall, BusyFailuresAndEmptyNumber)
{
    CallWindow busy("555");
    busy.Calls[0]->Report(TCallState::csDisconnected, TDisconnectReason::drBusy);
    busy.Calls[0]->HangupAnswer = false;
    busy.Window->HangupButtonClick();
    EXPECT_EQ(busy.Window->StatusLines(), QStringList({"Busy...", "* Unknown Error hanging up"}));

    CallWindow refused("555", {}, true);
    EXPECT_EQ(refused.Window->StatusLines(), QStringList({"* Unknown Error calling number", "* Is the line busy?"}));
    EXPECT_TRUE(refused.Window->CallButton->isEnabled());

    CallWindow noDevice("555", TTelephonyService::NoDevicesText());
    EXPECT_EQ(noDevice.Window->StatusLines(), QStringList{"Error!! - No telephony devices found"});
    EXPECT_TRUE(noDevice.Service->Dialled.isEmpty());
    EXPECT_FALSE(noDevice.Window->CallButton->isEnabled());

    CallWindow empty("");
    EXPECT_TRUE(empty.Service->Dialled.isEmpty());
    EXPECT_TRUE(empty.Window->StatusLines().isEmpty());
}

TEST(TfrmTAPICall, EachWindowHearsOnlyItsOwnCall)
{
    CallWindow first("111");
    CallWindow second("222");
    first.Calls[0]->Report(TCallState::csDialing);
    second.Calls[0]->Report(TCallState::csConnected);
    EXPECT_EQ(first.Window->StatusLines(), QStringList{"Dialing"});
    EXPECT_EQ(second.Window->StatusLines(), QStringList{"Connected: "});
}

TEST(TQVDialer, SettingsAreReadOnShowingAndWrittenOnDial)
{
    ClearSettings();
    {
        TIniFile ini(TProgramFolder::SettingsFile());
        TDialSettings s;
        s.Prefix = "9,";
        s.Init = "&F";
        s.Port = "COM3";
        s.Method = TDialMethod::dmPulse;
        s.Save(ini);
    }
    TQVDialer dialog("555-1234");
    QString modemPort, modemNumber, modemInit;
    TDialMethod modemMethod = TDialMethod::dmTone;
    dialog.DialThroughModem = [&](TDialer& d) {
        modemPort = d.ComPort;
        modemNumber = d.NumberToDial;
        modemInit = d.InitStr;
        modemMethod = d.Method;
    };
    QString telephonyNumber;
    dialog.DialThroughTelephony = [&](const QString& n) { telephonyNumber = n; };
    dialog.show();
    EXPECT_EQ(dialog.PrefixEdit->text(), "9,");
    EXPECT_EQ(dialog.PortCombo->currentText(), "COM 3");
    EXPECT_TRUE(dialog.PulseRadio->isChecked());
    EXPECT_TRUE(dialog.ModemGroup->isVisible());
    SaveScreenshot(&dialog, "dial-modem");
    dialog.UseTelephonyCheck->setChecked(true);
    EXPECT_FALSE(dialog.ModemGroup->isVisible());
    SaveScreenshot(&dialog, "dial-telephony");
    dialog.UseTelephonyCheck->setChecked(false);

    dialog.NumberEdit->setText(" 555 - 1234 ");
    dialog.DialButtonClick();
    EXPECT_EQ(modemNumber, "9, 555 - 1234 "); // exactly as typed
    EXPECT_EQ(modemPort, "COM3");
    EXPECT_EQ(modemInit, "&F");
    EXPECT_EQ(modemMethod, TDialMethod::dmPulse);
    EXPECT_TRUE(telephonyNumber.isEmpty());
    EXPECT_FALSE(dialog.HelpButton->isVisible());

    TQVDialer again("555");
    again.DialThroughTelephony = [&](const QString& n) { telephonyNumber = n; };
    again.show();
    again.PrefixEdit->setText("8");
    again.UseTelephonyCheck->setChecked(true);
    again.DialButtonClick();
    EXPECT_EQ(telephonyNumber, "8555");
    const TDialSettings written = TDialSettings::Load(TIniFile(TProgramFolder::SettingsFile()));
    EXPECT_EQ(written.Prefix, "8");
    EXPECT_TRUE(written.UseTelephony);
    EXPECT_EQ(written.Port, "COM3");
}

TEST(TQVDialer, RefusesModemCommandsAndHandsTelToTheDesktop)
{
    ClearSettings();
    TScriptedUserPrompts prompts;
    TQVDialer dialog("555;ATZ");
    bool dialled = false;
    dialog.DialThroughModem = [&](TDialer&) { dialled = true; };
    QList<QUrl> opened;
    dialog.OpenUrl = [&](const QUrl& url) {
        opened << url;
        return true;
    };
    dialog.show();
    dialog.DialButtonClick();
    dialog.DesktopButtonClick();
    EXPECT_FALSE(dialled);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(prompts.Texts(), QStringList({TDialer::RefusedText(), TDialer::RefusedText()}));
    EXPECT_TRUE(dialog.isVisible());

    dialog.NumberEdit->setText("+1 555-1234");
    dialog.DesktopButtonClick();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].scheme(), "tel");
    EXPECT_EQ(opened[0].path(), "+1 555-1234");
    EXPECT_FALSE(dialog.isVisible());
}

TEST(TModemManagerTelephony, WithoutTheServiceNoLineOpensAndNoCallIsMade)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered("org.freedesktop.ModemManager1").value())
        GTEST_SKIP() << "ModemManager runs on this machine";
    TModemManagerTelephony service;
    EXPECT_EQ(service.OpenLine(), TTelephonyService::NoDevicesText());
    EXPECT_EQ(service.MakeCall("555"), nullptr);
}
