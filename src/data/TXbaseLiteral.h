// Writes a typed value into an engine condition as a text literal. The engine reads three
// delimiters ("…", '…' and […]); the value is wrapped in the first one it does not contain, so
// a value holding a double quote can neither break the condition nor change its meaning.
// A value holding all three cannot be written as one literal: the caller refuses it.
#pragma once

#include <QString>

#include <optional>

class TXbaseLiteral {
public:
    // The literal with its delimiters, or nothing when the value holds ", ' and ] alike.
    static std::optional<QString> Quote(const QString& value);
    // The message a caller shows when Quote gives nothing.
    static QString RefusedMessage(const QString& value);
};
