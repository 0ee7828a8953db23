// What the DBF and release imports share as sources: the open source table and its code page,
// its records walked in record order (flagged ones left out), read errors reported as such.
#pragma once

#include "TImportSource.h"

#include "data/TTableText.h"
#include "xbase/DbfTable.h"

#include <memory>

class TDbfRecordSource : public TImportSource {
public:
    explicit TDbfRecordSource(std::unique_ptr<xbase::DbfTable> table);

    uint64_t CountRecords() override { return Table->recordCount(); }
    bool NextRecord() override;

protected:
    std::unique_ptr<xbase::DbfTable> Table;
    TTableText Text;

private:
    bool Started = false;
};
