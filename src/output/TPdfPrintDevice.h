// The device of the built-in "PDF file" printer: Qt's PDF writer at 1200 dots per inch, the page
// taken from the document's settings with no margins, so the painter's origin is the sheet's
// corner as on a full-page printer.
#pragma once

#include "TPrintDevice.h"

#include <memory>

class QPdfWriter;

class TPdfPrintDevice : public TPrintDevice {
public:
    static constexpr double kResolution = 1200;

    TPdfPrintDevice();
    ~TPdfPrintDevice() override;

    QPagedPaintDevice* Open(const TPrintSettings& settings, const QString& fileName) override;
    bool NewPage() override;
    bool Failed() const override { return false; }
    void Abort() override {}
    double Resolution() const override { return kResolution; }
    QMarginsF MinimumMarginsInches() const override { return {}; }
    QPageLayout PageLayout() const override { return Layout; }
    void SetPageLayout(const QPageLayout& layout) override { Layout = layout; }
    QString PaperSource() const override;
    void SetPaperSource(const QString&) override {}

private:
    std::unique_ptr<QPdfWriter> Writer;
    QPageLayout Layout;
};
