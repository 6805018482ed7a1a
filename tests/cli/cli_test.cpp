// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// ringfeld-calc as a user runs it: options, output, exit status.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cmath>
#include <complex>
#include <csignal>

#include "text/text_zu_zahl.h"

namespace {

struct Result {
    int status = -1;
    QString out, err;
};

// Where the program writes: its standard output into a file, and the largest file it may write.
struct Sink {
    QString stdoutFile;
    rlim_t fileSizeLimit = RLIM_INFINITY;
};

// Runs the program with its own settings folder, so the user's are never read.
Result Calc(const QStringList& args, const QString& locale = "C.UTF-8", const QString& settings = {},
            const Sink& sink = {}) {
    QTemporaryDir home;
    QDir(home.path()).mkpath("Ringfeld");
    QFile file(home.path() + "/Ringfeld/Ringfeld.conf");
    if (file.open(QIODevice::WriteOnly)) file.write(settings.toUtf8());
    file.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home.path());
    env.insert("LC_ALL", locale);
    p.setProcessEnvironment(env);
    if (!sink.stdoutFile.isEmpty()) p.setStandardOutputFile(sink.stdoutFile);
    // Beyond the limit a write fails with EFBIG instead of ending the process.
    p.setChildProcessModifier([limit = sink.fileSizeLimit] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        setrlimit(RLIMIT_FSIZE, &size);
    });
    p.start(RINGFELD_CALC, args);
    // A run that does not end, or crashes, gives status -1, which no case expects.
    const bool finished = p.waitForFinished(60000);
    if (!finished) p.kill();
    return {finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// An expected status below 0 is not checked.
QJsonArray Json(const QStringList& args, int expectedStatus = -1) {
    const Result r = Calc(QStringList{"--format", "json"} + args);
    EXPECT_TRUE(expectedStatus < 0 || r.status == expectedStatus) << r.status << r.err.toStdString();
    return QJsonDocument::fromJson(r.out.toUtf8()).array();
}

double Number(const QString& text) { return ringfeld::TextZuZahl(text.toStdString()); }

// Half a unit of the text's last decimal: how far a correctly rounded label lies from its value.
double HalfUnit(const QString& shown) {
    qsizetype end = shown.indexOf('.') + 1;
    while (end > 0 && end < shown.size() && shown[end].isDigit()) ++end;
    return 0.5 * std::pow(10.0, end > 0 ? shown.indexOf('.') + 1 - end : 0) * (1 + 1e-9);
}

struct Case {
    QStringList args;
    int status;
    QString expected;  // part of the output or error
    QString locale = "C.UTF-8", settings = {};
};

}  // namespace

