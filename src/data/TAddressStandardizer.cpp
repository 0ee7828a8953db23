#include "TAddressStandardizer.h"

#include "TCp1252.h"
#include "settings/TProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QStringList>

#include <array>
#include <vector>

namespace {

// Far beyond any real table: a larger file is not one of ours.
constexpr qint64 kMaxTableBytes = 1024 * 1024;
constexpr size_t kMaxWord = 40;

// Each Windows-1252 byte as a capital without its accent (é as E), other bytes as themselves.
const std::array<char, 256>& KeyTable()
{
    static const std::array<char, 256> table = [] {
        std::array<char, 256> keys{};
        for (int byte = 0; byte < 256; ++byte) {
            char key = static_cast<char>(byte);
            if (byte >= 'a' && byte <= 'z')
                key = static_cast<char>(byte - 'a' + 'A');
            else if (byte >= 0x80) {
                const QString base = QString(QChar(TCp1252::ToUnicode(static_cast<unsigned char>(byte)))).normalized(QString::NormalizationForm_D);
                const char16_t first = base.isEmpty() ? 0 : base.front().toUpper().unicode();
                if (first >= 'A' && first <= 'Z')
                    key = static_cast<char>(first);
            }
            keys[static_cast<size_t>(byte)] = key;
        }
        return keys;
    }();
    return table;
}

bool IsSmall(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 0xDF && c != 0xF7) || c == 0x9A || c == 0x9C || c == 0x9E; }
bool IsCapital(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9F; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Capital(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z')
        return static_cast<char>(u - 'a' + 'A');
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return static_cast<char>(u - 0x20);
    switch (u) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return c;
    }
}

char Small(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z')
        return static_cast<char>(u - 'A' + 'a');
    return c;
}

std::string Capitals(std::string text)
{
    for (char& c : text)
        c = Capital(c);
    return text;
}

std::string Key(std::string_view word)
{
    const auto& table = KeyTable();
    std::string key(word.size(), ' ');
    for (size_t i = 0; i < word.size(); ++i)
        key[i] = table[static_cast<unsigned char>(word[i])];
    return key;
}

enum class TCaseStyle { csCapitals, csSmall, csMixed };

TCaseStyle StyleOf(std::string_view value)
{
    bool small = false, capital = false;
    for (const char c : value) {
        small = small || IsSmall(static_cast<unsigned char>(c));
        capital = capital || IsCapital(static_cast<unsigned char>(c));
    }
    if (capital && !small)
        return TCaseStyle::csCapitals;
    if (small && !capital)
        return TCaseStyle::csSmall;
    return TCaseStyle::csMixed;
}

bool IsDirectionalCode(std::string_view code) { return code.size() <= 2 && !code.empty() && code.find_first_not_of("NSEW") == std::string_view::npos; }

// An abbreviation (capitals) written in the value's style: "St" among mixed words, "ST" among
// capitals, "st" among small letters. Directionals stay in capitals among mixed words (NE).
std::string Styled(std::string_view abbreviation, TCaseStyle style)
{
    std::string out(abbreviation);
    if (style == TCaseStyle::csCapitals || (style == TCaseStyle::csMixed && IsDirectionalCode(abbreviation)))
        return out;
    for (size_t i = 0; i < out.size(); ++i)
        if (style == TCaseStyle::csSmall || i > 0)
            out[i] = Small(out[i]);
    return out;
}

const std::unordered_map<std::string, std::string>& Directionals()
{
    static const std::unordered_map<std::string, std::string> words = {
        {"N", "N"},   {"S", "S"},   {"E", "E"},   {"W", "W"},   {"NE", "NE"}, {"NW", "NW"}, {"SE", "SE"}, {"SW", "SW"},
        {"NORTH", "N"}, {"SOUTH", "S"}, {"EAST", "E"}, {"WEST", "W"}, {"NORTHEAST", "NE"}, {"NORTHWEST", "NW"},
        {"SOUTHEAST", "SE"}, {"SOUTHWEST", "SW"}};
    return words;
}

const std::string* DirectionalOf(const std::string& key)
{
    const auto found = Directionals().find(key);
    return found == Directionals().end() ? nullptr : &found->second;
}

