// The record choice of the label, envelope, letter and report dialogs as one group box: "All
// records", "Records matching filter", "Only current record" and "Start from current record".
// It preselects what the printout kind has always preselected, and without a filter it disables
// "Records matching filter" (not for envelopes) and falls back to "All records". MakeChoice()
// narrows and positions the table for the print loop.
#pragma once

#include "data/TRecordChoice.h"

#include <QGroupBox>

#include <memory>

class QCheckBox;
class QRadioButton;
class TAddressTable;

class TRecordChoicePanel : public QGroupBox {
    Q_OBJECT
public:
    using TPrintout = TRecordChoice::TPrintout;
    using TRecords = TRecordChoice::TRecords;

    // `filterSet`: the main window has a filter in force.
    TRecordChoicePanel(TPrintout printout, bool filterSet, QWidget* parent = nullptr);

    TRecords Records() const;
    void SetRecords(TRecords records);
    bool StartFromCurrent() const;

    // The choice for the print loop; it puts the table back as it was when destroyed.
    std::unique_ptr<TRecordChoice> MakeChoice(TAddressTable& table) const;

    QRadioButton* AllRecordsButton = nullptr;
    QRadioButton* MatchingFilterButton = nullptr;
    QRadioButton* OnlyCurrentButton = nullptr;
    QCheckBox* StartFromCurrentCheck = nullptr;

signals:
    // Every click on one of the choices (the labels dialog forgets its presort on it).
    void ChoiceClicked();

private:
    void UpdateStartFromCurrent();

    TPrintout Printout;
};
