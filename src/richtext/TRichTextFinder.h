// The text finder of one document: finds plain text in any letter case, across formatting runs
// (not across paragraphs), each search continuing after the previous match or replacement, and
// replaces what it found. A replacement may hold CR LF: each starts a new paragraph in the
// paragraph format of the found text (without its page-break-before mark).
#pragma once

#include <QTextCharFormat>
#include <QTextCursor>

class TRichDocument;

class TRichTextFinder {
public:
    explicit TRichTextFinder(TRichDocument& document);

    void GoToStart();
    bool FindNext(const QString& text);
    // The character attributes of the found text's character at `offset` (0: its first).
    QTextCharFormat FoundAttributes(int offset = 0) const;
    // Replaces the found text by `text` set in `format`; the next search starts after it.
    void ReplaceFound(const QString& text, const QTextCharFormat& format);
    // Replaces the found text by `text` in the attributes of its first character.
    void ReplaceFound(const QString& text) { ReplaceFound(text, FoundAttributes()); }
    const QTextCursor& Found() const { return Match; }

    // Replaces the `length` characters at `position` as ReplaceFound does; the document
    // position just after the inserted text.
    static int ReplaceRange(QTextDocument& document, int position, int length, const QString& text,
                            const QTextCharFormat& format);
    // The attributes of the character at `position`.
    static QTextCharFormat AttributesAt(const QTextDocument& document, int position);

private:
    TRichDocument& Document;
    QTextCursor Match;
    int SearchFrom = 0;
};
