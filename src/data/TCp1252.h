// Text in tables is Windows-1252; the program works in QString. This is the one place that
// converts between them. A character Windows-1252 cannot hold is written as '?', and the
// caller learns of it so it can tell the user once per operation.
#pragma once

#include <QString>

#include <string>
#include <string_view>

class TCp1252 {
public:
    static QString Decode(std::string_view bytes);
    // `lossy` (when given) is set to true if any character had to become '?'; it is never reset.
    static std::string Encode(const QString& text, bool* lossy = nullptr);
    static char16_t ToUnicode(unsigned char byte);
};
