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
    e.schleife.felder = kStartEingaben;
    return e;
}

}  // namespace ringfeld::design
