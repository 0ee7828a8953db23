// The browse grid's model on the million-record address table that bench_address_table makes
// under /tmp/quorvane_bench_address (run it first; this program skips without it), in LNAME
// order with the plain record set (!ISDEL): opening (count and checkpoints) and the data() calls
// a view makes to paint one page of 40 rows, at random rows, far apart, and scrolling on; and the
// window itself painting its grid after a jump of the scroll bar. Also a memo search that reads
// the whole set.
#include "app/TAddressBrowseForm.h"
#include "app/TAddressBrowseModel.h"
#include "app/TBrowseFieldList.h"
#include "app/TMemoSearch.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <random>

namespace {

const QString kSource = QStringLiteral("/tmp/quorvane_bench_address/SOURCE.DBF");
constexpr int kPageRows = 40;
// What a styled delegate asks of every cell it paints.
constexpr int kRolesPerCell[] = {Qt::DisplayRole,    Qt::DecorationRole, Qt::FontRole,      Qt::TextAlignmentRole,
                                 Qt::ForegroundRole, Qt::BackgroundRole, Qt::CheckStateRole};

std::unique_ptr<TAddressTable> OpenSource(benchmark::State& state)
{
    if (!QFile::exists(kSource)) {
        state.SkipWithError("run bench_address_table first to make the table");
        return nullptr;
    }
    QString error;
    auto table = TAddressTable::Open(kSource, &error);
    if (!table) {
        const std::string why = ("cannot open the table: " + error).toStdString();
        state.SkipWithError(why.c_str());
        return nullptr;
    }
    table->SetOrderTag(QStringLiteral("LNAME"));
    table->SetFilterText(QString());
    return table;
}

void PaintPage(const TAddressBrowseModel& model, int firstRow)
{
    for (int row = firstRow; row < firstRow + kPageRows && row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            for (int role : kRolesPerCell)
                benchmark::DoNotOptimize(model.data(model.index(row, column), role));
}

// The table is opened afresh each time (not timed), so the index pages are read and decoded
// anew, as when the user opens the grid for the first time.
void BM_BrowseOpen(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto table = OpenSource(state);
        if (!table)
            return;
        state.ResumeTiming();
        TAddressBrowseModel model(*table, TBrowseFieldList::Shown(TBrowseFieldList::ViewOrder()));
        model.Reload(0);
        rows = model.rowCount();
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_BrowseOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

enum class TJump { jRandom, jFar, jScroll };

void BM_BrowsePage(benchmark::State& state, TJump jump)
{
    TScriptedUserPrompts prompts;
    auto table = OpenSource(state);
    if (!table)
        return;
    TAddressBrowseModel model(*table, TBrowseFieldList::Shown(TBrowseFieldList::ViewOrder()));
    model.Reload(0);
    const int lastPage = model.rowCount() - kPageRows;
    std::mt19937 random(42);
    int row = static_cast<int>(random() % static_cast<unsigned>(lastPage));
    bool nearEnd = false;
    for (auto _ : state) {
        switch (jump) {
        case TJump::jRandom:
            row = static_cast<int>(random() % static_cast<unsigned>(lastPage));
            break;
        case TJump::jFar: // the top or the bottom percent of the set, in turn
            nearEnd = !nearEnd;
            row = static_cast<int>(random() % static_cast<unsigned>(lastPage / 100));
            if (nearEnd)
                row = lastPage - row;
            break;
        case TJump::jScroll:
            row = row + kPageRows <= lastPage ? row + kPageRows : 0;
            break;
        }
        PaintPage(model, row);
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK_CAPTURE(BM_BrowsePage, random_row, TJump::jRandom)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_BrowsePage, far_ends, TJump::jFar)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_BrowsePage, scroll_on, TJump::jScroll)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window itself, offscreen: the scroll bar dragged to a random place and the grid painted.
void BM_BrowseWindowJump(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    auto table = OpenSource(state);
    if (!table)
        return;
    TAddressBrowseForm form(*table, TBrowseFieldList::ViewOrder());
    form.show();
    QScrollBar* scroll = form.Grid->verticalScrollBar();
    std::mt19937 random(7);
    for (auto _ : state) {
        scroll->setValue(static_cast<int>(random() % static_cast<unsigned>(scroll->maximum() + 1)));
        benchmark::DoNotOptimize(form.Grid->viewport()->grab());
    }
    state.counters["rows"] = form.Model().rowCount();
}
BENCHMARK(BM_BrowseWindowJump)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Search Memo" for a text no memo holds: every record of the set read, memo and all.
void BM_MemoSearchWholeSet(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    auto table = OpenSource(state);
    if (!table)
        return;
    for (auto _ : state) {
        table->Table().goTop();
        benchmark::DoNotOptimize(TMemoSearch::Scan(*table, QStringLiteral("no memo holds this")));
    }
    state.counters["rows"] = table->Count();
}
BENCHMARK(BM_MemoSearchWholeSet)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