// A street line cut into words: periods dropped (except between digits), a comma after a word
// kept as a mark on it, blanks folded.
struct TWord {
    std::string Text;
    std::string Key;
    std::string Out; // the standard form when replaced
    bool Replaced = false;
    bool Comma = false;
    bool Dropped = false; // folded into the word before (PO Box)

    const std::string& Written() const { return Replaced ? Out : Text; }
};

std::vector<TWord> Words(std::string_view line)
{
    std::vector<TWord> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i == start)
            break;
        std::string_view raw = line.substr(start, i - start);
        bool comma = false;
        while (!raw.empty() && raw.back() == ',') {
            comma = true;
            raw.remove_suffix(1);
        }
        TWord word;
        for (size_t k = 0; k < raw.size(); ++k) {
            if (raw[k] == '.' && !(k > 0 && k + 1 < raw.size() && IsDigit(raw[k - 1]) && IsDigit(raw[k + 1])))
                continue;
            word.Text += raw[k];
        }
        if (word.Text.empty()) {
            if (comma && !words.empty())
                words.back().Comma = true;
            continue;
        }
        word.Key = Key(word.Text);
        word.Comma = comma;
        words.push_back(std::move(word));
    }
    return words;
}

std::string Joined(const std::vector<TWord>& words)
{
    std::string out;
    for (const TWord& word : words) {
        if (word.Dropped)
            continue;
        if (!out.empty())
            out += ' ';
        out += word.Written();
        if (word.Comma)
            out += ',';
    }
    return out;
}

void Replace(TWord& word, std::string text)
{
    word.Out = std::move(text);
    word.Replaced = word.Out != word.Text;
}

bool HasDigit(std::string_view text) { return text.find_first_of("0123456789") != std::string_view::npos; }

bool IsFraction(std::string_view key)
{
    const size_t slash = key.find('/');
    return slash != std::string_view::npos && slash > 0 && slash + 1 < key.size() &&
           key.find_first_not_of("0123456789/") == std::string_view::npos;
}

// 3RD, 22ND: the digits of an ordinal number, else empty.
std::string_view OrdinalDigits(std::string_view key)
{
    if (key.size() < 3)
        return {};
    const std::string_view tail = key.substr(key.size() - 2);
    if (tail != "ST" && tail != "ND" && tail != "RD" && tail != "TH")
        return {};
    const std::string_view digits = key.substr(0, key.size() - 2);
    return digits.find_first_not_of("0123456789") == std::string_view::npos ? digits : std::string_view();
}

std::vector<std::string> WordsOfLine(const QString& line)
{
    std::vector<std::string> words;
    for (const QString& word : line.split(u' ', Qt::SkipEmptyParts)) {
        std::string key = Key(TCp1252::Encode(word));
        if (!key.empty())
            words.push_back(std::move(key));
    }
    return words;
}

// The table's lines as upper-cased words, comments and blank lines left out.
template <typename RowFn> bool ForEachRow(const QString& text, const char* table, QString* error, RowFn row)
{
    int number = 0;
    for (QString line : text.split(u'\n')) {
        ++number;
        const qsizetype hash = line.indexOf(u'#');
        if (hash >= 0)
            line.truncate(hash);
        line.replace(u'\t', u' ').replace(u'\r', u' ');
        const std::vector<std::string> words = WordsOfLine(line);
        if (words.empty())
            continue;
        for (const std::string& word : words)
            if (word.size() > kMaxWord) {
                if (error)
                    *error = QStringLiteral("%1, line %2: a word longer than %3 characters").arg(QLatin1String(table)).arg(number).arg(kMaxWord);
                return false;
            }
        QString fault;
        if (!row(words, &fault)) {
            if (error)
                *error = QStringLiteral("%1, line %2: %3").arg(QLatin1String(table)).arg(number).arg(fault);
            return false;
        }
    }
    return true;
}

QString ReadTable(const QString& path, bool* ok, QString* error)
{
    *ok = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + QStringLiteral(": cannot be read");
        return {};
    }
    if (file.size() > kMaxTableBytes) {
        if (error)
            *error = path + QStringLiteral(": too large for a table of address words");
        return {};
    }
    *ok = true;
    return QString::fromUtf8(file.readAll());
}

} // namespace

