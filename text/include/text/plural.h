// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// A catalogue text that shows a count: in every language its singular and its plural
// form, each with the count as "%1". The language registry says which counts take
// the singular (one; in French zero too). A language without both forms, or a form
// without its "%1", does not compile.

#include <array>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

#include "text/language.h"
#include "text/text_lines.h"

namespace ringfeld {

struct Formen {
    std::string_view einzahl;   // "%1 candidate"
    std::string_view mehrzahl;  // "%1 candidates"
};

// Whether `n` things take the singular in this language.
constexpr bool Einzahl(Language lang, long long n) {
    const SprachEintrag* e = SprachEintragVon(lang);
    return n == 1 || (n == 0 && e && e->nullEinzahl);
}

class Zaehltext {
public:
    template <typename... F>
    requires(sizeof...(F) == kSprachAnzahl && (std::same_as<F, Formen> && ...)) consteval Zaehltext(F... formen)
        : formen_{formen...} {
        for (const Formen& f : formen_)
            if (f.einzahl.find("%1") == std::string_view::npos || f.mehrzahl.find("%1") == std::string_view::npos)
                throw "each form shows its count as %1";
    }

    // The form for `n` things.
    constexpr std::string_view in(Language lang, long long n) const {
        for (std::size_t i = 0; i < kSprachAnzahl; ++i)
            if (kSprachen[i].lang == lang) return Einzahl(lang, n) ? formen_[i].einzahl : formen_[i].mehrzahl;
        return {};
    }

    // The form for `n` with `shown`, the count as the text shows it, in place of "%1".
    std::string mit(Language lang, long long n, std::string_view shown) const { return MitWert(in(lang, n), shown); }

private:
    std::array<Formen, kSprachAnzahl> formen_;
};

}  // namespace ringfeld
