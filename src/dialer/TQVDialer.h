// The dial dialog "Dial Phone Number": the number (from the record, editable), a prefix, and
// either the telephony service or a modem with its initialization string, port and method.
// "Dial" writes the five "Dialing" settings and dials prefix + number exactly as typed; the
// desktop button hands a tel: address to the desktop's telephone application instead.
#pragma once

#include "dialer/TDialer.h"

#include <QDialog>
#include <QUrl>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TQVDialer : public QDialog {
    Q_OBJECT
public:
    explicit TQVDialer(const QString& number, QWidget* parent = nullptr);

    // Shows the dialog for `number` over `parent` (the main window's dial buttons).
    static void Execute(QWidget* parent, const QString& number);

    void DialButtonClick();
    void DesktopButtonClick();
    QString NumberDialled() const; // prefix + number, as typed

    // Replaceable so tests see what would happen instead of dialling.
    std::function<bool(const QUrl&)> OpenUrl;
    std::function<void(const QString& number)> DialThroughTelephony;
    std::function<void(TDialer&)> DialThroughModem;

    QLineEdit* NumberEdit = nullptr;
    QLineEdit* PrefixEdit = nullptr;
    QCheckBox* UseTelephonyCheck = nullptr;
    QGroupBox* ModemGroup = nullptr;
    QLineEdit* InitEdit = nullptr;
    QComboBox* PortCombo = nullptr;
    QRadioButton* ToneRadio = nullptr;
    QRadioButton* PulseRadio = nullptr;
    QPushButton* DialButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* DesktopButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ReadSettings();
    void WriteSettings();
    bool CheckNumber();
    bool SettingsRead = false;
};
