# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Mutants of the program's code, in the shared catalogue's format, for every part
# of the program: the rows of the shared catalogue at their places since the code
# moved into its layers (marked "shared N"), and the rows for the code added since.
#   ../shared/tools/mutate --catalog tests/mutants.py
# Each entry replaces `old` (exactly once in the file) by `new`.
M = []


def m(file, old, new, kind, desc):
    M.append(dict(file=file, old=old, new=new, kind=kind, desc=desc))


# ---------------------------------------------------------------- core/coupling.cpp
m('core/coupling.cpp', 'kCircumferenceFactor = 7.792;', 'kCircumferenceFactor = 7.729;', 'const', 'circumference constant 7.792 -> 7.729')
m('core/coupling.cpp', '(N / 2 + 1)', '(N / 2)', 'const', 'contact length factor N/2+1 -> N/2')
m('core/coupling.cpp', 'out.art = halbUmfang < Lka ?', 'out.art = halbUmfang <= Lka ?', 'cmp', 'range switch < -> <=')
m('core/coupling.cpp', 'constexpr double kKabelimpedanz = 50;', 'constexpr double kKabelimpedanz = 75;', 'const', 'cable impedance 50 -> 75 Ohm')
m('core/coupling.cpp', 'kContactFactor = 4.95;', 'kContactFactor = 4.59;', 'const', 'contact length constant 4.95 -> 4.59 (digits swapped)')
m('core/coupling.cpp', '!std::isfinite(lkaDoppelt) ||', '', 'drop', 'a contact length whose double overflows a float is accepted')

# ---------------------------------------------------------------- core/frequency_steps.cpp
m('core/frequency_steps.cpp', 'kWholeStepTolerance = 1e-6;', 'kWholeStepTolerance = 0;', 'const', 'TO dropped when the span is a whole number of steps within rounding')
m('core/frequency_steps.cpp', '? std::round(hertz) / kHertzPerMegahertz : mhz;', '? mhz : mhz;', 'drop', 'frequencies not rounded to 1 Hz')
m('core/frequency_steps.cpp', '!(step > 0) || to < from)', '!(step > 0) || to <= from)', 'cmp', 'frequency steps refuse TO == FROM')
m('core/frequency_steps.cpp', 'constexpr double kWholeStepTolerance = 1e-6;', 'constexpr double kWholeStepTolerance = 1e-15;', 'const', 'sweep end tolerance 1e-6 -> 1e-15 (shared 67)')
m('core/frequency_steps.cpp', 'std::round(hertz) / kHertzPerMegahertz', 'std::round(hertz / 1000) / 1000', 'const', 'sweep rounding 1 Hz -> 1 kHz (shared 71)')

# ---------------------------------------------------------------- core/include/core/ending.h
m('core/include/core/ending.h', 'case Ending::Capacitance: return "capacitance";', 'case Ending::Capacitance: return "capacity";', 'text', 'ending name capacitance -> capacity')

# ---------------------------------------------------------------- core/loop_model.cpp
m('core/loop_model.cpp', 'if (g <= kKleinsterLogTerm) g = kLogTermForZero;', 'if (g == 0) g = kLogTermForZero;', 'cmp', 'self-capacitance log term: only an exact zero counts')
m('core/loop_model.cpp', 'kKleinsterLogTerm = 1e-9;', 'kKleinsterLogTerm = 0.0;', 'const', 'log term threshold 1e-9 -> 0')
m('core/loop_model.cpp', 'kGroessteLeiterlaenge = 0.41;', 'kGroessteLeiterlaenge = 0.42;', 'const', 'length limit 0.41 -> 0.42 wavelengths')
m('core/loop_model.cpp', 'if (k > kGroessteLeiterlaenge)', 'if (k >= kGroessteLeiterlaenge)', 'cmp', 'length check > -> >=')
m('core/loop_model.cpp', 'kRingOderSpule = 21.739;', 'kRingOderSpule = 21.7;', 'const', 'ring/coil switch 21.739 -> 21.7')
m('core/loop_model.cpp', 'd < kThinnestConductorMm ||', 'd <= kThinnestConductorMm ||', 'cmp', 'conductor minimum < -> <=')
m('core/loop_model.cpp', 'kLowestFrequencyMHz = 0.01;', 'kLowestFrequencyMHz = 0.001;', 'const', 'frequency minimum 0.01 -> 0.001')
m('core/loop_model.cpp', 'lmin = single(d / 2);', 'lmin = single(d / 3);', 'const', 'one-turn minimum length d/2 -> d/3')
m('core/loop_model.cpp', 'if (N == 1) l = d / kMillimetresPerMetre;', ';', 'drop', "drop 'single turn: conductor diameter replaces coil length'")
m('core/loop_model.cpp', 'kLogTermForZero = 0.0001;', 'kLogTermForZero = 0.001;', 'const', 'degenerate pitch g 0.0001 -> 0.001')
m('core/loop_model.cpp', 'kTenthsPerPicofarad * CL).zahl()) <= 0)', 'kTenthsPerPicofarad * CL).zahl()) < 0)', 'cmp', 'capacitance check <= 0 -> < 0')
m('core/loop_model.cpp', 'kResonanz = 25330.2;', 'kResonanz = 25303.2;', 'const', 'resonance constant 25330.2 -> 25303.2 (digits swapped)')
m('core/loop_model.cpp', 'w.gewinn = (lg(eta) * kDecibelsPerBel).zahl();', 'w.gewinn = (lg(eta) * 20).zahl();', 'const', 'gain 10 log -> 20 log')
m('core/loop_model.cpp', 'const Wert eta = Rr / RGesamt / N;', 'const Wert eta = Rr / RGesamt;', 'drop', 'efficiency not divided by turns')
m('core/loop_model.cpp', '/ Q / kHertzPerKilohertz).zahl();', '/ Q / 100).zahl();', 'const', 'bandwidth /1000 -> /100')
m('core/loop_model.cpp', '        RGesamt = XL2 / Rc;\n', '\n', 'drop', 'drop folding the parallel loss into RGesamt')
m('core/loop_model.cpp', 'kRadiationResistanceOhm = 31171;', 'kRadiationResistanceOhm = 31117;', 'const', 'Rr constant 31171 -> 31117')

