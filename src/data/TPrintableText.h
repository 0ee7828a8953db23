// Text from a file we did not write (a field name in a damaged table, an engine message that
// quotes one) shown to the user: control characters become visible escapes, so a stray byte
// can neither garble a window or a terminal nor hide what follows it.
#pragma once

#include <QString>

#include <string_view>

class TPrintableText {
public:
    // Every control character (below 32, 127 and 128..159) as \xNN; the rest as it is.
    static QString Escaped(const QString& text);
    // Bytes taken as UTF-8 where they are valid (engine messages are), escaped as above.
    static QString Escaped(std::string_view bytes);
};
