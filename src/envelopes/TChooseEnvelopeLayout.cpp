#include "TChooseEnvelopeLayout.h"

#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* InchEdit(double minimum, double maximum, double value, QWidget* parent)
{
    auto* edit = new QDoubleSpinBox(parent);
    edit->setDecimals(3);
    edit->setRange(minimum, maximum);
    edit->setSingleStep(0.125);
    edit->setSuffix(QStringLiteral(" in"));
    edit->setValue(value);
    return edit;
}

} // namespace

TChooseEnvelopeLayout::TChooseEnvelopeLayout(const TEnvelopeSize& current, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Envelope Size"));
    auto* layout = new QVBoxLayout(this);
    List = new QListWidget(this);
    for (const TEnvelopeSize& size : TEnvelopeSizes::Table())
        List->addItem(size.Choice);
    List->addItem(QLatin1String(TEnvelopeSizes::CustomChoice));
    List->setMinimumWidth(List->sizeHintForColumn(0) + 40);
    layout->addWidget(List);

    auto* custom = new QFormLayout;
    const bool isCustom = current.Code == TEnvelopeSizes::CustomCode && current.Known();
    Length = InchEdit(TEnvelopeSizes::MinimumLength, TEnvelopeSizes::MaximumLength, isCustom ? current.Length : 9.5, this);
    Width = InchEdit(TEnvelopeSizes::MinimumWidth, TEnvelopeSizes::MaximumWidth, isCustom ? current.Width : 4.125, this);
    custom->addRow(QStringLiteral("Length"), Length);
    custom->addRow(QStringLiteral("Width"), Width);
    layout->addLayout(custom);
    Problem = new QLabel(this);
    Problem->setStyleSheet(QStringLiteral("color: #a00000"));
    layout->addWidget(Problem);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TChooseEnvelopeLayout::OkButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(List, &QListWidget::currentRowChanged, this, &TChooseEnvelopeLayout::SizeChanged);
    connect(List, &QListWidget::itemDoubleClicked, this, &TChooseEnvelopeLayout::OkButtonClick);
    connect(Length, &QDoubleSpinBox::valueChanged, this, &TChooseEnvelopeLayout::SizeChanged);
    connect(Width, &QDoubleSpinBox::valueChanged, this, &TChooseEnvelopeLayout::SizeChanged);

    List->setCurrentRow(isCustom ? List->count() - 1 : TEnvelopeSizes::RowOf(current.Code));
    SizeChanged();
}

bool TChooseEnvelopeLayout::CustomChosen() const { return List->currentRow() == List->count() - 1; }

void TChooseEnvelopeLayout::SizeChanged()
{
    Length->setEnabled(CustomChosen());
    Width->setEnabled(CustomChosen());
    Problem->setText(CustomChosen() ? TEnvelopeSizes::CustomProblem(Length->value(), Width->value()) : QString());
}

TEnvelopeSize TChooseEnvelopeLayout::Chosen() const
{
    if (CustomChosen())
        return TEnvelopeSizes::Custom(Length->value(), Width->value());
    return TEnvelopeSizes::Table().at(size_t(std::max(0, List->currentRow())));
}

void TChooseEnvelopeLayout::OkButtonClick()
{
    if (CustomChosen()) {
        const QString problem = TEnvelopeSizes::CustomProblem(Length->value(), Width->value());
        if (!problem.isEmpty()) {
            TUserPrompts::Current().Information(problem);
            return;
        }
    }
    accept();
}

std::optional<TEnvelopeSize> TChooseEnvelopeLayout::Choose(const TEnvelopeSize& current, QWidget* parent)
{
    TChooseEnvelopeLayout dialog(current, parent);
    dialog.adjustSize();
    TWindowPlacement::Centre(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}
