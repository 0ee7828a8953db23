// The main window: one address record at a time, the menus and buttons that start every other
// function, and the status panels. It owns the open address table and its record set; the
// dialogs it opens receive them.
//
// The widgets are public members named after their role so the window tests can drive them.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMap>

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;

// What the command rules look at.
struct TButtonState {
    bool TableOpen = false;   // A
    bool Editing = false;     // E
    bool OnRecord = false;    // R: the table stands on a record
    bool FilterSet = false;
};

class TAddressMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TAddressMain(QWidget* parent = nullptr);

    // Applies the enabling and showing rules of every command to the state.
    void SetButtons(const TButtonState& state);
    // The entry of a menu by its caption as shown in the menu ("&Open Address DataBase").
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

    static QString NotAvailableText() { return QStringLiteral("Not available in this version yet"); }

private:
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
};
