// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "presentation/exposure_inputs.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"
#include "text/length_texts.h"
#include "text/number_format.h"
#include "text/strict_number.h"
#include "text/text_lines.h"

namespace ringfeld::exposure {
namespace {

constexpr int kMostDecimals = 12;

template <typename T, typename Key>
std::optional<T> known(const KeyTexts& texts, std::string_view key, Key fromKey) {
    const auto it = texts.find(key);
    return it == texts.end() ? std::nullopt : fromKey(it->second);
}

// Why a place's distance cannot be used, with the search's range in `units`.
std::string OrtGrund(Language lang, Units units) {
    const double factor = UnitOf(LengthQuantity::Distance, units).engineUnits;
    const std::string_view sep = Dezimaltrenner(lang);
    return MitWerten(texte::kOrtGrund.in(lang),
                     {Signifikant(kNearestM / factor, sep), Signifikant(kFarthestM / factor, sep),
                      UnitCaption(LengthQuantity::Distance, units, lang)});
}

}  // namespace

std::optional<std::size_t> ModeIndex(std::string_view key) {
    for (std::size_t i = 0; i < kModeFactors.size(); ++i)
        if (kModeFactors[i].key == key) return i;
    return std::nullopt;
}

KeyTexts ZuSchluesseln(const Eingaben& e) {
    KeyTexts out{{std::string(kKeyMode), e.mode},
                 {std::string(kKeyModeFactor), e.modeFactor},
                 {std::string(kKeyTxShare6), e.txShare6},
                 {std::string(kKeyTxShare30), e.txShare30},
                 {std::string(kKeyStandard), std::string(StandardKey(e.standard))},
                 {std::string(kKeyPopulation), std::string(PopulationKey(e.population))},
                 {std::string(kKeyCurrentSource), std::string(CurrentSourceKey(e.source))},
                 {std::string(kKeyIcnirp2010With1998), e.icnirp2010With1998 ? "true" : "false"}};
    std::string places;
    for (const OrtEingabe& p : e.places) places += (places.empty() ? "" : "\n") + p.name + '=' + p.metres;
    out.emplace(kKeyPlaces, places);
    for (const StationField& f : kStationFields)
        out.emplace(std::string(kKeyStationPrefix) + std::string(f.key), e.station.*f.text);
    return out;
}

Eingaben AusSchluesseln(const KeyTexts& texts, Eingaben e) {
    if (auto mode = texts.find(kKeyMode); mode != texts.end() && (mode->second == kOwnMode || ModeIndex(mode->second)))
        e.mode = mode->second;
    if (auto f = texts.find(kKeyModeFactor); f != texts.end()) e.modeFactor = f->second;
    if (auto s = texts.find(kKeyTxShare); s != texts.end()) e.txShare6 = e.txShare30 = s->second;
    if (auto s = texts.find(kKeyTxShare6); s != texts.end()) e.txShare6 = s->second;
    if (auto s = texts.find(kKeyTxShare30); s != texts.end()) e.txShare30 = s->second;
    if (auto p = texts.find(kKeyPlaces); p != texts.end()) {
        e.places.clear();
        std::string_view rest = p->second;
        while (!rest.empty()) {
            const std::string_view line = rest.substr(0, rest.find('\n'));
            rest.remove_prefix(std::min(rest.size(), line.size() + 1));
            const std::size_t equals = line.rfind('=');
            if (equals == std::string_view::npos) continue;  // not written by this program
            e.places.push_back({std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))});
        }
    }
    for (const StationField& f : kStationFields)
        if (auto t = texts.find(std::string(kKeyStationPrefix) + std::string(f.key)); t != texts.end())
            e.station.*f.text = t->second;
    if (auto s = known<Standard>(texts, kKeyStandard, [](const std::string& t) { return StandardFromKey(t); }))
        e.standard = *s;
    if (auto p = known<Population>(texts, kKeyPopulation, [](const std::string& t) { return PopulationFromKey(t); }))
        e.population = *p;
    if (auto c =
            known<CurrentSource>(texts, kKeyCurrentSource, [](const std::string& t) -> std::optional<CurrentSource> {
                for (CurrentSource s : {CurrentSource::Model, CurrentSource::Measured})
                    if (CurrentSourceKey(s) == t) return s;
                return std::nullopt;
            }))
        e.source = *c;
    if (auto c = texts.find(kKeyIcnirp2010With1998); c != texts.end() && (c->second == "true" || c->second == "false"))
        e.icnirp2010With1998 = c->second == "true";
    return e;
}

