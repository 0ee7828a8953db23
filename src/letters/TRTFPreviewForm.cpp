#include "TRTFPreviewForm.h"

#include "TLetterMerge.h"

#include "data/TAddressTable.h"
#include "prompts/TUserPrompts.h"
#include "richtext/TRichPageRenderer.h"
#include "settings/TWindowPlacement.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString PlacementName = QStringLiteral("TRTFPreviewForm");
}

TRTFPreviewForm::TRTFPreviewForm(TAddressTable& table, const TRichDocument& letter, QWidget* parent)
    : QDialog(parent), Table(table), Template(letter)
{
    setWindowTitle(QStringLiteral("Preview Letters Page 1"));
    resize(760, 800);
    PageView = new QLabel;
    PageView->setAlignment(Qt::AlignCenter);
    PageView->installEventFilter(this);
    Scroller = new QScrollArea;
    Scroller->setWidget(PageView);
    Scroller->setWidgetResizable(true);
    Scroller->setBackgroundRole(QPalette::Dark);

    auto* bar = new QHBoxLayout;
    const auto add = [&](const QString& caption, auto handler) {
        auto* button = new QPushButton(caption);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, handler);
        bar->addWidget(button);
    };
    add(QStringLiteral("Zoom In"), [this] { ZoomInClick(); });
    add(QStringLiteral("Zoom Out"), [this] { ZoomOutClick(); });
    add(QStringLiteral("Page Width"), [this] { PageWidthClick(); });
    add(QStringLiteral("Whole Page"), [this] { WholePageClick(); });
    add(QStringLiteral("< Page"), [this] { PreviousPageClick(); });
    add(QStringLiteral("Page >"), [this] { NextPageClick(); });
    bar->addSpacing(12);
    add(QStringLiteral("|<"), [this] { MoveRecord(-1); });
    add(QStringLiteral("<"), [this] { MoveRecord(-2); });
    add(QStringLiteral(">"), [this] { MoveRecord(2); });
    add(QStringLiteral(">|"), [this] { MoveRecord(1); });
    bar->addStretch();
    add(QStringLiteral("Close"), [this] { accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(Scroller, 1);
}

void TRTFPreviewForm::Execute(QWidget* parent, TAddressTable& table, const TRichDocument& letter)
{
    TRTFPreviewForm form(table, letter, parent);
    form.exec();
}

double TRTFPreviewForm::ScreenDpi() const { return logicalDpiX() > 0 ? logicalDpiX() : 96.0; }

void TRTFPreviewForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (Activated)
        return;
    Activated = true;
    TWindowPlacement::Load(this, PlacementName);
    Remerge();
    PageWidthClick();
}

void TRTFPreviewForm::closeEvent(QCloseEvent* event)
{
    TWindowPlacement::Save(this, PlacementName);
    QDialog::closeEvent(event);
}

void TRTFPreviewForm::Remerge()
{
    Working.CopyFrom(Template);
    Working.Reformat();
    if (!Table.Table().eof() && !Table.Table().bof())
        TLetterMerge::ReplaceTokens(Working, TLetterRecord::FromTable(Table), Today);
    Working.Reformat();
    Start = 0;
    Starts.clear();
    Page = 1;
    Draw();
}

void TRTFPreviewForm::SetZoom(int percent)
{
    ZoomPercent = std::max(1, percent);
    Draw();
}

void TRTFPreviewForm::ZoomInClick()
{
    if (ZoomPercent < MaximumZoomToGrow)
        SetZoom(static_cast<int>(std::lround(ZoomPercent * 1.25)));
}

void TRTFPreviewForm::ZoomOutClick()
{
    if (ZoomPercent > MinimumZoomToShrink)
        SetZoom(static_cast<int>(std::lround(ZoomPercent * 0.75)));
}

void TRTFPreviewForm::PageWidthClick()
{
    const double pageWidth = Working.PageLayout().PaperWidth.Value() * ScreenDpi() / TTwips::PerInch;
    // The page's height at that width brings a vertical scroll bar, so its room is left free.
    const int width = Scroller->maximumViewportSize().width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    SetZoom(static_cast<int>(std::lround(width / pageWidth * 100)));
}

void TRTFPreviewForm::WholePageClick()
{
    const double pageHeight = Working.PageLayout().PaperHeight.Value() * ScreenDpi() / TTwips::PerInch;
    SetZoom(static_cast<int>(std::lround(Scroller->viewport()->height() / pageHeight * 100)));
}

void TRTFPreviewForm::NextPageClick()
{
    if (NextStart <= 0)
        return;
    Starts.push_back(Start);
    Start = NextStart;
    ++Page;
    Draw();
}

void TRTFPreviewForm::PreviousPageClick()
{
    if (Starts.empty())
        return;
    Start = Starts.back();
    Starts.pop_back();
    --Page;
    Draw();
}

void TRTFPreviewForm::MoveRecord(int how)
{
    xbase::DbfTable& table = Table.Table();
    switch (how) {
    case -1: table.goTop(); break;
    case 1: table.goBottom(); break;
    case -2: table.skip(-1); if (table.bof()) table.goTop(); break;
    default: table.skip(1); if (table.eof()) table.goBottom(); break;
    }
    Remerge();
}

void TRTFPreviewForm::Draw()
{
    setWindowTitle(QStringLiteral("Preview Letters Page %1").arg(Page));
    try {
        const QImage page = TRichPageRenderer::RenderPageImage(Working, ScreenDpi(), ZoomPercent / 100.0, Start, &NextStart);
        PageView->setPixmap(QPixmap::fromImage(page));
    } catch (const std::exception&) {
        TUserPrompts::Current().Information(QStringLiteral("There was an error drawing the preview"));
    }
}

void TRTFPreviewForm::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* bar = Scroller->verticalScrollBar();
    if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) {
        const int step = event->key() == Qt::Key_Down ? bar->singleStep() : -bar->singleStep();
        bar->setValue(std::clamp(bar->value() + step, bar->minimum(), bar->maximum()));
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TRTFPreviewForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PageView && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            ZoomInClick();
        else
            ZoomOutClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
