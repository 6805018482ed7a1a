// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "design/design.h"

#include "text/list_texts.h"
#include "text/start_values.h"

namespace ringfeld::design {

LoopEingaben Schleife::EingabenIn(Language lang) const {
    if (lang == Language::None) lang = kStandardSprache;
    LoopEingaben e = felder;
    for (const FormEintrag& f : kFormListe)
        if (f.form == form) e.Combo1 = std::string(f.text.in(lang));
    for (const MaterialEintrag& m : kMaterialListe)
        if (m.material == material) e.Combo2 = std::string(m.text.in(lang));
    return e;
}

Schleife SchleifeAus(const LoopEingaben& eingaben) {
    Schleife s;
    s.felder = eingaben;
    s.felder.Combo1.clear();
    s.felder.Combo2.clear();
    s.form = FormVon(eingaben.Combo1);
    s.material = MaterialVon(eingaben.Combo2).value_or(Material::Cu);
    return s;
}

Entwurf Startentwurf() {
    Entwurf e;
    std::string* const felder[] = {&e.schleife.felder.Text1, &e.schleife.felder.Text2, &e.schleife.felder.Text3,
                                   &e.schleife.felder.Text4, &e.schleife.felder.Text5, &e.schleife.felder.Text6,
                                   &e.schleife.felder.Text7, &e.schleife.felder.Text8, &e.schleife.felder.Text9};
    for (std::size_t i = 0; i < kStartTexte.size(); ++i) *felder[i] = std::string(kStartTexte[i]);
    return e;
}

}  // namespace ringfeld::design