GeleseneEingaben LiesEingaben(const Eingaben& e, Language lang, Units units) {
    GeleseneEingaben out;
    const auto factor = StrikteZahl(e.modeFactor);
    const auto share6 = StrikteZahl(e.txShare6);
    const auto share30 = StrikteZahl(e.txShare30);
    const auto percent = [](const std::optional<double>& v) {
        return v && *v >= 0 && *v <= constants::kPercentPerUnit;
    };
    if (!factor || !(*factor >= 0 && *factor <= 1)) out.factorReason = std::string(texte::kFaktorGrund.in(lang));
    if (!percent(share6)) out.shareReason6 = std::string(texte::kAnteilGrund.in(lang));
    if (!percent(share30)) out.shareReason30 = std::string(texte::kAnteilGrund.in(lang));
    if (out.factorReason.empty() && out.shareReason6.empty() && out.shareReason30.empty())
        out.settings = Settings{.modeFactor = *factor,
                                .share6min = *share6 / constants::kPercentPerUnit,
                                .share30min = *share30 / constants::kPercentPerUnit,
                                .source = e.source,
                                .icnirp2010With1998 = e.icnirp2010With1998 && e.standard == Standard::Icnirp1998};
    for (const OrtEingabe& p : e.places) {
        const auto m = LengthFromText(p.metres, LengthQuantity::Distance, units);
        const bool usable = m && *m >= kNearestM && *m <= kFarthestM;
        out.placeReasons.push_back(usable ? std::string() : OrtGrund(lang, units));
        if (usable) out.places.push_back({p.name, *m});
    }
    return out;
}

Eingaben OrteIn(Eingaben e, Units from, Units to, std::string_view sep) {
    for (OrtEingabe& p : e.places)
        p.metres = to == Units::Metric ? MetricText(p.metres, LengthQuantity::Distance, from)
                                       : LengthTextIn(p.metres, LengthQuantity::Distance, from, to, sep);
    return e;
}

std::optional<NamedDistance> LiesOrt(std::string_view text, Units units) {
    const std::size_t equals = text.rfind('=');
    const auto metres = LengthFromText(equals == std::string_view::npos ? text : text.substr(equals + 1),
                                       LengthQuantity::Distance, units);
    if (!metres || !(*metres >= kNearestM && *metres <= kFarthestM)) return std::nullopt;
    if (equals == std::string_view::npos) return NamedDistance{{}, *metres};
    std::string_view name = text.substr(0, equals);
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
    return NamedDistance{std::string(name), *metres};
}

std::string Signifikant(double value, std::string_view sep, int digits) {
    if (value == 0 || !std::isfinite(value)) return FormatZahl(value, "0", sep);
    const int whole = static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int decimals = std::clamp(digits - 1 - whole, 0, kMostDecimals);
    std::string pattern = "0";
    if (decimals > 0) pattern += '.' + std::string(static_cast<std::size_t>(decimals), '#');
    std::string text = FormatZahl(value, pattern, sep);
    // No fraction left: no separator either.
    if (text.size() > sep.size() && text.ends_with(sep)) text.resize(text.size() - sep.size());
    return text;
}

std::string ModellText(Language lang, Units units) {
    return MitWert(texte::kModell.in(lang), texte::kRundung.in(units).in(lang));
}

std::string MeterText(double metres, Units units, std::string_view sep) {
    return LengthText(metres, LengthQuantity::Distance, units, sep);
}

