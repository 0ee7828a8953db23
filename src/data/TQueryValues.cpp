#include "TQueryValues.h"

const std::array<TQueryValues::TEntry, TQueryValues::EntryCount>& TQueryValues::Entries()
{
    static const std::array<TEntry, EntryCount> entries{{
        {"Last", "LNAME"},
        {"First", "FNAME"},
        {"Title", "TITLE"},
        {"Org", "ORG"},
        {"Address 1", "STREET"},
        {"Address 2", "STREET2"},
        {"Zip or Postal", "ZIP"},
        {"City", "CITY+STATE"},
        {"State or Prov", "STATE"},
        {"Country", "COUNTRY"},
        {"Phone 1", "PHONE"},
        {"Phone 2", "PHONE2"},
        {"Fax", "FAX"},
        {"E-mail", "EMAIL"},
        {"Date", "DATE"},
        {"Codes", "CODES"},
        {"Comment 1", "USER1"},
        {"Comment 2", "USER2"},
    }};
    return entries;
}

int TQueryValues::EntryIndex(const QString& caption)
{
    const auto& entries = Entries();
    for (int i = 0; i < EntryCount; ++i)
        if (caption.compare(QLatin1String(entries[i].Caption), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool TQueryValues::AsksForFilter() const
{
    if (Tagged)
        return true;
    for (const QString& value : Values)
        if (!value.trimmed().isEmpty())
            return true;
    return false;
}
