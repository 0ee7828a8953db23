// The "Address Filter" dialog: one entry per query value, laid out like the main window's fields,
// the flags Tagged and Reverse, and "Test", "Clear", "Ok", "Cancel". "Test" applies the entries to
// the open table at once (through TAddressFilter::ApplyQuery) and shows how many records match.
//
// Contract: the filter and the table outlive the dialog; TAddressTable::GlobalTagId() holds the
// current tag id. Execute() leaves filter and table as they were when the user cancels.
#pragma once

#include "data/TQueryValues.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TAddressFilter;
class TAddressTable;

class TAddressFilterForm : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* DateNote = "(YYYYMMDD)";
    static constexpr const char* DateHint = "Note: enter dates in the form: YYYYMMDD\n(i.e. 19970428 for April 28, 1997)";
    static constexpr const char* HintText =
        "Hint: to look for only part of a value, first type in a $ and then the value to look for. As an "
        "example, to find all records containing the code letter C in the Codes field, type in $C. Right "
        "click on any field or press HELP for more helpful tips";

    TAddressFilterForm(TAddressFilter& filter, TAddressTable& table, QWidget* parent = nullptr);

    // Shows the dialog over `parent` with the filter's values. On "Ok" the entries become the
    // filter and are applied; true then. On "Cancel" the filter's values, the record set and the
    // current record are put back.
    static bool Execute(QWidget* parent, TAddressFilter& filter, TAddressTable& table);

    void ShowValues(const TQueryValues& values);
    TQueryValues EnteredValues() const;
    // The grammar of the entries, shown on a right click or the Help key.
    static QString TipsText();

    // By the entry order of TQueryValues.
    std::array<QLineEdit*, TQueryValues::EntryCount> Entries{};
    QCheckBox* TaggedCheck = nullptr;
    QCheckBox* ReverseCheck = nullptr;
    QLabel* CountLabel = nullptr;
    QLabel* DateNoteLabel = nullptr;
    QPushButton* TestButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

    bool Tested() const { return TestedOnce; }

public slots:
    // Applies the entries; returns the count of ApplyQuery (0 without a filter).
    uint32_t TestClick();
    void ClearClick();
    void OkClick();
    void ShowTips();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* Entry(const char* caption) const;
    QWidget* BuildNameStrip();
    QWidget* BuildAddressPart();
    QLineEdit* MakeEntry(const char* caption);

    TAddressFilter& Filter;
    TAddressTable& Table;
    bool TestedOnce = false;
};
