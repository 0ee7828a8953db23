// The main window's steps around the filter, tagging, browsing, searching and upkeep commands:
// what it suspends, detaches and restores around each dialog.
#include "TAddressMain.h"

#include "app/TAddressBrowseForm.h"
#include "app/TAddressFilterForm.h"
#include "app/TConfigurationInfoForm.h"
#include "app/TDeleteRecordsForm.h"
#include "app/TSearchForm.h"
#include "app/TTaggingForm.h"
#include "app/TRebuildSystemIndexesForm.h"
#include "data/TAddressTable.h"
#include "data/TTagger.h"
#include "output/TPrinterCheck.h"
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

void TAddressMain::SetFilterClick()
{
    if (!Table || Editing()) {
        QApplication::beep();
        return;
    }
    TAddressFilterForm::Execute(this, AddressFilter, *Table);
    ApplyFilter();
    Table->Table().goTop();
    ShowRecord();
}

void TAddressMain::TagAllClick()
{
    if (!Table || !AddressFilter.IsSet())
        return;
    UpdatesSuspended = true;
    BatchRunning = true;
    TTaggingForm::Run(this, *Table); // asks "Tag all records matching filter?" itself
    BatchRunning = false;
    UpdatesSuspended = false;
    CachedCount.reset();
    Table->Table().goTop();
    ShowRecord();
}

void TAddressMain::CountZipCodesClick()
{
    if (!Table || !OnRecord() || !TPrinterCheck::PrinterPresent())
        return;
    const QString tag = OrderTag;
    const uint32_t record = Table->Table().recordNumber();
    UpdatesSuspended = true; // the display stays as it is while the count reads the table
    Dialogs.CountZipCodes(*Table, this);
    UpdatesSuspended = false;
    SetCurrentOrder(tag);
    Table->Table().go(record);
    ShowMovedRecord();
}

void TAddressMain::BrowseClick()
{
    if (!Table || Editing()) {
        QApplication::beep();
        return;
    }
    TAddressBrowseForm::Execute(this, *Table); // leaves the table on the row chosen
    CachedCount.reset();
    ShowRecord();
}

void TAddressMain::SearchClick()
{
    if (!Table || Editing())
        return;
    QString caption = OrderCaption;
    TSearchForm::Execute(this, *Table, caption);
    if (caption != OrderCaption) {
        const uint32_t record = Table->Table().recordNumber();
        SetOrderTo(caption);
        Table->Table().go(record);
    }
    ShowMovedRecord();
}

void TAddressMain::SearchMemoClick()
{
    if (!Table || Editing())
        return;
    MemoSearch.SearchMemo(this, *Table);
    ShowMovedRecord();
}

void TAddressMain::FindNextClick()
{
    if (!Table || Editing())
        return;
    MemoSearch.FindNext(this, *Table);
    ShowMovedRecord();
}

void TAddressMain::DeleteRecordsClick()
{
    if (!Table || Editing())
        return;
    const QString tag = OrderTag;
    UpdatesSuspended = true;
    BatchRunning = true;
    TDeleteRecordsForm::Execute(this, *Table, AddressFilter);
    BatchRunning = false;
    UpdatesSuspended = false;
    SetCurrentOrder(tag);
    ApplyFilter();
    Table->Table().goTop();
    ShowRecord();
}
