#include "TDbfMatch.h"

#include "data/TTableText.h"
#include "import/TDbfImportSource.h"
#include "xbase/DbfTable.h"
#include "xbase/XbaseError.h"

#include <QAbstractTableModel>
#include <QBoxLayout>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QTableView>

namespace {

// The source table's records, each read when its row is drawn.
class TSourceRecords final : public QAbstractTableModel {
public:
    TSourceRecords(xbase::DbfTable& table, QObject* parent) : QAbstractTableModel(parent), Table(table), Text(table.codePage())
    {
        for (int i = 0; i < table.fieldCount(); ++i)
            if (table.field(i).type != '0') // the hidden null-flags field of the wider dialect
                Fields.push_back(i);
    }
    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(std::min<uint32_t>(Table.recordCount(), 1u << 30));
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : static_cast<int>(Fields.size()); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        try {
            Table.go(static_cast<uint32_t>(index.row()) + 1);
            return TDbfImportSource::FieldText(Table, Fields[static_cast<size_t>(index.column())], Text).left(200);
        } catch (const xbase::XbaseError&) {
            return QStringLiteral("?");
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Vertical)
            return section + 1;
        return QString::fromLatin1(Table.field(Fields[static_cast<size_t>(section)]).name.c_str());
    }

private:
    xbase::DbfTable& Table;
    TTableText Text;
    std::vector<int> Fields;
};

} // namespace

TDbfMatch::TDbfMatch(QWidget* parent, xbase::DbfTable& source, const TImportMatch& match)
    : TMatchFieldsForm(parent, QStringLiteral("DBF File Import Match Fields"), match,
                       QFileInfo(QString::fromStdString(source.path())).fileName())
{
    BrowserGrid = new QTableView;
    BrowserGrid->setModel(new TSourceRecords(source, BrowserGrid));
    BrowserGrid->verticalHeader()->setDefaultSectionSize(BrowserGrid->fontMetrics().height() + 6);
    BrowserGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* group = new QGroupBox(QStringLiteral("Import DBF File Browser"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(BrowserGrid);
    SourceArea()->addWidget(group);
}
