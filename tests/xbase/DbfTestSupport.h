// Small helpers shared by the table tests: tables on the in-memory file system.
#pragma once

#include "xbase/DbfCreator.h"
#include "xbase/DbfTable.h"
#include "xbase/MemoryFileSystem.h"

#include <memory>
#include <string>

namespace xbase::testing {

// NAME C10, AMT N8.2, PAID L, BORN D, NOTE M: one field of each creatable type.
inline DbfCreator sampleStructure()
{
    DbfCreator creator;
    creator.addField("NAME", 'C', 10).addField("AMT", 'N', 8, 2).addField("PAID", 'L').addField("BORN", 'D').addField("NOTE", 'M');
    return creator;
}

inline std::unique_ptr<DbfTable> createSample(MemoryFileSystem& fs, const std::string& path = "T.DBF")
{
    sampleStructure().create(fs, path);
    return DbfTable::open(fs, path);
}

// Appends one record per name, flagging those whose name starts with '*' (the star is dropped).
inline void appendNames(DbfTable& table, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        table.appendBlank();
        const bool flagged = name[0] == '*';
        table.setText(0, flagged ? name + 1 : name);
        table.setDeleted(flagged);
    }
    table.commit();
}

} // namespace xbase::testing
