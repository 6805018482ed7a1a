// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "presentation/tuning_inputs.h"

#include "presentation/tuning_row_texts.h"
#include "text/strict_number.h"

namespace ringfeld::tuning {
namespace {

std::size_t at(Field f) { return static_cast<std::size_t>(f); }

bool blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

ReadOptions LiesOptionen(const FieldTexts& texts, Language lang) {
    ReadOptions out;
    std::array<std::optional<double>, kFieldCount> value;
    auto reason = [&](Field f, const Tri& text) {
        if (out.reasons[at(f)].empty()) out.reasons[at(f)] = std::string(text.in(lang));
    };

    // Every non-empty field must be a plain number; the range fields must be given.
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (blank(texts[i])) continue;
        value[i] = StrikteZahl(texts[i]);
        if (!value[i]) out.reasons[i] = std::string(texte::kKeineZahl.in(lang));
    }
    for (Field f : {Field::From, Field::To, Field::Step})
        if (blank(texts[at(f)])) reason(f, texte::kFehlt);

    auto v = [&](Field f) { return value[at(f)]; };
    auto positive = [&](Field f) {
        if (v(f) && !(*v(f) > 0)) reason(f, texte::kGroesserNull);
    };
    for (Field f : {Field::From, Field::To, Field::Step, Field::CapQ, Field::CapMin, Field::CapMax, Field::CapVolts,
                    Field::MeasFreq, Field::MeasBandwidth})
        positive(f);
    for (Field f : {Field::Ground, Field::Stray})
        if (v(f) && *v(f) < 0) reason(f, texte::kNichtNegativ);
    if (v(Field::MeasVswr) && !(*v(Field::MeasVswr) > 1)) reason(Field::MeasVswr, texte::kSwrUeberEins);

    if (v(Field::From) && v(Field::To) && *v(Field::To) < *v(Field::From)) reason(Field::To, texte::kBisKleiner);
    if (out.reasons[at(Field::From)].empty() && out.reasons[at(Field::To)].empty() &&
        out.reasons[at(Field::Step)].empty() && v(Field::From) && v(Field::To) && v(Field::Step)) {
        if (!SheetRowCount(*v(Field::From), *v(Field::To), *v(Field::Step), kMaxWindowRows))
            reason(Field::Step, texte::kZuVieleZeilen);
    }
    const bool capMin = !blank(texts[at(Field::CapMin)]), capMax = !blank(texts[at(Field::CapMax)]);
    if (capMin != capMax) reason(capMin ? Field::CapMax : Field::CapMin, texte::kBeideGrenzen);
    if (v(Field::CapMin) && v(Field::CapMax) && *v(Field::CapMin) > *v(Field::CapMax))
        reason(Field::CapMin, texte::kMinUeberMax);
    const bool measFreq = !blank(texts[at(Field::MeasFreq)]), measBw = !blank(texts[at(Field::MeasBandwidth)]);
    if (measFreq != measBw) reason(measFreq ? Field::MeasBandwidth : Field::MeasFreq, texte::kMessungUnvollstaendig);

    // A reason in the range or loss fields leaves no sheet; one in an optional
    // group (capacitor range, rating, measurement) only leaves that group out,
    // so the table stays while the user is still typing it.
    auto frei = [&](std::initializer_list<Field> fields) {
        for (Field f : fields)
            if (!out.reasons[at(f)].empty()) return false;
        return true;
    };
    if (!frei({Field::From, Field::To, Field::Step, Field::CapQ, Field::Ground, Field::Stray})) return out;
    const bool mitBereich = capMin && frei({Field::CapMin, Field::CapMax});
    const bool mitSpannung = frei({Field::CapVolts});
    const bool mitMessung = measFreq && frei({Field::MeasFreq, Field::MeasBandwidth, Field::MeasVswr});

    SheetOptions o;
    o.fromMHz = *v(Field::From);
    o.toMHz = *v(Field::To);
    o.stepMHz = *v(Field::Step);
    o.capacitorQ = v(Field::CapQ);
    o.groundRatio = v(Field::Ground).value_or(0);
    o.strayPf = v(Field::Stray).value_or(0);
    if (mitBereich) o.capMinPf = v(Field::CapMin), o.capMaxPf = v(Field::CapMax);
    if (mitSpannung) o.capVPeakV = v(Field::CapVolts);
    if (mitMessung) o.measured = Messung{*v(Field::MeasFreq), *v(Field::MeasBandwidth), v(Field::MeasVswr).value_or(2)};

    // The engine's own check has the last word; its verdict goes beside the field it names.
    static constexpr std::pair<OptionFault, Field> kWhere[] = {{OptionFault::Range, Field::Step},
                                                               {OptionFault::CapacitorQ, Field::CapQ},
                                                               {OptionFault::GroundRatio, Field::Ground},
                                                               {OptionFault::Stray, Field::Stray},
                                                               {OptionFault::CapacitorRange, Field::CapMin},
                                                               {OptionFault::CapacitorVoltage, Field::CapVolts},
                                                               {OptionFault::Measured, Field::MeasFreq}};
    const OptionFault fault = PruefeOptionen(o);
    for (const auto& [which, field] : kWhere)
        if (fault == which) {
            reason(field, texte::kUngueltig);
            return out;
        }
    out.options = o;
    return out;
}

}  // namespace ringfeld::tuning
