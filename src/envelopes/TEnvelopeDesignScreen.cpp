#include "TEnvelopeDesignScreen.h"

#include "TChooseEnvelopeLayout.h"
#include "TEnvelopeZones.h"

#include "data/TAddressTable.h"
#include "help/THelp.h"
#include "help/TQuickTipsWindow.h"
#include "layout/TLAddressDataSource.h"
#include "layout/TLDesignView.h"
#include "layout/TLStreamError.h"
#include "layout/TLayoutDesigner.h"
#include "layout/TLayoutUnits.h"
#include "output/TBaseReport.h"
#include "prompts/TSaveChangesQuestion.h"
#include "prompts/TUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "settings/TScreenMetrics.h"
#include "settings/TWindowPlacement.h"
#include "xbase/DbfTable.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>

// The zones and printer margins over the design view: a see-through child of the view, so the
// designer's own painting stays as it is and the mouse goes straight through to it.
class TEnvelopeGuides : public QWidget {
public:
    TEnvelopeGuides(TEnvelopeDesignScreen& screen, QWidget* view) : QWidget(view), Screen(screen)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        view->installEventFilter(this);
        setGeometry(view->rect());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Paint) {
            setGeometry(static_cast<QWidget*>(watched)->rect());
            raise();
            update();
        }
        return false;
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        Screen.PaintGuides(painter, size());
    }

private:
    TEnvelopeDesignScreen& Screen;
};

namespace {

int ScreenPixels(TInches inches) { return int(std::trunc(inches.Value() * TScreenMetrics::PixelsPerInch())); }

QString Inches(double value) { return QString::number(value, 'f', 3); }

} // namespace

bool TEnvelopeDesignScreen::Design(TEnvelopeSetups& setups, TEnvelopeSetup& setup, bool isNew, TAddressTable& table,
                                   TBaseReport& printer, QWidget* parent)
{
    TEnvelopeDesignScreen screen(setups, setup, isNew, &table, &printer, parent);
    if (screen.exec() != QDialog::Accepted)
        return false;
    setup = screen.Setup();
    return true;
}

TEnvelopeDesignScreen::TEnvelopeDesignScreen(TEnvelopeSetups& setups, TEnvelopeSetup setup, bool isNew,
                                             TAddressTable* table, TBaseReport* printer, QWidget* parent)
    : QDialog(parent), Setups(setups), Current(std::move(setup)), IsNew(isNew), Table(table)
{
    setWindowTitle(QStringLiteral("Envelope Design Screen"));
    ChooseSize = [this](const TEnvelopeSize& size) { return TChooseEnvelopeLayout::Choose(size, this); };
    if (Table) {
        Data = std::make_unique<TLAddressDataSource>(*Table);
        EnvelopePanel.DataSet = Data.get();
    }
    if (printer) {
        // The printer's unprintable widths and page in screen pixels, for the margins button.
        Unprintable = QMargins(ScreenPixels(printer->UnprintableLeft()), ScreenPixels(printer->UnprintableTop()),
                               ScreenPixels(printer->UnprintableRight()), ScreenPixels(printer->UnprintableBottom()));
        PageSize = QSize(ScreenPixels(printer->PageWidth()), ScreenPixels(printer->PageHeight()));
    }
    BuildWindow();
    if (IsNew) {
        Description->setText(QStringLiteral("<New envelope>"));
        Current.LayoutFile = Setups.FirstFreeLayoutName();
    } else {
        Description->setText(Current.Description);
        try {
            // A name outside the layout file rule is refused here and again on saving.
            const QString path = Current.LayoutFile.isEmpty() ? QString() : TEnvelopeSetups::LayoutPath(Current);
            if (path.isEmpty() || !QFile::exists(path))
                Current.LayoutFile = Setups.FirstFreeLayoutName();
            else
                EnvelopePanel.LoadFromFile(path);
        } catch (const std::exception& error) {
            TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
        }
    }
    EnvelopePanel.RefreshData();
    SizePanel();
    DesignerWidget->PanelsReset();
    connect(Description, &QLineEdit::textEdited, this, [this] { Changed(); });
}

TEnvelopeDesignScreen::~TEnvelopeDesignScreen() { EnvelopePanel.DataSet = nullptr; }

