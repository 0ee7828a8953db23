#include "TReportText.h"

#include "output/TMemoParagraphs.h"

namespace {

// Cuts `word` into pieces no wider than `width` (at least one character each).
QStringList CutWord(const QString& word, TInches width, const TReportText::TMeasure& measure)
{
    QStringList pieces;
    QString piece;
    for (const QChar c : word) {
        if (!piece.isEmpty() && measure(piece + c) > width) {
            pieces << piece;
            piece.clear();
        }
        piece += c;
    }
    if (!piece.isEmpty())
        pieces << piece;
    return pieces;
}

void WrapParagraph(const QString& paragraph, TInches width, const TReportText::TMeasure& measure, QStringList& lines)
{
    const QStringList words = paragraph.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        lines << QString();
        return;
    }
    QString line;
    for (const QString& word : words) {
        const QString joined = line.isEmpty() ? word : line + u' ' + word;
        if (measure(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        line.clear();
        const QStringList pieces = measure(word) <= width ? QStringList{word} : CutWord(word, width, measure);
        for (int i = 0; i + 1 < pieces.size(); ++i)
            lines << pieces[i];
        line = pieces.last();
    }
    lines << line;
}

} // namespace

QStringList TReportText::WrapLines(const QString& text, TInches width, const TMeasure& measure)
{
    QStringList lines;
    for (QString paragraph : TMemoParagraphs::Split(text)) {
        paragraph.replace(u'\t', u' ');
        WrapParagraph(paragraph, width, measure, lines);
    }
    return lines;
}
