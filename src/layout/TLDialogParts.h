// What the object dialogs share: the "Ok" / "Cancel" row they end with, and the white framed
// box their samples and previews are drawn in.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPushButton>

#include <functional>

// "Ok" runs `ok` when given (a dialog that checks its fields first), else accepts; "Cancel"
// rejects.
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

// A sample or preview box: white, with a grey frame.
inline void PaintSampleBox(QPainter& painter, const QRect& box)
{
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
}
