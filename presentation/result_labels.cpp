// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "presentation/result_labels.h"

#include "text/catalog/main_texts.h"
#include "text/number_format.h"
#include "text/text_zu_zahl.h"

namespace ringfeld {
namespace {

// The unit and precision switches test the text actually shown, not the value.
bool liestSichAlsNull(const std::string& shown) { return TextZuZahl(shown) == 0; }

std::string strahlungText(double rr, std::string_view sep) {
    std::string text = FormatZahl(rr, muster::Ohm, sep);
    if (liestSichAlsNull(text)) text = FormatZahl(rr * 1000, muster::Milliohm, sep);
    return text;
}

std::string wirkungsgradText(double eta, double prozent, std::string_view sep) {
    if (eta >= 0.1) return FormatZahl(prozent, muster::Prozent, sep);
    std::string text = FormatZahl(prozent, muster::ProzentKlein, sep);
    if (liestSichAlsNull(text)) text = FormatZahl(prozent, muster::ProzentFein, sep);
    return text;
}

}  // namespace

Darstellung ErgebnisDarstellen(const LoopWerte& w, Language lang, std::string_view sep) {
    Darstellung out;
    auto set = [&](ResultLabel label, std::string text) {
        out.texte[static_cast<std::size_t>(label)] = std::move(text);
    };
    if (w.lambdaAnteil) set(ResultLabel::lbLamda, FormatZahl(*w.lambdaAnteil, muster::Lamda, sep));
    if (w.induktivitaet) set(ResultLabel::lbInduktivitaet, FormatZahl(*w.induktivitaet, muster::Induktivitaet, sep));
    if (w.kapazitaet) {
        const double c = *w.kapazitaet;
        std::string text = FormatZahl(c, c < 1000 ? muster::KapazitaetKlein : muster::KapazitaetGross, sep);
        if (lang != Language::None) out.tooltipC = std::string(texte::kTooltipKondensator.in(lang)) + text + " pF ";
        set(ResultLabel::lbC, std::move(text));
    }
    if (w.eigenkapazitaet) {
        const double cl = *w.eigenkapazitaet;
        set(ResultLabel::lbCL, FormatZahl(cl, cl < 100 ? muster::KapazitaetKlein : muster::EigenkapazitaetGross, sep));
    }
    if (w.strahlung) set(ResultLabel::lbRr, strahlungText(*w.strahlung, sep));
    if (w.verlust) set(ResultLabel::lbRv, FormatZahl(*w.verlust, muster::Induktivitaet, sep));
    if (w.wirkungsgrad && w.prozent) set(ResultLabel::lbEta, wirkungsgradText(*w.wirkungsgrad, *w.prozent, sep));
    if (w.gewinn) set(ResultLabel::lbGewinn, FormatZahl(*w.gewinn, muster::Gewinn, sep));
    if (w.guete) set(ResultLabel::lbKu, FormatZahl(*w.guete, muster::Guete, sep));
    if (w.bandbreite) set(ResultLabel::lbB, FormatZahl(*w.bandbreite, muster::Guete, sep));
    if (w.spannung) set(ResultLabel::lbUc, FormatZahl(*w.spannung, muster::Ohm, sep));
    return out;
}

}  // namespace ringfeld
