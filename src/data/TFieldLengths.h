// The widths of the eighteen settable address fields used when a new table is created, kept in
// [NewFileFieldLengths] of the settings file. A missing value gives the default, and any value
// below 5 or above 80 is replaced by the default, both when reading and before writing.
#pragma once

#include <QString>

#include <map>

class TIniFile;

class TFieldLengths {
public:
    static constexpr int MinimumWidth = 5;
    static constexpr int MaximumWidth = 80;
    static constexpr const char* Section = "NewFileFieldLengths";

    // Defaults for every settable field.
    TFieldLengths();
    static TFieldLengths Read(const TIniFile& settings);
    void Write(TIniFile& settings) const;

    // Width of a stored field: the settable value, or the fixed width of the others.
    int Width(const QString& fieldName) const;
    void SetWidth(const QString& fieldName, int width); // corrected as when writing
    static int Corrected(const QString& fieldName, int width);

private:
    std::map<QString, int> Widths; // by field name, settable fields only
};
