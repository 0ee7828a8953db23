#include "TBaseReport.h"

#include "TPaperCodes.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace {

// Text is measured at a fine resolution so that widths in inches match what a printer draws.
constexpr int kMeasureDpi = 1200;

const QImage& MeasureDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMeter = int(std::lround(kMeasureDpi / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

QColor ShadeColor(int percent)
{
    const int level = 255 - 255 * std::clamp(percent, 0, 100) / 100;
    return QColor(level, level, level);
}

} // namespace

TBaseReport::TBaseReport() : Size(QPageSize::Letter), OpenPageList(std::make_unique<TDisplayList>())
{
    CurrentFont.Family = QStringLiteral("Arial");
    CurrentFont.PointSize = 10;
    ResetSection();
}

TBaseReport::~TBaseReport() = default;

// ---- Set-up

bool TBaseReport::SetPaper(int paperCode)
{
    const auto id = TPaperCodes::PageSizeId(paperCode);
    if (!id)
        return false;
    Size = QPageSize(*id);
    Paper = paperCode;
    ResetSection();
    return true;
}

void TBaseReport::SetCustomPaper(TInches width, TInches height)
{
    Size = QPageSize(QSizeF(width.Value(), height.Value()), QPageSize::Inch, QString(), QPageSize::ExactMatch);
    Paper = TPaperCodes::pcCustom;
    ResetSection();
}

bool TBaseReport::SelectPaperName(const QString& name)
{
    for (int id = 0; id <= int(QPageSize::LastPageSize); ++id) {
        const QPageSize candidate(static_cast<QPageSize::PageSizeId>(id));
        if (candidate.name() == name) {
            Size = candidate;
            Paper = TPaperCodes::PaperCode(candidate.id());
            ResetSection();
            return true;
        }
    }
    return false;
}

void TBaseReport::SetMarginLeft(TInches margin) { Margins.Left = margin; Section.Left = margin; }
void TBaseReport::SetMarginTop(TInches margin) { Margins.Top = margin; Section.Top = margin; }
void TBaseReport::SetMarginRight(TInches margin) { Margins.Right = margin; Section.Right = PageWidth() - margin; }
void TBaseReport::SetMarginBottom(TInches margin) { Margins.Bottom = margin; Section.Bottom = PageHeight() - margin; }

void TBaseReport::ResetSection()
{
    Section = TInchRect{Margins.Left, Margins.Top, PageWidth() - Margins.Right, PageHeight() - Margins.Bottom};
}

bool TBaseReport::PrinterSetup(QWidget* parent)
{
    QPageLayout layout(Size, PageOrientation == TOrientation::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF());
    if (!PrinterChoice.ExecuteSetupDialog(parent, layout))
        return false;
    Size = layout.pageSize();
    Paper = TPaperCodes::PaperCode(Size.id());
    PageOrientation = layout.orientation() == QPageLayout::Landscape ? TOrientation::poLandscape : TOrientation::poPortrait;
    ResetSection();
    return true;
}

TInches TBaseReport::PageWidth() const
{
    const QSizeF size = Size.size(QPageSize::Inch);
    return TInches(PageOrientation == TOrientation::poPortrait ? size.width() : size.height());
}

TInches TBaseReport::PageHeight() const
{
    const QSizeF size = Size.size(QPageSize::Inch);
    return TInches(PageOrientation == TOrientation::poPortrait ? size.height() : size.width());
}

QRect TBaseReport::InchRectToDevice(const TInchRect& rect)
{
    const double dpi = Resolution();
    const QRectF device = rect.ToDevice(dpi, dpi, TInchPoint{UnprintableLeft(), UnprintableTop()});
    return QRect(QPoint(int(std::lround(device.left())), int(std::lround(device.top()))),
                 QPoint(int(std::lround(device.right())) - 1, int(std::lround(device.bottom())) - 1));
}

// ---- Running

bool TBaseReport::Execute()
{
    AbortFlag = false;
    StopFlag = false;
    PageNumber = 0;
    LastError.clear();
    if (!StartJob()) {
        AbortFlag = true;
        return false;
    }
    Running = true;
    try {
        Fire(OnBeforePrint);
        OpenPage();
        Fire(OnPrint);
        ClosePage();
        Fire(OnAfterPrint);
    } catch (...) {
        // A job that failed half way is aborted, so no half-written document stays behind.
        Running = false;
        AbortFlag = true;
        EndJob(true);
        throw;
    }
    Running = false;
    EndJob(AbortFlag);
    return !AbortFlag;
}

void TBaseReport::NewPage()
{
    // An aborted job sends nothing more to its target; the caller's loop is about to end.
    if (!Running || AbortFlag)
        return;
    ClosePage();
    OpenPage();
    Fire(OnNewPage);
}

bool TBaseReport::ProcessEvents()
{
    if (OnProcessEvents)
        OnProcessEvents();
    return !AbortFlag && !StopFlag;
}

void TBaseReport::OpenPage()
{
    ++PageNumber;
    OpenPageList = std::make_unique<TDisplayList>(PageWidth(), PageHeight());
    // Each page carries the drawing state in force, so it can be played on its own.
    OpenPageList->Add(CurrentFont);
    OpenPageList->Add(CurrentPen);
    OpenPageList->Add(CurrentBrush);
    Home();
    UpdateStatus();
    Fire(OnPrintHeader);
}

void TBaseReport::ClosePage()
{
    Fire(OnPrintFooter);
    PageFinished(std::move(*OpenPageList));
    OpenPageList = std::make_unique<TDisplayList>(PageWidth(), PageHeight());
}

void TBaseReport::Fire(const TReportEvent& handler)
{
    if (handler)
        handler(*this);
}

// ---- Status

void TBaseReport::UpdateStatus()
{
    if (StatusLabel)
        StatusLabel(StatusMessage(StatusFormat));
}

QString TBaseReport::StatusMessage(const QString& format) const
{
    QString message;
    message.reserve(format.size() + 32);
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar next = i + 1 < format.size() ? format.at(i + 1) : QChar();
        if (format.at(i) == u'%' && next == u'p') {
            message += QString::number(PageNumber);
        } else if (format.at(i) == u'%' && (next == u'0' || next == u'1')) {
            const int line = next.digitValue();
            message += line < StatusText.size() ? StatusText.at(line) : QString();
        } else {
            message += format.at(i);
            continue;
        }
        ++i;
    }
    return message;
}

