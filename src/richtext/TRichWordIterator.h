// The words of a document from its start, for the spelling check: each word is selected on the
// document's caret as it is reached, and the selection can be replaced (the replacement keeps
// the word's character attributes; the next word is looked for after it).
#pragma once

#include <QString>

class TRichDocument;

class TRichWordIterator {
public:
    explicit TRichWordIterator(TRichDocument& document) : Document(document) {}

    void GoToStart() { Position = 0; }
    // The next word (letters, digits and inner apostrophes); false at the end of the document.
    bool NextWord();
    QString Word() const { return Current; }
    void ReplaceSelection(const QString& text);

private:
    TRichDocument& Document;
    int Position = 0;
    QString Current;
};
