// A layout file printed as one page: the layout drawn for the current record of a data set
// (or with its data objects printing nothing when there is none), counters at their start, at
// offset 0,0. Label and envelope layouts fill a page of the given size or of the objects'
// extent; a report stacks its bands from the top and left margins on its own page size. Used by
// `quorvane layout render`; the output is a PDF through the print job or a PNG of the page.
#pragma once

#include "TLLabelPanel.h"
#include "TReportPanel.h"
#include "TLReportSettings.h"

#include "output/TInches.h"

#include <optional>

class TBaseReport;
class TLDataSource;

class TLayoutRender {
public:
    // Reads the layout; throws TLStreamError with the reader's message.
    explicit TLayoutRender(const QString& fileName);

    void SetData(TLDataSource* data);
    void SetPageSize(TInches width, TInches height) { PageSizeGiven = std::make_pair(width, height); }
    std::pair<TInches, TInches> PageSize() const;
    bool IsReport() const { return Report; }

    // Draws the page onto a running job.
    void Draw(TBaseReport& report);
    // The page as a PDF; false with `error` set when it could not be written.
    bool RenderPdf(const QString& pdfPath, QString* error);
    // The page as DIR/page1.png at `dotsPerInch`; false with `error` set on failure.
    bool RenderPng(const QString& folder, QString* error, double dotsPerInch = 96.0);

private:
    std::vector<std::pair<TLDataPanel*, TInches>> Bands() const;

    bool Report = false;
    TLOwner Owner;
    TLLabelPanel Layout{&Owner};
    TReportPanel Header{&Owner}, Detail{&Owner}, Footer{&Owner};
    TLReportSettings Settings;
    std::optional<std::pair<TInches, TInches>> PageSizeGiven;
};
