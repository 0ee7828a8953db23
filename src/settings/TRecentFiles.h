// The recently used address tables: section MRU of the settings file, keys Item1..Item4, each
// a full path, newest first. Empty values are skipped when reading.
#pragma once

#include <QStringList>

class TIniFile;

class TRecentFiles {
public:
    static constexpr int MaxEntries = 4;
    static constexpr const char* Section = "MRU";

    static QStringList Read(const TIniFile& settings);
    // Writes the list from Item1 upward; keys past the list are emptied so an older, longer
    // list leaves nothing behind.
    static void Write(TIniFile& settings, const QStringList& paths);
    // `path` first, then the earlier entries that differ from it (exact comparison), at most four.
    static QStringList PutFirst(const QStringList& paths, const QString& path);
};
