// The main window's table lifecycle: start-up, opening and creating address tables, the
// recently used list, preferences, aggressive saving and closing.
#include "TAddressMain.h"

#include "app/TCopyRecordForm.h"
#include "app/TDateForm.h"
#include "app/TGettingStartedForm.h"
#include "dialer/TQVDialer.h"
#include "app/TPreferencesForm.h"
#include "app/TRebuildIndexesForm.h"
#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "data/TFieldLengths.h"
#include "data/TTagId.h"
#include "output/TPrinterCheck.h"
#include "output/TPrinterSelection.h"
#include "prompts/TUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "settings/TRecentFiles.h"
#include "settings/TSettingsSave.h"
#include "settings/TWindowPlacement.h"
#include "xbase/XbaseError.h"
#include "envelopes/TQVEnvelopes.h"
#include "tools/TCountZipCodes.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>

namespace {
const QString MainClassName = QStringLiteral("TAddressMain");

TIniFile Settings() { return TIniFile(TProgramFolder::SettingsFile()); }

} // namespace

TAddressMain::~TAddressMain() = default;

void TAddressMain::InstallDefaultDialogs()
{
    Dialogs.NewRecord = &TNewRecordForm::Ask;
    Dialogs.ChooseDate = &TDateForm::Choose;
    Dialogs.CopyRecordParts = &TCopyRecordForm::Ask;
    Dialogs.NewDatabase = [](const QString& proposal, QWidget* parent) {
        return TNewDatabaseForm::Execute(parent, proposal);
    };
    Dialogs.RebuildIndexes = [](TAddressTable& table, QWidget* parent) { return TRebuildIndexesForm::Run(parent, table); };
    Dialogs.Dial = [](const QString& number, QWidget* parent) { TQVDialer::Execute(parent, number); };
    Dialogs.CountZipCodes = [](TAddressTable& table, QWidget* parent) { TCountZipCodes::Execute(parent, table); };
    Dialogs.Envelopes = [](TAddressTable& table, QWidget* parent) {
        if (auto window = TQVEnvelopes::Create(table, parent))
            window->exec();
    };
    Dialogs.Preferences = [](QWidget* parent) {
        TIniFile settings = Settings();
        return TPreferencesForm::Edit(settings, parent);
    };
}

// ---------------------------------------------------------------- start-up

void TAddressMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!StartedUp)
        FirstActivation();
}

void TAddressMain::FirstActivation()
{
    if (StartedUp)
        return;
    StartedUp = true;
    TWindowPlacement::Load(this, MainClassName);
    setWindowTitle(QStringLiteral("Quorvane"));
    LoadPreferences();
    ChooseStartTable();
    UpdateMenuMRUList();
    SetButtons();
    TPrinterCheck::PrinterPresent();
    if (!Prefs.GettingStarted) {
        GettingStarted = new TGettingStartedForm(this);
        GettingStarted->setAttribute(Qt::WA_DeleteOnClose);
        connect(GettingStarted, &QObject::destroyed, this, [this] { GettingStarted = nullptr; });
        // Shown once the main window is on the screen, so the window manager stacks it on top
        // of the main window rather than under it.
        QTimer::singleShot(0, GettingStarted, [form = GettingStarted] {
            form->show();
            form->raise();
            form->activateWindow();
        });
    }
}

void TAddressMain::ChooseStartTable()
{
    QString path = GetMRUList().value(0);
    if (path.isEmpty()) {
        path = TProgramFolder::DataFolder() + QStringLiteral("ADD0001.DBF");
        if (!TAddressTable::Files().exists(path.toStdString()))
            TAddressFiles::CreateAddressFile(path, TFieldLengths::Read(Settings()));
    }
    OpenQVWDBF(path); // also applies the filter
}

void TAddressMain::LoadPreferences()
{
    TIniFile settings = Settings();
    Prefs = TPreferences::Load(settings);
    // The tag id always exists after a start: a missing one is made and written at once.
    QString tagId = settings.ReadString(QStringLiteral("Misc"), QStringLiteral("GlobalTagId"), QString());
    if (tagId.isEmpty())
        tagId = TTagId::NewTagId();
    TSettingsSave::Guarded(settings, [&] { settings.WriteString(QStringLiteral("Misc"), QStringLiteral("GlobalTagId"), tagId); });
    TAddressTable::SetGlobalTagId(tagId);
    TPrinterSelection::SetPdfPrinterOffered(Prefs.OfferPdfPrinter);
}

