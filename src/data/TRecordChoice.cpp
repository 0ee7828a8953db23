#include "TRecordChoice.h"

#include "TAddressTable.h"
#include "prompts/TUserPrompts.h"
#include "xbase/DbfFormat.h"

namespace {
bool ForEnvelopesOrLetters(TRecordChoice::TPrintout printout)
{
    return printout == TRecordChoice::TPrintout::Envelopes || printout == TRecordChoice::TPrintout::Letters;
}
} // namespace

TRecordChoice::TRecords TRecordChoice::DefaultRecords(TPrintout printout)
{
    return ForEnvelopesOrLetters(printout) ? TRecords::OnlyCurrent : TRecords::MatchingFilter;
}

TRecordChoice::TRecordChoice(TAddressTable& table, TPrintout printout, TRecords records, bool startFromCurrent)
    : Table(table)
{
    xbase::WorkArea& area = Table.Area();
    SavedRecord = Table.Table().recordNumber();
    SavedCondition = area.condition();
    SavedOrder = area.order();
    Narrow(printout, records);
    Position(printout, records, startFromCurrent);
}

TRecordChoice::~TRecordChoice()
{
    try {
        xbase::WorkArea& area = Table.Area();
        area.setCondition(SavedCondition);
        area.setOrder(SavedOrder);
        Table.Table().go(SavedRecord);
    } catch (...) {
        // The condition was in force before, so putting it back cannot fail for its text; a
        // failing disk is reported by the next operation that writes.
    }
}

void TRecordChoice::Narrow(TPrintout printout, TRecords records)
{
    xbase::WorkArea& area = Table.Area();
    switch (records) {
    case TRecords::All:
        // Reports have always also left out records whose prefix reads "DELETED"; the mark
        // keeps deleted records out of them too.
        area.setCondition(printout == TPrintout::Reports ? "!ISDEL .and. UPPER(PREFIX)<>\"DELETED\"" : "NOT ISDEL");
        break;
    case TRecords::MatchingFilter:
        break;
    case TRecords::OnlyCurrent:
        if (ForEnvelopesOrLetters(printout))
            Single = true;
        else
            // A record marked deleted is no current record of any set.
            area.setCondition("Recno()=" + std::to_string(SavedRecord) + " .and. !ISDEL");
        break;
    }
}

void TRecordChoice::Position(TPrintout printout, TRecords records, bool startFromCurrent)
{
    xbase::DbfTable& rows = Table.Table();
    const bool onlyCurrentAlone = ForEnvelopesOrLetters(printout) && records == TRecords::OnlyCurrent;
    if (onlyCurrentAlone) {
        rows.go(SavedRecord);
        return;
    }
    if (startFromCurrent) {
        rows.go(SavedRecord);
        if (InRecordSet(Table))
            return;
        TUserPrompts::Current().Information(QLatin1String(OutOfRangeMessage));
    }
    rows.goTop();
}

bool TRecordChoice::InRecordSet(TAddressTable& table)
{
    xbase::DbfTable& rows = table.Table();
    if (rows.eof())
        return false;
    if (rows.flaggedHidden() && rows.record()[0] == xbase::dbf::kDeletedFlag)
        return false;
    const std::string& condition = table.Area().condition();
    return condition.empty() || table.Area().test(condition);
}
