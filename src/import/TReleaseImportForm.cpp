#include "TReleaseImportForm.h"

#include "TDbfImportSource.h"
#include "TReleaseImportSource.h"

#include "data/TAddressTable.h"
#include "prompts/TUserPrompts.h"

#include <QFileInfo>
#include <QPushButton>

QString TReleaseImportForm::Caption(int release) { return QStringLiteral("Import Quorvane %1.x DBF").arg(release); }

TReleaseImportForm::TReleaseImportForm(QWidget* parent, TAddressTable& table, int release)
    : TImportForm(parent, table, Caption(release), QStringLiteral("DBF File Name"), QStringLiteral("Select DBF File"), false),
      Release(release)
{
    connect(SelectButton, &QPushButton::clicked, this, &TReleaseImportForm::SelectDbfFileClick);
    connect(ImportButton, &QPushButton::clicked, this, &TReleaseImportForm::ImportClick);
}

void TReleaseImportForm::SelectDbfFileClick()
{
    const QString path = ChooseFile(QStringLiteral("Select DBF File"), QStringLiteral("DBF Files (*.DBF *.dbf)"));
    if (!path.isEmpty())
        LoadSource(path);
}

bool TReleaseImportForm::LoadSource(const QString& path)
{
    Source.reset();
    QString message;
    Source = TDbfImportSource::OpenSourceTable(path, Table.Path(), message);
    if (Source && !TReleaseImportSource::MissingFields(*Source, Release).isEmpty()) {
        Source.reset();
        message = TReleaseImportSource::NotReleaseMessage(path, Release);
    }
    ShowFileName(Source ? path : QString());
    ImportButton->setEnabled(Source != nullptr);
    if (!Source) {
        TUserPrompts::Current().Information(message);
        return false;
    }
    return true;
}

void TReleaseImportForm::ImportClick()
{
    if (!Source)
        return;
    TReleaseImportSource source(std::move(Source), Release);
    RunImport(source);
}