bool TAddressStandardizer::ParseSuffixes(const QString& text, QString* error)
{
    return ForEachRow(text, SuffixesFileName, error, [this](const std::vector<std::string>& words, QString* fault) {
        if (words.size() < 2) {
            *fault = QStringLiteral("a suffix needs its name and its standard abbreviation");
            return false;
        }
        const std::string& standard = words[1];
        for (const std::string& form : words)
            Suffixes[form] = standard;
        ++SuffixRows;
        return true;
    });
}

bool TAddressStandardizer::ParseUnits(const QString& text, QString* error)
{
    return ForEachRow(text, UnitsFileName, error, [this](const std::vector<std::string>& words, QString* fault) {
        if (words.size() < 3 || (words[2] != "RANGE" && words[2] != "-")) {
            *fault = QStringLiteral("a designator needs its abbreviation and \"range\" or \"-\"");
            return false;
        }
        const TUnit unit{words[1], words[2] == "RANGE"};
        Units[words[0]] = unit;
        Units[words[1]] = unit;
        for (size_t i = 3; i < words.size(); ++i)
            Units[words[i]] = unit;
        return true;
    });
}

bool TAddressStandardizer::ParseStates(const QString& text, QString* error)
{
    return ForEachRow(text, StatesFileName, error, [this](const std::vector<std::string>& words, QString* fault) {
        if (words.size() < 2 || words[0].size() != 2) {
            *fault = QStringLiteral("a line needs a two-letter code and a name");
            return false;
        }
        std::string name;
        for (size_t i = 1; i < words.size(); ++i)
            name += (i > 1 ? " " : "") + words[i];
        StateNames[name] = words[0];
        StateCodes.insert(words[0]);
        return true;
    });
}

bool TAddressStandardizer::Load(const QString& folder, const QString& fallback, QString* error)
{
    const std::pair<const char*, bool (TAddressStandardizer::*)(const QString&, QString*)> tables[] = {
        {SuffixesFileName, &TAddressStandardizer::ParseSuffixes},
        {UnitsFileName, &TAddressStandardizer::ParseUnits},
        {StatesFileName, &TAddressStandardizer::ParseStates}};
    bool allRead = true;
    for (const auto& [name, parse] : tables) {
        QString path = folder + QLatin1String(name);
        if (!QFileInfo::exists(path) && !fallback.isEmpty())
            path = fallback + QLatin1String(name);
        if (!QFileInfo::exists(path)) {
            if (error)
                *error = QStringLiteral("The file %1 has been removed from the SYSDATA directory.").arg(QLatin1String(name));
            allRead = false;
            continue;
        }
        bool ok = false;
        const QString text = ReadTable(path, &ok, error);
        if (!ok || !(this->*parse)(text, error)) {
            allRead = false;
            continue;
        }
    }
    return allRead;
}

std::shared_ptr<const TAddressStandardizer> TAddressStandardizer::LoadProgramTables(QString* error)
{
    auto tables = std::make_shared<TAddressStandardizer>();
    if (!tables->Load(TProgramFolder::SysdataFolder(), TProgramFolder::DeliveredSysdata(), error))
        return nullptr;
    return tables;
}

std::shared_ptr<const TAddressStandardizer> TAddressStandardizer::Shared()
{
    static QMutex guard;
    static QString loadedFrom;
    static std::shared_ptr<const TAddressStandardizer> shared;
    const QMutexLocker lock(&guard);
    const QString folder = TProgramFolder::SysdataFolder();
    if (!shared || folder != loadedFrom) {
        auto tables = std::make_shared<TAddressStandardizer>();
        tables->Load(folder, TProgramFolder::DeliveredSysdata(), nullptr); // what could be read
        shared = std::move(tables);
        loadedFrom = folder;
    }
    return shared;
}