// ---- Drawing state

void TBaseReport::SetFont(const QString& family, double pointSize)
{
    CurrentFont.Family = family;
    CurrentFont.PointSize = pointSize;
    FontChanged();
}

void TBaseReport::SetFontStyle(bool bold, bool italic, bool underline, bool strikeOut)
{
    CurrentFont.Bold = bold;
    CurrentFont.Italic = italic;
    CurrentFont.Underline = underline;
    CurrentFont.StrikeOut = strikeOut;
    FontChanged();
}

void TBaseReport::SetBold(bool bold)
{
    CurrentFont.Bold = bold;
    FontChanged();
}

void TBaseReport::SetItalic(bool italic)
{
    CurrentFont.Italic = italic;
    FontChanged();
}

void TBaseReport::SetFontColor(const QColor& color)
{
    CurrentFont.Color = color;
    FontChanged();
}

void TBaseReport::FontChanged()
{
    FontMetrics.reset();
    OpenPageList->Add(CurrentFont);
}

const QFontMetricsF& TBaseReport::Metrics() const
{
    if (!FontMetrics) {
        QFont font(CurrentFont.Family);
        font.setPointSizeF(CurrentFont.PointSize);
        font.setBold(CurrentFont.Bold);
        font.setItalic(CurrentFont.Italic);
        FontMetrics.emplace(font, &MeasureDevice());
    }
    return *FontMetrics;
}

TInches TBaseReport::TextWidth(const QString& text) const
{
    return TInches::FromPixels(Metrics().horizontalAdvance(text), kMeasureDpi);
}

void TBaseReport::SetPen(const QColor& color, Qt::PenStyle style, int width, TPenMode mode)
{
    CurrentPen.Color = color;
    CurrentPen.Style = style;
    CurrentPen.Width = width < 0 ? TInches::FromHundredths(-width) : TInches::FromPixels(width, Resolution());
    CurrentPen.Mode = mode;
    OpenPageList->Add(CurrentPen);
}

void TBaseReport::SetBrush(const QColor& color, Qt::BrushStyle style)
{
    CurrentBrush = TBrushOp{color, style};
    OpenPageList->Add(CurrentBrush);
}

// ---- Drawing

void TBaseReport::TextRect(const TInchRect& clip, TInches x, TInches baseline, const QString& text)
{
    OpenPageList->Add(TClippedTextOp{clip, {x, baseline}, text});
}

