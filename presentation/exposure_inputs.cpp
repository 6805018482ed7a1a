// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "presentation/exposure_inputs.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"
#include "text/number_format.h"
#include "text/strict_number.h"

namespace ringfeld::exposure {
namespace {

constexpr Muster kMeter{"0.00"};  // a distance to the centimetre
constexpr int kMostDecimals = 12;

template <typename T, typename Key>
std::optional<T> known(const KeyTexts& texts, std::string_view key, Key fromKey) {
    const auto it = texts.find(key);
    return it == texts.end() ? std::nullopt : fromKey(it->second);
}

}  // namespace

std::optional<std::size_t> ModeIndex(std::string_view key) {
    for (std::size_t i = 0; i < kModeFactors.size(); ++i)
        if (kModeFactors[i].key == key) return i;
    return std::nullopt;
}

KeyTexts ZuSchluesseln(const Eingaben& e) {
    return {{std::string(kKeyMode), e.mode},
            {std::string(kKeyModeFactor), e.modeFactor},
            {std::string(kKeyTxShare), e.txShare},
            {std::string(kKeyStandard), std::string(StandardKey(e.standard))},
            {std::string(kKeyPopulation), std::string(PopulationKey(e.population))},
            {std::string(kKeyCurrentSource), std::string(CurrentSourceKey(e.source))}};
}

Eingaben AusSchluesseln(const KeyTexts& texts, Eingaben e) {
    if (auto mode = texts.find(kKeyMode); mode != texts.end() && (mode->second == kOwnMode || ModeIndex(mode->second)))
        e.mode = mode->second;
    if (auto f = texts.find(kKeyModeFactor); f != texts.end()) e.modeFactor = f->second;
    if (auto s = texts.find(kKeyTxShare); s != texts.end()) e.txShare = s->second;
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
    return e;
}

GeleseneEingaben LiesEingaben(const Eingaben& e, Language lang) {
    GeleseneEingaben out;
    const auto factor = StrikteZahl(e.modeFactor);
    const auto share = StrikteZahl(e.txShare);
    if (!factor || !(*factor >= 0 && *factor <= 1)) out.factorReason = std::string(texte::kFaktorGrund.in(lang));
    if (!share || !(*share >= 0 && *share <= constants::kPercentPerUnit))
        out.shareReason = std::string(texte::kAnteilGrund.in(lang));
    if (out.factorReason.empty() && out.shareReason.empty())
        out.settings = Settings{*factor, *share / constants::kPercentPerUnit, e.source};
    return out;
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

std::string MeterText(double metres, std::string_view sep) { return FormatZahl(metres, kMeter, sep); }

std::string AbstandZahl(const Distance& d, Language lang, std::string_view sep) {
    switch (d.bound) {
        case Bound::LessThan1cm: return std::string(texte::kUnter1cm.in(lang));
        case Bound::MoreThan10km: return std::string(texte::kUeber10km.in(lang));
        case Bound::Within: break;
    }
    return MeterText(d.metres, sep);
}

std::string AbstandText(const Distance& d, Language lang, std::string_view sep) {
    return d.bound == Bound::Within ? MeterText(d.metres, sep) + " m" : AbstandZahl(d, lang, sep);
}

std::string FlagsText(unsigned flags, Language lang) {
    std::string out;
    for (const auto& e : texte::kFlagTexte)
        if (flags & e.flag) out += (out.empty() ? "" : "; ") + std::string(e.text.in(lang));
    return out;
}

}  // namespace ringfeld::exposure
