// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/loop_fields.h"

#include "core/fault.h"
#include "text/list_texts.h"
#include "text/text_zu_zahl.h"

namespace ringfeld {

Feldzahl FeldLesen(std::string_view text) {
    try {
        return Feldzahl{TextZuZahl(text), std::nullopt};
    } catch (const ArithmeticFault& fault) {
        return Feldzahl{0, fault.kind()};
    }
}

Form FormVon(std::string_view shapeText) {
    for (const FormEintrag& form : kFormListe)
        for (const SprachEintrag& sprache : kSprachen)
            if (form.text.in(sprache.lang) == shapeText) return form.form;
    return Form::Quadrat;  // any other text, as the window has always read it
}

std::optional<Material> MaterialVon(std::string_view text) {
    // The entry of each language counts whatever the current language is.
    for (const MaterialEintrag& m : kMaterialListe)
        for (const SprachEintrag& sprache : kSprachen)
            if (m.text.in(sprache.lang) == text) return m.material;
    return std::nullopt;
}

LoopZahlen LoopLesen(const LoopEingaben& in) {
    LoopZahlen z;
    z.D = FeldLesen(in.Text1);
    z.U = FeldLesen(in.Text2);
    z.d = FeldLesen(in.Text3);
    z.N = FeldLesen(in.Text4);
    z.f = FeldLesen(in.Text5);
    z.P = FeldLesen(in.Text6);
    z.Rs = FeldLesen(in.Text7);
    z.l = FeldLesen(in.Text8);
    z.RpKOhm = FeldLesen(in.Text9);
    z.form = FormVon(in.Combo1);
    z.material = MaterialVon(in.Combo2);
    return z;
}

}  // namespace ringfeld
