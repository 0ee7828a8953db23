// "Text": the one line of a static text, edited in "Enter Text".
#pragma once

#include <QDialog>

class QLineEdit;

class TGetLabelText : public QDialog {
    Q_OBJECT
public:
    explicit TGetLabelText(const QString& text, QWidget* parent = nullptr);
    QString Text() const;
    QLineEdit* TextEdit() const { return Edit; }

private:
    QLineEdit* Edit;
};
