// The label print job: walks the chosen records of the address table and draws each label with
// its layout at the position the stock's geometry gives, sheet after sheet, through the
// page-output engine. Used as the print callback of a job from the setup screen and the
// `labels` command alike; no widget.
//
// The loop: positions advance across a row, then down; a page is started only when a label
// needs it, so no empty page follows the last label. A clear flag of the mask (or one of the
// first sheet's skipped positions) leaves its position blank without using a record. Each
// record fills `LabelsPerRecord` positions. With presort the records follow the presort list:
// a separator line prints a separator label; a ZIP line prints the records whose first five
// ZIP characters equal it exactly. After the list, every chosen record the list did not reach
// (ZIP empty, Canadian, too short, or not matching its entry exactly) prints under a
// "** Not presorted" separator, so every chosen record prints exactly once.
//
// Contract: the table is narrowed and standing on the first record to print (TRecordChoice);
// the panel holds the layout and is bound to the table. Errors of the engine or the layout are
// exceptions; the job then ends as failed.
#pragma once

#include "TLabelPositionMask.h"
#include "TLabelStock.h"

#include "output/TInches.h"

#include <QString>

#include <cstdint>
#include <vector>

class TAddressTable;
class TBaseReport;
class TLLabelPanel;
class TLPrintPass;
struct TStatusTexts;

struct TLabelPrintOptions {
    TLabelStock Stock;
    TLabelPositionMask Mask;        // empty: every position
    int LabelsPerRecord = 1;        // 1..99
    int SkipPositions = 0;          // positions of the first sheet left blank (a partly used sheet)
    bool Presort = false;
    QString PresortListPath;        // the presort list the order follows
    bool Preview = false;           // a preview hands out no Intelligent Mail serials for good
};

class TLabelPrinter {
public:
    static constexpr const char* NotPresortedText = "** Not presorted";
    static constexpr const char* OrderMessage = "Labels will print/preview in the following order:\r\n"
                                                "  1. 5-Digit presort\r\n  2. 3-Digit presort\r\n  3. ADC presort";
    static constexpr const char* CancelQuestion = "Cancel Label Printing?";

    TLabelPrinter(TLLabelPanel& panel, TAddressTable& table, TLabelPrintOptions options);

    // The job's print callback: the whole loop on a running job.
    void Print(TBaseReport& report);

    // What the last Print did.
    int64_t Labels() const { return LabelCount; }           // record labels
    int64_t Separators() const { return SeparatorCount; }   // separator labels
    int64_t NotPresorted() const { return NotPresortedCount; }
    int Sheets() const { return SheetCount; }

    // ---- job set-up (the same for the window and the command line)
    // Paper by code or custom size and the stock's orientation. False when the size cannot be
    // confirmed (the printer takes no paper size of ours).
    static bool SetUpPaper(TBaseReport& report, const TLabelStock& stock);
    // Whether the job's page differs from the stock's sheet by more than 0.05 inch.
    static bool PaperDiffers(TBaseReport& report, const TLabelStock& stock);
    // The paper-size question of the window ("Unable to confirm ...").
    static QString PaperQuestion(const TLabelStock& stock);
    // The portrait width and height of the stock's paper, rounded to 2 decimals.
    static std::pair<TInches, TInches> PortraitPaper(const TLabelStock& stock);
    static TStatusTexts StatusTexts();
    // The final status line: the engine's text with the count of records printed unsorted.
    QString NotPresortedNote() const;

private:
    struct TCursor {
        int Column = -1;
        int Row = 0;
        int Sheet = 1;
    };
    // Moves to the next position whose flag is set; false when the job should stop.
    TInchRect NextPosition(TBaseReport& report);
    void DrawRecordLabels(TBaseReport& report);
    void DrawSeparator(TBaseReport& report, const QString& text);
    bool GoOn(TBaseReport& report);
    void PrintInOrder(TBaseReport& report);
    void PrintPresorted(TBaseReport& report);
    bool PrintEntry(TBaseReport& report, const QString& zip);
    bool InRecordSet();

    TLLabelPanel& Panel;
    TAddressTable& Table;
    TLabelPrintOptions Options;
    TCursor Cursor;
    TLPrintPass* Pass = nullptr; // the panel's print pass while Print runs
    std::vector<bool> Printed; // by record number, while presorting
    int64_t LabelCount = 0;
    int64_t SeparatorCount = 0;
    int64_t NotPresortedCount = 0;
    int SheetCount = 0;
    bool Stopped = false;
};
