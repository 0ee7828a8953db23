#include "TViredSpell.h"

#include "data/TSafeFileWriter.h"

#include "TSpellingAlphabet.h"

#include <QFile>

#include <sys/stat.h>

#include <algorithm>
#include <array>

namespace {

constexpr size_t LongestWord = 25;
// Deeper than any word; a damaged tree cannot take the walk further.
constexpr size_t DeepestWalk = 64;
constexpr qint64 RefreshIntervalMs = 50;

// A file's identity and version: a rename, a write or a new size all change it.
struct TFileSignature {
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = -1;
    timespec Modified{};

    bool operator==(const TFileSignature& other) const
    {
        return Device == other.Device && Inode == other.Inode && Size == other.Size
            && Modified.tv_sec == other.Modified.tv_sec && Modified.tv_nsec == other.Modified.tv_nsec;
    }
};

TFileSignature SignatureOf(const QString& path)
{
    TFileSignature signature;
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        signature.Device = status.st_dev;
        signature.Inode = status.st_ino;
        signature.Size = status.st_size;
        signature.Modified = status.st_mtim;
    }
    return signature;
}

std::optional<std::string> ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// The first letters a misspelt word may really have begun with, most likely first.
const std::string& CandidateFirstLetters(unsigned char first)
{
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> candidates;
        const auto set = [&](std::initializer_list<int> firsts, const char* letters) {
            for (int c : firsts)
                candidates[static_cast<size_t>(c)] = letters;
        };
        const auto range = [](int from, int to) {
            std::vector<int> all;
            for (int c = from; c <= to; ++c)
                all.push_back(c);
            return all;
        };
        for (int c : range(0xC0, 0xC6))
            candidates[static_cast<size_t>(c)] = "EDA\xC0\xC1\xC2\xC3\xC4\xC5\xC6";
        set({'A'}, "EDA\xC0\xC1\xC2\xC3\xC4\xC5\xC6");
        set({'B', 0xDF}, "PVNB\xDF");
        set({'C', 0x8C, 0xC7}, "SXVC\xC7\x8C");
        set({'D', 0xD0}, "FD\xD0");
        set({'E'}, "IWRE\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF");
        for (int c : range(0xC8, 0xCB))
            candidates[static_cast<size_t>(c)] = "IWRE\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF";
        set({'F'}, "DGF");
        set({'G'}, "JG");
        set({'H'}, "JGH");
        set({'I'}, "EOUI\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF");
        for (int c : range(0xCC, 0xCF))
            candidates[static_cast<size_t>(c)] = "EOUI\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF";
        set({'J'}, "GJ");
        set({'K'}, "CLJK");
        set({'L'}, "KL");
        set({'M'}, "NM\xD1");
        set({'N', 0xD1}, "MBN\xD1");
        set({'O'}, "PIO\xD2\xD3\xD4\xD5\xD6\xCC\xCD\xCE\xCF");
        for (int c : range(0xD2, 0xD6))
            candidates[static_cast<size_t>(c)] = "PIO\xD2\xD3\xD4\xD5\xD6\xCC\xCD\xCE\xCF";
        set({'P', 0xDE}, "BOP\xDE");
        set({'Q'}, "WQ");
        set({'R'}, "ETR");
        set({'S'}, "ACDS\x8A\x8C");
        set({'T'}, "YRT");
        set({'U'}, "YIU\xD9\xDA\xDB\xDC");
        for (int c : range(0xD9, 0xDC))
            candidates[static_cast<size_t>(c)] = "YIU\xD9\xDA\xDB\xDC";
        set({'V'}, "BCV\xC7\x8C");
        set({'W'}, "QEW");
        set({'X'}, "CZX");
        set({'Y', 0x9F, 0xDD}, "TUY\x9F\xDD");
        set({'Z'}, "XZ");
        for (int c = 0; c < 256; ++c)
            if (candidates[static_cast<size_t>(c)].empty())
                candidates[static_cast<size_t>(c)] = std::string(1, static_cast<char>(c));
        return candidates;
    }();
    return table[first];
}

// Writes a new file and renames it over the old one: a crash leaves one dictionary or the other.
bool WriteDictionary(const QString& path, const TDictionaryFile& file, QString& error)
{
    const std::string bytes = file.Serialize();
    QString cause;
    if (TSafeFileWriter::WriteWhole(path, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), &cause))
        return true;
    error = QStringLiteral("Cannot write the user dictionary %1: %2").arg(path, cause);
    return false;
}

std::string WithoutApostrophes(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\''), text.end());
    return text;
}

bool IsSmallLetter(unsigned char c) { return TSpellingAlphabet::Upper(c) != c; }

