// "Multi-line Text Editor": the lines of a multi-line text in the object's font. Typing stops
// at 254 characters, but a text stored longer (from an older layout or another tool) is kept
// whole on "Ok" and may still be shortened.
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
    // Undoes an edit that made a text over the limit longer still.
    void MemoChange();

    QPlainTextEdit* Editor;
    QString Kept;
};
