#include "TDupCheck.h"
#include "TToolGridSizing.h"

#include "TResultIndex.h"
#include "TSimilarKey.h"

#include "data/TAddressStandardizer.h"
#include "TToolGridModel.h"

#include "data/TAddressTable.h"
#include "data/TTagger.h"
#include "prompts/TUserPrompts.h"
#include "settings/TProgramFolder.h"
#include "settings/TWindowPlacement.h"
#include "xbase/XbaseError.h"
#include "data/TCountText.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QString FoundText(uint32_t count) { return QStringLiteral("Found ") + TCountText::Of(count, QStringLiteral("possible duplicate"), QStringLiteral("possible duplicates")); }
} // namespace

TDupCheck::TDupCheck(TAddressTable& table, QWidget* parent)
    : QDialog(parent), Pump(nullptr, nullptr, {}), Table(table)
{
    setWindowTitle(QStringLiteral("Check and Repair Duplicates"));

    Options = new QGroupBox(QStringLiteral("What to check:"));
    LastFirstRadio = new QRadioButton(QStringLiteral("&Last + First"));
    LastInitialRadio = new QRadioButton(QStringLiteral("Last + &First Initial"));
    StreetRadio = new QRadioButton(QStringLiteral("&Street Address"));
    SimilarRadio = new QRadioButton(QStringLiteral("&Similar names and addresses"));
    LastFirstRadio->setChecked(true);
    StreetCharsSpin = new QSpinBox;
    StreetCharsSpin->setRange(1, TDupFinder::MaxStreetChars);
    StreetCharsSpin->setValue(TDupFinder::MaxStreetChars);
    StreetCharsPanel = new QWidget;
    auto* streetLayout = new QHBoxLayout(StreetCharsPanel);
    streetLayout->setContentsMargins(20, 0, 0, 0);
    streetLayout->addWidget(new QLabel(QStringLiteral("Check how many characters of street address (max 30)")));
    streetLayout->addWidget(StreetCharsSpin);
    streetLayout->addStretch();
    StreetCharsPanel->hide();
    auto* optionsLayout = new QVBoxLayout(Options);
    for (QRadioButton* radio : {LastFirstRadio, LastInitialRadio, StreetRadio, SimilarRadio})
        optionsLayout->addWidget(radio);
    optionsLayout->addWidget(StreetCharsPanel);
    connect(StreetRadio, &QRadioButton::toggled, StreetCharsPanel, &QWidget::setVisible);

    PerformButton = new QPushButton(QStringLiteral("&Perform Duplicate Check Now"));
    OkButton = new QPushButton(QStringLiteral("Ok"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    CancelButton->hide();
    Gauge = new QProgressBar;
    Gauge->setRange(0, 100);
    Gauge->hide();
    CountLabel = new QLabel;

    ResultPanel = new QWidget;
    auto* caption = new QLabel(QStringLiteral("Click on field to begin editing"));
    ResultGrid = new QTableView;
    ResultGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ResultGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    Model = new TToolGridModel(table.Table(), TToolGridModel::AddressColumns(), this);
    ResultGrid->setModel(Model);
    ResultGrid->horizontalHeader()->setSectionsMovable(true);
    DeleteButton = new QPushButton(QStringLiteral("&Delete"));
    SaveButton = new QPushButton(QStringLiteral("S&ave"));
    UndoButton = new QPushButton(QStringLiteral("&Undo"));
    TagButton = new QPushButton(QStringLiteral("&Tag"));
    TagAllButton = new QPushButton(QStringLiteral("Tag &All"));
    auto* gridButtons = new QHBoxLayout;
    for (QPushButton* b : {DeleteButton, SaveButton, UndoButton, TagButton, TagAllButton})
        gridButtons->addWidget(b);
    gridButtons->addStretch();
    auto* resultLayout = new QVBoxLayout(ResultPanel);
    resultLayout->setContentsMargins(0, 0, 0, 0);
    resultLayout->addWidget(caption);
    resultLayout->addWidget(ResultGrid, 1);
    resultLayout->addLayout(gridButtons);
    ResultPanel->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PerformButton);
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addWidget(OkButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Options);
    layout->addWidget(ResultPanel, 1);
    layout->addWidget(Gauge);
    layout->addWidget(CountLabel);
    layout->addLayout(buttons);

    Pump = TProgressPump(Gauge, CountLabel, [](const TToolStep& step) { return FoundText(step.Found); });
    connect(PerformButton, &QPushButton::clicked, this, &TDupCheck::PerformClick);
    connect(OkButton, &QPushButton::clicked, this, &TDupCheck::OkClick);
    connect(CancelButton, &QPushButton::clicked, this, &TDupCheck::CancelClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TDupCheck::DeleteClick);
    connect(SaveButton, &QPushButton::clicked, this, &TDupCheck::SaveClick);
    connect(UndoButton, &QPushButton::clicked, this, &TDupCheck::UndoClick);
    connect(TagButton, &QPushButton::clicked, this, &TDupCheck::TagClick);
    connect(TagAllButton, &QPushButton::clicked, this, &TDupCheck::TagAllClick);
    connect(ResultGrid, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() == Model->ColumnOf(QStringLiteral("Tagged")))
            TagClick();
    });
    connect(ResultGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (previous.isValid() && current.row() != previous.row())
                    Model->Post();
            });
    setMinimumWidth(520);
}

