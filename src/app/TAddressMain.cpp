#include "TAddressMain.h"

#include "data/TAddressTable.h"
#include "output/TAddressRecordPrintout.h"
#include "output/TPrintCurrentRecord.h"
#include "output/TPrinterCheck.h"
#include "app/TConfigurationInfoForm.h"
#include "app/TGettingStartedForm.h"
#include "app/TSortOrders.h"
#include "dialer/TQVDialer.h"
#include "help/THelp.h"
#include "help/THelpWindow.h"
#include "help/TQuickTipsWindow.h"
#include "import/TImportSource.h"
#include "prompts/TQtUserPrompts.h"
#include "prompts/TUserPrompts.h"

#include <QAction>
#include <QApplication>
#include <QActionGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TAddressMain::TAddressMain(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quorvane"));
    // Boxes and dialogs that nobody else owns open over the main window.
    TQtUserPrompts::SetParentWindow(this);

    PageControl = new QTabWidget;
    PageControl->addTab(BuildAddressPage(), QStringLiteral("Address &Information"));
    PageControl->addTab(BuildMemoPage(), QStringLiteral("&Memo"));

    auto* recordPage = new QWidget;
    auto* recordLayout = new QVBoxLayout(recordPage);
    recordLayout->setContentsMargins(0, 0, 0, 0);
    recordLayout->addWidget(BuildNameStrip());
    recordLayout->addWidget(PageControl, 1);

    RecordArea = new QStackedWidget;
    RecordArea->addWidget(recordPage);
    RecordArea->addWidget(BuildNoDataPanel());

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(BuildButtonBar());
    layout->addWidget(RecordArea, 1);
    layout->addWidget(BuildRecordBar());
    setCentralWidget(central);

    FilterStatusLabel = new QLabel;
    SortStatusLabel = new QLabel;
    statusBar()->addWidget(FilterStatusLabel, 1);
    statusBar()->addWidget(SortStatusLabel, 1);
    OverwriteStatusLabel = new QLabel(QStringLiteral("Overwrite"));
    statusBar()->addPermanentWidget(OverwriteStatusLabel);
    MemoEdit->setOverwriteMode(Overwrite);

    BuildMenus();
    InstallDefaultDialogs();
    ConnectCommands();
    SetButtons();
}

