#include "TDbfImportForm.h"

#include "TDbfImportSource.h"
#include "TDbfMatch.h"

#include "data/TAddressTable.h"
#include "prompts/TUserPrompts.h"

#include <QFileInfo>
#include <QPushButton>

TDbfImportForm::TDbfImportForm(QWidget* parent, TAddressTable& table)
    : TImportForm(parent, table, QStringLiteral("DBF File Import"), QStringLiteral("DBF File Name"),
                  QStringLiteral("Select DBF File"), true)
{
    connect(SelectButton, &QPushButton::clicked, this, &TDbfImportForm::SelectDbfFileClick);
    connect(MatchButton, &QPushButton::clicked, this, &TDbfImportForm::MatchFieldsClick);
    connect(ImportButton, &QPushButton::clicked, this, &TDbfImportForm::ImportClick);
}

void TDbfImportForm::Execute(QWidget* parent, const QString& databasePath)
{
    auto table = OpenFrameTable(databasePath);
    if (!table)
        return;
    {
        TDbfImportForm form(parent, *table);
        form.exec();
    }
    table->Close();
}

void TDbfImportForm::SelectDbfFileClick()
{
    const QString path = ChooseFile(QStringLiteral("Select DBF File"), QStringLiteral("DBF Files (*.DBF *.dbf)"));
    if (!path.isEmpty())
        LoadSource(path);
}

bool TDbfImportForm::LoadSource(const QString& path)
{
    Source.reset();
    Matched = false;
    QString message;
    Source = TDbfImportSource::OpenSourceTable(path, Table.Path(), message);
    ShowFileName(Source ? path : QString());
    MatchButton->setEnabled(Source != nullptr);
    ImportButton->setEnabled(false);
    if (!Source) {
        TUserPrompts::Current().Information(message);
        return false;
    }
    return true;
}

void TDbfImportForm::MatchFieldsClick()
{
    if (!Source)
        return;
    if (!Matched)
        Fields = TDbfImportSource::NewMatch(*Source);
    TDbfMatch window(this, *Source, Fields);
    if (ShowMatchWindow(window)) {
        Fields = window.Match();
        Matched = true;
    }
    ImportButton->setEnabled(Matched && Fields.AssignedCount() > 0);
}

void TDbfImportForm::ImportClick()
{
    if (!Source || !Matched || Fields.AssignedCount() == 0)
        return;
    TDbfImportSource source(std::move(Source), Fields);
    RunImport(source);
}
