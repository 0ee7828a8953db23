#include "TAddressBrowseForm.h"

#include "TAddressBrowseModel.h"
#include "TBrowseFieldList.h"
#include "data/TAddressFilter.h"
#include "data/TAddressTable.h"
#include "prompts/TUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "settings/TScreenMetrics.h"
#include "settings/TWindowPlacement.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace {
const QString PlacementName = QStringLiteral("TAddressBrowseForm");
} // namespace

TAddressBrowseForm::TAddressBrowseForm(TAddressTable& table, const QStringList& fieldOrder, QWidget* parent,
                                       TAddressFilter* filter)
    : QDialog(parent), Table(table), Filter(filter), Order(fieldOrder)
{
    setWindowTitle(QStringLiteral("Address Browse"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(ScaledDesignSize(TScreenMetrics::PixelsPerInch()));

    BrowseModel = new TAddressBrowseModel(table, TBrowseFieldList::Shown(Order), this);
    connect(BrowseModel, &TAddressBrowseModel::ReadFailed, this,
            [](const QString& message) { TUserPrompts::Current().Information(message); }, Qt::QueuedConnection);
    Grid = new QTableView;
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setModel(BrowseModel);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setAlternatingRowColors(true);
    Grid->setWordWrap(false);
    Grid->verticalHeader()->hide();
    Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid->verticalHeader()->setDefaultSectionSize(Grid->fontMetrics().height() + 6);
    Grid->horizontalHeader()->setSectionsMovable(true);
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    Grid->horizontalHeader()->setHighlightSections(false);
    connect(Grid, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() != BrowseModel->TaggedColumnIndex()) // the Tagged cell toggled on the press
            TagClick();
    });
    Grid->installEventFilter(this);
    Grid->viewport()->installEventFilter(this);

    FirstButton = NavigatorButton(QStringLiteral("FirstButton"), QStyle::SP_MediaSkipBackward,
                                  QStringLiteral("First record"), &TAddressBrowseForm::FirstClick);
    PriorButton = NavigatorButton(QStringLiteral("PriorButton"), QStyle::SP_ArrowLeft,
                                  QStringLiteral("Previous record"), &TAddressBrowseForm::PriorClick);
    NextButton = NavigatorButton(QStringLiteral("NextButton"), QStyle::SP_ArrowRight, QStringLiteral("Next record"),
                                 &TAddressBrowseForm::NextClick);
    LastButton = NavigatorButton(QStringLiteral("LastButton"), QStyle::SP_MediaSkipForward,
                                 QStringLiteral("Last record"), &TAddressBrowseForm::LastClick);
    TagButton = new QPushButton(QStringLiteral("&Tag"));
    TagButton->setAutoDefault(false);
    connect(TagButton, &QPushButton::clicked, this, &TAddressBrowseForm::TagClick);
    OkButton = new QPushButton(QStringLiteral("Ok"));
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (QToolButton* button : {FirstButton, PriorButton, NextButton, LastButton})
        buttons->addWidget(button);
    buttons->addSpacing(12);
    buttons->addWidget(TagButton);
    buttons->addStretch();
    buttons->addWidget(OkButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Grid, 1);
    layout->addLayout(buttons);

    SizeColumns();
    const xbase::DbfTable& records = table.Table();
    const int row = BrowseModel->Reload(records.eof() ? 0 : records.recordNumber());
    SelectRow(row >= 0 ? row : 0);
}

QToolButton* TAddressBrowseForm::NavigatorButton(const QString& name, int icon, const QString& hint,
                                                 void (TAddressBrowseForm::*handler)())
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon)));
    button->setToolTip(hint);
    button->setAutoRaise(false);
    connect(button, &QToolButton::clicked, this, handler);
    return button;
}

QSize TAddressBrowseForm::ScaledDesignSize(int pixelsPerInch)
{
    if (pixelsPerInch <= 96)
        return {DesignWidth, DesignHeight};
    const double scale = pixelsPerInch / 96.0 * 0.95;
    return {static_cast<int>(DesignWidth * scale), static_cast<int>(DesignHeight * scale)};
}

