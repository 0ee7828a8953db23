#include "TStateZipCheck.h"
#include "TToolGridSizing.h"

#include "TResultIndex.h"
#include "TStateZipChecker.h"
#include "TToolGridModel.h"

#include "data/TAddressFiles.h"
#include "data/TAddressSchema.h"
#include "data/TAddressTable.h"
#include "data/TTagger.h"
#include "prompts/TUserPrompts.h"
#include "settings/TProgramFolder.h"
#include "settings/TWindowPlacement.h"
#include "xbase/WorkArea.h"
#include "xbase/XbaseError.h"
#include "data/TCountText.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QString FoundText(uint32_t count)
{
    return QStringLiteral("Found ") + TCountText::Records(count) + QStringLiteral(" with questionable state or zipcodes");
}

QWidget* ButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : buttons)
        layout->addWidget(b);
    layout->addStretch();
    return row;
}
} // namespace

template <typename TWork> void TStateZipCheck::Guarded(TWork work)
{
    try {
        work();
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
}

TStateZipCheck::TStateZipCheck(TAddressTable& table, QWidget* parent)
    : QDialog(parent), Pump(nullptr, nullptr, {}), Table(table)
{
    setWindowTitle(QStringLiteral("Check State and Zip  Codes"));

    Options = new QWidget;
    BlanksCheck = new QCheckBox(QStringLiteral("Include records with blank State/Province or Zip/Postcode entries?"));
    auto* optionsLayout = new QVBoxLayout(Options);
    optionsLayout->addWidget(BlanksCheck);

    ResultPanel = new QWidget;
    auto* caption = new QLabel(QStringLiteral("These records have questionable state/zip or province/postcode combinations. You may edit "
                                              "the contents to make changes. When you are done, press the Close button."));
    caption->setWordWrap(true);
    ResultGrid = new QTableView;
    ResultGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Model = new TToolGridModel(table.Table(), TToolGridModel::AddressColumns(), this);
    ResultGrid->setModel(Model);
    EditButton = new QPushButton(QStringLiteral("&Edit"));
    SaveButton = new QPushButton(QStringLiteral("&Save"));
    CancelEditButton = new QPushButton(QStringLiteral("&Cancel"));
    TagButton = new QPushButton(QStringLiteral("&Tag"));
    TagAllButton = new QPushButton(QStringLiteral("Tag &All"));
    auto* resultLayout = new QVBoxLayout(ResultPanel);
    resultLayout->setContentsMargins(0, 0, 0, 0);
    resultLayout->addWidget(caption);
    resultLayout->addWidget(ResultGrid, 1);
    resultLayout->addWidget(ButtonRow({EditButton, SaveButton, CancelEditButton, TagButton, TagAllButton}));
    ResultPanel->hide();

    StatePanel = new QWidget;
    StateTableGrid = new QTableView;
    StateTableGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    StateDeleteButton = new QPushButton(QStringLiteral("Delete"));
    StateSaveButton = new QPushButton(QStringLiteral("Save"));
    StateUndoButton = new QPushButton(QStringLiteral("Undo"));
    StateAddButton = new QPushButton(QStringLiteral("Add"));
    auto* stateLayout = new QVBoxLayout(StatePanel);
    stateLayout->setContentsMargins(0, 0, 0, 0);
    stateLayout->addWidget(StateTableGrid, 1);
    stateLayout->addWidget(ButtonRow({StateDeleteButton, StateSaveButton, StateUndoButton, StateAddButton}));
    StatePanel->hide();

    Gauge = new QProgressBar;
    Gauge->setRange(0, 100);
    Gauge->hide();
    CountLabel = new QLabel;
    PerformButton = new QPushButton(QStringLiteral("Perform Check Now"));
    EditStatesButton = new QPushButton(QStringLiteral("Edit State/Province File"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    CancelButton->hide();
    CloseButton = new QPushButton(QStringLiteral("Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PerformButton);
    buttons->addWidget(EditStatesButton);
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addWidget(CloseButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Options);
    layout->addWidget(ResultPanel, 1);
    layout->addWidget(StatePanel, 1);
    layout->addWidget(Gauge);
    layout->addWidget(CountLabel);
    layout->addLayout(buttons);

    Pump = TProgressPump(Gauge, CountLabel, [](const TToolStep& step) { return FoundText(step.Found); });
    connect(PerformButton, &QPushButton::clicked, this, &TStateZipCheck::PerformClick);
    connect(CancelButton, &QPushButton::clicked, this, &TStateZipCheck::CancelClick);
    connect(CloseButton, &QPushButton::clicked, this, &TStateZipCheck::CloseClick);
    connect(EditStatesButton, &QPushButton::clicked, this, &TStateZipCheck::EditStatesClick);
    connect(EditButton, &QPushButton::clicked, this, [this] {
        if (ResultGrid->currentIndex().isValid())
            ResultGrid->edit(ResultGrid->currentIndex());
    });
    connect(SaveButton, &QPushButton::clicked, this, [this] { Guarded([this] { Model->Post(); }); });
    connect(CancelEditButton, &QPushButton::clicked, this, [this] { Model->Cancel(); });
    connect(TagButton, &QPushButton::clicked, this, &TStateZipCheck::TagClick);
    connect(TagAllButton, &QPushButton::clicked, this, &TStateZipCheck::TagAllClick);
    connect(ResultGrid, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() == Model->ColumnOf(QStringLiteral("Tagged")))
            TagClick();
    });
    connect(ResultGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (previous.isValid() && current.row() != previous.row())
                    Guarded([this] { Model->Post(); });
            });
    connect(StateDeleteButton, &QPushButton::clicked, this, [this] {
        if (StateModel && CurrentRow(StateTableGrid) >= 0)
            Guarded([this] { StateModel->DeleteRow(CurrentRow(StateTableGrid)); });
    });
    connect(StateSaveButton, &QPushButton::clicked, this, [this] {
        if (StateModel)
            Guarded([this] { StateModel->Post(); });
    });
    connect(StateUndoButton, &QPushButton::clicked, this, [this] {
        if (StateModel)
            StateModel->Cancel();
    });
    connect(StateAddButton, &QPushButton::clicked, this, [this] {
        if (!StateModel)
            return;
        Guarded([this] {
            const int row = StateModel->AppendRow();
            StateTableGrid->setCurrentIndex(StateModel->index(row, 0));
            StateTableGrid->edit(StateModel->index(row, 0));
        });
    });
    setMinimumWidth(560);
}

TStateZipCheck::~TStateZipCheck()
{
    StopEditingStates();
    CloseResults();
}

bool TStateZipCheck::StateTablePresent()
{
    return QFileInfo::exists(TAddressFiles::SystemTablePath(TSystemTable::stCsz));
}

void TStateZipCheck::SetRunning(bool running)
{
    IsRunning = running;
    PerformButton->setEnabled(!running);
    EditStatesButton->setEnabled(!running);
    CloseButton->setVisible(!running);
    CancelButton->setVisible(running);
    Gauge->setVisible(running);
}

void TStateZipCheck::PerformClick()
{
    if (IsRunning || States)
        return;
    CloseResults();
    TStateZipChecker checker;
    if (!checker.LoadStates())
        return; // its message has been shown
    SetRunning(true);
    Found = 0;
    Guarded([&] {
        Result = std::make_unique<TResultIndex>(Table, TStateZipChecker::ResultPath(Table), TStateZipChecker::KeyExpression);
        Found = checker.Run(Table, *Result, BlanksCheck->isChecked(), Pump.Callback());
        Result->Install();
        Model->SetRecords(Result->Records());
    });
    SetRunning(false);
    CountLabel->setText(FoundText(Found));
    Options->hide();
    ResultPanel->show();
    if (Model->RowCount() > 0)
        ResultGrid->setCurrentIndex(Model->index(0, 1));
    // What the check is about comes first: the city, state and ZIP beside the name.
    TToolGridSizing::BringForward(*ResultGrid, *Model, {QStringLiteral("LNAME"), QStringLiteral("CITY"),
                                                        QStringLiteral("STATE"), QStringLiteral("ZIP")});
    TToolGridSizing::FitColumns(*ResultGrid);
    TToolGridSizing::WidenFor(*this, *ResultGrid, 460);
}

void TStateZipCheck::CloseResults()
{
    Guarded([this] { Model->Post(); });
    Model->SetRecords({});
    Result.reset(); // the order goes back and _chksz.idx is deleted
}

int TStateZipCheck::CurrentRow(QTableView* grid) const
{
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TStateZipCheck::CancelClick()
{
    if (IsRunning && TUserPrompts::Current().Question(QStringLiteral("Cancel"), QStringLiteral("Cancel operation?")))
        Pump.Stop();
}

void TStateZipCheck::CloseClick()
{
    if (IsRunning)
        return;
    StopEditingStates();
    CloseResults();
    accept();
}

void TStateZipCheck::reject()
{
    if (IsRunning)
        CancelClick();
    else
        CloseClick();
}

void TStateZipCheck::EditStatesClick()
{
    if (IsRunning)
        return;
    if (States) {
        StopEditingStates();
        return;
    }
    try {
        States = xbase::WorkArea::open(xbase::FileSystem::native(), TAddressFiles::SystemTablePath(TSystemTable::stCsz).toStdString());
        if (const size_t tag = States->tagNumber("STATE"))
            States->setOrder(tag);
    } catch (const xbase::XbaseError&) {
        States.reset();
        TUserPrompts::Current().Information(QStringLiteral("Unable to open CSZ.DBF"));
        return;
    }
    StateModel = new TToolGridModel(States->table(),
                                    {{"NAME", "State or Province"}, {"STATE", "Abbreviation"}, {"LOW_ZIP", "Starting Zip/Post"},
                                     {"HIGH_ZIP", "Ending Zip/Post"}},
                                    this);
    std::vector<uint32_t> rows;
    for (States->table().goTop(); !States->table().eof(); States->table().skip())
        if (!States->table().isFlaggedDeleted())
            rows.push_back(States->table().recordNumber());
    StateModel->SetRecords(rows);
    StateTableGrid->setModel(StateModel);
    Options->hide();
    ResultPanel->hide();
    StatePanel->show();
    EditStatesButton->setText(QStringLiteral("Stop Editing"));
    CloseButton->setEnabled(false); // "Cancel" of the original layout: the table must be closed first
    PerformButton->setEnabled(false);
}

void TStateZipCheck::StopEditingStates()
{
    if (!States)
        return;
    Guarded([this] { StateModel->Post(); });
    StateTableGrid->setModel(nullptr);
    delete StateModel;
    StateModel = nullptr;
    Guarded([this] { States->close(); });
    States.reset();
    StatePanel->hide();
    (Result ? ResultPanel : Options)->show();
    EditStatesButton->setText(QStringLiteral("Edit State/Province File"));
    CloseButton->setEnabled(true);
    PerformButton->setEnabled(true);
}

void TStateZipCheck::TagClick()
{
    const int row = CurrentRow(ResultGrid);
    if (row >= 0)
        Guarded([&] { Model->ToggleTag(row); });
}

void TStateZipCheck::TagAllClick()
{
    if (!Result || !TUserPrompts::Current().Question(QStringLiteral("TAG ALL"),
                                                     QStringLiteral("Tag all records with questionable state or zipcodes?")))
        return;
    Guarded([this] {
        Model->Post();
        if (TagAllRunner)
            TagAllRunner(this, Table);
        else
            TTagger::TagAll(Table);
        Model->SetRecords(Result->Records());
    });
}

void TStateZipCheck::Execute(QWidget* parent, TAddressTable& table, const TDupCheck::TTagAllRunner& tagAll)
{
    if (!StateTablePresent()) {
        TUserPrompts::Current().Information(
            QStringLiteral("The file CSZ.DBF has been removed from the SYSDATA directory. Unable to continue."));
        return;
    }
    TStateZipCheck form(table, parent);
    form.TagAllRunner = tagAll;
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.exec();
}
