// Small text rules shared by every reader and writer of address records: trimming (only the
// space character), the derived name and address fields, and the memo padding rule.
#pragma once

#include <QString>

class TAddressText {
public:
    static constexpr int DerivedWidth = 35;

    static QString TrimRight(const QString& text); // trailing spaces only
    static QString TrimLeft(const QString& text);  // leading spaces only
    static QString Trim(const QString& text);

    // (FNAME + " " + MIDDLE) without trailing blanks, + " " + LNAME; cut to 35.
    static QString FullName(const QString& first, const QString& middle, const QString& last);
    // (PREFIX + " " + FNAME + " " + MIDDLE) without leading and trailing blanks, + " " + LNAME; cut to 35.
    static QString FullNameWithPrefix(const QString& prefix, const QString& first, const QString& middle,
                                      const QString& last);
    // (CITY + " ") and (STATE + " ") without leading blanks, then ZIP; no comma; cut to 35.
    static QString CityStateZip(const QString& city, const QString& state, const QString& zip);

    // Before a memo is stored: a text whose length (lines joined by CR LF) is a positive
    // multiple of 4 gets one blank appended to its last line. Every writer of memos calls this.
    static QString PadMemo(const QString& memo);
};
