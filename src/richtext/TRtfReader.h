// Reads RTF text into a TRichDocument: the subset letters hold (fonts, sizes, bold, italic,
// underline, colours, paragraphs with alignment, indents, spacing and tab stops, line and page
// breaks, page size and margins, Unicode and code-page characters). Everything else is skipped:
// unknown control words with their parameter, starred and unsupported destinations whole.
//
// The bytes are untrusted: groups are tracked on an explicit stack (never by recursion) and
// refused beyond MaximumDepth; missing closing braces close the document at the end, surplus ones
// end it; \bin lengths and numbers are checked and clamped. A page layout that leaves no text
// area is put back to the defaults.
#pragma once

#include <QByteArray>

#include <stdexcept>

class TRichDocument;

class ERtfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TRtfReader {
public:
    static constexpr int MaximumDepth = 1000;

    // Replaces the document's content and page layout by `rtf`. Throws ERtfError for bytes that
    // do not begin with "{\rtf" or nest groups deeper than MaximumDepth; the document is then
    // left empty with the default page layout.
    static void Read(const QByteArray& rtf, TRichDocument& document);
};
