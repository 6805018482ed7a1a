// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "finder/finder_message.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "text/catalog/finder_texts.h"
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

std::string anzahl(long long n, Language lang) { return texte::kKandidatenZahl.mit(lang, n, ganz(n)); }

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
    return MitWerten(texte::kAusgeschlossen.in(lang), {ganz(x[0]), ganz(x[1]), ganz(x[2]), ganz(x[3]), ganz(x[4])});
}

std::string Begruendung(const Ergebnis& e, const FinderOptionen& o, Language lang, std::string_view sep) {
    if (e.qualified > 0 || e.abgebrochen) return {};
    using namespace texte;
    const Befund& b = e.befund;
    const std::string from = kurz(o.fromMHz, sep), to = kurz(o.toMHz, sep);
    std::vector<std::string> teile;
    auto teil = [&](const Tri& text, std::initializer_list<std::string_view> werte) {
        teile.push_back(MitWerten(text.in(lang), werte));
    };

    const long long andere = e.excluded[0] - b.laenge - b.kapazitaet;
    if (b.laenge > 0) {
        const std::string n = anzahl(b.laenge, lang);
        if (b.laengsterInnerhalb)
            teil(kGrundLaenge, {n, to, kurz(*b.laengsterInnerhalb, sep)});
        else
            teil(kGrundLaengeAlle, {n, to});
    }
    if (b.kapazitaet > 0) teil(kGrundKapazitaet, {anzahl(b.kapazitaet, lang), to});
    if (andere > 0 && b.ersteAndere) {
        const auto& a = *b.ersteAndere;
        teil(kGrundAbgelehnt, {anzahl(andere, lang), AbbruchZeile(a.ending, a.fault, a.turns, lang)});
    }
    if (e.excluded[1] > 0) teil(kGrundKeinKondensator, {anzahl(e.excluded[1], lang), to});
    if (e.excluded[2] > 0) teil(kGrundEigenkapazitaet, {anzahl(e.excluded[2], lang), to});
    // "Every loop larger than X" where loops larger than X are in the search, else
    // where the excluded ones begin.
    const double groesste = Groesse(o, GroessenAnzahl(o).value_or(1) - 1);
    if (b.minimum > 0) {
        const std::string n = anzahl(b.minimum, lang), c = kurz(*o.sheet.capMinPf, sep);
        if (!b.groessteUeberMinimum)
            teil(kGrundMinimumAlle, {n, c, to});
        else if (*b.groessteUeberMinimum < groesste)
            teil(kGrundMinimum, {n, c, to, kurz(*b.groessteUeberMinimum, sep)});
        else
            teil(kGrundMinimumAb, {n, c, to, kurz(b.kleinsteUnterMinimum.value_or(groesste), sep)});
    }
    if (b.maximum > 0) {
        const std::string n = anzahl(b.maximum, lang), c = kurz(*o.sheet.capMaxPf, sep);
        if (!b.kleinsteUnterMaximum)
            teil(kGrundMaximumAlle, {n, c, from});
        else if (*b.kleinsteUnterMaximum > o.sizeMinM)
            teil(kGrundMaximum, {n, c, from, kurz(*b.kleinsteUnterMaximum, sep)});
        else
            teil(kGrundMaximumBis, {n, c, from, kurz(b.groessteUeberMaximum.value_or(o.sizeMinM), sep)});
    }
    if (e.excluded[4] > 0 && b.kleinsteSpannung && o.sheet.capVPeakV) {
        // The peak voltage grows with the square root of the power (V = sqrt(2 P / R) X, as
        // the sheet computes it): the lowest of them stays at the rating below
        // P (rating / V)^2, rounded down to 0.1 W, below 1 W to 1 mW, and below 1 mW
        // to its first digit (never "at most 0.0 W").
        constexpr double kZehntelJeWatt = 10, kMilliwattJeWatt = 1000;
        const double rating = *o.sheet.capVPeakV, power = StrikteZahl(o.power).value_or(0);
        const double exakt = power * (rating / *b.kleinsteSpannung) * (rating / *b.kleinsteSpannung);
        const double teiler =
            exakt >= 1 ? kZehntelJeWatt : std::max(kMilliwattJeWatt, std::pow(10.0, std::ceil(-std::log10(exakt))));
        const double keeps = std::floor(exakt * teiler) / teiler;
        teil(kGrundSpannung, {anzahl(e.excluded[4], lang), kurz(rating, sep), FormatZahl(*b.kleinsteSpannung, "0", sep),
                              FormatZahl(keeps, exakt >= 1 ? "0.0" : "0.0###############", sep)});
    }
    std::string out = kKeine.mit(lang, e.evaluated, ganz(e.evaluated));
    for (std::size_t i = 0; i < teile.size(); ++i) out += (i ? std::string(kZwischen.in(lang)) : "") + teile[i];
    // A refusal quoted last ("... incomplete input!") already ends the sentence.
    return out.ends_with('!') ? out : out + '.';
}

}  // namespace ringfeld::finder
