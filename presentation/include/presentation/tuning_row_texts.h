// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The tuning-range sheet's texts that are put together at run time: a row's
// refusal on one line, and what a flag means. The texts themselves are in the
// catalogue (text/catalog/tuning_texts.h, which this brings along).

#include <string>

#include "core/tuning_sheet.h"
#include "text/catalog/tuning_texts.h"
#include "text/language.h"
#include "text/messages.h"

namespace ringfeld::tuning {

namespace texte {
constexpr Tri UrsachenText(SheetInput input) { return input == SheetInput::CapacitorQ ? kUrsacheGuete : kUrsacheErde; }
}  // namespace texte

// The refusal of a row, or of the measured frequency, on one line in `lang`; an
// overflow names the sheet's input that caused it.
inline std::string ZeilenMeldung(const Sheet& sheet, Ending ending, std::optional<Fault> fault, Language lang,
                                 std::optional<SheetInput> cause = std::nullopt) {
    std::string text = AbbruchZeile(ending, fault, sheet.loop.N.wert, lang);
    if (cause) text += texte::UrsachenText(*cause).in(lang);
    return text;
}
inline std::string ZeilenMeldung(const Sheet& sheet, const SheetRow& row, Language lang) {
    return ZeilenMeldung(sheet, row.ending, row.fault, lang, row.cause);
}

}  // namespace ringfeld::tuning

namespace ringfeld::tuning::texte {

// What the flag means: ringfeld-calc's notes and the window's tooltips alike.
constexpr Tri FlagText(Flag flag) {
    for (const FlagEintrag& e : kFlagTexte)
        if (e.flag == flag) return e.text;
    return {"", "", ""};
}

}  // namespace ringfeld::tuning::texte
