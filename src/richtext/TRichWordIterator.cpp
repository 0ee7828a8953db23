#include "TRichWordIterator.h"

#include "TRichDocument.h"
#include "TRichTextFinder.h"

#include <QTextBlock>
#include <QTextBoundaryFinder>

bool TRichWordIterator::NextWord()
{
    QTextDocument& text = Document.Content();
    for (QTextBlock block = text.findBlock(Position); block.isValid(); block = block.next()) {
        const QString line = block.text();
        QTextBoundaryFinder words(QTextBoundaryFinder::Word, line);
        words.setPosition(std::max(0, Position - block.position()));
        if (!words.isAtBoundary())
            words.toNextBoundary();
        for (qsizetype start = words.position(); start >= 0 && start < line.size(); start = words.position()) {
            const qsizetype end = words.toNextBoundary();
            if (end < 0)
                break;
            if (words.boundaryReasons() & QTextBoundaryFinder::EndOfItem) {
                Current = line.mid(start, end - start);
                Position = block.position() + int(end);
                Document.SetCaret(block.position() + int(start), int(end - start));
                return true;
            }
        }
        Position = block.position() + block.length();
    }
    Current.clear();
    return false;
}

void TRichWordIterator::ReplaceSelection(const QString& text)
{
    QTextCursor& caret = Document.Caret();
    if (!caret.hasSelection())
        return;
    const int start = caret.selectionStart();
    const QTextCharFormat format = TRichTextFinder::AttributesAt(Document.Content(), start);
    Position = TRichTextFinder::ReplaceRange(Document.Content(), start, caret.selectionEnd() - start, text, format);
    Document.SetCaret(Position);
}
