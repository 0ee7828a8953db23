// Writes and reads layout streams: one object list for labels, envelopes and the layout
// clipboard, three lists and the settings list for reports. Reading recreates each object by
// its class name, names it "Component" + the lowest free number, puts it on the target panel and
// assigns its stored properties through the same setters as an interactive change.
//
// Errors end a read with TLStreamError naming the file; the object being read is discarded and
// those completed before it stay on the panel. A missing file is not an error: reads do nothing.
// Files are written to a temporary file and renamed into place.
#pragma once

#include "TLReportSettings.h"
#include "TLStreamValue.h"

#include <functional>
#include <vector>

class TLBasePanel;
class TLGraphicControl;
class TLStreamReader;
class TLStreamWriter;

class TLLabelObjectFiler {
public:
    // Called with every object record as stored, before its object is created (`layout show`).
    std::function<void(const TLObjectRecord&)> OnRecord;

    // ---- files
    void WritePanel(const TLBasePanel& panel, const QString& fileName);
    void ReadIntoPanel(TLBasePanel& panel, const QString& fileName);
    // As ReadIntoPanel, every object moved 15 pixels right and down (pasting).
    void ReadShifted(TLBasePanel& panel, const QString& fileName);
    // The selected objects in selection order; nothing is written when none is selected.
    void WriteSelection(const std::vector<const TLGraphicControl*>& selection, const QString& fileName);
    // The bytes WriteReport stores (the designer compares them to tell unsaved work).
    static QByteArray ReportBytes(const TLBasePanel& header, const TLBasePanel& detail, const TLBasePanel& footer,
                                  const TLReportSettings& settings);
    void WriteReport(const TLBasePanel& header, const TLBasePanel& detail, const TLBasePanel& footer,
                     const TLReportSettings& settings, const QString& fileName);
    // The three lists onto the panels, then the settings. With `rawSettings` the settings
    // values are also handed back as stored.
    void ReadReport(TLBasePanel& header, TLBasePanel& detail, TLBasePanel& footer, TLReportSettings& settings,
                    const QString& fileName, std::vector<TLValue>* rawSettings = nullptr);
    // A copy of `object` on `panel` through a memory stream (not shifted).
    static TLGraphicControl* CloneObject(const TLGraphicControl& object, TLBasePanel& panel);

    // ---- streams in memory
    static void WriteObjectList(TLStreamWriter& writer, const std::vector<const TLGraphicControl*>& objects);
    static QByteArray ObjectListBytes(const std::vector<const TLGraphicControl*>& objects);
    static std::vector<const TLGraphicControl*> ObjectsOf(const TLBasePanel& panel);
    // Reads one object list onto `panel`; returns the objects read.
    std::vector<TLGraphicControl*> ReadObjectList(TLStreamReader& reader, TLBasePanel& panel, bool shifted = false);

    // The file's bytes, or false when it does not exist; "Cannot open file %s" when it cannot
    // be read.
    static bool ReadFile(const QString& fileName, QByteArray& bytes);
    // Writes through a temporary file renamed into place; "Cannot create file %s" on failure.
    static void WriteFile(const QString& fileName, const QByteArray& bytes);

private:
    void ReadFileIntoPanel(TLBasePanel& panel, const QString& fileName, bool shifted);
};
