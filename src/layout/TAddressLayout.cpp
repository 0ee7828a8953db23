#include "TAddressLayout.h"

#include "TLDMultiLineAddressLabel.h"
#include "TLDialogParts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int kZip = 6;

// The flags in the order of the boxes.
std::array<bool TLDMultiLineAddressLabel::*, TAddressLayout::BoxCount> Flags()
{
    using T = TLDMultiLineAddressLabel;
    return {&T::UseName, &T::UseTitle, &T::UseCompany, &T::UseStreet, &T::UseStreet2,
            &T::UseCityState, &T::UseZip, &T::UsePhone, &T::UseCountry, &T::UpperCase, &T::ShrinkToFit};
}

} // namespace

TAddressLayout::TAddressLayout(const TLDMultiLineAddressLabel& block, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Address Label Layout"));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);
    auto* boxes = new QVBoxLayout;
    columns->addLayout(boxes);
    const QString captions[BoxCount] = {"&Name", "&Title", "&Organization", "Address &1", "Address &2",
                                        "City + &State", "&Zip/Postal code", "&Phone #1", "&Country", "&Uppercase",
                                        "S&hrink to fit"};
    const auto flags = Flags();
    for (int i = 0; i < BoxCount; ++i) {
        Boxes[i] = new QCheckBox(captions[i], this);
        Boxes[i]->setChecked(block.*flags[i]);
        boxes->addWidget(Boxes[i]);
    }
    auto* places = new QGroupBox(QStringLiteral("Zip/Postal code"), this);
    auto* placesLayout = new QVBoxLayout(places);
    const QString placeCaptions[4] = {"&After state", "&Before city", "A&fter country", "B&efore country"};
    for (int i = 0; i < 4; ++i) {
        ZipPlaces[i] = new QRadioButton(placeCaptions[i], places);
        placesLayout->addWidget(ZipPlaces[i]);
    }
    ZipPlaces[int(block.ZipOptions)]->setChecked(true);
    placesLayout->addStretch();
    columns->addWidget(places, 0, Qt::AlignTop);
    layout->addWidget(AddOkCancelButtons(this));
    connect(Boxes[kZip], &QCheckBox::toggled, this, &TAddressLayout::ZipClick);
    ZipClick();
}

void TAddressLayout::ZipClick()
{
    for (QRadioButton* place : ZipPlaces)
        place->setEnabled(Boxes[kZip]->isChecked());
}

void TAddressLayout::ApplyTo(TLDMultiLineAddressLabel& block) const
{
    const auto flags = Flags();
    for (int i = 0; i < BoxCount; ++i)
        block.*flags[i] = Boxes[i]->isChecked();
    for (int i = 0; i < 4; ++i)
        if (ZipPlaces[i]->isChecked())
            block.ZipOptions = TZipOptions(i);
}