# ---------------------------------------------------------------- core/proximity_factor.cpp
m('core/proximity_factor.cpp', '0.097, 0.083, 0.077', '0.097, 0.032, 0.077', 'const', 'N = 2 at x = 2.4 read as the miscopied 0.032')
m('core/proximity_factor.cpp', 'return row[kColumns - 1] * q * q;', 'return row[kColumns - 1] * q;', 'drop', 'tail above x = 4 falls as 1/x, not 1/x^2')
m('core/proximity_factor.cpp', '        x = kProximityMinRatio;\n', '\n', 'drop', 'x below the table not raised to 1.1')
m('core/proximity_factor.cpp', '(1 - t) * rowFactor(n, x) + t * rowFactor(n + 1, x)', 'rowFactor(n, x)', 'drop', 'fractional turns read the row below')
m('core/proximity_factor.cpp', 'if (!(turns > 1)) return out;', 'if (!(turns >= 2)) return out;', 'cmp', 'turns between 1 and 2 give no proximity loss')

# ---------------------------------------------------------------- core/tuning_sheet.cpp
m('core/tuning_sheet.cpp', 'kRrFormulaLimit = 0.1;', 'kRrFormulaLimit = 0.2;', 'const', 'rr_formula_range from N U / lambda 0.2')
m('core/tuning_sheet.cpp', 'kSmallLoopDirectivity = 1.5;', 'kSmallLoopDirectivity = 1.0;', 'const', "gain without the small loop's directivity")
m('core/tuning_sheet.cpp', 'const Wert Ctune = C - CL - o.strayPf;', 'const Wert Ctune = C - CL;', 'drop', 'stray capacitance not taken off')
m('core/tuning_sheet.cpp', 'kTwoPi * (f * kHertzPerMegahertz)', 'kPi * (f * kHertzPerMegahertz)', 'const', 'capacitor loss with pi f instead of omega')
m('core/tuning_sheet.cpp', 'Rcap + Rs + X * X / Rp;', 'Rcap + Rs;', 'drop', 'parallel loss not folded into R_total')
m('core/tuning_sheet.cpp', 'ProximityFactorSmith(N.zahl(), (l / (N - 1) / d).zahl());', 'ProximityFactorSmith(N.zahl(), (l / N / d).zahl());', 'const', 'turn spacing l / N instead of l / (N - 1)')
m('core/tuning_sheet.cpp', 'v.bandwidth_vswr2_kHz = (bandwidth / kSqrt2).zahl();', 'v.bandwidth_vswr2_kHz = bandwidth.zahl();', 'drop', 'VSWR 2 bandwidth equals the half-power one')
m('core/tuning_sheet.cpp', 'v.V_peak_V = (kSqrt2 * V).zahl();', 'v.V_peak_V = V.zahl();', 'drop', 'peak voltage is the rms voltage')
m('core/tuning_sheet.cpp', 'if (v.C_tune_pF > 0 && CL >= v.C_tune_pF)', 'if (v.C_tune_pF > 0 && CL <= v.C_tune_pF)', 'cmp', 'self_capacitance flag reversed')
m('core/tuning_sheet.cpp', '(v.C_tune_pF < *o.capMinPf || v.C_tune_pF > *o.capMaxPf)', '(v.C_tune_pF > *o.capMaxPf)', 'drop', 'capacitor_range ignores the minimum')
m('core/tuning_sheet.cpp', 'v.C_tune_pF, row.frequencyMHz, false);', 'v.C_tune_pF, row.frequencyMHz, true);', 'swap', 'C_tune_min takes the largest')
m('core/tuning_sheet.cpp', 'resonanceMHz(henry, *o.capMaxPf + extra)', 'resonanceMHz(henry, *o.capMaxPf + first->C_self_pF)', 'drop', 'capacitor cover without the stray capacitance')
m('core/tuning_sheet.cpp', 'B * sqrt(s) / (s - 1)', 'B / (s - 1)', 'drop', 'measured bandwidth conversion without sqrt(s)')
m('core/tuning_sheet.cpp', 'const Wert Rmodel = row.values->R_total_ohm;', 'const Wert Rmodel = row.values->R_skin_ohm + row.values->R_radiation_ohm;', 'drop', "model loss without the sheet's extra losses")
m('core/tuning_sheet.cpp', 'o.groundRatio >= 0', 'o.groundRatio > 0', 'cmp', 'ground ratio 0 refused')
m('core/tuning_sheet.cpp', '*o.capMinPf <= *o.capMaxPf', '*o.capMinPf < *o.capMaxPf', 'cmp', 'a one-value capacitor range refused')
m('core/tuning_sheet.cpp', '    s.rows_refused += l.rows_refused;\n', '\n', 'drop', 'sheet summary counts the refused rows of the first block only')
m('core/tuning_sheet.cpp', '*l.C_tune_min_pF, l.C_tune_min_at_MHz, false);', '*l.C_tune_min_pF, l.C_tune_min_at_MHz, true);', 'swap', 'joined blocks: C_tune_min takes the largest')

# ---------------------------------------------------------------- text/abstimm_eingaben.cpp
m('text/abstimm_eingaben.cpp', 'if (v(f) && *v(f) < 0) reason(f, texte::kNichtNegativ);', 'if (v(f) && *v(f) <= 0) reason(f, texte::kNichtNegativ);', 'cmp', 'ground loss and stray C: 0 refused')
m('text/abstimm_eingaben.cpp', '*v(Field::To) < *v(Field::From)) reason', '*v(Field::To) <= *v(Field::From)) reason', 'cmp', 'a one-row range from = to refused')

# ---------------------------------------------------------------- text/ankopplung_rechnen.cpp
m('text/ankopplung_rechnen.cpp', '        out.text += nl;\n        out.text += zusatzhinweis;', '        out.text += zusatzhinweis;', 'drop', 'note appends explanation without line break')
m('text/ankopplung_rechnen.cpp', 'if (Rk > 100) return', 'if (Rk >= 100) return', 'cmp', 'resonance display switch >100 -> >=100')
m('text/ankopplung_rechnen.cpp', 'if (Rk > 1) return', 'if (Rk >= 1) return', 'cmp', 'resonance display switch >1 -> >=1')
m('text/ankopplung_rechnen.cpp', 'if (rec.Kapazitaet > 1000)', 'if (rec.Kapazitaet >= 1000)', 'cmp', 'box/note switch > 1000 -> >= 1000')
m('text/ankopplung_rechnen.cpp', 'const float lkaDoppelt = 2.0f * Lka;', 'const float lkaDoppelt = 2.5f * Lka;', 'const', 'range upper end 2 Lka -> 2.5 Lka')

# ---------------------------------------------------------------- text/include/text/abstimm_eingaben.h
m('text/include/text/abstimm_eingaben.h', '{"80 m", 3.5, 3.8, 0.01},', '{"80 m", 3.5, 3.8, 0.02},', 'const', '80 m step 0.01 -> 0.02')

