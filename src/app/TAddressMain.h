// The main window: one address record at a time, the menus and buttons that start every other
// function, and the status panels. It owns the open address table and its record set; the
// dialogs it opens receive them.
//
// The widgets are public members named after their role so the window tests can drive them.
#pragma once

#include "app/TNewDatabaseForm.h"
#include "app/TMemoSearch.h"
#include "app/TNewRecordForm.h"
#include "data/TAddressFilter.h"
#include "data/TRecordText.h"
#include "settings/TPreferences.h"

#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QSet>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class TAddressTable;
class TGettingStartedForm;
enum class TImportKind;
namespace xbase {
class XbaseError;
}

// What the command rules look at.
struct TButtonState {
    bool TableOpen = false;   // A
    bool Editing = false;     // E
    bool OnRecord = false;    // R: the table stands on a record
    bool FilterSet = false;
};

enum class TEditState { esBrowse, esEdit, esInsert };

// The dialogs the window opens, replaceable so the window tests can answer them.
struct TAddressMainDialogs {
    std::function<std::optional<TNewRecordValues>(const TNewRecordOptions&, QWidget*)> NewRecord;
    std::function<std::optional<QString>(const QString& storedDate, QWidget*)> ChooseDate;
    std::function<std::optional<TRecordTextParts>(QWidget*)> CopyRecordParts;
    // The name (without folder and extension) and widths of a new address table.
    std::function<std::optional<TNewDatabaseChoice>(const QString& proposal, QWidget*)> NewDatabase;
    // Rebuilds the open table's index with progress; true when the 26 tags exist afterwards.
    std::function<bool(TAddressTable&, QWidget*)> RebuildIndexes;
    // The preferences "Ok" chose (already written to the settings when the file allows it).
    std::function<std::optional<TPreferences>(QWidget*)> Preferences;
    // The dial dialog for a record's PHONE or PHONE2.
    std::function<void(const QString& number, QWidget*)> Dial;
    // "Count Zip Codes" over the table's record set; leaves order and record as they were.
    std::function<void(TAddressTable&, QWidget*)> CountZipCodes;
    // "Print Envelope" over the table's record set (derived fields on while it is open).
    std::function<void(TAddressTable&, QWidget*)> Envelopes;
};

class TLabelSetupScreen;

class TAddressMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TAddressMain(QWidget* parent = nullptr);
    ~TAddressMain() override;

    TAddressMainDialogs Dialogs;

    // --- start-up (runs once, on the first showing; tests may call it directly)
    void FirstActivation();
    void LoadPreferences();
    const TPreferences& Preferences() const { return Prefs; }

    // --- the open table
    bool OpenQVWDBF(const QString& path);
    bool OpenQVWFile(const QString& path);
    bool CheckValidIndex();
    void OnOpenQVWFile(bool opened);
    TAddressTable* AddressTable() { return Table.get(); }
    const QString& CurrentDatabase() const { return DatabasePath; }
    void SetExtraFields(bool on);
    void NewDatabaseClick();
    void OpenDatabaseClick();
    static QString ProposedDatabaseName(const QString& dataFolder);

    // --- recently used tables
    QStringList GetMRUList() const;
    void PutMRUList(const QStringList& paths);
    void UpdateMRUList(const QString& path);
    void UpdateMenuMRUList();
    void OpenMRUFile(const QString& path);

    // --- order, filter and status
    void SetOrderTo(const QString& caption);
    void SetCurrentOrder(const QString& tag);
    const QString& CurrentOrderCaption() const { return OrderCaption; }
    TAddressFilter& Filter() { return AddressFilter; }
    void ApplyFilter();
    void UpdateFilterStatus();

    // --- aggressive saving
    void CheckCloseAndOpen();
    int ReopenCount() const { return Reopens; } // closes-and-reopens so far (tests, status)
    bool BatchRunning = false;
    bool UpdatesSuspended = false;
    // Holds display updates and aggressive saving off while a command posts records, and lets
    // them go on every path, also when the command's window throws.
    class TBatchGuard {
    public:
        explicit TBatchGuard(TAddressMain& window) : Window(window) { Window.UpdatesSuspended = Window.BatchRunning = true; }
        ~TBatchGuard() { Window.UpdatesSuspended = Window.BatchRunning = false; }
        TBatchGuard(const TBatchGuard&) = delete;
        TBatchGuard& operator=(const TBatchGuard&) = delete;

    private:
        TAddressMain& Window;
    };

    // --- navigation and display
    void FirstRecord();
    void PriorRecord();
    void NextRecord();
    void LastRecord();
    void ShowRecord();
    void ShowMovedRecord(); // after a move: the record set is unchanged
    bool OverwriteMode() const { return Overwrite; }

    // --- record editing
    TEditState EditState() const { return State; }
    bool Editing() const { return State != TEditState::esBrowse; }
    void AddButtonClick();
    void EditButtonClick();
    bool SaveButtonClick();
    void CancelButtonClick();
    void DeleteButtonClick();
    void CloneRecordClick();
    void DateButtonClick();
    void ToggleTag();
    void CopyToClipboardClick();
    bool CheckDupName(const QString& first, const QString& last);
    std::pair<QString, QString> FillCityState(const QString& zip);
    void SetSkipFields(bool on);

    // --- filter, tagging and upkeep commands
    void ClearFilterClick();
    void SaveFilterClick();
    void RestoreFilterClick();
    void ClearTagsClick();
    void RebuildIndexesClick();
    void RebuildSystemIndexesClick();
    void SetFilterClick();
    void TagAllClick();
    void BrowseClick();
    void SearchClick();
    void SearchMemoClick();
    void FindNextClick();
    void DeleteRecordsClick();
    // File, "&Import": the text and DBF imports in their frame, the release imports on the open table.
    void ImportClick(TImportKind kind);
    void CountZipCodesClick();
    // "Print &Labels" / "Labels": the label setup screen over the table (TAddressMainLabels.cpp).
    void PrintLabelsClick();
    // How the label setup screen runs (tests replace it to drive the screen).
    static std::function<void(TLabelSetupScreen&)>& LabelScreenRunner();
    void PrintEnvelopesClick();
    void PrintReportsClick();
    // Print, "Print Le&tters" and the "Letters" button (TAddressMainLetters.cpp).
    void PrintLettersClick();
    // The list tools (TAddressMainTools.cpp).
    void ExportClick();
    void StateZipCheckClick();
    void DupCheckClick();
    void ConvertCaseClick();
    void UndoConversionClick();
    void StandardizeAddressesClick();
    void UndoStandardizationClick();
    void SearchReplaceClick();
    TMemoSearch MemoSearch;

    void AboutClick();
    static QString AboutText();
    void PreferencesClick();
    TGettingStartedForm* GettingStartedWindow() const { return GettingStarted; }

    // Applies the enabling and showing rules of every command to the window's state.
    void SetButtons();
    // The same rules for a given state.
    void SetButtons(const TButtonState& state);
    // The entry of a menu by its caption as shown in the menu ("&Open Address Database").
    QAction* Action(const QString& caption) const;

    // Record display.
    QStackedWidget* RecordArea = nullptr; // the pages, or the no-data panel
    QWidget* NoDataPanel = nullptr;
    QTabWidget* PageControl = nullptr;
    QMap<QString, QLineEdit*> FieldEdits; // by stored field name, DisplayDate included
    QMap<QString, QLabel*> FieldLabels;
    QPushButton* DateButton = nullptr;
    QCheckBox* TaggedCheck = nullptr;
    QPushButton* DialPhone1Button = nullptr;
    QPushButton* DialPhone2Button = nullptr;
    QPlainTextEdit* MemoEdit = nullptr;
    QPushButton* SearchMemoButton = nullptr;
    QPushButton* FindNextButton = nullptr;

    // Button bar.
    QPushButton* SearchButton = nullptr;
    QPushButton* BrowseButton = nullptr;
    QPushButton* FilterButton = nullptr;
    QPushButton* LabelsButton = nullptr;
    QPushButton* LettersButton = nullptr;
    QPushButton* EnvelopesButton = nullptr;
    QPushButton* ReportsButton = nullptr;

    // Record bar.
    QToolButton* FirstButton = nullptr;
    QToolButton* PriorButton = nullptr;
    QToolButton* NextButton = nullptr;
    QToolButton* LastButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* ExitButton = nullptr;
    QPushButton* ClearFilterButton = nullptr;

    // Status panels.
    QLabel* FilterStatusLabel = nullptr;
    QLabel* SortStatusLabel = nullptr;

    // Menus.
    QMenu* FileMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* RecordMenu = nullptr;
    QMenu* SortMenu = nullptr;
    QMenu* UtilitiesMenu = nullptr;
    QMenu* PrintMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* MruSeparator = nullptr;
    QList<QAction*> MruActions;
    QLabel* OverwriteStatusLabel = nullptr;


protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ConnectCommands();
    void ConnectHelpAndDial();
    void InstallDefaultDialogs();
    void ChooseStartTable();
    void ShowOpenFailure(const QString& path);
    bool OnRecord() const;
    void LoadFields();
    void ClearFields();
    void SetFieldsReadOnly(bool readOnly);
    void BeginEdit();
    bool RecordSetEmpty(); // counts once for the rest of the current action
    void AfterPost();
    void StoreFields();
    void FocusFirstFieldForAdd();
    bool HandleWindowKey(QKeyEvent* event, QObject* watched);
    void ApplyOverwrite(QObject* watched, QKeyEvent* event);
    // Engine errors of the open table never end the program: each message is told once while
    // the table is open, a damaged index brings the rebuild question, and the window stays.
    bool EngineGuarded(const std::function<void()>& work);
    void ReportEngineError(const xbase::XbaseError& error);
    // The rebuild question of a table whose index is missing or damaged; true when the user
    // agreed and the rebuild left the 26 tags.
    bool AskAndRebuildIndex();
    void RestoreAfterRebuild(const QString& tag);
    void GuardedGoTop(); // first record of the set, when a table is (still) open
    void DropTable(); // the no-data panel, as after a failed open
    // A new record whose save failed half way keeps its appended record for the next try;
    // cancelling marks it deleted.
    void DiscardPendingAppend();
    bool InRecordField(QWidget* widget) const;

    QWidget* BuildNameStrip();
    QWidget* BuildAddressPage();
    QWidget* BuildMemoPage();
    QWidget* BuildButtonBar();
    QWidget* BuildRecordBar();
    QWidget* BuildNoDataPanel();
    void BuildMenus();
    QLineEdit* AddField(const QString& field, const QString& caption);
    QAction* AddAction(QMenu* menu, const QString& caption, const QKeySequence& key = {});

    QMap<QString, QAction*> Actions;

    std::unique_ptr<TAddressTable> Table;
    QString DatabasePath;
    QString OrderCaption;  // Sort caption without "&", e.g. "Last Name"; empty without a table
    QString OrderTag;      // its tag, re-applied after a reopen
    TAddressFilter AddressFilter;
    TPreferences Prefs;
    TEditState State = TEditState::esBrowse;
    QString PendingDate;   // DATE and TAG of the record being edited
    QString PendingTag;
    bool Loading = false;  // the display is being filled from the table
    bool StartedUp = false;
    bool Overwrite = true; // typing replaces the character at the caret until Insert is pressed
    // The record set's count (a count can take long under a filter), reused while CountKnown:
    // while only moving, and for the rest of one action that has just counted. Applying a
    // filter forgets it.
    bool CountKnown = false;
    std::optional<uint32_t> CachedCount;
    QSet<QString> ToldEngineErrors; // messages told for the open table
    uint32_t PendingAppend = 0;      // record number of a new record whose save failed
    std::optional<QStringList> UnsavedRecentList; // the recent list the settings file refused
    int SavesCounted = 0;
    int Reopens = 0;
    TGettingStartedForm* GettingStarted = nullptr;
};
