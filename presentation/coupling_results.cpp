// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "presentation/coupling_results.h"

#include "core/checked_math.h"
#include "text/catalog/coupling_texts.h"
#include "text/language.h"
#include "text/length_texts.h"
#include "text/number_format.h"
#include "text/text_lines.h"
#include "text/text_zu_zahl.h"

namespace ringfeld {
namespace {

Meldung bereichMeldung(Language lang, const std::string& zusatz, const std::string& nl) {
    return Meldung{ZeilenVerbinden(texte::kBereichRat.in(lang), nl) + nl + nl + zusatz,
                   std::string(texte::kBereichTitel.in(lang)), BoxIcon::Information};
}

Meldung ablehnung(const DesignRecord& rec, Tri text) {
    return Meldung{std::string(text.in(SpracheVon(rec.Sprache))), rec.FehlerTitel, BoxIcon::Exclamation};
}

}  // namespace

std::optional<ResonanzText> ResonanzwiderstandAnzeigen(const DesignRecord& rec, std::string_view sep) {
    const auto R = Resonanzwiderstand(rec);
    if (!R) return std::nullopt;
    const float Rk = *R / 1000.0f;
    if (Rk > 100) return ResonanzText{FormatZahl(Rk, muster::KapazitaetKlein, sep), "kOhm"};
    if (Rk > 10) return ResonanzText{FormatZahl(Rk, muster::Prozent, sep), "kOhm"};
    if (Rk > 1) return ResonanzText{FormatZahl(Rk, muster::Kiloohm, sep), "kOhm"};
    if (*R > 0) return ResonanzText{FormatZahl(*R, muster::KapazitaetKlein, sep), "Ohm"};
    return std::nullopt;
}

KopplungsLaengen KopplungsLaengenText(KopplungsArt art, float umfangCm, float lkaCm, Units units,
                                      std::string_view sep) {
    // Metres as the window has always shown them, or the units chosen.
    auto laenge = [&](float cm) {
        if (units == Units::Metric) return FormatZahl(cm / 100.0f, muster::Ohm, sep);
        return LengthText(cm, LengthQuantity::Coupling, units, sep);
    };
    if (art == KopplungsArt::Normal) return {laenge(umfangCm), laenge(lkaCm)};
    return {laenge(umfangCm) + " - " + laenge(2.0f * lkaCm), std::nullopt};
}

AnkopplungAusgang AnkopplungRechnen(std::string_view ratioText, const DesignRecord& rec, std::string_view sep) {
    float k = 0;
    try {
        k = checked::single(TextZuZahl(ratioText));
    } catch (const ArithmeticFault&) {
        k = 0;
    }
    const Kopplung kopplung = KopplungBerechnen(k, rec);
    AnkopplungAusgang out;
    if (kopplung.grund) {
        const Tri& text = *kopplung.grund == KopplungsGrund::KeineLoop     ? texte::kKeineLoop
                          : *kopplung.grund == KopplungsGrund::Verhaeltnis ? texte::kVerhaeltnisUngueltig
                                                                           : texte::kKopplungNichtBerechenbar;
        out.meldung = ablehnung(rec, text);
        return out;
    }
    const float Uk = kopplung.umfangCm, Lka = kopplung.lkaCm;
    const float lkaDoppelt = 2.0f * Lka;
    out.umfangCm = Uk;
    out.lkaCm = Lka;
    out.resonanzOhm = kopplung.resonanzOhm;

    const KopplungsLaengen laengen = KopplungsLaengenText(kopplung.art, Uk, Lka, rec.Einheiten, sep);
    out.label2 = laengen.label2;
    if (kopplung.art == KopplungsArt::Normal) {
        out.art = KopplungsArt::Normal;
        out.zusatzhinweis = std::string();
        out.label4 = laengen.label4;
        out.druckFreigeben = true;
        return out;
    }

    // The range up to twice the contact length.
    out.art = KopplungsArt::Bereich;
    const Language lang = SpracheVon(rec.Sprache);
    if (lang == Language::None) {
        out.hinweisZeigen = true;
        return out;
    }
    const std::string doppelt = rec.Einheiten == Units::Metric
                                    ? FormatZahl(lkaDoppelt, muster::Zentimeter, sep)
                                    : LengthText(lkaDoppelt, LengthQuantity::Coupling, rec.Einheiten, sep) + " " +
                                          std::string(UnitCaption(LengthQuantity::Coupling, rec.Einheiten, lang));
    out.zusatzhinweis = ZeilenVerbinden(MitWert(texte::kBereichZusatz.in(lang), doppelt), rec.NL);
    if (rec.Kapazitaet > 1000)
        out.meldung = bereichMeldung(lang, *out.zusatzhinweis, rec.NL);
    else
        out.hinweisZeigen = true;
    return out;
}

Meldung HinweisMeldung(const DesignRecord& rec, std::string_view zusatzhinweis) {
    const std::string& nl = rec.NL;
    const Language lang = SpracheVon(rec.Sprache);
    Meldung out{ZeilenVerbinden(texte::kHinweis.in(lang), nl), std::string(texte::kHinweisTitel.in(lang)),
                BoxIcon::Information};
    if (!zusatzhinweis.empty()) {
        out.text += nl;
        out.text += zusatzhinweis;
    }
    return out;
}

}  // namespace ringfeld