# ---------------------------------------------------------------- text/include/text/catalog/cli_texts.h
m('text/include/text/catalog/cli_texts.h', '{{"Länge", "Longueur", "Length"}, "λ"},', '{{"Gewinn", "Longueur", "Length"}, "λ"},', 'swap', 'German column header Länge -> Gewinn')
m('text/include/text/catalog/cli_texts.h', '{{"Uc", "Uc", "Uc"}, "kV"},', '{{"Uc", "Uc", "Uc"}, "V"},', 'text', 'Uc unit kV -> V')
m('text/include/text/catalog/cli_texts.h', '{"Kondensator: ", "Condensateur : de ", "Capacitor: "};', '{"Kondensator: ", "Condensateur : ", "Capacitor: "};', 'text', 'French --tuning capacitor line loses its de')

# ---------------------------------------------------------------- text/include/text/catalog/coupling_texts.h
m('text/include/text/catalog/coupling_texts.h', '"de %1 ou qu\'un autre type \\n"', '"d\'environ %1 ou qu\'un autre type \\n"', 'text', 'French range explanation text changed')
m('text/include/text/catalog/coupling_texts.h', '"coupling loop Calkulator "', '"Coupling loop calculator "', 'text', 'English note title changed')
m('text/include/text/catalog/coupling_texts.h', 'kDruckKopfVorKopplung{"Kalvor ", "Kalvor  ", "Kalvor "};', 'kDruckKopfVorKopplung{"Kalvor ", "Kalvor  ", "Kalvor  "};', 'text', 'English print heading spacing')
m('text/include/text/catalog/coupling_texts.h', '    "de %1 ou qu\'un autre type \\n"', '    "d\'environ %1 ou qu\'un autre type \\n"', 'text', 'French range explanation text changed')

# ---------------------------------------------------------------- text/include/text/catalog/help_texts.h
m('text/include/text/catalog/help_texts.h', '" Fichier non trouvée! "', '" Fichier non trouvé! "', 'text', 'French file-missing title changed')

# ---------------------------------------------------------------- text/include/text/catalog/loop_messages.h
m('text/include/text/catalog/loop_messages.h', '"Unreale Werte!\\n"\n    "oder unvollständige Eingabe!",', '"oder unvollständige Eingabe!\\n"\n    "Unreale Werte!",', 'swap', 'German input message lines swapped')
m('text/include/text/catalog/loop_messages.h', '"à la longueur d\'un dipôle demi-onde."', '"à la longueur d\'un dipôle."', 'text', 'French length message text changed')
m('text/include/text/catalog/loop_messages.h', '{"Unreale Werte!", "Valeurs impossibles! ", "Unrealistic data!"}', '{"Unreale Werte!", "Valeurs impossibles! ", "Unrealistic datal!"}', 'text', 'English inductance message text changed')
m('text/include/text/catalog/loop_messages.h', '"de séparation des boucles (longueur)"', '"de séparation des spires (longueur)"', 'text', 'French several-turns hint text changed')

# ---------------------------------------------------------------- text/include/text/catalog/main_texts.h
m('text/include/text/catalog/main_texts.h', '"Ce formulaire ne peut pas être imprimé"', '"Ce formulaire ne peut pas être imprimé."', 'text', 'French print failure text changed')

# ---------------------------------------------------------------- text/include/text/catalog/tuning_texts.h
m('text/include/text/catalog/tuning_texts.h', '{Flag::NoCapacitorFits, {"kein Kondensator passt",', '{Flag::ProximityClamped, {"kein Kondensator passt",', 'swap', 'no_capacitor_fits shows no text')
m('text/include/text/catalog/tuning_texts.h', 'kCSpanneVorsatz{"C: ", "C : ", "C: "};', 'kCSpanneVorsatz{"C: ", "C: ", "C: "};', 'text', 'French summary strip C: without its blank')

# ---------------------------------------------------------------- text/include/text/language.h
m('text/include/text/language.h', '{Language::German, "de", "deutsch", "de", ', '{Language::German, "de", "deutsch", "dea", ', 'locale', 'a German desktop no longer starts in German')
m('text/include/text/language.h', '    return SprachCode(kFremdeLocaleSprache);', '    return SprachCode(Language::French);', 'locale', 'an English desktop starts in French')
m('text/include/text/language.h', 'localeName.find_first_of("_-.@")', 'localeName.find_first_of("_.@")', 'locale', 'BCP 47 names (fr-CA) lose their language')
m('text/include/text/language.h', '{Language::French, "fr", "französisch"', '{Language::French, "en", "französisch"', 'swap', '--lang fr not recognised (en maps to French)')

# ---------------------------------------------------------------- text/include/text/list_texts.h
m('text/include/text/list_texts.h', '{Material::Fe, {"Fe", "Fe", "Fe"}},\n    {Material::Ag, {"Ag", "Ag", "Ag"}},', '{Material::Ag, {"Ag", "Ag", "Ag"}},\n    {Material::Fe, {"Fe", "Fe", "Fe"}},', 'swap', 'material list entries Fe/Ag swapped')
m('text/include/text/list_texts.h', '{"Durchmesser:", "Diamètre:", "Diameter:"}', '{"Seitenlänge:", "Diamètre:", "Diameter:"}', 'text', "German circle caption -> 'Seitenlänge:' (shared 35)")

# ---------------------------------------------------------------- text/include/text/number_format.h
m('text/include/text/number_format.h', 'Lamda{"0.0###"}', 'Lamda{"0.0##"}', 'pattern', 'Lamda pattern 0.0### -> 0.0## (shared 16)')
m('text/include/text/number_format.h', 'Ohm{"##0.0##"}', 'Ohm{"##0.0#"}', 'pattern', 'Ohm pattern ##0.0## -> ##0.0# (shared 17)')
m('text/include/text/number_format.h', 'Kiloohm{"0.0##"}', 'Kiloohm{"0.0#"}', 'pattern', 'Kiloohm pattern 0.0## -> 0.0# (shared 18)')
m('text/include/text/number_format.h', 'ProzentFein{"0.0########"}', 'ProzentFein{"0.0#######"}', 'pattern', 'ProzentFein pattern one decimal fewer (shared 19)')