void TAddressMain::PreferencesClick()
{
    const std::optional<TPreferences> chosen = Dialogs.Preferences(this);
    LoadPreferences(); // whatever the dialog's result
    if (chosen) { // what "Ok" chose holds for this run, even if the file could not take it
        Prefs = *chosen;
        TPrinterSelection::SetPdfPrinterOffered(Prefs.OfferPdfPrinter);
    }
}

// ---------------------------------------------------------------- opening tables

bool TAddressMain::OpenQVWDBF(const QString& path)
{
    if (path.isEmpty())
        return false;
    if (Table) {
        if (Editing())
            CancelButtonClick();
        Table->Close();
        Table.reset();
    }
    ToldEngineErrors.clear();
    PendingAppend = 0;
    bool opened = OpenQVWFile(path);
    if (opened && !CheckValidIndex())
        opened = AskAndRebuildIndex();
    OnOpenQVWFile(opened);
    opened = opened && Table; // an engine error met while showing it may have closed it again
    if (opened) {
        UpdateMRUList(path);
        DatabasePath = path;
    } else {
        DatabasePath.clear();
    }
    setWindowTitle(QStringLiteral("Quorvane - ") + path);
    MemoSearch.Forget(); // a memo search belongs to the table it ran on
    SetButtons();
    return opened;
}

bool TAddressMain::OpenQVWFile(const QString& path)
{
    const bool exists = TAddressTable::Files().exists(path.toStdString());
    QString error;
    Table = TAddressTable::Open(path, &error);
    if (Table)
        return true;
    if (exists) // a missing file has had its own "not found" message
        ShowOpenFailure(path);
    return false;
}

void TAddressMain::ShowOpenFailure(const QString& path)
{
    TUserPrompts::Current().Information(QStringLiteral("Unable to open ") + path +
                                        QStringLiteral("\n\n * May not be a Quorvane file.\n"
                                                       " * May be in use by another program or user"));
}

bool TAddressMain::CheckValidIndex() { return Table && Table->CheckValidIndex(); }

bool TAddressMain::AskAndRebuildIndex()
{
    const bool rebuild = TUserPrompts::Current().Question(
        QStringLiteral("Warning"),
        QStringLiteral("The index file for ") + Table->Path() + QStringLiteral("\nis missing or invalid. Rebuild now?"));
    return rebuild && Dialogs.RebuildIndexes(*Table, this) && CheckValidIndex();
}

void TAddressMain::RestoreAfterRebuild(const QString& tag)
{
    ToldEngineErrors.clear(); // a new index: what failed before may fail anew and is told again
    SetCurrentOrder(tag);
    ApplyFilter();
    GuardedGoTop();
    ShowRecord();
}

void TAddressMain::GuardedGoTop()
{
    if (Table)
        EngineGuarded([this] { Table->Table().goTop(); });
}

void TAddressMain::DropTable()
{
    OnOpenQVWFile(false);
    DatabasePath.clear();
    SetButtons();
}

void TAddressMain::OnOpenQVWFile(bool opened)
{
    if (!opened) {
        if (Table)
            Table->Close();
        Table.reset();
        OrderCaption.clear();
        OrderTag.clear();
        SortStatusLabel->clear();
        ClearFields();
        State = TEditState::esBrowse;
        return;
    }
    SetOrderTo(QStringLiteral("Last Name"));
    ApplyFilter();
    GuardedGoTop();
    ShowRecord();
}

void TAddressMain::SetExtraFields(bool on)
{
    if (Table)
        Table->SetExtraFields(on);
}

QString TAddressMain::ProposedDatabaseName(const QString& dataFolder)
{
    for (int number = 1; number <= 9999; ++number) {
        const QString name = QStringLiteral("ADD%1").arg(number, 4, 10, QLatin1Char('0'));
        if (!QFileInfo::exists(QDir(dataFolder).filePath(name + QStringLiteral(".DBF"))))
            return name;
    }
    return QStringLiteral("ADD0001");
}

void TAddressMain::NewDatabaseClick()
{
    const std::optional<TNewDatabaseChoice> choice =
        Dialogs.NewDatabase(ProposedDatabaseName(TProgramFolder::DataFolder()), this);
    if (!choice)
        return;
    const QString path = TProgramFolder::DataFolder() + choice->Name + QStringLiteral(".DBF");
    if (QFileInfo::exists(path)) {
        TUserPrompts::Current().Information(QStringLiteral("That file already exists.Please select another name"));
        return;
    }
    if (TAddressFiles::CreateAddressFile(path, choice->Widths))
        OpenQVWDBF(path);
}

