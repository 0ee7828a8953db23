#include "TSimilarKey.h"

#include "data/TAddressStandardizer.h"
#include "data/TCp1252.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Each Windows-1252 byte as folded text: A-Z and 0-9 as themselves (upper-cased), accented
// letters as their base letters, everything else a blank (a word break).
const std::array<std::string, 256>& FoldTable()
{
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> folded;
        for (int byte = 0; byte < 256; ++byte) {
            const QString decomposed =
                QString(QChar(TCp1252::ToUnicode(static_cast<unsigned char>(byte)))).normalized(QString::NormalizationForm_KD);
            std::string out;
            for (QChar c : decomposed) {
                const char16_t u = c.toUpper().unicode();
                if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9'))
                    out += static_cast<char>(u);
            }
            const char16_t u = TCp1252::ToUnicode(static_cast<unsigned char>(byte));
            if (u == u'ß')
                out = "SS";
            else if (u == u'æ' || u == u'Æ')
                out = "AE";
            else if (u == u'œ' || u == u'Œ')
                out = "OE";
            else if (u == u'ø' || u == u'Ø')
                out = "O";
            folded[static_cast<size_t>(byte)] = out.empty() ? std::string(" ") : out;
        }
        // An apostrophe joins (O'Brien is OBRIEN), it does not break a word.
        folded[static_cast<size_t>('\'')] = std::string();
        folded[0x92] = std::string(); // the typographic apostrophe
        return folded;
    }();
    return table;
}

std::string Folded(std::string_view text)
{
    const auto& table = FoldTable();
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        out += table[static_cast<unsigned char>(c)];
    return out;
}

} // namespace

bool TSimilarKey::LoadWords(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
        if (parts.size() >= 2)
            AddWord(Name(TCp1252::Encode(parts[0])), Name(TCp1252::Encode(parts[1])));
    }
    return true;
}

std::string TSimilarKey::Name(std::string_view text) const
{
    std::string folded = Folded(text);
    folded.erase(std::remove(folded.begin(), folded.end(), ' '), folded.end());
    return folded;
}

std::string TSimilarKey::Street(std::string_view text) const
{
    const std::string folded = Standard ? Folded(Standard->Street(text)) : Folded(text);
    std::string out;
    size_t start = 0;
    while (start < folded.size()) {
        size_t end = folded.find(' ', start);
        if (end == std::string::npos)
            end = folded.size();
        if (end > start) {
            const std::string word = folded.substr(start, end - start);
            const auto unified = Words.find(word);
            out += unified == Words.end() ? word : unified->second;
        }
        start = end + 1;
    }
    return out;
}

std::string TSimilarKey::Zip(std::string_view text) const { return Name(text).substr(0, 5); }

bool TSimilarKey::NamesClose(std::string_view a, std::string_view b)
{
    const int allowed = std::max(a.size(), b.size()) >= 10 ? 2 : 1;
    return Distance(a, b, allowed) <= allowed;
}

int TSimilarKey::Distance(std::string_view a, std::string_view b, int limit)
{
    if (a.size() > b.size())
        std::swap(a, b);
    if (static_cast<int>(b.size() - a.size()) > limit)
        return limit + 1;
    std::vector<int> row(a.size() + 1);
    for (size_t i = 0; i <= a.size(); ++i)
        row[i] = static_cast<int>(i);
    for (size_t j = 1; j <= b.size(); ++j) {
        int diagonal = row[0];
        row[0] = static_cast<int>(j);
        int best = row[0];
        for (size_t i = 1; i <= a.size(); ++i) {
            const int above = row[i];
            row[i] = std::min({row[i] + 1, row[i - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
            best = std::min(best, row[i]);
        }
        if (best > limit)
            return limit + 1;
    }
    return row[a.size()];
}
