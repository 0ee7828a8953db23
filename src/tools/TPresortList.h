// The presort list as label printing reads it back from PRESORT.PSL: the entries in file order,
// each a separator (it holds "**") or a ZIP string, taken one at a time from the front.
//
// The file is untrusted: the user may have edited or damaged it. Lines may end in CR LF, LF or
// CR, or not at all; empty and blank lines are left out, trailing blanks are removed (a ZIP
// line keeps its first five characters as written, blanks too: the print loop compares exactly
// those), and a line longer than MaxLineLength is cut there, so no line can hold the reader up
// or grow without bound. Text is Windows-1252.
#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

struct TPresortEntry {
    QString Text;
    bool Separator = false;
    bool operator==(const TPresortEntry&) const = default;
};

class TPresortList {
public:
    static constexpr int MaxLineLength = 255;
    static constexpr int ZipLength = 5; // the characters of a ZIP the presort groups by

    // A list of every ZIP there is stays far below this; a larger file is no presort list.
    static constexpr qint64 MaxFileBytes = 16 << 20;

    // An empty list when the file does not exist or cannot be read. Throws std::runtime_error
    // naming the file and its size when it is larger than MaxFileBytes.
    static TPresortList Load(const QString& path);
    static TPresortList FromText(const QByteArray& bytes);

    bool Empty() const { return Entries.empty(); }
    int Size() const { return int(Entries.size()); }
    // Takes and removes the first entry; nullopt when the list is empty.
    std::optional<TPresortEntry> TakeFirst();
    static bool IsSeparator(const QString& line) { return line.contains(QLatin1String("**")); }

private:
    void AddText(const char* begin, const char* end);
    void AddLine(const char* begin, const char* end);

    std::deque<TPresortEntry> Entries;
};
