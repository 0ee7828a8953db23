// Filter files (.FLT): twenty lines of text, the eighteen query values in entry order, then "T"
// or "F" for Tagged and for Reverse. Reading is forgiving: missing lines count as empty, so a
// short file restores what it has and leaves the rest empty.
#pragma once

#include "TQueryValues.h"

#include <QString>

#include <optional>

class TFilterFile {
public:
    static constexpr int LineCount = TQueryValues::EntryCount + 2;

    // False when the file cannot be written.
    static bool Save(const QString& path, const TQueryValues& values);
    // Twenty lines of at most a few hundred characters: a larger file is no filter file.
    static constexpr qint64 MaxFileBytes = 64 << 10;

    // Nothing when the file cannot be read or is larger than MaxFileBytes.
    static std::optional<TQueryValues> Restore(const QString& path);
};
