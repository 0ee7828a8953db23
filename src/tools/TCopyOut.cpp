#include "TCopyOut.h"

#include "data/TAddressTable.h"
#include "prompts/TUserPrompts.h"
#include "settings/TProgramFolder.h"
#include "settings/TWindowPlacement.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QString NoName = QStringLiteral("(none)");
}

TCopyOut::TCopyOut(TAddressTable& table, QWidget* parent) : QDialog(parent), Pump(nullptr, nullptr, {}), Table(table)
{
    setWindowTitle(QStringLiteral("Copy Records Out"));
    auto* note = new QLabel(QStringLiteral(
        "Note: this is NOT a backup. The program does its best to verify that data is accurately and reliably copied, but it "
        "is up to you to verify it by opening and viewing the exported file. We do not recommend copying directly to a floppy disk."));
    note->setWordWrap(true);
    DbfRadio = new QRadioButton(QStringLiteral("Copy to a &DBF file"));
    TextRadio = new QRadioButton(QStringLiteral("Copy to an &ASCII file (comma delimited)"));
    Utf8Check = new QCheckBox(QStringLiteral("UTF-8 with a header line (for spreadsheets)"));
    DbfRadio->setChecked(true);
    Utf8Check->setEnabled(false);
    FileNameLabel = new QLabel(NoName);
    auto* kind = new QGroupBox;
    auto* kindLayout = new QVBoxLayout(kind);
    kindLayout->addWidget(DbfRadio);
    kindLayout->addWidget(TextRadio);
    auto* utf8Row = new QHBoxLayout;
    utf8Row->addSpacing(20);
    utf8Row->addWidget(Utf8Check);
    kindLayout->addLayout(utf8Row);
    connect(TextRadio, &QRadioButton::toggled, this, [this](bool text) {
        Utf8Check->setEnabled(text);
        FileNameLabel->setText(NoName); // a new kind needs a new name
    });

    Options = new QWidget;
    auto* optionsLayout = new QVBoxLayout(Options);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    optionsLayout->addWidget(note);
    optionsLayout->addWidget(kind);
    optionsLayout->addWidget(FileNameLabel);

    StatusLabel = new QLabel;
    Gauge = new QProgressBar;
    Gauge->setRange(0, 100);
    Gauge->hide();
    SaveAsButton = new QPushButton(QStringLiteral("Save As"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveAsButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Options);
    layout->addWidget(StatusLabel);
    layout->addWidget(Gauge);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    Pump = TProgressPump(Gauge, nullptr, {});
    connect(SaveAsButton, &QPushButton::clicked, this, &TCopyOut::SaveAsClick);
    connect(CancelButton, &QPushButton::clicked, this, &TCopyOut::CancelClick);
}

TCopyKind TCopyOut::Kind() const { return TextRadio->isChecked() ? TCopyKind::ckText : TCopyKind::ckDbf; }

void TCopyOut::SaveAsClick()
{
    if (IsRunning)
        return;
    const bool dbf = Kind() == TCopyKind::ckDbf;
    const QString folder = LastFolder.isEmpty() ? TProgramFolder::Path() : LastFolder;
    QString name = TUserPrompts::Current().SaveFileName(QStringLiteral("Save As"), folder,
                                                        dbf ? QStringLiteral("DBF files (*.DBF)") : QStringLiteral("Text files (*.TXT)"));
    FileNameLabel->setText(NoName);
    if (name.isEmpty())
        return;
    LastFolder = QFileInfo(name).absolutePath();
    if (QFileInfo(name).suffix().isEmpty())
        name += dbf ? QStringLiteral(".DBF") : QStringLiteral(".TXT"); // the dialog's default extension
    if (!TCopyOutWriter::AcceptTarget(Kind(), name, Table.Path()))
        return;
    FileNameLabel->setText(name);
    Copy(name);
    accept();
}

void TCopyOut::Copy(const QString& target)
{
    IsRunning = true;
    Options->hide();
    SaveAsButton->hide();
    StatusLabel->setText(QStringLiteral("Copying to ") + target);
    Gauge->show();
    try {
        Count = Kind() == TCopyKind::ckDbf ? TCopyOutWriter::CopyToDbf(Table, target, Pump.Callback())
                                           : TCopyOutWriter::CopyToText(Table, target, Utf8Check->isChecked(), Pump.Callback());
    } catch (const EErrorCopying& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
    Gauge->hide();
    IsRunning = false;
}

void TCopyOut::CancelClick()
{
    if (!IsRunning)
        QDialog::reject();
    else if (TUserPrompts::Current().Question(QStringLiteral("Cancel"), QStringLiteral("Cancel copy?"), TQuestionDefault::qdNo))
        Pump.Stop();
}

void TCopyOut::reject() { CancelClick(); }

void TCopyOut::Execute(QWidget* parent, TAddressTable& table)
{
    if (table.Count() == 0) {
        TUserPrompts::Current().Information(QStringLiteral("No active records for current filter. Nothing to copy"));
        return;
    }
    TCopyOut form(table, parent);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.exec();
}
