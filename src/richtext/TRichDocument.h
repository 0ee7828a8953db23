// One rich-text document as the letters use it: a QTextDocument (text, character and
// paragraph formatting, page-break-before marks) plus the page layout in twips that the RTF
// text carries. The document is laid out at a fixed 1200 dots per inch whatever the screen,
// so a letter breaks its lines and pages the same in the preview, on the printer and in a PDF.
//
// The conversions between twips and the document's own units live here, so the reader, the
// writer, the editor and the renderer agree on them.
//
// Contract: a QGuiApplication exists (fonts). No widgets are involved.
#pragma once

#include "TRichPageLayout.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

class TRichDocument {
public:
    static constexpr int LayoutDpi = 1200;
    // Character-format properties that only the RTF font table needs: the font's family word
    // ("swiss", "roman", ...) and its character set number.
    static constexpr int FontFamilyWordProperty = QTextFormat::UserProperty + 1;
    static constexpr int FontCharsetProperty = QTextFormat::UserProperty + 2;
    static constexpr const char* DefaultFontName = "Arial";
    static constexpr double DefaultFontPoints = 12.0; // what RTF assumes without \fs

    TRichDocument();
    ~TRichDocument();
    TRichDocument(const TRichDocument&) = delete;
    TRichDocument& operator=(const TRichDocument&) = delete;

    // The document, laid out on the letter's device from here on (the layout is made on the
    // first call, so reading and merging a text never pay for layouts nobody looks at).
    QTextDocument& Document();
    const QTextDocument& Document() const { return const_cast<TRichDocument*>(this)->Document(); }
    // The text without its layout, for bulk edits (reading, merging) before anything is drawn.
    QTextDocument& Content() { return *Text; }
    const QTextDocument& Content() const { return *Text; }
    // Takes `content` as the document's text (the reader builds it apart).
    void Adopt(std::unique_ptr<QTextDocument> content);

    const TRichPageLayout& PageLayout() const { return Layout; }
    // Takes the corrected layout and lays the text out in its text area.
    void SetPageLayout(const TRichPageLayout& layout);

    void Clear();
    // Content and page layout of `other`; the caret goes to the start.
    void CopyFrom(const TRichDocument& other);
    // Puts `other`'s text in at `cursor` (inserting an RTF file at the caret).
    void InsertAt(QTextCursor& cursor, const TRichDocument& other);
    // Recomputes line and page breaks now rather than when next drawn.
    void Reformat();

    // The caret the merge and the editor share.
    QTextCursor& Caret() { return CaretCursor; }
    void SetCaret(int position, int selectionLength = 0);

    // --- units
    static double TwipsToLayout(int twips) { return double(twips) * LayoutDpi / TTwips::PerInch; }
    static int LayoutToTwips(double layout);
    // Qt scales tab positions, vertical paragraph spacing and fixed line heights by the layout
    // device's resolution over the screen's, so those are kept in the screen's units.
    static double TwipsToScreen(int twips);
    static int ScreenToTwips(double screen);
    double TextAreaWidth() const { return TwipsToLayout(Layout.TextWidth().Value()); }
    double TextAreaHeight() const { return TwipsToLayout(Layout.TextHeight().Value()); }

private:
    void Prepare();

    std::unique_ptr<QTextDocument> Text;
    bool LayoutMade = false;
    TRichPageLayout Layout;
    QTextCursor CaretCursor;
};
