// "Intelligent Mail Barcode": the four fields of an IMb object (Barcode ID, Service Type ID,
// Mailer ID, Serial Start) with the tracking code they make shown as the user types. "OK" keeps
// the dialog open and says what is wrong until the fields make a valid tracking code.
#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QFormLayout;
class QLabel;
class QLineEdit;

struct TIMbSettings {
    QString BarcodeId;
    QString ServiceTypeId;
    QString MailerId;
    int SerialStart = 0;
    bool operator==(const TIMbSettings&) const = default;
};

class TGetIMbSettings : public QDialog {
    Q_OBJECT
public:
    explicit TGetIMbSettings(const TIMbSettings& settings, QWidget* parent = nullptr);
    // Shows the dialog centred over `parent`; the new fields after "OK", nothing after "Cancel".
    static std::optional<TIMbSettings> Edit(const TIMbSettings& settings, QWidget* parent);

    TIMbSettings Settings() const;
    // The tracking code of the fields as they stand; empty with `reason` when they make none.
    QString TrackingCode(QString* reason = nullptr) const;

    QLineEdit* BarcodeIdEdit() const { return BarcodeIdField; }
    QLineEdit* ServiceTypeIdEdit() const { return ServiceTypeIdField; }
    QLineEdit* MailerIdEdit() const { return MailerIdField; }
    QLineEdit* SerialStartEdit() const { return SerialStartField; }
    QLabel* TrackingCodeLabel() const { return TrackingLabel; }

    void FieldChange();
    void OkButtonClick();

private:
    QLineEdit* AddField(QFormLayout* form, const QString& caption, const QString& text, int digits);

    QLineEdit* BarcodeIdField;
    QLineEdit* ServiceTypeIdField;
    QLineEdit* MailerIdField;
    QLineEdit* SerialStartField;
    QLabel* TrackingLabel;
};
