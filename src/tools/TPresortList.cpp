#include "TPresortList.h"

#include "data/TCp1252.h"

#include <QFile>

#include <algorithm>
#include <stdexcept>

TPresortList TPresortList::Load(const QString& path)
{
    TPresortList list;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return list;
    if (file.size() > MaxFileBytes)
        throw std::runtime_error(QStringLiteral("%1 holds %2 bytes, more than any presort list (%3 MB): run the presort again.")
                                     .arg(path)
                                     .arg(file.size())
                                     .arg(MaxFileBytes >> 20)
                                     .toStdString());
    // Read in blocks, so a damaged file with no line ends costs no more memory than its entries.
    constexpr qint64 kBlock = 1 << 16;
    QByteArray pending;
    while (!file.atEnd()) {
        const QByteArray block = file.read(kBlock);
        if (block.isEmpty())
            break;
        pending += block;
        const qsizetype lastEnd = std::max(pending.lastIndexOf('\n'), pending.lastIndexOf('\r'));
        if (lastEnd >= 0) {
            list.AddText(pending.constData(), pending.constData() + lastEnd + 1);
            pending.remove(0, lastEnd + 1);
        }
        if (pending.size() > MaxLineLength) // a line with no end in sight: keep only what is shown
            pending.truncate(MaxLineLength + 1);
    }
    list.AddText(pending.constData(), pending.constData() + pending.size());
    return list;
}

TPresortList TPresortList::FromText(const QByteArray& bytes)
{
    TPresortList list;
    list.AddText(bytes.constData(), bytes.constData() + bytes.size());
    return list;
}

void TPresortList::AddText(const char* begin, const char* end)
{
    const char* line = begin;
    for (const char* p = begin; p <= end; ++p) {
        if (p == end || *p == '\n' || *p == '\r') {
            AddLine(line, p);
            line = p + 1;
        }
    }
}

void TPresortList::AddLine(const char* begin, const char* end)
{
    end = std::min(end, begin + MaxLineLength);
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (std::all_of(begin, end, blank))
        return;
    TPresortEntry entry;
    entry.Separator = IsSeparator(TCp1252::Decode(std::string_view(begin, size_t(end - begin))));
    // A ZIP line keeps its first five characters as written: "1012 " of a Dutch "1012 AB" is
    // the key the presort tallied, and trimming its blank would match no record.
    const char* keep = entry.Separator ? begin : std::min(end, begin + ZipLength);
    while (end > keep && blank(end[-1]))
        --end;
    entry.Text = TCp1252::Decode(std::string_view(begin, size_t(end - begin)));
    Entries.push_back(std::move(entry));
}

std::optional<TPresortEntry> TPresortList::TakeFirst()
{
    if (Entries.empty())
        return std::nullopt;
    TPresortEntry entry = std::move(Entries.front());
    Entries.pop_front();
    return entry;
}
