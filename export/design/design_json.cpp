// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The design file's JSON: read with QJsonDocument, written line by line with
// the program's JSON writer, so that "format" comes first (the desktop's type
// detection looks for it there) and every field stands on a line of its own.

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QString>
#include <QStringList>

#include <cmath>

#include "design/design_file.h"
#include "export/field_keys.h"
#include "export/json_writer.h"
#include "text/catalog/design_texts.h"

namespace ringfeld::design {
namespace {

// The tuning-range window's fields, in the order of tuning::Field.
constexpr std::array<std::string_view, tuning::kFieldCount> kAbstimmSchluessel{"from",
                                                                               "to",
                                                                               "step",
                                                                               "cap_q",
                                                                               "ground_ratio",
                                                                               "stray_c",
                                                                               "cap_min",
                                                                               "cap_max",
                                                                               "cap_vpeak",
                                                                               "measured_frequency",
                                                                               "measured_bandwidth",
                                                                               "measured_vswr"};

// The longest text a field takes: a line edit holds at most 32767 characters,
// and no number needs more than a few dozen.
constexpr qsizetype kLaengsterText = 1000;

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Refuses the file: the first fault found ends the reading.
struct Abbruch {
    QString grund;
};

class Leser {
public:
    explicit Leser(Language lang) : lang_(lang) {}

    QString text(const Tri& t) const { return q(t.in(lang_)); }

    // The group `name` of `obj`; an empty object when it is missing.
    QJsonObject gruppe(const QJsonObject& obj, std::string_view name) const {
        const QJsonValue v = obj.value(q(name));
        if (v.isUndefined()) return {};
        if (!v.isObject()) throw Abbruch{text(texte::kKeinObjekt).arg(q(name))};
        return v.toObject();
    }

    // The text at `key` of `group` into `out`; a missing one leaves `out` as it is.
    void feld(const QJsonObject& group, std::string_view groupName, std::string_view key, std::string& out,
              bool begrenzt = true) const {
        const QJsonValue v = group.value(q(key));
        if (v.isUndefined()) return;
        const QString pfad = groupName.empty() ? q(key) : q(groupName) + QLatin1Char('.') + q(key);
        if (!v.isString()) throw Abbruch{text(texte::kKeinText).arg(pfad)};
        if (begrenzt && v.toString().size() > kLaengsterText) throw Abbruch{text(texte::kZuLang).arg(pfad)};
        out = v.toString().toStdString();
    }

    // The index of the key the text at `key` names among `keys`; null is `none`
    // when `none` is at least 0; a missing one leaves `out` as it is.
    template <typename Keys>
    void auswahl(const QJsonObject& group, std::string_view groupName, std::string_view key, const Keys& keys, int& out,
                 int none = -2) const {
        const QJsonValue v = group.value(q(key));
        if (v.isUndefined()) return;
        if (v.isNull() && none >= -1) return void(out = none);
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (v.isString() && v.toString() == q(keys[i])) return void(out = static_cast<int>(i));
        QStringList werte;
        for (const auto& k : keys) werte << QLatin1Char('"') + q(k) + QLatin1Char('"');
        if (none >= -1) werte << QStringLiteral("null");
        throw Abbruch{
            text(texte::kKeinWert).arg(q(groupName) + QLatin1Char('.') + q(key), werte.join(QStringLiteral(", ")))};
    }

private:
    Language lang_;
};

void lesen(const QJsonObject& datei, const Leser& l, Entwurf& e) {
    const QJsonValue format = datei.value(QStringLiteral("format"));
    if (!format.isString() || format.toString() != q(kFormat)) throw Abbruch{l.text(texte::kKeinEntwurf)};
    const QJsonValue version = datei.value(QStringLiteral("version"));
    const double v = version.toDouble(0);
    if (!version.isDouble() || !(v >= 1) || !std::isfinite(v) || v != std::floor(v))
        throw Abbruch{l.text(texte::kFalscheVersion)};
    if (v > kHoechsteVersion)
        throw Abbruch{l.text(texte::kNeuereVersion).arg(QString::number(v, 'g', 17)).arg(kHoechsteVersion)};

    std::array<std::string_view, kUnitSystemCount> einheiten{};
    int gewaehlt = 0;  // metric, as every file before the key
    for (std::size_t i = 0; i < kUnitSystemCount; ++i) einheiten[i] = kUnitSystems[i].word;
    l.auswahl(datei, "", kEinheitenSchluessel, einheiten, gewaehlt);
    e.einheiten = kUnitSystems[static_cast<std::size_t>(gewaehlt)].units;

    const QJsonObject loop = l.gruppe(datei, "loop");
    for (const FeldSchluessel& k : kLoopSchluessel) l.feld(loop, "loop", k.key, e.schleife.felder.*k.text);
    std::array<std::string_view, kShapes.size()> formen{};
    for (std::size_t i = 0; i < kShapes.size(); ++i) formen[i] = kShapes[i].key;
    int form = static_cast<int>(e.schleife.form);
    l.auswahl(loop, "loop", kFormSchluessel, formen, form);
    e.schleife.form = kShapes[static_cast<std::size_t>(form)].form;
    std::array<std::string_view, kMaterialien.size()> materialien{};
    int material = 0;
    for (std::size_t i = 0; i < kMaterialien.size(); ++i) {
        materialien[i] = kMaterialien[i].key;
        if (kMaterialien[i].material == e.schleife.material) material = static_cast<int>(i);
    }
    l.auswahl(loop, "loop", kMaterialSchluessel, materialien, material);
    e.schleife.material = kMaterialien[static_cast<std::size_t>(material)].material;

    const QJsonObject kopplung = l.gruppe(datei, "coupling");
    l.auswahl(kopplung, "coupling", "site", kOrte, e.kopplung.ort, -1);
    l.feld(kopplung, "coupling", "ratio", e.kopplung.verhaeltnis);

    const QJsonObject abstimmung = l.gruppe(datei, "tuning");
    for (std::size_t i = 0; i < tuning::kFieldCount; ++i)
        l.feld(abstimmung, "tuning", kAbstimmSchluessel[i], e.abstimmung.felder[i]);
    std::array<std::string_view, tuning::kBands.size()> baender{};
    for (std::size_t i = 0; i < tuning::kBands.size(); ++i) baender[i] = tuning::kBands[i].name;
    int band = e.abstimmung.band - 1;
    l.auswahl(abstimmung, "tuning", "band", baender, band, -1);
    e.abstimmung.band = band + 1;

    for (std::string_view name : kWeitereGruppen) {
        if (!datei.contains(q(name))) continue;
        const QJsonObject gruppe = l.gruppe(datei, name);
        Gruppe& g = e.weitere[std::string(name)];
        for (auto it = gruppe.begin(); it != gruppe.end(); ++it)
            l.feld(gruppe, name, it.key().toStdString(), g[it.key().toStdString()]);
    }
    l.feld(datei, "", "note", e.notiz, false);
}

// One line of the file: `"key": "text",` indented by `tiefe` steps.
class Schreiber {
public:
    explicit Schreiber(std::string& out) : out_(out) {}