void TAddressBrowseForm::SizeColumns()
{
    const QFontMetrics metrics = Grid->fontMetrics();
    const QFontMetrics headerMetrics = Grid->horizontalHeader()->fontMetrics();
    const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    for (int column = 0; column < BrowseModel->columnCount(); ++column) {
        // Wide enough for the field's grid width and for its caption, so no heading is cut.
        const QString caption = BrowseModel->headerData(column, Qt::Horizontal).toString();
        const int width = std::max(digit * BrowseModel->ColumnWidthInCharacters(column) + 10,
                                   headerMetrics.horizontalAdvance(caption) + 16);
        Grid->setColumnWidth(column, width);
    }
}

void TAddressBrowseForm::Execute(QWidget* parent, TAddressTable& table, TAddressFilter* filter)
{
    const QString path = TBrowseFieldList::FilePath();
    // An engine error while laying out the rows reaches the caller, which offers the rebuild.
    auto form = std::make_unique<TAddressBrowseForm>(table, TBrowseFieldList::Load(path), parent, filter);
    form->exec();
    if (!TBrowseFieldList::Save(path, form->FieldOrder()))
        TUserPrompts::Current().Information(QStringLiteral("Unable to write ") + path);
}

QStringList TAddressBrowseForm::FieldOrder() const
{
    const QHeaderView* header = Grid->horizontalHeader();
    QStringList columns;
    for (int visual = 0; visual < header->count(); ++visual)
        columns << BrowseModel->Fields().value(header->logicalIndex(visual));
    return TBrowseFieldList::WithShownOrder(Order, columns);
}

int TAddressBrowseForm::SelectedRow() const
{
    const QModelIndex current = Grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TAddressBrowseForm::SelectRow(int row)
{
    if (row < 0 || row >= BrowseModel->rowCount())
        return;
    const int column = Grid->currentIndex().isValid() ? Grid->currentIndex().column() : 0;
    const QModelIndex index = BrowseModel->index(row, column);
    Grid->setCurrentIndex(index);
    Grid->scrollTo(index);
}

void TAddressBrowseForm::FirstClick() { SelectRow(0); }

void TAddressBrowseForm::PriorClick()
{
    if (SelectedRow() <= 0)
        QApplication::beep();
    else
        SelectRow(SelectedRow() - 1);
}

void TAddressBrowseForm::NextClick()
{
    if (SelectedRow() + 1 >= BrowseModel->rowCount())
        QApplication::beep();
    else
        SelectRow(SelectedRow() + 1);
}

void TAddressBrowseForm::LastClick() { SelectRow(BrowseModel->rowCount() - 1); }

void TAddressBrowseForm::TagClick()
{
    const int row = SelectedRow();
    if (row < 0) {
        QApplication::beep();
        return;
    }
    int now = -1;
    try {
        now = BrowseModel->ToggleTag(row);
        if (Filter && Filter->IsSet() && BrowseModel->rowCount() == 0) {
            Filter->ApplyQuery(Table); // matches nothing now: dropped, every live record shows
            now = BrowseModel->Reload(BrowseModel->RecordAt(0));
        }
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromStdString(error.what()));
        return;
    }
    // A record that left the set (untagged under a Tagged filter) hands the selection on.
    SelectRow(now >= 0 ? now : std::min(row, BrowseModel->rowCount() - 1));
}

bool TAddressBrowseForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Grid && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        TagClick();
        return true;
    }
    // Each press on a Tagged cell (the second of a double click arrives as a double click)
    // toggles once; the press is taken so the grid does not also start a selection drag.
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == Grid->viewport() && press && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QModelIndex index = Grid->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (index.isValid() && index.column() == BrowseModel->TaggedColumnIndex()) {
            Grid->setCurrentIndex(index);
            TagClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAddressBrowseForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (PlacementLoaded)
        return;
    PlacementLoaded = true;
    const TIniFile settings(TProgramFolder::SettingsFile());
    const QString section = TWindowPlacement::SectionName(PlacementName);
    // Until a placement is saved the window opens over the main window, as dialogs do.
    if (settings.ReadInteger(section, QStringLiteral("Bottom"), 0) == 0
        && !settings.ReadBool(section, QStringLiteral("Maximized"), false))
        TWindowPlacement::Centre(this, parentWidget());
    else
        TWindowPlacement::Load(this, PlacementName);
}

void TAddressBrowseForm::done(int result)
{
    try {
        if (const uint32_t recno = BrowseModel->RecordAt(SelectedRow()); recno != 0)
            Table.Table().go(recno);
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromStdString(error.what())); // the window still closes
    }
    if (isVisible())
        TWindowPlacement::Save(this, PlacementName);
    QDialog::done(result);
}
