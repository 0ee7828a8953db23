// The column matching of a DBF import on any table header: the fields it lists as sources, the
// automatic match, a hand-made match over every row, and the release checks must neither crash
// nor break the match's rule that a source stands in at most one row.
#include "import/TImportMatch.h"
#include "import/TDbfImportSource.h"
#include "import/TReleaseImportSource.h"
#include "xbase/DbfTable.h"
#include "xbase/MemoryFileSystem.h"
#include "xbase/XbaseError.h"

#include <cstddef>
#include <cstdint>
#include <set>

namespace {
void CheckOneRowPerSource(const TImportMatch& match)
{
    std::set<int> seen;
    for (size_t row = 0; row < match.Targets().size(); ++row) {
        const int source = match.SourceOfRow(static_cast<int>(row));
        if (source >= 0 && (!seen.insert(source).second || source >= static_cast<int>(match.Sources().size()) ||
                            !match.Fits(static_cast<int>(row), source)))
            __builtin_trap();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    xbase::MemoryFileSystem fs;
    fs.bytes("F.DBF").assign(data, data + size);
    std::unique_ptr<xbase::DbfTable> table;
    try {
        table = xbase::DbfTable::open(fs, "F.DBF", {.readOnly = true});
    } catch (const xbase::XbaseError&) {
        return 0;
    }
    TImportMatch match = TDbfImportSource::NewMatch(*table);
    CheckOneRowPerSource(match);
    for (size_t row = 0; row < match.Targets().size(); ++row)
        for (size_t source = 0; source < match.Sources().size(); ++source)
            if (match.Fits(static_cast<int>(row), static_cast<int>(source)))
                match.Assign(static_cast<int>(row), static_cast<int>(source));
    CheckOneRowPerSource(match);
    (void)TReleaseImportSource::MissingFields(*table, 1);
    (void)TReleaseImportSource::MissingFields(*table, 2);
    return 0;
}
