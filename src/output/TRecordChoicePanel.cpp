#include "TRecordChoicePanel.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QVBoxLayout>

TRecordChoicePanel::TRecordChoicePanel(TPrintout printout, bool filterSet, QWidget* parent)
    : QGroupBox(QStringLiteral("Which records"), parent), Printout(printout)
{
    AllRecordsButton = new QRadioButton(QStringLiteral("All records"));
    MatchingFilterButton = new QRadioButton(QStringLiteral("Records matching filter"));
    OnlyCurrentButton = new QRadioButton(QStringLiteral("Only current record"));
    StartFromCurrentCheck = new QCheckBox(QStringLiteral("Start from current record"));

    auto* layout = new QVBoxLayout(this);
    for (QRadioButton* button : {AllRecordsButton, MatchingFilterButton, OnlyCurrentButton}) {
        layout->addWidget(button);
        connect(button, &QRadioButton::clicked, this, &TRecordChoicePanel::ChoiceClicked);
        connect(button, &QRadioButton::toggled, this, &TRecordChoicePanel::UpdateStartFromCurrent);
    }
    layout->addWidget(StartFromCurrentCheck);
    connect(StartFromCurrentCheck, &QCheckBox::clicked, this, &TRecordChoicePanel::ChoiceClicked);

    SetRecords(TRecordChoice::DefaultRecords(printout));
    // Envelopes have always offered the filter choice; with no filter it prints every record.
    if (!filterSet && printout != TPrintout::Envelopes) {
        MatchingFilterButton->setEnabled(false);
        if (Records() == TRecords::MatchingFilter)
            SetRecords(TRecords::All);
    }
}

TRecordChoicePanel::TRecords TRecordChoicePanel::Records() const
{
    if (AllRecordsButton->isChecked())
        return TRecords::All;
    if (OnlyCurrentButton->isChecked())
        return TRecords::OnlyCurrent;
    return TRecords::MatchingFilter;
}

void TRecordChoicePanel::SetRecords(TRecords records)
{
    switch (records) {
    case TRecords::All: AllRecordsButton->setChecked(true); break;
    case TRecords::MatchingFilter: MatchingFilterButton->setChecked(true); break;
    case TRecords::OnlyCurrent: OnlyCurrentButton->setChecked(true); break;
    }
}

void TRecordChoicePanel::UpdateStartFromCurrent()
{
    // Envelopes and letters print the current record alone then, so where to start means nothing.
    const bool singleRecord = (Printout == TPrintout::Envelopes || Printout == TPrintout::Letters) &&
                              OnlyCurrentButton->isChecked();
    StartFromCurrentCheck->setEnabled(!singleRecord);
}

bool TRecordChoicePanel::StartFromCurrent() const
{
    return StartFromCurrentCheck->isEnabled() && StartFromCurrentCheck->isChecked();
}

std::unique_ptr<TRecordChoice> TRecordChoicePanel::MakeChoice(TAddressTable& table) const
{
    return std::make_unique<TRecordChoice>(table, Printout, Records(), StartFromCurrent());
}
