#include "TChooseLabelLayout.h"

#include "settings/TWindowPlacement.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

TChooseLabelLayout::TChooseLabelLayout(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Label Layout"));
    auto* layout = new QVBoxLayout(this);
    FromTemplate = new QRadioButton(QStringLiteral("&Select layout from a list of templates"), this);
    Manual = new QRadioButton(QStringLiteral("&Enter the layout values manually (user defined layout)"), this);
    FromTemplate->setChecked(true);
    layout->addWidget(FromTemplate);
    layout->addWidget(Manual);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

TLabelLayoutChoice TChooseLabelLayout::Choose(QWidget* parent)
{
    TChooseLabelLayout dialog(parent);
    dialog.adjustSize();
    TWindowPlacement::Centre(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted)
        return TLabelLayoutChoice::lcCancelled;
    return dialog.Choice();
}

TLabelLayoutChoice TChooseLabelLayout::Choice() const
{
    return Manual->isChecked() ? TLabelLayoutChoice::lcManual : TLabelLayoutChoice::lcTemplate;
}
