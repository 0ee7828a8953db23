// The "Search" dialog: pick an order from the Sort entries and type the beginning of a key;
// "Ok" makes that order current and stands the table on the first record of the record set
// whose key in the order's tag begins with the upper-cased text.
//
// Contract: the table is open with its address tags and the record set's condition installed.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class TAddressTable;

class TSearchForm : public QDialog {
    Q_OBJECT
public:
    explicit TSearchForm(QWidget* parent = nullptr);

    // `orderCaption` (a Sort caption without "&") preselects the order and returns the one
    // chosen when the order was applied. True when the table stands on a record found.
    static bool Execute(QWidget* parent, TAddressTable& table, QString& orderCaption);

    // The search itself: sets the caption's order, then seeks `text`. When nothing in the set
    // begins with it the table goes back to the record it stood on. True when found.
    static bool Search(TAddressTable& table, const QString& orderCaption, const QString& text);

    void SetOrderCaption(const QString& caption);
    QString OrderCaption() const;
    QString SearchText() const;

    QComboBox* OrderList = nullptr;
    QLabel* TextLabel = nullptr;
    QLineEdit* TextEdit = nullptr;

private:
    void UpdateTextLabel();
};
