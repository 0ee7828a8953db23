// Small helpers shared by the rich-text tests: reading snippets, the fixture folder, and the
// character settings of the run at a text position.
#pragma once

#include "richtext/TRichDocument.h"
#include "richtext/TRichFormats.h"
#include "richtext/TRichTextFinder.h"
#include "richtext/TRtfReader.h"
#include "richtext/TRtfWriter.h"

#include <QFile>
#include <QTextBlock>

#include <memory>

inline std::unique_ptr<TRichDocument> ReadRtf(const QByteArray& rtf)
{
    auto document = std::make_unique<TRichDocument>();
    TRtfReader::Read(rtf, *document);
    return document;
}

inline QByteArray RichFixture(const QString& name)
{
    QFile file(QStringLiteral(QUORVANE_TEST_FIXTURES_DIR "/richtext/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The text with "\n" between paragraphs; line breaks and no-break spaces stay as they are.
inline QString PlainText(const TRichDocument& document)
{
    return document.Document().toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

// The settings of the character at the first occurrence of `text`.
inline TCharacterSettings CharacterAt(const TRichDocument& document, const QString& text)
{
    const int position = int(PlainText(document).indexOf(text));
    return TCharacterSettings::From(TRichTextFinder::AttributesAt(document.Document(), position));
}

inline TParagraphSettings ParagraphAt(const TRichDocument& document, const QString& text)
{
    const int position = int(PlainText(document).indexOf(text));
    return TParagraphSettings::From(document.Document().findBlock(position).blockFormat());
}

#include <ostream>

inline void PrintTo(const TCharacterSettings& s, std::ostream* os)
{
    *os << "{font " << s.FontName.toStdString() << " (" << s.FamilyWord.toStdString() << ", " << s.Charset << ") "
        << s.HalfPoints << " half-points" << (s.Bold ? " bold" : "") << (s.Italic ? " italic" : "")
        << (s.Underline ? " underline" : "") << " colour " << (s.Color ? s.Color->name().toStdString() : "auto")
        << " background " << (s.Background ? s.Background->name().toStdString() : "none") << "}";
}

inline void PrintTo(const TParagraphSettings& p, std::ostream* os)
{
    *os << "{align " << p.Align << " fi " << p.FirstIndent << " li " << p.LeftIndent << " ri " << p.RightIndent << " sb "
        << p.SpaceBefore << " sa " << p.SpaceAfter << " sl " << p.LineSpacing << (p.LineMultiple ? " mult" : "") << " tabs";
    for (const TTabStop& tab : p.Tabs)
        *os << " " << tab.Position << "/" << tab.Kind;
    *os << (p.PageBreakBefore ? " pagebb" : "") << "}";
}

inline void PrintTo(const TTabStop& tab, std::ostream* os) { *os << tab.Position << "/" << tab.Kind; }
