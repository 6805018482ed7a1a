// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/ankopplung_rechnen.h"

#include "core/checked_math.h"
#include "text/language.h"
#include "text/text_lines.h"
#include "text/number_format.h"
#include "text/text_zu_zahl.h"

namespace ringfeld {
namespace {

std::string zusatzText(Language lang, const std::string& F, const std::string& nl) {
    switch (lang) {
        case Language::German:
            return ZeilenVerbinden({"Es kann aber sein dass die Frequenz schon zu tief  ",
                         "ist und die Ankopplungsschleife einen Umfang von  ",
                         "etwa " + F + " haben muss oder eine andere  ", "Ankopplungsart sinnvoller ist.  "}, nl);
        case Language::French:
            return ZeilenVerbinden({"Il est cependant  possible que la fréquence soit déjà trop basse ",
                         "et que la boucle de couplage devrait avoir un périmètre  ",
                         "de " + F + " ou qu'un autre type ", "de couplage soit plus approprié.  "}, nl);
        case Language::English:
            return ZeilenVerbinden({"the frequency is to low ? ", "the coupling loop needo a circimstance aof about  ",
                         F + ". A different method ", "of coupling migth be more useful.  "}, nl);
        case Language::None: break;
    }
    return {};
}

Meldung bereichMeldung(Language lang, const std::string& zusatz, const std::string& nl) {
    std::string advice, title;
    switch (lang) {
        case Language::German:
            advice = ZeilenVerbinden({"Die Berechnung bitte immer bei der tiefsten,",
                           "maximal bei einer mittleren Frequenz durchführen. "}, nl);
            title = "Ankoppelschleife nicht genau berechenbar ";
            break;
        case Language::French:
            advice = ZeilenVerbinden({"Le calcul de la boucle de couplage doit toujours ",
                           "se faire sur la fréquence d'utilisation la plus basse, ",
                           "ou au maximum sur une fréquence médiane. "}, nl);
            title = "La boucle de couplage de peut pas être definie avec exactitude ";
            break;
        case Language::English:
            advice = ZeilenVerbinden({"The calculation please always with the deepest, ",
                           "enforces at most with a middle frequency. "}, nl);
            title = "Coupling loop cannot be exactly calculated. ";
            break;
        case Language::None: break;
    }
    return Meldung{advice + nl + nl + zusatz, title, BoxIcon::Information};
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

AnkopplungAusgang AnkopplungRechnen(std::string_view ratioText, const DesignRecord& rec, std::string_view sep) {
    static constexpr Tri kKeineLoop{
        "Es wurde noch keine Loop berechnet.\r\nBitte zuerst die Loop berechnen.",
        "Aucune Loop n'a encore été calculée.\r\nVeuillez d'abord calculer la Loop.",
        "No loop has been calculated yet.\r\nPlease calculate the loop first."};
    static constexpr Tri kVerhaeltnis{"Das Verhältnis muss eine Zahl größer als 0 sein.",
                                      "Le rapport doit être un nombre supérieur à 0.",
                                      "The ratio must be a number greater than 0."};
    static constexpr Tri kNichtBerechenbar{
        "Mit diesen Werten lässt sich keine Ankoppelschleife berechnen.",
        "Avec ces valeurs, la boucle de couplage ne peut pas être calculée.",
        "No coupling loop can be calculated from these values."};

    float k = 0;
    try {
        k = checked::single(TextZuZahl(ratioText));
    } catch (const ArithmeticFault&) {
        k = 0;
    }
    const Kopplung kopplung = KopplungBerechnen(k, rec);
    AnkopplungAusgang out;
    if (kopplung.grund) {
        const Tri& text = *kopplung.grund == KopplungsGrund::KeineLoop     ? kKeineLoop
                          : *kopplung.grund == KopplungsGrund::Verhaeltnis ? kVerhaeltnis
                                                                            : kNichtBerechenbar;
        out.meldung = ablehnung(rec, text);
        return out;
    }
    const float Uk = kopplung.umfangCm, Lka = kopplung.lkaCm;
    const float lkaDoppelt = 2.0f * Lka;
    out.umfangCm = Uk;
    out.lkaCm = Lka;
    out.resonanzOhm = kopplung.resonanzOhm;

    const float umfangM = Uk / 100.0f;
    if (kopplung.art == KopplungsArt::Normal) {
        out.art = KopplungsArt::Normal;
        out.zusatzhinweis = std::string();
        out.label2 = FormatZahl(umfangM, muster::Ohm, sep);
        out.label4 = FormatZahl(Lka / 100.0f, muster::Ohm, sep);
        out.druckFreigeben = true;
        return out;
    }

    // The range up to twice the contact length.
    out.art = KopplungsArt::Bereich;
    out.label2 = FormatZahl(umfangM, muster::Ohm, sep) + " - " + FormatZahl(lkaDoppelt / 100.0f, muster::Ohm, sep);
    const Language lang = SpracheVon(rec.Sprache);
    if (lang == Language::None) {
        out.hinweisZeigen = true;
        return out;
    }
    out.zusatzhinweis = zusatzText(lang, FormatZahl(lkaDoppelt, muster::Zentimeter, sep), rec.NL);
    if (rec.Kapazitaet > 1000)
        out.meldung = bereichMeldung(lang, *out.zusatzhinweis, rec.NL);
    else
        out.hinweisZeigen = true;
    return out;
}

Meldung HinweisMeldung(const DesignRecord& rec, std::string_view zusatzhinweis) {
    const std::string& nl = rec.NL;
    Meldung out{{}, {}, BoxIcon::Information};
    switch (SpracheVon(rec.Sprache)) {
        case Language::German:
            out.title = "Ankoppelschleife berechnen ";
            out.text = ZeilenVerbinden({"Die Berechnung bitte immer bei der tiefsten,",
                             "maximal bei einer mittleren Frequenz durchführen. ", "",
                             "Die Ankoppelschleife wird abgeglichen auf der     ",
                             "höchsten Frequenz der Loop mit dem Umfang und     ",
                             "auf der tiefsten Frequenz mit der Länge, mit der  ",
                             "die Schleife an der Loop direkt anliegt (Lka). ", ""}, nl);
            break;
        case Language::French:
            out.title = "Calculer la boucle de couplage ";
            out.text = ZeilenVerbinden({"Le calcul de la boucle de couplage doit toujours ",
                             "se faire sur la fréquence d'utilisation la plus basse,",
                             "ou au maximum sur une fréquence médiane.", "",
                             "L'ajustement de la boucle de couplage est défini par ",
                             "son périmètre qui est ajusté sur la fréquence",
                             "d'utilisation la plus élevée et puis par sa longueur (Lccp),  ",
                             "partie en contact direct avec la Loop, qui est",
                             "ajustée sur la fréquence d'utilisation la plus basse.", ""}, nl);
            break;
        case Language::English:
            out.title = "coupling loop Calkulator ";
            out.text = ZeilenVerbinden({"The calculation please always with the deepest,",
                             "enforces at most with a middle frequency. ", "",
                             "The Coupling loop becomes balanced Lka on the highest ",
                             "frequency of the Loop with the scope and on the deepest  ",
                             "frequency with the length, with which the bow lies ", "flat directly on the Loop. ", ""},
                            nl);
            break;
        case Language::None: break;
    }
    if (!zusatzhinweis.empty()) {
        out.text += nl;
        out.text += zusatzhinweis;
    }
    return out;
}

}  // namespace ringfeld
