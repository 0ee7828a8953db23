#include "TTaggingForm.h"

#include "data/TTagger.h"
#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"
#include "xbase/XbaseError.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TTaggingForm::TTaggingForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Tagging"));
    MessageLabel = new QLabel(QStringLiteral("Tagging Records"));
    MessageLabel->setAlignment(Qt::AlignCenter);
    QFont bold = MessageLabel->font();
    bold.setBold(true);
    MessageLabel->setFont(bold);
    CountLabel = new QLabel;
    CountLabel->setAlignment(Qt::AlignCenter);
    CountLabel->setMinimumWidth(CountLabel->fontMetrics().horizontalAdvance(QStringLiteral("Cancelled before completion")) + 40);

    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    OkButton = new QPushButton(QStringLiteral("Ok"));
    OkButton->hide();
    connect(CancelButton, &QPushButton::clicked, this, &TTaggingForm::CancelClick);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addWidget(OkButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MessageLabel);
    layout->addWidget(CountLabel);
    layout->addLayout(buttons);
    setMinimumWidth(300);
}

void TTaggingForm::CancelClick()
{
    if (IsRunning && TUserPrompts::Current().Question(QStringLiteral("CANCEL"), QStringLiteral("Cancel Tagging?")))
        CancelRequested = true;
}

void TTaggingForm::reject()
{
    if (IsRunning)
        CancelClick();
    else
        accept();
}

void TTaggingForm::ShowCount(uint32_t tagged) { CountLabel->setText(QString::number(tagged) + QStringLiteral(" tagged")); }

bool TTaggingForm::RecordDone(uint32_t tagged)
{
    if (AfterRecord)
        AfterRecord(tagged);
    if (SinceEvents.elapsed() >= EventIntervalMs) {
        ShowCount(tagged);
        QCoreApplication::processEvents();
        SinceEvents.restart();
    }
    return !CancelRequested;
}

uint32_t TTaggingForm::TagRecords(TAddressTable& table)
{
    IsRunning = true;
    CancelRequested = false;
    ShowCount(0);
    SinceEvents.start();
    uint32_t tagged = 0;
    bool failed = false;
    try {
        tagged = TTagger::TagAll(table, [this, &tagged](uint32_t count) {
            tagged = count;
            return RecordDone(count);
        });
    } catch (const xbase::XbaseError& error) {
        failed = true;
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
    IsRunning = false;
    Finish(!CancelRequested && !failed);
    return tagged;
}

void TTaggingForm::Finish(bool complete)
{
    MessageLabel->setText(complete ? QStringLiteral("Complete") : QStringLiteral("Cancelled before completion"));
    CountLabel->hide();
    CancelButton->hide();
    OkButton->show();
    OkButton->setDefault(true);
    OkButton->setFocus();
}

uint32_t TTaggingForm::Run(QWidget* parent, TAddressTable& table)
{
    if (!TUserPrompts::Current().Question(QStringLiteral("TAG ALL"), QStringLiteral("Tag all records matching filter?")))
        return 0;
    return TagInWindow(parent, table);
}

uint32_t TTaggingForm::TagInWindow(QWidget* parent, TAddressTable& table)
{
    TTaggingForm form(parent);
    form.setWindowModality(Qt::ApplicationModal); // the loop lets events through; the main window must wait
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.show();
    QCoreApplication::processEvents();
    const uint32_t tagged = form.TagRecords(table);
    form.exec();
    return tagged;
}
