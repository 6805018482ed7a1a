// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "input_rules.h"

#include <cmath>

#include "checked_math.h"
#include "materials.h"
#include "number_format.h"
#include "text_zu_zahl.h"

namespace ringfeld {
namespace {

// The window works with this decimal literal, not the full double value of pi.
constexpr double kPi = 3.14159265358979;

struct Laengen {
    float L, d, N;
};

std::optional<Laengen> leseLaengen(std::string_view text8, std::string_view text3, std::string_view text4) {
    try {
        return Laengen{checked::single(TextZuZahl(text8)), checked::single(TextZuZahl(text3)),
                       checked::single(TextZuZahl(text4))};
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

std::optional<SpulenFolge> spulenRegel(std::string_view text8, std::string_view text3, std::string_view text4,
                                       bool windungenGeaendert, std::string_view sep) {
    auto werte = leseLaengen(text8, text3, text4);
    if (!werte) return std::nullopt;
    const auto [L, d, N] = *werte;

    SpulenFolge out{N > 1, std::nullopt};
    float minimum;
    if (N <= 1) {
        minimum = d;
        if (windungenGeaendert) out.text8 = FormatZahl(d, muster::Prozent, sep);
    } else {
        minimum = (N - 1.0f) * d + 1.0f;
        if (!std::isfinite(minimum)) return std::nullopt;
    }
    if (L < minimum) out.text8 = FormatZahl(minimum, muster::Prozent, sep);
    return out;
}

std::optional<double> zahl(std::string_view text) {
    try {
        return TextZuZahl(text);
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

// The shape entries of the three languages and the caption of Text1's label for each.
struct Form {
    std::string_view text, caption;
    bool kreis;
};
constexpr Form kFormen[] = {
    {"Kreis", "Durchmesser:", true},          {"circulaire", "Diamètre:", true},
    {"Circle", "Diameter:", true},            {"Quadrat", "Seitenlänge:", false},
    {"carrée", "longueur d'un côté:", false}, {"Square", "Side-length:", false},
};

}  // namespace

std::optional<UmfangFolge> UmfangAusDurchmesser(std::string_view text1, std::string_view shape,
                                                std::string_view sep) {
    auto D = zahl(text1);
    if (!D) return std::nullopt;
    const double umfang = *D * (IstKreis(shape) ? kPi : 4.0);
    if (!std::isfinite(umfang)) return std::nullopt;
    return UmfangFolge{umfang, FormatZahl(umfang, muster::Ohm, sep)};
}

std::optional<UmfangFolge> DurchmesserAusUmfang(std::string_view text2, std::string_view shape,
                                                std::string_view sep) {
    auto umfang = zahl(text2);
    if (!umfang) return std::nullopt;
    const double D = *umfang / (IstKreis(shape) ? kPi : 4.0);
    return UmfangFolge{*umfang, FormatZahl(D, muster::Ohm, sep)};
}

std::optional<FormFolge> FormWechsel(std::string_view text2, std::string_view shape, std::string_view sep) {
    auto umfang = zahl(text2);
    if (!umfang) return std::nullopt;
    FormFolge out{*umfang, std::nullopt, std::nullopt};
    for (const auto& form : kFormen) {
        if (form.text != shape) continue;
        out.label1 = std::string(form.caption);
        out.text1 = FormatZahl(*umfang / (form.kreis ? kPi : 4.0), muster::Seite, sep);
    }
    return out;
}

std::optional<std::string_view> FormBeschriftung(std::string_view shape) {
    for (const auto& form : kFormen)
        if (form.text == shape) return form.caption;
    return std::nullopt;
}

std::optional<SpulenFolge> SpulenlaengeNachWindungen(std::string_view text8, std::string_view text3,
                                                     std::string_view text4, std::string_view sep) {
    return spulenRegel(text8, text3, text4, true, sep);
}

std::optional<SpulenFolge> SpulenlaengeNachLeiter(std::string_view text8, std::string_view text3,
                                                  std::string_view text4, std::string_view sep) {
    return spulenRegel(text8, text3, text4, false, sep);
}

}  // namespace ringfeld