TDupCheck::~TDupCheck() { CloseResults(); }

TDupKind TDupCheck::Kind() const
{
    if (LastInitialRadio->isChecked())
        return TDupKind::dkLastInitial;
    if (StreetRadio->isChecked())
        return TDupKind::dkStreet;
    if (SimilarRadio->isChecked())
        return TDupKind::dkSimilar;
    return TDupKind::dkLastFirst;
}

void TDupCheck::SetRunning(bool running)
{
    IsRunning = running;
    Options->setVisible(!running && !Result);
    PerformButton->setVisible(!running && !Result);
    OkButton->setVisible(!running);
    CancelButton->setVisible(running);
    Gauge->setVisible(running);
}

void TDupCheck::PerformClick()
{
    if (IsRunning)
        return;
    CloseResults();
    const TDupKind kind = Kind();
    SetRunning(true);
    Found = 0;
    try {
        Result = std::make_unique<TResultIndex>(Table, TDupFinder::ResultPath(), TDupFinder::KeyExpression(kind));
        TSimilarKey words;
        if (kind == TDupKind::dkSimilar) {
            words.LoadWords(TProgramFolder::SysdataFolder() + QLatin1String(TSimilarKey::WordsFileName));
            words.SetStandardizer(TAddressStandardizer::Shared()); // streets compared in standard form
        }
        Found = TDupFinder::Run(Table, *Result, {kind, StreetCharsSpin->value()}, Pump.Callback(), &words);
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
    SetRunning(false);
    Options->hide();
    PerformButton->hide();
    if (Found > 0 && Result)
        ShowResults(kind);
    CountLabel->setText(FoundText(Found));
    TUserPrompts::Current().Information(
        QStringLiteral("Found ") + QString::number(Found) + QStringLiteral(" POSSIBLE duplicates. The records shown\r") +
        QStringLiteral("were matched BASED ON THE CRITERIA YOU SPECIFIED.\r\r") +
        QStringLiteral("NOTE: There is no way for the program to TELL the \"original\" from the\r") +
        QStringLiteral("the \"duplicate\". Please visually verify duplicate records\r") + QStringLiteral("before taking any action."));
}

void TDupCheck::ShowResults(TDupKind kind)
{
    Result->Install();
    Model->SetRecords(Result->Records());
    if (kind == TDupKind::dkStreet)
        ResultGrid->horizontalHeader()->moveSection(ResultGrid->horizontalHeader()->visualIndex(Model->ColumnOf("STREET")), 1);
    ResultPanel->show();
    ResultGrid->setCurrentIndex(Model->index(0, 1));
    TToolGridSizing::FitColumns(*ResultGrid);
    TToolGridSizing::WidenFor(*this, *ResultGrid, 460);
}

void TDupCheck::CloseResults()
{
    try {
        Model->Post();
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
    Model->SetRecords({});
    Result.reset(); // the order goes back and _chkdup.idx is deleted
}

int TDupCheck::CurrentRow() const
{
    const QModelIndex current = ResultGrid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TDupCheck::CancelClick()
{
    if (IsRunning && TUserPrompts::Current().Question(QStringLiteral("Cancel"), QStringLiteral("Cancel operation?")))
        Pump.Stop();
}

void TDupCheck::OkClick()
{
    if (IsRunning)
        return;
    CloseResults();
    accept();
}

void TDupCheck::reject()
{
    if (IsRunning)
        CancelClick();
    else
        OkClick();
}

void TDupCheck::DeleteClick()
{
    const int row = CurrentRow();
    if (row < 0 || !TUserPrompts::Current().Question(QStringLiteral("DELETE"), QStringLiteral("Delete this record?")))
        return;
    try {
        Model->DeleteRow(row);
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
}

void TDupCheck::SaveClick()
{
    try {
        Model->Post();
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
}

void TDupCheck::UndoClick() { Model->Cancel(); }

void TDupCheck::TagClick()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    try {
        Model->ToggleTag(row);
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
}

void TDupCheck::TagAllClick()
{
    if (!Result || !TUserPrompts::Current().Question(QStringLiteral("TAG ALL"), QStringLiteral("Tag all possible duplicates?")))
        return;
    SaveClick();
    try {
        if (TagAllRunner)
            TagAllRunner(this, Table);
        else
            TTagger::TagAll(Table);
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
    Model->SetRecords(Model->RowCount() > 0 ? Result->Records() : std::vector<uint32_t>{});
}

void TDupCheck::Execute(QWidget* parent, TAddressTable& table, const TTagAllRunner& tagAll)
{
    TDupCheck form(table, parent);
    form.TagAllRunner = tagAll;
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.exec();
}
