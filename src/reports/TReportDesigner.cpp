#include "TReportDesigner.h"

#include "THRuler.h"
#include "TReportBandBars.h"
#include "TReportProperties.h"

#include "data/TAddressTable.h"
#include "help/TQuickTipsWindow.h"
#include "layout/TLAddressDataSource.h"
#include "layout/TLDesignView.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLayoutDesigner.h"
#include "layout/TLayoutUnits.h"
#include "prompts/TSaveChangesQuestion.h"
#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const PlacementName = "TReportDesigner";
const char* const CaptionTexts[] = {"Header", "Detail", "Memo", "Footer"};

// A new report's band frames: no outline, width 1, no shade, white.
void FreshFrames(TLReportSettings& settings)
{
    for (TLBandFrame& frame : settings.Bands)
        frame = TLBandFrame{false, false, false, false, 1, 0, 0xFFFFFF};
}

} // namespace

TReportDesigner::TReportDesigner(TAddressTable* table, QWidget* parent) : QDialog(parent), Table(table)
{
    setWindowTitle(QStringLiteral("Report Designer"));
    setModal(true);
    Header.Kind = TRPanelKind::rpkHeader;
    Detail.Kind = TRPanelKind::rpkDetail;
    Footer.Kind = TRPanelKind::rpkFooter;
    if (Table) {
        Data = std::make_unique<TLAddressDataSource>(*Table);
        for (TReportPanel* band : {&Header, &Detail, &Footer})
            band->DataSet = Data.get();
    }

    auto* menus = new QMenuBar(this);
    BuildMenus(menus);

    DescriptionEdit = new QLineEdit(this);
    DescriptionEdit->setMaxLength(60);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Description:"), this));
    top->addWidget(DescriptionEdit, 1);

    DesignerComponent = new TLayoutDesigner(TLDesignerKind::Report, this);
    DesignerComponent->SetObjectEditing(&ObjectEditing);
    Ruler = new THRuler(this);
    DesignerComponent->AddWidget(Ruler);
    TReportPanel* panels[] = {&Header, &Detail, nullptr, &Footer};
    for (int i = 0; i < 4; ++i) {
        const auto band = TReportBand(i);
        Captions[size_t(i)] = new TReportCaptionBar(QLatin1String(CaptionTexts[i]), this);
        DesignerComponent->AddWidget(Captions[size_t(i)]);
        connect(Captions[size_t(i)]->Check, &QCheckBox::clicked, this, [this, band](bool on) { BandCheckClick(band, on); });
        if (panels[i]) {
            DesignerComponent->AddPanel(*panels[i]);
        } else {
            MemoStrip = new TReportMemoStrip(this);
            DesignerComponent->AddWidget(MemoStrip);
        }
        Sizers[size_t(i)] = new TReportSizerBar(this);
        DesignerComponent->AddWidget(Sizers[size_t(i)]);
        WireSizer(band);
    }
    QMenu* memoMenu = new QMenu(this);
    memoMenu->addAction(QStringLiteral("Font"), this, &TReportDesigner::MemoFontClick);
    const char* alignments[] = {"Left Aligned", "Centered", "Right Aligned"};
    const int values[] = {0, 2, 1};
    for (int i = 0; i < 3; ++i) {
        QAction* action = memoMenu->addAction(QLatin1String(alignments[i]));
        action->setCheckable(true);
        const int alignment = values[i];
        connect(action, &QAction::triggered, this, [this, alignment] { MemoAlignmentClick(alignment); });
        MemoAlignmentActions[size_t(alignment)] = action;
    }
    Captions[2]->PropertiesButton->setMenu(memoMenu);
    DesignerComponent->SetRecordMover([this](TLRecordStep step) {
        if (!Table)
            return false;
        xbase::DbfTable& rows = Table->Table();
        const uint32_t before = rows.recordNumber();
        switch (step) {
        case TLRecordStep::First: rows.goTop(); break;
        case TLRecordStep::Previous: rows.skip(-1); if (rows.bof()) rows.goTop(); break;
        case TLRecordStep::Next: rows.skip(); if (rows.eof()) rows.goBottom(); break;
        case TLRecordStep::Last: rows.goBottom(); break;
        }
        RefreshRecord();
        return rows.recordNumber() != before;
    });

    auto* save = new QPushButton(QStringLiteral("Save"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* tips = new QPushButton(QStringLiteral("Quick Tips"), this);
    connect(save, &QPushButton::clicked, this, &TReportDesigner::SaveButtonClick);
    connect(cancel, &QPushButton::clicked, this, &TReportDesigner::CancelButtonClick);
    connect(tips, &QPushButton::clicked, this, &TReportDesigner::QuickTipsButtonClick);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(tips);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addLayout(top);
    layout->addWidget(DesignerComponent, 1);
    layout->addLayout(buttons);
    resize(900, 700);
    NewReport();
}

TReportDesigner::~TReportDesigner() = default;

void TReportDesigner::BuildMenus(QMenuBar* bar)
{
    QMenu* settings = bar->addMenu(QStringLiteral("Settings"));
    DefaultFontAction = settings->addAction(QStringLiteral("Default Font"), this, &TReportDesigner::DefaultFontClick);
    LayoutAction = settings->addAction(QStringLiteral("Layout"), this, &TReportDesigner::LayoutClick);
    LayoutCaptionMenu = bar->addMenu(QStringLiteral("Layout: "));
    connect(LayoutCaptionMenu, &QMenu::aboutToShow, this, [this] { LayoutClick(); });
}

TReportPanel& TReportDesigner::Band(TReportBand band)
{
    return band == TReportBand::rbHeader ? Header : band == TReportBand::rbFooter ? Footer : Detail;
}

void TReportDesigner::NewReport()
{
    for (TReportPanel* band : {&Header, &Detail, &Footer})
        band->DeleteAllObjects();
    ReportSettings = TLReportSettings();
    FreshFrames(ReportSettings);
    DescriptionEdit->setText(QStringLiteral("<new report>"));
    ShowSettings();
}

void TReportDesigner::LoadReport(const QString& description, const QString& layoutFile)
{
    NewReport();
    DescriptionEdit->setText(description);
    if (QFileInfo(layoutFile).isFile())
        TLLabelObjectFiler().ReadReport(Header, Detail, Footer, ReportSettings, layoutFile);
    ShowSettings();
}

void TReportDesigner::WriteReport(const QString& layoutFile) const
{
    TLLabelObjectFiler().WriteReport(Header, Detail, Footer, ReportSettings, layoutFile);
}

QString TReportDesigner::Description() const { return DescriptionEdit->text().trimmed(); }

QString TReportDesigner::LayoutText() const
{
    return TReportPaper::Detect(ReportSettings.PageWidth, ReportSettings.PageHeight, TLayoutUnits::PixelsPerInch()).Description();
}

void TReportDesigner::ShowSettings()
{
    ApplyDefaultFont();
    LayoutCaptionMenu->setTitle(QStringLiteral("Layout: ") + LayoutText());
    for (int alignment = 0; alignment < 3; ++alignment)
        MemoAlignmentActions[size_t(alignment)]->setChecked(alignment == ReportSettings.MemoAlignment);
    Relayout();
    RefreshRecord();
    DesignerComponent->PanelsReset();
}

void TReportDesigner::ApplyDefaultFont()
{
    const TLFont font = TLFont::Make(ReportSettings.DefaultFontName, ReportSettings.DefaultFontSize,
                                     (ReportSettings.DefaultBold ? fsBold : 0u) | (ReportSettings.DefaultItalic ? fsItalic : 0u));
    for (TReportPanel* band : {&Header, &Detail, &Footer})
        band->PanelFont = font;
    QString caption = QStringLiteral("Default Font: %1, %2 pt ").arg(ReportSettings.DefaultFontName).arg(ReportSettings.DefaultFontSize);
    if (ReportSettings.DefaultBold)
        caption += QStringLiteral(", bold");
    if (ReportSettings.DefaultItalic)
        caption += QStringLiteral(", italic");
    DefaultFontAction->setText(caption);
}

void TReportDesigner::Relayout()
{
    const int width = PageLayout.BandWidth();
    const double zoom = DesignerComponent->ZoomPercent() / 100.0;
    const int shown = int(width * zoom);
    PageLayout.SizePanels();
    Ruler->setFixedWidth(shown);
    Ruler->SetPixelsPerInch(PageLayout.PixelsPerInch() * zoom);
    Ruler->SetStartInch(PageLayout.StartInch());
    for (int i = 0; i < 4; ++i) {
        const auto band = TReportBand(i);
        Captions[size_t(i)]->setFixedWidth(shown);
        Captions[size_t(i)]->Check->setChecked(PageLayout.BandOn(band));
        Sizers[size_t(i)]->setFixedWidth(shown);
        Sizers[size_t(i)]->setEnabled(PageLayout.BandOn(band));
    }
    Captions[2]->PropertiesButton->setVisible(ReportSettings.UseMemo);
    MemoStrip->setFixedSize(shown, int(PageLayout.MemoStripHeight() * zoom));
    DesignerComponent->PanelsReset();
}

void TReportDesigner::RefreshRecord()
{
    for (TReportPanel* band : {&Header, &Detail, &Footer})
        band->RefreshData();
    QFont font(ReportSettings.MemoFontName, ReportSettings.MemoFontSize);
    font.setBold(ReportSettings.MemoBold);
    font.setItalic(ReportSettings.MemoItalic);
    MemoStrip->setFont(font);
    const Qt::Alignment horizontal = ReportSettings.MemoAlignment == 1   ? Qt::AlignRight
                                     : ReportSettings.MemoAlignment == 2 ? Qt::AlignHCenter
                                                                         : Qt::AlignLeft;
    MemoStrip->SetText(Table && !Table->Table().eof() ? Table->Memo() : QString(), horizontal);
    for (int i = 0; i < DesignerComponent->PanelCount(); ++i)
        DesignerComponent->View(i)->update();
}

void TReportDesigner::WireSizer(TReportBand band)
{
    TReportSizerBar* sizer = Sizers[size_t(band)];
    sizer->OnPress = [this, band] { DragStartHeight = PageLayout.BandHeight(band); };
    sizer->OnDrag = [this, band](int travel) {
        const double zoom = DesignerComponent->ZoomPercent() / 100.0;
        PageLayout.SetBandHeight(band, DragStartHeight + int(travel / zoom));
        Relayout();
    };
    sizer->OnRelease = [this, band] {
        PageLayout.PullObjectsInside(band);
        Relayout();
        DesignerComponent->Commit();
    };
}

void TReportDesigner::BandCheckClick(TReportBand band, bool on)
{
    PageLayout.SetBandOn(band, on);
    Relayout();
}

void TReportDesigner::MemoFontClick()
{
    QFont initial(ReportSettings.MemoFontName, ReportSettings.MemoFontSize);
    initial.setBold(ReportSettings.MemoBold);
    initial.setItalic(ReportSettings.MemoItalic);
    if (const auto font = TUserPrompts::Current().ChooseFont(initial)) {
        ReportSettings.MemoFontName = font->family();
        ReportSettings.MemoFontSize = std::max(1, font->pointSize());
        ReportSettings.MemoBold = font->bold();
        ReportSettings.MemoItalic = font->italic();
        RefreshRecord();
    }
}

void TReportDesigner::MemoAlignmentClick(int alignment)
{
    ReportSettings.MemoAlignment = alignment;
    for (int i = 0; i < 3; ++i)
        MemoAlignmentActions[size_t(i)]->setChecked(i == alignment);
    RefreshRecord();
}

void TReportDesigner::DefaultFontClick()
{
    TUserPrompts& prompts = TUserPrompts::Current();
    prompts.Information(QStringLiteral("Note: the default font is used for NEW objects only.\rTo change the font of an existing "
                                       "object, click it\rwith the RIGHT MOUSE BUTTON and select FONT"));
    QFont initial(ReportSettings.DefaultFontName, ReportSettings.DefaultFontSize);
    initial.setBold(ReportSettings.DefaultBold);
    initial.setItalic(ReportSettings.DefaultItalic);
    if (const auto font = prompts.ChooseFont(initial)) {
        ReportSettings.DefaultFontName = font->family();
        ReportSettings.DefaultFontSize = std::max(1, font->pointSize());
        ReportSettings.DefaultBold = font->bold();
        ReportSettings.DefaultItalic = font->italic();
        ApplyDefaultFont();
    }
}

void TReportDesigner::LayoutClick()
{
    TReportProperties dialog(ReportSettings, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ReportSettings = dialog.Settings();
    ShowSettings();
}

void TReportDesigner::QuickTipsButtonClick() { TQuickTipsWindow::Open(QStringLiteral("Report Designer"), this); }

void TReportDesigner::SaveButtonClick()
{
    const QString refusal = PageLayout.ApplySaveRules();
    if (!refusal.isEmpty()) {
        Relayout();
        TUserPrompts::Current().Information(refusal);
        return;
    }
    accept();
}

void TReportDesigner::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!PlacementLoaded) {
        PlacementLoaded = true;
        TWindowPlacement::Load(this, QLatin1String(PlacementName));
        OpenedAs = Snapshot();
    }
}

QByteArray TReportDesigner::Snapshot() const
{
    return Description().toUtf8() + '\n' + TLLabelObjectFiler::ReportBytes(Header, Detail, Footer, ReportSettings);
}

bool TReportDesigner::Unsaved() const { return PlacementLoaded && Snapshot() != OpenedAs; }

void TReportDesigner::reject()
{
    if (TSaveChangesQuestion::MayDiscard(Unsaved(), [this] { SaveButtonClick(); }))
        QDialog::reject();
}

void TReportDesigner::done(int result)
{
    if (PlacementLoaded)
        TWindowPlacement::Save(this, QLatin1String(PlacementName));
    QDialog::done(result);
}