// Every numeric option takes one plain number within its range, shape and material
// one list entry; anything else is a usage error naming the option, the text given
// and the expected form in the chosen language. Accepted odd texts run normally.
TEST(CalcUsage, RefusedArgumentsNameOptionTextAndExpectedFormWithExitTwo) {
    const Case cases[] = {
        {{"--diameter", "1,2,3"}, 2, "--diameter: '1,2,3'; erwartet wird eine einfache Zahl größer als 0 in m"},
        {{"--power", "1 kW", "--lang", "fr"}, 2, "--power : '1 kW' ; attendu : un nombre simple supérieur à 0 en W"},
        {{"--diameter", "abc", "--lang", "en"}, 2, "--diameter: 'abc'; expected a plain number greater than 0 in m"},
        {{"--frequency", "1e999"}, 2, "--frequency: '1e999'"},
        {{"--frequency", "1e"}, 2, "--frequency: '1e'"},  // an exponent needs its digits
        {{"--diameter", "+.5", "--power", " 2,5e3 ", "--series-loss", "0", "--material", "cu", "--shape", "CARRÉE"},
         0,
         ""},
        {{"--turns", "0"}, 2, "--turns: '0'; erwartet wird eine einfache Zahl größer als 0, etwa"},
        {{"--series-loss", "-1"}, 2, "--series-loss: '-1'; erwartet wird eine einfache Zahl ab 0 in Ohm"},
        {{"--length", "0"}, 1, ""},  // allowed, then refused by the calculation's own check
        {{"--ratio", "0"}, 2, "--ratio: '0'"},
        {{"--shape", "triangle"},
         2,
         "--shape: 'triangle'; erwartet wird eines von: Kreis, Quadrat, Achteck, Sechseck, circulaire, carrée"},
        {{"--material", "gold", "--lang", "en"}, 2, "--material: 'gold'; expected one of: Cu, Al, Fe, Ag, Zn, Messing"},
        {{"--sweep", "0:1:0.1"}, 2, "--sweep: '0:1:0.1'; erwartet wird VON:BIS:SCHRITT in MHz"},
        {{"--sweep", "%1", "--lang", "en"}, 2, "'%1'; expected FROM:TO:STEP in MHz, plain numbers with FROM > 0"},
        {{"--format", "xml"}, 2, "--format: 'xml'; erwartet wird eines von: text, json, csv"},
        {{"--bogus"}, 2, "--bogus"},
        {{"--diameter"}, 2, "--diameter: ''"},
        {{"--tuning", "7:8:1", "--cap-q", "0"}, 2, "--cap-q: '0'; erwartet wird eine einfache Zahl größer als 0"},
        {{"--tuning", "7:8:1", "--sweep", "7:8:1", "--lang", "en"}, 2, "--tuning cannot be combined with --sweep"},
        {{"--tuning", "7:8:1", "--measured", "7:3:1"}, 2, "--measured: '7:3:1'"},
        {{"--measured", "7:3"}, 2, "--measured gilt nur mit --tuning"},
        {{"--units", "imperial", "--exposure", "--distance", "3m", "--lang", "en"},
         2,
         "--distance: '3m'; expected a length in ft"},
    };
    for (const Case& c : cases) {
        const Result r = Calc(c.args);
        EXPECT_TRUE(r.status == c.status && r.out.isEmpty() == (c.status == 2) &&
                    r.err.count('\n') == (c.status == 2) && r.err.contains(c.expected))
            << c.args.join(' ').toStdString() << " -> " << r.status << r.err.toStdString();
    }
}

// The values are the numbers behind the window's labels: each shown text, read
// back as the window reads it, lies within half a unit of its last decimal.
TEST(CalcJson, ValuesAreTheShownNumbersAtFullPrecision) {
    const std::pair<QString, QString> pairs[] = {{"lbLamda", "wavelength_fraction"},
                                                 {"lbInduktivität", "L_uH"},
                                                 {"lbC", "C_total_pF"},
                                                 {"lbCL", "C_self_pF"},
                                                 {"lbRr", "R_radiation_ohm"},
                                                 {"lbRv", "R_loss_ohm"},
                                                 {"lbEta", "efficiency_percent"},
                                                 {"lbGewinn", "gain_dB"},
                                                 {"lbKu", "Q"},
                                                 {"lbB", "bandwidth_kHz"},
                                                 {"lbUc", "V_capacitor_rms_V"},
                                                 {"Label2", "coupling_circumference_m"},
                                                 {"Label4", "coupling_Lka_m"},
                                                 {"Label11", "R_resonance_ohm"}};
    int ok = 0;
    for (const QStringList& loop :
         {QStringList{},
          {"--turns", "3", "--conductor", "10", "--diameter", "1", "--length", "60", "--frequency", "3,6",
           "--frequency", "7.3"},
          {"--shape", "Square", "--diameter", "0.4", "--conductor", "2", "--material", "Fe", "--frequency", "1.9"}}) {
        for (const auto& element : Json(loop)) {
            const QJsonObject row = element.toObject(), values = row["values"].toObject();
            QJsonObject shown = row["shown"].toObject();
            EXPECT_EQ(row.contains("values"), row["ending"] == "ok");
            if (row["ending"] != "ok") continue;
            ++ok;
            for (const char* label : {"Label2", "Label4", "Label11", "Label12"}) shown[label] = row["coupling"][label];
            for (const auto& [label, key] : pairs) {
                const QString text = shown[label].toString();
                // Shown in milliohm below 1 mOhm, in kV, in kOhm.
                const bool kilo = key == "V_capacitor_rms_V" || (label == "Label11" && shown["Label12"] == "kOhm");
                const double scale = text.endsWith(" m") ? 1000 : kilo ? 1e-3 : 1;
                EXPECT_NEAR(values[key].toDouble() * scale, Number(text), HalfUnit(text)) << key.toStdString();
            }
            // Not shown: X = 2 pi f L and R = X / Q, with f in MHz and L in uH.
            const double f = Number(row["inputs"]["Text5"].toString()), x = values["X_ohm"].toDouble();
            EXPECT_NEAR(x, 2 * M_PI * f * values["L_uH"].toDouble(), 1e-9 * x);
            EXPECT_NEAR(values["R_total_ohm"].toDouble() * values["Q"].toDouble(), x, 1e-9 * x);
            EXPECT_EQ(values.size(), 16);
        }
    }
    EXPECT_EQ(ok, 3);
    // The coupling loop's circumference goes as 1 / ratio: the default 4,05 gives twice that of 8,1.
    auto circumference = [](const QStringList& args) {
        return Json(args).at(0)["values"]["coupling_circumference_m"].toDouble();
    };
    EXPECT_NEAR(circumference({}) / circumference({"--ratio", "8,1"}), 2, 1e-6);
}

