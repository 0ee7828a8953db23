#include "TLetterPageSettings.h"

#include "TParagraphProperties.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

double TwipsPer(TLetterPageSettings::TUnit unit)
{
    switch (unit) {
    case TLetterPageSettings::TUnit::Inches: return TTwips::PerInch;
    case TLetterPageSettings::TUnit::Cm: return TParagraphProperties::TwipsPerCm;
    case TLetterPageSettings::TUnit::Twips: break;
    }
    return 1.0;
}

} // namespace

TLetterPageSettings::TLetterPageSettings(const TRichPageLayout& layout, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Page Settings"));
    Twips = {layout.PaperWidth.Value(), layout.PaperHeight.Value(), layout.MarginTop.Value(),
             layout.MarginBottom.Value(), layout.MarginLeft.Value(), layout.MarginRight.Value()};
    UnitBox = new QComboBox;
    UnitBox->addItems({QStringLiteral("Inches"), QStringLiteral("Centimetres"), QStringLiteral("Twips")});
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Units"), UnitBox);
    const char* const captions[] = {"Paper width", "Paper height", "Top margin", "Bottom margin", "Left margin",
                                    "Right margin"};
    for (size_t i = 0; i < Edits.size(); ++i) {
        Edits[i] = new QLineEdit;
        form->addRow(QString::fromLatin1(captions[i]), Edits[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addWidget(buttons);
    ShowFields();
    connect(UnitBox, &QComboBox::currentIndexChanged, this, [this](int index) { SetUnit(static_cast<TUnit>(index)); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TLetterPageSettings::SetUnit(TUnit unit)
{
    if (unit == Unit)
        return;
    ReadFields();
    Unit = unit;
    const QSignalBlocker quiet(UnitBox);
    UnitBox->setCurrentIndex(static_cast<int>(unit));
    ShowFields();
}

void TLetterPageSettings::ReadFields()
{
    for (size_t i = 0; i < Edits.size(); ++i) {
        bool ok = false;
        const double value = Edits[i]->text().toDouble(&ok);
        if (ok)
            Twips[i] = static_cast<int>(value * TwipsPer(Unit));
    }
}

void TLetterPageSettings::ShowFields()
{
    for (size_t i = 0; i < Edits.size(); ++i)
        Edits[i]->setText(Unit == TUnit::Twips ? QString::number(Twips[i])
                                               : QString::number(Twips[i] / TwipsPer(Unit), 'f', 2));
}

// What the fields say, corrected as every letter's layout is (a page under an inch, or margins
// leaving no text area, go back to the defaults).
TRichPageLayout TLetterPageSettings::Layout() const
{
    const_cast<TLetterPageSettings*>(this)->ReadFields();
    TRichPageLayout layout;
    layout.PaperWidth = TTwips(Twips[0]);
    layout.PaperHeight = TTwips(Twips[1]);
    layout.MarginTop = TTwips(Twips[2]);
    layout.MarginBottom = TTwips(Twips[3]);
    layout.MarginLeft = TTwips(Twips[4]);
    layout.MarginRight = TTwips(Twips[5]);
    return layout.Corrected();
}