# ---------------------------------------------------------------- text/include/text/sheet_columns.h
m('text/include/text/sheet_columns.h', 'number<&RowValues::R_proximity_ohm>,', 'number<&RowValues::R_skin_ohm>,', 'swap', 'proximity column shows the skin loss')
m('text/include/text/sheet_columns.h', '{K::Number, "C_tune_pF", "pF", number<', '{K::Number, "C_tune_pf", "pF", number<', 'text', "C tune's export key misspelt")
m('text/include/text/sheet_columns.h', '{K::Number, "R_total_ohm", "Ohm", number<', '{K::Number, "R_total_ohm", "Ω", number<', 'text', "R total's unit Ohm -> Ω in the text table")
m('text/include/text/sheet_columns.h', '{"Rv", "Rv", "Rskin"}, kOhm, 0, W | T | E, 5},', '{"Rv", "Rv", "Rskin"}, kOne, 0, W | T | E, 5},', 'pattern', "text table's skin loss with one decimal")
m('text/include/text/sheet_columns.h', '{"C Kond. (pF)", "C cond. (pF)", "C tune (pF)"}, 1,', '{"C Kond. (pF)", "C cond. (pF)", "C tune (pF)"}, 2,', 'const', "window's C tune with two decimals")
m('text/include/text/sheet_columns.h', 'kNone, kNoPattern, FlagBit(Flag::SelfCapacitance), W | E, 2},', 'kNone, kNoPattern, 0, W | E, 2},', 'drop', 'self_capacitance no longer marks C self')
m('text/include/text/sheet_columns.h', '{K::Number, "C_total_pF", "pF", number<&RowValues::C_total_pF>, kNone, 0, kNone, kNoPattern, 0, E, -1},', '{K::Number, "C_total_pF", "pF", number<&RowValues::C_total_pF>, kNone, 0, kNone, kNoPattern, 0, 0, -1},', 'drop', 'exports leave out C total')
m('text/include/text/sheet_columns.h', '{"P Kond.", "P cond.", "P cap"}, kTwo, 0, W | R | kTextViewWithCapQ | E, 17},', '{"P Kond.", "P cond.", "P cap"}, kTwo, 0, W | R | kTextView | E, 17},', 'cmp', "text table shows the capacitor's power without a Q")

# ---------------------------------------------------------------- text/include/text/text_lines.h
m('text/include/text/text_lines.h', '        text += nl;\n', "        text += '\\n';\n", 'swap', "message lines joined with LF, not the record's line break")
m('text/include/text/text_lines.h', 'out += text.substr(at + 2);', 'out += text.substr(at + 1);', 'const', "place marker's digit left after the value")

# ---------------------------------------------------------------- text/input_rules.cpp
m('text/input_rules.cpp', 'minimum = (N - 1.0f) * d + 1.0f;', 'minimum = (N - 1.0f) * d + 2.0f;', 'const', 'coil minimum +1 mm -> +2 mm (shared 32)')
m('text/input_rules.cpp', 'if (L < minimum) out.text8', 'if (L <= minimum) out.text8', 'cmp', 'coil length rewritten when equal to minimum (shared 33)')
m('text/input_rules.cpp', 'if (windungenGeaendert) out.text8', 'out.text8', 'drop', "drop 'only after turns change' condition (shared 36)")
m('text/input_rules.cpp', '    if (!std::isfinite(umfang)) return std::nullopt;\n', '\n', 'drop', 'drop overflow guard in UmfangAusDurchmesser (shared 37)')
m('text/input_rules.cpp', 'return form == Form::Kreis ? constants::kPiAsStored : 4.0;', 'return form == Form::Kreis ? 4.0 : constants::kPiAsStored;', 'swap', 'circle/square factor swapped (diameter -> circumference) (shared 34)')

# ---------------------------------------------------------------- text/loop_rechnen.cpp
m('text/loop_rechnen.cpp', '            out.ergebnisseLoeschen = true;\n            out.meldung = Meldung{PruefMeldung(Ending::Capacitance', '            out.meldung = Meldung{PruefMeldung(Ending::Capacitance', 'drop', "capacitance refusal keeps the last design's labels")
m('text/loop_rechnen.cpp', 'out.meldung = Meldung{PruefMeldung(Ending::Input, lang, false, rec.NL), rec.FehlerTitel,', 'out.meldung = Meldung{PruefMeldung(Ending::Input, lang, false, rec.NL), rec.ProgrammTitel,', 'swap', 'input refusal under program title (shared 50)')
m('text/loop_rechnen.cpp', 'rec.Windungen > 1, rec.NL)', 'rec.Windungen >= 1, rec.NL)', 'cmp', 'several-turns hint for one turn (shared 51)')
m('text/loop_rechnen.cpp', '    out.beep = true;\n', '\n', 'drop', 'no beep on refusal (shared 52)')
m('text/loop_rechnen.cpp', 'out.ankopplungFreigeben = true;', 'out.ankopplungFreigeben = false;', 'const', 'coupling button not enabled after ok (shared 53)')
m('text/loop_rechnen.cpp', 'rec.ProgrammTitel,\n                                  BoxIcon::Information};\n            break;\n        case Ending::Capacitance:', 'rec.ProgrammTitel,\n                                  BoxIcon::Exclamation};\n            break;\n        case Ending::Capacitance:', 'swap', 'length/inductance box icon Information -> Exclamation (shared 54)')

# ---------------------------------------------------------------- text/messages.cpp
m('text/messages.cpp', '        if (line.empty()) continue;\n', '\n', 'drop', 'empty message lines joined as double blanks')
m('text/messages.cpp', 'if (severalTurns) text += nl + nl', 'if (!severalTurns) text += nl + nl', 'cmp', 'several-turns hint condition inverted')
m('text/messages.cpp', '            if (severalTurns) text += nl + nl', '            if (!severalTurns) text += nl + nl', 'cmp', 'several-turns hint condition inverted (shared 42)')

# ---------------------------------------------------------------- text/number_format.cpp
m('text/number_format.cpp', 'return exponent - 53 + shift == -(decimals + 1);', 'return exponent - 53 + shift == -decimals;', 'const', 'isExactHalf off by one (shared 20)')
m('text/number_format.cpp', 'while (fractionDigits > s.minFraction && units % 10 == 0)', 'while (fractionDigits >= s.minFraction && units % 10 == 0)', 'cmp', 'trailing-zero loop > -> >= (fast path) (shared 21)')
m('text/number_format.cpp', 'if (!(value < 0) || isZero) return text;', 'if (!(value < 0)) return text;', 'drop', "drop 'value rounding to zero shows no sign' (shared 22)")
m('text/number_format.cpp', '        put(separator);\n', '        put(".");\n', 'swap', "decimal separator ignored (always '.') (shared 23)")
m('text/number_format.cpp', "if (*p != '9') { ++*p; return last; }", "if (*p != '9') { ++*p; return first; }", 'swap', 'incrementLastDigit returns wrong end (shared 24)')

