// A record as plain text, for the clipboard copy and the one-record printout: name, title and
// organization; the address; phones; codes; comments. Each part can be left out; empty lines
// are left out. Lines end in CR LF (the clipboard text of every desktop program) and are cut at
// 200 characters, the whole text at 1000 (never between CR and LF).
#pragma once

#include <QString>

#include <functional>

struct TRecordTextParts {
    bool Name = true;     // "Name, Organization, Title"
    bool Address = true;
    bool Phones = true;
    bool Codes = true;
    bool Comments = true; // "Comments 1 && 2"
};

class TRecordText {
public:
    static constexpr int MaxLength = 1000;
    static constexpr int MaxLineLength = 200;

    // `field` gives a stored field's value without trailing blanks, by field name.
    static QString GetRecordAsString(const std::function<QString(const char* field)>& field,
                                     const TRecordTextParts& parts);
};
