// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/print_texts.h"

#include "text/catalog/coupling_texts.h"
#include "text/catalog/main_texts.h"
#include "text/language.h"
#include "text/window_texts.h"

namespace ringfeld {
namespace {

struct Vorlage {
    const Tri& meldung;
    const Tri& vorTitel;   // before the program title
    const Tri& nachTitel;  // after it
};

constexpr Vorlage kHaupt{texte::kDruckFehlerHaupt, texte::kDruckKopfVorHaupt, texte::kDruckKopfNachHaupt};
constexpr Vorlage kKopplung{texte::kDruckFehlerKopplung, texte::kDruckKopfVorKopplung, texte::kDruckKopfNachKopplung};

}  // namespace

DruckTexte DruckTexteFuer(DruckFenster fenster, const DesignRecord& rec) {
    const Language lang = SpracheVon(rec.Sprache);
    if (lang == Language::None) return {};
    const Vorlage& v = fenster == DruckFenster::Main ? kHaupt : kKopplung;
    DruckTexte out;
    out.meldung = std::string(v.meldung.in(lang));
    out.kopf = std::string(v.vorTitel.in(lang)) + rec.ProgrammTitel + std::string(v.nachTitel.in(lang));
    // The main window's heading is its button row's caption again; the coupling
    // window's keeps the heading, hidden.
    out.danach = fenster == DruckFenster::Main ? std::string(kRechenzeile.in(lang)) : out.kopf;
    return out;
}

}  // namespace ringfeld
