#include "TSpellHighlighter.h"

#include "spelling/TViredSpell.h"

#include <QRegularExpression>

TSpellHighlighter::TSpellHighlighter(QTextDocument* document, TViredSpell& spell)
    : QSyntaxHighlighter(document), Spell(spell)
{
}

QList<std::pair<int, int>> TSpellHighlighter::Words(const QString& line)
{
    static const QRegularExpression word(QStringLiteral("[\\w]+(?:['\u2019-][\\w]+)*"));
    QList<std::pair<int, int>> words;
    int fieldOpen = -1;
    for (auto match = word.globalMatch(line); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        const int start = static_cast<int>(found.capturedStart());
        // Inside "[...]": a merge field's name.
        fieldOpen = static_cast<int>(line.lastIndexOf(QLatin1Char('['), start));
        const bool inField = fieldOpen >= 0 && line.lastIndexOf(QLatin1Char(']'), start) < fieldOpen
            && line.indexOf(QLatin1Char(']'), start) >= 0;
        const QString text = found.captured();
        if (inField || std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() || c == u'_'; }))
            continue;
        words.append({start, static_cast<int>(found.capturedLength())});
    }
    return words;
}

void TSpellHighlighter::highlightBlock(const QString& text)
{
    QTextCharFormat unknown;
    unknown.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    unknown.setUnderlineColor(Qt::red);
    for (const auto& [start, length] : Words(text))
        if (!Spell.Check(text.mid(start, length)))
            setFormat(start, length, unknown);
}
