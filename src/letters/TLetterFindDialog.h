// The designer's find and replace dialogs ("Find", "Replace"): look for text in any letter case
// from the caret on, select what is found in the editor, replace it (in the formatting of its
// first character) or replace every occurrence.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTextEdit;

class TLetterFindDialog : public QDialog {
    Q_OBJECT
public:
    TLetterFindDialog(QTextEdit& editor, bool replacing, QWidget* parent = nullptr);

    bool FindNextClick();
    void ReplaceClick();
    int ReplaceAllClick();

    QLineEdit* FindEdit;
    QLineEdit* ReplaceEdit = nullptr;

private:
    bool FindFrom(int position);

    QTextEdit& Editor;
};
