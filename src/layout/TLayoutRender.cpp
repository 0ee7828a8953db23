#include "TLayoutRender.h"

#include "TLLabelObjectFiler.h"
#include "TLPrintPass.h"
#include "TLStreamError.h"
#include "TLayoutDescription.h"
#include "TLayoutUnits.h"

#include "output/TPagePainter.h"
#include "output/TPageStream.h"
#include "output/TReportFiler.h"
#include "output/TReportPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

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
    QImage image(std::max(1, width.ToPixels(dotsPerInch)), std::max(1, height.ToPixels(dotsPerInch)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(int(dotsPerInch / 0.0254));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        TPagePainter(painter, dotsPerInch, dotsPerInch).PlayPage(pages.Page(1), true);
    }
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("page1.png"));
    if (!image.save(path, "PNG")) {
        if (error)
            *error = QStringLiteral("Cannot write the file %1").arg(path);
        return false;
    }
    return true;
}