# ---------------------------------------------------------------- text/result_presentation.cpp
m('text/result_presentation.cpp', '+ text + " pF ";', '+ text + " pF";', 'text', 'tooltip loses trailing blank')
m('text/result_presentation.cpp', 'if (lang != Language::None) out.tooltipC', 'out.tooltipC', 'drop', 'tooltip also for no language')
m('text/result_presentation.cpp', 'if (eta >= 0.1) return', 'if (eta > 0.1) return', 'cmp', 'efficiency precision switch >= -> > (shared 43)')
m('text/result_presentation.cpp', 'c < 1000 ? muster::KapazitaetKlein', 'c <= 1000 ? muster::KapazitaetKlein', 'cmp', 'C pattern switch < -> <= (shared 44)')
m('text/result_presentation.cpp', 'cl < 100 ? muster::KapazitaetKlein', 'cl < 10 ? muster::KapazitaetKlein', 'const', 'CL pattern switch 100 -> 10 (shared 45)')
m('text/result_presentation.cpp', 'FormatZahl(rr * 1000, muster::Milliohm, sep)', 'FormatZahl(rr * 100, muster::Milliohm, sep)', 'const', 'milliohm factor 1000 -> 100 (shared 47)')
m('text/result_presentation.cpp', 'FormatZahl(*w.bandbreite, muster::Guete, sep)', 'FormatZahl(*w.bandbreite, muster::Ohm, sep)', 'swap', 'bandwidth with Ohm pattern (shared 49)')

# ---------------------------------------------------------------- text/sprach_texte.cpp
m('text/sprach_texte.cpp', '{W::Main, "Label36", T::Caption, {"L&änge:", "&lon- gueur:", "Length:"}},', '{W::Main, "Label36", T::Caption, {"L&änge:", "&lon- gueur:", "Lenght:"}},', 'text', 'English caption typo in the text table')

# ---------------------------------------------------------------- text/text_zu_zahl.cpp
m('text/text_zu_zahl.cpp', "if (c == ' ' || c == '\\t' || c == '\\n') continue;", "if (c == ' ' || c == '\\n') continue;", 'drop', 'tabs no longer skipped (shared 25)')
m('text/text_zu_zahl.cpp', 'if (digit < 0 || digit >= radix) break;', 'if (digit < 0 || digit > radix) break;', 'cmp', 'radix digit check >= -> > (octal accepts 8) (shared 26)')
m('text/text_zu_zahl.cpp', 'mantissa <= (std::uint64_t{1} << 53)', 'mantissa <= (std::uint64_t{1} << 54)', 'const', 'fast path admits inexact mantissas up to 2^54 (shared 27)')
m('text/text_zu_zahl.cpp', '        return 0.0;\n    }\n    if (ec != std::errc()', '        throw ArithmeticFault(Fault::Overflow);\n    }\n    if (ec != std::errc()', 'swap', 'underflow reported as overflow (shared 28)')
m('text/text_zu_zahl.cpp', 'if (negativeExponent) exponent = -exponent;', ';', 'drop', 'exponent sign ignored (shared 29)')
m('text/text_zu_zahl.cpp', "*p == 'D' || *p == 'd'", "*p == 'D'", 'drop', 'lower-case d exponent not recognised (shared 30)')
m('text/text_zu_zahl.cpp', "c >= 'a' && c <= 'f'", "c >= 'a' && c < 'f'", 'cmp', 'hex digit f (lower case) rejected (shared 31)')

# ---------------------------------------------------------------- export/json_writer.cpp
m('export/json_writer.cpp', 'case \'\\r\': put("\\\\r"); break;', 'case \'\\r\': put("\\\\n"); break;', 'swap', 'JSON escapes CR as \\n')

# ---------------------------------------------------------------- export/tuning_export.cpp
m('export/tuning_export.cpp', "    if (index > 0) out += ',';\n", '\n', 'drop', 'sheet JSON rows without a comma between them')
m('export/tuning_export.cpp', '    out += "\\n],";', '    out += "\\n]";', 'drop', 'sheet JSON without the comma before the summary')
m('export/tuning_export.cpp', '        if (column.kind == ColumnKind::Frequency) out += ",Text5,ending,message";', '        if (column.kind == ColumnKind::Frequency) out += ",Text5,ending";', 'drop', 'sheet CSV header without the message')

# ---------------------------------------------------------------- platform/base/include/platform/settings_store.h
m('platform/base/include/platform/settings_store.h', 'return value.toStringList().join(QLatin1String(", ")).toStdString();', 'return value.toStringList().join(QLatin1String(",")).toStdString();', 'text', 'comma list re-joined without blank (shared 118)')
m('platform/base/include/platform/settings_store.h', '    if (store->status() != QSettings::NoError) return std::string(defaultValue);\n', '\n', 'drop', 'unreadable store not treated as empty (shared 119)')

# ---------------------------------------------------------------- platform/desktop_open.cpp
m('platform/desktop_open.cpp', '    return launched;', '    return true;', 'help', "GIO's failure is not reported")

# ---------------------------------------------------------------- platform/fenster_drucken.cpp
m('platform/fenster_drucken.cpp', 'kopf.label.setVisible(kopf.danachSichtbar);', 'kopf.label.setVisible(true);', 'const', 'print heading stays visible')

# ---------------------------------------------------------------- platform/print_renderer.cpp
m('platform/print_renderer.cpp', 'painter.scale(scale / inches, scale / inches);', 'painter.scale(scale, scale);', 'const', "print scale counts the picture's inches twice")
m('platform/print_renderer.cpp', '    painter.drawPicture(0, 0, drawing);', '    clientArea.render(&painter);', 'swap', "print through QWidget::render's bitmap")
m('platform/print_renderer.cpp', 'if (s.field) s.field->setSelection(s.start, s.length);', 'if (s.field) s.field->deselect();', 'drop', 'printing loses the selection')
m('platform/print_renderer.cpp', '            field->deselect();\n', '', 'drop', 'selection printed')
m('platform/print_renderer.cpp', '        if (focus_) focus_->clearFocus();\n', '', 'drop', 'focus frame printed')

# ---------------------------------------------------------------- platform/qt_desktop_services.cpp
m('platform/qt_desktop_services.cpp', 'case BoxIcon::Exclamation: return QMessageBox::Warning;', 'case BoxIcon::Exclamation: return QMessageBox::Critical;', 'swap', 'exclamation shown as critical (shared 114)')
m('platform/qt_desktop_services.cpp', '    box.setTextFormat(Qt::PlainText);\n', '\n', 'drop', 'message text read as markup (shared 115)')
m('platform/qt_desktop_services.cpp', '    text.replace(QLatin1String("\\r\\n"), QLatin1String("\\n"));\n', '\n', 'drop', 'CR LF not converted (shared 116)')
m('platform/qt_desktop_services.cpp', 'return info.exists() && info.isFile();', 'return info.exists();', 'drop', 'folders count as files (shared 117)')

