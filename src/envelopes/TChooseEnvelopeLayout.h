// "Envelope Size": the sixteen envelope sizes in table order and, last, "Custom size" with its
// "Length" and "Width" in inches (3 decimals; 3 to 15 by 2 to 12, width at most length). Opens
// on the row of the incoming size (the first row for a code not in the table) and answers the
// chosen size on Ok.
#pragma once

#include "TEnvelopeSizes.h"

#include <QDialog>

#include <optional>

class QDoubleSpinBox;
class QLabel;
class QListWidget;

class TChooseEnvelopeLayout : public QDialog {
    Q_OBJECT
public:
    explicit TChooseEnvelopeLayout(const TEnvelopeSize& current, QWidget* parent = nullptr);
    // Shows the dialog centred over `parent`; nothing when cancelled.
    static std::optional<TEnvelopeSize> Choose(const TEnvelopeSize& current, QWidget* parent);

    TEnvelopeSize Chosen() const;
    QListWidget* SizeList() const { return List; }
    QDoubleSpinBox* LengthEdit() const { return Length; }
    QDoubleSpinBox* WidthEdit() const { return Width; }
    void OkButtonClick();

private:
    void SizeChanged();
    bool CustomChosen() const;

    QListWidget* List;
    QDoubleSpinBox* Length;
    QDoubleSpinBox* Width;
    QLabel* Problem;
};
