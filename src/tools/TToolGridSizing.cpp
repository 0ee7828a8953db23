#include "TToolGridSizing.h"

#include "TToolGridModel.h"

#include "settings/TWindowPlacement.h"

#include <QDialog>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

void TToolGridSizing::FitColumns(QTableView& grid)
{
    grid.resizeColumnsToContents();
    QHeaderView* header = grid.horizontalHeader();
    for (int column = 0; column < header->count(); ++column)
        if (header->sectionSize(column) > WidestColumn)
            header->resizeSection(column, WidestColumn);
}

void TToolGridSizing::BringForward(QTableView& grid, const TToolGridModel& model, const QStringList& fields)
{
    QHeaderView* header = grid.horizontalHeader();
    int place = 1;
    for (const QString& field : fields) {
        const int column = model.ColumnOf(field);
        if (column < 0)
            continue;
        header->moveSection(header->visualIndex(column), place++);
    }
}

void TToolGridSizing::WidenFor(QDialog& window, const QTableView& grid, int minimumHeight)
{
    const QHeaderView* header = grid.horizontalHeader();
    const int columns = header->length() + grid.verticalHeader()->width() + grid.verticalScrollBar()->sizeHint().width() +
                        2 * grid.frameWidth();
    const int around = window.width() - grid.viewport()->width() - grid.verticalHeader()->width();
    const QRect area = TWindowPlacement::AvailableArea(&window);
    const QMargins frame = TWindowPlacement::FrameMargins(&window);
    const int widest = area.width() - frame.left() - frame.right();
    const int width = std::min(widest, std::max(window.width(), columns + std::max(0, around)));
    const int tallest = area.height() - frame.top() - frame.bottom();
    window.resize(width, std::min(tallest, std::max(window.height(), minimumHeight)));
    TWindowPlacement::FitOnScreen(&window);
}
