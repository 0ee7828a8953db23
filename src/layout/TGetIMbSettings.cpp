#include "TGetIMbSettings.h"

#include "TIMbEncoder.h"

#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TGetIMbSettings::TGetIMbSettings(const TIMbSettings& settings, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Intelligent Mail Barcode"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    BarcodeIdField = AddField(form, QStringLiteral("&Barcode ID:"), settings.BarcodeId, 2);
    ServiceTypeIdField = AddField(form, QStringLiteral("Service &Type ID:"), settings.ServiceTypeId, 3);
    MailerIdField = AddField(form, QStringLiteral("&Mailer ID:"), settings.MailerId, 9);
    SerialStartField = AddField(form, QStringLiteral("&Serial Start:"), QString::number(settings.SerialStart), 9);
    TrackingLabel = new QLabel(this);
    TrackingLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // What is wrong wraps under the code's place instead of widening the dialog as one types.
    TrackingLabel->setWordWrap(true);
    TrackingLabel->setMinimumHeight(2 * TrackingLabel->fontMetrics().lineSpacing());
    TrackingLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMinimumWidth(380);
    form->addRow(QStringLiteral("Tracking code:"), TrackingLabel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, &TGetIMbSettings::OkButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FieldChange();
}

std::optional<TIMbSettings> TGetIMbSettings::Edit(const TIMbSettings& settings, QWidget* parent)
{
    TGetIMbSettings dialog(settings, parent);
    dialog.adjustSize();
    TWindowPlacement::Centre(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Settings();
}

QLineEdit* TGetIMbSettings::AddField(QFormLayout* form, const QString& caption, const QString& text, int digits)
{
    auto* field = new QLineEdit(text, this);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,%1}").arg(digits)), field));
    field->setMaxLength(digits);
    connect(field, &QLineEdit::textChanged, this, &TGetIMbSettings::FieldChange);
    form->addRow(caption, field);
    return field;
}

TIMbSettings TGetIMbSettings::Settings() const
{
    return {BarcodeIdField->text(), ServiceTypeIdField->text(), MailerIdField->text(),
            SerialStartField->text().toInt()};
}

QString TGetIMbSettings::TrackingCode(QString* reason) const
{
    if (SerialStartField->text().isEmpty()) {
        if (reason)
            *reason = QStringLiteral("the serial number needs at least one digit");
        return {};
    }
    std::string why;
    const std::string tracking = TIMbEncoder::TrackingCode(
        BarcodeIdField->text().toStdString(), ServiceTypeIdField->text().toStdString(),
        MailerIdField->text().toStdString(), SerialStartField->text().toLongLong(), &why);
    if (reason)
        *reason = QString::fromStdString(why);
    return QString::fromStdString(tracking);
}

void TGetIMbSettings::FieldChange()
{
    QString reason;
    const QString tracking = TrackingCode(&reason);
    TrackingLabel->setText(tracking.isEmpty() ? QStringLiteral("(%1)").arg(reason) : tracking);
}

void TGetIMbSettings::OkButtonClick()
{
    QString reason;
    if (TrackingCode(&reason).isEmpty()) {
        QString message = reason;
        message[0] = message[0].toUpper();
        TUserPrompts::Current().Information(message + QLatin1Char('.'));
        return;
    }
    accept();
}