void TAddressMain::ConnectCommands()
{
    auto on = [this](const char* caption, auto slot) {
        connect(Action(QLatin1String(caption)), &QAction::triggered, this, slot);
    };
    on("&New Address Database", &TAddressMain::NewDatabaseClick);
    on("&Open Address Database", &TAddressMain::OpenDatabaseClick);
    on("Pre&ferences", &TAddressMain::PreferencesClick);
    on("&First", &TAddressMain::FirstRecord);
    on("&Previous", &TAddressMain::PriorRecord);
    on("&Next", &TAddressMain::NextRecord);
    on("&Last", &TAddressMain::LastRecord);
    on("&Add", &TAddressMain::AddButtonClick);
    on("&Edit", &TAddressMain::EditButtonClick);
    on("&Delete", &TAddressMain::DeleteButtonClick);
    on("Copy To &Clipboard", &TAddressMain::CopyToClipboardClick);
    on("Create a Duplicate &Record (Clone)", &TAddressMain::CloneRecordClick);
    on("&About...", &TAddressMain::AboutClick);
    on("&Clear Filter", &TAddressMain::ClearFilterClick);
    on("&Save Filter", &TAddressMain::SaveFilterClick);
    on("&Restore Filter", &TAddressMain::RestoreFilterClick);
    on("Clear &Tags", &TAddressMain::ClearTagsClick);
    on("&Rebuild Indexes for this file", &TAddressMain::RebuildIndexesClick);
    for (const auto& [caption, kind] : {std::pair{"Import from &Text/CSV File", TImportKind::ikText},
                                        {"Import from &DBF File", TImportKind::ikDbf},
                                        {"Import from Quorvane 1.x DBF", TImportKind::ikRelease1},
                                        {"Import from Quorvane 2.x DBF", TImportKind::ikRelease2}})
        connect(Action(QLatin1String(caption)), &QAction::triggered, this, [this, kind] { ImportClick(kind); });
    on("Rebuild S&ystem File indexes", &TAddressMain::RebuildSystemIndexesClick);
    on("Set &Filter", &TAddressMain::SetFilterClick);
    on("&Tag All Filter Matches", &TAddressMain::TagAllClick);
    on("&Browse", &TAddressMain::BrowseClick);
    on("&Search", &TAddressMain::SearchClick);
    on("Delete &Records", &TAddressMain::DeleteRecordsClick);
    on("Count &Zip Codes", &TAddressMain::CountZipCodesClick);
    on("Print &Envelopes", &TAddressMain::PrintEnvelopesClick);
    connect(EnvelopesButton, &QPushButton::clicked, this, &TAddressMain::PrintEnvelopesClick);
    on("&Export ", &TAddressMain::ExportClick);
    on("Check && Repair &State and Zip Codes", &TAddressMain::StateZipCheckClick);
    on("Check && Repair &Duplicates", &TAddressMain::DupCheckClick);
    on("Con&vert Case", &TAddressMain::ConvertCaseClick);
    on("Undo last conversion", &TAddressMain::UndoConversionClick);
    on("Standardize Addresses", &TAddressMain::StandardizeAddressesClick);
    on("Undo Last Standardization", &TAddressMain::UndoStandardizationClick);
    on("&Search && Replace Field Values", &TAddressMain::SearchReplaceClick);
    connect(FilterButton, &QPushButton::clicked, this, &TAddressMain::SetFilterClick);
    connect(BrowseButton, &QPushButton::clicked, this, &TAddressMain::BrowseClick);
    connect(SearchButton, &QPushButton::clicked, this, &TAddressMain::SearchClick);
    connect(SearchMemoButton, &QPushButton::clicked, this, &TAddressMain::SearchMemoClick);
    connect(FindNextButton, &QPushButton::clicked, this, &TAddressMain::FindNextClick);
    connect(Action(QStringLiteral("Configuration Information")), &QAction::triggered, this,
            [this] { TConfigurationInfoForm::Show(this); });
    connect(ClearFilterButton, &QPushButton::clicked, this, &TAddressMain::ClearFilterClick);
    connect(Action(QStringLiteral("&Getting Started")), &QAction::triggered, this, [this] {
        auto* form = new TGettingStartedForm(this);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
    });
    connect(Action(QStringLiteral("Print &Labels")), &QAction::triggered, this, &TAddressMain::PrintLabelsClick);
    connect(LabelsButton, &QPushButton::clicked, this, &TAddressMain::PrintLabelsClick);
    connect(Action(QStringLiteral("Print &Reports")), &QAction::triggered, this, &TAddressMain::PrintReportsClick);
    connect(ReportsButton, &QPushButton::clicked, this, &TAddressMain::PrintReportsClick);
    connect(Action(QStringLiteral("Print Le&tters")), &QAction::triggered, this, &TAddressMain::PrintLettersClick);
    connect(LettersButton, &QPushButton::clicked, this, &TAddressMain::PrintLettersClick);
    connect(Action(QStringLiteral("Print C&urrent Record")), &QAction::triggered, this, [this] {
        if (!OnRecord() || !TPrinterCheck::PrinterPresent())
            return;
        TPrintCurrentRecord form(TAddressRecordPrintout::FromTable(*Table), this);
        form.exec();
    });
    for (QAction* sort : SortMenu->actions())
        connect(sort, &QAction::triggered, this, [this, sort] { SetOrderTo(sort->text()); });

    ConnectHelpAndDial();

    connect(FirstButton, &QToolButton::clicked, this, &TAddressMain::FirstRecord);
    connect(PriorButton, &QToolButton::clicked, this, &TAddressMain::PriorRecord);
    connect(NextButton, &QToolButton::clicked, this, &TAddressMain::NextRecord);
    connect(LastButton, &QToolButton::clicked, this, &TAddressMain::LastRecord);
    connect(SaveButton, &QPushButton::clicked, this, &TAddressMain::SaveButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TAddressMain::CancelButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TAddressMain::AddButtonClick);
    connect(EditButton, &QPushButton::clicked, this, &TAddressMain::EditButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TAddressMain::DeleteButtonClick);
    connect(DateButton, &QPushButton::clicked, this, &TAddressMain::DateButtonClick);
    connect(TaggedCheck, &QCheckBox::clicked, this, &TAddressMain::ToggleTag);

    // The Edit menu is not shown; its shortcuts reach the focused text field.
    addActions(EditMenu->actions());
    auto onField = [this](const char* caption, auto lineSlot, auto memoSlot) {
        connect(Action(QLatin1String(caption)), &QAction::triggered, this, [lineSlot, memoSlot] {
            QWidget* focused = QApplication::focusWidget();
            if (auto* edit = qobject_cast<QLineEdit*>(focused))
                (edit->*lineSlot)();
            else if (auto* memo = qobject_cast<QPlainTextEdit*>(focused))
                (memo->*memoSlot)();
        });
    };
    onField("&Undo typing", &QLineEdit::undo, &QPlainTextEdit::undo);
    onField("Cu&t", &QLineEdit::cut, &QPlainTextEdit::cut);
    onField("&Copy", &QLineEdit::copy, &QPlainTextEdit::copy);
    onField("&Paste", &QLineEdit::paste, &QPlainTextEdit::paste);

    // The window sees the fields' keys first; editing a field by any means starts an edit.
    QWidget* previous = nullptr;
    for (const char* name : {"LNAME", "FNAME", "MIDDLE", "PREFIX", "TITLE", "ORG", "STREET", "STREET2", "CITY",
                             "STATE", "ZIP", "COUNTRY", "CODES", "USER1", "USER2", "PHONE", "PHONE2", "FAX",
                             "EMAIL"}) {
        QLineEdit* edit = FieldEdits.value(QLatin1String(name));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this] {
            if (!Loading && !Editing())
                EditButtonClick();
        });
        if (previous)
            setTabOrder(previous, edit);
        previous = edit;
    }
    setTabOrder(previous, DateButton);
    setTabOrder(DateButton, TaggedCheck);
    MemoEdit->installEventFilter(this);
    MemoEdit->viewport()->installEventFilter(this);
    connect(MemoEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (!Loading && !Editing())
            EditButtonClick();
    });
}

