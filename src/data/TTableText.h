// Text of a table's fields as QString: the bytes are decoded from the table's code page
// (Windows-1252 when the table names none or names 0x03; the other common DOS and Windows
// code pages through Qt's converters when it has them).
#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

class TTableText {
public:
    explicit TTableText(uint8_t codePageByte);
    QString Decode(std::string_view bytes) const;
    // The code page's name, or empty for Windows-1252 (our own converter).
    const char* CodecName() const { return Codec; }

private:
    const char* Codec = nullptr;
};
