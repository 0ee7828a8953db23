// The "Ok" / "Cancel" row every object dialog ends with. "Ok" runs `ok` when given (a dialog
// that checks its fields first), else accepts; "Cancel" rejects.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include <functional>

inline QDialogButtonBox* AddOkCancelButtons(QDialog* dialog, std::function<void()> ok = {})
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Ok"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    if (ok)
        QObject::connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, dialog, std::move(ok));
    else
        QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}
