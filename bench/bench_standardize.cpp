// Address standardization: the whole pass (all four fields) over the million-record benchmark
// table (MillionAddressTable.h, whose streets, states and ZIPs are mostly standard already), the
// rules alone on a million generated values of every kind, the write with its undo file of a
// table whose every record changes, and the preview's first 1,000 changes.
#include "MillionAddressTable.h"
#include "data/TAddressStandardizer.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TProgramFolder.h"
#include "tools/TChangePreviewModel.h"
#include "tools/TFieldRewrite.h"
#include "tools/TStandardizeRule.h"
#include "tools/TUndoFile.h"

#include <QCoreApplication>
#include <QDir>
#include <benchmark/benchmark.h>

namespace {

using namespace million_table;

const QString kHome = QStringLiteral("/tmp/quorvane_bench_standardize/");

std::shared_ptr<const TAddressStandardizer> Tables()
{
    QDir().mkpath(kHome);
    TProgramFolder::SetPath(kHome);
    TProgramFolder::Prepare(); // the delivered suffix, unit and state tables
    QString error;
    auto tables = TAddressStandardizer::LoadProgramTables(&error);
    if (!tables)
        throw std::runtime_error(error.toStdString());
    return tables;
}

const char* const kStreets[] = {"123 North Main Street Apartment 4", "12 Main St, Suite 300", "P.O. Box 123", "200 West Boulevard",
                                "77 Park Avenue South", "1 Avenue of the Americas", "9 Glen Park Road", "55 Elm Av.",
                                "400 Southwest Harbor Boulevard", "12 Main Street 2nd Floor", "742 Evergreen Terrace", "12 Broadway"};
const char* const kStates[] = {"new york", "NY", "Ontario", "Calif", "N.Y.", "District of Columbia", "tx", "Quebec"};
const char* const kZips[] = {"123456789", "12345", "12345 6789", "k1a0b1", "12345-6789", "1234"};

void BM_StandardizeRulesMillion(benchmark::State& state)
{
    const auto tables = Tables();
    size_t changed = 0;
    for (auto _ : state) {
        changed = 0;
        for (uint32_t i = 0; i < kRecords; ++i) {
            const std::string_view street = kStreets[i % 12];
            changed += tables->Street(street) != street;
            changed += tables->State(kStates[i % 8]) != kStates[i % 8];
            changed += TAddressStandardizer::Zip(kZips[i % 6]) != kZips[i % 6];
            changed += tables->Street(std::string_view("Suite 200")) != "Suite 200"; // STREET2
        }
    }
    state.counters["values_changed"] = static_cast<double>(changed);
}
BENCHMARK(BM_StandardizeRulesMillion)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_StandardizeMillionTable(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    const auto tables = Tables();
    MakeSource();
    const QStringList fields = TStandardizeRule::DefaultFields();
    TRewriteCounts counts;
    uint32_t written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CopySource();
        auto table = TAddressTable::Open(kWork);
        table->SetFilterText(QString());
        state.ResumeTiming();
        std::vector<TValueChange> changes;
        counts = TFieldRewrite::Find(*table, TCaseRecords::crMatchingFilter, fields, TStandardizeRule::Rule(tables, fields, false),
                                     [&](TValueChange&& change) {
                                         changes.push_back(std::move(change));
                                         return true;
                                     });
        TUndoFile undo(QStringLiteral("standardize"), QStringLiteral("WORK.DBF"));
        written = TFieldRewrite::Write(*table, fields, changes, nullptr, &undo);
        undo.Save(kHome + "STANDARD.UND", nullptr);
        table->Close();
    }
    state.counters["records"] = counts.Visited;
    state.counters["values_changed"] = written;
}
BENCHMARK(BM_StandardizeMillionTable)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// A table of `count` records whose streets, states and ZIPs all need a change.
std::unique_ptr<TAddressTable> MakeUnstandardTable(const QString& path, uint32_t count)
{
    for (const char* extension : {".DBF", ".FPT", ".CDX"})
        QFile::remove(path.left(path.size() - 4) + extension);
    if (!TAddressFiles::CreateAddressFile(path, TFieldLengths()))
        throw std::runtime_error("cannot create the table");
    auto table = TAddressTable::Open(path);
    table->Area().deleteIndex();
    xbase::DbfTable& t = table->Table();
    for (uint32_t i = 0; i < count; ++i) {
        t.appendBlank();
        t.setText(t.fieldIndex("LNAME"), "Name" + std::to_string(i));
        t.setText(t.fieldIndex("STREET"), kStreets[i % 5]);
        t.setText(t.fieldIndex("STREET2"), "Suite 200");
        t.setText(t.fieldIndex("STATE"), "new york");
        t.setText(t.fieldIndex("ZIP"), "123456789");
    }
    t.commit();
    TAddressFiles::BuildAddressTags(table->Area());
    table->SetFilterText(QString());
    return table;
}

void BM_StandardizeWriteEveryRecord(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    const auto tables = Tables();
    const QStringList fields = TStandardizeRule::DefaultFields();
    const uint32_t count = static_cast<uint32_t>(state.range(0));
    uint32_t written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto table = MakeUnstandardTable(kHome + "UNSTD.DBF", count);
        state.ResumeTiming();
        std::vector<TValueChange> changes;
        TFieldRewrite::Find(*table, TCaseRecords::crMatchingFilter, fields, TStandardizeRule::Rule(tables, fields, false),
                            [&](TValueChange&& change) {
                                changes.push_back(std::move(change));
                                return true;
                            });
        TUndoFile undo(QStringLiteral("standardize"), QStringLiteral("UNSTD.DBF"));
        written = TFieldRewrite::Write(*table, fields, changes, nullptr, &undo);
        undo.Save(kHome + "STANDARD.UND", nullptr);
        table->Close();
    }
    state.counters["values_written"] = written;
}
BENCHMARK(BM_StandardizeWriteEveryRecord)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_PreviewFirstThousand(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    const auto tables = Tables();
    const QStringList fields = TStandardizeRule::DefaultFields();
    auto table = MakeUnstandardTable(kHome + "PREVIEW.DBF", 20000);
    for (auto _ : state) {
        TChangePreviewModel model;
        model.Reset(fields, &TStandardizeRule::CaptionOf);
        std::vector<TValueChange> batch;
        TFieldRewrite::Find(*table, TCaseRecords::crMatchingFilter, fields, TStandardizeRule::Rule(tables, fields, false),
                            [&](TValueChange&& change) {
                                batch.push_back(std::move(change));
                                return batch.size() < 1000;
                            });
        model.Append(std::move(batch));
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_PreviewFirstThousand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
