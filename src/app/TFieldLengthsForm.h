// "Specify Field Lengths": the widths of the eighteen settable address fields for the tables
// created next. Each entry accepts a whole number from 10 to 80; leaving an entry with anything
// else puts back the width it showed before. "Defaults" fills in the standard widths, "Ok" takes
// the entries, "Cancel" leaves the widths as they were. The caller saves them to the settings
// when "Use these settings for all new databases" is checked.
#pragma once

#include "data/TFieldLengths.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TFieldLengthsForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int EntryCount = 18;
    static constexpr int MinimumEntry = 10;
    static constexpr int MaximumEntry = 80;
    static constexpr int DefaultsFaxWidth = 30; // what "Defaults" gives FAX (new tables default to 40)

    TFieldLengthsForm(QWidget* parent, const TFieldLengths& widths);

    // Shows the dialog; on "Ok" updates `widths` and answers true. `saveForAll` tells whether
    // the check box was set.
    static bool Edit(QWidget* parent, TFieldLengths& widths, bool& saveForAll);

    // The field each entry stands for, in the dialog's order.
    static const std::array<const char*, EntryCount>& EntryFields();

    // The leave check of entry `index`: a text that is not a whole number from 10 to 80 gives
    // way to the entry's restore value.
    void CheckEntry(int index);
    void SetDefaults();
    // "Ok": every entry checked, then taken into Widths().
    void TakeEntries();
    const TFieldLengths& Widths() const { return Current; }
    bool SaveForAll() const;

    std::array<QLineEdit*, EntryCount> Entries{};
    QCheckBox* SaveForAllCheck = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* DefaultsButton = nullptr;
    QPushButton* HelpButton = nullptr;

private:
    void ShowWidths(const TFieldLengths& widths);

    TFieldLengths Current;
    std::array<int, EntryCount> RestoreValues{};
};
