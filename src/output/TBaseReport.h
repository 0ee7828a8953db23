// The page-output engine every printed product draws on. A caller configures a job (title,
// paper, orientation, margins, printer), sets its event handlers and calls Execute(); inside
// OnPrint it draws with the operations below, all in inches from the top-left corner of the
// physical sheet, and calls NewPage() between pages. Every page is recorded as a TDisplayList;
// the target (TReportPrinter, TReportFiler) decides what happens to a finished page.
//
// Long jobs call ProcessEvents() after each unit of work (a record, a label) and stop when it
// returns false: the job was aborted or stopped from its status window.
#pragma once

#include "TDisplayList.h"
#include "TInches.h"
#include "TPrinterSelection.h"
#include "TTabStops.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

enum class TOrientation { poPortrait, poLandscape };

class TBaseReport {
public:
    using TReportEvent = std::function<void(TBaseReport&)>;

    TBaseReport();
    virtual ~TBaseReport();
    TBaseReport(const TBaseReport&) = delete;
    TBaseReport& operator=(const TBaseReport&) = delete;

    // ---- Job set-up
    QString Title;                    // the spooler's job name
    int Copies = 1;
    void SetOrientation(TOrientation orientation) { PageOrientation = orientation; ResetSection(); }
    TOrientation Orientation() const { return PageOrientation; }
    // A Windows paper code (1, 9, 11, 19..38); false and no change for an unknown code.
    bool SetPaper(int paperCode);
    void SetCustomPaper(TInches width, TInches height);
    int PaperCode() const { return Paper; }
    QPageSize PageSize() const { return Size; }

    // Setting a margin moves the matching section edge with it.
    TInches MarginLeft() const { return Margins.Left; }
    TInches MarginTop() const { return Margins.Top; }
    TInches MarginRight() const { return Margins.Right; }
    TInches MarginBottom() const { return Margins.Bottom; }
    void SetMarginLeft(TInches margin);
    void SetMarginTop(TInches margin);
    void SetMarginRight(TInches margin);
    void SetMarginBottom(TInches margin);

    // ---- Printers
    TPrinterSelection& Printers() { return PrinterChoice; }
    QStringList PrinterNames() const { return PrinterChoice.Printers(); }
    int PrinterIndex() const { return PrinterChoice.PrinterIndex(); }
    bool SelectPrinter(int index) { return PrinterChoice.SelectPrinter(index); }
    bool SelectPrinter(const QString& name) { return PrinterChoice.SelectPrinter(name); }
    // The device name of the target; a page stream calls itself "Preview".
    virtual QString DeviceName() { return PrinterChoice.PrinterName(); }
    QStringList PaperSources() const { return PrinterChoice.PaperSources(); }
    QString PaperSource() { return PrinterChoice.PaperSource(); }
    bool SelectPaperSource(const QString& name) { return PrinterChoice.SelectPaperSource(name); }
    QStringList PaperNames() const { return PrinterChoice.PaperNames(); }
    QString PaperName() const { return Size.name(); }
    bool SelectPaperName(const QString& name);
    // The printer's own set-up dialog; paper and orientation follow what the user chose.
    bool PrinterSetup(QWidget* parent);

    // ---- Page queries
    TInches PageWidth() const;
    TInches PageHeight() const;
    virtual TInches UnprintableLeft() { return PrinterChoice.UnprintableLeft(); }
    virtual TInches UnprintableTop() { return PrinterChoice.UnprintableTop(); }
    virtual TInches UnprintableRight() { return PrinterChoice.UnprintableRight(); }
    virtual TInches UnprintableBottom() { return PrinterChoice.UnprintableBottom(); }
    // Device dots per inch of the target (the printer's, also for a page stream).
    virtual double Resolution() { return PrinterChoice.Resolution(); }
    // An inch rectangle in device pixels of the target, its unprintable offset removed.
    QRect InchRectToDevice(const TInchRect& rect);

    // ---- Running
    TReportEvent OnBeforePrint;
    TReportEvent OnPrint;
    TReportEvent OnAfterPrint;
    TReportEvent OnNewPage;
    TReportEvent OnPrintHeader;
    TReportEvent OnPrintFooter;
    // Lets the user interface breathe; set by the status window that runs the job.
    std::function<void()> OnProcessEvents;

    // Runs the job once; false when it was aborted or could not start (see ErrorText()).
    bool Execute();
    void NewPage();
    void Abort() { AbortFlag = true; }
    bool Aborted() const { return AbortFlag; }
    // A preview's "Stop": the caller's loop ends, the pages so far remain a good result.
    void Stop() { StopFlag = true; }
    bool StopRequested() const { return StopFlag; }
    // Processes pending events, then tells whether the job should go on.
    bool ProcessEvents();
    bool Printing() const { return Running; }
    int CurrentPage() const { return PageNumber; }
    QString ErrorText() const { return LastError; }
    // The page being drawn (tests and inspectors).
    const TDisplayList& PageList() const { return *OpenPageList; }

    // ---- Status
    std::function<void(const QString&)> StatusLabel;
    QString StatusFormat = QStringLiteral("Printing Page %p\r%0\r%1");
    QStringList StatusText;
    void UpdateStatus();
    // `format` with %p the page number and %0, %1 the first two status lines.
    QString StatusMessage(const QString& format) const;