void TAddressMain::OpenDatabaseClick()
{
    const QString path = TUserPrompts::Current().OpenFileName(QStringLiteral("Open Address Database"),
                                                              TProgramFolder::DataFolder(),
                                                              QStringLiteral("DBF Files (*.dbf *.DBF)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().toUpper() != QLatin1String("DBF")) {
        TUserPrompts::Current().Information(QStringLiteral("Must be a DBF file"));
        return;
    }
    OpenQVWDBF(path);
}

// ---------------------------------------------------------------- recently used tables

QStringList TAddressMain::GetMRUList() const { return UnsavedRecentList ? *UnsavedRecentList : TRecentFiles::Read(Settings()); }

void TAddressMain::PutMRUList(const QStringList& paths)
{
    TIniFile settings = Settings();
    if (TSettingsSave::Guarded(settings, [&] { TRecentFiles::Write(settings, paths); }))
        UnsavedRecentList.reset();
    else
        UnsavedRecentList = paths;
}

void TAddressMain::UpdateMRUList(const QString& path)
{
    PutMRUList(TRecentFiles::PutFirst(GetMRUList(), path));
    UpdateMenuMRUList();
}

void TAddressMain::UpdateMenuMRUList()
{
    qDeleteAll(MruActions);
    MruActions.clear();
    for (const QString& path : GetMRUList()) {
        auto* action = new QAction(path, FileMenu);
        connect(action, &QAction::triggered, this, [this, path] { OpenMRUFile(path); });
        FileMenu->addAction(action);
        MruActions << action;
    }
}

void TAddressMain::OpenMRUFile(const QString& path)
{
    const QString previous = DatabasePath;
    if (!OpenQVWDBF(path) && !previous.isEmpty())
        OpenQVWDBF(previous);
}

// ---------------------------------------------------------------- aggressive saving

void TAddressMain::CheckCloseAndOpen()
{
    if (Prefs.AggressiveSave <= 0 || BatchRunning || !Table)
        return;
    const int threshold = Prefs.AggressiveSave == 1 ? 5 : 1;
    if (++SavesCounted < threshold)
        return;
    SavesCounted = 0;
    const uint32_t record = Table->Table().recordNumber();
    const QString database = DatabasePath;
    const QString tag = OrderTag;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString workingFolder = QDir::currentPath();
    Table->Close();
    Table.reset();
    QDir::setCurrent(workingFolder);
    ++Reopens;
    for (int attempt = 0; attempt < 10 && !Table; ++attempt) {
        if (OpenQVWDBF(database)) {
            SetCurrentOrder(tag);
            ApplyFilter();
            try {
                Table->Table().go(record);
            } catch (const xbase::XbaseError&) {
            }
            ShowRecord();
        }
    }
    if (!Table) {
        DatabasePath.clear();
        TUserPrompts::Current().Information(
            QStringLiteral("An error has occurred which may have resulted in lost data.\n"
                           "Please close and restart the program, and verify that the\n"
                           "last few changes were saved.\n\n"
                           "If you see this message too often, turn off agressive saving\n"
                           "from the Preferences screen"));
    }
    SetButtons();
    QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------- closing and the rest

void TAddressMain::closeEvent(QCloseEvent* event)
{
    if (Table) {
        State = TEditState::esBrowse; // an unsaved edit is dropped without a question
        DiscardPendingAppend();
        try {
            Table->Close();
        } catch (const xbase::XbaseError& error) {
            TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
        }
        Table.reset();
    }
    TWindowPlacement::Save(this, MainClassName);
    if (GettingStarted)
        GettingStarted->close();
    event->accept();
}

void TAddressMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        // Minimizing the main window takes the program's other windows with it.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != this && window->isVisible() && window->parentWidget() == this)
                window->showMinimized();
    }
}

void TAddressMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // A window grown past the screen's right or bottom edge moves back to the left or top.
    if (windowState() != Qt::WindowNoState || !screen() || !isVisible())
        return;
    const QRect screenRect = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    QPoint position = frame.topLeft();
    if (frame.right() > screenRect.right() && frame.left() > screenRect.left())
        position.setX(screenRect.left());
    if (frame.bottom() > screenRect.bottom() && frame.top() > screenRect.top())
        position.setY(screenRect.top());
    if (position != frame.topLeft())
        move(position);
}

QString TAddressMain::AboutText()
{
    return QStringLiteral("Quorvane\n%1-bit version\nVersion %2")
        .arg(QSysInfo::WordSize)
        .arg(QStringLiteral(QUORVANE_VERSION));
}

void TAddressMain::AboutClick() { QMessageBox::about(this, QStringLiteral("About Quorvane"), AboutText()); }