// The suggestion in the letter case of the word as typed.
std::string InTypedCase(const std::string& suggestion, const std::string& typed)
{
    if (std::none_of(typed.begin(), typed.end(), [](char c) { return IsSmallLetter(static_cast<unsigned char>(c)); }))
        return suggestion;
    std::string result = suggestion;
    for (size_t i = 0; i < result.size(); ++i) {
        const auto c = static_cast<unsigned char>(result[i]);
        const bool capital = i < typed.size()
            && TSpellingAlphabet::Lower(static_cast<unsigned char>(typed[i])) != static_cast<unsigned char>(typed[i]);
        result[i] = static_cast<char>(capital ? TSpellingAlphabet::Upper(c) : TSpellingAlphabet::Lower(c));
    }
    return result;
}

} // namespace

struct TViredSpell::TUserDictionary {
    QString Path;
    TDictionaryFile File;
    TFileSignature Signature;
};

// The ranked list: highest score first, a newcomer after every entry scoring as much, each text
// once, the lowest dropping out when the list is full.
class TViredSpell::TSuggestionList {
public:
    TSuggestionList(size_t limit, std::string upperWord) : Limit(limit), Word(std::move(upperWord)) {}

    void Offer(const std::string& candidate)
    {
        if (Limit == 0)
            return;
        for (const auto& entry : Entries)
            if (entry.first == candidate)
                return;
        const int score = TSpellingAlphabet::Similarity(WithoutApostrophes(candidate), Word);
        auto at = std::find_if(Entries.begin(), Entries.end(), [&](const auto& entry) { return entry.second < score; });
        if (at == Entries.end() && Entries.size() >= Limit)
            return;
        Entries.insert(at, {candidate, score});
        if (Entries.size() > Limit)
            Entries.pop_back();
    }

    std::vector<std::pair<std::string, int>> Entries;

private:
    size_t Limit;
    std::string Word;
};

TViredSpell::TViredSpell() = default;
TViredSpell::~TViredSpell() = default;

bool TViredSpell::OpenMain(const QString& path)
{
    Main.reset();
    const std::optional<std::string> bytes = ReadBytes(path);
    if (!bytes) {
        Error = QStringLiteral("Cannot open the dictionary %1").arg(path);
        return false;
    }
    try {
        TDictionaryFile file = TDictionaryFile::Parse(*bytes);
        if (!file.IsMain()) {
            Error = QStringLiteral("%1 is not a main dictionary").arg(path);
            return false;
        }
        Main = std::move(file);
        return true;
    } catch (const EDictionaryError& error) {
        Error = QStringLiteral("%1: %2").arg(path, QString::fromUtf8(error.what()));
        return false;
    }
}

int TViredSpell::OpenUser(const QString& path)
{
    const TFileSignature signature = SignatureOf(path);
    const std::optional<std::string> bytes = ReadBytes(path);
    if (!bytes) {
        Error = QStringLiteral("Cannot open the user dictionary %1").arg(path);
        return CannotOpen;
    }
    try {
        TDictionaryFile file = TDictionaryFile::Parse(*bytes);
        if (file.IsMain()) {
            Error = QStringLiteral("%1 is not a user dictionary").arg(path);
            return NotUserDictionary;
        }
        Users.push_back(std::make_unique<TUserDictionary>(TUserDictionary{path, std::move(file), signature}));
        return static_cast<int>(Users.size()) - 1;
    } catch (const EDictionaryError& error) {
        Error = QStringLiteral("%1 is not a user dictionary: %2").arg(path, QString::fromUtf8(error.what()));
        return NotUserDictionary;
    }
}

int TViredSpell::CreateUser(const QString& path, const QStringList& words)
{
    TDictionaryFile file = TDictionaryFile::NewUser();
    for (const QString& word : words)
        file.Sections.front().Add(TSpellingAlphabet::Upper(TSpellingAlphabet::ToBytes(word)));
    if (!WriteDictionary(path, file, Error))
        return CannotOpen;
    Users.push_back(std::make_unique<TUserDictionary>(TUserDictionary{path, std::move(file), SignatureOf(path)}));
    return static_cast<int>(Users.size()) - 1;
}

bool TViredSpell::EnsureMain() { return Main.has_value() || OpenMain(DictionaryName); }

// Another program may have added words: a changed file is read again (a file that has become
// unreadable keeps the words last read).
void TViredSpell::RefreshUsers()
{
    // Looking at the files costs a system call each; a document's words are checked in a burst,
    // so the files are looked at again only after a short while.
    if (SinceRefresh.isValid() && SinceRefresh.elapsed() < RefreshIntervalMs)
        return;
    SinceRefresh.start();
    for (auto& user : Users) {
        const TFileSignature now = SignatureOf(user->Path);
        if (now == user->Signature)
            continue;
        const std::optional<std::string> bytes = ReadBytes(user->Path);
        if (!bytes)
            continue;
        try {
            TDictionaryFile file = TDictionaryFile::Parse(*bytes);
            if (!file.IsMain()) {
                user->File = std::move(file);
                user->Signature = now;
            }
        } catch (const EDictionaryError&) {
        }
    }
}

