// Spelling as you type: a wavy red underline under every word neither dictionary knows (words
// with digits and merge fields excepted), drawn by the editor only; the letter's own formatting
// is untouched.
#pragma once

#include <QSyntaxHighlighter>

class TViredSpell;

class TSpellHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    // `spell` (with its dictionaries open) outlives the highlighter.
    TSpellHighlighter(QTextDocument* document, TViredSpell& spell);
    // The words of a line the check looks at: letters with inner apostrophes and hyphens.
    static QList<std::pair<int, int>> Words(const QString& line);

protected:
    void highlightBlock(const QString& text) override;

private:
    TViredSpell& Spell;
};
