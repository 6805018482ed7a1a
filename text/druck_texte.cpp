// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/druck_texte.h"

#include "text/language.h"
#include "text/sprach_texte.h"

namespace ringfeld {
namespace {

struct Vorlage {
    Tri meldung;
    Tri vorTitel;   // before the program title
    Tri nachTitel;  // after it
};

constexpr Vorlage kHaupt{{"Das Formular kann nicht gedruckt werden.", "Ce formulaire ne peut pas être imprimé",
                          "The form cannot be printed."},
                         {"Kalvor ", "Kalvor  ", "Kalvor  "},
                         {": Loop ", ": Loop", ": Loop"}};
constexpr Vorlage kKopplung{{"Diese Seite kann nicht gedruckt werden.", "Cette page ne peut pas être imprimée",
                             " This page cannot be printed."},
                            {"Kalvor ", "Kalvor  ", "Kalvor "},
                            {": Ankopplung", ": Bouble de couplage", ": Coupling loop"}};

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
