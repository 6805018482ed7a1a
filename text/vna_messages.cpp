// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/vna_messages.h"

#include <array>
#include <cmath>
#include <vector>

#include "core/constants.h"
#include "text/catalog/vna_texts.h"
#include "text/number_format.h"

namespace ringfeld::vna {
namespace {

using namespace constants;

// `text` with %1, %2, ... replaced by `args` in one pass (an argument's own "%1" stays).
std::string filled(std::string_view text, const std::vector<std::string>& args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t k = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && k < args.size()) {
            out += args[k];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The reason's markers in order: those its entry declares.
std::string reason(const texte::GrundText& g, Language lang, std::size_t line, const std::string& value,
                   const std::string& bound) {
    std::vector<std::string> args;
    if (g.zeile) args.push_back(std::to_string(line));
    if (g.wert) args.push_back(value);
    if (g.grenze) args.push_back(bound);
    return filled(g.text.in(lang), args);
}

constexpr Muster kCount{"0"};
constexpr Muster kMhz{"0.000###"};
constexpr Muster kPercent{"0.0"};

}  // namespace

std::string LeseMeldung(std::string_view file, const TouchstoneRefusal& r, Language lang, std::string_view sep) {
    const std::string why = reason(texte::Grund(r.reason), lang, r.line, FormatZahl(r.value, kCount, sep),
                                   FormatZahl(r.bound, kCount, sep));
    return filled(texte::kNichtGelesen.in(lang), {std::string(file), why});
}

std::string FitMeldung(std::string_view file, const FitRefusal& r, Language lang, std::string_view sep) {
    std::string value = FormatZahl(r.value, kCount, sep), bound = FormatZahl(r.bound, kCount, sep);
    if (r.reason == FitReason::AtSweepEdge) value = FormatZahl(r.value / kHertzPerMegahertz, kMhz, sep);
    if (r.reason == FitReason::ModelMismatch) {
        value = FormatZahl(r.value * kPercentPerUnit, kPercent, sep);
        bound = FormatZahl(r.bound * kPercentPerUnit, kPercent, sep);
    }
    const std::string why = reason(texte::Grund(r.reason), lang, 0, value, bound);
    return filled(texte::kNichtAusgewertet.in(lang), {std::string(file), why});
}

}  // namespace ringfeld::vna
