// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/input_rules.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/shapes.h"
#include "core/constants.h"
#include "text/length_texts.h"
#include "text/list_texts.h"
#include "text/loop_fields.h"
#include "text/number_format.h"
#include "text/text_zu_zahl.h"

namespace ringfeld {
namespace {

struct Laengen {
    float L, d, N;
};

// Coil length and conductor in mm, whatever units they were typed in.
std::optional<Laengen> leseLaengen(std::string_view text8, std::string_view text3, std::string_view text4,
                                   Units units) {
    try {
        const auto L = LengthFromField(text8, LengthQuantity::Conductor, units);
        const auto d = LengthFromField(text3, LengthQuantity::Conductor, units);
        if (!L || !d) return std::nullopt;
        return Laengen{checked::single(*L), checked::single(*d), checked::single(TextZuZahl(text4))};
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

std::string spulenText(float mm, Units units, std::string_view sep) {
    if (units == Units::Metric) return FormatZahl(mm, muster::Prozent, sep);
    return LengthText(mm, LengthQuantity::Conductor, units, sep);
}

std::optional<SpulenFolge> spulenRegel(std::string_view text8, std::string_view text3, std::string_view text4,
                                       bool windungenGeaendert, std::string_view sep, Units units) {
    auto werte = leseLaengen(text8, text3, text4, units);
    if (!werte) return std::nullopt;
    const auto [L, d, N] = *werte;

    SpulenFolge out{N > 1, std::nullopt};
    float minimum;
    if (N <= 1) {
        minimum = d;
        if (windungenGeaendert) out.text8 = spulenText(d, units, sep);
    } else {
        minimum = (N - 1.0f) * d + 1.0f;
        if (!std::isfinite(minimum)) return std::nullopt;
    }
    if (L < minimum) out.text8 = spulenText(minimum, units, sep);
    return out;
}

// A size or circumference in the field's own unit (m or ft): diameter and
// circumference follow each other in the unit they are typed in.
std::optional<double> zahl(std::string_view text, Units units) {
    try {
        const auto value = LengthFromField(text, LengthQuantity::LoopSize, units);
        if (!value) return std::nullopt;
        return *value / UnitOf(LengthQuantity::LoopSize, units).engineUnits;
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

// The record keeps the circumference in metres.
double inMetern(double umfang, Units units) { return umfang * UnitOf(LengthQuantity::LoopSize, units).engineUnits; }

// The list entry `shape` names in any language, with the caption it gives Text1's label.
const FormEintrag* formEintrag(std::string_view shape, Language& lang) {
    for (const FormEintrag& form : kFormListe)
        for (const SprachEintrag& sprache : kSprachen)
            if (form.text.in(sprache.lang) == shape) {
                lang = sprache.lang;
                return &form;
            }
    return nullptr;
}

// Circumference over size as the loop model reckons it (the circle's 15-digit pi).
double seitenTeiler(Form form) { return ShapeOf(form).perimeterPerSize; }

}  // namespace

std::optional<UmfangFolge> UmfangAusDurchmesser(std::string_view text1, std::string_view shape, std::string_view sep,
                                                Units units) {
    auto D = zahl(text1, units);
    if (!D) return std::nullopt;
    const double umfang = *D * seitenTeiler(FormVon(shape));
    if (!std::isfinite(umfang)) return std::nullopt;
    return UmfangFolge{inMetern(umfang, units), FormatZahl(umfang, muster::Ohm, sep)};
}

std::optional<UmfangFolge> DurchmesserAusUmfang(std::string_view text2, std::string_view shape, std::string_view sep,
                                                Units units) {
    auto umfang = zahl(text2, units);
    if (!umfang) return std::nullopt;
    const double D = *umfang / seitenTeiler(FormVon(shape));
    return UmfangFolge{inMetern(*umfang, units), FormatZahl(D, muster::Ohm, sep)};
}

std::optional<FormFolge> FormWechsel(std::string_view text2, std::string_view shape, std::string_view sep,
                                     Units units) {
    auto umfang = zahl(text2, units);
    if (!umfang) return std::nullopt;
    FormFolge out{inMetern(*umfang, units), std::nullopt, std::nullopt};
    Language lang = Language::None;
    if (const FormEintrag* form = formEintrag(shape, lang)) {
        out.label1 = std::string(form->beschriftung.in(lang));
        out.text1 = FormatZahl(*umfang / seitenTeiler(form->form), muster::Seite, sep);
    }
    return out;
}

std::optional<std::string_view> FormBeschriftung(std::string_view shape) {
    Language lang = Language::None;
    if (const FormEintrag* form = formEintrag(shape, lang)) return form->beschriftung.in(lang);
    return std::nullopt;
}

std::optional<SpulenFolge> SpulenlaengeNachWindungen(std::string_view text8, std::string_view text3,
                                                     std::string_view text4, std::string_view sep, Units units) {
    return spulenRegel(text8, text3, text4, true, sep, units);
}

std::optional<SpulenFolge> SpulenlaengeNachLeiter(std::string_view text8, std::string_view text3,
                                                  std::string_view text4, std::string_view sep, Units units) {
    return spulenRegel(text8, text3, text4, false, sep, units);
}

}  // namespace ringfeld
