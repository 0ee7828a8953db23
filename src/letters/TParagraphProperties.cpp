#include "TParagraphProperties.h"

#include "richtext/TTwips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

int TParagraphProperties::ToTwips(double value, TUnit unit)
{
    return static_cast<int>(value * (unit == TUnit::Inch ? double(TTwips::PerInch) : TwipsPerCm));
}

int TParagraphProperties::PointsToTwips(double points) { return static_cast<int>(points * 20); }

QString TParagraphProperties::Shown(int twips, TUnit unit)
{
    return QString::number(twips / (unit == TUnit::Inch ? double(TTwips::PerInch) : TwipsPerCm), 'f', 2);
}

TParagraphProperties::TParagraphProperties(const TParagraphSettings& settings, QWidget* parent)
    : QDialog(parent), Values(settings)
{
    setWindowTitle(QStringLiteral("Paragraph Properties"));
    UnitBox = new QComboBox;
    UnitBox->addItems({QStringLiteral("Inch"), QStringLiteral("Cm")});
    SameAsLeftButton = new QRadioButton(QStringLiteral("Same as Left Indent"));
    IndentedByButton = new QRadioButton(QStringLiteral("Indented by"));
    auto* firstLine = new QButtonGroup(this);
    firstLine->addButton(SameAsLeftButton);
    firstLine->addButton(IndentedByButton);
    for (QLineEdit** edit : {&FirstIndentEdit, &LeftIndentEdit, &RightIndentEdit, &SpaceBeforeEdit, &SpaceAfterEdit,
                             &LineHeightEdit})
        *edit = new QLineEdit;

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Units"), UnitBox);
    auto* first = new QHBoxLayout;
    first->addWidget(SameAsLeftButton);
    first->addWidget(IndentedByButton);
    form->addRow(QStringLiteral("First line"), first);
    form->addRow(QStringLiteral("First Indent"), FirstIndentEdit);
    form->addRow(QStringLiteral("Left Indent"), LeftIndentEdit);
    form->addRow(QStringLiteral("Right Indent"), RightIndentEdit);
    form->addRow(QStringLiteral("Space before (pts)"), SpaceBeforeEdit);
    form->addRow(QStringLiteral("Space after (pts)"), SpaceAfterEdit);
    form->addRow(QStringLiteral("Line Height (pts)"), LineHeightEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    (Values.FirstIndent == 0 ? SameAsLeftButton : IndentedByButton)->setChecked(true);
    ShowFields();
    connect(UnitBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { SetUnit(index == 0 ? TUnit::Inch : TUnit::Cm); });
    connect(SameAsLeftButton, &QRadioButton::toggled, this, [this] {
        ReadFields();
        ShowFields();
    });
    connect(LeftIndentEdit, &QLineEdit::textEdited, this, [this] {
        if (SameAsLeftButton->isChecked())
            FirstIndentEdit->setText(LeftIndentEdit->text());
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TParagraphProperties::SetUnit(TUnit unit)
{
    if (unit == Unit)
        return;
    ReadFields();
    Unit = unit;
    const QSignalBlocker quiet(UnitBox);
    UnitBox->setCurrentIndex(unit == TUnit::Inch ? 0 : 1);
    ShowFields();
}

void TParagraphProperties::ReadFields()
{
    Values.LeftIndent = ToTwips(LeftIndentEdit->text().toDouble(), Unit);
    Values.RightIndent = ToTwips(RightIndentEdit->text().toDouble(), Unit);
    Values.FirstIndent = IndentedByButton->isChecked() ? ToTwips(FirstIndentEdit->text().toDouble(), Unit) : 0;
    Values.SpaceBefore = PointsToTwips(SpaceBeforeEdit->text().toDouble());
    Values.SpaceAfter = PointsToTwips(SpaceAfterEdit->text().toDouble());
    Values.LineSpacing = PointsToTwips(LineHeightEdit->text().toDouble());
}

// The first-line field shows the left indent while the first line follows it.
void TParagraphProperties::ShowFields()
{
    const bool sameAsLeft = SameAsLeftButton->isChecked();
    LeftIndentEdit->setText(Shown(Values.LeftIndent, Unit));
    RightIndentEdit->setText(Shown(Values.RightIndent, Unit));
    FirstIndentEdit->setText(sameAsLeft ? LeftIndentEdit->text() : Shown(Values.FirstIndent, Unit));
    FirstIndentEdit->setEnabled(!sameAsLeft);
    SpaceBeforeEdit->setText(QString::number(Values.SpaceBefore / 20));
    SpaceAfterEdit->setText(QString::number(Values.SpaceAfter / 20));
    LineHeightEdit->setText(QString::number(std::abs(Values.LineSpacing) / 20));
}

TParagraphSettings TParagraphProperties::Settings() const
{
    const_cast<TParagraphProperties*>(this)->ReadFields();
    return Values;
}