bool TViredSpell::Known(const std::string& upperWord) const
{
    if (upperWord.size() <= 1)
        return true;
    if (Main && Main->Contains(upperWord))
        return true;
    for (const auto& user : Users)
        if (user->File.Contains(upperWord))
            return true;
    const size_t size = upperWord.size();
    // "'S" alone is no word: the possessive needs a stem.
    if (size > 2 && upperWord[size - 2] == '\'' && upperWord[size - 1] == 'S')
        return Known(upperWord.substr(0, size - 2));
    return false;
}

bool TViredSpell::Check(const QString& word)
{
    EnsureMain();
    RefreshUsers();
    return Known(TSpellingAlphabet::Upper(TSpellingAlphabet::ToBytes(word)));
}

bool TViredSpell::Add(const QString& word, int handle)
{
    if (handle < 0 || handle >= static_cast<int>(Users.size())) {
        Error = QStringLiteral("There is no user dictionary to add to");
        return false;
    }
    RefreshUsers();
    TUserDictionary& user = *Users[static_cast<size_t>(handle)];
    TDictionaryFile grown = user.File;
    if (!grown.Sections.front().Add(TSpellingAlphabet::Upper(TSpellingAlphabet::ToBytes(word)))) {
        Error = QStringLiteral("The user dictionary %1 is full").arg(user.Path);
        return false;
    }
    if (!WriteDictionary(user.Path, grown, Error))
        return false;
    user.File = std::move(grown);
    user.Signature = SignatureOf(user.Path);
    return true;
}

void TViredSpell::Walk(const TDictionarySection& section, uint32_t group, std::string& prefix, const std::string& key,
                       std::vector<uint32_t>& visited, uint32_t walk, TSuggestionList& list) const
{
    if (prefix.size() >= DeepestWalk)
        return;
    for (uint32_t n = group; n >= 1 && n <= section.InUse; ++n) {
        const TDictionaryNode& node = section.Node(n);
        prefix += static_cast<char>(TSpellingAlphabet::Letter(node.Code()));
        if (node.End())
            list.Offer(prefix);
        const uint32_t child = section.ChildOf(n);
        if (child != 0 && visited[child] != walk) {
            const std::string prefixKey = TSpellingAlphabet::RawKey(prefix);
            const size_t compared = std::min(prefixKey.size(), key.size());
            if (prefixKey.compare(0, compared, key, 0, compared) == 0) {
                visited[child] = walk;
                Walk(section, child, prefix, key, visited, walk, list);
            }
        }
        prefix.pop_back();
        if (node.Last())
            break;
    }
}

QStringList TViredSpell::Suggestions(const QString& word)
{
    EnsureMain();
    RefreshUsers();
    const std::string typed = TSpellingAlphabet::ToBytes(word).substr(0, LongestWord);
    const std::string upper = TSpellingAlphabet::Upper(typed);
    if (upper.empty())
        return {};
    TSuggestionList list(static_cast<size_t>(std::clamp(MaxSuggestions, 0, SuggestionLimit)), upper);
    std::string key = TSpellingAlphabet::Key(upper);

    std::vector<const TDictionarySection*> sections;
    if (Main)
        for (const TDictionarySection& section : Main->Sections)
            sections.push_back(&section);
    for (const auto& user : Users)
        sections.push_back(&user->File.Sections.front());
    std::vector<std::vector<uint32_t>> visited;
    for (const TDictionarySection* section : sections)
        visited.emplace_back(section->InUse + 1, 0);

    uint32_t walk = 0;
    for (const char first : CandidateFirstLetters(static_cast<unsigned char>(upper[0]))) {
        key[0] = first;
        ++walk;
        for (size_t s = 0; s < sections.size(); ++s) {
            std::string prefix;
            Walk(*sections[s], 1, prefix, key, visited[s], walk, list);
        }
    }

    // Two words written together: every split whose halves are both words.
    const size_t size = upper.size();
    const auto isAorI = [](char c) { return c == 'A' || c == 'I'; };
    const size_t from = isAorI(upper.front()) ? 1 : 2;
    const size_t to = isAorI(upper.back()) ? size - 1 : (size >= 2 ? size - 2 : 0);
    for (size_t d = from; d <= to && d < size; ++d)
        if (Known(upper.substr(0, d)) && Known(upper.substr(d)))
            list.Offer(upper.substr(0, d) + ' ' + upper.substr(d));

    QStringList result;
    for (const auto& entry : list.Entries)
        result << TSpellingAlphabet::FromBytes(InTypedCase(entry.first, typed));
    if (Extra && ExtraCount > 0) {
        int added = 0;
        for (const QString& extra : Extra(word)) {
            if (added >= ExtraCount)
                break;
            if (!result.contains(extra, Qt::CaseInsensitive) && Known(TSpellingAlphabet::Upper(TSpellingAlphabet::ToBytes(extra)))) {
                result << extra;
                ++added;
            }
        }
    }
    return result;
}

void TViredSpell::SetExtraSuggestions(TExtraSuggestions source, int count)
{
    Extra = std::move(source);
    ExtraCount = count;
}

void TViredSpell::Close()
{
    Main.reset();
    Users.clear();
}
