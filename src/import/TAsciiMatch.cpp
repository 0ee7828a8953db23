#include "TAsciiMatch.h"

#include "TTextImportFile.h"

#include "settings/TWindowPlacement.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QTableWidget>

TAsciiMatch::TAsciiMatch(QWidget* parent, const TTextImportFile& file, const TImportMatch& match)
    : TMatchFieldsForm(parent, QStringLiteral("ASCII File Import Match Fields"), match, QFileInfo(file.Path()).fileName())
{
    const std::vector<QStringList> rows = file.DataRows();
    const QStringList& columns = file.Columns();
    SampleGrid = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()));
    SampleGrid->setHorizontalHeaderLabels(columns);
    SampleGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SampleGrid->verticalHeader()->setDefaultSectionSize(SampleGrid->fontMetrics().height() + 8);
    for (size_t row = 0; row < rows.size(); ++row)
        for (qsizetype column = 0; column < rows[row].size() && column < columns.size(); ++column)
            SampleGrid->setItem(static_cast<int>(row), static_cast<int>(column), new QTableWidgetItem(rows[row][column]));
    const QFontMetrics metrics(SampleGrid->font());
    const int least = metrics.horizontalAdvance(QStringLiteral("Field 12")) + 12;
    const int most = 2 * logicalDpiX();
    const std::vector<int> widths = file.SampleWidths();
    for (size_t column = 0; column < widths.size(); ++column)
        SampleGrid->setColumnWidth(static_cast<int>(column),
                                   std::clamp(metrics.horizontalAdvance(QString(widths[column], u'W')), least, std::max(least, most)));

    auto* group = new QGroupBox(QStringLiteral("Sample ASCII Fields"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(SampleGrid);
    SourceArea()->addWidget(group);
}

TAsciiMatch::~TAsciiMatch()
{
    if (Placed)
        TWindowPlacement::Save(this, QStringLiteral("TAsciiMatch"));
}

void TAsciiMatch::showEvent(QShowEvent* event)
{
    if (!Placed) {
        TWindowPlacement::Load(this, QStringLiteral("TAsciiMatch"));
        Placed = true;
    }
    TMatchFieldsForm::showEvent(event);
}
