// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "finder/finder_message.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "text/catalog/finder_texts.h"
#include "text/length_texts.h"
#include "text/list_texts.h"
#include "text/messages.h"
#include "text/number_format.h"
#include "text/strict_number.h"
#include "text/text_lines.h"

namespace ringfeld::finder {
namespace {

std::string ganz(long long n) { return std::to_string(n); }

// Beyond these a number is written with an exponent, not with hundreds of digits.
constexpr double kKleinsteOhneExponent = 1e-4, kGroessteOhneExponent = 1e15;

// A number as given or found, shortest, with the separator.
std::string kurz(double value, std::string_view sep) {
    std::string text = KurzText(value);
    if (const double betrag = std::fabs(value);
        betrag != 0 && (betrag < kKleinsteOhneExponent || betrag >= kGroessteOhneExponent)) {
        char buffer[32];
        text.assign(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    }
    if (const auto point = text.find('.'); point != std::string::npos) text.replace(point, 1, sep);
    return text;
}

// A text with its length units' markers ("%9" a loop's, "%8" a conductor's) put in.
std::string mitEinheiten(std::string_view text, Units units, Language lang) {
    std::string out(text);
    for (const auto& [marke, menge] :
         {std::pair{"%9", LengthQuantity::LoopSize}, std::pair{"%8", LengthQuantity::Conductor}})
        if (const auto at = out.find(marke); at != std::string::npos)
            out.replace(at, 2, UnitCaption(menge, units, lang));
    return out;
}

// A length in the calculation's units as the notes write it: as given in metric, else in the units table's.
std::string laenge(double value, LengthQuantity menge, Units units, std::string_view sep) {
    return units == Units::Metric ? kurz(value, sep) : LengthText(value, menge, units, sep);
}

std::string anzahl(long long n, Language lang) { return texte::kKandidatenZahl.mit(lang, n, ganz(n)); }

// A power that keeps a rating, rounded down to 0.1 W, below 1 W to 1 mW, and below
// 1 mW to its first digit (never "at most 0.0 W").
std::string leistungAbgerundet(double exakt, std::string_view sep) {
    constexpr double kZehntelJeWatt = 10, kMilliwattJeWatt = 1000;
    const double teiler =
        exakt >= 1 ? kZehntelJeWatt : std::max(kMilliwattJeWatt, std::pow(10.0, std::ceil(-std::log10(exakt))));
    return FormatZahl(std::floor(exakt * teiler) / teiler, exakt >= 1 ? "0.0" : "0.0###############", sep);
}

// An efficiency in %: two decimals, more below 1 % so that a small one does not read 0.
std::string prozent(double value, std::string_view sep) {
    return FormatZahl(value, value >= 1 ? "0.00" : "0.00##", sep);
}

// "loop: circle 1.2 m, 22 mm Cu, 1 turn".
std::string loopText(const Entwurf& d, Language lang, Units units, std::string_view sep) {
    const std::string form((d.form == Form::Kreis ? texte::kKreis : texte::kQuadrat).in(lang));
    std::string material;
    for (const MaterialEintrag& m : kMaterialListe)
        if (m.material == d.material) material = m.text.in(lang);
    const std::string windungen = texte::kWindungenZahl.mit(lang, d.turns, ganz(d.turns));
    return MitWerten(mitEinheiten(texte::kLoop.in(lang), units, lang),
                     {form, laenge(d.sizeM, LengthQuantity::LoopSize, units, sep),
                      laenge(d.conductorMm, LengthQuantity::Conductor, units, sep), material, windungen});
}

bool gleicheLoop(const Entwurf& a, const Entwurf& b) {
    return a.form == b.form && a.material == b.material && a.conductorMm == b.conductorMm && a.turns == b.turns &&
           a.sizeM == b.sizeM;
}

// What would help, the most useful first: " What would help: ...; or ...".
std::string vorschlaege(const Ergebnis& e, Language lang, Units units, std::string_view sep) {
    using namespace texte;
    std::string out;
    const double beste = e.vorschlaege.front().loop.efficiencyWorstPercent;
    const Entwurf* vorige = nullptr;
    for (const Vorschlag& v : e.vorschlaege) {
        out += std::string(vorige ? kOder.in(lang) : kHilft.in(lang));
        const std::string loop = vorige && gleicheLoop(*vorige, v.loop) ? std::string(kDieselbeLoop.in(lang))
                                                                        : loopText(v.loop, lang, units, sep);
        const std::string eta = prozent(v.loop.efficiencyWorstPercent, sep);
        const std::string zehntel = v.unterZehntel ? MitWert(kUnterZehntel.in(lang), prozent(beste, sep)) : "";
        switch (v.art) {
            case VorschlagArt::Festigkeit:
                out += MitWerten(kVorschlagFestigkeit.in(lang),
                                 {FormatZahl(std::ceil(v.ratingV), "0", sep), loop, eta, "", zehntel});
                break;
            case VorschlagArt::Leistung:
                out +=
                    MitWerten(kVorschlagLeistung.in(lang), {leistungAbgerundet(v.powerW, sep), loop, eta, "", zehntel});
                break;
            case VorschlagArt::Teilband:
                out += MitWerten(kVorschlagTeilband.in(lang),
                                 {kurz(v.fromMHz, sep), loop, eta, kurz(v.toMHz, sep), zehntel});
                break;
        }
        vorige = &v.loop;
    }
    return out + '.';
}

}  // namespace

std::string Zaehlung(const Ergebnis& e, Language lang) {
    const auto entwuerfe = static_cast<long long>(e.designs.size());
    const std::string_view zwischen = texte::kZwischenZahl.in(lang);
    return anzahl(e.evaluated, lang) + std::string(zwischen) +
           texte::kErfuellenZahl.mit(lang, e.qualified, ganz(e.qualified)) + std::string(zwischen) +
           texte::kEntwuerfeZahl.mit(lang, entwuerfe, ganz(entwuerfe));
}

std::string Ausschluesse(const Ergebnis& e, Language lang) {
    const auto& x = e.excluded;
    return MitWerten(texte::kAusgeschlossen.in(lang),
                     {ganz(x[0]), ganz(x[1]), ganz(x[2]), ganz(x[3]), ganz(x[4]), ganz(x[5])});
}

std::string Randhinweis(const Ergebnis& e, const FinderOptionen& o, Language lang, std::string_view sep) {
    using namespace texte;
    long long oben = 0, unten = 0;
    for (const Entwurf& d : e.designs) {
        oben += d.searchEdge > 0;
        unten += d.searchEdge < 0;
    }
    std::string out;
    auto satz = [&](long long n, const Zaehltext& text, double size) {
        if (n == 0) return;
        out +=
            (out.empty() ? "" : " ") + MitWerten(mitEinheiten(text.in(lang, n), o.einheiten, lang),
                                                 {ganz(n), laenge(size, LengthQuantity::LoopSize, o.einheiten, sep)});
    };
    satz(oben, kRandOben, Groesse(o, GroessenAnzahl(o).value_or(1) - 1));
    satz(unten, kRandUnten, o.sizeMinM);
    return out;
}

std::string Margenhinweis(const Ergebnis& e, const FinderOptionen& o, Language lang, std::string_view sep) {
    if (e.unterMarge == 0 || !o.sheet.capVPeakV) return {};
    const double rating = *o.sheet.capVPeakV;
    return MitWerten(texte::kUnterMarge.in(lang), {ganz(e.unterMarge), kurz(rating, sep),
                                                   FormatZahl(rating / o.capMargin, "0", sep), kurz(o.capMargin, sep)});
}

std::vector<std::string> Hinweise(const Ergebnis& e, const FinderOptionen& o, Language lang, std::string_view sep) {
    std::vector<std::string> out;
    if (e.designs.empty()) return out;
    if (std::string rand = Randhinweis(e, o, lang, sep); !rand.empty()) out.push_back(std::move(rand));
    if (const long long n = e.excluded[at(Ausschluss::NotSmall)]; n > 0)
        out.push_back(MitWerten(texte::kNichtKleinHinweis.in(lang, n),
                                {ganz(n), kurz(o.maxWavelengths, sep), kurz(o.toMHz, sep)}));
    if (std::string marge = Margenhinweis(e, o, lang, sep); !marge.empty()) out.push_back(std::move(marge));
    return out;
}

std::string Begruendung(const Ergebnis& e, const FinderOptionen& o, Language lang, std::string_view sep) {
    if (e.qualified > 0 || e.abgebrochen) return {};
    using namespace texte;
    const Befund& b = e.befund;
    const std::string from = kurz(o.fromMHz, sep), to = kurz(o.toMHz, sep);
    std::vector<std::string> teile;
    auto teil = [&](const Tri& text, std::initializer_list<std::string_view> werte) {
        teile.push_back(MitWerten(mitEinheiten(text.in(lang), o.einheiten, lang), werte));
    };

    const long long andere = e.excluded[at(Ausschluss::ModelRefused)] - b.laenge - b.kapazitaet;
    if (b.laenge > 0) {
        const std::string n = anzahl(b.laenge, lang);
        if (b.laengsterInnerhalb)
            teil(kGrundLaenge, {n, to, laenge(*b.laengsterInnerhalb, LengthQuantity::LoopSize, o.einheiten, sep)});
        else
            teil(kGrundLaengeAlle, {n, to});
    }
    if (b.kapazitaet > 0) teil(kGrundKapazitaet, {anzahl(b.kapazitaet, lang), to});
    if (andere > 0 && b.ersteAndere) {
        const auto& a = *b.ersteAndere;
        teil(kGrundAbgelehnt, {anzahl(andere, lang), AbbruchZeile(a.ending, a.fault, a.turns, lang)});
    }
    if (const long long n = e.excluded[at(Ausschluss::NotSmall)]; n > 0) {
        const std::string limit = kurz(o.maxWavelengths, sep);
        if (b.laengsterKlein)
            teil(kGrundNichtKlein,
                 {anzahl(n, lang), to, limit, laenge(*b.laengsterKlein, LengthQuantity::LoopSize, o.einheiten, sep)});
        else
            teil(kGrundNichtKleinAlle, {anzahl(n, lang), to, limit});
    }
    if (const long long n = e.excluded[at(Ausschluss::NoCapacitorFits)]; n > 0)
        teil(kGrundKeinKondensator, {anzahl(n, lang), to});
    if (const long long n = e.excluded[at(Ausschluss::SelfCapacitance)]; n > 0)
        teil(kGrundEigenkapazitaet, {anzahl(n, lang), to});
    // "Every loop larger than X" where loops larger than X are in the search, else
    // where the excluded ones begin.
    const double groesste = Groesse(o, GroessenAnzahl(o).value_or(1) - 1);
    if (b.minimum > 0) {
        const std::string n = anzahl(b.minimum, lang), c = kurz(*o.sheet.capMinPf, sep);
        if (!b.groessteUeberMinimum)
            teil(kGrundMinimumAlle, {n, c, to});
        else if (*b.groessteUeberMinimum < groesste)
            teil(kGrundMinimum,
                 {n, c, to, laenge(*b.groessteUeberMinimum, LengthQuantity::LoopSize, o.einheiten, sep)});
        else
            teil(kGrundMinimumAb,
                 {n, c, to,
                  laenge(b.kleinsteUnterMinimum.value_or(groesste), LengthQuantity::LoopSize, o.einheiten, sep)});
    }
    if (b.maximum > 0) {
        const std::string n = anzahl(b.maximum, lang), c = kurz(*o.sheet.capMaxPf, sep);
        if (!b.kleinsteUnterMaximum)
            teil(kGrundMaximumAlle, {n, c, from});
        else if (*b.kleinsteUnterMaximum > o.sizeMinM)
            teil(kGrundMaximum,
                 {n, c, from, laenge(*b.kleinsteUnterMaximum, LengthQuantity::LoopSize, o.einheiten, sep)});
        else
            teil(kGrundMaximumBis,
                 {n, c, from,
                  laenge(b.groessteUeberMaximum.value_or(o.sizeMinM), LengthQuantity::LoopSize, o.einheiten, sep)});
    }
    const long long spannung = e.excluded[at(Ausschluss::CapacitorVoltage)];
    if (spannung > 0 && b.kleinsteSpannung && o.sheet.capVPeakV) {
        // The lowest peak voltage V stays at the limit G = rating / margin below P (G / V)^2:
        // V grows with the square root of the power (V = sqrt(2 P / R) X, as the sheet computes it).
        const double rating = *o.sheet.capVPeakV, grenze = rating / o.capMargin;
        const double power = StrikteZahl(o.power).value_or(0);
        const double keeps = power * (grenze / *b.kleinsteSpannung) * (grenze / *b.kleinsteSpannung);
        const std::string n = anzahl(spannung, lang), v = FormatZahl(*b.kleinsteSpannung, "0", sep);
        if (o.capMargin == 1)
            teil(kGrundSpannung, {n, kurz(rating, sep), v, leistungAbgerundet(keeps, sep)});
        else
            teil(kGrundSpannungMarge, {n, kurz(rating, sep), v, leistungAbgerundet(keeps, sep),
                                       FormatZahl(grenze, "0", sep), kurz(o.capMargin, sep)});
        // That loop may be a poor one: said so when it is below a tenth of the best proposal.
        if (!e.vorschlaege.empty() && b.kleinsteSpannungEta) {
            const double beste = e.vorschlaege.front().loop.efficiencyWorstPercent;
            if (*b.kleinsteSpannungEta < beste / 10)
                teile.back() +=
                    MitWerten(kNurZehntel.in(lang), {prozent(*b.kleinsteSpannungEta, sep), prozent(beste, sep)});
        }
    }
    const bool einer = e.evaluated == 1;
    std::string out;
    if (e.vorschlaege.empty())
        out = einer ? std::string(kKeineEiner.in(lang)) : kKeine.mit(lang, e.evaluated, ganz(e.evaluated));
    else
        out = (einer ? std::string(kKeineEinerSatz.in(lang)) : kKeineSatz.mit(lang, e.evaluated, ganz(e.evaluated))) +
              vorschlaege(e, lang, o.einheiten, sep) + std::string(kWarum.in(lang));
    for (std::size_t i = 0; i < teile.size(); ++i) out += (i ? std::string(kZwischen.in(lang)) : "") + teile[i];
    // A refusal quoted last ("... incomplete input!") already ends the sentence.
    return out.ends_with('!') ? out : out + '.';
}

}  // namespace ringfeld::finder
