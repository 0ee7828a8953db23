// PCX reader: any bytes must give a picture or a null image, never crash, hang or allocate
// without bound.
#include "layout/TPcxReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QImage image = TPcxReader::Read(bytes, nullptr, 4LL * 1024 * 1024);
    if (!image.isNull() && (image.width() < 1 || image.height() < 1))
        __builtin_trap();
    return 0;
}
