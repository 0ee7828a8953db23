#include "TLayoutRender.h"

#include "output/TPageImageBound.h"

#include "TLLabelObjectFiler.h"
#include "TLPrintPass.h"
#include "TLStreamError.h"
#include "TLayoutDescription.h"
#include "TLayoutUnits.h"

#include "output/TPagePictures.h"
#include "output/TPageStream.h"
#include "output/TReportFiler.h"
#include "output/TReportPrinter.h"

#include <QFileInfo>

#include <stdexcept>

TLayoutRender::TLayoutRender(const QString& fileName)
{
    if (!QFileInfo::exists(fileName))
        throw TLStreamError(TLStreamError::CannotOpenFile(fileName), fileName);
    Report = TLayoutDescription::IsReportFile(fileName);
    if (Report)
        TLLabelObjectFiler().ReadReport(Header, Detail, Footer, Settings, fileName);
    else
        TLLabelObjectFiler().ReadIntoPanel(Layout, fileName);
}

void TLayoutRender::SetData(TLDataSource* data)
{
    for (TLDataPanel* panel : {static_cast<TLDataPanel*>(&Layout), static_cast<TLDataPanel*>(&Header),
                               static_cast<TLDataPanel*>(&Detail), static_cast<TLDataPanel*>(&Footer)})
        panel->DataSet = data;
}

std::vector<std::pair<TLDataPanel*, TInches>> TLayoutRender::Bands() const
{
    auto* self = const_cast<TLayoutRender*>(this);
    if (!Report)
        return {{&self->Layout, TInches()}};
    // Bands one below the other from the top margin, as the report designer stacks them.
    std::vector<std::pair<TLDataPanel*, TInches>> bands;
    int top = Settings.TopMargin;
    const std::tuple<TLDataPanel*, bool, int> order[] = {{&self->Header, Settings.UseHeader, Settings.HeaderHeight},
                                                         {&self->Detail, Settings.UseDetail, Settings.DetailHeight},
                                                         {&self->Footer, Settings.UseFooter, Settings.FooterHeight}};
    for (const auto& [panel, used, height] : order) {
        if (!used)
            continue;
        bands.emplace_back(panel, TLayoutUnits::ToInches(top));
        top += height;
    }
    return bands;
}

std::pair<TInches, TInches> TLayoutRender::PageSize() const
{
    if (PageSizeGiven)
        return *PageSizeGiven;
    if (Report)
        return {TLayoutUnits::ToInches(Settings.PageWidth), TLayoutUnits::ToInches(Settings.PageHeight)};
    int right = 1, bottom = 1;
    for (const auto& object : Layout.Objects()) {
        right = std::max(right, object->Left() + object->Width());
        bottom = std::max(bottom, object->Top() + object->Height());
    }
    return {TLayoutUnits::ToInches(right), TLayoutUnits::ToInches(bottom)};
}

void TLayoutRender::Draw(TBaseReport& report)
{
    const TInches left = Report ? TLayoutUnits::ToInches(Settings.LeftMargin) : TInches();
    for (const auto& [panel, top] : Bands())
        TLPrintPass(*panel).PrintRecord(report, left, top);
}

bool TLayoutRender::RenderPdf(const QString& pdfPath, QString* error)
{
    TReportPrinter job;
    job.Title = QFileInfo(pdfPath).completeBaseName();
    job.SelectPrinter(TPrinterSelection::PdfPrinterName());
    job.Printers().SetPdfFileName(pdfPath);
    const auto [width, height] = PageSize();
    job.SetCustomPaper(width, height);
    job.OnPrint = [this](TBaseReport& report) { Draw(report); };
    if (job.Execute())
        return true;
    if (error)
        *error = job.ErrorText().isEmpty() ? QStringLiteral("Cannot write the file %1").arg(pdfPath) : job.ErrorText();
    return false;
}

bool TLayoutRender::RenderPng(const QString& folder, QString* error, double dotsPerInch)
{
    TPageStream pages;
    TReportFiler job(pages);
    const auto [width, height] = PageSize();
    job.SetCustomPaper(width, height);
    job.OnPrint = [this](TBaseReport& report) { Draw(report); };
    job.Execute();
    if (pages.PageCount() == 0) {
        if (error)
            *error = job.ErrorText();
        return false;
    }
    try {
        TPagePictures::Write(pages, 1, 1, folder, [](int) { return QStringLiteral("page1.png"); }, dotsPerInch);
    } catch (const std::runtime_error& failure) {
        if (error)
            *error = QString::fromStdString(failure.what());
        return false;
    }
    return true;
}
