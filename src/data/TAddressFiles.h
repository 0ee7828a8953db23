// Making and mending the program's tables: a new address table with its 26 tags, the tags of
// an open address table, the rebuild that packs and reindexes, and the six system tables in
// the sysdata folder. Messages go through the prompt service, as the user should see them.
#pragma once

#include "TAddressSchema.h"
#include "TFieldLengths.h"

#include <QString>

#include <functional>
#include <memory>

class TAddressTable;
namespace xbase {
class WorkArea;
}

class TAddressFiles {
public:
    using TProgress = std::function<void(int percent)>;

    // A new, empty address table at `path` (full path, .DBF) with the given widths and its 26
    // tags, left closed. Shows "Create failed" or "File creation failed" and answers false.
    static bool CreateAddressFile(const QString& path, const TFieldLengths& widths);
    // Deletes the table's index file and builds the 26 tags in their order; progress per tag.
    // Shows "Unable to create index files" and answers false when a tag cannot be made.
    static bool BuildAddressTags(xbase::WorkArea& area, const TProgress& tagProgress = {});
    // The rebuild of the open table: the index file goes, the table is packed (deleted records
    // removed for good), the 26 tags are built again. `packProgress` and `tagProgress` report
    // each step's percentage. A failed pack shows "Unable to pack " + the file name and the
    // engine's reason; the table is then without its index, so the caller checks the tags.
    static bool RebuildAddressTable(xbase::WorkArea& area, const TProgress& packProgress = {},
                                    const TProgress& tagProgress = {});

    // Opens a system table of the sysdata folder for exclusive use with its tag as the order.
    // The four tables the program owns are created when missing; a missing index is created.
    // Shows the table's "Unable to Open ..." message and answers nullptr on failure.
    static std::unique_ptr<xbase::WorkArea> OpenSystemTable(TSystemTable table);
    // Packs every system table and builds its tag again; a table that fails is skipped.
    // `beforeTable` is told which table comes next.
    static void RebuildSystemTags(const std::function<void(TSystemTable)>& beforeTable = {},
                                  const TProgress& progress = {});
    // Creates the empty system table file (no index) at `path`.
    static void CreateSystemTableFile(const TSystemTableDef& definition, const QString& path);
    static QString SystemTablePath(TSystemTable table);
};
