#include "TImportForm.h"

#include "data/TAddressTable.h"
#include "prompts/TUserPrompts.h"
#include "help/THelp.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TImportForm::TKeepWorkingFolder::TKeepWorkingFolder() : Folder(QDir::currentPath()) {}
TImportForm::TKeepWorkingFolder::~TKeepWorkingFolder() { QDir::setCurrent(Folder); }

TImportForm::TImportForm(QWidget* parent, TAddressTable& table, const QString& title, const QString& fileCaption,
                         const QString& selectCaption, bool matchButton)
    : QDialog(parent), Table(table)
{
    setWindowTitle(title);
    FileNameLabel = new QLabel;
    FileNameLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FileNameLabel->setMinimumWidth(420);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(fileCaption));
    fileRow->addWidget(FileNameLabel, 1);

    SelectButton = new QPushButton(selectCaption);
    if (matchButton) {
        MatchButton = new QPushButton(QStringLiteral("Match Fields"));
        MatchButton->setEnabled(false);
    }
    ImportButton = new QPushButton(QStringLiteral("Import"));
    ImportButton->setEnabled(false);
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    HelpButton = new QPushButton(QStringLiteral("Help"));
    connect(HelpButton, &QPushButton::clicked, this, [this] { THelp::ShowPageOf(this); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {SelectButton, MatchButton, ImportButton, CancelButton, HelpButton})
        if (button)
            buttons->addWidget(button);
    buttons->addStretch();

    StatusLabel = new QLabel;
    ProgressBar = new QProgressBar;
    ProgressBar->setRange(0, 100);
    QSizePolicy policy = ProgressBar->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    ProgressBar->setSizePolicy(policy);
    ProgressBar->hide();

    BodyLayout = new QVBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(BodyLayout, 1);
    layout->addLayout(buttons);
    layout->addWidget(StatusLabel);
    layout->addWidget(ProgressBar);
    ShowFileName(QString());
}

void TImportForm::ShowFileName(const QString& path)
{
    FileNameLabel->setText(path.isEmpty() ? QStringLiteral("(none)") : QDir::toNativeSeparators(path));
}

QString TImportForm::ChooseFile(const QString& caption, const QString& filter)
{
    TKeepWorkingFolder keep;
    return TUserPrompts::Current().OpenFileName(caption, QFileInfo(Table.Path()).absolutePath(), filter);
}

void TImportForm::reject()
{
    if (State == TRunState::rsImporting)
        StopAsked = true;
    else if (State == TRunState::rsIdle)
        QDialog::reject();
}

void TImportForm::ShowRunning(bool running)
{
    for (QPushButton* button : {SelectButton, MatchButton, ImportButton, HelpButton})
        if (button)
            button->setVisible(!running);
    ProgressBar->setVisible(running);
}

void TImportForm::RunImport(TImportSource& source)
{
    State = TRunState::rsImporting;
    StopAsked = false;
    ShowRunning(true);
    // The screen is brought up to date every few milliseconds, not after every record: a
    // million records would otherwise spend more time drawing than importing.
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    TImportHooks hooks;
    hooks.Status = [this](const QString& status) {
        StatusLabel->setText(status);
        QApplication::processEvents();
    };
    hooks.Bar = [this](int percent) {
        if (percent == ProgressBar->value())
            return;
        ProgressBar->setValue(percent);
        QApplication::processEvents();
    };
    hooks.StopRequested = [this, &sinceEvents] {
        if (sinceEvents.elapsed() >= 40) {
            QApplication::processEvents();
            sinceEvents.restart();
        }
        return StopAsked;
    };
    hooks.Message = [](const QString& message) { TUserPrompts::Current().Information(message); };
    hooks.RebuildStarting = [this] {
        State = TRunState::rsRebuilding;
        CancelButton->hide();
        QApplication::processEvents();
    };
    LastResult = TAddressImporter::Run(Table, source, hooks);
    State = TRunState::rsIdle;
    accept();
}

std::unique_ptr<TAddressTable> TImportForm::OpenFrameTable(const QString& databasePath)
{
    QString error;
    auto table = TAddressTable::Open(databasePath, &error);
    if (!table) // the DBF import has always shown the same text
        TUserPrompts::Current().Information(QStringLiteral("Unknown error. Unable to do ASCII import at this time") +
                                            (error.isEmpty() ? QString() : u'\n' + error));
    return table;
}