    void oeffnen(std::string_view key) {
        zeile(key);
        out_ += '{';
        erstes_ = true;
        ++tiefe_;
    }
    void schliessen() {
        --tiefe_;
        out_ += '\n' + std::string(2 * tiefe_, ' ') + '}';
        erstes_ = false;
    }
    void text(std::string_view key, std::string_view wert) {
        zeile(key);
        JsonWriter(out_).value(wert);
    }
    void null(std::string_view key) {
        zeile(key);
        out_ += "null";
    }
    void zahl(std::string_view key, int wert) {
        zeile(key);
        out_ += std::to_string(wert);
    }

private:
    void zeile(std::string_view key) {
        if (!erstes_) out_ += ',';
        erstes_ = false;
        out_ += '\n' + std::string(2 * tiefe_, ' ');
        JsonWriter(out_).value(key);
        out_ += ": ";
    }

    std::string& out_;
    std::size_t tiefe_ = 1;
    bool erstes_ = true;
};

}  // namespace

Gelesen EntwurfAusJson(const QByteArray& bytes, std::string_view name, Language lang) {
    const Leser l(lang);
    Gelesen out;
    auto abweisen = [&](const QString& grund) {
        out.meldung = l.text(texte::kNichtGeoeffnet).arg(q(name), grund).toStdString();
        return out;
    };
    if (static_cast<std::size_t>(bytes.size()) > kGroessteDatei) return abweisen(l.text(texte::kZuGross));
    QJsonParseError fehler{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &fehler);
    if (fehler.error != QJsonParseError::NoError) return abweisen(l.text(texte::kKeinJson).arg(fehler.offset));
    if (!doc.isObject()) return abweisen(l.text(texte::kKeinEntwurf));
    Entwurf e = Startentwurf();
    try {
        lesen(doc.object(), l, e);
    } catch (const Abbruch& a) {
        return abweisen(a.grund);
    }
    out.entwurf = std::move(e);
    return out;
}

std::string EntwurfAlsJson(const Entwurf& e) {
    std::string out = "{";
    Schreiber s(out);
    s.text("format", kFormat);
    // Metric designs stay version 1 without the key, as every Ringfeld wrote them.
    if (e.einheiten.value_or(kDefaultUnits) == kDefaultUnits) {
        s.zahl("version", kVersion);
    } else {
        s.zahl("version", kVersionEinheiten);
        s.text(kEinheitenSchluessel, UnitSystemOf(*e.einheiten).word);
    }

    s.oeffnen("loop");
    for (const FeldSchluessel& k : kLoopSchluessel) s.text(k.key, e.schleife.felder.*k.text);
    s.text(kFormSchluessel, FormKey(e.schleife.form));
    s.text(kMaterialSchluessel, MaterialKey(e.schleife.material));
    s.schliessen();

    s.oeffnen("coupling");
    if (e.kopplung.ort >= 0 && e.kopplung.ort < static_cast<int>(kOrte.size()))
        s.text("site", kOrte[static_cast<std::size_t>(e.kopplung.ort)]);
    else
        s.null("site");
    s.text("ratio", e.kopplung.verhaeltnis);
    s.schliessen();

    s.oeffnen("tuning");
    for (std::size_t i = 0; i < tuning::kFieldCount; ++i) s.text(kAbstimmSchluessel[i], e.abstimmung.felder[i]);
    if (e.abstimmung.band >= 1 && e.abstimmung.band <= static_cast<int>(tuning::kBands.size()))
        s.text("band", tuning::kBands[static_cast<std::size_t>(e.abstimmung.band - 1)].name);
    else
        s.null("band");
    s.schliessen();

    for (const auto& [name, gruppe] : e.weitere) {
        s.oeffnen(name);
        for (const auto& [key, text] : gruppe) s.text(key, text);
        s.schliessen();
    }
    s.text("note", e.notiz);
    out += "\n}\n";
    return out;
}

}  // namespace ringfeld::design
