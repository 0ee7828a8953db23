// The import loop all imports share: the address table's index goes, the source's records are
// appended one by one (cancel honoured after the current record), the end message is given,
// and the 26 tags are built once at the end, also after a cancel or an error. Building the
// tags once over the whole table is what keeps a large import fast.
//
// Contract: the table is open for exclusive use and the source is open and checked (a source
// that cannot be opened never reaches this, so the table is not touched). Messages go through
// the hooks; without a Message hook they go to the prompt service.
#pragma once

#include "TImportSource.h"

#include <QString>
#include <QStringList>

#include <functional>

class TAddressTable;
namespace xbase {
class DbfTable;
}

enum class TImportEnd { ieComplete, ieCancelled, ieReadError, ieWriteError };

struct TImportResult {
    TImportEnd End = TImportEnd::ieComplete;
    uint32_t Records = 0;         // records posted
    int ValuesCut = 0;            // values longer than their field
    int CharactersReplaced = 0;   // characters written as '?'
    bool TagsBuilt = false;
    QString Cause;                // what the engine or the file said, after an error
    QStringList Messages;         // as shown, in order
};

struct TImportHooks {
    std::function<void(const QString& status)> Status;
    std::function<void(int percent)> Bar;
    // Called after each record (a window lets the screen update here); true stops the loop.
    std::function<bool()> StopRequested;
    std::function<void(const QString& message)> Message;
    // The tags are about to be built: nothing can be cancelled from here on.
    std::function<void()> RebuildStarting;
};

class TAddressImporter {
public:
    static TImportResult Run(TAddressTable& table, TImportSource& source, const TImportHooks& hooks = {});

    // The end messages, as the user reads them.
    static QString EndMessage(TImportKind kind, TImportEnd end, uint32_t records);
    static QString CutMessage(int valuesCut);
    static QString ReplacedMessage(int characters);
    // "\n" + the cause, or nothing.
    static QString CauseLine(const QString& cause);
    // The rebuild's bar: every rise of a tag's percentage adds up over all the tags.
    static void KeepPostedRecords(xbase::DbfTable& records);

    class TRebuildBar {
    public:
        int Report(int percent);

    private:
        long long Total = 0;
        int Last = 0;
    };
};
