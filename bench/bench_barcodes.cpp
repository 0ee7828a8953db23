// Encoding speed of the postal barcodes: a mailing of a million pieces computes a million of
// them, so each must cost about a microsecond (Intelligent Mail) or a fifth of one (POSTNET).
// Each iteration encodes 1,000,000 codes, bars included, from a thousand different inputs.
#include "layout/TIMbEncoder.h"
#include "layout/TPostNetEncoder.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int Codes = 1000000;

std::string Digits(unsigned long long value, int width)
{
    std::string text = std::to_string(value);
    return std::string(std::size_t(width) - text.size(), '0') + text;
}

void BM_IMbEncodeMillion(benchmark::State& state)
{
    std::vector<std::string> trackings, routings;
    for (unsigned i = 0; i < 1000; ++i) {
        trackings.push_back("00700123456" + Digits(i * 7919ULL, 9));
        routings.push_back(Digits(i * 104729ULL % 100000000000ULL, 11));
    }
    for (auto _ : state)
        for (int i = 0; i < Codes; ++i) {
            const TBarList bars = TIMbEncoder::Encode(trackings[std::size_t(i % 1000)], routings[std::size_t(i % 1000)]);
            benchmark::DoNotOptimize(bars.Bars.data());
        }
}
BENCHMARK(BM_IMbEncodeMillion)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PostNetEncodeMillion(benchmark::State& state)
{
    std::vector<std::string> zips, streets;
    for (unsigned i = 0; i < 1000; ++i) {
        zips.push_back(Digits(i * 7919ULL % 100000, 5) + "-" + Digits(i * 31ULL % 10000, 4));
        streets.push_back(std::to_string(i) + " MAIN ST APT " + std::to_string(i % 50));
    }
    for (auto _ : state)
        for (int i = 0; i < Codes; ++i) {
            const TBarList bars = TPostNetEncoder::Encode(zips[std::size_t(i % 1000)], streets[std::size_t(i % 1000)],
                                                          TRoutingDigits::rd11Digit);
            benchmark::DoNotOptimize(bars.Bars.data());
        }
}
BENCHMARK(BM_PostNetEncodeMillion)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
