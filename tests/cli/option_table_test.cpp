// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// ringfeld-calc's option table against the readers that use it: every option is in
// --help once, each reader takes an option with the runs it needs and refuses it
// without them or with a run it does not go with, a number's range holds in every
// reader, and the sheet's options come back from a design file as they went in.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>

#include "cli/calc_help.h"
#include "cli/calc_options.h"
#include "cli/option_table.h"
#include "design/design_file.h"

using namespace ringfeld;
using namespace ringfeld::cli;

namespace {

// A usable value of every option, as a user would type it. An option the table gains
// without a value here fails the first test.
const std::map<std::string_view, QStringList> kUsable{
    {"help", {}},
    {"version", {}},
    {"units", {"imperial"}},
    {"diameter", {"1"}},
    {"circumference", {"3"}},
    {"conductor", {"20"}},
    {"turns", {"2"}},
    {"length", {"60"}},
    {"frequency", {"7.1"}},
    {"power", {"50"}},
    {"series-loss", {"0,1"}},
    {"parallel-loss", {"500"}},
    {"ratio", {"5"}},
    {"sweep", {"7:7.2:0.1"}},
    {"shape", {"square"}},
    {"material", {"Al"}},
    {"lang", {"fr"}},
    {"format", {"csv"}},
    {"as-typed", {}},
    {"design", {"DESIGN"}},
    {"save-design", {"loop.ringfeld"}},
    {"tuning", {"6.9:7.3:0.1"}},
    {"cap-q", {"1500"}},
    {"ground-ratio", {"0.5"}},
    {"stray-c", {"7"}},
    {"cap-range", {"12:240"}},
    {"cap-vpeak", {"4000"}},
    {"cap-margin", {"2"}},
    {"measured", {"7.1:5:2.5"}},
    {"exposure", {}},
    {"standard", {"fcc"}},
    {"population", {"occupational"}},
    {"mode-factor", {"0.4"}},
    {"tx-share", {"50"}},
    {"share-6min", {"60"}},
    {"share-30min", {"20"}},
    {"distance", {"balcony=2"}},
    {"current-source", {"model"}},
    {"icnirp2010-with-1998", {}},
    {"find", {"7:7.3"}},
    {"sizes", {"0.8:1.2"}},
    {"shapes", {"circle"}},
    {"materials", {"Cu"}},
    {"conductors", {"10,12"}},
    {"spacing", {"3"}},
    {"max-wavelengths", {"0.3"}},
    {"top", {"5"}},
    {"vna", {RINGFELD_TEST_SWEEP}},
};

// What each run needs besides its option to be usable.
QStringList runArguments(unsigned run) {
    if (run == kTuningRun) return {"--tuning", "7:7.2:0.1"};
    if (run == kFindRun) return {"--find", "7:7.3", "--cap-range", "10:250"};
    if (run == kVnaRun) return {"--vna", RINGFELD_TEST_SWEEP};
    return {"--exposure"};
}

class OptionTable : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString designFile = dir.filePath("given.ringfeld");
    void SetUp() override {
        ASSERT_FALSE(design::EntwurfSchreiben(designFile.toStdString(), design::Startentwurf(), Language::English));
    }
    QStringList given(const CalcOption& o) const {
        QStringList args{"--" + QString::fromUtf8(o.name.data(), static_cast<qsizetype>(o.name.size()))};
        for (const QString& value : kUsable.at(o.name)) args << (value == "DESIGN" ? designFile : value);
        return args;
    }
    static ParseOutcome parse(const QStringList& args) { return ParseCalcArgs(args + QStringList{"--lang", "en"}, {}); }
};

}  // namespace

TEST_F(OptionTable, HelpListsEveryOptionOnceWithItsOwnLine) {
    for (Language lang : {Language::German, Language::French, Language::English}) {
        const QString help = CalcHelpText(lang);
        QStringList lines;
        for (const CalcOption& o : kCalcOptions) {
            ASSERT_TRUE(kUsable.contains(o.name)) << o.name;
            const QString name = QString::fromUtf8(o.name.data(), static_cast<qsizetype>(o.name.size()));
            const QRegularExpression entry("\n  (-h, )?--" + QRegularExpression::escape(name) + "[ \n]");
            EXPECT_EQ(help.count(entry), 1) << o.name;
            // A help line pasted into a second entry would tell two options apart by nothing.
            const QString line =
                QString::fromUtf8(o.help.in(lang).data(), static_cast<qsizetype>(o.help.in(lang).size()));
            EXPECT_FALSE(lines.contains(line)) << o.name;
            lines << line;
        }
    }
}