// RFC 4180: CRLF line ends, the message quoted; the values equal the JSON's, a refused row's are empty.
TEST(CalcCsv, HeaderValuesAndQuotedMessage) {
    const QStringList args{"--turns",  "3",  "--conductor", "10",  "--diameter",  "1",
                           "--length", "60", "--frequency", "3,6", "--frequency", "7.3"};
    const Result csv = Calc(QStringList{"--format", "csv"} + args);
    EXPECT_EQ(csv.status, 1);
    const QStringList lines = csv.out.split("\r\n");
    ASSERT_EQ(lines.size(), 4) << csv.out.toStdString();
    EXPECT_EQ(lines[0],
              "frequency_MHz,ending,wavelength_fraction,L_uH,C_total_pF,C_self_pF,R_radiation_ohm,R_loss_ohm,"
              "R_total_ohm,X_ohm,efficiency_percent,gain_dB,Q,bandwidth_kHz,V_capacitor_rms_V,"
              "coupling_circumference_m,coupling_Lka_m,R_resonance_ohm,message");
    const QStringList keys = lines[0].split(','), ok = lines[1].split(','),
                      refused = lines[2].section('"', 0, 0).split(',');
    ASSERT_TRUE(ok.size() == keys.size() && refused.size() == keys.size());
    const QJsonArray json = Json(args);
    for (qsizetype c = 2; c + 1 < keys.size(); ++c) {
        EXPECT_EQ(ok[c].toDouble(), json[0]["values"][keys[c]].toDouble()) << keys[c].toStdString();
        EXPECT_EQ(refused[c], "");
    }
    EXPECT_EQ(ok.first() + ok[1] + ok.last() + refused.first() + refused[1], "3.6ok\"\"7.3capacitance");
    EXPECT_EQ(lines[2].section('"', 1).chopped(1).simplified(), json[1]["message"].toString().simplified());
    // The box's line breaks reach the JSON as the escapes \r and \n (RFC 8259, section 7).
    EXPECT_TRUE(Calc(QStringList{"--format", "json"} + args).out.contains("Unreale Werte!\\r\\n"));
}

// Rows and the field texts the program derives, as the window writes them.
TEST(CalcJson, RowsPerFrequencyAndDerivedFields) {
    const std::tuple<QStringList, QString, QString> cases[] = {
        {{"--frequency", "3,6", "--sweep", "7:7.3:0.1"}, "Text5", "3,6 7.0 7.1 7.2 7.3"},
        {{"--sweep", "7:7.0003:0.0001", "--sweep", "1.81:1.81:1"}, "Text5", "7.0 7.0001 7.0002 7.0003 1.81"},  // 100 Hz
        {{"--circumference", "4", "--shape", "CIRCLE"}, "Text1", "1.273"},  // 4 m / pi
        {{"--turns", "3", "--frequency", "3,6"}, "Text8", "25.0"},
    };
    for (const auto& [args, field, expected] : cases) {
        QStringList texts;
        for (const QJsonValue row : Json(args)) texts << row["inputs"][field].toString();
        EXPECT_EQ(texts.join(' '), expected);
    }
    // A long sweep, computed side by side, ends within rounding and equals rows computed alone.
    const QJsonArray rows =
        Json({"--sweep", "1.8:11.799:0.001", "--diameter", "1", "--turns", "2", "--length", "40"}, 0);
    ASSERT_EQ(rows.size(), 10000);
    EXPECT_EQ(rows[9999]["inputs"]["Text5"].toString(), "11.799");
    EXPECT_EQ(rows[4700]["values"],
              Json({"--frequency", "6.5", "--diameter", "1", "--turns", "2", "--length", "40"}).at(0)["values"]);
}