void TBaseReport::PrintAt(TInches x, TInches baseline, const QString& text, TTextAlign align)
{
    OpenPageList->Add(TTextOp{{x, baseline}, align, text});
}

void TBaseReport::Rectangle(const TInchRect& rect) { OpenPageList->Add(TRectOp{rect}); }
void TBaseReport::Ellipse(const TInchRect& rect) { OpenPageList->Add(TEllipseOp{rect}); }
void TBaseReport::FillRect(const TInchRect& rect, const QColor& color) { OpenPageList->Add(TFillRectOp{rect, color}); }
void TBaseReport::StretchDraw(const TInchRect& rect, const QImage& image) { OpenPageList->Add(TImageOp{rect, image}); }

void TBaseReport::RoundRect(const TInchRect& rect, TInches cornerWidth, TInches cornerHeight)
{
    OpenPageList->Add(TRoundRectOp{rect, cornerWidth, cornerHeight});
}

void TBaseReport::StretchPicture(const TInchRect& rect, const QPicture& picture, const QRectF& frame)
{
    OpenPageList->Add(TPictureOp{rect, picture, frame});
}

void TBaseReport::LineTo(TInches x, TInches y)
{
    OpenPageList->Add(TLineOp{PenPosition, {x, y}});
    PenPosition = {x, y};
}

void TBaseReport::HorizontalRule(TInches y, TInches left, TInches right)
{
    MoveTo(left, y);
    LineTo(right, y);
}

// ---- Lines and tabs

TInches TBaseReport::LineHeight() const
{
    return TInches::FromPixels(Metrics().lineSpacing(), kMeasureDpi);
}

TInches TBaseReport::FontLeading() const
{
    return TInches::FromPixels(Metrics().leading(), kMeasureDpi);
}

TInches TBaseReport::Baseline() const
{
    return CurrentLineTop + TInches::FromPixels(Metrics().ascent(), kMeasureDpi);
}

int TBaseReport::LinesLeft() const
{
    // A hair of tolerance, so a section of exactly n lines holds n lines.
    const double free = (Section.Bottom - LineBottom()) / LineHeight();
    return std::max(0, int(std::floor(free + 1e-6)));
}

bool TBaseReport::LineFits() const
{
    return LineBottom().Value() <= Section.Bottom.Value() + 1e-6;
}

void TBaseReport::Home()
{
    CurrentLineTop = Section.Top;
    LineNumber = 1;
    CurrentTab = -1;
}

void TBaseReport::NewLine()
{
    CurrentLineTop += LineHeight();
    ++LineNumber;
    CurrentTab = -1;
}

void TBaseReport::SetTab(std::optional<TInches> left, TTabJustify justify, TInches width, int marginHundredths,
                         int shadePercent, unsigned borders)
{
    TabSet.Add(left, Section.Left, justify, width, marginHundredths, shadePercent, borders);
}

bool TBaseReport::Tab()
{
    if (CurrentTab + 1 >= TabSet.Count())
        return false;
    ++CurrentTab;
    const TTab& tab = TabSet.At(CurrentTab);
    const TInchRect cell{tab.Left, LineTop(), tab.Right(), LineBottom()};
    if (tab.ShadePercent > 0)
        FillRect(cell, ShadeColor(tab.ShadePercent));
    if (tab.Borders & tbTop) HorizontalRule(cell.Top, cell.Left, cell.Right);
    if (tab.Borders & tbBottom) HorizontalRule(cell.Bottom, cell.Left, cell.Right);
    if (tab.Borders & tbLeft) { MoveTo(cell.Left, cell.Top); LineTo(cell.Left, cell.Bottom); }
    if (tab.Borders & tbRight) { MoveTo(cell.Right, cell.Top); LineTo(cell.Right, cell.Bottom); }
    return true;
}

void TBaseReport::PrintTab(const QString& text)
{
    if (!Tab())
        return;
    const TTab& tab = TabSet.At(CurrentTab);
    const TInchRect clip{tab.Left + tab.Margin, LineTop(), tab.Right() - tab.Margin, LineBottom()};
    TInches start = clip.Left;
    if (tab.Justify != TTabJustify::tjLeft) {
        const TInches free = clip.Width() - TextWidth(text);
        start += tab.Justify == TTabJustify::tjCenter ? free / 2 : free;
    }
    TextRect(clip, start, Baseline(), text);
}
