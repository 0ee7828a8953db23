#include "TfrmTAPICall.h"

#include "settings/TWindowPlacement.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfrmTAPICall::TfrmTAPICall(const QString& number, std::unique_ptr<TTelephonyService> service, QWidget* parent)
    : QDialog(parent), Service(service ? std::move(service) : TTelephonyService::Factory()()), InitialNumber(number)
{
    setWindowTitle(QStringLiteral("TAPI Call - PICK UP THE PHONE"));
    NumberEdit = new QLineEdit;
    NumberEdit->setMaxLength(30);
    CallButton = new QPushButton(QStringLiteral("Call"));
    HangupButton = new QPushButton(QStringLiteral("Hangup"));
    CloseButton = new QPushButton(QStringLiteral("Close"));
    HangupButton->setEnabled(false);
    StatusList = new QListWidget;

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Number to call"), NumberEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CallButton);
    buttons->addWidget(HangupButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Status")));
    layout->addWidget(StatusList, 1);
    layout->addLayout(buttons);
    resize(380, 300);

    connect(CallButton, &QPushButton::clicked, this, &TfrmTAPICall::CallButtonClick);
    connect(HangupButton, &QPushButton::clicked, this, &TfrmTAPICall::HangupButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);

    const QString reason = Service->OpenLine();
    LineReady = reason.isEmpty();
    if (!LineReady)
        AddStatus(QStringLiteral("Error!! - ") + reason);
    CallButton->setEnabled(LineReady);
    TWindowPlacement::Centre(this, parent);
}

TfrmTAPICall::~TfrmTAPICall()
{
    if (Call)
        Call->Hangup(); // a window closed mid-call does not leave the line busy
    ReleaseCall();
}

void TfrmTAPICall::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (Shown)
        return;
    Shown = true;
    NumberEdit->setText(InitialNumber);
    CallButtonClick();
}

void TfrmTAPICall::CallButtonClick()
{
    if (NumberEdit->text().isEmpty() || !LineReady || Call)
        return;
    StatusList->clear();
    Call = Service->MakeCall(NumberEdit->text());
    if (!Call) {
        AddStatus(QStringLiteral("* Unknown Error calling number"));
        AddStatus(QStringLiteral("* Is the line busy?"));
        return;
    }
    Call->setParent(this);
    connect(Call, &TTelephonyCall::RequestReply, this, &TfrmTAPICall::OnRequestReply);
    connect(Call, &TTelephonyCall::StateChanged, this, &TfrmTAPICall::OnStateChanged);
    CallButton->setEnabled(false);
    HangupButton->setEnabled(true);
}

void TfrmTAPICall::HangupButtonClick()
{
    if (Call && !Call->Hangup())
        AddStatus(QStringLiteral("* Unknown Error hanging up"));
}

void TfrmTAPICall::OnRequestReply(bool succeeded)
{
    AddStatus(succeeded ? QStringLiteral("TAPI started") : QStringLiteral("TAPI Error"));
}

void TfrmTAPICall::OnStateChanged(TCallState state, TDisconnectReason reason, const QString& info)
{
    switch (state) {
    case TCallState::csIdle:
        ReleaseCall();
        AddStatus(QStringLiteral("Idle"));
        CallButton->setEnabled(LineReady);
        HangupButton->setEnabled(false);
        break;
    case TCallState::csDialtone: AddStatus(QStringLiteral("Dialtone Detected...")); break;
    case TCallState::csDialing: AddStatus(QStringLiteral("Dialing")); break;
    case TCallState::csBusy: AddStatus(QStringLiteral("Busy...")); break;
    case TCallState::csProceeding: AddStatus(QStringLiteral("Proceeding...")); break;
    case TCallState::csConnected: AddStatus(QStringLiteral("Connected: ") + info); break;
    case TCallState::csDisconnected:
        if (reason == TDisconnectReason::drNormal)
            AddStatus(QStringLiteral("Disconnected: normal..."));
        else if (reason == TDisconnectReason::drBusy)
            AddStatus(QStringLiteral("Busy..."));
        HangupButtonClick();
        break;
    }
}

void TfrmTAPICall::ReleaseCall()
{
    if (!Call)
        return;
    Call->disconnect(this);
    Call->deleteLater();
    Call = nullptr;
}

void TfrmTAPICall::AddStatus(const QString& line) { StatusList->addItem(line); }

QStringList TfrmTAPICall::StatusLines() const
{
    QStringList lines;
    for (int i = 0; i < StatusList->count(); ++i)
        lines << StatusList->item(i)->text();
    return lines;
}
