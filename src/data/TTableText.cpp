#include "TTableText.h"
#include "TCp1252.h"

#include <QStringDecoder>

namespace {
struct TCodePageName {
    uint8_t Byte;
    const char* Name;
};
// Code page marks of the table header and the converters that read them.
const TCodePageName codePages[] = {
    {0x01, "IBM437"},       {0x02, "IBM850"},       {0x04, "macintosh"},    {0x64, "IBM852"},
    {0x65, "IBM866"},       {0xC8, "windows-1250"}, {0xC9, "windows-1251"}, {0xCA, "windows-1254"},
    {0xCB, "windows-1253"}, {0x7D, "windows-1255"}, {0x7E, "windows-1256"},
};
} // namespace

TTableText::TTableText(uint8_t codePageByte)
{
    for (const auto& page : codePages)
        if (page.Byte == codePageByte && QStringDecoder(page.Name).isValid())
            Codec = page.Name;
}

QString TTableText::Decode(std::string_view bytes) const
{
    if (!Codec)
        return TCp1252::Decode(bytes);
    QStringDecoder decoder(Codec);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
