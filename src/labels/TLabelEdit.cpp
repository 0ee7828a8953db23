#include "TLabelEdit.h"

#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

TLabelEdit::TLabelEdit(const TLabelStock& stock, QWidget* parent) : QDialog(parent), Result(stock)
{
    setWindowTitle(QStringLiteral("User Defined Label Layout"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    const TLabelEntry entry = TLabelEntry::FromStock(stock);
    const double values[lnCount] = {entry.LabelWidth, entry.LabelHeight, entry.HorizontalPitch, entry.VerticalPitch,
                                    entry.LeftMargin, entry.TopMargin,   entry.PaperWidth,      entry.PaperHeight};
    const char* const captions[lnCount] = {"Label Width", "Label Height", "Horizontal Pitch", "Vertical Pitch",
                                           "Left Margin", "Top Margin",   "Paper Width",      "Paper Height"};
    for (int i = 0; i < lnCount; ++i) {
        auto* field = new QLineEdit(this);
        // The fields show and read a decimal point whatever the desktop's language.
        auto* validator = new QDoubleValidator(0.0, 9999.0, 3, field);
        validator->setLocale(QLocale::c());
        validator->setNotation(QDoubleValidator::StandardNotation);
        field->setValidator(validator);
        Lengths[size_t(i)] = field;
        Show(TLength(i), values[i]);
    }
    Across = new QSpinBox(this);
    Across->setRange(1, 10);
    Across->setValue(std::clamp(stock.Across, 1, 10));
    Down = new QSpinBox(this);
    Down->setRange(1, 30);
    Down->setValue(std::clamp(stock.Down, 1, 30));
    PaperSize = new QComboBox(this);
    for (const auto& paper : TLabelStock::PaperSizes())
        PaperSize->addItem(paper.ChoiceText, paper.Code);
    PaperSize->setCurrentIndex(-1); // no choice: Ok keeps the stock's code
    Shape = new QComboBox(this);
    for (const auto& shape : TLabelStock::Shapes())
        Shape->addItem(shape.Text, shape.Code);
    Shape->setCurrentIndex(Shape->findData(entry.Shape));

    for (int i = 0; i < lnPaperWidth; ++i) {
        form->addRow(QLatin1String(captions[i]), Lengths[size_t(i)]);
        if (i == lnVerticalPitch) {
            form->addRow(QStringLiteral("# across"), Across);
            form->addRow(QStringLiteral("# down"), Down);
        }
    }
    form->addRow(QStringLiteral("Paper size"), PaperSize);
    form->addRow(QLatin1String(captions[lnPaperWidth]), Lengths[lnPaperWidth]);
    form->addRow(QLatin1String(captions[lnPaperHeight]), Lengths[lnPaperHeight]);
    form->addRow(QStringLiteral("Label Shape"), Shape);

    auto* units = new QHBoxLayout;
    Inches = new QRadioButton(QStringLiteral("Use &Inches"), this);
    Millimetres = new QRadioButton(QStringLiteral("Use &Millimeters"), this);
    Inches->setChecked(true);
    units->addWidget(Inches);
    units->addWidget(Millimetres);
    layout->addLayout(units);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, &TLabelEdit::OkButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(PaperSize, &QComboBox::activated, this, &TLabelEdit::PaperSizeChange);
    connect(Lengths[lnLabelWidth], &QLineEdit::editingFinished, this, &TLabelEdit::LabelWidthExit);
    connect(Lengths[lnLabelHeight], &QLineEdit::editingFinished, this, &TLabelEdit::LabelHeightExit);
    connect(Millimetres, &QRadioButton::toggled, this, &TLabelEdit::UnitChange);
}

bool TLabelEdit::Edit(TLabelStock& stock, QWidget* parent)
{
    TLabelEdit dialog(stock, parent);
    dialog.adjustSize();
    TWindowPlacement::Centre(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    stock = dialog.Stock();
    return true;
}

double TLabelEdit::Value(TLength length) const { return Lengths[size_t(length)]->text().toDouble(); }

void TLabelEdit::Show(TLength length, double value) { Lengths[size_t(length)]->setText(TLabelStockRules::Format(value, Unit)); }

TLabelEntry TLabelEdit::Entry() const
{
    TLabelEntry entry;
    entry.Unit = Unit;
    entry.LabelWidth = Value(lnLabelWidth);
    entry.LabelHeight = Value(lnLabelHeight);
    entry.HorizontalPitch = Value(lnHorizontalPitch);
    entry.VerticalPitch = Value(lnVerticalPitch);
    entry.LeftMargin = Value(lnLeftMargin);
    entry.TopMargin = Value(lnTopMargin);
    entry.PaperWidth = Value(lnPaperWidth);
    entry.PaperHeight = Value(lnPaperHeight);
    entry.Across = Across->value();
    entry.Down = Down->value();
    entry.PaperSize = PaperSize->currentIndex() >= 0 ? PaperSize->currentData().toString() : QString();
    entry.Shape = Shape->currentData().toString();
    return entry;
}

void TLabelEdit::PaperSizeChange(int index)
{
    double width = 0, height = 0;
    if (index >= 0 && TLabelStockRules::Preset(PaperSize->itemData(index).toString(), Unit, width, height)) {
        Show(lnPaperWidth, width);
        Show(lnPaperHeight, height);
    }
}

void TLabelEdit::LabelWidthExit()
{
    if (Value(lnLabelWidth) > Value(lnHorizontalPitch))
        Lengths[lnHorizontalPitch]->setText(Lengths[lnLabelWidth]->text());
}

void TLabelEdit::LabelHeightExit()
{
    if (Value(lnLabelHeight) > Value(lnVerticalPitch))
        Lengths[lnVerticalPitch]->setText(Lengths[lnLabelHeight]->text());
}

void TLabelEdit::UnitChange()
{
    const TLengthUnit unit = Millimetres->isChecked() ? TLengthUnit::luMillimetres : TLengthUnit::luInches;
    if (unit == Unit)
        return;
    const double factor = unit == TLengthUnit::luMillimetres ? TLabelStockRules::MillimetresPerInch
                                                             : 1.0 / TLabelStockRules::MillimetresPerInch;
    Unit = unit;
    for (int i = 0; i < lnCount; ++i)
        Show(TLength(i), Value(TLength(i)) * factor);
}

void TLabelEdit::OkButtonClick()
{
    try {
        Result = TLabelStockRules::ApplyEntry(Result, Entry());
    } catch (const EValid& error) {
        TUserPrompts::Current().Information(error.Message());
        return;
    }
    accept();
}
