#include "TRecordWalk.h"

#include "data/TAddressTable.h"

#include <algorithm>

TRecordWalk::TRecordWalk(TAddressTable& table) : Table(table)
{
    xbase::WorkArea& area = table.Area();
    Condition = area.condition();
    Order = area.order();
    Recno = area.table().eof() ? 0 : area.table().recordNumber();
}

TRecordWalk::~TRecordWalk()
{
    try {
        xbase::WorkArea& area = Table.Area();
        area.table().commit();
        if (area.condition() != Condition)
            area.setCondition(Condition);
        if (area.order() != Order || area.externalOrder())
            area.setOrder(Order);
        if (Recno > 0)
            area.table().go(Recno);
        else
            area.table().goTop();
    } catch (...) {
        // A destructor cannot report; the run's own error has been reported already.
    }
}

std::vector<uint32_t> TRecordWalk::Members()
{
    xbase::DbfTable& records = Table.Table();
    std::vector<uint32_t> members;
    xbase::WorkArea& area = Table.Area();
    const size_t order = area.order();
    area.setOrder(0); // record order: the set's own bitmap leads the cursor
    for (records.goTop(); !records.eof(); records.skip())
        members.push_back(records.recordNumber());
    area.setOrder(order);
    std::sort(members.begin(), members.end());
    return members;
}

std::vector<uint32_t> TRecordWalk::CurrentOnly() const
{
    return Recno > 0 ? std::vector<uint32_t>{Recno} : std::vector<uint32_t>{};
}
