// The generated 1,000,000-record address table with varied names that several benchmarks share:
// /tmp/quorvane_bench_address/SOURCE.DBF (about 590 MB), made once by MakeSource() and reused.
// ZIPs are five random digits, one record in ten carries ISDEL and one in twenty the delete flag.
#pragma once

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "data/TFieldLengths.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>

namespace million_table {

inline constexpr uint32_t kRecords = 1000000;
// QUORVANE_BENCH_ADDRESS_DIR names another folder, e.g. a copy to use while another benchmark
// holds this one open for its exclusive use.
inline const QString kFolder = [] {
    const QString folder = qEnvironmentVariable("QUORVANE_BENCH_ADDRESS_DIR");
    return folder.isEmpty() ? QStringLiteral("/tmp/quorvane_bench_address") : folder;
}();
inline const QString kSource = kFolder + QStringLiteral("/SOURCE.DBF");

inline std::string Word(std::mt19937& random, int syllables)
{
    static const char* const parts[] = {"an", "ber", "cal", "dor", "el", "fin", "gar", "hal", "is", "jor", "kel",
                                        "lan", "mar", "nor", "o", "per", "quin", "ros", "smi", "ter", "ul", "van",
                                        "wes", "xan", "yor", "zel", "th", "son", "ley", "ch"};
    std::string word;
    for (int i = 0; i < syllables; ++i)
        word += parts[random() % (sizeof parts / sizeof *parts)];
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

// A table that exists but cannot be opened is in use (another benchmark has it open for its
// exclusive use) or damaged: it is never removed from under its user, the caller is told instead.
inline void MakeSource()
{
    if (QFile::exists(kSource)) {
        QString error;
        auto table = TAddressTable::Open(kSource, &error);
        if (!table)
            throw std::runtime_error(("the benchmark table cannot be opened (in use by another benchmark? damaged? delete " + kFolder + " to make it anew): " + error).toStdString());
        if (table->Table().recordCount() == kRecords)
            return;
    }
    QDir().mkpath(kFolder);
    for (const char* extension : {".DBF", ".FPT", ".CDX"})
        QFile::remove(kFolder + "/SOURCE" + extension);
    if (!TAddressFiles::CreateAddressFile(kSource, TFieldLengths()))
        throw std::runtime_error("cannot create the benchmark table");
    auto table = TAddressTable::Open(kSource);
    table->Area().deleteIndex(); // appends without tags, then one bulk build
    xbase::DbfTable& t = table->Table();
    std::mt19937 random(12345);
    char buffer[64];
    auto set = [&](const char* field, const std::string& value) { t.setText(t.fieldIndex(field), value); };
    for (uint32_t i = 0; i < kRecords; ++i) {
        t.appendBlank();
        set("LNAME", Word(random, 2 + random() % 2));
        set("FNAME", Word(random, 1 + random() % 2));
        set("MIDDLE", std::string(1, static_cast<char>('A' + random() % 26)));
        set("ORG", random() % 3 ? "" : Word(random, 3) + " Inc.");
        std::snprintf(buffer, sizeof buffer, "%u %s St", static_cast<unsigned>(random() % 9999), Word(random, 2).c_str());
        set("STREET", buffer);
        set("CITY", Word(random, 2));
        set("STATE", std::string{static_cast<char>('A' + random() % 26), static_cast<char>('A' + random() % 26)});
        std::snprintf(buffer, sizeof buffer, "%05u", static_cast<unsigned>(random() % 100000));
        set("ZIP", buffer);
        set("COUNTRY", "USA");
        std::snprintf(buffer, sizeof buffer, "2%03u%02u%02u", static_cast<unsigned>(random() % 30), 1 + static_cast<unsigned>(random() % 12),
                      1 + static_cast<unsigned>(random() % 28));
        set("DATE", buffer);
        std::snprintf(buffer, sizeof buffer, "(%03u) 555-%04u", static_cast<unsigned>(random() % 1000), static_cast<unsigned>(random() % 10000));
        set("PHONE", buffer);
        std::snprintf(buffer, sizeof buffer, "%s@example.com", Word(random, 2).c_str());
        set("EMAIL", buffer);
        std::string codes;
        for (int c = random() % 4; c > 0; --c)
            codes += static_cast<char>('A' + random() % 6);
        set("CODES", codes);
        t.setLogical(t.fieldIndex("ISDEL"), random() % 10 == 0);
        t.setDeleted(random() % 20 == 0);
        if (random() % 4 == 0)
            t.setMemo(t.fieldIndex("MEMO"), "Called about the spring catalogue; wants two copies.");
    }
    t.commit();
    if (!TAddressFiles::BuildAddressTags(table->Area()))
        throw std::runtime_error("cannot index the benchmark table");
    table->Close();
}

// A scratch copy of the table for benchmarks that change it.
inline const QString kWork = kFolder + QStringLiteral("/WORK.DBF");

inline void CopySource()
{
    for (const char* extension : {".DBF", ".FPT", ".CDX"}) {
        const QString from = kFolder + "/SOURCE" + extension;
        const QString to = kFolder + "/WORK" + extension;
        QFile::remove(to);
        if (!QFile::copy(from, to))
            throw std::runtime_error("cannot copy the benchmark table");
    }
}

} // namespace million_table
