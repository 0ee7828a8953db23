// The main window's steps around the filter, tagging, browsing, searching and upkeep commands:
// what it suspends, detaches and restores around each dialog.
#include "TAddressMain.h"

#include "app/TConfigurationInfoForm.h"
#include "app/TRebuildSystemIndexesForm.h"
#include "data/TAddressTable.h"
#include "data/TTagger.h"
#include "prompts/TUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"

#include <QApplication>
#include <QPushButton>

void TAddressMain::ClearFilterClick()
{
    if (!Table)
        return;
    AddressFilter.ClearQueryVars();
    ApplyFilter();
    Table->Table().goTop();
    ShowRecord();
}

void TAddressMain::SaveFilterClick()
{
    if (!AddressFilter.IsSet())
        return;
    const QString path = TUserPrompts::Current().SaveFileName(QStringLiteral("Save Filter"),
                                                              TProgramFolder::Path() + QStringLiteral("*.FLT"),
                                                              QStringLiteral("Filter files (*.FLT *.flt)"));
    if (!path.isEmpty())
        AddressFilter.SaveFilterTo(path);
}

void TAddressMain::RestoreFilterClick()
{
    if (!Table)
        return;
    const QString path = TUserPrompts::Current().OpenFileName(QStringLiteral("Restore Filter"), TProgramFolder::Path(),
                                                              QStringLiteral("Filter Files (*.flt *.FLT)"));
    if (path.isEmpty())
        return;
    CachedCount.reset();
    if (AddressFilter.RestoreFilterFrom(path, *Table))
        Table->Table().goTop();
    ShowRecord();
}

void TAddressMain::ClearTagsClick()
{
    if (!Table)
        return;
    TIniFile settings(TProgramFolder::SettingsFile());
    TTagger::ClearTags(settings);
    ApplyFilter();
    if (!OnRecord())
        Table->Table().goTop();
    ShowRecord();
}

void TAddressMain::RebuildIndexesClick()
{
    if (!Table || Editing()) {
        TUserPrompts::Current().Information(QStringLiteral("You need to have a database file open first"));
        return;
    }
    const QString tag = OrderTag;
    Dialogs.RebuildIndexes(*Table, this);
    SetCurrentOrder(tag);
    ApplyFilter();
    Table->Table().goTop();
    ShowRecord();
}

void TAddressMain::RebuildSystemIndexesClick() { TRebuildSystemIndexesForm::Run(this); }
