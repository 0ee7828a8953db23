// Small dictionaries for the spelling tests: a main dictionary from a handful of words, written
// to a temporary folder, and every word a section holds (to read a user dictionary back).
#pragma once

#include "spelling/TDictionaryFile.h"
#include "spelling/TMainDictionaryBuilder.h"
#include "spelling/TSpellingAlphabet.h"

#include <QFile>
#include <QTemporaryDir>

#include <set>
#include <string>

inline std::string ReadAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

inline void WriteAll(const QString& path, const std::string& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

inline QString WriteMainDictionary(const QTemporaryDir& folder, const QStringList& words)
{
    const QString path = folder.filePath(QStringLiteral("main.dct"));
    WriteAll(path, TMainDictionaryBuilder::Build(words).Serialize());
    return path;
}

inline void CollectWords(const TDictionarySection& section, uint32_t group, std::string prefix,
                         std::set<std::string>& words)
{
    for (uint32_t n = group; n >= 1 && n <= section.InUse; ++n) {
        const std::string word = prefix + static_cast<char>(TSpellingAlphabet::Letter(section.Node(n).Code()));
        if (section.Node(n).End())
            words.insert(word);
        if (section.ChildOf(n) != 0)
            CollectWords(section, section.ChildOf(n), word, words);
        if (section.Node(n).Last())
            break;
    }
}

inline std::set<std::string> WordsOf(const TDictionarySection& section)
{
    std::set<std::string> words;
    CollectWords(section, 1, {}, words);
    return words;
}