TEST_F(OptionTable, EachReaderTakesAnOptionWithItsRunsOnly) {
    for (const CalcOption& o : kCalcOptions) {
        if (o.name == "help" || o.name == "version") continue;
        QStringList alone = given(o);
        for (const auto& [run, runName] : kRunOptions)
            if (o.name == runName) alone = runArguments(run);
        const ParseOutcome parsed = parse(alone);
        if (o.needs == kNoRun)
            EXPECT_TRUE(parsed.options) << o.name << ": " << parsed.usageError.toStdString();
        else
            EXPECT_TRUE(!parsed.options && parsed.usageError.contains(given(o).first())) << o.name;
        for (const auto& [run, runName] : kRunOptions) {
            if (o.name == runName) continue;
            const ParseOutcome with = parse(runArguments(run) + given(o));
            const bool refused = !with.options && with.usageError.contains(given(o).first());
            if (o.refusedWith & run) {
                EXPECT_TRUE(refused) << o.name << " with " << runName;
            } else if (o.needs & run) {
                EXPECT_TRUE(with.options) << o.name << " with " << runName << ": " << with.usageError.toStdString();
            }
        }
    }
}

// 0 is refused exactly where the table says a number must be greater than 0, by the
// main window's reading, the sheet's own check and the finder's alike; -1 always.
TEST_F(OptionTable, ANumbersRangeHoldsInEveryReaderThatTakesIt) {
    int checked = 0;
    for (const CalcOption& o : kCalcOptions) {
        if (o.takes.range == Range::None) continue;
        QList<QStringList> readers;
        if (o.needs == kNoRun && !(o.refusedWith & kTuningRun)) readers << QStringList{};
        for (const auto& [run, runName] : kRunOptions)
            if ((o.needs & run) || (o.needs == kNoRun && o.finder.count > 0 && run == kFindRun))
                readers << runArguments(run);
        for (const QStringList& reader : readers) {
            const QString name = given(o).first();
            if (reader.contains("--find") && o.finder.rule) continue;  // the finder's own list
            const ParseOutcome zero = parse(reader + QStringList{name, "0"});
            EXPECT_EQ(zero.options.has_value(), o.takes.range == Range::NonNegative)
                << o.name << " " << reader.join(' ').toStdString();
            EXPECT_FALSE(parse(reader + QStringList{name, "-1"}).options)
                << o.name << " " << reader.join(' ').toStdString();
            ++checked;
        }
    }
    EXPECT_GE(checked, 20);
}

TEST_F(OptionTable, SheetOptionsComeBackFromADesignFile) {
    auto sheet = [](const tuning::SheetOptions& s) {
        return QStringList{QString::number(s.fromMHz),
                           QString::number(s.toMHz),
                           QString::number(s.stepMHz),
                           QString::number(s.capacitorQ.value_or(-1)),
                           QString::number(s.groundRatio),
                           QString::number(s.strayPf),
                           QString::number(s.capMinPf.value_or(-1)),
                           QString::number(s.capMaxPf.value_or(-1)),
                           QString::number(s.capVPeakV.value_or(-1)),
                           QString::number(s.measured ? s.measured->frequencyMHz : -1),
                           QString::number(s.measured ? s.measured->bandwidthKHz : -1),
                           QString::number(s.measured ? s.measured->vswr : -1)}
            .join(' ');
    };
    const QString saved = dir.filePath("saved.ringfeld");
    for (const CalcOption& o : kCalcOptions) {
        if (o.sheet.count == 0) continue;
        const QStringList options = QStringList{"--tuning", "6.9:7.3:0.1"} + given(o);
        const ParseOutcome typed = parse(options), save = parse(options + QStringList{"--save-design", saved});
        ASSERT_TRUE(typed.options && typed.options->tuning && save.options && save.options->entwurf) << o.name;
        ASSERT_FALSE(design::EntwurfSchreiben(saved.toStdString(), *save.options->entwurf, Language::English));
        const ParseOutcome read = parse({"--design", saved, "--tuning"});
        ASSERT_TRUE(read.options && read.options->tuning) << o.name << read.usageError.toStdString();
        EXPECT_EQ(sheet(*read.options->tuning), sheet(*typed.options->tuning)) << o.name;
    }
}

// A saved design's numbers carry the language's separator, the derived circumference
// too, whatever separator the locale gives the calculation: 1.5 m across, 4.712 m around.
TEST_F(OptionTable, SavedDesignWritesTheLanguagesSeparator) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"de", ".", "1,5", "4,712"}, {"fr", ".", "1,5", "4,712"}, {"en", ",", "1.5", "4.712"}};
    for (const auto& [lang, localeSeparator, diameter, circumference] : cases) {
        const ParseOutcome o =
            ParseCalcArgs({"--diameter", "1.5", "--ratio", "4,05", "--save-design", "x.ringfeld", "--lang", lang}, {},
                          localeSeparator);
        ASSERT_TRUE(o.options && o.options->entwurf) << lang;
        const LoopEingaben& f = o.options->entwurf->schleife.felder;
        EXPECT_EQ(f.Text1 + ' ' + f.Text2 + ' ' + o.options->entwurf->kopplung.verhaeltnis,
                  std::string(diameter) + ' ' + circumference + (lang == std::string("en") ? " 4.05" : " 4,05"));
    }
}

