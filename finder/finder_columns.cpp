// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "finder/finder_columns.h"

#include <cmath>

#include "text/length_texts.h"
#include "text/list_texts.h"

namespace ringfeld::finder {
namespace {

std::string mitTrenner(std::string text, std::string_view sep) {
    if (const auto point = text.find('.'); point != std::string::npos) text.replace(point, 1, sep);
    return text;
}

}  // namespace

std::string ZellenText(const FinderSpalte& spalte, const Entwurf& e, Language lang, Units units, std::string_view sep) {
    if (spalte.length && units != Units::Metric)
        return std::isfinite(spalte.wert(e)) ? LengthText(spalte.wert(e), *spalte.length, units, sep) : std::string();
    switch (spalte.art) {
        case SpaltenArt::Form:
            for (const FormEintrag& f : kFormListe)
                if (f.form == e.form) return std::string(f.text.in(lang));
            return {};
        case SpaltenArt::Material:
            for (const MaterialEintrag& m : kMaterialListe)
                if (m.material == e.material) return std::string(m.text.in(lang));
            return {};
        case SpaltenArt::Ganz:
        case SpaltenArt::Kurz: return mitTrenner(KurzText(spalte.wert(e)), sep);
        case SpaltenArt::Rand:
            return spalte.wert(e) > 0   ? std::string(texte::kRandGroesste.in(lang))
                   : spalte.wert(e) < 0 ? std::string(texte::kRandKleinste.in(lang))
                                        : std::string();
        case SpaltenArt::Zahl: {
            if (!std::isfinite(spalte.wert(e))) return {};
            // "0.00": a fixed number of decimals, as the tuning sheet's text table writes them.
            std::string pattern = "0";
            if (spalte.decimals > 0) pattern += '.' + std::string(static_cast<std::size_t>(spalte.decimals), '0');
            if (spalte.wert(e) < 0) pattern += ";-" + pattern;
            return FormatZahl(spalte.wert(e), pattern, sep);
        }
    }
    return {};
}

std::string_view SpaltenEinheit(const FinderSpalte& spalte, Units units, Language lang) {
    return spalte.length ? UnitCaption(*spalte.length, units, lang) : spalte.text.unit;
}

std::string SpaltenKopf(const FinderSpalte& spalte, Units units, Language lang) {
    return WithUnit(spalte.text.heading.in(lang), spalte.length.value_or(LengthQuantity::LoopSize), units, lang);
}

}  // namespace ringfeld::finder
