// Dictionary files: any bytes are read or refused with EDictionaryError; what was read answers
// lookups, takes new words (a user dictionary) and feeds the suggestion walk without hanging on
// cycles or reading past the nodes in use; a user dictionary written back reads again.
#include "spelling/TDictionaryFile.h"
#include "spelling/TViredSpell.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TDictionaryFile file;
    try {
        file = TDictionaryFile::Parse(bytes);
    } catch (const EDictionaryError&) {
        return 0;
    }
    for (const char* word : {"A", "HOUSE", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", "DON'T"})
        (void)file.Contains(word);

    const QString path = folder.filePath(QStringLiteral("fuzz.dct"));
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly))
            std::abort();
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    TViredSpell spell;
    if (file.IsMain()) {
        spell.OpenMain(path);
    } else {
        TDictionarySection& section = file.Sections.front();
        for (const char* word : {"HOUSE", "HOSE", "ZEBRA", "A"})
            if (section.Add(word) && !section.Contains(word))
                std::abort();
        const TDictionaryFile again = TDictionaryFile::Parse(file.Serialize());
        if (again.Serialize() != file.Serialize())
            std::abort();
        spell.OpenUser(path);
    }
    (void)spell.Suggestions(QStringLiteral("Hous"));
    (void)spell.Suggestions(QStringLiteral("aaaaaaaaaaaaaaaaaaaa"));
    return 0;
}