# ---------------------------------------------------------------- windows/coupling/frmAnkopplung.cpp
m('windows/coupling/frmAnkopplung.cpp', '    WiederWaehlen(ui_.Combo1, sprachEintrag_);\n', '', 'drop', 'language switch resets the coupling site')
m('windows/coupling/frmAnkopplung.cpp', 'void frmAnkopplung::NeueLoop() {\n    ui_.Label2->setText(QString());', 'void frmAnkopplung::NeueLoop() {\n', 'drop', 'new loop keeps the coupling circumference')
m('windows/coupling/frmAnkopplung.cpp', '    ui_.Command3->setEnabled(false);\n    Form_Activate();', '    Form_Activate();', 'drop', 'new loop keeps the coupling print button')
m('windows/coupling/frmAnkopplung.cpp', 'kVerhaeltnis{"4,05", "4,50", "4,95"}', 'kVerhaeltnis{"4,05", "4,95", "4,50"}', 'swap', 'site ratios 4,50 and 4,95 swapped (shared 89)')
m('windows/coupling/frmAnkopplung.cpp', '    ui_.Label4->setText(QString());\n    ui_.Command3->setEnabled(false);\n    hide();', '    ui_.Label4->setText(QString());\n    hide();', 'drop', 'close box leaves print enabled (shared 90)')
m('windows/coupling/frmAnkopplung.cpp', '    weiter([&] { Zusatzhinweis.clear(); });\n', '\n', 'drop', 'activation keeps old explanation (shared 91)')
m('windows/coupling/frmAnkopplung.cpp', '    if (aus.hinweisZeigen) Command2_Click();\n', '\n', 'drop', 'range with C<=1000 shows no note (shared 92)')
m('windows/coupling/frmAnkopplung.cpp', 'if (fenster == windowHandle() && vorher != fenster) Form_Activate();', 'if (fenster == windowHandle()) Form_Activate();', 'drop', 'return from dialog counts as activation (shared 94)')
m('windows/coupling/frmAnkopplung.cpp', '    weiter([&] { ui_.Label9->setVisible(false); });\n', '\n', 'drop', 'activation does not hide print heading (shared 95)')
m('windows/coupling/frmAnkopplung.cpp', '    ListenText(*ui_.Combo1, QString());\n    ui_.Label11->setText(QString());\n', '    ListenText(*ui_.Combo1, QString());\n', 'drop', 'resonance label not emptied (shared 97)')

# ---------------------------------------------------------------- windows/forms/CMakeLists.txt
m('windows/forms/CMakeLists.txt', 'set(RINGFELD_ICON_SIZES 16 32 48 64 128 256)', 'set(RINGFELD_ICON_SIZES 16 32 48 64 128)', 'drop', 'no 256-pixel icon')
m('windows/forms/CMakeLists.txt', '--width ${size} --height ${size}', '--width ${size} --height 48', 'const', 'every icon rendered 48 pixels high')

# ---------------------------------------------------------------- windows/forms/sprach_anwendung.cpp
m('windows/forms/sprach_anwendung.cpp', '    if (entry >= 0) list.setCurrentIndex(entry);\n', '\n', 'drop', 'list text does not select its entry (shared 98)')
m('windows/forms/sprach_anwendung.cpp', '    if (list.currentIndex() != selected) {', '    if (false) {', 'drop', 'appending an entry may select it (shared 100)')

# ---------------------------------------------------------------- windows/main/frmMain.cpp
m('windows/main/frmMain.cpp', '    if (AnkopplungNeueLoop) AnkopplungNeueLoop();\n', '', 'drop', 'calculation leaves an open coupling window as it was')
m('windows/main/frmMain.cpp', 'str(ui_.Text2->text()),    str(ui_.Text3->text()),\n                        str(ui_.Text4->text()),', 'str(ui_.Text2->text()),    str(ui_.Text4->text()),\n                        str(ui_.Text3->text()),', 'swap', 'loop fields Text3 and Text4 swapped')
m('windows/main/frmMain.cpp', '        connect(field, &QLineEdit::textChanged, this, &frmMain::EingabenGeaendert);\n', '        ;\n', 'drop', "main window's field changes not followed")
m('windows/main/frmMain.cpp', 'kSettingsKey, SprachCodeFuerLocale(dienste_.desktopLocale()));', 'kSettingsKey, kCodeGerman);', 'locale', 'nothing stored starts in German again')
m('windows/main/frmMain.cpp', '    LoopRechnen();\n    ui_.Command3->setEnabled(true);', '    LoopRechnen();\n', 'drop', 'calculate button no longer enables printing (shared 78)')
m('windows/main/frmMain.cpp', 'void frmMain::Text4_Change() {\n    ui_.Command2->setEnabled(false);', 'void frmMain::Text4_Change() {\n', 'drop', 'turns change leaves coupling button on (shared 79)')
m('windows/main/frmMain.cpp', '    for (ResultLabel label : kErgebnisseLoeschenLabels) resultLabel(label)->setText(QString());\n    ui_.Command2->setEnabled(false);', '    for (ResultLabel label : kErgebnisseLoeschenLabels) resultLabel(label)->setText(QString());\n', 'drop', 'blanking leaves coupling button on (shared 80)')
m('windows/main/frmMain.cpp', '    ui_.Label37->setVisible(sichtbar);\n', '\n', 'drop', 'unit label of coil length not shown/hidden (shared 81)')
m('windows/main/frmMain.cpp', '    ui_.Text8->setEnabled(false);\n    ui_.Text8->setVisible(false);', '    ui_.Text8->setVisible(false);', 'drop', 'coil length field enabled at start (shared 82)')
m('windows/main/frmMain.cpp', '    if (rec_.Sprache == code) return;\n', '\n', 'drop', 'choosing current language re-applies it (shared 84)')
m('windows/main/frmMain.cpp', 'key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Delete) return false;\n    const QString text = key.text();', 'key.key() == Qt::Key_Backtab) return false;\n    const QString text = key.text();', 'drop', 'Delete key filtered in numeric fields (shared 85)')
m('windows/main/frmMain.cpp', 'else if (watched == ui_.Text2) Text2_KeyUp();', 'else if (watched == ui_.Text2) Text1_KeyUp();', 'swap', 'Text2 key release runs Text1 handler (shared 86)')
m('windows/main/frmMain.cpp', '        ui_.Text2->setText(qs(folge->text));\n    }\n    ui_.Command2->setEnabled(false);', '        ui_.Text2->setText(qs(folge->text));\n    }\n', 'drop', 'typing the diameter leaves coupling button on (shared 87)')
m('windows/main/frmMain.cpp', 'void frmMain::mnuAktRechnen_Click() { LoopRechnen(); }', 'void frmMain::mnuAktRechnen_Click() { Command1_Click(); }', 'swap', 'menu calculation also enables printing (shared 88)')

