// The spelling component: checks words against one read-only main dictionary and any number of
// user dictionaries, adds words to a user dictionary and proposes replacements for an unknown
// word. The letter designer's spelling check and the `spell` command use it; it has no windows.
//
// User dictionaries are kept in memory and re-read when their file changed (another program may
// have added words; the files are looked at again at most every 50 ms); an added word is written to a new file that is then renamed over the
// old one, so a crash leaves either dictionary whole. A full user dictionary grows.
#pragma once

#include "TDictionaryFile.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TViredSpell {
public:
    static constexpr int CannotOpen = -1;
    // A file that is a dictionary but not a user dictionary: it is never written to.
    static constexpr int NotUserDictionary = -2;
    static constexpr int SuggestionLimit = 220;

    QString DictionaryName = QStringLiteral("vired.dct");
    QString DictionaryUser = QStringLiteral("custom.dct");
    int MaxSuggestions = 10;

    TViredSpell();
    ~TViredSpell();

    // True when the file opens and its first section is a main dictionary's.
    bool OpenMain(const QString& path);
    bool HasMain() const { return Main.has_value(); }
    // The handle (0, 1, ... in order of opening), CannotOpen or NotUserDictionary.
    int OpenUser(const QString& path);
    // Writes a new user dictionary holding `words`; its handle or CannotOpen.
    int CreateUser(const QString& path, const QStringList& words = {});

    bool Check(const QString& word);
    // False for a bad handle, or when the dictionary cannot hold or write the word (LastError).
    bool Add(const QString& word, int handle);
    QStringList Suggestions(const QString& word);
    void Close();
    QString LastError() const { return Error; }

    // Extra suggestions (from another spelling engine) offered after our own list; each is kept
    // only when Check accepts it and the list lacks it, at most `count` of them.
    using TExtraSuggestions = std::function<QStringList(const QString& word)>;
    void SetExtraSuggestions(TExtraSuggestions source, int count);

private:
    struct TUserDictionary;
    class TSuggestionList;

    bool EnsureMain();
    void RefreshUsers();
    bool Known(const std::string& upperWord) const;
    void Walk(const TDictionarySection& section, uint32_t group, std::string& prefix, const std::string& key,
              std::vector<uint32_t>& visited, uint32_t walk, TSuggestionList& list) const;

    std::optional<TDictionaryFile> Main;
    std::vector<std::unique_ptr<TUserDictionary>> Users;
    TExtraSuggestions Extra;
    int ExtraCount = 0;
    QString Error;
    QElapsedTimer SinceRefresh;
};
