#include "TReportDesignLayout.h"

#include "layout/TLGraphicControl.h"
#include "layout/TLayoutUnits.h"

#include <algorithm>

TReportDesignLayout::TReportDesignLayout(TLReportSettings& settings, TReportPanel& header, TReportPanel& detail,
                                         TReportPanel& footer)
    : Settings(settings), Header(header), Detail(detail), Footer(footer)
{
}

int TReportDesignLayout::PixelsPerInch() const { return TLayoutUnits::PixelsPerInch(); }

int TReportDesignLayout::BandWidth() const
{
    return Settings.PageWidth - Settings.LeftMargin - Settings.RightMargin - PixelsPerInch() / 4;
}

int TReportDesignLayout::PageAreaHeight() const
{
    return Settings.PageHeight - Settings.TopMargin - Settings.BottomMargin + MemoStripHeight() + SpareHeight;
}

double TReportDesignLayout::StartInch() const { return double(Settings.LeftMargin) / PixelsPerInch(); }

TReportPanel* TReportDesignLayout::Panel(TReportBand band) const
{
    switch (band) {
    case TReportBand::rbHeader: return &Header;
    case TReportBand::rbDetail: return &Detail;
    case TReportBand::rbFooter: return &Footer;
    default: return nullptr;
    }
}

int* TReportDesignLayout::Height(TReportBand band) const
{
    switch (band) {
    case TReportBand::rbHeader: return &Settings.HeaderHeight;
    case TReportBand::rbDetail: return &Settings.DetailHeight;
    case TReportBand::rbFooter: return &Settings.FooterHeight;
    default: return nullptr;
    }
}

bool* TReportDesignLayout::Use(TReportBand band) const
{
    switch (band) {
    case TReportBand::rbHeader: return &Settings.UseHeader;
    case TReportBand::rbDetail: return &Settings.UseDetail;
    case TReportBand::rbMemo: return &Settings.UseMemo;
    default: return &Settings.UseFooter;
    }
}

bool TReportDesignLayout::BandOn(TReportBand band) const { return *Use(band); }

int TReportDesignLayout::BandHeight(TReportBand band) const
{
    if (band == TReportBand::rbMemo)
        return MemoStripHeight();
    return BandOn(band) ? *Height(band) : 0;
}

std::array<TReportDesignLayout::TRow, 4> TReportDesignLayout::Rows(int rulerHeight) const
{
    std::array<TRow, 4> rows{};
    int top = rulerHeight;
    for (int i = 0; i < 4; ++i) {
        TRow& row = rows[size_t(i)];
        row.CaptionTop = top;
        row.BandTop = top + CaptionHeight;
        row.BandHeight = BandHeight(TReportBand(i));
        row.SizerTop = row.BandTop + row.BandHeight;
        top = row.SizerTop + SizerHeight;
    }
    return rows;
}

// What header + detail + footer + memo strip + 100 exceed the page area by (0 when they fit).
int TReportDesignLayout::Overflow() const
{
    const int used = BandHeight(TReportBand::rbHeader) + BandHeight(TReportBand::rbDetail) +
                     BandHeight(TReportBand::rbFooter) + MemoStripHeight() + SpareHeight;
    return std::max(0, used - PageAreaHeight());
}

void TReportDesignLayout::SetBandOn(TReportBand band, bool on)
{
    *Use(band) = on;
    if (!on || band == TReportBand::rbMemo)
        return;
    if (*Height(band) == 0) {
        *Height(band) = NewBandHeight;
        *Height(band) = std::max(0, *Height(band) - Overflow());
    }
}

void TReportDesignLayout::SetBandHeight(TReportBand band, int height)
{
    if (band == TReportBand::rbMemo)
        return;
    *Height(band) = std::max(0, height);
    *Height(band) = std::max(0, *Height(band) - Overflow());
}

void TReportDesignLayout::PullObjectsInside(TReportBand band)
{
    TReportPanel* panel = Panel(band);
    if (!panel)
        return;
    const int bottom = *Height(band);
    const int right = BandWidth();
    for (const auto& object : panel->Objects()) {
        if (object->Top() > bottom)
            object->SetTop(std::max(0, bottom - object->Height()));
        if (object->Left() > right)
            object->SetLeft(std::max(0, right - object->Width()));
    }
}

void TReportDesignLayout::SizePanels()
{
    for (const TReportBand band : {TReportBand::rbHeader, TReportBand::rbDetail, TReportBand::rbFooter})
        Panel(band)->SetSize(BandWidth(), BandHeight(band));
}

QString TReportDesignLayout::ApplySaveRules()
{
    for (const TReportBand band : {TReportBand::rbHeader, TReportBand::rbDetail, TReportBand::rbFooter})
        if (*Height(band) == 0)
            *Use(band) = false;
    if (!Settings.UseHeader && !Settings.UseDetail && !Settings.UseMemo && !Settings.UseFooter)
        return QLatin1String(NoBandsMessage);
    for (const TReportBand band : {TReportBand::rbHeader, TReportBand::rbDetail, TReportBand::rbFooter}) {
        TReportPanel* panel = Panel(band);
        const bool on = BandOn(band);
        std::vector<TLGraphicControl*> doomed;
        for (const auto& object : panel->Objects())
            if (!on || object->Top() > *Height(band) + 10 || object->Left() > BandWidth())
                doomed.push_back(object.get());
        for (TLGraphicControl* object : doomed)
            panel->Remove(object);
        panel->ClearAllData();
    }
    return QString();
}
