// What a layout file holds, as text: one line per object ("CLASS NAME at LEFT,TOP size WxH"
// followed by every other stored property as " Name=Value", values as stored), band headings
// and the settings of a report. The file is read with the designer's reader, so it fails with
// the same messages.
#pragma once

#include <QString>

class TLayoutDescription {
public:
    // Throws TLStreamError; a missing file is "Cannot open file %s".
    static QString Describe(const QString& fileName);
    static bool IsReportFile(const QString& fileName);
};
