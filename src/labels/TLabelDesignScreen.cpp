#include "TLabelDesignScreen.h"
#include "TLabelCatalogue.h"

#include "TLabelArt.h"
#include "TLabelDesignRules.h"
#include "TLabelEdit.h"
#include "TSelectLabel.h"

#include "data/TAddressTable.h"
#include "help/THelp.h"
#include "help/TQuickTipsWindow.h"
#include "layout/TLAddressDataSource.h"
#include "layout/TLDesignView.h"
#include "layout/TLHandle.h"
#include "layout/TLStreamError.h"
#include "layout/TLayoutDesigner.h"
#include "prompts/TSaveChangesQuestion.h"
#include "prompts/TUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "settings/TSettingsSave.h"
#include "settings/TWindowPlacement.h"
#include "xbase/DbfTable.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>
#include <stdexcept>

namespace {

const QString kClassName = QStringLiteral("TLabelDesignScreen");

const QString kNewLabelMessage = QStringLiteral(
    "A new label has been created using the Avery 5160\nformat. To change to another label format, choose\n"
    "Layout in the Settings menu.\n\nA Database Mailing Address object has already been \nadded to the label.\n\n"
    "For additional assistance, click the Help button");

const QString kDefaultFontNote = QStringLiteral(
    "Note: the default font is used for NEW objects only.\nTo change the font of an existing object, click it\n"
    "with the RIGHT MOUSE BUTTON and select FONT");

// The caught error of a failed store, in the user's words.
QString Reason(const std::exception& error) { return QString::fromStdString(error.what()); }

} // namespace

TLabelDesignScreen::TLabelDesignScreen(const TLabelSetup& setup, bool isNew, TAddressTable* table, QWidget* parent)
    : QDialog(parent), CurrentStock(setup.Stock), NewSetup(isNew), LayoutFile(setup.LayoutFile), Table(table)
{
    ChooseLayout = &TChooseLabelLayout::Choose;
    SelectTemplate = &TSelectLabel::Select;
    EditLayout = &TLabelEdit::Edit;
    setWindowTitle(QStringLiteral("Label Design Screen"));
    if (Table)
        DataSource = std::make_unique<TLAddressDataSource>(*Table);
    else
        DataSource = std::make_unique<TLRecordDataSource>();
    Surface.DataSet = DataSource.get();
    Surface.DrawOutline = true;
    Surface.PanelFont = TLabelDesignRules::ReadDefaultFont(TIniFile(TProgramFolder::SettingsFile()));
    TLabelDesignRules::SizeSurface(Surface, CurrentStock);

    // Only a file of the layout name rule is read (the setup screen refuses any other).
    if (!NewSetup && TSetupStore::IsLayoutName(LayoutFile, TLabelSetups::LayoutExtension) &&
        QFile::exists(TProgramFolder::SysdataFolder() + LayoutFile)) {
        try {
            Surface.LoadFromFile(TProgramFolder::SysdataFolder() + LayoutFile);
        } catch (const TLStreamError& error) {
            // What was read before the fault stays; saving writes the file afresh.
            TUserPrompts::Current().Information(Reason(error));
        }
    }
    Surface.RefreshData();

    BuildWindow();
    DescriptionEdit->setText(NewSetup ? QString::fromLatin1(NewDescription) : setup.Description);
    SaveButton->hide();
}

TLabelDesignScreen::~TLabelDesignScreen()
{
    // The designer lets go of the surface, which is a member and goes first otherwise.
    delete DesignerWidget;
}

