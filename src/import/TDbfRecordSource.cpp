#include "TDbfRecordSource.h"

#include "xbase/XbaseError.h"

TDbfRecordSource::TDbfRecordSource(std::unique_ptr<xbase::DbfTable> table) : Table(std::move(table)), Text(Table->codePage()) {}

bool TDbfRecordSource::NextRecord()
{
    try {
        if (Started)
            Table->skip();
        else
            Table->goTop();
        Started = true;
        return !Table->eof();
    } catch (const xbase::XbaseError& error) {
        throw TImportReadError(error.what());
    }
}
