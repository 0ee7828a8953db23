// The rules of the report design screen that need no widget: the page's layout (band width,
// page area height, the ruler's start, where each caption, band, sizer and the memo strip
// sit), switching a band on, dragging a sizer (clamped to the page area), pulling objects back
// inside a band, and the save rules. Lengths are layout pixels.
#pragma once

#include "layout/TReportPanel.h"
#include "layout/TLReportSettings.h"

#include <QString>

#include <array>

enum class TReportBand { rbHeader, rbDetail, rbMemo, rbFooter };

class TReportDesignLayout {
public:
    static constexpr int CaptionHeight = 20;
    static constexpr int SizerHeight = 5;
    static constexpr int MemoStripOnHeight = 33;
    static constexpr int SpareHeight = 100;
    static constexpr int NewBandHeight = 20;
    static constexpr const char* NoBandsMessage = "No report bands are selected. Please select at least one";

    // One row of the page area from the top: caption, band, sizer for each band.
    struct TRow {
        int CaptionTop = 0;
        int BandTop = 0;
        int BandHeight = 0;
        int SizerTop = 0;
    };

    TReportDesignLayout(TLReportSettings& settings, TReportPanel& header, TReportPanel& detail, TReportPanel& footer);

    int PixelsPerInch() const;
    int BandWidth() const;
    int PageAreaHeight() const;
    int MemoStripHeight() const { return Settings.UseMemo ? MemoStripOnHeight : 0; }
    double StartInch() const;
    // The rows below a ruler of `rulerHeight`, header to footer, and the total height.
    std::array<TRow, 4> Rows(int rulerHeight) const;

    bool BandOn(TReportBand band) const;
    int BandHeight(TReportBand band) const;
    // Switches a band; a band switched on at height 0 gets 20 pixels, reduced to fit the page.
    void SetBandOn(TReportBand band, bool on);
    // A sizer dragged: `height` reduced by what the bands and memo strip exceed the page by.
    void SetBandHeight(TReportBand band, int height);
    // A sizer released: objects below the band's bottom or beyond its right edge come back in.
    void PullObjectsInside(TReportBand band);
    // Band panels sized to the band width and their heights (0 when off).
    void SizePanels();

    // The save rules: a band of height 0 is switched off; no band on gives NoBandsMessage and
    // changes nothing else; objects more than 10 pixels below a band's bottom or beyond its
    // right edge are deleted, every object of a band that is off too; record texts cleared.
    // Empty on success.
    QString ApplySaveRules();

private:
    TReportPanel* Panel(TReportBand band) const;
    int* Height(TReportBand band) const;
    bool* Use(TReportBand band) const;
    int Overflow() const;

    TLReportSettings& Settings;
    TReportPanel& Header;
    TReportPanel& Detail;
    TReportPanel& Footer;
};
