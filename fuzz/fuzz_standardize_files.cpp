// The files of address standardization that a user may edit or damage: the undo file and the
// three tables of sysdata/ (suffixes, unit designators, states). Any bytes must give a clear
// refusal or a usable result, never a crash or a hang; a street line's standard form grows no
// word beyond the longest word a table may hold.
#include "data/TAddressStandardizer.h"
#include "tools/TUndoFile.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = folder.filePath("STANDARD.UND");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(bytes);
    }
    TUndoFile undo;
    if (undo.Load(path, nullptr))
        for (const TUndoEntry& entry : undo.Values())
            if (entry.Recno == 0 || entry.Field.empty() || entry.Field.size() > 10 || entry.Before.size() > 254 || entry.After.size() > 254)
                __builtin_trap();

    const QString text = QString::fromUtf8(bytes);
    TAddressStandardizer tables;
    tables.ParseSuffixes(text, nullptr);
    tables.ParseUnits(text, nullptr);
    tables.ParseStates(text, nullptr);
    const std::string_view line(bytes.constData(), std::min<size_t>(size, 254));
    const std::string street = tables.Street(line, true);
    if (street.size() > 41 * line.size() + 8) // no word grows beyond the 40 characters a table word may have
        __builtin_trap();
    tables.City(line);
    tables.State(line);
    TAddressStandardizer::Zip(line);
    return 0;
}
