// Paragraph and character settings as the RTF text states them (twips, half-points, colour
// values), and their one translation to and from Qt's block and character formats. The reader,
// the writer and the paragraph dialog all go through these, so a value read is the value
// written back.
#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <optional>

struct TTabStop {
    enum TKind { tkLeft, tkRight, tkCenter, tkDecimal };
    int Position = 0; // twips from the left edge of the text area, as RTF measures tabs
    TKind Kind = tkLeft;
    bool operator==(const TTabStop&) const = default;
};

struct TParagraphSettings {
    enum TAlign { paLeft, paRight, paCenter, paJustify };
    TAlign Align = paLeft;
    int FirstIndent = 0; // twips, relative to the left indent
    int LeftIndent = 0;
    int RightIndent = 0;
    int SpaceBefore = 0;
    int SpaceAfter = 0;
    int LineSpacing = 0;      // RTF \sl: 0 single; > 0 at least (or 240ths of a line when multiple); < 0 exactly
    bool LineMultiple = false; // RTF \slmult1
    QList<TTabStop> Tabs;
    bool PageBreakBefore = false;
    bool operator==(const TParagraphSettings&) const = default;

    void ApplyTo(QTextBlockFormat& format) const;
    static TParagraphSettings From(const QTextBlockFormat& format);
};

struct TCharacterSettings {
    QString FontName;   // empty: the document's default font
    QString FamilyWord; // "swiss", "roman", ... as the font table gave it; empty: "nil"
    int Charset = 0;
    int HalfPoints = 24;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    std::optional<QColor> Color;      // none: automatic (black)
    std::optional<QColor> Background; // none: no highlight
    bool operator==(const TCharacterSettings&) const = default;

    QTextCharFormat ToFormat() const;
    static TCharacterSettings From(const QTextCharFormat& format);
};
