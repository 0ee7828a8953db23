#include "TReportPrintDialog.h"

#include "output/TBaseReport.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

TReportPrintDialog::TReportPrintDialog(TBaseReport& job, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Print"));
    setModal(true);
    PrinterCombo = new QComboBox(this);
    PrinterCombo->addItems(job.PrinterNames());
    PrinterCombo->setCurrentIndex(job.PrinterIndex());
    CopiesSpin = new QSpinBox(this);
    CopiesSpin->setRange(1, 999);
    CopiesSpin->setValue(std::max(1, job.Copies));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Printer:"), PrinterCombo);
    layout->addRow(QStringLiteral("Copies:"), CopiesSpin);
    layout->addRow(buttons);
}

bool TReportPrintDialog::Execute(TBaseReport& job, QWidget* parent)
{
    TReportPrintDialog dialog(job, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    job.SelectPrinter(dialog.PrinterCombo->currentIndex());
    job.Copies = dialog.CopiesSpin->value();
    return true;
}