QLineEdit* TAddressMain::AddField(const QString& field, const QString& caption)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(field);
    auto* label = new QLabel(caption);
    label->setBuddy(edit);
    FieldEdits[field] = edit;
    FieldLabels[field] = label;
    return edit;
}

QWidget* TAddressMain::BuildNameStrip()
{
    auto* strip = new QGroupBox;
    auto* grid = new QGridLayout(strip);
    const std::pair<const char*, const char*> fields[] = {{"LNAME", "Last"},   {"FNAME", "First"}, {"MIDDLE", "MI"},
                                                          {"PREFIX", "Prefix"}, {"TITLE", "Title"}, {"ORG", "Org"}};
    const int stretch[] = {4, 4, 1, 2, 4, 4};
    for (int i = 0; i < 6; ++i) {
        QLineEdit* edit = AddField(QLatin1String(fields[i].first), QLatin1String(fields[i].second));
        grid->addWidget(FieldLabels[QLatin1String(fields[i].first)], 0, i);
        grid->addWidget(edit, 1, i);
        grid->setColumnStretch(i, stretch[i]);
    }
    FieldEdits["MIDDLE"]->setMaximumWidth(FieldEdits["MIDDLE"]->fontMetrics().horizontalAdvance(u'W') * 3);
    return strip;
}