# ---------------------------------------------------------------- windows/main/sprache_anwenden.cpp
m('windows/main/sprache_anwenden.cpp', 'if (WiederWaehlen(shape, shapeEntry)) {', 'if (WiederWaehlen(shape, -1)) {', 'drop', 'language switch resets the shape')
m('windows/main/sprache_anwenden.cpp', '    WiederWaehlen(material, materialEntry);\n', '', 'drop', 'language switch resets the material')
m('windows/main/sprache_anwenden.cpp', 'label && caption) label->setText(qs(*caption));', 'label && caption) {}', 'drop', 'kept square keeps the diameter caption')
m('windows/main/sprache_anwenden.cpp', 'a->setChecked(lang == e.lang);', 'a->setChecked(lang == (e.lang == Language::French ? Language::English : e.lang));', 'swap', 'French check mark follows English')
m('windows/main/sprache_anwenden.cpp', '    TitelSetzen(rec);\n', '\n', 'drop', 'box titles not set for the language (shared 99)')

# ---------------------------------------------------------------- windows/tuning/abstimm_bericht.cpp
m('windows/tuning/abstimm_bericht.cpp', 'for (int r = 0; r < modell.rowCount(); ++r) {', 'for (int r = 0; r < 0; ++r) {', 'drop', 'report without table rows')
m('windows/tuning/abstimm_bericht.cpp', 'if (fenster[i]->views & kReportView) out[n++] = static_cast<int>(i);', 'if (fenster[i]->views & kReportView) out[n++] = static_cast<int>(i) + 1;', 'const', 'report shows the column right of each one chosen')

# ---------------------------------------------------------------- windows/tuning/abstimm_modell.cpp
m('windows/tuning/abstimm_modell.cpp', '    if (!std::isfinite(value)) return QString();\n', '\n', 'drop', 'non-finite numbers shown')

# ---------------------------------------------------------------- windows/tuning/frmAbstimmbereich.cpp
m('windows/tuning/frmAbstimmbereich.cpp', 'const Band& b = kBands[static_cast<std::size_t>(index - 1)];', 'const Band& b = kBands[static_cast<std::size_t>(index) % kBands.size()];', 'const', 'band list off by one')
m('windows/tuning/frmAbstimmbereich.cpp', '        store->setValue(QString::fromLatin1(kFelder[i].schluessel), felder_[i]->text());\n', '\n', 'drop', 'fields not stored')
m('windows/tuning/frmAbstimmbereich.cpp', '    store->setValue(QString::fromLatin1(kBandSchluessel), band_->currentIndex());\n', '\n', 'drop', 'band not stored')

# ---------------------------------------------------------------- app/about_text.cpp
m('app/about_text.cpp', 'facts.legalNotice + " " + nl + nl', 'facts.legalNotice + nl + nl', 'text', 'legal notice loses trailing blank')
m('app/about_text.cpp', '"  V" + std::to_string(facts.major)', '" V" + std::to_string(facts.major)', 'text', 'version text single blank')

# ---------------------------------------------------------------- app/display_check.cpp
m('app/display_check.cpp', '    if (typ == QtFatalMsg) ohneDisplayEnden();', '', 'display', "a display that does not answer ends in Qt's abort")

# ---------------------------------------------------------------- app/help_command.cpp
m('app/help_command.cpp', '    if (DateiOeffnen(dienste, pfad)) return;', '    DateiOeffnen(dienste, pfad);\n    return;', 'help', 'a failing launch is silent')
m('app/help_command.cpp', '    return orte.front();\n', '    return orte.back();\n', 'swap', 'missing document reported at the installed path')
m('app/help_command.cpp', '    dienste.processEvents();\n    return geoeffnet;', '    return geoeffnet;', 'drop', 'no event processing after starting the viewer')

# ---------------------------------------------------------------- cli/calc_options.cpp
m('cli/calc_options.cpp', 'if (!ReadNumber(n, text.toStdString())) return refuse(qs(n.name), text);', ';', 'drop', 'numeric options not checked')
m('cli/calc_options.cpp', 'compare(qs(name(entry)), Qt::CaseInsensitive)', 'compare(qs(name(entry)), Qt::CaseSensitive)', 'cmp', 'list entries case-sensitive')
m('cli/calc_options.cpp', '            in.Combo1 = *entry;\n', '\n', 'drop', 'shape entry not written as the list writes it')
m('cli/calc_options.cpp', '            in.Combo2 = *entry;\n', '\n', 'drop', 'material entry not written as the list writes it')
m('cli/calc_options.cpp', ' || (!asTyped && !(*from > 0))', '', 'drop', 'sweep FROM > 0 not checked')
m('cli/calc_options.cpp', 'if (givenLanguage) o.sprache = *givenLanguage;', ';', 'drop', '--lang ignored')
m('cli/calc_options.cpp', '        else if (f == "csv") o.format = OutputFormat::Csv;\n', '\n', 'drop', 'csv format not recognised')
m('cli/calc_options.cpp', 'parser.isSet("help") ? CalcHelpText(lang) : CalcVersionText()', 'parser.isSet("version") ? CalcHelpText(lang) : CalcVersionText()', 'swap', '--help and --version swapped')
m('cli/calc_options.cpp', '    for (const SprachEintrag& e : kSprachen) values << qs(e.code);\n', '', 'drop', "--lang's usage error lists no codes")
m('cli/calc_options.cpp', 'static_cast<long long>(row - s->firstRow)', 'static_cast<long long>(row)', 'drop', 'a later sweep counts its steps from the first row')
m('cli/calc_options.cpp', '    if (frequencies.isEmpty() && !parser.isSet("sweep")) o.frequenzen', '    if (frequencies.isEmpty()) o.frequenzen', 'drop', 'a sweep alone starts with the default frequency')
m('cli/calc_options.cpp', 'constexpr std::string_view kRatio = "4,05";', 'constexpr std::string_view kRatio = "4,50";', 'const', 'default ratio 4,05 -> 4,50 (shared 69)')

