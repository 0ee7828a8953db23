// Names of layout files in the sysdata folder: "BIN" + five digits + the kind's extension
// (".L" labels, ".E" envelopes, ".R" reports). A new layout takes the first name that no file
// has and no row of its setup table names (a row whose file went missing still owns its name).
#pragma once

#include <QSet>
#include <QString>

class TLayoutFileNames {
public:
    static constexpr int LastNumber = 99999;

    // "BIN00042" + extension.
    static QString Name(int number, const QString& extension);
    // The first free name; throws std::runtime_error naming `kind` ("label", "envelope") when
    // all 99,999 are taken, so nothing is ever overwritten.
    static QString FirstFree(const QString& folder, const QString& extension, const QSet<QString>& used,
                             const QString& kind);
};
