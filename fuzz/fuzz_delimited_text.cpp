// Delimited-text reader: any bytes must detect a format, read as records and end, with every
// record inside the reader's bounds (no value past its length limit, no more values than the
// column limit) whatever the encoding asked for.
#include "import/TDelimitedTextReader.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {
void Check(const QStringList& values)
{
    if (values.size() > TDelimitedTextReader::MaxColumns)
        __builtin_trap();
    for (const QString& value : values)
        if (value.size() > TDelimitedTextReader::MaxValueLength)
            __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TDelimitedTextFormat detected = TDelimitedTextReader::DetectFormat(bytes, {"LNAME", "Last Name", "ZIP"});
    {
        QBuffer whole(&bytes);
        whole.open(QIODevice::ReadOnly);
        (void)TDelimitedTextReader::DetectEncoding(whole); // the pass over every byte ends
    }
    for (TTextEncoding encoding : {detected.Encoding, TTextEncoding::teCp1252, TTextEncoding::teUtf16BE}) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        TDelimitedTextReader reader(buffer, encoding, detected.Delimiter);
        QStringList values;
        size_t records = 0;
        while (reader.ReadRecord(values)) {
            Check(values);
            if (++records > size + 1) // every record consumes at least one character
                __builtin_trap();
        }
    }
    for (const QStringList& record : TDelimitedTextReader::SplitText(QString::fromUtf8(bytes), u';'))
        Check(record);
    return 0;
}
