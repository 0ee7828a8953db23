// The pages of a job collected in memory (the target of TReportFiler and the source of
// TFilePreview and TFilePrinter). The caller creates it before the run and frees it after the
// preview closes; it outlives the job that filled it.
#pragma once

#include "TDisplayList.h"

#include <vector>

class TPageStream {
public:
    void AddPage(TDisplayList page) { Pages.push_back(std::move(page)); }
    void Clear() { Pages.clear(); }
    int PageCount() const { return int(Pages.size()); }
    // 1-based, as page numbers are everywhere else; the caller keeps n within 1..PageCount().
    const TDisplayList& Page(int pageNumber) const { return Pages.at(size_t(pageNumber - 1)); }

private:
    std::vector<TDisplayList> Pages;
};