bool TAddressStandardizer::FieldOf(const QString& name, TStandardField* field)
{
    const QString upper = name.trimmed().toUpper();
    TStandardField f;
    if (upper == QLatin1String("STREET") || upper == QLatin1String("STREET2"))
        f = TStandardField::sfStreet;
    else if (upper == QLatin1String("CITY"))
        f = TStandardField::sfCity;
    else if (upper == QLatin1String("STATE"))
        f = TStandardField::sfState;
    else if (upper == QLatin1String("ZIP"))
        f = TStandardField::sfZip;
    else
        return false;
    if (field)
        *field = f;
    return true;
}

const TAddressStandardizer::TUnit* TAddressStandardizer::UnitOf(std::string_view key) const
{
    const auto found = Units.find(std::string(key));
    return found == Units.end() ? nullptr : &found->second;
}

std::string TAddressStandardizer::Standard(TStandardField field, std::string_view value, bool upper) const
{
    switch (field) {
    case TStandardField::sfStreet: return Street(value, upper);
    case TStandardField::sfCity: return City(value, upper);
    case TStandardField::sfState: return State(value);
    case TStandardField::sfZip: return Zip(value);
    }
    return std::string(value);
}

QString TAddressStandardizer::Street(const QString& line, bool upper) const
{
    return TCp1252::Decode(Street(TCp1252::Encode(line), upper));
}

std::string TAddressStandardizer::Street(std::string_view line, bool upper) const
{
    std::vector<TWord> words = Words(line);
    const TCaseStyle style = StyleOf(line);
    const size_t n = words.size();

    // Post office boxes: P.O. Box, P O Box, Post Office Box, POB, or Box alone on a line.
    size_t boxWords = 0;
    const auto keyAt = [&](size_t i) -> std::string_view { return i < n ? std::string_view(words[i].Key) : std::string_view(); };
    if (keyAt(0) == "P" && keyAt(1) == "O" && keyAt(2) == "BOX")
        boxWords = 3;
    else if (keyAt(0) == "POST" && keyAt(1) == "OFFICE" && keyAt(2) == "BOX")
        boxWords = 3;
    else if ((keyAt(0) == "PO" && keyAt(1) == "BOX") || (keyAt(0) == "P" && keyAt(1) == "OB"))
        boxWords = 2;
    else if (keyAt(0) == "POB" || keyAt(0) == "POBOX")
        boxWords = 1;
    else if (keyAt(0) == "BOX" && n >= 2 && HasDigit(words[1].Key))
        boxWords = 1;
    if (boxWords > 0) {
        Replace(words[0], style == TCaseStyle::csSmall ? "po box" : style == TCaseStyle::csCapitals ? "PO BOX" : "PO Box");
        words[0].Replaced = true;
        words[0].Comma = words[boxWords - 1].Comma;
        for (size_t i = 1; i < boxWords; ++i)
            words[i].Dropped = true;
        const std::string out = Joined(words);
        return upper ? Capitals(out) : out;
    }

    // Secondary units: from the first word where designators and their numbers fill the rest
    // of the line ("Apt 4", "Bldg 5 Rm 6", "#12", "3rd Floor"). A line may be units alone.
    const auto chainFrom = [&](size_t start, bool apply) {
        size_t i = start;
        while (i < n) {
            const std::string& key = words[i].Key;
            const std::string_view ordinal = OrdinalDigits(key);
            const TUnit* next = i + 1 < n ? UnitOf(words[i + 1].Key) : nullptr;
            if (key.front() == '#') {
                i += key == "#" && i + 1 < n ? 2 : 1;
            } else if (!ordinal.empty() && next && next->Abbreviation == "FL" && i + 2 == n) {
                if (apply) {
                    Replace(words[i], Styled(next->Abbreviation, style));
                    Replace(words[i + 1], std::string(ordinal));
                    words[i].Replaced = words[i + 1].Replaced = true;
                }
                i += 2;
            } else if (const TUnit* unit = UnitOf(key)) {
                if (unit->Range && (i + 1 >= n || UnitOf(words[i + 1].Key)))
                    return false;
                if (apply)
                    Replace(words[i], Styled(unit->Abbreviation, style));
                i += unit->Range ? 2 : 1;
            } else {
                return false;
            }
            if (apply)
                words[i - 1].Comma = false; // "Bldg 5, Rm 6": no commas between units
        }
        return i == n;
    };
    size_t unitStart = n;
    for (size_t i = 0; i < n; ++i) {
        if (i == 1)
            continue; // "12 Suite" is a number and a name, not a unit
        if (chainFrom(i, false)) {
            chainFrom(i, true);
            unitStart = i;
            if (i > 0)
                words[i - 1].Comma = false; // the comma before a unit goes
            break;
        }
    }

    // The delivery part: number, pre-directional, name, suffix, post-directional.
    size_t p = 0;
    if (unitStart > 0 && IsDigit(words[0].Key.front())) {
        p = 1;
        if (unitStart > 1 && IsFraction(words[1].Key))
            p = 2;
    }
    size_t end = unitStart;
    if (end >= 2 && end - 1 > p)
        if (const std::string* post = DirectionalOf(words[end - 1].Key)) {
            Replace(words[end - 1], Styled(*post, style));
            --end;
        }
    if (end >= 2 && end - p >= 2) {
        const auto suffix = Suffixes.find(words[end - 1].Key);
        if (suffix != Suffixes.end()) {
            Replace(words[end - 1], Styled(suffix->second, style));
            --end;
        }
    }
    if (end > p + 1)
        if (const std::string* pre = DirectionalOf(words[p].Key))
            Replace(words[p], Styled(*pre, style));

    const std::string out = Joined(words);
    return upper ? Capitals(out) : out;
}