void TEnvelopeDesignScreen::BuildWindow()
{
    auto* layout = new QVBoxLayout(this);
    auto* menus = new QMenuBar(this);
    QMenu* settings = menus->addMenu(QStringLiteral("Settings"));
    connect(settings->addAction(QStringLiteral("Default Font")), &QAction::triggered, this,
            &TEnvelopeDesignScreen::DefaultFontMenuClick);
    LayoutAction = settings->addAction(QStringLiteral("Layout"));
    connect(LayoutAction, &QAction::triggered, this, &TEnvelopeDesignScreen::LayoutMenuClick);
    layout->setMenuBar(menus);

    DesignerWidget = new TLayoutDesigner(TLDesignerKind::Envelope, this);
    DesignerWidget->SetObjectEditing(&ObjectEditing);
    TLDesignView* view = DesignerWidget->AddPanel(EnvelopePanel);
    Guides = new TEnvelopeGuides(*this, view);
    DesignerWidget->SetRecordMover([this](TLRecordStep step) {
        if (!Table)
            return false;
        xbase::DbfTable& rows = Table->Table();
        const uint32_t before = rows.recordNumber();
        switch (step) {
        case TLRecordStep::First: rows.goTop(); break;
        case TLRecordStep::Last: rows.goBottom(); break;
        case TLRecordStep::Previous: rows.skip(-1); break;
        case TLRecordStep::Next: rows.skip(1); break;
        }
        if (rows.eof() || rows.bof())
            rows.go(before);
        EnvelopePanel.RefreshData();
        return rows.recordNumber() != before;
    });
    QToolBar* commands = DesignerWidget->CommandBar();
    commands->addSeparator();
    MarginsAction = commands->addAction(QStringLiteral("Printer margins"));
    MarginsAction->setCheckable(true);
    MarginsAction->setToolTip(QStringLiteral("Show the current printer's unprintable areas as a red dotted line"));
    connect(MarginsAction, &QAction::toggled, this, &TEnvelopeDesignScreen::SetShowMargins);
    ZonesAction = commands->addAction(QStringLiteral("Show USPS Automation Template"));
    ZonesAction->setCheckable(true);
    ZonesAction->setToolTip(QStringLiteral("Show USPS Automation Template"));
    connect(ZonesAction, &QAction::toggled, this, &TEnvelopeDesignScreen::SetShowZones);
    connect(DesignerWidget, &TLayoutDesigner::Changed, this, [this] { Changed(); });
    connect(DesignerWidget, &TLayoutDesigner::ZoomChanged, this, [this] { Guides->update(); });
    layout->addWidget(DesignerWidget, 1);

    FontCaption = new QLabel(this);
    layout->addWidget(FontCaption);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Description:"), this));
    Description = new QLineEdit(this);
    Description->setMaxLength(TEnvelopeSetups::DescriptionWidth);
    bottom->addWidget(Description, 1);
    SaveCommand = new QPushButton(QStringLiteral("Save"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    auto* tips = new QPushButton(QStringLiteral("Quick Tips"), this);
    for (QPushButton* button : {SaveCommand, cancel, help, tips}) {
        button->setAutoDefault(false);
        bottom->addWidget(button);
    }
    connect(SaveCommand, &QPushButton::clicked, this, &TEnvelopeDesignScreen::SaveButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { THelp::ShowPageOf(this); });
    connect(tips, &QPushButton::clicked, this, [this] { TQuickTipsWindow::Open(QStringLiteral("Envelope Designer"), this); });
    layout->addLayout(bottom);
    SaveCommand->hide();
    resize(1000, 640);
}

void TEnvelopeDesignScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!Activated)
        FormActivate();
}

void TEnvelopeDesignScreen::FormActivate()
{
    Activated = true;
    TWindowPlacement::Load(this, QStringLiteral("TEnvelopeDesignScreen"));
    ReadDefaultFont();
    SizePanel();
    DesignerWidget->PanelsReset();
    // The whole envelope in view at first: the layout settles, then the zoom fits the window.
    layout()->activate();
    DesignerWidget->FitToWindow();
    // A new envelope is worth saving as it stands, as a new label is.
    SaveCommand->setVisible(IsNew);
}

void TEnvelopeDesignScreen::reject()
{
    if (TSaveChangesQuestion::MayDiscard(Activated && !SaveCommand->isHidden(), [this] { SaveButtonClick(); }))
        QDialog::reject();
}

void TEnvelopeDesignScreen::closeEvent(QCloseEvent* event)
{
    TWindowPlacement::Save(this, QStringLiteral("TEnvelopeDesignScreen"));
    QDialog::closeEvent(event);
}

void TEnvelopeDesignScreen::SizePanel()
{
    // An unknown size shows the #10 surface until Layout chooses one.
    const TEnvelopeSize size = Current.Size();
    const TEnvelopeSize shown = size.Known() ? size : TEnvelopeSizes::Find(TEnvelopeSizes::DefaultCode);
    const int ppi = TLayoutUnits::PixelsPerInch();
    const int width = int(std::lround(ppi * shown.Length));
    const int height = int(std::lround(ppi * shown.Width));
    if (EnvelopePanel.Width != width || EnvelopePanel.Height != height)
        EnvelopePanel.SetSize(width, height);
    LayoutAction->setText(LayoutCaption());
}

QString TEnvelopeDesignScreen::LayoutCaption() const { return QStringLiteral("Layout: ") + Current.Size().Name; }

