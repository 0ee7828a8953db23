// What the tools that rewrite field values in bulk share (address standardization, case
// conversion): a pass over the chosen records that finds every value a rule would change,
// without writing, and the write of a list of such changes with an undo file of every value
// written. The window shows the changes found before it writes; the command line prints them.
//
// Contract: the table's condition, order and record are put back after each call; a write
// checks that each value is still what the pass found and leaves any other value alone.
#pragma once

#include "TCaseConverter.h"
#include "TToolProgress.h"

#include <QStringList>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TAddressTable;
class TUndoFile;

struct TValueChange {
    uint32_t Recno = 0;
    uint8_t Field = 0; // index into the pass's field list
    std::string Before; // field bytes without the blank padding
    std::string After;
};

struct TRewriteCounts {
    uint32_t Visited = 0; // records looked at
    uint32_t Records = 0; // records with at least one change
    uint32_t Values = 0;  // values that change
};

class TFieldRewrite {
public:
    static constexpr uint32_t CommitEvery = 10000;

    // The new bytes of field `field` (an index into `fields`) for its current bytes.
    using TRule = std::function<std::string(size_t field, std::string_view value)>;
    // Called for each change in record order; false stops the pass.
    using TSink = std::function<bool(TValueChange&& change)>;

    // Looks at the records (current only, all not marked deleted, or the table's record set)
    // and hands every change to `sink`. `progress` may stop the pass after a record.
    static TRewriteCounts Find(TAddressTable& table, TCaseRecords records, const QStringList& fields, const TRule& rule,
                               const TSink& sink, const TToolProgress& progress = {});

    // Writes the changes (those whose `include` flag is set, when given), each only when the
    // field still holds its Before bytes, adding each written value to `undo`. Commits every
    // CommitEvery records. Returns the values written; `progress` may stop after a record.
    static uint32_t Write(TAddressTable& table, const QStringList& fields, const std::vector<TValueChange>& changes,
                          const std::vector<bool>* include, TUndoFile* undo, const TToolProgress& progress = {});
};
