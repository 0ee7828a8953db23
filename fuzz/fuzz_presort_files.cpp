// The files of the bulk-mail presort that a user may edit or damage: PRESORT.PSL as label
// printing reads it back, and sysdata/ADC.csv. Any bytes must give entries within their limits
// or a clear refusal, never a crash or a hang.
#include "tools/TAdcTable.h"
#include "tools/TPresortList.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = folder.filePath("PRESORT.PSL");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(bytes);
    }
    TPresortList fromFile = TPresortList::Load(path);
    TPresortList fromText = TPresortList::FromText(bytes);
    if (fromFile.Size() != fromText.Size())
        __builtin_trap(); // reading in blocks must not change what is read
    while (auto entry = fromFile.TakeFirst()) {
        const auto same = fromText.TakeFirst();
        if (!same || !(*same == *entry) || entry->Text.isEmpty() || entry->Text.size() > TPresortList::MaxLineLength ||
            entry->Text.contains(u'\n') || entry->Text.contains(u'\r') || entry->Separator != TPresortList::IsSeparator(entry->Text))
            __builtin_trap();
        // Trailing blanks go, except within a ZIP line's first five characters (its key).
        const bool trailingBlank = entry->Text.back() == u' ' || entry->Text.back() == u'\t';
        if (trailingBlank && (entry->Separator || entry->Text.size() > TPresortList::ZipLength))
            __builtin_trap();
    }
    try {
        const TAdcTable table = TAdcTable::Parse(QString::fromUtf8(bytes));
        for (const TAdcRow& row : table.Rows())
            for (const std::string& prefix : row.Prefixes)
                if (prefix.size() != 3 || table.RowOf(prefix) < 0)
                    __builtin_trap();
    } catch (const std::runtime_error&) {
        // A damaged table is refused; that is the expected answer.
    }
    return 0;
}