// Every word of each polygon, in any case, chooses it; the width across flats gives the
// perimeter. By hand, 1 m across flats of 22 mm tube, one turn at 7.1 MHz (lambda = 300 / 7.1 m):
// U = n tan(pi/n) = 3.3137085 (octagon), 3.4641016 (hexagon); A = U / 4; Rr = 31171 A^2 / lambda^4;
// L = 2e-7 U (ln(U / 0.011) - theta), theta 1.8674643 and 1.9432780 (Grover).
TEST(CalcShapes, EachWordOfAPolygonAndItsNumbersByHand) {
    const struct {
        const char* word;
        const char* lang;
        const char* entry;      // the list entry, written as in the list
        const char* perimeter;  // Text2 as derived (JSON writes a decimal point)
        double L_uH, Rr_ohm;
    } cases[] = {
        {"ACHTECK", "en", "Achteck", "3.314", 2.5452354, 6.711317e-3},
        {"octogone", "de", "octogone", "3.314", 2.5452354, 6.711317e-3},
        {"Sechseck", "fr", "Sechseck", "3.464", 2.6389771, 7.334329e-3},
        {"HEXAGON", "en", "Hexagon", "3.464", 2.6389771, 7.334329e-3},
    };
    for (const auto& c : cases) {
        const QJsonObject row =
            Json({"--shape", c.word, "--diameter", "1", "--conductor", "22", "--frequency", "7.1", "--lang", c.lang})
                .at(0)
                .toObject();
        EXPECT_EQ(row["inputs"]["Combo1"].toString(), c.entry) << c.word;
        EXPECT_EQ(row["inputs"]["Text2"].toString(), c.perimeter) << c.word;
        EXPECT_NEAR(row["values"]["L_uH"].toDouble(), c.L_uH, 1e-6) << c.word;
        EXPECT_NEAR(row["values"]["R_radiation_ohm"].toDouble(), c.Rr_ohm, 1e-9) << c.word;
    }
}

// Table, help and usage errors in the chosen language (--lang, else the stored one,
// else German), numbers with the locale's separator.
TEST(CalcLanguage, TableHelpAndErrorsInTheChosenLanguage) {
    const QString english = "[Settings]\nSprache=englisch\n";
    const Case cases[] = {
        {{"--diameter", "1", "--turns", "3", "--frequency", "3,6"},
         1,
         "U = 3,142 m, d = 12 mm, N = 3, l = 25,0 mm",
         "de_DE.UTF-8"},
        {{"--help"}, 0, "Rückgabewert:\n  0  jede Zeile wurde berechnet"},
        {{"--help"}, 0, "Exit status:\n  0  every row was calculated", "C.UTF-8", english},
        {{"--help", "--lang", "fr"}, 0, "Code de sortie :\n  0  chaque ligne", "C.UTF-8", english},
        {{"--diameter", ""}, 2, "Invalid value for --diameter: ''", "C.UTF-8", english},
        {{"--diameter", ""}, 2, "Ungültiger Wert für --diameter: ''", "C.UTF-8", "[Settings]\nSprache=Deutsch\n"},
        {{"--version"}, 0, "ringfeld-calc 1.1.1\n"},
        {{"--help", "--lang", "en"}, 0, "--format <format>            Output: text (a table), json or csv"},
        {{"--help", "--lang", "en"}, 0, "--as-typed                   Read every value as the window reads"},
    };
    for (const Case& c : cases) {
        const Result r = Calc(c.args, c.locale, c.settings);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE((r.out + r.err).contains(c.expected)) << r.out.toStdString() << r.err.toStdString();
    }
}

