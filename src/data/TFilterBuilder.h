// Turns the filter entries into one engine condition. An entry may hold several values: ";"
// between them means either, "+" both, "^" the first but not the second; each value may start
// with >=, >, <=, < or $ (contained in the field). Without an operator the value is compared
// with "=", which with exact off means "begins with". Values are upper-cased the way the
// engine's UPPER does (Windows-1252), so müller finds MÜLLER. Each value is written as a
// literal the engine reads back exactly (TXbaseLiteral), so no value can break the condition or
// change its meaning; a value that no literal can hold is refused with EFilterValue.
#pragma once

#include "TQueryValues.h"

#include <QString>

#include <stdexcept>

// A typed value that cannot be searched for (it holds ", ' and ] alike); what() is the message
// for the user, in UTF-8.
class EFilterValue : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TFilterBuilder {
public:
    static constexpr int MaxValueLength = 99; // of the text after an operator

    // Throws EFilterValue for a value no literal can hold.
    static QString BuildFieldCondition(const QString& fieldExpression, const QString& value);
    // Empty when every value is empty and Tagged is off. Throws EFilterValue as above.
    static QString BuildQueryString(const TQueryValues& values, const QString& globalTagId);
    // Upper case as the engine's UPPER sees it; characters outside Windows-1252 keep their case.
    static QString UpperAsEngine(const QString& text);
};
