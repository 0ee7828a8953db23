// "Multi-line Text Editor": the lines of a multi-line text in the object's font. Typing and
// pasting stop at 254 characters, but a text stored longer (from an older layout or another
// tool) is kept whole on "Ok" and may still be shortened.
#pragma once

#include <QDialog>

class QPlainTextEdit;

class TMultiLineTextEditor : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTypingLimit = 254;

    TMultiLineTextEditor(const QStringList& lines, const QFont& font, QWidget* parent = nullptr);
    QStringList Lines() const;
    QPlainTextEdit* Memo() const { return Editor; }

private:
    // Cuts what an edit added beyond the limit (or beyond a longer stored text's length).
    void MemoChange();

    QPlainTextEdit* Editor;
    QString Kept;
    int ChangeEnd = 0;   // where the last edit's added text ends
};