// The tuning-range sheet: a 1 m loop of 20 mm tube needs about 197 pF at 7.1 MHz (a published
// NEC figure); at 47.1 MHz its conductor is 0.49 wavelengths long, the row is refused: exit 1.
TEST(CalcTuning, SheetAsJsonCsvAndText) {
    const QStringList loop{"--diameter", "1", "--conductor", "20", "--tuning", "7.1:47.1:40", "--lang", "en"};
    const Result json = Calc(loop + QStringList{"--format", "json"});
    const QJsonObject sheet = QJsonDocument::fromJson(json.out.toUtf8()).object();
    const QJsonArray rows = sheet["rows"].toArray();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_NEAR(rows[0]["C_tune_pF"].toDouble(), 197, 1);
    EXPECT_TRUE(json.status == 1 && rows[1]["ending"] == "length" && !rows[1].toObject().contains("L_uH") &&
                sheet["summary"]["rows_refused"] == 1);
    // The loop's inputs under the design files' names, the shape by its key, in JSON and leading each CSV line.
    EXPECT_EQ(sheet["inputs"]["diameter"], "1");
    EXPECT_EQ(sheet["inputs"]["shape"], "circle");
    // The safety distances' export keys them the same way.
    const Result exposure = Calc(loop + QStringList{"--exposure", "--format", "json"});
    EXPECT_EQ(QJsonDocument::fromJson(exposure.out.toUtf8())["inputs"], sheet["inputs"]);
    const Result csv = Calc(loop + QStringList{"--format", "csv"});
    EXPECT_TRUE(
        csv.out.startsWith("diameter,circumference,conductor,turns,length,power,series_loss,parallel_loss,"
                           "shape,material,frequency_MHz,ending,message,L_uH,"));
    EXPECT_TRUE(csv.out.contains("\r\n1,3.142,20,1,"));
    EXPECT_EQ(csv.out.count("\r\n"), 3);
    const Result text = Calc(loop, "de_DE.UTF-8");
    EXPECT_TRUE(text.out.contains("[pF]") && text.out.contains("\n  7.1  ") &&
                text.out.contains("\n    ! Unrealistic datal! The length"));
}

// A one-port sweep of a parallel resonator of unloaded Q `q0` at `f0` MHz coupled with
// `beta`, seen through `cableM` of lossless coax (velocity factor 0.66), written as
// Touchstone (MHz, RI) into `dir`.
QString SweepFile(const QTemporaryDir& dir, double f0, double q0, double beta, double cableM) {
    const QString path = dir.filePath("loop.s1p");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray text = "# MHz S RI R 50\n";
    const double delay = 2 * cableM / (0.66 * 299792458.0);
    for (int i = 0; i <= 400; ++i) {
        const double f = f0 * (1 + (i - 200) * 2e-5);
        const std::complex<double> x(0, q0 * (f / f0 - f0 / f));
        const std::complex<double> g = (beta - 1 - x) / (beta + 1 + x) * std::polar(1.0, -2 * M_PI * f * 1e6 * delay);
        text += QByteArray::number(f, 'g', 12) + ' ' + QByteArray::number(g.real(), 'g', 12) + ' ' +
                QByteArray::number(g.imag(), 'g', 12) + '\n';
    }
    file.write(text);
    return path;
}

