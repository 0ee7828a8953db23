#include "TMultiLineTextEditor.h"

#include "TLDialogParts.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
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
    connect(Editor, &QPlainTextEdit::textChanged, this, &TMultiLineTextEditor::MemoChange);
}

void TMultiLineTextEditor::MemoChange()
{
    const QString text = Editor->toPlainText();
    if (text.size() <= kTypingLimit || text.size() <= Kept.size()) {
        Kept = text;
        return;
    }
    const int grown = int(text.size() - Kept.size());
    const int position = std::clamp(Editor->textCursor().position() - grown, 0, int(Kept.size()));
    const QSignalBlocker blocker(Editor);
    Editor->setPlainText(Kept);
    QTextCursor cursor = Editor->textCursor();
    cursor.setPosition(position);
    Editor->setTextCursor(cursor);
}

QStringList TMultiLineTextEditor::Lines() const
{
    return Kept.isEmpty() ? QStringList() : Kept.split(QLatin1Char('\n'));
}
