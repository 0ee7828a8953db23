#include "TRichTextFinder.h"

#include "TRichDocument.h"

#include <QTextBlock>
#include <QTextDocument>

TRichTextFinder::TRichTextFinder(TRichDocument& document) : Document(document) {}

void TRichTextFinder::GoToStart()
{
    SearchFrom = 0;
    Match = QTextCursor();
}

bool TRichTextFinder::FindNext(const QString& text)
{
    if (text.isEmpty())
        return false;
    Match = Document.Document().find(text, SearchFrom);
    if (Match.isNull())
        return false;
    SearchFrom = Match.selectionEnd();
    return true;
}

QTextCharFormat TRichTextFinder::FoundAttributes(int offset) const
{
    if (Match.isNull())
        return {};
    const int position = std::min(Match.selectionStart() + std::max(0, offset), Match.selectionEnd() - 1);
    return AttributesAt(Document.Document(), position);
}

void TRichTextFinder::ReplaceFound(const QString& text, const QTextCharFormat& format)
{
    if (Match.isNull())
        return;
    SearchFrom = ReplaceRange(Document.Document(), Match.selectionStart(), Match.selectionEnd() - Match.selectionStart(),
                              text, format);
    Match = QTextCursor();
}

QTextCharFormat TRichTextFinder::AttributesAt(const QTextDocument& document, int position)
{
    // A cursor reports the format of the character before it.
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(std::clamp(position + 1, 0, document.characterCount() - 1));
    return cursor.charFormat();
}

int TRichTextFinder::ReplaceRange(QTextDocument& document, int position, int length, const QString& text,
                                  const QTextCharFormat& format)
{
    QTextCursor cursor(&document);
    cursor.setPosition(position);
    cursor.setPosition(position + length, QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    QTextBlockFormat paragraph = cursor.blockFormat();
    paragraph.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(paragraph, format);
        QString line = lines[i];
        // A stray CR or LF would make a paragraph of its own format; values are data, not layout.
        line.remove(u'\r').remove(u'\n').remove(QChar::ParagraphSeparator);
        if (!line.isEmpty())
            cursor.insertText(line, format);
    }
    cursor.endEditBlock();
    return cursor.position();
}
