// The settings file: sectioned "key=value" text with the rules the program's settings have
// always had. Every operation looks at the file on the disk, so two windows never disagree
// about a value and nothing is lost when the program dies; a file is parsed again only when
// its size or time changed, so reading many settings from a large file stays cheap.
//
// - Sections and keys compare case-insensitively; surrounding blanks are ignored.
// - Integers are written in decimal; a value longer than two characters beginning "0x"/"0X"
//   reads as hexadecimal; a value that is not a whole number gives the default.
// - Booleans are written "1"/"0" and read true for any non-zero integer.
// - Text reads up to 1023 characters.
// - A missing file, section or key gives the default.
// - A write keeps every other line of the file as it was and goes through a temporary file
//   synced and renamed into place; a write that fails throws TIniError naming the file and
//   leaves the old file as it was.
#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

class TIniError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TIniFile {
public:
    static constexpr int MaxValueLength = 1023;

    explicit TIniFile(QString path) : FilePath(std::move(path)) {}
    const QString& FileName() const { return FilePath; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    QStringList ReadSectionKeys(const QString& section) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void DeleteKey(const QString& section, const QString& key);
    void EraseSection(const QString& section);

    // The integer rule on its own: `text` read as the settings file reads integers.
    static int ParseInteger(const QString& text, int defaultValue);

private:
    QStringList ReadLines() const;
    void WriteLines(const QStringList& lines);

    QString FilePath;
};
