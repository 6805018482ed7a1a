// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "presentation/loop_rechnen.h"

#include "text/fault_text.h"
#include "text/messages.h"

namespace ringfeld {

LoopAusgang LoopRechnen(const LoopEingaben& eingaben, DesignRecord& rec, std::string_view sep) {
    return LoopRechnen(LoopLesen(eingaben), rec, sep);
}

LoopAusgang LoopRechnen(const LoopZahlen& zahlen, DesignRecord& rec, std::string_view sep) {
    const LoopErgebnis ergebnis = LoopModell(zahlen, rec);
    const Language lang = SpracheVon(rec.Sprache);

    LoopAusgang out;
    out.ending = ergebnis.ending;
    out.fault = ergebnis.fault;
    out.spulenlaengeSichtbar = ergebnis.spulenlaengeSichtbar;
    out.darstellung = ErgebnisDarstellen(ergebnis.werte, lang, sep);
    out.werte = ergebnis.werte;

    switch (ergebnis.ending) {
        case Ending::Ok: out.ankopplungFreigeben = true; return out;
        case Ending::Input:
            out.ergebnisseLoeschen = true;
            out.meldung =
                Meldung{PruefMeldung(Ending::Input, lang, false, rec.NL), rec.FehlerTitel, BoxIcon::Exclamation};
            break;
        case Ending::Length:
        case Ending::Inductance:
            out.ergebnisseLoeschen = true;
            out.meldung =
                Meldung{PruefMeldung(ergebnis.ending, lang, false, rec.NL), rec.ProgrammTitel, BoxIcon::Information};
            break;
        case Ending::Capacitance:
            // The labels it wrote say why; the others must not show a result
            // of the last design beside them.
            out.ergebnisseLoeschen = true;
            out.meldung = Meldung{PruefMeldung(Ending::Capacitance, lang, rec.Windungen > 1, rec.NL), rec.ProgrammTitel,
                                  BoxIcon::Information};
            break;
        case Ending::Fault:
            out.meldung =
                Meldung{std::string(FehlerBeschreibung(*ergebnis.fault, lang)), rec.FehlerTitel, BoxIcon::Exclamation};
            break;
    }
    out.beep = true;
    return out;
}

std::array<std::string, kResultLabelCount> AngezeigteTexte(const LoopAusgang& ausgang) {
    std::array<std::string, kResultLabelCount> shown;
    for (std::size_t i = 0; i < kResultLabelCount; ++i)
        if (ausgang.darstellung.texte[i]) shown[i] = *ausgang.darstellung.texte[i];
    return shown;
}

}  // namespace ringfeld
