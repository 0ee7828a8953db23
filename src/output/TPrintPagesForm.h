// "Print": which pages of a previewed job to print ("Pages from … to …"), so a jammed sheet
// is printed again from the preview without running the job again.
#pragma once

#include <QDialog>

class QSpinBox;

class TPrintPagesForm : public QDialog {
    Q_OBJECT
public:
    TPrintPagesForm(int pageCount, QWidget* parent = nullptr);
    // Asks; false when cancelled, else the range (within 1..pageCount, from <= to).
    static bool Ask(QWidget* parent, int pageCount, int* fromPage, int* toPage);

    int FromPage() const;
    int ToPage() const;

    QSpinBox* FromEdit = nullptr;
    QSpinBox* ToEdit = nullptr;
};
