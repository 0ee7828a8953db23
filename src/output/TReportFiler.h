// A job whose pages go into a TPageStream in memory, for the preview window. The stream
// belongs to the caller: it is created before the run and freed after the preview closes.
// Page size and resolution are those of the current printer, so a preview shows what a print
// would give; the device name reads "Preview".
#pragma once

#include "TBaseReport.h"
#include "TPageStream.h"

class TReportFiler : public TBaseReport {
public:
    explicit TReportFiler(TPageStream& stream) : Stream(stream) {}

    QString DeviceName() override { return QStringLiteral("Preview"); }
    // A page stream shows the whole sheet.
    TInches UnprintableLeft() override { return {}; }
    TInches UnprintableTop() override { return {}; }
    TInches UnprintableRight() override { return {}; }
    TInches UnprintableBottom() override { return {}; }

protected:
    bool StartJob() override
    {
        Stream.Clear();
        return true;
    }
    void PageFinished(TDisplayList page) override { Stream.AddPage(std::move(page)); }
    void EndJob(bool) override {}

private:
    TPageStream& Stream;
};
