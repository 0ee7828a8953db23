#include "TMatchFieldsForm.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TMatchFieldsForm::TMatchFieldsForm(QWidget* parent, const QString& title, const TImportMatch& match, const QString& fileName)
    : QDialog(parent), Edited(match)
{
    setWindowTitle(title);
    FieldMatchGrid = new QTableWidget(static_cast<int>(Edited.Targets().size()), 2);
    FieldMatchGrid->setObjectName(QStringLiteral("FieldMatchGrid"));
    FieldMatchGrid->setAccessibleName(QStringLiteral("Field Match"));
    FieldMatchGrid->setHorizontalHeaderLabels(
        {QStringLiteral("Quorvane Field"), QStringLiteral("Import from Field (in ") + fileName + u')'});
    FieldMatchGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    FieldMatchGrid->verticalHeader()->hide();
    FieldMatchGrid->verticalHeader()->setDefaultSectionSize(FieldMatchGrid->fontMetrics().height() + 8);
    FieldMatchGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    FieldMatchGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    FieldMatchGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FieldMatchGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    FieldMatchGrid->setMinimumHeight(260);
    ShowRows();
    FieldMatchGrid->setCurrentCell(0, 1);

    SelectFieldButton = new QPushButton(QStringLiteral("&Select Field"));
    ClearCurrentButton = new QPushButton(QStringLiteral("&Clear Current"));
    ClearAllButton = new QPushButton(QStringLiteral("Clear &All"));
    OkButton = new QPushButton(QStringLiteral("Ok"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    connect(SelectFieldButton, &QPushButton::clicked, this, &TMatchFieldsForm::SelectFieldClick);
    connect(ClearCurrentButton, &QPushButton::clicked, this, &TMatchFieldsForm::ClearCurrentClick);
    connect(ClearAllButton, &QPushButton::clicked, this, &TMatchFieldsForm::ClearAllClick);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(FieldMatchGrid, &QTableWidget::cellDoubleClicked, this, [this] { SelectFieldClick(); });
    connect(FieldMatchGrid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        FieldMenu()->popup(FieldMatchGrid->viewport()->mapToGlobal(at));
    });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {SelectFieldButton, ClearCurrentButton, ClearAllButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);

    Source = new QVBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(Source, 1);
    layout->addWidget(FieldMatchGrid, 1);
    layout->addLayout(buttons);
    resize(720, 620);
}

void TMatchFieldsForm::ShowRows()
{
    for (size_t row = 0; row < Edited.Targets().size(); ++row) {
        const int r = static_cast<int>(row);
        const int source = Edited.SourceOfRow(r);
        FieldMatchGrid->setItem(r, 0, new QTableWidgetItem(Edited.Targets()[row].Caption));
        FieldMatchGrid->setItem(r, 1, new QTableWidgetItem(source < 0 ? QString() : Edited.Sources()[static_cast<size_t>(source)].Name));
    }
}

QMenu* TMatchFieldsForm::FieldMenu()
{
    delete Menu;
    Menu = new QMenu(this);
    const int row = std::max(0, FieldMatchGrid->currentRow());
    const int current = Edited.SourceOfRow(row);
    auto add = [this, current](const QString& text, int source) {
        QAction* action = Menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(source == current);
        connect(action, &QAction::triggered, this, [this, source] { ChooseSource(source); });
    };
    add(QStringLiteral("(none)"), -1);
    for (size_t source = 0; source < Edited.Sources().size(); ++source)
        if (Edited.Fits(row, static_cast<int>(source)))
            add(Edited.Sources()[source].Name, static_cast<int>(source));
    return Menu;
}

void TMatchFieldsForm::SelectFieldClick()
{
    const int row = std::max(0, FieldMatchGrid->currentRow());
    const QRect cell = FieldMatchGrid->visualItemRect(FieldMatchGrid->item(row, 1));
    FieldMenu()->popup(FieldMatchGrid->viewport()->mapToGlobal(cell.bottomLeft()));
}

void TMatchFieldsForm::ChooseSource(int source)
{
    const int row = std::max(0, FieldMatchGrid->currentRow());
    Edited.Assign(row, source);
    ShowRows();
}

void TMatchFieldsForm::ClearCurrentClick() { ChooseSource(-1); }

void TMatchFieldsForm::ClearAllClick()
{
    Edited.ClearAll();
    ShowRows();
}
