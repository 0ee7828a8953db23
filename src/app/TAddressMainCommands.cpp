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
#include "import/TAsciiImportForm.h"
#include "import/TDbfImportForm.h"
#include "import/TReleaseImportForm.h"
#include "settings/TWindowPlacement.h"
#include "output/TPrinterCheck.h"
#include "prompts/TUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

void TAddressMain::ClearFilterClick()
{
    if (!Table)
        return;
    AddressFilter.ClearQueryVars();
    ApplyFilter();
    GuardedGoTop();
    ShowRecord();
}

void TAddressMain::SaveFilterClick()
{
    if (!AddressFilter.IsSet())
        return;
    // The dialog must not ask about an existing file: SaveFilterTo asks, after adding ".FLT".
    const QString path = TUserPrompts::Current().SaveFileNameUnconfirmed(QStringLiteral("Save Filter"),
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
        GuardedGoTop();
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
        GuardedGoTop();
    ShowRecord();
}

void TAddressMain::RebuildIndexesClick()
{
    if (!Table || Editing()) {
        TUserPrompts::Current().Information(QStringLiteral("You need to have a database file open first"));
        return;
    }
    const QString tag = OrderTag;
    // A rebuild that failed leaves the table as an open without its tags does: asked again,
    // and closed to the no-data panel unless the second try mends it.
    if (!Dialogs.RebuildIndexes(*Table, this) && !CheckValidIndex() && !AskAndRebuildIndex()) {
        DropTable();
        return;
    }
    RestoreAfterRebuild(tag);
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
    GuardedGoTop();
    ShowRecord();
}

void TAddressMain::TagAllClick()
{
    if (!Table || !AddressFilter.IsSet())
        return;
    {
        TBatchGuard batch(*this);
        TTaggingForm::Run(this, *Table); // asks "Tag all records matching filter?" itself
    }
    CachedCount.reset();
    GuardedGoTop();
    ShowRecord();
}

void TAddressMain::PrintEnvelopesClick()
{
    if (!Table || !OnRecord() || !TPrinterCheck::PrinterPresent())
        return;
    // The envelope window prints on a job of its own, so the program's printer stays as it was;
    // the derived name and address fields are on while it is open, and off again on every path.
    struct TEnvelopeGuard {
        TAddressMain& Window;
        explicit TEnvelopeGuard(TAddressMain& window) : Window(window)
        {
            Window.UpdatesSuspended = true;
            Window.SetExtraFields(true);
        }
        ~TEnvelopeGuard()
        {
            Window.SetExtraFields(false);
            Window.UpdatesSuspended = false;
        }
    } guard(*this);
    Dialogs.Envelopes(*Table, this);
    ShowMovedRecord(); // the window's record buttons move the current record
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
    // Leaves the table on the row chosen; a damaged index met while laying out the rows brings
    // the rebuild question.
    EngineGuarded([this] { TAddressBrowseForm::Execute(this, *Table, &AddressFilter); });
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
        EngineGuarded([&] { Table->Table().go(record); });
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
    {
        TBatchGuard batch(*this);
        TDeleteRecordsForm::Execute(this, *Table, AddressFilter);
    }
    SetCurrentOrder(tag);
    ApplyFilter();
    GuardedGoTop();
    ShowRecord();
}

void TAddressMain::ImportClick(TImportKind kind)
{
    if (!Table) {
        TUserPrompts::Current().Information(QStringLiteral("You need to have a database file open first"));
        return;
    }
    if (Editing())
        return;
    const QString tag = OrderTag;
    const QString database = DatabasePath;
    const QString workingFolder = QDir::currentPath();
    {
        TBatchGuard batch(*this);
        if (kind == TImportKind::ikRelease1 || kind == TImportKind::ikRelease2) {
            Table->Area().setCondition({}); // the import sees the whole table, filter or not
            TReleaseImportForm form(this, *Table, kind == TImportKind::ikRelease1 ? 1 : 2);
            form.adjustSize();
            TWindowPlacement::Centre(&form, this);
            form.exec();
        } else {
            // The import opens the table for exclusive use in its own dialog.
            Table->Close();
            Table.reset();
            if (kind == TImportKind::ikText)
                TAsciiImportForm::Execute(this, database);
            else
                TDbfImportForm::Execute(this, database);
            QDir::setCurrent(workingFolder);
            OpenQVWDBF(database);
        }
    }
    QDir::setCurrent(workingFolder);
    CachedCount.reset();
    if (Table) {
        SetCurrentOrder(tag);
        ApplyFilter();
        Table->Table().goTop();
    }
    ShowRecord();
    SetButtons();
}