# ---------------------------------------------------------------- cli/calc_run.cpp
m('cli/calc_run.cpp', '    return !(row.ankopplung && row.ankopplung->art == KopplungsArt::Abgelehnt);', '    return true;', 'drop', 'refused coupling loop exits 0')
m('cli/calc_run.cpp', 'if (!options.asTyped && row.ausgang.ending == Ending::Ok) {', 'if (row.ausgang.ending == Ending::Ok) {', 'drop', '--as-typed JSON gains values')
m('cli/calc_run.cpp', "        if (i > 0) text += ',';\n", '\n', 'drop', 'JSON rows without a comma between them')
m('cli/calc_run.cpp', '    out.write("\\n]\\n");', '    out.write("\\n]");', 'drop', 'JSON sweep without its last line end')
m('cli/calc_run.cpp', '        if (!block.computed) status = 1;\n', '\n', 'drop', 'a refused row in a sweep exits 0')
m('cli/calc_run.cpp', 'if (row.ausgang.ending != Ending::Ok) return false;', 'if (row.ausgang.ending == Ending::Fault) return false;', 'cmp', 'exit status 1 only for faults')
m('cli/calc_run.cpp', '        if (row.ausgang.meldung) lines += "    ! "', '        if (false) lines += "    ! "', 'drop', 'text table drops refusal messages')
m('cli/calc_run.cpp', '        for (std::size_t i = begin; i < end; ++i) widen(w, rowCells(RunRow(options, loop, i, sep)));\n', '\n', 'drop', "text table's widths from the headings alone")

# ---------------------------------------------------------------- cli/calc_values.cpp
m('cli/calc_values.cpp', 'constexpr double kVoltsPerKilovolt = 1000;', 'constexpr double kVoltsPerKilovolt = 100;', 'const', 'capacitor voltage kV -> V factor 100')
m('cli/calc_values.cpp', 'row.record.RGesamt, row.record.XL,', 'row.record.XL, row.record.RGesamt,', 'swap', 'R_total and X swapped')
m('cli/calc_values.cpp', 'w.strahlung, w.verlust,', 'w.verlust, w.strahlung,', 'swap', 'radiation and loss resistance swapped')
m('cli/calc_values.cpp', '    if (row.ausgang.ending != Ending::Ok) return v;\n', '\n', 'drop', 'refused rows get values')
m('cli/calc_values.cpp', 'v[kFirstCouplingValue + 1] = a->lkaCm / kCentimetresPerMetre;', 'v[kFirstCouplingValue + 1] = a->umfangCm / kCentimetresPerMetre;', 'swap', 'Lka reports the circumference')

# ---------------------------------------------------------------- cli/include/cli/numeric_options.h
m('cli/include/cli/numeric_options.h', '{"series-loss", "Ohm", "Ohm", RangeRule::NonNegative,', '{"series-loss", "Ohm", "Ohm", RangeRule::Positive,', 'const', 'series loss must be > 0')
m('cli/include/cli/numeric_options.h', '{"length", "mm", "mm", RangeRule::NonNegative,', '{"length", "mm", "mm", RangeRule::Positive,', 'const', 'coil length must be > 0')

# ---------------------------------------------------------------- cli/include/cli/row_blocks.h
m('cli/include/cli/row_blocks.h', 'make(b * kBlockRows, std::min(count, (b + 1) * kBlockRows), result);', 'make(b * kBlockRows + 1, std::min(count, (b + 1) * kBlockRows), result);', 'drop', "each block's first row skipped")

# ---------------------------------------------------------------- cli/numeric_options.cpp
m('cli/numeric_options.cpp', 'case RangeRule::Positive: return value > 0;', 'case RangeRule::Positive: return value >= 0;', 'cmp', 'range rule > 0 admits 0')
m('cli/numeric_options.cpp', 'case RangeRule::NonNegative: return value >= 0;', 'case RangeRule::NonNegative: return value > 0;', 'cmp', 'range rule >= 0 refuses 0')
m('cli/numeric_options.cpp', '    if (!option.unit.empty()) text += qs(texte::kExpectIn.in(lang)) + qs(option.unit);\n', '\n', 'drop', 'usage error without the unit')

# ---------------------------------------------------------------- cli/render_csv.cpp
m('cli/render_csv.cpp', 'constexpr std::string_view kLineEnd = "\\r\\n";', 'constexpr std::string_view kLineEnd = "\\n";', 'const', 'CSV lines end in LF')
m('cli/render_csv.cpp', '    appendQuoted(out, RowMessage(row).toStdString());', '    out += RowMessage(row).toStdString();', 'drop', 'CSV message unquoted')
m('cli/render_csv.cpp', '    appendQuoted(out, RowMessage(row).toStdString());\n', '    out += RowMessage(row).toStdString();\n', 'drop', 'CSV message unquoted')
m('cli/render_csv.cpp', '    out += kLineEnd;\n}', '}', 'drop', 'CSV rows without line ends')

# ---------------------------------------------------------------- cli/tuning_run.cpp
m('cli/tuning_run.cpp', 'for (const char* other : {"frequency", "sweep"})', 'for (const char* other : {"frequency"})', 'drop', '--tuning combines with --sweep')
m('cli/tuning_run.cpp', 'if (sheet.summary.rows_refused > 0) return 1;', 'if (sheet.summary.rows_refused > 1) return 1;', 'cmp', 'one refused row exits 0')
m('cli/tuning_run.cpp', '            if (parser.isSet(qs(o.name))) out.usageError', '            if (false) out.usageError', 'drop', 'sheet options accepted without --tuning')
m('cli/tuning_run.cpp', '        for (std::size_t i = begin; i < end; ++i) widen(w, rowCells(rowAt(sheet, i), capacitorLoss, lang, fmt));\n', '\n', 'drop', "sheet table's widths from the headings alone")
m('cli/tuning_run.cpp', '        if (!row.values) lines += "    ! "', '        if (false) lines += "    ! "', 'drop', 'sheet table drops refusal messages')
m('cli/tuning_run.cpp', '        summary.add(block.summary);\n', '\n', 'drop', 'sheet summary without the rows')

# ---------------------------------------------------------------- cli/usage_errors.cpp
m('cli/usage_errors.cpp', 'return qs(texte::kInvalidValue, lang).arg(option, given, expected);', 'return qs(texte::kInvalidValue, lang).arg(option).arg(given).arg(expected);', 'swap', 'usage error fills placeholders typed by the user')

# ---------------------------------------------------------------- help/pdf_outline.cpp
m('help/pdf_outline.cpp', 'QDateTime::fromSecsSinceEpoch(epochSeconds, Qt::UTC)', 'QDateTime::currentDateTimeUtc()', 'help pdf', 'the creation date comes from the clock')

# ---------------------------------------------------------------- dist/CMakeLists.txt
m('dist/CMakeLists.txt', 'RENAME ${RINGFELD_APP_ID}.png)', 'RENAME ringfeld.png)', 'text', "PNG icons installed under the program's name, not the application id")
m('dist/CMakeLists.txt', 'install(FILES debian/copyright ${_changelog}', 'install(FILES ${_changelog}', 'drop', 'no copyright file installed')