void TLabelDesignScreen::BuildWindow()
{
    auto* layout = new QVBoxLayout(this);
    auto* menus = new QMenuBar(this);
    QMenu* settings = menus->addMenu(QStringLiteral("Settings"));
    DefaultFontAction = settings->addAction(QStringLiteral("Default Font"), this, [this] { DefaultFontClick(); });
    LayoutAction = settings->addAction(TLabelDesignRules::LayoutCaption(CurrentStock), this, [this] { LayoutClick(); });
    layout->setMenuBar(menus);

    DesignerWidget = new TLayoutDesigner(TLDesignerKind::Label, this);
    DesignerWidget->SetZoomRange(TLabelDesignRules::ZoomMinimum, TLabelDesignRules::ZoomMaximum);
    DesignerWidget->SetObjectEditing(&ObjectEditing);
    DesignerWidget->AddPanel(Surface);
    BuildCommands();
    layout->addWidget(DesignerWidget, 1);

    auto* bottom = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Description:"), this);
    DescriptionEdit = new QLineEdit(this);
    DescriptionEdit->setMaxLength(TLabelDesignRules::DescriptionTyped);
    caption->setBuddy(DescriptionEdit);
    bottom->addWidget(caption);
    bottom->addWidget(DescriptionEdit, 1);
    SaveButton = new QPushButton(QStringLiteral("Save"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    HelpButton = new QPushButton(QStringLiteral("Help"), this);
    QuickTipsButton = new QPushButton(QStringLiteral("Quick Tips"), this);
    for (QPushButton* button : {SaveButton, CancelButton, HelpButton, QuickTipsButton}) {
        button->setAutoDefault(false);
        bottom->addWidget(button);
    }
    layout->addLayout(bottom);

    connect(DescriptionEdit, &QLineEdit::textEdited, this, [this] { ShowSave(); });
    connect(SaveButton, &QPushButton::clicked, this, [this] { SaveButtonClick(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, [this] { THelp::ShowPageOf(this); });
    connect(QuickTipsButton, &QPushButton::clicked, this,
            [this] { TQuickTipsWindow::Open(QStringLiteral("Label Designer"), this); });
    resize(820, 560);
}

void TLabelDesignScreen::BuildCommands()
{
    TLayoutDesigner& designer = *DesignerWidget;
    designer.SetRecordMover([this](TLRecordStep step) { return MoveRecord(int(step)); });
    connect(&designer, &TLayoutDesigner::Changed, this, [this] { ShowSave(); });
    connect(&designer, &TLayoutDesigner::ToolChanged, this, [this](int index) { ToolChanged(index); });

    // "Show art" joins the designer's toggles.
    QToolBar* commands = designer.CommandBar();
    ShowArtAction = new QAction(QStringLiteral("Show art"), this);
    ShowArtAction->setCheckable(true);
    ShowArtAction->setEnabled(false);
    commands->insertAction(commands->actions().value(3), ShowArtAction);
    connect(ShowArtAction, &QAction::triggered, this, [this](bool on) { ShowArtClick(on); });

    // The Intelligent Mail barcode tool stands beside the POSTNET one, in the palette's group.
    QToolBar* palette = designer.Palette();
    const QList<QAction*> tools = palette->actions();
    const int postnet = int(designer.ToolCaptions().indexOf(QStringLiteral("Postnet Barcode tool")));
    IMbAction = new QAction(QStringLiteral("Intelligent Mail Barcode tool"), this);
    IMbAction->setCheckable(true);
    IMbAction->setToolTip(IMbAction->text());
    palette->insertAction(tools.value(postnet + 1), IMbAction);
    tools.value(postnet)->actionGroup()->addAction(IMbAction);
    connect(IMbAction, &QAction::triggered, this, [this] { IMbToolClick(); });
}

QString TLabelDesignScreen::Description() const { return TLabelDesignRules::KeptDescription(DescriptionEdit->text()); }

bool TLabelDesignScreen::SaveVisible() const { return !SaveButton->isHidden(); }

void TLabelDesignScreen::ShowSave()
{
    if (Activated)
        SaveButton->show();
}

// ---- opening

void TLabelDesignScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!Activated)
        Activate();
}

void TLabelDesignScreen::Activate()
{
    if (Activated)
        return;
    TWindowPlacement::Load(this, kClassName);
    SizeSurface();
    LayoutAction->setText(TLabelDesignRules::LayoutCaption(CurrentStock));
    const bool art = !CurrentStock.Art.trimmed().isEmpty();
    ShowArtAction->setEnabled(art);
    ShowArtAction->setChecked(art);
    DrawArt();
    SaveButton->hide();
    Activated = true;
    if (NewSetup) {
        AddNewLabelObject();
        // A new label is worth saving as it stands.
        SaveButton->show();
        TUserPrompts::Current().Information(kNewLabelMessage);
    }
}

void TLabelDesignScreen::AddNewLabelObject()
{
    TLabelSetups::AddNewLabelObject(Surface);
    Surface.RefreshData();
    DesignerWidget->SetTool(0);
    DesignerWidget->PanelsReset();
}

void TLabelDesignScreen::SizeSurface()
{
    // Bounds are kept at 100 %, so the zoom stays as it is while the size changes.
    if (TLabelDesignRules::SizeSurface(Surface, CurrentStock))
        DesignerWidget->PanelsReset();
}

void TLabelDesignScreen::DrawArt()
{
    const bool show = ShowArtAction->isChecked() && !CurrentStock.Art.trimmed().isEmpty();
    const QImage backdrop = show ? TLabelArt::Backdrop(CurrentStock.Art, QSize(Surface.Width, Surface.Height)) : QImage();
    Surface.Picture = backdrop.isNull() ? TLPicture() : TLPicture::FromImage(backdrop);
    DesignerWidget->View(0)->update();
}

void TLabelDesignScreen::ShowArtClick(bool on)
{
    ShowArtAction->setChecked(on && ShowArtAction->isEnabled());
    DrawArt();
}

// ---- tools

void TLabelDesignScreen::ToolChanged(int index)
{
    Surface.SetIMbTool(false);
    const QString refusal =
        TLabelDesignRules::ToolRefusal(DesignerWidget->ToolCaptions().value(index), CurrentStock);
    if (refusal.isEmpty())
        return;
    TUserPrompts::Current().Information(refusal);
    DesignerWidget->SetTool(0);
}

void TLabelDesignScreen::IMbToolClick()
{
    DesignerWidget->SetTool(0);
    const QString refusal = TLabelDesignRules::ToolRefusal(IMbAction->text(), CurrentStock);
    if (!refusal.isEmpty()) {
        TUserPrompts::Current().Information(refusal);
        return;
    }
    IMbAction->setChecked(true);
    Surface.SetIMbTool(true);
    DesignerWidget->View(0)->setCursor(Qt::CrossCursor);
}

// ---- records

bool TLabelDesignScreen::MoveRecord(int step)
{
    if (!Table)
        return false;
    xbase::DbfTable& table = Table->Table();
    switch (TLRecordStep(step)) {
    case TLRecordStep::First: table.goTop(); break;
    case TLRecordStep::Last: table.goBottom(); break;
    case TLRecordStep::Next:
        table.skip(1);
        if (table.eof())
            table.goBottom();
        break;
    case TLRecordStep::Previous:
        table.skip(-1);
        if (table.bof())
            table.goTop();
        break;
    }
    return true;
}

// ---- settings

void TLabelDesignScreen::DefaultFontClick()
{
    TUserPrompts& prompts = TUserPrompts::Current();
    prompts.Information(kDefaultFontNote);
    const std::optional<QFont> chosen = prompts.ChooseFont(Surface.PanelFont.DialogFont());
    if (!chosen)
        return;
    Surface.PanelFont = TLFont::FromQFont(*chosen, Surface.PanelFont.Color);
    TIniFile settings(TProgramFolder::SettingsFile());
    TSettingsSave::Guarded(settings, [&] { TLabelDesignRules::WriteDefaultFont(settings, Surface.PanelFont); });
    DefaultFontAction->setText(TLabelDesignRules::DefaultFontCaption(Surface.PanelFont));
}

void TLabelDesignScreen::LayoutClick()
{
    const TLabelLayoutChoice choice = ChooseLayout(this);
    if (choice == TLabelLayoutChoice::lcCancelled)
        return;
    const bool artWasShown = ShowArtAction->isChecked();
    TLabelStock stock = CurrentStock;
    if (choice == TLabelLayoutChoice::lcTemplate) {
        if (SelectTemplate(stock, this)) {
            CurrentStock = stock;
            SizeSurface();
            ShowArtAction->setEnabled(!CurrentStock.Art.trimmed().isEmpty());
            DrawArt();
            ShowSave();
        }
    } else if (EditLayout(stock, this)) {
        CurrentStock = stock;
        SizeSurface();
        ShowArtAction->setChecked(false);
        ShowArtAction->setEnabled(false);
        DrawArt();
        ShowSave();
    }

    // Whether or not a stock was taken, the objects come back inside the surface.
    Surface.PullObjectsInside();
    ShowArtAction->setChecked(artWasShown && ShowArtAction->isEnabled());
    DrawArt();
    LayoutAction->setText(TLabelDesignRules::LayoutCaption(CurrentStock));

    TLHandle& frame = DesignerWidget->Handle(0);
    for (const TLabelDesignRules::TRemoval& removal : TLabelDesignRules::BarcodesTooWide(Surface, CurrentStock)) {
        TUserPrompts::Current().Information(removal.Warning);
        frame.Unselect(removal.Object);
        Surface.Remove(removal.Object);
        ShowSave();
    }
    DesignerWidget->PanelsReset();
}

// ---- keys and closing

void TLabelDesignScreen::keyPressEvent(QKeyEvent* event)
{
    if (DescriptionEdit->hasFocus() || event->key() == Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (DesignerWidget->DesignerKey(event->key(), event->modifiers()))
        return;
    // Every other key goes to the panel (moving or deleting the selected objects).
    QApplication::sendEvent(DesignerWidget->ActiveView(), event);
}

void TLabelDesignScreen::SaveButtonClick()
{
    Surface.DeleteObjectsOutside();
    DescriptionEdit->setText(Description());
    if (OnSave) {
        try {
            OnSave(*this);
        } catch (const std::exception& error) {
            // Nothing is lost: the design stays on screen to be saved again or cancelled.
            TUserPrompts::Current().Information(Reason(error));
            return;
        }
    }
    accept();
}

void TLabelDesignScreen::reject()
{
    if (TSaveChangesQuestion::MayDiscard(Activated && SaveVisible(), [this] { SaveButtonClick(); }))
        QDialog::reject();
}

void TLabelDesignScreen::done(int result)
{
    if (Activated && isVisible())
        TWindowPlacement::Save(this, kClassName);
    QDialog::done(result);
}

// ---- storing

namespace {

std::optional<TLabelSetup> Run(TLabelDesignScreen& screen, std::function<TLabelSetup()> store)
{
    std::optional<TLabelSetup> stored;
    screen.OnSave = [&](TLabelDesignScreen&) { stored = store(); };
    screen.exec();
    return stored;
}

} // namespace

std::optional<TLabelSetup> TLabelDesignScreen::Modify(TLabelSetups& setups, uint32_t recordNumber,
                                                      TAddressTable* table, QWidget* parent)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<TLabelSetup> setup = setups.Find(recordNumber);
    std::unique_ptr<TLabelDesignScreen> screen;
    if (setup)
        screen = std::make_unique<TLabelDesignScreen>(*setup, false, table, parent);
    QApplication::restoreOverrideCursor();
    if (!screen)
        return std::nullopt;
    TLabelDesignScreen& design = *screen;
    return Run(design, [&] {
        return setups.Update(recordNumber, design.Description(), design.Stock(),
                             [&](const QString& path) { design.Panel().SaveToFile(path); });
    });
}

std::optional<TLabelSetup> TLabelDesignScreen::New(TLabelSetups& setups, TAddressTable* table, QWidget* parent)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TLabelSetup setup;
    setup.Stock = TLabelCatalogue::NewSetupStock();
    auto screen = std::make_unique<TLabelDesignScreen>(setup, true, table, parent);
    QApplication::restoreOverrideCursor();
    TLabelDesignScreen& design = *screen;
    return Run(design, [&] {
        return setups.Add(design.Description(), design.Stock(),
                          [&](const QString& path) { design.Panel().SaveToFile(path); });
    });
}
