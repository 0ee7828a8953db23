// Turns the filter entries into one engine condition. An entry may hold several values: ";"
// between them means either, "+" both, "^" the first but not the second; each value may start
// with >=, >, <=, < or $ (contained in the field). Without an operator the value is compared
// with "=", which with exact off means "begins with". Values are upper-cased the way the
// engine's UPPER does (Windows-1252), so müller finds MÜLLER. A double quote in a value is
// passed on unchanged; the engine then refuses the condition.
#pragma once

#include "TQueryValues.h"

#include <QString>

class TFilterBuilder {
public:
    static constexpr int MaxValueLength = 99; // of the text after an operator

    static QString BuildFieldCondition(const QString& fieldExpression, const QString& value);
    // Empty when every value is empty and Tagged is off.
    static QString BuildQueryString(const TQueryValues& values, const QString& globalTagId);
    // Upper case as the engine's UPPER sees it; characters outside Windows-1252 keep their case.
    static QString UpperAsEngine(const QString& text);
};