QWidget* TAddressMain::BuildAddressPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto place = [&](const char* field, const char* caption, int row, int column, int span = 1) {
        QLineEdit* edit = AddField(QLatin1String(field), QLatin1String(caption));
        grid->addWidget(FieldLabels[QLatin1String(field)], row, column);
        grid->addWidget(edit, row, column + 1, 1, span);
    };
    // Left: the postal address; right: how to reach the person and the bookkeeping fields.
    place("STREET", "Address 1", 0, 0, 3);
    place("STREET2", "Address 2", 1, 0, 3);
    place("CITY", "City", 2, 0, 3);
    place("STATE", "State or Prov", 3, 0);
    place("ZIP", "Zip or Postal", 4, 0);
    place("COUNTRY", "Country", 5, 0, 3);
    place("CODES", "Codes", 6, 0, 3);
    place("USER1", "Comment 1", 7, 0, 3);
    place("USER2", "Comment 2", 8, 0, 3);

    place("PHONE", "Phone 1", 0, 4);
    place("PHONE2", "Phone 2", 1, 4);
    place("FAX", "Fax", 2, 4);
    place("EMAIL", "E-mail", 3, 4);

    QLineEdit* date = AddField(QStringLiteral("DisplayDate"), QStringLiteral("Date"));
    date->setReadOnly(true);
    date->setFocusPolicy(Qt::NoFocus);
    DateButton = new QPushButton(QStringLiteral("Date"));
    DateButton->setAutoDefault(false);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(date, 1);
    dateRow->addWidget(DateButton);
    grid->addWidget(FieldLabels["DisplayDate"], 4, 4);
    grid->addLayout(dateRow, 4, 5);

    TaggedCheck = new QCheckBox(QStringLiteral("Tagged"));
    grid->addWidget(TaggedCheck, 5, 5);

    DialPhone1Button = new QPushButton(QStringLiteral("Dial Phone &1"));
    DialPhone2Button = new QPushButton(QStringLiteral("Dial Phone &2"));
    auto* dialRow = new QHBoxLayout;
    dialRow->addWidget(DialPhone1Button);
    dialRow->addWidget(DialPhone2Button);
    grid->addLayout(dialRow, 6, 5);

    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 3);
    grid->setColumnMinimumWidth(4, 60);
    grid->setRowStretch(9, 1);
    return page;
}

