#include "TCopyRecordForm.h"

#include "settings/TWindowPlacement.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

TCopyRecordForm::TCopyRecordForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Copy Record To Clipboard"));
    auto* layout = new QVBoxLayout(this);
    auto box = [&](const char* caption) {
        auto* check = new QCheckBox(QLatin1String(caption));
        check->setChecked(true);
        layout->addWidget(check);
        return check;
    };
    NameCheck = box("Name, Organization, Title");
    AddressCheck = box("Address");
    PhonesCheck = box("Phone Numbers");
    CodesCheck = box("Codes");
    CommentsCheck = box("Comments 1 && 2");
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

TRecordTextParts TCopyRecordForm::Parts() const
{
    TRecordTextParts parts;
    parts.Name = NameCheck->isChecked();
    parts.Address = AddressCheck->isChecked();
    parts.Phones = PhonesCheck->isChecked();
    parts.Codes = CodesCheck->isChecked();
    parts.Comments = CommentsCheck->isChecked();
    return parts;
}

std::optional<TRecordTextParts> TCopyRecordForm::Ask(QWidget* parent)
{
    TCopyRecordForm form(parent);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.Parts();
}
