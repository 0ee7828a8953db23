#include "TQVDialer.h"

#include "dialer/TDialSettings.h"
#include "dialer/TfrmTAPICall.h"
#include "help/THelp.h"
#include "prompts/TUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "settings/TWindowPlacement.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TQVDialer::TQVDialer(const QString& number, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Dial Phone Number"));
    NumberEdit = new QLineEdit(number);
    PrefixEdit = new QLineEdit;
    UseTelephonyCheck = new QCheckBox(QStringLiteral("Use TAPI to dial"));
    InitEdit = new QLineEdit;
    PortCombo = new QComboBox;
    for (const QString& port : TDialer::AvailablePorts()) {
        const int com = TDialer::ComNumber(port);
        PortCombo->addItem(com > 0 ? QStringLiteral("COM %1").arg(com) : port, port);
    }
    ToneRadio = new QRadioButton(QStringLiteral("Tone"));
    PulseRadio = new QRadioButton(QStringLiteral("Pulse"));
    ToneRadio->setChecked(true);

    ModemGroup = new QGroupBox;
    auto* modem = new QFormLayout(ModemGroup);
    modem->addRow(QStringLiteral("Modem Initialization String"), InitEdit);
    modem->addRow(QStringLiteral("Port"), PortCombo);
    auto* method = new QHBoxLayout;
    method->addWidget(ToneRadio);
    method->addWidget(PulseRadio);
    method->addStretch();
    modem->addRow(QStringLiteral("Method"), method);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Number to Dial"), NumberEdit);
    form->addRow(QStringLiteral("Prefix"), PrefixEdit);

    DialButton = new QPushButton(QStringLiteral("Dial"));
    DialButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    HelpButton = new QPushButton(QStringLiteral("Help"));
    DesktopButton = new QPushButton(QStringLiteral("Dial with the desktop's telephone application"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DialButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    buttons->addWidget(HelpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(UseTelephonyCheck);
    layout->addWidget(ModemGroup);
    layout->addWidget(DesktopButton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // shrinks when the modem fields hide

    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    DialThroughTelephony = [this](const QString& dialled) {
        auto* call = new TfrmTAPICall(dialled, nullptr, parentWidget());
        call->setAttribute(Qt::WA_DeleteOnClose);
        call->show();
    };
    DialThroughModem = [](TDialer& dialer) {
        dialer.OnProcessEvents = [] { QApplication::processEvents(); };
        dialer.Execute();
    };

    connect(UseTelephonyCheck, &QCheckBox::toggled, this, [this](bool on) { ModemGroup->setVisible(!on); });
    connect(DialButton, &QPushButton::clicked, this, &TQVDialer::DialButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(DesktopButton, &QPushButton::clicked, this, &TQVDialer::DesktopButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, [this] { THelp::ShowPageOf(this); });
    TWindowPlacement::Centre(this, parent);
}

void TQVDialer::Execute(QWidget* parent, const QString& number)
{
    TQVDialer dialog(number, parent);
    dialog.exec();
}

void TQVDialer::showEvent(QShowEvent* event)
{
    if (!SettingsRead) {
        SettingsRead = true;
        ReadSettings();
    }
    QDialog::showEvent(event);
}

void TQVDialer::ReadSettings()
{
    const TDialSettings s = TDialSettings::Load(TIniFile(TProgramFolder::SettingsFile()));
    PrefixEdit->setText(s.Prefix);
    InitEdit->setText(s.Init);
    int port = PortCombo->findData(s.Port);
    if (port < 0) { // a USB modem not plugged in now: keep it offered
        PortCombo->addItem(s.Port, s.Port);
        port = PortCombo->count() - 1;
    }
    PortCombo->setCurrentIndex(port);
    (s.Method == TDialMethod::dmPulse ? PulseRadio : ToneRadio)->setChecked(true);
    UseTelephonyCheck->setChecked(s.UseTelephony);
    ModemGroup->setVisible(!s.UseTelephony);
}

void TQVDialer::WriteSettings()
{
    TDialSettings s;
    s.Prefix = PrefixEdit->text();
    s.Init = InitEdit->text();
    s.Port = PortCombo->currentData().toString();
    s.Method = PulseRadio->isChecked() ? TDialMethod::dmPulse : TDialMethod::dmTone;
    s.UseTelephony = UseTelephonyCheck->isChecked();
    TIniFile settings(TProgramFolder::SettingsFile());
    s.Save(settings);
}

QString TQVDialer::NumberDialled() const { return PrefixEdit->text() + NumberEdit->text(); }

bool TQVDialer::CheckNumber()
{
    if (!TDialer::HoldsModemCommands(NumberDialled()))
        return true;
    TUserPrompts::Current().Information(TDialer::RefusedText());
    return false;
}

void TQVDialer::DialButtonClick()
{
    if (!CheckNumber())
        return;
    HelpButton->hide();
    WriteSettings();
    if (UseTelephonyCheck->isChecked()) {
        DialThroughTelephony(NumberDialled());
    } else {
        TDialer dialer;
        dialer.ComPort = PortCombo->currentData().toString();
        dialer.Method = PulseRadio->isChecked() ? TDialMethod::dmPulse : TDialMethod::dmTone;
        dialer.NumberToDial = NumberDialled();
        dialer.InitStr = InitEdit->text();
        DialThroughModem(dialer);
    }
    accept();
}

void TQVDialer::DesktopButtonClick()
{
    if (!CheckNumber())
        return;
    if (!OpenUrl(QUrl(QStringLiteral("tel:") + NumberDialled())))
        TUserPrompts::Current().Information(QStringLiteral("No telephone application is registered with the desktop."));
    else
        accept();
}
