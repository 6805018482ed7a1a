// Benchmarks: one calculation of the start-up loop, and a 10,000-point JSON sweep.
#include <benchmark/benchmark.h>

#include "cli/calc_run.h"
#include "engine/interface_titles.h"
#include "engine/loop_rechnen.h"

namespace {

void LoopRechnenStartValues(benchmark::State& state) {
    const ringfeld::LoopEingaben in{"2,25", "7,069", "12", "1", "14,4", "100", "0,05", "12", "10000", "Kreis", "Cu"};
    ringfeld::DesignRecord rec;
    rec.Sprache = "deutsch";
    ringfeld::TitelSetzen(rec);
    for (auto _ : state) {
        auto out = ringfeld::LoopRechnen(in, rec, ",");
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(LoopRechnenStartValues);

void LoopModellOnly(benchmark::State& state) {
    const ringfeld::LoopEingaben in{"2,25", "7,069", "12", "1", "14,4", "100", "0,05", "12", "10000", "Kreis", "Cu"};
    ringfeld::DesignRecord rec;
    for (auto _ : state) {
        auto out = ringfeld::LoopModell(in, rec);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(LoopModellOnly);

// 1.8 to 11.799 MHz in 1 kHz steps: 10,000 rows, parsed, calculated and written as JSON.
void SweepJson10000(benchmark::State& state) {
    const QStringList args{"--format", "json", "--sweep", "1.8:11.799:0.001", "--turns", "2",
                           "--diameter", "1", "--length", "40"};
    for (auto _ : state) {
        QByteArray out, err;
        const int status = ringfeld::cli::RunCalc(args, "deutsch", ",", out, err);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(SweepJson10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
