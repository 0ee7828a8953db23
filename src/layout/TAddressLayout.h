// "Address Label Layout": which parts of the record an address block shows, where the ZIP goes
// whether the block is upper-cased, and whether a block too large for its rectangle prints at a
// smaller size instead of being cut. The ZIP places can be chosen only while the ZIP is shown.
#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;
class TLDMultiLineAddressLabel;

class TAddressLayout : public QDialog {
    Q_OBJECT
public:
    explicit TAddressLayout(const TLDMultiLineAddressLabel& block, QWidget* parent = nullptr);
    void ApplyTo(TLDMultiLineAddressLabel& block) const;

    // The boxes in the order shown: name, title, organization, address 1 and 2, city + state,
    // ZIP, phone, country, uppercase, shrink to fit.
    static constexpr int BoxCount = 11;
    QCheckBox* Box(int index) const { return Boxes[index]; }
    // The ZIP places: after state, before city, after country, before country.
    QRadioButton* ZipPlace(int index) const { return ZipPlaces[index]; }
    void ZipClick();

private:
    QCheckBox* Boxes[BoxCount];
    QRadioButton* ZipPlaces[4];
};
