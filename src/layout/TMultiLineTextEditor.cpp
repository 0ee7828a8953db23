#include "TMultiLineTextEditor.h"

#include "TLDialogParts.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextCursor>
#include <QVBoxLayout>

TMultiLineTextEditor::TMultiLineTextEditor(const QStringList& lines, const QFont& font, QWidget* parent)
    : QDialog(parent), Kept(lines.join(QLatin1Char('\n')))
{
    setWindowTitle(QStringLiteral("Multi-line Text Editor"));
    auto* layout = new QVBoxLayout(this);
    Editor = new QPlainTextEdit(Kept, this);
    Editor->setFont(font);
    Editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    Editor->setMinimumSize(380, 200);
    layout->addWidget(Editor);
    layout->addWidget(AddOkCancelButtons(this));
    connect(Editor->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { ChangeEnd = position + added; });
    connect(Editor, &QPlainTextEdit::textChanged, this, &TMultiLineTextEditor::MemoChange);
}

void TMultiLineTextEditor::MemoChange()
{
    const int length = int(Editor->toPlainText().size());
    const int limit = std::max(kTypingLimit, int(Kept.size()));
    if (length > limit) {
        // Only as much of what was typed or pasted as fits stays, as in any length-limited box.
        const int overflow = length - limit;
        QTextCursor cursor(Editor->document());
        cursor.setPosition(std::clamp(ChangeEnd - overflow, 0, length));
        cursor.setPosition(std::clamp(ChangeEnd, 0, length), QTextCursor::KeepAnchor);
        const QSignalBlocker blocker(Editor);
        cursor.removeSelectedText();
        Editor->setTextCursor(cursor);
    }
    Kept = Editor->toPlainText();
}

QStringList TMultiLineTextEditor::Lines() const
{
    return Kept.isEmpty() ? QStringList() : Kept.split(QLatin1Char('\n'));
}