    // ---- Drawing state
    void SetFont(const QString& family, double pointSize);
    void SetFontStyle(bool bold, bool italic, bool underline = false, bool strikeOut = false);
    void SetBold(bool bold);
    void SetItalic(bool italic);
    void SetFontColor(const QColor& color);
    const TFontOp& Font() const { return CurrentFont; }
    // Width > 0 is device pixels of the target, 0 the thinnest line, -n is n hundredths of an inch.
    void SetPen(const QColor& color, Qt::PenStyle style, int width, TPenMode mode = TPenMode::pmCopy);
    void SetBrush(const QColor& color, Qt::BrushStyle style);
    TInches TextWidth(const QString& text) const;

    // ---- Drawing
    void TextRect(const TInchRect& clip, TInches x, TInches baseline, const QString& text);
    void PrintAt(TInches x, TInches baseline, const QString& text, TTextAlign align = TTextAlign::taLeft);
    // On the current line's baseline.
    void PrintLeft(const QString& text, TInches x) { PrintAt(x, Baseline(), text, TTextAlign::taLeft); }
    void PrintCenter(const QString& text, TInches x) { PrintAt(x, Baseline(), text, TTextAlign::taCenter); }
    void PrintRight(const QString& text, TInches x) { PrintAt(x, Baseline(), text, TTextAlign::taRight); }
    void Rectangle(const TInchRect& rect);
    void RoundRect(const TInchRect& rect, TInches cornerWidth, TInches cornerHeight);
    void Ellipse(const TInchRect& rect);
    void MoveTo(TInches x, TInches y) { PenPosition = {x, y}; }
    void LineTo(TInches x, TInches y);
    void FillRect(const TInchRect& rect, const QColor& color);
    void StretchDraw(const TInchRect& rect, const QImage& image);
    void StretchPicture(const TInchRect& rect, const QPicture& picture, const QRectF& frame = {});
    void HorizontalRule(TInches y, TInches left, TInches right);

    // ---- Section and lines: the body area that lines and tabs run in
    TInches SectionLeft() const { return Section.Left; }
    TInches SectionTop() const { return Section.Top; }
    TInches SectionRight() const { return Section.Right; }
    TInches SectionBottom() const { return Section.Bottom; }
    void SetSection(const TInchRect& section) { Section = section; }
    void SetSectionTop(TInches top) { Section.Top = top; }
    void SetSectionBottom(TInches bottom) { Section.Bottom = bottom; }
    void ResetSection();   // back to the page inside the margins
    TInches LineHeight() const;
    // The font's extra spacing between lines, included in LineHeight().
    TInches FontLeading() const;
    TInches LineTop() const { return CurrentLineTop; }
    TInches LineBottom() const { return CurrentLineTop + LineHeight(); }
    TInches Baseline() const;
    int CurrentLine() const { return LineNumber; }
    // Whole lines of the current height still free below the current one.
    int LinesLeft() const;
    // Whether the current line lies inside the section.
    bool LineFits() const;
    void Home();             // first line of the section, before the first tab
    void NewLine();          // next line, before the first tab
    void GotoY(TInches lineTop) { CurrentLineTop = lineTop; }

    // ---- Tabs on the current line
    TTabStops& Tabs() { return TabSet; }
    void ClearTabs() { TabSet.Clear(); CurrentTab = -1; }
    void SetTab(std::optional<TInches> left, TTabJustify justify, TInches width, int marginHundredths = 0,
                int shadePercent = 0, unsigned borders = tbNone);
    void SaveTabs() { TabSet.Save(); }
    void RestoreTabs() { TabSet.Restore(); CurrentTab = -1; }
    void FirstTab() { CurrentTab = -1; }
    // Moves to the next tab, shading and framing its cell; false past the last tab.
    bool Tab();
    // Tab(), then the text inside the cell, justified and clipped to it.
    void PrintTab(const QString& text);

protected:
    // Prepares the target; false stops the run (ErrorText() or a user's cancel).
    virtual bool StartJob() = 0;
    virtual void PageFinished(TDisplayList page) = 0;
    virtual void EndJob(bool aborted) = 0;
    void SetErrorText(const QString& text) { LastError = text; }
    TPrinterSelection PrinterChoice;

private:
    void OpenPage();
    void ClosePage();
    void Fire(const TReportEvent& handler);
    void FontChanged();
    const QFontMetricsF& Metrics() const;

    QPageSize Size;
    int Paper = 1;
    TOrientation PageOrientation = TOrientation::poPortrait;
    TInchRect Margins{0.5_in, 0.5_in, 0.5_in, 0.5_in};
    TInchRect Section;

    bool Running = false;
    bool AbortFlag = false;
    bool StopFlag = false;
    int PageNumber = 0;
    QString LastError;
    std::unique_ptr<TDisplayList> OpenPageList;

    TFontOp CurrentFont;
    TPenOp CurrentPen;
    TBrushOp CurrentBrush;
    mutable std::optional<QFontMetricsF> FontMetrics;
    TInchPoint PenPosition;

    TTabStops TabSet;
    int CurrentTab = -1;
    TInches CurrentLineTop;
    int LineNumber = 1;
};
