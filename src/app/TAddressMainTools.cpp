// The main window's side of the list tools: what it sets up before each tool's window and puts
// back afterwards (record set, order, current record), with display updates suspended while
// the tool posts records.
#include "TAddressMain.h"
#include "app/TTaggingForm.h"
#include "data/TAddressTable.h"
#include "settings/TProgramFolder.h"
#include "tools/TConvertToUpper.h"
#include "tools/TCopyOut.h"
#include "tools/TDupCheck.h"
#include "tools/TDupFinder.h"
#include "tools/TSearchAndReplace.h"
#include "tools/TStandardizeAddresses.h"
#include "tools/TStateZipCheck.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

namespace {
// The shared "Tagging" window, without its own question (the tools ask theirs).
uint32_t TagInWindow(QWidget* parent, TAddressTable& table) { return TTaggingForm::TagInWindow(parent, table); }
} // namespace

void TAddressMain::ExportClick()
{
    if (!OnRecord() || Editing())
        return;
    const uint32_t record = Table->Table().recordNumber();
    const QString folder = QDir::currentPath();
    const QString tag = OrderTag;
    TCopyOut::Execute(this, *Table);
    QDir::setCurrent(folder);
    SetCurrentOrder(tag);
    Table->Table().go(record);
    ShowRecord();
}

void TAddressMain::StateZipCheckClick()
{
    if (!OnRecord() || Editing())
        return;
    if (!TStateZipCheck::StateTablePresent()) {
        TStateZipCheck::Execute(this, *Table); // says that CSZ.DBF is gone
        return;
    }
    const QString tag = OrderTag;
    {
        TBatchGuard batch(*this);
        Table->SetFilterText(QString()); // "!ISDEL"
        TStateZipCheck::Execute(this, *Table, TagInWindow);
    }
    ApplyFilter();
    SetCurrentOrder(tag);
    Table->Table().goTop();
    ShowRecord();
}

void TAddressMain::DupCheckClick()
{
    if (!OnRecord() || Editing())
        return;
    const QString tag = OrderTag;
    {
        TBatchGuard batch(*this);
        Table->SetFilterText(QString()); // "!ISDEL"
        TDupCheck::Execute(this, *Table, TagInWindow);
    }
    ApplyFilter();
    QFile::remove(TDupFinder::ResultPath());
    SetCurrentOrder(tag);
    Table->Table().goTop();
    ShowRecord();
}

void TAddressMain::ConvertCaseClick()
{
    if (!OnRecord() || Editing())
        return;
    const uint32_t record = Table->Table().recordNumber();
    {
        TBatchGuard batch(*this);
        TConvertToUpper::Execute(this, *Table, AddressFilter.IsSet());
    }
    CachedCount.reset();
    if (record > 0)
        Table->Table().go(record);
    ShowRecord();
}

// The undo commands and the standardization come back to the record that was current, as the
// case conversion does.
void TAddressMain::UndoConversionClick()
{
    if (!OnRecord() || Editing())
        return;
    const uint32_t record = Table->Table().recordNumber();
    {
        TBatchGuard batch(*this);
        TConvertToUpper::UndoLast(*Table);
    }
    CachedCount.reset();
    if (record > 0)
        Table->Table().go(record);
    ShowRecord();
}

void TAddressMain::StandardizeAddressesClick()
{
    if (!OnRecord() || Editing())
        return;
    const uint32_t record = Table->Table().recordNumber();
    {
        TBatchGuard batch(*this);
        TStandardizeAddresses::Execute(this, *Table, AddressFilter.IsSet());
    }
    CachedCount.reset();
    if (record > 0)
        Table->Table().go(record);
    ShowRecord();
}

void TAddressMain::UndoStandardizationClick()
{
    if (!OnRecord() || Editing())
        return;
    const uint32_t record = Table->Table().recordNumber();
    {
        TBatchGuard batch(*this);
        TStandardizeAddresses::UndoLast(*Table);
    }
    CachedCount.reset();
    if (record > 0)
        Table->Table().go(record);
    ShowRecord();
}

void TAddressMain::SearchReplaceClick()
{
    if (!OnRecord() || Editing())
        return;
    const QString tag = OrderTag;
    {
        TBatchGuard batch(*this);
        TSearchAndReplace::Execute(this, *Table, AddressFilter.FilterText());
    }
    ApplyFilter();
    SetCurrentOrder(tag);
    Table->Table().goTop();
    ShowRecord();
}