std::string TAddressStandardizer::StateCode(std::string_view key) const
{
    std::string k(key);
    if (StateCodes.count(k))
        return k;
    const auto found = StateNames.find(k);
    if (found != StateNames.end())
        return found->second;
    // N Y, as some write it.
    if (k.size() == 3 && k[1] == ' ') {
        const std::string joined{k[0], k[2]};
        if (StateCodes.count(joined))
            return joined;
    }
    return {};
}

std::string TAddressStandardizer::State(std::string_view state) const
{
    const std::string plain = Joined(Words(state));
    const std::string code = StateCode(Key(plain));
    return code.empty() ? plain : code;
}

std::string TAddressStandardizer::City(std::string_view city, bool upper) const
{
    std::string plain = Joined(Words(city));
    // "Springfield, Illinois": the state after the last comma as its code.
    const size_t comma = plain.rfind(',');
    if (comma != std::string::npos && comma + 2 < plain.size() && plain[comma + 1] == ' ') {
        const std::string code = StateCode(Key(plain.substr(comma + 2)));
        if (!code.empty())
            plain = plain.substr(0, comma + 2) + code;
    }
    return upper ? Capitals(plain) : plain;
}

std::string TAddressStandardizer::Zip(std::string_view zip)
{
    std::string_view z = zip;
    while (!z.empty() && z.front() == ' ')
        z.remove_prefix(1);
    while (!z.empty() && z.back() == ' ')
        z.remove_suffix(1);
    const auto allDigits = [](std::string_view s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos; };
    if (z.size() == 9 && allDigits(z))
        return std::string(z.substr(0, 5)) + '-' + std::string(z.substr(5));
    const size_t blank = z.find(' ');
    if (blank == 5 && allDigits(z.substr(0, 5))) {
        std::string_view rest = z.substr(5);
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
        if (rest.size() == 4 && allDigits(rest))
            return std::string(z.substr(0, 5)) + '-' + std::string(rest);
    }
    // Canadian postal codes: letter digit letter, digit letter digit, in any case, with one
    // blank or hyphen between the halves or none.
    std::string compact;
    for (const char c : z)
        if (c != ' ' && c != '-')
            compact += Capital(c);
    const bool canadian = compact.size() == 6 && (z.size() == 6 || z.size() == 7) && [&] {
        for (size_t i = 0; i < 6; ++i) {
            const char c = compact[i];
            if (i % 2 == 0 ? !(c >= 'A' && c <= 'Z') : !IsDigit(c))
                return false;
        }
        return true;
    }();
    if (canadian)
        return compact.substr(0, 3) + ' ' + compact.substr(3);
    return std::string(zip);
}