std::string AbstandZahl(const Distance& d, Language lang, Units units, std::string_view sep) {
    switch (d.bound) {
        case Bound::LessThan1cm: return std::string(texte::kUnter1cm.in(lang));
        case Bound::MoreThan10km: return std::string(texte::kUeber10km.in(lang));
        case Bound::Within: break;
    }
    if (units == Units::Metric) return MeterText(RoundOutwardsToCm(d.metres), units, sep);
    return LengthTextOutwards(d.metres, LengthQuantity::Distance, units, sep);
}

std::string AbstandText(const Distance& d, Language lang, Units units, std::string_view sep) {
    const std::string zahl = AbstandZahl(d, lang, units, sep);
    return d.bound == Bound::Within ? zahl + " " + std::string(UnitCaption(LengthQuantity::Distance, units, lang))
                                    : zahl;
}

std::string ProzentText(double percent, std::string_view sep) {
    constexpr double kTenths = 10;
    return FormatZahl(std::ceil(percent * kTenths) / kTenths, "0.0", sep);
}

std::string OrtMitAbstand(const NamedDistance& place, Language lang, Units units, std::string_view sep) {
    const std::string distance = MeterText(place.metres, units, sep);
    const std::string_view unit = UnitCaption(LengthQuantity::Distance, units, lang);
    if (place.name.find_first_not_of(" \t") != std::string::npos)
        return MitWerten(texte::kOrtMitAbstand.in(lang), {place.name, distance, unit});
    return MitWerten(texte::kOrtOhneName.in(lang), {distance, unit});
}

std::string OrtUrteil(const NamedDistance& place, const PlaceCheck& check, Standard standard, Population population,
                      Language lang, Units units, std::string_view sep) {
    if (!check.hasLimits) return {};
    const std::string norm =
        std::string(StandardName(standard, lang)) + ", " + std::string(PopulationName(population, lang));
    std::string out = MitWerten(texte::kOrtUrteil.in(lang),
                                {OrtMitAbstand(place, lang, units, sep), norm, ProzentText(check.worstPercent, sep),
                                 texte::ComponentText(check.worst).in(lang),
                                 (check.within ? texte::kEingehalten : texte::kUeberschritten).in(lang)});
    if (check.nearConductor) out += "; " + std::string(texte::kOrtNah.in(lang));
    return out;
}

std::string GroessterAbstand(const WorstCase& worst, Language lang, Units units, std::string_view sep) {
    const std::string by = std::string(texte::ComponentText(worst.governing).in(lang)) + ", " +
                           std::string(texte::TableTexte(worst.table).name.in(lang));
    return MitWerten(texte::kGroessterAbstand.in(lang), {AbstandText(worst.safety, lang, units, sep),
                                                         FormatZahl(worst.frequencyMHz, "0.0#####", sep), by});
}

std::string TabellenMittelung(Standard standard, Population population, double frequencyMHz, bool icnirp2010With1998,
                              Language lang) {
    std::string out;
    for (LimitTable table : TablesOf(standard, icnirp2010With1998)) {
        const auto limits = LimitsAt(table, population, frequencyMHz);
        if (!limits) continue;
        out += (out.empty() ? "" : "; ") +
               MitWerten(texte::kTabelleMittelung.in(lang),
                         {texte::TableTexte(table).name.in(lang), texte::MittelungText(limits->averaging).in(lang)});
    }
    return out;
}

std::string Icnirp2010Satz(Standard standard, const Settings& settings, Language lang) {
    if (standard != Standard::Icnirp1998 || !settings.icnirp2010With1998) return {};
    return std::string(texte::kMitIcnirp2010Geprueft.in(lang));
}

std::string FlagsText(unsigned flags, Language lang) {
    std::string out;
    for (const auto& e : texte::kFlagTexte)
        if (flags & e.flag) out += (out.empty() ? "" : "; ") + std::string(e.text.in(lang));
    return out;
}

}  // namespace ringfeld::exposure
