// Spelling: checking 100,000 words of the system word list (every tenth one misspelt) against
// the delivered main dictionary plus a user dictionary, and the suggestions for misspelt words.
#include "spelling/TViredSpell.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString MainDictionary = QStringLiteral(QUORVANE_BUILD_DIR "/share/quorvane/quorva.dct");

QStringList HundredThousandWords()
{
    QFile list(QStringLiteral("/usr/share/dict/american-english"));
    QStringList source;
    if (list.open(QIODevice::ReadOnly))
        source = QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList words;
    for (int i = 0; !source.isEmpty() && words.size() < 100000; ++i)
        words << (i % 10 == 9 ? source[i % source.size()] + QStringLiteral("q") : source[(i * 7) % source.size()]);
    return words;
}

bool Open(TViredSpell& spell, QTemporaryDir& folder)
{
    return spell.OpenMain(MainDictionary)
        && spell.CreateUser(folder.filePath(QStringLiteral("user.dct")), {QStringLiteral("Quorvane")}) == 0;
}

void BM_CheckHundredThousandWords(benchmark::State& state)
{
    QTemporaryDir folder;
    TViredSpell spell;
    const QStringList words = HundredThousandWords();
    if (words.isEmpty() || !Open(spell, folder)) {
        state.SkipWithError("the word list or the main dictionary is missing");
        return;
    }
    for (auto _ : state) {
        int known = 0;
        for (const QString& word : words)
            known += spell.Check(word) ? 1 : 0;
        benchmark::DoNotOptimize(known);
    }
    state.counters["words"] = static_cast<double>(words.size());
}
BENCHMARK(BM_CheckHundredThousandWords)->Unit(benchmark::kMillisecond);

void BM_SuggestionsForMisspeltWord(benchmark::State& state)
{
    QTemporaryDir folder;
    TViredSpell spell;
    if (!Open(spell, folder)) {
        state.SkipWithError("the main dictionary is missing");
        return;
    }
    const QStringList misspelt = {QStringLiteral("recieve"), QStringLiteral("seperate"), QStringLiteral("definately"),
                                  QStringLiteral("acommodation"), QStringLiteral("teh")};
    size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(spell.Suggestions(misspelt[static_cast<qsizetype>(next++ % misspelt.size())]));
}
BENCHMARK(BM_SuggestionsForMisspeltWord)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