// --vna: exactly the documented keys, the resonator given back, the VSWR figures of
// its coupling worked out by hand, and X, Rr and R total those of the plain calculation.
TEST(CalcVna, KeysOfTheFitOnASyntheticSweep) {
    QTemporaryDir dir;
    const QString sweep = SweepFile(dir, 7.1, 600, 0.8, 6);
    const Result r = Calc({"--vna", sweep, "--format", "json", "--diameter", "1.5"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    const QStringList keys{"f0_MHz",
                           "QL",
                           "beta",
                           "Q0",
                           "coupling",
                           "residual",
                           "points_used",
                           "R_total_ohm",
                           "R_unexplained_ohm",
                           "efficiency_percent",
                           "gain_dBi",
                           "vswr_min",
                           "bandwidth_vswr2_kHz",
                           "bandwidth_halfpower_kHz"};
    EXPECT_EQ(QStringList(o.keys()).size(), keys.size());
    for (const QString& key : keys) EXPECT_TRUE(o.contains(key)) << key.toStdString();
    EXPECT_NEAR(o["f0_MHz"].toDouble(), 7.1, 1e-4);
    EXPECT_NEAR(o["Q0"].toDouble(), 600, 6);
    EXPECT_NEAR(o["QL"].toDouble(), 600 / 1.8, 3);
    EXPECT_NEAR(o["beta"].toDouble(), 0.8, 0.008);
    EXPECT_EQ(o["coupling"].toString(), "under");
    EXPECT_GT(o["points_used"].toInt(), 10);
    // VSWR 1/beta at resonance; |Gamma| = 1/3 where (beta-1)^2 + x^2 = ((beta+1)^2 + x^2)/9, x = Q0 * 2 df/f0.
    EXPECT_NEAR(o["vswr_min"].toDouble(), 1.25, 1e-3);
    EXPECT_NEAR(o["bandwidth_vswr2_kHz"].toDouble(), 0.6 * 7100 / 600, 0.05);
    EXPECT_NEAR(o["bandwidth_halfpower_kHz"].toDouble(), 7100.0 / 600, 0.1);
    // efficiency = Rr / R_total, with Rr as the single-frequency calculation gives it at f0.
    const QJsonArray plain =
        Json({"--frequency", QString::number(o["f0_MHz"].toDouble(), 'g', 12), "--diameter", "1.5"}, 0);
    const QJsonObject values = plain[0].toObject()["values"].toObject();
    const double rr = values["R_radiation_ohm"].toDouble(), x = values["X_ohm"].toDouble();
    EXPECT_GT(rr, 0);
    EXPECT_NEAR(o["efficiency_percent"].toDouble() / 100 * o["R_total_ohm"].toDouble(), rr, rr * 1e-9);
    // R_total = X / Q0, and the loss beyond the model is R_total less the model's.
    EXPECT_NEAR(o["R_total_ohm"].toDouble() * o["Q0"].toDouble(), x, x * 1e-9);
    EXPECT_NEAR(o["R_unexplained_ohm"].toDouble(), o["R_total_ohm"].toDouble() - values["R_total_ohm"].toDouble(),
                1e-9);

    const Result csv = Calc({"--vna", sweep, "--format", "csv"});
    EXPECT_EQ(csv.out.section("\r\n", 0, 0).split(','), keys);
}

// A file that cannot be read, or shows no resonance, is a usage error naming it.
TEST(CalcVna, BadFileIsAUsageErrorWithTheWindowsMessage) {
    QTemporaryDir dir;
    QFile flat(dir.filePath("flat.s1p"));
    ASSERT_TRUE(flat.open(QIODevice::WriteOnly));
    flat.write("# MHz S RI R 50\n");
    for (int i = 0; i < 50; ++i) flat.write(QByteArray::number(7 + i * 0.01) + " 0.9 0\n");
    flat.close();
    QFile twoPort(dir.filePath("two.s2p"));
    ASSERT_TRUE(twoPort.open(QIODevice::WriteOnly));
    twoPort.write("# MHz S RI R 50\n7 0.1 0 0.9 0 0.9 0 0.1 0\n");
    twoPort.close();
    const struct {
        QString file, says;
    } cases[] = {{"two.s2p", "more than one port"},
                 {"flat.s1p", "No resonance can be evaluated"},
                 {"gone.s1p", "does not exist"}};
    for (const auto& c : cases) {
        const Result r = Calc({"--vna", dir.filePath(c.file), "--lang", "en"});
        EXPECT_EQ(r.status, 2) << c.file.toStdString();
        EXPECT_TRUE(r.err.contains("\"" + c.file + "\"") && r.err.contains(c.says)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

// Output that does not reach its place is never reported as success: standard output
// on a full device, and a design saved under a file-size limit over an older design,
// which stays byte for byte, with no temporary file left beside it.
TEST(CalcOutput, LostOutputEndsWithOneAndTheSystemsReason) {
    QTemporaryDir dir;
    const QString design = dir.filePath("loop.ringfeld");
    const QByteArray old = "{\"format\": \"an older design\"}\n";
    QFile file(design);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();
    const struct {
        QStringList args;
        Sink sink;
        QString reason;
    } cases[] = {
        {{"--frequency", "7"}, {"/dev/full"}, "No space left on device"},
        {{"--tuning", "7:7.2:0.001", "--format", "csv"}, {"/dev/full"}, "No space left on device"},
        {{"--save-design", design, "--diameter", "1,5"}, {{}, 200}, "File too large"},
    };
    for (const auto& c : cases) {
        const Result r = Calc(c.args + QStringList{"--lang", "en"}, "C.UTF-8", {}, c.sink);
        EXPECT_EQ(r.status, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("ringfeld-calc: ") && r.err.contains(c.reason)) << r.err.toStdString();
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"loop.ringfeld"});
}
