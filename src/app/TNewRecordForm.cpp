#include "TNewRecordForm.h"

#include "settings/TWindowPlacement.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TNewRecordForm::TNewRecordForm(const TNewRecordOptions& options, QWidget* parent) : QDialog(parent), Options(options)
{
    setWindowTitle(QStringLiteral("New Record"));
    auto* form = new QFormLayout;
    auto field = [&](const char* caption, int width, bool shown) {
        auto* edit = new QLineEdit;
        edit->setMaxLength(width);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 14);
        if (shown)
            form->addRow(QLatin1String(caption), edit);
        else
            edit->hide();
        return edit;
    };
    // Hidden names leave the ZIP in their place: the form simply has no rows for them.
    LastNameEdit = field("Last Name", options.LastNameWidth, options.AskNames);
    FirstNameEdit = field("First Name", options.FirstNameWidth, options.AskNames);
    ZipEdit = field("Zip Code or Postal Code", options.ZipWidth, options.AskZip);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("Ok [PgDn]"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The caption keeps its text, so Alt+O is a shortcut of its own rather than an "&O".
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_O), this), &QShortcut::activated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    LastNameEdit->installEventFilter(this);
    FirstNameEdit->installEventFilter(this);
}

TNewRecordValues TNewRecordForm::Values() const
{
    return {LastNameEdit->text(), FirstNameEdit->text(), ZipEdit->text()};
}

bool TNewRecordForm::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched != LastNameEdit && watched != FirstNameEdit) || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == LastNameEdit && enter) {
        FirstNameEdit->setFocus();
        return true;
    }
    if (watched == FirstNameEdit && (enter || key == Qt::Key_Tab)) {
        // With the ZIP hidden, the first name is the last entry: leaving it finishes.
        if (Options.AskZip && enter)
            ZipEdit->setFocus();
        else if (!Options.AskZip)
            accept();
        else
            return QDialog::eventFilter(watched, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TNewRecordForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_PageDown) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event); // Enter presses the default button, "Ok [PgDn]"
}

std::optional<TNewRecordValues> TNewRecordForm::Ask(const TNewRecordOptions& options, QWidget* parent)
{
    TNewRecordForm form(options, parent);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.Values();
}