// --distance as M or NAME=M, and the shares per averaging time: --tx-share sets both,
// --share-6min and --share-30min each its own, over --tx-share wherever it stands.
TEST_F(OptionTable, SafetyPlacesAndSharesAreReadAsGiven) {
    struct Case {
        QStringList args;
        std::vector<std::pair<std::string, double>> places;  // none: a usage error
        double share6 = 1, share30 = 1;
    };
    const std::vector<Case> cases{
        {{"--distance", "5"}, {{"", 5}}},
        {{"--distance", " balcony = 4,5", "--distance", "0.01"}, {{"balcony", 4.5}, {"", 0.01}}},
        {{"--distance", "a=b=2"}, {{"a=b", 2}}},
        {{"--distance", "x=0.009"}, {}},
        {{"--distance", "x="}, {}},
        {{"--distance", "10001"}, {}},
        {{"--share-6min", "40"}, {{}}, 0.4, 1},
        {{"--share-30min", "40"}, {{}}, 1, 0.4},
        {{"--share-30min", "10", "--tx-share", "50"}, {{}}, 0.5, 0.1},
        {{"--share-6min", "101"}, {}},
        // In feet and inches as the window reads them: 16' 5" is 5.0038 m; 1/32 ft is under 1 cm.
        {{"--units", "imperial", "--distance", "balcony=16' 5\"", "--distance", "10"},
         {{"balcony", 5.0038}, {"", 3.048}}},
        {{"--units", "imperial", "--distance", "1/32"}, {}},
        {{"--units", "imperial", "--distance", "3m"}, {}},
    };
    for (const Case& c : cases) {
        const ParseOutcome out = parse(QStringList{"--exposure", "--frequency", "7.1"} + c.args);
        const QString given = c.args.join(' ');
        if (c.places.empty()) {
            EXPECT_FALSE(out.options) << given.toStdString();
            EXPECT_FALSE(out.usageError.isEmpty()) << given.toStdString();
            continue;
        }
        ASSERT_TRUE(out.options && out.options->exposure) << given.toStdString();
        const ringfeld::cli::ExposureOptions& e = *out.options->exposure;
        EXPECT_DOUBLE_EQ(e.settings.share6min, c.share6) << given.toStdString();
        EXPECT_DOUBLE_EQ(e.settings.share30min, c.share30) << given.toStdString();
        if (c.places.front().second == 0) continue;  // a share case: no place asked for
        ASSERT_EQ(e.places.size(), c.places.size()) << given.toStdString();
        for (std::size_t i = 0; i < c.places.size(); ++i) {
            EXPECT_EQ(e.places[i].name, c.places[i].first) << given.toStdString();
            EXPECT_DOUBLE_EQ(e.places[i].metres, c.places[i].second) << given.toStdString();
        }
    }
}

// The finder's sizes in feet and conductors in inches under --units imperial reach the
// search as the same metres and millimetres, and its inputs (JSON, CSV) as metric texts.
TEST_F(OptionTable, FinderLengthsInFeetAndInchesReachTheSearchInMetres) {
    const QStringList band{"--find", "7:7.3", "--cap-range", "10:250"};
    const struct {
        QStringList args;
        double sizeMinM, sizeMaxM, sizeStepM;
        std::vector<double> conductorsMm;  // empty: a usage error
    } cases[] = {
        {{"--units", "imperial", "--sizes", "2:6:1/4", "--conductors", "7/8, 1 1/8"},
         0.6096,
         1.8288,
         0.0762,
         {22.225, 28.575}},
        {{"--sizes", "0.6096:1.8288:0.0762", "--conductors", "22.225 28.575"},
         0.6096,
         1.8288,
         0.0762,
         {22.225, 28.575}},
        {{"--units", "imperial", "--conductors", "0.5 0.75"}, 0, 0, 0, {}},  // a blank is no separator in inches
    };
    for (const auto& c : cases) {
        const ParseOutcome out = parse(band + c.args);
        const std::string given = c.args.join(' ').toStdString();
        if (c.conductorsMm.empty()) {
            EXPECT_FALSE(out.options) << given;
            continue;
        }
        ASSERT_TRUE(out.options && out.options->find) << given << out.usageError.toStdString();
        const finder::FinderOptionen& o = out.options->find->options;
        EXPECT_NEAR(o.sizeMinM, c.sizeMinM, 1e-12) << given;
        EXPECT_NEAR(o.sizeMaxM, c.sizeMaxM, 1e-12) << given;
        EXPECT_NEAR(o.sizeStepM, c.sizeStepM, 1e-12) << given;
        ASSERT_EQ(o.conductorsMm.size(), c.conductorsMm.size()) << given;
        for (std::size_t i = 0; i < c.conductorsMm.size(); ++i)
            EXPECT_NEAR(o.conductorsMm[i], c.conductorsMm[i], 1e-9) << given;
        // The inputs the exports write are metric texts whatever was typed.
        EXPECT_NEAR(std::stod(out.options->find->texte[finder::at(finder::Feld::SizeMax)]), c.sizeMaxM, 1e-12) << given;
    }
}