QWidget* TAddressMain::BuildMemoPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    MemoEdit = new QPlainTextEdit;
    MemoEdit->setObjectName(QStringLiteral("MEMO"));
    SearchMemoButton = new QPushButton(QStringLiteral("Search &Memo"));
    FindNextButton = new QPushButton(QStringLiteral("Find &Next"));
    FindNextButton->hide(); // shown once a memo search found something
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SearchMemoButton);
    buttons->addWidget(FindNextButton);
    buttons->addStretch();
    layout->addWidget(MemoEdit, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget* TAddressMain::BuildButtonBar()
{
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    auto make = [&](const char* caption) {
        auto* button = new QPushButton(QLatin1String(caption));
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        layout->addWidget(button);
        return button;
    };
    SearchButton = make("Search");
    BrowseButton = make("Browse");
    FilterButton = make("Filter");
    LabelsButton = make("Labels");
    LettersButton = make("Letters");
    EnvelopesButton = make("Envelopes");
    ReportsButton = make("Reports");
    layout->addStretch();
    return bar;
}

QWidget* TAddressMain::BuildRecordBar()
{
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    auto arrow = [&](Qt::ArrowType type, const char* tip) {
        auto* button = new QToolButton;
        button->setArrowType(type);
        button->setToolTip(QLatin1String(tip));
        layout->addWidget(button);
        return button;
    };
    FirstButton = arrow(Qt::UpArrow, "First record (Ctrl+Up)");
    PriorButton = arrow(Qt::LeftArrow, "Previous record (Ctrl+Left)");
    NextButton = arrow(Qt::RightArrow, "Next record (Ctrl+Right)");
    LastButton = arrow(Qt::DownArrow, "Last record (Ctrl+Down)");
    layout->addSpacing(12);
    auto make = [&](const char* caption) {
        auto* button = new QPushButton(QLatin1String(caption));
        button->setAutoDefault(false);
        layout->addWidget(button);
        return button;
    };
    SaveButton = make("&Save");
    CancelButton = make("&Cancel");
    AddButton = make("&Add");
    EditButton = make("&Edit");
    DeleteButton = make("&Delete");
    ExitButton = make("E&xit");
    layout->addStretch();
    ClearFilterButton = make("Clear Filter");
    connect(ExitButton, &QPushButton::clicked, this, &QWidget::close);
    return bar;
}

QWidget* TAddressMain::BuildNoDataPanel()
{
    NoDataPanel = new QWidget;
    auto* layout = new QVBoxLayout(NoDataPanel);
    auto* text = new QLabel(QStringLiteral("Please Open or Create a Quorvane Address file"));
    text->setAlignment(Qt::AlignCenter);
    QFont font = text->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    text->setFont(font);
    layout->addWidget(text);
    return NoDataPanel;
}

QAction* TAddressMain::AddAction(QMenu* menu, const QString& caption, const QKeySequence& key)
{
    QAction* action = menu->addAction(caption);
    if (!key.isEmpty())
        action->setShortcut(key);
    Actions[caption] = action;
    return action;
}

QAction* TAddressMain::Action(const QString& caption) const { return Actions.value(caption); }

void TAddressMain::BuildMenus()
{
    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    AddAction(FileMenu, QStringLiteral("&New Address Database"));
    AddAction(FileMenu, QStringLiteral("&Open Address Database"));
    FileMenu->addSeparator();
    AddAction(FileMenu, QStringLiteral("&Browse"), QKeySequence(Qt::CTRL | Qt::Key_B));
    AddAction(FileMenu, QStringLiteral("&Search"), QKeySequence(Qt::CTRL | Qt::Key_S));
    QMenu* import = FileMenu->addMenu(QStringLiteral("&Import"));
    AddAction(import, QStringLiteral("Import from &DBF File"));
    AddAction(import, QStringLiteral("Import from &Text/CSV File"));
    AddAction(import, QStringLiteral("Import from Quorvane 1.x DBF"));
    AddAction(import, QStringLiteral("Import from Quorvane 2.x DBF"));
    AddAction(FileMenu, QStringLiteral("&Export "));
    FileMenu->addSeparator();
    AddAction(FileMenu, QStringLiteral("Set &Filter"), QKeySequence(Qt::CTRL | Qt::Key_F));
    AddAction(FileMenu, QStringLiteral("&Clear Filter"));
    AddAction(FileMenu, QStringLiteral("&Save Filter"));
    AddAction(FileMenu, QStringLiteral("&Restore Filter"));
    AddAction(FileMenu, QStringLiteral("Clear &Tags"));
    AddAction(FileMenu, QStringLiteral("&Tag All Filter Matches"));
    FileMenu->addSeparator();
    AddAction(FileMenu, QStringLiteral("&Rebuild Indexes for this file"));
    AddAction(FileMenu, QStringLiteral("Rebuild S&ystem File indexes"));
    AddAction(FileMenu, QStringLiteral("Pre&ferences"));
    FileMenu->addSeparator();
    connect(AddAction(FileMenu, QStringLiteral("E&xit ")), &QAction::triggered, this, &QWidget::close);
    MruSeparator = FileMenu->addSeparator();

    // Not shown as a menu; its shortcuts act on the focused text field.
    EditMenu = new QMenu(QStringLiteral("&Edit"), this);
    AddAction(EditMenu, QStringLiteral("&Undo typing"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    AddAction(EditMenu, QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    AddAction(EditMenu, QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    AddAction(EditMenu, QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));

    RecordMenu = menuBar()->addMenu(QStringLiteral("&Record"));
    AddAction(RecordMenu, QStringLiteral("&First"), QKeySequence(Qt::CTRL | Qt::Key_Up));
    AddAction(RecordMenu, QStringLiteral("&Previous"), QKeySequence(Qt::CTRL | Qt::Key_Left));
    AddAction(RecordMenu, QStringLiteral("&Next"), QKeySequence(Qt::CTRL | Qt::Key_Right));
    AddAction(RecordMenu, QStringLiteral("&Last"), QKeySequence(Qt::CTRL | Qt::Key_Down));
    RecordMenu->addSeparator();
    AddAction(RecordMenu, QStringLiteral("&Add"));
    AddAction(RecordMenu, QStringLiteral("&Edit"));
    AddAction(RecordMenu, QStringLiteral("&Delete"));
    RecordMenu->addSeparator();
    AddAction(RecordMenu, QStringLiteral("Copy To &Clipboard"));
    AddAction(RecordMenu, QStringLiteral("Create a Duplicate &Record (Clone)"));

    SortMenu = menuBar()->addMenu(QStringLiteral("&Sort"));
    auto* sortGroup = new QActionGroup(this);
    for (const QString& order : TSortOrders::Captions()) {
        const QString caption = u'&' + order; // every Sort entry underlines its first letter
        QAction* action = SortMenu->addAction(caption);
        action->setCheckable(true);
        sortGroup->addAction(action);
        Actions[QStringLiteral("Sort ") + caption] = action;
    }

    UtilitiesMenu = menuBar()->addMenu(QStringLiteral("&Utilities"));
    AddAction(UtilitiesMenu, QStringLiteral("Count &Zip Codes"));
    AddAction(UtilitiesMenu, QStringLiteral("Check && Repair &State and Zip Codes"));
    AddAction(UtilitiesMenu, QStringLiteral("Check && Repair &Duplicates"));
    AddAction(UtilitiesMenu, QStringLiteral("Con&vert Case"));
    AddAction(UtilitiesMenu, QStringLiteral("Undo last conversion"));
    AddAction(UtilitiesMenu, QStringLiteral("Standardize Addresses"));
    AddAction(UtilitiesMenu, QStringLiteral("Undo Last Standardization"));
    AddAction(UtilitiesMenu, QStringLiteral("Delete &Records"));
    AddAction(UtilitiesMenu, QStringLiteral("&Search && Replace Field Values"));

    PrintMenu = menuBar()->addMenu(QStringLiteral("&Print"));
    AddAction(PrintMenu, QStringLiteral("Print &Labels"), QKeySequence(Qt::CTRL | Qt::Key_L));
    AddAction(PrintMenu, QStringLiteral("Print Le&tters"), QKeySequence(Qt::CTRL | Qt::Key_T));
    AddAction(PrintMenu, QStringLiteral("Print &Envelopes"), QKeySequence(Qt::CTRL | Qt::Key_E));
    AddAction(PrintMenu, QStringLiteral("Print &Reports"), QKeySequence(Qt::CTRL | Qt::Key_R));
    AddAction(PrintMenu, QStringLiteral("Print C&urrent Record"), QKeySequence(Qt::CTRL | Qt::Key_P));

    HelpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    AddAction(HelpMenu, QStringLiteral("&Contents"));
    AddAction(HelpMenu, QStringLiteral("&Getting Started"));
    AddAction(HelpMenu, QStringLiteral("Frequently Asked Questions"));
    AddAction(HelpMenu, QStringLiteral("Search for Help On"));
    AddAction(HelpMenu, QStringLiteral("How to Use Help"));
    AddAction(HelpMenu, QStringLiteral("Technical Support"));
    AddAction(HelpMenu, QStringLiteral("&Quick Tips"));
    HelpMenu->addSeparator();
    AddAction(HelpMenu, QStringLiteral("&About..."));
    AddAction(HelpMenu, QStringLiteral("Configuration Information"));

    for (QMenu* menu : {FileMenu, RecordMenu, SortMenu, UtilitiesMenu, PrintMenu, HelpMenu})
        menu->setToolTipsVisible(true);
}

void TAddressMain::SetButtons()
{
    SetButtons({Table != nullptr, Editing(), OnRecord(), AddressFilter.IsSet()});
}

void TAddressMain::SetButtons(const TButtonState& s)
{
    const bool browsing = s.TableOpen && !s.Editing;          // A and not E
    const bool onRecord = browsing && s.OnRecord;             // A, not E and R
    auto enable = [this](const char* caption, bool on) {
        if (QAction* action = Actions.value(QLatin1String(caption)))
            action->setEnabled(on);
    };

    for (QWidget* w : std::initializer_list<QWidget*>{SaveButton, CancelButton})
        w->setVisible(s.Editing);
    for (QWidget* w : std::initializer_list<QWidget*>{AddButton, EditButton, DeleteButton, ExitButton})
        w->setVisible(!s.Editing);
    AddButton->setEnabled(browsing);
    EditButton->setEnabled(onRecord);
    DeleteButton->setEnabled(onRecord);
    for (QWidget* w : std::initializer_list<QWidget*>{FirstButton, PriorButton, NextButton, LastButton})
        w->setVisible(onRecord);
    for (QWidget* w : std::initializer_list<QWidget*>{DialPhone1Button, DialPhone2Button, SearchMemoButton})
        w->setVisible(onRecord);
    FindNextButton->setVisible(onRecord && MemoSearch.CanFindNext());
    DialPhone1Button->setEnabled(onRecord && !FieldEdits.value(QStringLiteral("PHONE"))->text().trimmed().isEmpty());
    DialPhone2Button->setEnabled(onRecord && !FieldEdits.value(QStringLiteral("PHONE2"))->text().trimmed().isEmpty());

    auto enableButton = [](QPushButton* button, bool on) { button->setEnabled(on); };
    enableButton(SearchButton, onRecord);
    enableButton(BrowseButton, onRecord);
    enableButton(FilterButton, s.FilterSet || onRecord);
    for (QPushButton* print : {LabelsButton, LettersButton, EnvelopesButton, ReportsButton})
        enableButton(print, onRecord);
    ClearFilterButton->setVisible(s.FilterSet);
    enableButton(ClearFilterButton, s.FilterSet && !s.Editing);

    enable("&Rebuild Indexes for this file", s.TableOpen);
    enable("Import from &DBF File", s.TableOpen);
    enable("Import from &Text/CSV File", s.TableOpen);
    if (auto* importMenu = qobject_cast<QMenu*>(Action(QStringLiteral("Import from &DBF File"))->parent()))
        importMenu->menuAction()->setEnabled(s.TableOpen);
    enable("Clear &Tags", s.TableOpen);
    enable("&Restore Filter", s.TableOpen);
    enable("&Browse", onRecord);
    enable("&Search", onRecord);
    enable("Set &Filter", s.FilterSet || onRecord);
    enable("&Save Filter", s.FilterSet);
    enable("&Clear Filter", s.FilterSet);
    enable("&Tag All Filter Matches", s.FilterSet);
    enable("&Export ", onRecord);
    enable("Create a Duplicate &Record (Clone)", onRecord);
    enable("Copy To &Clipboard", onRecord);
    enable("&Add", browsing);
    enable("&Edit", onRecord);
    enable("&Delete", onRecord);
    for (const char* navigation : {"&First", "&Previous", "&Next", "&Last"})
        enable(navigation, onRecord);
    enable("E&xit ", !s.Editing);
    FileMenu->setEnabled(!s.Editing);
    RecordMenu->setEnabled(browsing);
    SortMenu->setEnabled(onRecord);
    UtilitiesMenu->setEnabled(onRecord);
    PrintMenu->setEnabled(onRecord);
    RecordArea->setCurrentWidget(s.TableOpen ? RecordArea->widget(0) : NoDataPanel);
    SetFieldsReadOnly(!s.Editing && !onRecord);
    // With no record on screen the empty fields look as they are: out of use.
    for (QLineEdit* field : FieldEdits)
        field->setEnabled(s.Editing || onRecord);
    MemoEdit->setEnabled(s.Editing || onRecord);
    TaggedCheck->setEnabled(s.Editing || onRecord);
    DateButton->setEnabled(s.Editing || onRecord);
    if (s.Editing && !InRecordField(QApplication::focusWidget()))
        FieldEdits.value(QStringLiteral("LNAME"))->setFocus();
    UpdateFilterStatus();
}

// The Help menu's pages, Quick Tips, and the two dial buttons.
void TAddressMain::ConnectHelpAndDial()
{
    const std::pair<const char*, const char*> pages[] = {
        {"&Contents", "index.html"}, {"Frequently Asked Questions", "faq.html"},
        {"How to Use Help", "using-help.html"}, {"Technical Support", "support.html"}};
    for (const auto& [caption, page] : pages)
        connect(Action(QLatin1String(caption)), &QAction::triggered, this, [page = QString::fromLatin1(page)] { THelp::ShowPage(page); });
    connect(Action(QStringLiteral("Search for Help On")), &QAction::triggered, this, [] {
        THelp::ShowPage(QStringLiteral("index.html"));
        THelpWindow::Instance()->SearchEdit->setFocus();
    });
    connect(Action(QStringLiteral("&Quick Tips")), &QAction::triggered, this,
            [this] { TQuickTipsWindow::Open(QStringLiteral("Main Window"), this); });
    connect(DialPhone1Button, &QPushButton::clicked, this,
            [this] { Dialogs.Dial(FieldEdits.value(QStringLiteral("PHONE"))->text(), this); });
    connect(DialPhone2Button, &QPushButton::clicked, this,
            [this] { Dialogs.Dial(FieldEdits.value(QStringLiteral("PHONE2"))->text(), this); });
}
