#include "TAddressFilter.h"

#include "TAddressTable.h"
#include "TCp1252.h"
#include "TFilterBuilder.h"
#include "prompts/TUserPrompts.h"
#include "xbase/XbaseError.h"

QString TAddressFilter::BuildQueryString() const
{
    return TFilterBuilder::BuildQueryString(Values, TAddressTable::GlobalTagId());
}

void TAddressFilter::ClearQueryVars()
{
    Values.Clear();
    Text.clear();
}

uint32_t TAddressFilter::DropFilter(TAddressTable& table)
{
    ClearQueryVars();
    table.SetFilterText(QString());
    return 0;
}

uint32_t TAddressFilter::ApplyQuery(TAddressTable& table)
{
    Text = BuildQueryString();
    if (Text.isEmpty()) {
        table.SetFilterText(QString());
        return 0;
    }
    if (Text.size() + RecordSetSuffixLength > MaxConditionLength) {
        TUserPrompts::Current().Information(QLatin1String(TooComplexMessage));
        return DropFilter(table);
    }
    try {
        table.Area().validate(TCp1252::Encode(Text));
        table.SetFilterText(Text);
    } catch (const xbase::XbaseError& error) {
        // A user's text (a stray double quote, say) must never take the program down.
        TUserPrompts::Current().Information(QStringLiteral("The filter cannot be used: ") +
                                            QString::fromLocal8Bit(error.what()));
        return DropFilter(table);
    }
    const uint32_t count = table.Count();
    if (count == 0)
        return DropFilter(table);
    return count;
}
