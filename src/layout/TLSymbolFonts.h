// Symbol fonts on machines that lack them. A layout keeps the stored character code of a
// Wingdings, Webdings or Symbol text; when that font is not installed we draw the Unicode
// equivalent from our own table in a delivered free font (DejaVu Sans), so a symbol still looks
// like itself on screen and paper.
#pragma once

#include <QString>

class TLSymbolFonts {
public:
    // The family to draw `name` with: the font itself when installed, else the free font.
    static QString DrawingFamily(const QString& name);
    // `text` as drawn in `fontName`: the Unicode equivalents when the font is substituted.
    static QString DrawingText(const QString& fontName, const QString& text);
    static bool IsSymbolFont(const QString& name);
};
