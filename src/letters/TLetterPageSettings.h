// The designer's page dialog ("Page Settings"): paper width and height and the four margins in
// inches, centimetres or twips. The letter keeps twips; a unit only changes what is shown.
#pragma once

#include "richtext/TRichPageLayout.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLineEdit;

class TLetterPageSettings : public QDialog {
    Q_OBJECT
public:
    enum class TUnit { Inches, Cm, Twips };

    explicit TLetterPageSettings(const TRichPageLayout& layout, QWidget* parent = nullptr);
    TRichPageLayout Layout() const;
    void SetUnit(TUnit unit);

    QComboBox* UnitBox;
    // Paper width, paper height, top, bottom, left and right margin.
    std::array<QLineEdit*, 6> Edits{};

private:
    void ReadFields();
    void ShowFields();

    std::array<int, 6> Twips{};
    TUnit Unit = TUnit::Inches;
};