void TEnvelopeDesignScreen::ReadDefaultFont()
{
    const TIniFile ini(TProgramFolder::SettingsFile());
    const QString section = QLatin1String(FontSection);
    TLFont& font = EnvelopePanel.PanelFont;
    font.SetName(ini.ReadString(section, QStringLiteral("DefaultFontName"), QStringLiteral("Arial")));
    font.SetPointSize(ini.ReadInteger(section, QStringLiteral("DefaultFontSize"), 10));
    font.Style = (ini.ReadBool(section, QStringLiteral("DefaultFontBold"), false) ? fsBold : 0u) |
                 (ini.ReadBool(section, QStringLiteral("DefaultFontItalic"), false) ? fsItalic : 0u);
    FontCaption->setText(DefaultFontCaption());
}

QString TEnvelopeDesignScreen::DefaultFontCaption() const
{
    const TLFont& font = EnvelopePanel.PanelFont;
    QString caption = QStringLiteral("Default Font: %1, %2 pt ").arg(font.Name).arg(font.PointSize());
    if (font.Style & fsBold)
        caption += QStringLiteral(", bold");
    if (font.Style & fsItalic)
        caption += QStringLiteral(", italic");
    return caption;
}

void TEnvelopeDesignScreen::DefaultFontMenuClick()
{
    TUserPrompts& prompts = TUserPrompts::Current();
    prompts.Information(QString::fromLatin1(FontNote).replace(u'\r', u'\n'));
    const std::optional<QFont> chosen = prompts.ChooseFont(EnvelopePanel.PanelFont.ToQFont());
    if (!chosen)
        return;
    TLFont& font = EnvelopePanel.PanelFont;
    font.SetName(chosen->family());
    font.SetPointSize(chosen->pointSize() > 0 ? chosen->pointSize() : 10);
    font.Style = (chosen->bold() ? fsBold : 0u) | (chosen->italic() ? fsItalic : 0u);
    FontCaption->setText(DefaultFontCaption());
    try {
        TIniFile ini(TProgramFolder::SettingsFile());
        const QString section = QLatin1String(FontSection);
        ini.WriteString(section, QStringLiteral("DefaultFontName"), font.Name);
        ini.WriteInteger(section, QStringLiteral("DefaultFontSize"), font.PointSize());
        ini.WriteBool(section, QStringLiteral("DefaultFontBold"), font.Style & fsBold);
        ini.WriteBool(section, QStringLiteral("DefaultFontItalic"), font.Style & fsItalic);
    } catch (const TIniError& error) {
        prompts.Information(QString::fromLocal8Bit(error.what()));
    }
}

void TEnvelopeDesignScreen::LayoutMenuClick()
{
    if (const std::optional<TEnvelopeSize> size = ChooseSize(Current.Size())) {
        Current.SetSize(*size);
        SizePanel();
        EnvelopePanel.PullObjectsInside();
        DesignerWidget->PanelsReset();
        Changed();
    }
    LayoutAction->setText(LayoutCaption());
}

void TEnvelopeDesignScreen::SetShowZones(bool on)
{
    ShowZones = on;
    const QSignalBlocker blocker(ZonesAction);
    ZonesAction->setChecked(on);
    Guides->update();
}

void TEnvelopeDesignScreen::SetShowMargins(bool on)
{
    ShowMargins = on;
    const QSignalBlocker blocker(MarginsAction);
    MarginsAction->setChecked(on);
    Guides->update();
}

void TEnvelopeDesignScreen::PaintGuides(QPainter& painter, QSize shown) const
{
    const double zoom = DesignerWidget->ZoomPercent() / 100.0;
    if (ShowZones) {
        // Guides over the layout: the fill lets the objects under it show through.
        painter.setOpacity(0.55);
        const TEnvelopeSize size = Current.Size().Known() ? Current.Size() : TEnvelopeSizes::Find(TEnvelopeSizes::DefaultCode);
        TEnvelopeZones::Paint(painter, shown.width(), shown.height(), zoom, TScreenMetrics::PixelsPerInch(), size.Length);
        painter.setOpacity(1.0);
    }
    if (ShowMargins && !PageSize.isEmpty())
        TEnvelopeZones::PaintPrinterMargins(painter, zoom, Unprintable.left(), Unprintable.top(), Unprintable.right(),
                                            Unprintable.bottom(), PageSize.width(), PageSize.height());
}

QImage TEnvelopeDesignScreen::Picture() const
{
    QImage image = DesignerWidget->View(0)->Picture();
    QPainter painter(&image);
    PaintGuides(painter, image.size());
    return image;
}

void TEnvelopeDesignScreen::Changed()
{
    SaveCommand->show();
}

void TEnvelopeDesignScreen::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool scrolling = key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End;
    if (scrolling && Description->hasFocus()) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (DesignerWidget->DesignerKey(key, event->modifiers()))
        return;
    QDialog::keyPressEvent(event);
}

void TEnvelopeDesignScreen::SaveButtonClick()
{
    EnvelopePanel.DeleteObjectsOutside();
    Current.Description = Description->text().left(TEnvelopeSetups::SavedDescriptionWidth);
    try {
        Current = Setups.Save(Current, [this](const QString& path) { EnvelopePanel.SaveToFile(path); });
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
        return;
    }
    TWindowPlacement::Save(this, QStringLiteral("TEnvelopeDesignScreen"));
    accept();
}
