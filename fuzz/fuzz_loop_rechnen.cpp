// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// LoopRechnen on nine arbitrary field texts and two arbitrary list texts, then
// the coupling calculation on the record it leaves: whatever the user typed, the
// calculation ends in one of its defined ways, shows only numbers that read
// back, keeps the record finite, and the coupling shows no NaN, no infinity and
// no negative length.
//
// Input: texts separated by '|': Text1 ... Text9, Combo1, Combo2, the coupling
// ratio, and a control character whose bits pick the language (bits 0-1:
// German, French, English, none), the decimal separator (bit 2: comma) and
// whether a calculation of the start values ran before on the same record (bit 3).

#include <array>
#include <string>

#include "fuzz_support.h"
#include "presentation/coupling_results.h"
#include "presentation/loop_rechnen.h"
#include "text/interface_titles.h"

using namespace ringfeld;
using namespace ringfeld::fuzz;

namespace {

// Every registered language, then a word that is none.
std::string_view sprache(unsigned wahl) {
    return wahl < kSprachAnzahl ? kSprachen[wahl].gespeichert : std::string_view("klingonisch");
}

void checkLoop(const LoopAusgang& out, const DesignRecord& rec) {
    // Labels are written in order; how many one ending shows.
    const LabelTexte& texte = out.darstellung.texte;
    std::size_t n = 0;
    while (n < texte.size() && texte[n]) readsBackFinite(*texte[n++], "result label");
    for (std::size_t i = n; i < texte.size(); ++i) require(!texte[i], "labels not written in order");
    if (out.darstellung.tooltipC) requireNoNanInf(*out.darstellung.tooltipC, "tooltip of lbC");
    if (out.meldung) requireNoNanInf(out.meldung->text, "message of the calculation");

    const bool ok = out.ending == Ending::Ok;
    require(out.fault.has_value() == (out.ending == Ending::Fault), "fault without the fault ending");
    require(out.ankopplungFreigeben == ok && out.beep == !ok && out.meldung.has_value() == !ok,
            "coupling, beep or message other than on the ending");
    require(out.ergebnisseLoeschen == (!ok && out.ending != Ending::Fault), "results blanked on the wrong ending");
    switch (out.ending) {
        case Ending::Ok: require(n == kResultLabelCount, "success without every result"); break;
        case Ending::Input: require(n == 0, "input refusal shows results"); break;
        case Ending::Length:
        case Ending::Inductance: require(n == 1, "length or inductance refusal shows more than lbLamda"); break;
        case Ending::Capacitance: require(n == 4, "capacitance refusal shows other than lbLamda to lbCL"); break;
        case Ending::Fault: break;
        default: require(false, "undefined ending");
    }
    for (double member : {rec.Windungen, rec.Umfang, rec.Frequenz, rec.Induktivitaet, rec.Kapazitaet, rec.XL,
                          rec.RVerlust, rec.RGesamt, rec.Guete})
        require(std::isfinite(member), "design record holds a non-finite value");
}

// A length in metres as the coupling window shows it: a number, not negative.
void checkLaenge(std::string_view text, std::string_view where) {
    require(text.find('-') == std::string_view::npos && readsBackFinite(text, where) >= 0, where, text);
}

void checkAnkopplung(std::string_view ratio, const DesignRecord& rec, std::string_view sep) {
    if (auto r = ResonanzwiderstandAnzeigen(rec, sep)) checkLaenge(r->wert, "resonance resistance");
    const AnkopplungAusgang a = AnkopplungRechnen(ratio, rec, sep);
    if (a.zusatzhinweis) requireNoNanInf(*a.zusatzhinweis, "Zusatzhinweis");
    if (a.meldung) requireNoNanInf(a.meldung->text, "coupling message");
    if (a.label2) {
        const std::string_view label2 = *a.label2;
        const std::size_t bis = label2.find(" - ");
        checkLaenge(label2.substr(0, bis), "Label2");
        if (bis != std::string_view::npos) checkLaenge(label2.substr(bis + 3), "Label2 to");
    }
    if (a.label4) checkLaenge(*a.label4, "Label4");
    require(a.art != KopplungsArt::Abgelehnt || (a.meldung && !a.label2 && !a.label4 && !a.druckFreigeben),
            "refused coupling changed the window");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto teile = split(data, size, '|', 13);
    const unsigned steuer = teile[12].empty() ? 0u : static_cast<unsigned char>(teile[12][0]);
    const std::string_view sep = steuer & 4 ? "," : ".";

    DesignRecord rec;
    rec.Sprache = std::string(sprache(steuer & 3));
    TitelSetzen(rec);
    if (steuer & 8) {
        const LoopEingaben start{"2,25", "7,069", "12", "1", "14,4", "100", "0,05", "12", "10000", "Kreis", "Cu"};
        require(LoopRechnen(start, rec, sep).ending == Ending::Ok, "the start values do not calculate");
    }
    const LoopEingaben eingaben{teile[0], teile[1], teile[2], teile[3], teile[4], teile[5],
                                teile[6], teile[7], teile[8], teile[9], teile[10]};
    checkLoop(LoopRechnen(eingaben, rec, sep), rec);
    checkAnkopplung(teile[11], rec, sep);
    return 0;
}
