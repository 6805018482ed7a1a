// ringfeld-calc as a user runs it: options, output, exit status.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

struct Result {
    int status = -1;
    QString out, err;
};

// Runs the program with its own empty settings folder, so the user's are never read.
Result Calc(const QStringList& args, const QString& locale = "C.UTF-8", const QString& settings = {}) {
    QTemporaryDir home;
    if (!settings.isEmpty()) {
        QDir(home.path()).mkpath("Ringfeld");
        QFile file(home.path() + "/Ringfeld/Ringfeld.conf");
        file.open(QIODevice::WriteOnly);
        file.write(settings.toUtf8());
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home.path());
    env.insert("LC_ALL", locale);
    env.insert("LANG", locale);
    p.setProcessEnvironment(env);
    p.start(RINGFELD_CALC, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// An expected status below 0 is not checked.
QJsonArray Json(const QStringList& args, int expectedStatus = 0) {
    const Result r = Calc(QStringList{"--format", "json"} + args);
    if (expectedStatus >= 0) {
        EXPECT_EQ(r.status, expectedStatus) << r.err.toStdString();
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.left(200).toStdString();
    return doc.array();
}

}  // namespace

TEST(CalcJson, StartValuesAsAFreshWindowShowsThem) {
    const QJsonArray rows = Json({});
    ASSERT_EQ(rows.size(), 1);
    const QJsonObject row = rows[0].toObject();
    EXPECT_EQ(row["ending"].toString(), "ok");
    EXPECT_TRUE(row["message"].isNull());
    const QJsonObject shown = row["shown"].toObject();
    EXPECT_EQ(shown["lbLamda"].toString(), "0.3393");
    EXPECT_EQ(shown["lbInduktivität"].toString(), "7.511");
    EXPECT_EQ(shown["lbC"].toString(), "16.3");
    EXPECT_EQ(shown["lbGewinn"].toString(), "- 0.45");
    EXPECT_EQ(shown["lbUc"].toString(), "3.991");
    EXPECT_EQ(shown.size(), 11);
    EXPECT_EQ(row["tooltip_lbC"].toString(), " Schwingkreiskondensator 16.3 pF ");
    const QJsonObject record = row["record"].toObject();
    EXPECT_EQ(record.size(), 9);
    EXPECT_NEAR(record["Guete"].toDouble(), 234.42, 0.005);
    EXPECT_DOUBLE_EQ(record["Umfang"].toDouble(), 7.069);
    const QJsonObject inputs = row["inputs"].toObject();
    EXPECT_EQ(inputs["Text1"].toString(), "2,25");
    EXPECT_EQ(inputs["Text8"].toString(), "12");
    EXPECT_EQ(inputs["Combo1"].toString(), "Kreis");
    const QJsonObject coupling = row["coupling"].toObject();
    EXPECT_EQ(coupling["outcome"].toString(), "normal");
    EXPECT_EQ(coupling["Label12"].toString(), "kOhm");
    EXPECT_EQ(coupling["Zusatzhinweis"].toString(), "");
    EXPECT_FALSE(coupling["Label2"].toString().isEmpty());
}

TEST(CalcJson, FrequenciesAndSweepGiveOneRowEach) {
    const QJsonArray rows = Json({"--turns", "3", "--conductor", "10", "--diameter", "1", "--length", "60",
                                  "--series-loss", "0", "--frequency", "3,6", "--sweep", "7:7.3:0.1"},
                                 1);
    ASSERT_EQ(rows.size(), 5);
    QStringList frequencies, endings;
    for (const auto& row : rows) {
        frequencies << row.toObject()["inputs"].toObject()["Text5"].toString();
        endings << row.toObject()["ending"].toString();
    }
    EXPECT_EQ(frequencies, (QStringList{"3,6", "7.0", "7.1", "7.2", "7.3"}));
    EXPECT_EQ(endings, (QStringList{"ok", "ok", "ok", "ok", "capacitance"}));
    const QJsonObject refused = rows[4].toObject();
    EXPECT_EQ(refused["shown"].toObject()["lbC"].toString(), "27.4");
    EXPECT_EQ(refused["shown"].toObject()["lbRr"].toString(), "");
    EXPECT_TRUE(refused["message"].toString().contains("\r\n(Länge) zu vergrößern."));
    EXPECT_TRUE(refused["coupling"].isNull());
}

TEST(CalcJson, LongSweepIncludesItsEndWithinRounding) {
    const QJsonArray rows = Json({"--sweep", "1.8:11.799:0.001", "--diameter", "1", "--turns", "2", "--length", "40"});
    ASSERT_EQ(rows.size(), 10000);
    EXPECT_EQ(rows[0].toObject()["inputs"].toObject()["Text5"].toString(), "1.8");
    EXPECT_EQ(rows[3].toObject()["inputs"].toObject()["Text5"].toString(), "1.803");
    EXPECT_EQ(rows[9999].toObject()["inputs"].toObject()["Text5"].toString(), "11.799");
    // Rows computed side by side equal the same row computed alone.
    const QJsonArray single = Json({"--frequency", "6.5", "--diameter", "1", "--turns", "2", "--length", "40"});
    EXPECT_EQ(rows[4700].toObject()["shown"], single[0].toObject()["shown"]);
    EXPECT_EQ(rows[4700].toObject()["record"], single[0].toObject()["record"]);
}

TEST(CalcJson, DerivedFieldsFollowTheWindowsRules) {
    const QJsonObject circle = Json({"--diameter", "1"})[0].toObject()["inputs"].toObject();
    EXPECT_EQ(circle["Text2"].toString(), "3.142");
    const QJsonObject square = Json({"--circumference", "4", "--shape", "Square"}, -1)[0].toObject()["inputs"].toObject();
    EXPECT_EQ(square["Text1"].toString(), "1.0");
    const QJsonObject coil = Json({"--turns", "3", "--frequency", "3,6"}, -1)[0].toObject()["inputs"].toObject();
    EXPECT_EQ(coil["Text8"].toString(), "25.0");
    const QJsonObject given = Json({"--turns", "3", "--length", "30", "--frequency", "3,6"}, -1)[0].toObject()["inputs"].toObject();
    EXPECT_EQ(given["Text8"].toString(), "30");
}

TEST(CalcJson, BadInputEndsAsTheWindowWould) {
    const QJsonObject overflow = Json({"--diameter", "1e400", "--lang", "en"}, 1)[0].toObject();
    EXPECT_EQ(overflow["ending"].toString(), "fault");
    EXPECT_EQ(overflow["message"].toString(), "Overflow");
    EXPECT_EQ(Json({"--material", "cu"}, 1)[0].toObject()["message"].toString(), "Division durch Null");
    EXPECT_EQ(Json({"--turns", "&HFFFFFFFFFFFFFFFFFF"}, 1)[0].toObject()["message"].toString(), "Überlauf");
    const QJsonObject empty = Json({"--circumference", "", "--diameter", ""}, 1)[0].toObject();
    EXPECT_EQ(empty["ending"].toString(), "input");
    EXPECT_EQ(empty["message"].toString(), "Unreale Werte!\r\noder unvollständige Eingabe!");
    const QJsonObject ratio = Json({"--ratio", "0", "--lang", "fr"})[0].toObject()["coupling"].toObject();
    EXPECT_EQ(ratio["outcome"].toString(), "refused");
    EXPECT_EQ(ratio["Label2"].toString(), "");
}

TEST(CalcText, TableInTheLanguageWithTheLocalesSeparator) {
    const Result german = Calc({"--frequency", "7,1", "--frequency", "30"}, "de_DE.UTF-8");
    EXPECT_EQ(german.status, 1);
    EXPECT_TRUE(german.out.contains("[MHz]"));
    EXPECT_TRUE(german.out.contains("Gewinn"));
    EXPECT_TRUE(german.out.contains("- 3,51"));
    EXPECT_TRUE(german.out.contains("! Unreale Werte! Die Länge des Leiters ist zu nahe an oder"));

    // Derived fields follow the locale too, as the window writes them.
    const Result derived = Calc({"--diameter", "1", "--turns", "3", "--frequency", "3,6"}, "de_DE.UTF-8");
    EXPECT_TRUE(derived.out.contains("U = 3,142 m")) << derived.out.toStdString();
    EXPECT_TRUE(derived.out.contains("l = 25,0 mm")) << derived.out.toStdString();

    const Result english = Calc({"--lang", "englisch"});
    EXPECT_EQ(english.status, 0);
    EXPECT_TRUE(english.out.contains("Gain"));
    EXPECT_TRUE(english.out.contains("90.23"));
}

TEST(CalcLanguage, StoredSettingIsTheDefault) {
    const QString english = "[Settings]\nSprache=englisch\n";
    EXPECT_EQ(Json({"--diameter", ""}, 1)[0].toObject()["message"].toString().left(14), "Unreale Werte!");
    const Result stored = Calc({"--format", "json", "--diameter", ""}, "C.UTF-8", english);
    EXPECT_TRUE(stored.out.contains("Value unreal!")) << stored.out.left(300).toStdString();
    const Result explicitFrench = Calc({"--format", "json", "--diameter", "", "--lang", "fr"}, "C.UTF-8", english);
    EXPECT_TRUE(explicitFrench.out.contains("Valeurs impossibles!"));
    // A stored value that is no language falls back to German.
    const Result odd = Calc({"--format", "json", "--diameter", ""}, "C.UTF-8", "[Settings]\nSprache=Deutsch\n");
    EXPECT_TRUE(odd.out.contains("Unreale Werte!"));
}

TEST(CalcUsage, ErrorsNameTheOptionAndExitWithTwo) {
    struct Case {
        QStringList args;
        QString named;
    };
    const Case cases[] = {
        {{"--bogus"}, "bogus"},
        {{"--diameter"}, "--diameter"},
        {{"--sweep", "1:2"}, "--sweep"},
        {{"--sweep", "7:1:0.1"}, "--sweep"},
        {{"--sweep", "1:2:0"}, "--sweep"},
        {{"--sweep", "0:1e9:1e-3"}, "--sweep"},
        {{"--lang", "klingon"}, "--lang"},
        {{"--format", "xml"}, "--format"},
        {{"stray"}, "stray"},
    };
    for (const Case& c : cases) {
        const Result r = Calc(c.args);
        EXPECT_EQ(r.status, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.named)) << r.err.toStdString();
    }
}

TEST(CalcUsage, HelpListsEveryOptionWithUnitAndDefault) {
    const Result r = Calc({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"--diameter", "--circumference", "--conductor", "--turns", "--frequency", "--sweep",
                               "--power", "--series-loss", "--length", "--parallel-loss", "--shape", "--material",
                               "--ratio", "--lang", "--format"})
        EXPECT_TRUE(r.out.contains(option)) << option;
    for (const char* fact : {"default 2,25", "default 14,4", "MHz", "kOhm", "default 4,05"})
        EXPECT_TRUE(r.out.contains(fact)) << fact;
}

// Texts the user gives are echoed as they stand, never taken for the place
// markers of the message they are put into.
TEST(CalcRegression, PercentSignsInArgumentsAreEchoedVerbatim) {
    const Result sweep = Calc({"--sweep", "%1"});
    EXPECT_EQ(sweep.status, 2);
    EXPECT_TRUE(sweep.err.contains("'%1'")) << sweep.err.toStdString();
    EXPECT_TRUE(sweep.err.contains("at most 1000000 rows")) << sweep.err.toStdString();

    const Result shape = Calc({"--shape", "%5"});
    EXPECT_TRUE(shape.out.startsWith("%5, Cu: D = 2,25 m, ")) << shape.out.toStdString();
    EXPECT_TRUE(shape.out.contains("Rp = 10000 kOhm\n")) << shape.out.toStdString();
}

// A sweep at the top of the number range still names its frequency.
TEST(CalcRegression, SweepNearTheLargestNumberKeepsItsFrequency) {
    const QJsonArray rows = Json({"--sweep", "1e303:1e303:1"}, -1);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_FALSE(rows[0].toObject()["inputs"].toObject()["Text5"].toString().isEmpty());
}
