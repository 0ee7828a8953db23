#include "TLetterFindDialog.h"

#include "prompts/TUserPrompts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

TLetterFindDialog::TLetterFindDialog(QTextEdit& editor, bool replacing, QWidget* parent)
    : QDialog(parent), Editor(editor)
{
    setWindowTitle(replacing ? QStringLiteral("Replace") : QStringLiteral("Find"));
    FindEdit = new QLineEdit;
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Find what:"), FindEdit);
    auto* buttons = new QHBoxLayout;
    const auto add = [&](const QString& caption, auto handler) {
        auto* button = new QPushButton(caption);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
    };
    add(QStringLiteral("&Find Next"), [this] { FindNextClick(); });
    if (replacing) {
        ReplaceEdit = new QLineEdit;
        form->addRow(QStringLiteral("Replace with:"), ReplaceEdit);
        add(QStringLiteral("&Replace"), [this] { ReplaceClick(); });
        add(QStringLiteral("Replace &All"), [this] { ReplaceAllClick(); });
    }
    add(QStringLiteral("Close"), [this] { accept(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    if (Editor.textCursor().hasSelection())
        FindEdit->setText(Editor.textCursor().selectedText());
}

bool TLetterFindDialog::FindFrom(int position)
{
    if (FindEdit->text().isEmpty())
        return false;
    const QTextCursor found = Editor.document()->find(FindEdit->text(), position);
    if (found.isNull())
        return false;
    Editor.setTextCursor(found);
    return true;
}

bool TLetterFindDialog::FindNextClick()
{
    if (FindFrom(Editor.textCursor().selectionEnd()))
        return true;
    TUserPrompts::Current().Information(QStringLiteral("\"%1\" was not found").arg(FindEdit->text()));
    return false;
}

void TLetterFindDialog::ReplaceClick()
{
    QTextCursor caret = Editor.textCursor();
    if (caret.hasSelection() && caret.selectedText().compare(FindEdit->text(), Qt::CaseInsensitive) == 0) {
        QTextCursor first(caret.document());
        first.setPosition(caret.selectionStart() + 1);
        caret.insertText(ReplaceEdit->text(), first.charFormat());
        Editor.setTextCursor(caret);
    }
    FindNextClick();
}

int TLetterFindDialog::ReplaceAllClick()
{
    int count = 0;
    QTextCursor edit(Editor.document());
    edit.beginEditBlock();
    for (int from = 0; FindFrom(from); ++count) {
        QTextCursor found = Editor.textCursor();
        QTextCursor first(found.document());
        first.setPosition(found.selectionStart() + 1);
        found.insertText(ReplaceEdit->text(), first.charFormat());
        from = found.position();
    }
    edit.endEditBlock();
    TUserPrompts::Current().Information(QStringLiteral("%1 replaced").arg(count));
    return count;
}
