#include "TCalibratePrinter.h"

#include "TLabelCalibrationSheet.h"
#include "TLabelPrinter.h"

#include "output/TReportPrinter.h"
#include "prompts/TUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TCalibratePrinter::TCalibratePrinter(const QString& printerName, const TLabelStock& stock, QWidget* parent)
    : QDialog(parent), Printer(printerName), Stock(stock)
{
    setWindowTitle(QStringLiteral("Printer Calibration"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Printer: ") + Printer, this));
    auto* form = new QFormLayout;
    auto offset = [this] {
        auto* edit = new QDoubleSpinBox(this);
        edit->setRange(-TPrinterCalibration::MaximumOffset, TPrinterCalibration::MaximumOffset);
        edit->setSingleStep(1.0 / 32.0);
        edit->setDecimals(5); // 1/32 inch is 0.03125
        edit->setSuffix(QStringLiteral(" in"));
        return edit;
    };
    OffsetXEdit = offset();
    OffsetYEdit = offset();
    ScaleEdit = new QDoubleSpinBox(this);
    ScaleEdit->setRange(TPrinterCalibration::MinimumScale, TPrinterCalibration::MaximumScale);
    ScaleEdit->setSingleStep(0.1);
    ScaleEdit->setDecimals(1);
    ScaleEdit->setSuffix(QStringLiteral(" %"));
    form->addRow(QStringLiteral("Move &right by"), OffsetXEdit);
    form->addRow(QStringLiteral("Move &down by"), OffsetYEdit);
    form->addRow(QStringLiteral("&Scale"), ScaleEdit);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Print the calibration sheet on a sheet of labels, read where the\n"
                                                "label edges fall on the rulers (1/32 inch marks) and type the offsets."),
                                 this));
    auto* sheet = new QPushButton(QStringLiteral("&Print Calibration Sheet"), this);
    layout->addWidget(sheet);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(sheet, &QPushButton::clicked, this, [this] { PrintSheetButtonClick(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &TCalibratePrinter::OkButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    SetCalibration(TPrinterCalibration::Load(TProgramFolder::SettingsFile(), Printer));
}

TPrinterCalibration TCalibratePrinter::Calibration() const
{
    TPrinterCalibration calibration;
    calibration.OffsetX = TInches(OffsetXEdit->value());
    calibration.OffsetY = TInches(OffsetYEdit->value());
    calibration.ScalePercent = ScaleEdit->value();
    return calibration.Clamped();
}

void TCalibratePrinter::SetCalibration(const TPrinterCalibration& calibration)
{
    OffsetXEdit->setValue(calibration.OffsetX.Value());
    OffsetYEdit->setValue(calibration.OffsetY.Value());
    ScaleEdit->setValue(calibration.ScalePercent);
}

bool TCalibratePrinter::PrintSheetButtonClick()
{
    TReportPrinter job;
    job.Title = QStringLiteral("Calibration sheet");
    job.SelectPrinter(Printer);
    if (!SheetPdfFile.isEmpty())
        job.Printers().SetPdfFileName(SheetPdfFile);
    TLabelPrinter::SetUpPaper(job, Stock);
    job.OnPrint = [this](TBaseReport& report) { TLabelCalibrationSheet::Draw(report, Stock); };
    try {
        if (job.Execute())
            return true;
        if (!job.ErrorText().isEmpty())
            TUserPrompts::Current().Information(job.ErrorText());
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void TCalibratePrinter::OkButtonClick()
{
    try {
        Calibration().Save(TProgramFolder::SettingsFile(), Printer);
    } catch (const TIniError& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
        return;
    }
    accept();
}
