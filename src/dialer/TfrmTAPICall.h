// The call window "TAPI Call - PICK UP THE PHONE": dials through the telephony service and
// lists the call's progress. It opens a line when created (or shows why it cannot), presses
// "Call" when first shown, and lets the user hang up and call again. Each window listens only
// to the calls it made itself.
#pragma once

#include "dialer/TTelephonyService.h"

#include <QDialog>

#include <memory>

class QLineEdit;
class QListWidget;
class QPushButton;

class TfrmTAPICall : public QDialog {
    Q_OBJECT
public:
    // `service` null: the one TTelephonyService::Factory() makes.
    TfrmTAPICall(const QString& number, std::unique_ptr<TTelephonyService> service = nullptr, QWidget* parent = nullptr);
    ~TfrmTAPICall() override;

    void CallButtonClick();
    void HangupButtonClick();
    QStringList StatusLines() const;
    bool LineOpen() const { return LineReady; }

    QLineEdit* NumberEdit = nullptr;
    QPushButton* CallButton = nullptr;
    QPushButton* HangupButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QListWidget* StatusList = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddStatus(const QString& line);
    void OnRequestReply(bool succeeded);
    void OnStateChanged(TCallState state, TDisconnectReason reason, const QString& info);
    void ReleaseCall();

    std::unique_ptr<TTelephonyService> Service;
    TTelephonyCall* Call = nullptr;
    bool LineReady = false;
    bool Shown = false;
    QString InitialNumber;
};
