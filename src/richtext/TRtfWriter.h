// Writes a TRichDocument as RTF text: 7-bit, CR LF line ends, one line per paragraph, a font
// and a colour table of what the text uses, the page layout always. Windows-1252 characters are
// written as \'hh, so a Windows-1252 memo loses nothing; any other character as \uN?.
//
// Deterministic: the same document always gives the same bytes, and reading the text back and
// writing it again gives those bytes once more.
#pragma once

#include <QByteArray>

class TRichDocument;

class TRtfWriter {
public:
    static QByteArray Write(const TRichDocument& document);
};
