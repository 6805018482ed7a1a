// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// Benchmarks: one calculation of the start-up loop, a 10,000-point JSON sweep, a
// 10,000-row tuning-range sheet computed and written as JSON, in the engine and as
// ringfeld-calc streams it, and the safety distances of one frequency and of that
// sheet. The whole process's figures: bench/calc_process.py.
#include <benchmark/benchmark.h>

#include "cli/calc_run.h"
#include "cli/tuning_output.h"
#include "core/exposure.h"
#include "core/tuning_sheet.h"
#include "export/tuning_export.h"
#include "finder/finder_inputs.h"
#include "presentation/loop_rechnen.h"
#include "text/interface_titles.h"

namespace {

// Output that only counts, as /dev/null would take it.
class Discard final : public ringfeld::cli::Output {
public:
    void write(std::string_view bytes) override { size += bytes.size(); }
    std::size_t size = 0;
};

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
    const ringfeld::LoopZahlen in =
        ringfeld::LoopLesen({"2,25", "7,069", "12", "1", "14,4", "100", "0,05", "12", "10000", "Kreis", "Cu"});
    ringfeld::DesignRecord rec;
    for (auto _ : state) {
        auto out = ringfeld::LoopModell(in, rec);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(LoopModellOnly);

// 1.8 to 11.799 MHz in 1 kHz steps: 10,000 rows, parsed, calculated and written as JSON.
void SweepJson10000(benchmark::State& state) {
    const QStringList args{"--format", "json",       "--sweep", "1.8:11.799:0.001", "--turns",
                           "2",        "--diameter", "1",       "--length",         "40"};
    for (auto _ : state) {
        Discard out, err;
        const int status = ringfeld::cli::RunCalc(args, "deutsch", ",", out, err);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(out.size);
    }
}
BENCHMARK(SweepJson10000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The tuning-range sheet over 1.8 to 11.799 MHz in 1 kHz steps: 10,000 rows with every
// option set, then the same sheet written as JSON.
ringfeld::tuning::SheetOptions TuningOptions() {
    ringfeld::tuning::SheetOptions o;
    o.fromMHz = 1.8, o.toMHz = 11.799, o.stepMHz = 0.001;
    o.capacitorQ = 1000, o.groundRatio = 0.5, o.strayPf = 10;
    o.capMinPf = 10, o.capMaxPf = 500, o.capVPeakV = 5000;
    o.measured = ringfeld::tuning::Messung{7.1, 5, 2};
    return o;
}
const ringfeld::LoopEingaben kTwoTurns{"1", "3,1416", "10", "2", "", "100", "0,05", "40", "10000", "Kreis", "Cu"};

void TuningSheet10000(benchmark::State& state) {
    const auto options = TuningOptions();
    for (auto _ : state) {
        auto sheet = ringfeld::tuning::BerechneAbstimmbereich(ringfeld::LoopLesen(kTwoTurns), options);
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(TuningSheet10000)->Unit(benchmark::kMillisecond);

void TuningSheetJson10000(benchmark::State& state) {
    const auto sheet = ringfeld::tuning::BerechneAbstimmbereich(ringfeld::LoopLesen(kTwoTurns), TuningOptions());
    for (auto _ : state) {
        auto json = ringfeld::tuning::SheetJson({kTwoTurns, sheet, ringfeld::Language::English});
        benchmark::DoNotOptimize(json);
    }
}
BENCHMARK(TuningSheetJson10000)->Unit(benchmark::kMillisecond);

// The same sheet as ringfeld-calc computes and writes it, block by block on every core.
void TuningSheetStreamedJson10000(benchmark::State& state) {
    const auto options = TuningOptions();
    for (auto _ : state) {
        Discard out;
        const int status = ringfeld::cli::WriteTuning(kTwoTurns, options, ringfeld::cli::OutputFormat::Json,
                                                      ringfeld::Language::English, ".", out);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(out.size);
    }
}
BENCHMARK(TuningSheetStreamedJson10000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Safety distances: one frequency in the engine (every standard and population, three
// fields each), then the 10,000 rows of the sheet above, and the same sheet as
// ringfeld-calc --exposure computes and writes it as JSON.
void ExposureOneFrequency(benchmark::State& state) {
    const ringfeld::LoopZahlen loop = ringfeld::LoopLesen(kTwoTurns);
    const auto row = ringfeld::tuning::BerechneZeile(loop, 7.1, TuningOptions());
    for (auto _ : state) {
        auto exposure = ringfeld::exposure::Evaluate(loop, row, {}, std::nullopt);
        benchmark::DoNotOptimize(exposure);
    }
}
BENCHMARK(ExposureOneFrequency)->Unit(benchmark::kMicrosecond);

void ExposureSheet10000(benchmark::State& state) {
    const ringfeld::LoopZahlen loop = ringfeld::LoopLesen(kTwoTurns);
    const auto sheet = ringfeld::tuning::BerechneAbstimmbereich(loop, TuningOptions());
    const auto ratio = ringfeld::exposure::MeasuredRatio(*sheet.measured);
    const ringfeld::exposure::Settings settings{0.4, 1, ringfeld::exposure::CurrentSource::Measured};
    for (auto _ : state) {
        std::vector<ringfeld::exposure::Row> rows;
        rows.reserve(sheet.rows.size());
        for (const auto& row : sheet.rows) rows.push_back(ringfeld::exposure::Evaluate(loop, row, settings, ratio));
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(ExposureSheet10000)->Unit(benchmark::kMillisecond);

void ExposureStreamedJson10000(benchmark::State& state) {
    const QStringList args{"--exposure", "--format", "json",     "--tuning", "1.8:11.799:0.001", "--turns", "2",
                           "--diameter", "1",        "--length", "40",       "--distance",       "2"};
    for (auto _ : state) {
        Discard out, err;
        const int status = ringfeld::cli::RunCalc(args, "deutsch", ",", out, err);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(out.size);
    }
}
BENCHMARK(ExposureStreamedJson10000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The loop finder: the default search (16,308 candidates), the largest of the issue
// (7-7.2 MHz, sizes 0.5-2 m in mm, six materials, one to six turns: 972,648), and a
// search where nothing qualifies (the default at 5 kV), which is scanned exhaustively
// for the reasons and proposals; the largest also by the exhaustive scan, for comparison.
ringfeld::finder::FinderOptionen finderOptionen(
    std::initializer_list<std::pair<ringfeld::finder::Feld, const char*>> felder) {
    ringfeld::finder::FeldTexte t = ringfeld::finder::FinderVorgaben();
    for (const auto& [f, text] : felder) t[ringfeld::finder::at(f)] = text;
    return *ringfeld::finder::LiesFinder(t, ringfeld::Language::English).options;
}
const std::initializer_list<std::pair<ringfeld::finder::Feld, const char*>> kGroessteSuche{
    {ringfeld::finder::Feld::To, "7.2"},
    {ringfeld::finder::Feld::SizeStep, "0.001"},
    {ringfeld::finder::Feld::Materials, "Cu, Al, Fe, Ag, Zn, brass"},
    {ringfeld::finder::Feld::Turns, "1, 2, 3, 4, 5, 6"}};

void FinderDefault(benchmark::State& state) {
    const ringfeld::finder::FinderOptionen o = finderOptionen({});
    for (auto _ : state) benchmark::DoNotOptimize(ringfeld::finder::Suchen(o).qualified);
}
BENCHMARK(FinderDefault)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void FinderNothingQualifies(benchmark::State& state) {
    const ringfeld::finder::FinderOptionen o = finderOptionen({{ringfeld::finder::Feld::CapVPeak, "5000"}});
    for (auto _ : state) benchmark::DoNotOptimize(ringfeld::finder::Suchen(o).vorschlaege.size());
}
BENCHMARK(FinderNothingQualifies)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void FinderLargest(benchmark::State& state) {
    const ringfeld::finder::FinderOptionen o = finderOptionen(kGroessteSuche);
    for (auto _ : state) benchmark::DoNotOptimize(ringfeld::finder::Suchen(o).qualified);
}
BENCHMARK(FinderLargest)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void FinderLargestExhaustive(benchmark::State& state) {
    const ringfeld::finder::FinderOptionen o = finderOptionen(kGroessteSuche);
    for (auto _ : state) benchmark::DoNotOptimize(ringfeld::finder::SuchenVollstaendig(o).qualified);
}
BENCHMARK(FinderLargestExhaustive)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
