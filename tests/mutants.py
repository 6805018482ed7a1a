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
m('core/coupling.cpp', 'constexpr double kCircumferenceFactor = 7.792;  // 2 (ln(8 r / a) - 2) of the reference loop\n', 'constexpr double kCircumferenceFactor = 7.729;  // 2 (ln(8 r / a) - 2) of the reference loop\n', 'const', 'circumference constant 7.792 -> 7.729')
m('core/coupling.cpp', '    const float Uk = static_cast<float>((kCentimetresPerMetre * U / wurzelN) * (kCircumferenceFactor / k));     // cm\n    const float Lka = static_cast<float>((kCentimetresPerMetre * U / n) * (N / 2 + 1) * (kContactFactor / k));  // cm\n', '    const float Uk = static_cast<float>((kCentimetresPerMetre * U / wurzelN) * (kCircumferenceFactor / k));  // cm\n    const float Lka = static_cast<float>((kCentimetresPerMetre * U / n) * (N / 2) * (kContactFactor / k));   // cm\n', 'const', 'contact length factor N/2+1 -> N/2')
m('core/coupling.cpp', '    out.art = halbUmfang < Lka ? KopplungsArt::Bereich : KopplungsArt::Normal;\n', '    out.art = halbUmfang <= Lka ? KopplungsArt::Bereich : KopplungsArt::Normal;\n', 'cmp', 'range switch < -> <=')
m('core/coupling.cpp', 'constexpr double kKabelimpedanz = 50;           // Ohm, the feeder cable\n', 'constexpr double kKabelimpedanz = 75;           // Ohm, the feeder cable\n', 'const', 'cable impedance 50 -> 75 Ohm')
m('core/coupling.cpp', 'constexpr double kContactFactor = 4.95;         // k of a free-standing loop\n', 'constexpr double kContactFactor = 4.59;         // k of a free-standing loop\n', 'const', 'contact length constant 4.95 -> 4.59 (digits swapped)')
m('core/coupling.cpp', '    if (!std::isfinite(Uk) || !std::isfinite(Lka) || !std::isfinite(lkaDoppelt) || !(Uk > 0) || !(Lka > 0)) {\n', '    if (!std::isfinite(Uk) || !std::isfinite(Lka) || !(Uk > 0) || !(Lka > 0)) {\n', 'drop', 'a contact length whose double overflows a float is accepted')

# ---------------------------------------------------------------- core/frequency_steps.cpp
m('core/frequency_steps.cpp', 'constexpr double kWholeStepTolerance = 1e-6;\n', 'constexpr double kWholeStepTolerance = 0;\n', 'const', 'TO dropped when the span is a whole number of steps within rounding')
m('core/frequency_steps.cpp', '    return std::isfinite(hertz) ? std::round(hertz) / kHertzPerMegahertz : mhz;\n', '    return std::isfinite(hertz) ? mhz : mhz;\n', 'drop', 'frequencies not rounded to 1 Hz')
m('core/frequency_steps.cpp', '    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step) || !(step > 0) || to < from)\n', '    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step) || !(step > 0) || to <= from)\n', 'cmp', 'frequency steps refuse TO == FROM')
m('core/frequency_steps.cpp', 'constexpr double kWholeStepTolerance = 1e-6;\n', 'constexpr double kWholeStepTolerance = 1e-15;\n', 'const', 'sweep end tolerance 1e-6 -> 1e-15 (shared 67)')
m('core/frequency_steps.cpp', '    return std::isfinite(hertz) ? std::round(hertz) / kHertzPerMegahertz : mhz;\n', '    return std::isfinite(hertz) ? std::round(hertz / 1000) / 1000 : mhz;\n', 'const', 'sweep rounding 1 Hz -> 1 kHz (shared 71)')

# ---------------------------------------------------------------- core/include/core/ending.h
m('core/include/core/ending.h', '        case Ending::Capacitance: return "capacitance";\n', '        case Ending::Capacitance: return "capacity";\n', 'text', 'ending name capacitance -> capacity')

# ---------------------------------------------------------------- core/loop_model.cpp
m('core/loop_model.cpp', '        if (g <= kKleinsterLogTerm) g = kLogTermForZero;\n', '        if (g == 0) g = kLogTermForZero;\n', 'cmp', 'self-capacitance log term: only an exact zero counts')
m('core/loop_model.cpp', 'constexpr double kKleinsterLogTerm = 1e-9;\n', 'constexpr double kKleinsterLogTerm = 0.0;\n', 'const', 'log term threshold 1e-9 -> 0')
m('core/loop_model.cpp', 'constexpr double kGroessteLeiterlaenge = 0.41;  // wavelengths of conductor, N U / lambda\n', 'constexpr double kGroessteLeiterlaenge = 0.42;  // wavelengths of conductor, N U / lambda\n', 'const', 'length limit 0.41 -> 0.42 wavelengths')
m('core/loop_model.cpp', '        if (k > kGroessteLeiterlaenge) {\n', '        if (k >= kGroessteLeiterlaenge) {\n', 'cmp', 'length check > -> >=')
m('core/include/core/shapes.h', 'inline constexpr double kRingOderSpule = 21.739;\n', 'inline constexpr double kRingOderSpule = 21.7;\n', 'const', 'ring/coil switch 21.739 -> 21.7')
m('core/loop_model.cpp', '        if (D == 0 || U == 0 || d < kThinnestConductorMm || f < kLowestFrequencyMHz || N < kFewestTurns || !langGenug) {\n', '        if (D == 0 || U == 0 || d <= kThinnestConductorMm || f < kLowestFrequencyMHz || N < kFewestTurns ||\n            !langGenug) {\n', 'cmp', 'conductor minimum < -> <=')
m('core/loop_model.cpp', 'constexpr double kLowestFrequencyMHz = 0.01;\n', 'constexpr double kLowestFrequencyMHz = 0.001;\n', 'const', 'frequency minimum 0.01 -> 0.001')
m('core/loop_model.cpp', '            lmin = single(d / 2);\n', '            lmin = single(d / 3);\n', 'const', 'one-turn minimum length d/2 -> d/3')
m('core/loop_model.cpp', '        if (N == 1) l = d / kMillimetresPerMetre;\n', '        ;\n', 'drop', "drop 'single turn: conductor diameter replaces coil length'")
m('core/loop_model.cpp', 'constexpr double kLogTermForZero = 0.0001;\n', 'constexpr double kLogTermForZero = 0.001;\n', 'const', 'degenerate pitch g 0.0001 -> 0.001')
m('core/loop_model.cpp', '        if (std::floor((kTenthsPerPicofarad * C - kTenthsPerPicofarad * CL).zahl()) <= 0) {\n', '        if (std::floor((kTenthsPerPicofarad * C - kTenthsPerPicofarad * CL).zahl()) < 0) {\n', 'cmp', 'capacitance check <= 0 -> < 0')
m('core/loop_model.cpp', 'constexpr double kResonanz = 25330.2;  // pF MHz^2 uH\n', 'constexpr double kResonanz = 25303.2;  // pF MHz^2 uH\n', 'const', 'resonance constant 25330.2 -> 25303.2 (digits swapped)')
m('core/loop_model.cpp', '        w.gewinn = (lg(eta) * kDecibelsPerBel).zahl();\n', '        w.gewinn = (lg(eta) * 20).zahl();\n', 'const', 'gain 10 log -> 20 log')
m('core/loop_model.cpp', '        const Wert eta = Rr / RGesamt / N;\n', '        const Wert eta = Rr / RGesamt;\n', 'drop', 'efficiency not divided by turns')
m('core/loop_model.cpp', '        w.bandbreite = (f * kHertzPerMegahertz / Q / kHertzPerKilohertz).zahl();  // f / Q, kHz\n        w.spannung = (sqrt(XL * P * Q) / kVoltsPerKilovolt).zahl();               // sqrt(X P Q), kV\n', '        w.bandbreite = (f * kHertzPerMegahertz / Q / 100).zahl();    // f / Q, kHz\n        w.spannung = (sqrt(XL * P * Q) / kVoltsPerKilovolt).zahl();  // sqrt(X P Q), kV\n', 'const', 'bandwidth /1000 -> /100')
m('core/loop_model.cpp', '        RGesamt = XL2 / Rc;\n', '\n', 'drop', 'drop folding the parallel loss into RGesamt')
m('core/loop_model.cpp', 'constexpr double kRadiationResistanceOhm = 31171;\n', 'constexpr double kRadiationResistanceOhm = 31117;\n', 'const', 'Rr constant 31171 -> 31117')

# ---------------------------------------------------------------- core/include/core/shapes.h, core/shapes.cpp
m('core/include/core/shapes.h', '    {Form::Quadrat, "square", 4, 4, 4, shape_values::kSqrt2, 1, &SquareInductance},\n', '    {Form::Quadrat, "square", 4, constants::kPiAsStored, constants::kPi, shape_values::kSqrt2, 1, &SquareInductance},\n', 'drop', "a square's area and perimeter reckoned as a circle's of its side")
m('core/include/core/shapes.h', '    {Form::Quadrat, "square", 4, 4, 4, shape_values::kSqrt2, 1, &SquareInductance},\n', '    {Form::Quadrat, "square", 4, 4, 4, 2, 1, &SquareInductance},\n', 'const', 'square loop radius: half diagonal -> half side')
m('core/include/core/shapes.h', 'inline constexpr double kOctagonPerimeterPerWidth = 3.3137084989847603904;\n', 'inline constexpr double kOctagonPerimeterPerWidth = 3.4641016151377545871;\n', 'const', "octagon's perimeter per width taken from the hexagon")
m('core/include/core/shapes.h', 'inline constexpr double kOctagonWidthPerCircumradius = 1.8477590650225735123;\n', 'inline constexpr double kOctagonWidthPerCircumradius = 2.0;\n', 'const', 'octagon bounded by its inscribed circle, not the circumscribed one')
m('core/include/core/shapes.h', 'inline constexpr double kHexagonCouplingPerPerimeter = 0.95231280686395734583;\n', 'inline constexpr double kHexagonCouplingPerPerimeter = 1.0;\n', 'const', 'hexagon coupling loop sized from its perimeter, not the circle of its area')
m('core/include/core/shapes.h', '    {Form::Achteck, "octagon", 8, shape_values::kOctagonPerimeterPerWidth, shape_values::kOctagonPerimeterPerWidth,\n', '    {Form::Achteck, "octagon", 6, shape_values::kOctagonPerimeterPerWidth, shape_values::kOctagonPerimeterPerWidth,\n', 'const', 'octagon with six sides')
m('core/include/core/shapes.h', '     shape_values::kHexagonWidthPerCircumradius, shape_values::kHexagonCouplingPerPerimeter, &HexagonInductance},\n', '     shape_values::kHexagonWidthPerCircumradius, shape_values::kHexagonCouplingPerPerimeter, &OctagonInductance},\n', 'swap', "hexagon computed with the octagon's inductance")
m('core/shapes.cpp', 'constexpr double kOctagonTheta = 1.8674643136532977;\n', 'constexpr double kOctagonTheta = 2.561;\n', 'const', "octagon's Grover constant in the other form's value (ln(4 p / d), Terman's 2.561)")
m('core/shapes.cpp', 'constexpr double kHexagonTheta = 1.9432780240576278;\n', 'constexpr double kHexagonTheta = 1.8674643136532977;\n', 'swap', "hexagon's Grover constant taken from the octagon")
m('core/shapes.cpp', '        const Wert radius = coilLength / 2;  // the conductor\'s, for one turn\n', '        const Wert radius = coilLength;  // the conductor\'s, for one turn\n', 'const', "polygon turn: the conductor's diameter taken for its radius")
m('core/shapes.cpp', '    const Wert equalAreaDiameter = width * std::sqrt(shape.perimeterPerSize / kPi);\n', '    const Wert equalAreaDiameter = width * (shape.perimeterPerSize / kPi);\n', 'drop', 'polygon coil as the circle of the same perimeter, not of the same area')
m('core/coupling.cpp', '    const double U = CouplingCircumference(rec.form, rec.Umfang), N = rec.Windungen;  // m\n', '    const double U = rec.Umfang, N = rec.Windungen;  // m\n', 'drop', "coupling loop of a polygon sized from its perimeter")
m('core/loop_model.cpp', '        rec.form = in.form;\n', '', 'drop', 'the record keeps no shape: every coupling loop as a circle')
m('core/exposure.cpp', 'Wert turnArea(const LoopZahlen& loop) { return TurnArea(loop.D.wert, ShapeOf(loop.form).exactPerimeterPerSize); }\n', 'Wert turnArea(const LoopZahlen& loop) { return TurnArea(loop.D.wert, ShapeOf(loop.form).perimeterPerSize); }\n', 'const', "safety distance's moment with the model's 15-digit pi")

# ---------------------------------------------------------------- core/proximity_factor.cpp
m('core/proximity_factor.cpp', '     0.128, 0.116, 0.097, 0.083, 0.077, 0.071, 0.062, 0.054, 0.040, 0.031},\n', '     0.128, 0.116, 0.097, 0.032, 0.077, 0.071, 0.062, 0.054, 0.040, 0.031},\n', 'const', 'N = 2 at x = 2.4 read as the miscopied 0.032')
m('core/proximity_factor.cpp', '        return row[kColumns - 1] * q * q;\n', '        return row[kColumns - 1] * q;\n', 'drop', 'tail above x = 4 falls as 1/x, not 1/x^2')
m('core/proximity_factor.cpp', '        x = kProximityMinRatio;\n', '', 'drop', 'x below the table not raised to 1.1')
m('core/proximity_factor.cpp', '    out.factor = t == 0 ? rowFactor(n, x) : (1 - t) * rowFactor(n, x) + t * rowFactor(n + 1, x);\n', '    out.factor = t == 0 ? rowFactor(n, x) : rowFactor(n, x);\n', 'drop', 'fractional turns read the row below')
m('core/proximity_factor.cpp', '    if (!(turns > 1)) return out;\n', '    if (!(turns >= 2)) return out;\n', 'cmp', 'turns between 1 and 2 give no proximity loss')

# ---------------------------------------------------------------- core/tuning_sheet.cpp
m('core/tuning_sheet.cpp', 'constexpr double kRrFormulaLimit = 0.1;\n', 'constexpr double kRrFormulaLimit = 0.2;\n', 'const', 'rr_formula_range from N U / lambda 0.2')
m('core/tuning_sheet.cpp', 'constexpr double kSmallLoopDirectivity = 1.5;\n', 'constexpr double kSmallLoopDirectivity = 1.0;\n', 'const', "gain without the small loop's directivity")
m('core/tuning_sheet.cpp', '    const Wert Ctune = C - CL - o.strayPf;\n', '    const Wert Ctune = C - CL;\n', 'drop', 'stray capacitance not taken off')
m('core/tuning_sheet.cpp', '        return 1 / (kTwoPi * (f * kHertzPerMegahertz) * (Ctune * kFaradsPerPicofarad) * *o.capacitorQ);\n', '        return 1 / (kPi * (f * kHertzPerMegahertz) * (Ctune * kFaradsPerPicofarad) * *o.capacitorQ);\n', 'const', 'capacitor loss with pi f instead of omega')
m('core/tuning_sheet.cpp', '    const Wert R = Rv + Rprox + Rr + Rground + Rcap + Rs + X * X / Rp;\n', '    const Wert R = Rv + Rprox + Rr + Rground + Rcap + Rs;\n', 'drop', 'parallel loss not folded into R_total')
m('core/tuning_sheet.cpp', '    if (N > 1) prox = ProximityFactorSmith(N.zahl(), (l / (N - 1) / d).zahl());\n', '    if (N > 1) prox = ProximityFactorSmith(N.zahl(), (l / N / d).zahl());\n', 'const', 'turn spacing l / N instead of l / (N - 1)')
m('core/tuning_sheet.cpp', '    v.bandwidth_vswr2_kHz = (bandwidth / kSqrt2).zahl();\n', '    v.bandwidth_vswr2_kHz = bandwidth.zahl();\n', 'drop', 'VSWR 2 bandwidth equals the half-power one')
m('core/tuning_sheet.cpp', '    v.V_peak_V = (kSqrt2 * V).zahl();\n', '    v.V_peak_V = V.zahl();\n', 'drop', 'peak voltage is the rms voltage')
m('core/tuning_sheet.cpp', '    if (v.C_tune_pF > 0 && CL >= v.C_tune_pF) v.flags.push_back(Flag::SelfCapacitance);\n', '    if (v.C_tune_pF > 0 && CL <= v.C_tune_pF) v.flags.push_back(Flag::SelfCapacitance);\n', 'cmp', 'self_capacitance flag reversed')
m('core/tuning_sheet.cpp', '    if (o.capMinPf && o.capMaxPf && (v.C_tune_pF < *o.capMinPf || v.C_tune_pF > *o.capMaxPf))\n        v.flags.push_back(Flag::CapacitorRange);\n', '    if (o.capMinPf && o.capMaxPf && (v.C_tune_pF > *o.capMaxPf)) v.flags.push_back(Flag::CapacitorRange);\n', 'drop', 'capacitor_range ignores the minimum')
m('core/tuning_sheet.cpp', '    keepExtreme(s.C_tune_min_pF, s.C_tune_min_at_MHz, v.C_tune_pF, row.frequencyMHz, false);\n', '    keepExtreme(s.C_tune_min_pF, s.C_tune_min_at_MHz, v.C_tune_pF, row.frequencyMHz, true);\n', 'swap', 'C_tune_min takes the largest')
m('core/tuning_sheet.cpp', '        s.capacitor_covers_from_MHz = resonanceMHz(henry, *o.capMaxPf + extra);\n', '        s.capacitor_covers_from_MHz = resonanceMHz(henry, *o.capMaxPf + first->C_self_pF);\n', 'drop', 'capacitor cover without the stray capacitance')
m('core/tuning_sheet.cpp', '        const Wert halfpower = unloadedQ ? f * kKilohertzPerMegahertz / *unloadedQ : B * sqrt(s) / (s - 1);\n', '        const Wert halfpower = unloadedQ ? f * kKilohertzPerMegahertz / *unloadedQ : B / (s - 1);\n', 'drop', 'measured bandwidth conversion without sqrt(s)')
m('core/tuning_sheet.cpp', '        const Wert Rmodel = row.values->R_total_ohm;\n', '        const Wert Rmodel = row.values->R_skin_ohm + row.values->R_radiation_ohm;\n', 'drop', "model loss without the sheet's extra losses")
m('core/tuning_sheet.cpp', '    if (!(finite(o.groundRatio) && o.groundRatio >= 0)) return OptionFault::GroundRatio;\n', '    if (!(finite(o.groundRatio) && o.groundRatio > 0)) return OptionFault::GroundRatio;\n', 'cmp', 'ground ratio 0 refused')
m('core/tuning_sheet.cpp', '    if (o.capMinPf && !(finite(*o.capMaxPf) && *o.capMinPf > 0 && *o.capMinPf <= *o.capMaxPf))\n', '    if (o.capMinPf && !(finite(*o.capMaxPf) && *o.capMinPf > 0 && *o.capMinPf < *o.capMaxPf))\n', 'cmp', 'a one-value capacitor range refused')
m('core/tuning_sheet.cpp', '    s.rows_refused += l.rows_refused;\n', '\n', 'drop', 'sheet summary counts the refused rows of the first block only')
m('core/tuning_sheet.cpp', '    keepExtreme(s.C_tune_min_pF, s.C_tune_min_at_MHz, *l.C_tune_min_pF, l.C_tune_min_at_MHz, false);\n', '    keepExtreme(s.C_tune_min_pF, s.C_tune_min_at_MHz, *l.C_tune_min_pF, l.C_tune_min_at_MHz, true);\n', 'swap', 'joined blocks: C_tune_min takes the largest')

# ---------------------------------------------------------------- presentation/tuning_inputs.cpp
m('presentation/tuning_inputs.cpp', '        if (v(f) && *v(f) < 0) reason(f, texte::kNichtNegativ);\n', '        if (v(f) && *v(f) <= 0) reason(f, texte::kNichtNegativ);\n', 'cmp', 'ground loss and stray C: 0 refused')
m('presentation/tuning_inputs.cpp', '    if (v(Field::From) && v(Field::To) && *v(Field::To) < *v(Field::From)) reason(Field::To, texte::kBisKleiner);\n', '    if (v(Field::From) && v(Field::To) && *v(Field::To) <= *v(Field::From)) reason(Field::To, texte::kBisKleiner);\n', 'cmp', 'a one-row range from = to refused')

# ---------------------------------------------------------------- presentation/coupling_results.cpp
m('presentation/coupling_results.cpp', '        out.text += nl;\n', '', 'drop', 'note appends explanation without line break')
m('presentation/coupling_results.cpp', '    if (Rk > 100) return ResonanzText{FormatZahl(Rk, muster::KapazitaetKlein, sep), "kOhm"};\n', '    if (Rk >= 100) return ResonanzText{FormatZahl(Rk, muster::KapazitaetKlein, sep), "kOhm"};\n', 'cmp', 'resonance display switch >100 -> >=100')
m('presentation/coupling_results.cpp', '    if (Rk > 1) return ResonanzText{FormatZahl(Rk, muster::Kiloohm, sep), "kOhm"};\n', '    if (Rk >= 1) return ResonanzText{FormatZahl(Rk, muster::Kiloohm, sep), "kOhm"};\n', 'cmp', 'resonance display switch >1 -> >=1')
m('presentation/coupling_results.cpp', '    if (rec.Kapazitaet > 1000)\n', '    if (rec.Kapazitaet >= 1000)\n', 'cmp', 'box/note switch > 1000 -> >= 1000')
m('presentation/coupling_results.cpp', '    const float lkaDoppelt = 2.0f * Lka;\n', '    const float lkaDoppelt = 2.5f * Lka;\n', 'const', 'range upper end 2 Lka -> 2.5 Lka')

# ---------------------------------------------------------------- presentation/include/presentation/tuning_inputs.h
m('presentation/include/presentation/tuning_inputs.h', '    {"80 m", 3.5, 3.8, 0.01},\n', '    {"80 m", 3.5, 3.8, 0.02},\n', 'const', '80 m step 0.01 -> 0.02')

# ---------------------------------------------------------------- text/include/text/catalog/cli_texts.h
m('text/include/text/catalog/cli_texts.h', '    {{"Länge", "Longueur", "Length"}, "λ", std::nullopt},\n', '    {{"Gewinn", "Longueur", "Length"}, "λ", std::nullopt},\n', 'swap', 'German column header Länge -> Gewinn')
m('text/include/text/catalog/cli_texts.h', '    {{"Uc", "Uc", "Uc"}, "kV", std::nullopt},\n', '    {{"Uc", "Uc", "Uc"}, "V", std::nullopt},\n', 'text', 'Uc unit kV -> V')
m('text/include/text/catalog/cli_texts.h', 'inline constexpr Tri kSummaryCapacitor{"Kondensator: ", "Condensateur : de ", "Capacitor: "};  // then kCSpanne\n', 'inline constexpr Tri kSummaryCapacitor{"Kondensator: ", "Condensateur : ", "Capacitor: "};  // then kCSpanne\n', 'text', 'French --tuning capacitor line loses its de')

# ---------------------------------------------------------------- text/include/text/catalog/coupling_texts.h
m('text/include/text/catalog/coupling_texts.h', '    "de %1 ou qu\'un autre type \\n"\n', '    "d\'environ %1 ou qu\'un autre type \\n"\n', 'text', 'French range explanation text changed')
m('text/include/text/catalog/coupling_texts.h', '                                   "coupling loop Calkulator "};\n', '                                   "Coupling loop calculator "};\n', 'text', 'English note title changed')
m('text/include/text/catalog/coupling_texts.h', 'inline constexpr Tri kDruckKopfVorKopplung{"Kalvor ", "Kalvor  ", "Kalvor "};\n', 'inline constexpr Tri kDruckKopfVorKopplung{"Kalvor ", "Kalvor  ", "Kalvor  "};\n', 'text', 'English print heading spacing')

# ---------------------------------------------------------------- text/include/text/catalog/help_texts.h
m('text/include/text/catalog/help_texts.h', 'inline constexpr Tri kDateiFehltTitel{" Datei nicht gefunden ", " Fichier non trouvée! ", " File not found "};\n', 'inline constexpr Tri kDateiFehltTitel{" Datei nicht gefunden ", " Fichier non trouvé! ", " File not found "};\n', 'text', 'French file-missing title changed')

# ---------------------------------------------------------------- text/include/text/catalog/loop_messages.h
m('text/include/text/catalog/loop_messages.h', '    "Unreale Werte!\\n"\n    "oder unvollständige Eingabe!",\n', '    "oder unvollständige Eingabe!\\n"\n    "Unreale Werte!",\n', 'swap', 'German input message lines swapped')
m('text/include/text/catalog/loop_messages.h', '    "à la longueur d\'un dipôle demi-onde.",\n', '    "à la longueur d\'un dipôle.",\n', 'text', 'French length message text changed')
m('text/include/text/catalog/loop_messages.h', 'inline constexpr Tri kUnrealeInduktivitaet{"Unreale Werte!", "Valeurs impossibles! ", "Unrealistic data!"};\n', 'inline constexpr Tri kUnrealeInduktivitaet{"Unreale Werte!", "Valeurs impossibles! ", "Unrealistic datal!"};\n', 'text', 'English inductance message text changed')
m('text/include/text/catalog/loop_messages.h', '    "de séparation des boucles (longueur)",\n', '    "de séparation des spires (longueur)",\n', 'text', 'French several-turns hint text changed')

# ---------------------------------------------------------------- text/include/text/catalog/main_texts.h
m('text/include/text/catalog/main_texts.h', '                                       "Ce formulaire ne peut pas être imprimé", "The form cannot be printed."};\n', '                                       "Ce formulaire ne peut pas être imprimé.", "The form cannot be printed."};\n', 'text', 'French print failure text changed')

# ---------------------------------------------------------------- text/include/text/catalog/tuning_texts.h
m('text/include/text/catalog/tuning_texts.h', '    {Flag::NoCapacitorFits, {"kein Kondensator passt", "aucun condensateur ne convient", "no capacitor fits"}},\n', '    {Flag::ProximityClamped, {"kein Kondensator passt", "aucun condensateur ne convient", "no capacitor fits"}},\n', 'swap', 'no_capacitor_fits shows no text')
m('text/include/text/catalog/tuning_texts.h', 'inline constexpr Tri kCSpanneVorsatz{"C: ", "C : ", "C: "};  // then kCSpanne\n', 'inline constexpr Tri kCSpanneVorsatz{"C: ", "C: ", "C: "};  // then kCSpanne\n', 'text', 'French summary strip C: without its blank')

# ---------------------------------------------------------------- text/include/text/language.h
m('text/include/text/language.h', '    {Language::German, "de", "deutsch", "de", "Ringfeld_Hilfe.pdf", "mnuDeutsch", "de_DE", false, ","},\n', '    {Language::German, "de", "deutsch", "dea", "Ringfeld_Hilfe.pdf", "mnuDeutsch", "de_DE", false, ","},\n', 'locale', 'a German desktop no longer starts in German')
m('text/include/text/language.h', '    return SprachCode(kFremdeLocaleSprache);\n', '    return SprachCode(Language::French);\n', 'locale', 'an English desktop starts in French')
m('text/include/text/language.h', '    const std::string_view subtag = localeName.substr(0, localeName.find_first_of("_-.@"));\n', '    const std::string_view subtag = localeName.substr(0, localeName.find_first_of("_.@"));\n', 'locale', 'BCP 47 names (fr-CA) lose their language')
m('text/include/text/language.h', '    {Language::French, "fr", "französisch", "fr", "Ringfeld_Aide.pdf", "mnuFranzösisch", "fr_FR", true, ","},\n', '    {Language::French, "en", "französisch", "fr", "Ringfeld_Aide.pdf", "mnuFranzösisch", "fr_FR", true, ","},\n', 'swap', '--lang fr not recognised (en maps to French)')

# ---------------------------------------------------------------- text/include/text/list_texts.h
m('text/include/text/list_texts.h', '    {Material::Fe, {"Fe", "Fe", "Fe"}},\n    {Material::Ag, {"Ag", "Ag", "Ag"}},\n', '    {Material::Ag, {"Ag", "Ag", "Ag"}},\n    {Material::Fe, {"Fe", "Fe", "Fe"}},\n', 'swap', 'material list entries Fe/Ag swapped')
m('text/include/text/catalog/shape_texts.h', '     {"Durchmesser:", "Diamètre:", "Diameter:"},\n', '     {"Seitenlänge:", "Diamètre:", "Diameter:"},\n', 'text', "German circle caption -> 'Seitenlänge:' (shared 35)")

# ---------------------------------------------------------------- text/include/text/catalog/shape_texts.h and the shapes' users
m('text/include/text/catalog/shape_texts.h', '     {"Achteck", "octogone", "Octagon"},\n', '     {"Achteck", "octogone", "Hexagon"},\n', 'text', 'English octagon entry named Hexagon: --shape hexagon finds the octagon')
m('text/include/text/catalog/shape_texts.h', '    {Form::Sechseck,\n     {"Sechseck", "hexagone", "Hexagon"},\n     {"Breite über Flächen:", "largeur sur plats:", "Width across flats:"},\n', '    {Form::Sechseck,\n     {"Sechseck", "hexagone", "Hexagon"},\n     {"Breite über Flächen:", "longueur d\'un côté:", "Width across flats:"},\n', 'text', "French hexagon caption -> the square's")
m('text/include/text/catalog/shape_texts.h', '     {"Breite über Flächen (m)", "Largeur sur plats (m)", "Width across flats (m)"},\n     {"Achteck von %1 m', '     {"Breite über Flächen (m)", "Largeur sur plats (m)", "Width across flats (m)"},\n     {"Sechseck von %1 m', 'text', 'the octagon called a hexagon above its tuning sheet')
m('text/loop_fields.cpp', '            if (form.text.in(sprache.lang) == shapeText) return form.form;\n', '            if (form.text.in(sprache.lang) == shapeText) return form.form == Form::Achteck ? Form::Sechseck : form.form;\n', 'swap', 'the octagon entry read as the hexagon')
m('text/loop_fields.cpp', '    return Form::Quadrat;  // any other text, as the window has always read it\n', '    return Form::Kreis;  // any other text, as the window has always read it\n', 'const', 'an unknown shape text read as the circle, not the square')
m('presentation/tuning_display.cpp', '    std::string muster = tr(FormTexte(z.form).schleife, lang);\n', '    std::string muster = tr(FormTexte(Form::Kreis).schleife, lang);\n', 'swap', 'every loop called a circle above its sheet')
m('presentation/tuning_report_inputs.cpp', '    add(FormTexte(zahlen.form).bericht, loop.Text1);\n', '    add(FormTexte(Form::Kreis).bericht, loop.Text1);\n', 'swap', "the report's size captioned as a diameter for every shape")
m('windows/exposure/exposure_state.cpp', '        eintrag(out.schleife, f.text == &LoopEingaben::Text1 ? form.groesse : f.caption,\n', '        eintrag(out.schleife, f.caption,\n', 'drop', "the safety distance's inputs call every size a diameter")
m('export/design/design_json.cpp', '    for (std::size_t i = 0; i < kShapes.size(); ++i) formen[i] = kShapes[i].key;\n', '    for (std::size_t i = 0; i + 2 < kShapes.size(); ++i) formen[i] = kShapes[i].key;\n', 'drop', 'design files refuse octagon and hexagon')
m('windows/main/frmMain.cpp', '    ui_.Combo1->setCurrentIndex(static_cast<int>(form));  // the list has the shape table\'s order\n', '    ui_.Combo1->setCurrentIndex(form == Form::Kreis ? 0 : 1);  // the list has the shape table\'s order\n', 'drop', 'an opened polygon shown as a square')
m('windows/main/frmMain.cpp', '                                                               : FormTexte(form).beschriftung.in(lang)));\n', '                                                               : kFormListe[1].beschriftung.in(lang)));\n', 'swap', "an opened polygon's size captioned as the square's side")
m('windows/finder/finder_window.cpp', 'constexpr std::array<const char*, 4> kFormNamen{"chkKreis", "chkQuadrat", "chkAchteck", "chkSechseck"};\n', 'constexpr std::array<const char*, 4> kFormNamen{"chkKreis", "chkQuadrat", "chkSechseck", "chkAchteck"};\n', 'swap', "the finder's octagon and hexagon boxes under each other's names")

# ---------------------------------------------------------------- text/include/text/number_format.h
m('text/include/text/number_format.h', 'inline constexpr Muster Lamda{"0.0###"};\n', 'inline constexpr Muster Lamda{"0.0##"};\n', 'pattern', 'Lamda pattern 0.0### -> 0.0## (shared 16)')
m('text/include/text/number_format.h', 'inline constexpr Muster Ohm{"##0.0##"};                // also kV and the coupling loop in m\n', 'inline constexpr Muster Ohm{"##0.0#"};                 // also kV and the coupling loop in m\n', 'pattern', 'Ohm pattern ##0.0## -> ##0.0# (shared 17)')
m('text/include/text/number_format.h', 'inline constexpr Muster Kiloohm{"0.0##"};\n', 'inline constexpr Muster Kiloohm{"0.0#"};\n', 'pattern', 'Kiloohm pattern 0.0## -> 0.0# (shared 18)')
m('text/include/text/number_format.h', 'inline constexpr Muster ProzentFein{"0.0########"};\n', 'inline constexpr Muster ProzentFein{"0.0#######"};\n', 'pattern', 'ProzentFein pattern one decimal fewer (shared 19)')

# ---------------------------------------------------------------- presentation/include/presentation/sheet_columns.h
m('presentation/include/presentation/sheet_columns.h', '         .value = number<&RowValues::R_proximity_ohm>,\n', '         .value = number<&RowValues::R_skin_ohm>,\n', 'swap', 'proximity column shows the skin loss')
m('presentation/include/presentation/sheet_columns.h', '         .key = "C_tune_pF",\n', '         .key = "C_tune_pf",\n', 'text', "C tune's export key misspelt")
m('presentation/include/presentation/sheet_columns.h', '         .key = "R_total_ohm",\n         .unit = "Ohm",\n', '         .key = "R_total_ohm",\n         .unit = "Ω",\n', 'text', "R total's unit Ohm -> Ω in the text table")
m('presentation/include/presentation/sheet_columns.h', '         .shortHeading = {"Rv", "Rv", "Rskin"},\n         .pattern = kOhm,\n', '         .shortHeading = {"Rv", "Rv", "Rskin"},\n         .pattern = kOne,\n', 'pattern', "text table's skin loss with one decimal")
m('presentation/include/presentation/sheet_columns.h', '         .decimals = 1,\n         .shortHeading = {"C Kond.", "C cond.", "C tune"},\n', '         .decimals = 2,\n         .shortHeading = {"C Kond.", "C cond.", "C tune"},\n', 'const', "window's C tune with two decimals")
m('presentation/include/presentation/sheet_columns.h', '         .marks = FlagBit(Flag::SelfCapacitance),\n', '         .marks = 0,\n', 'drop', 'self_capacitance no longer marks C self')
m('presentation/include/presentation/sheet_columns.h', '         .value = number<&RowValues::C_total_pF>,\n', '         .value = number<&RowValues::C_tune_pF>,\n', 'swap', 'exports give C tune as C total')
m('presentation/include/presentation/sheet_columns.h', '         .views = W | R | kTextViewWithCapQ | E,\n', '         .views = W | R | kTextView | E,\n', 'cmp', "text table shows the capacitor's power without a Q")

# ---------------------------------------------------------------- text/include/text/text_lines.h
m('text/include/text/text_lines.h', '        text += nl;\n', "        text += '\\n';\n", 'swap', "message lines joined with LF, not the record's line break")
m('text/include/text/text_lines.h', '    out += text.substr(at + 2);\n', '    out += text.substr(at + 1);\n', 'const', "place marker's digit left after the value")

# ---------------------------------------------------------------- text/input_rules.cpp
m('text/input_rules.cpp', '        minimum = (N - 1.0f) * d + 1.0f;\n', '        minimum = (N - 1.0f) * d + 2.0f;\n', 'const', 'coil minimum +1 mm -> +2 mm (shared 32)')
m('text/input_rules.cpp', '    if (L < minimum) out.text8 = spulenText(minimum, units, sep);\n', '    if (L <= minimum) out.text8 = spulenText(minimum, units, sep);\n', 'cmp', 'coil length rewritten when equal to minimum (shared 33)')
m('text/input_rules.cpp', '        if (windungenGeaendert) out.text8 = spulenText(d, units, sep);\n', '        out.text8 = spulenText(d, units, sep);\n', 'drop', "drop 'only after turns change' condition (shared 36)")
m('text/input_rules.cpp', '    if (!std::isfinite(umfang)) return std::nullopt;\n', '\n', 'drop', 'drop overflow guard in UmfangAusDurchmesser (shared 37)')
m('text/input_rules.cpp', 'double seitenTeiler(Form form) { return ShapeOf(form).perimeterPerSize; }\n', 'double seitenTeiler(Form form) { return ShapeOf(form == Form::Kreis ? Form::Quadrat : Form::Kreis).perimeterPerSize; }\n', 'swap', 'circle/square factor swapped (diameter -> circumference) (shared 34)')

# ---------------------------------------------------------------- presentation/loop_rechnen.cpp
m('presentation/loop_rechnen.cpp', '            // of the last design beside them.\n            out.ergebnisseLoeschen = true;\n', '            // of the last design beside them.\n', 'drop', "capacitance refusal keeps the last design's labels")
m('presentation/loop_rechnen.cpp', '                Meldung{PruefMeldung(Ending::Input, lang, false, rec.NL), rec.FehlerTitel, BoxIcon::Exclamation};\n', '                Meldung{PruefMeldung(Ending::Input, lang, false, rec.NL), rec.ProgrammTitel, BoxIcon::Exclamation};\n', 'swap', 'input refusal under program title (shared 50)')
m('presentation/loop_rechnen.cpp', '            out.meldung = Meldung{PruefMeldung(Ending::Capacitance, lang, rec.Windungen > 1, rec.NL), rec.ProgrammTitel,\n                                  BoxIcon::Information};\n', '            out.meldung = Meldung{PruefMeldung(Ending::Capacitance, lang, rec.Windungen >= 1, rec.NL),\n                                  rec.ProgrammTitel, BoxIcon::Information};\n', 'cmp', 'several-turns hint for one turn (shared 51)')
m('presentation/loop_rechnen.cpp', '    out.beep = true;\n', '\n', 'drop', 'no beep on refusal (shared 52)')
m('presentation/loop_rechnen.cpp', '        case Ending::Ok: out.ankopplungFreigeben = true; return out;\n', '        case Ending::Ok: out.ankopplungFreigeben = false; return out;\n', 'const', 'coupling button not enabled after ok (shared 53)')
m('presentation/loop_rechnen.cpp', '                Meldung{PruefMeldung(ergebnis.ending, lang, false, rec.NL), rec.ProgrammTitel, BoxIcon::Information};\n', '                Meldung{PruefMeldung(ergebnis.ending, lang, false, rec.NL), rec.ProgrammTitel, BoxIcon::Exclamation};\n', 'swap', 'length/inductance box icon Information -> Exclamation (shared 54)')

# ---------------------------------------------------------------- text/messages.cpp
m('text/messages.cpp', '        if (line.empty()) continue;\n', '\n', 'drop', 'empty message lines joined as double blanks')
m('text/messages.cpp', '            if (severalTurns) text += nl + nl + ZeilenVerbinden(texte::kWindungsabstandHinweis.in(lang), nl);\n', '            if (!severalTurns) text += nl + nl + ZeilenVerbinden(texte::kWindungsabstandHinweis.in(lang), nl);\n', 'cmp', 'several-turns hint condition inverted')

# ---------------------------------------------------------------- text/number_format.cpp
m('text/number_format.cpp', '    return exponent - 53 + shift == -(decimals + 1);\n', '    return exponent - 53 + shift == -decimals;\n', 'const', 'isExactHalf off by one (shared 20)')
m('text/number_format.cpp', '        while (fractionDigits > s.minFraction && units % 10 == 0) {\n', '        while (fractionDigits >= s.minFraction && units % 10 == 0) {\n', 'cmp', 'trailing-zero loop > -> >= (fast path) (shared 21)')
m('text/number_format.cpp', '    if (!(value < 0) || isZero) return text;\n', '    if (!(value < 0)) return text;\n', 'drop', "drop 'value rounding to zero shows no sign' (shared 22)")
m('text/number_format.cpp', '        put(separator);\n', '        put(".");\n', 'swap', "decimal separator ignored (always '.') (shared 23)")
m('text/number_format.cpp', '            return last;\n', '            return first;\n', 'swap', 'incrementLastDigit returns wrong end (shared 24)')

# ---------------------------------------------------------------- presentation/result_labels.cpp
m('presentation/result_labels.cpp', '        if (lang != Language::None) out.tooltipC = std::string(texte::kTooltipKondensator.in(lang)) + text + " pF ";\n', '        if (lang != Language::None) out.tooltipC = std::string(texte::kTooltipKondensator.in(lang)) + text + " pF";\n', 'text', 'tooltip loses trailing blank')
m('presentation/result_labels.cpp', '        if (lang != Language::None) out.tooltipC = std::string(texte::kTooltipKondensator.in(lang)) + text + " pF ";\n', '        out.tooltipC = std::string(texte::kTooltipKondensator.in(lang)) + text + " pF ";\n', 'drop', 'tooltip also for no language')
m('presentation/result_labels.cpp', '    if (eta >= 0.1) return FormatZahl(prozent, muster::Prozent, sep);\n', '    if (eta > 0.1) return FormatZahl(prozent, muster::Prozent, sep);\n', 'cmp', 'efficiency precision switch >= -> > (shared 43)')
m('presentation/result_labels.cpp', '        std::string text = FormatZahl(c, c < 1000 ? muster::KapazitaetKlein : muster::KapazitaetGross, sep);\n', '        std::string text = FormatZahl(c, c <= 1000 ? muster::KapazitaetKlein : muster::KapazitaetGross, sep);\n', 'cmp', 'C pattern switch < -> <= (shared 44)')
m('presentation/result_labels.cpp', '        set(ResultLabel::lbCL, FormatZahl(cl, cl < 100 ? muster::KapazitaetKlein : muster::EigenkapazitaetGross, sep));\n', '        set(ResultLabel::lbCL, FormatZahl(cl, cl < 10 ? muster::KapazitaetKlein : muster::EigenkapazitaetGross, sep));\n', 'const', 'CL pattern switch 100 -> 10 (shared 45)')
m('presentation/result_labels.cpp', '    if (liestSichAlsNull(text)) text = FormatZahl(rr * 1000, muster::Milliohm, sep);\n', '    if (liestSichAlsNull(text)) text = FormatZahl(rr * 100, muster::Milliohm, sep);\n', 'const', 'milliohm factor 1000 -> 100 (shared 47)')
m('presentation/result_labels.cpp', '    if (w.bandbreite) set(ResultLabel::lbB, FormatZahl(*w.bandbreite, muster::Guete, sep));\n', '    if (w.bandbreite) set(ResultLabel::lbB, FormatZahl(*w.bandbreite, muster::Ohm, sep));\n', 'swap', 'bandwidth with Ohm pattern (shared 49)')

# ---------------------------------------------------------------- text/window_texts.cpp
m('text/window_texts.cpp', '    {W::Main, "Label36", T::Caption, {"L&änge:", "&lon- gueur:", "Length:"}},\n', '    {W::Main, "Label36", T::Caption, {"L&änge:", "&lon- gueur:", "Lenght:"}},\n', 'text', 'English caption typo in the text table')

# ---------------------------------------------------------------- text/text_zu_zahl.cpp
m('text/text_zu_zahl.cpp', "        if (c == ' ' || c == '\\t' || c == '\\n') continue;\n", "        if (c == ' ' || c == '\\n') continue;\n", 'drop', 'tabs no longer skipped (shared 25)')
m('text/text_zu_zahl.cpp', '        if (digit < 0 || digit >= radix) break;\n', '        if (digit < 0 || digit > radix) break;\n', 'cmp', 'radix digit check >= -> > (octal accepts 8) (shared 26)')
m('text/text_zu_zahl.cpp', '    if (mantissaDigits <= 19 && mantissa <= (std::uint64_t{1} << 53) && scale >= -22 && scale <= 22) {\n', '    if (mantissaDigits <= 19 && mantissa <= (std::uint64_t{1} << 54) && scale >= -22 && scale <= 22) {\n', 'const', 'fast path admits inexact mantissas up to 2^54 (shared 27)')
m('text/text_zu_zahl.cpp', '        if (magnitude + exponent > 0) throw ArithmeticFault(Fault::Overflow);\n        return 0.0;\n', '        if (magnitude + exponent > 0) throw ArithmeticFault(Fault::Overflow);\n        throw ArithmeticFault(Fault::Overflow);\n', 'swap', 'underflow reported as overflow (shared 28)')
m('text/text_zu_zahl.cpp', '        if (negativeExponent) exponent = -exponent;\n', '        ;\n', 'drop', 'exponent sign ignored (shared 29)')
m('text/text_zu_zahl.cpp', "    if (p < end && (*p == 'E' || *p == 'e' || *p == 'D' || *p == 'd')) {\n", "    if (p < end && (*p == 'E' || *p == 'e' || *p == 'D')) {\n", 'drop', 'lower-case d exponent not recognised (shared 30)')
m('text/text_zu_zahl.cpp', "        else if (radix == 16 && c >= 'a' && c <= 'f')\n", "        else if (radix == 16 && c >= 'a' && c < 'f')\n", 'cmp', 'hex digit f (lower case) rejected (shared 31)')

# ---------------------------------------------------------------- finder/finder_inputs.cpp
m('finder/finder_inputs.cpp', '    if (wert(F::Spacing) && !(*wert(F::Spacing) >= 1)) reason(F::Spacing, tri(texte::kMindestensEins));\n', '    if (wert(F::Spacing) && !(*wert(F::Spacing) > 1)) reason(F::Spacing, tri(texte::kMindestensEins));\n', 'cmp', 'finder spacing 1 refused')
m('finder/finder_inputs.cpp', '            einmal(o.materials, *material);\n', '            o.materials.push_back(*material);\n', 'drop', 'a material named twice is searched twice')
m('finder/finder_inputs.cpp', '        if (!n || !(*n >= 1 && *n <= kMaxWindungen && std::floor(*n) == *n))\n', '        if (!n || !(*n >= 1 && *n <= kMaxWindungen ))\n', 'drop', 'finder accepts fractional turns')

# ---------------------------------------------------------------- finder/finder_message.cpp
m('finder/finder_message.cpp', '    if (const long long n = e.excluded[at(Ausschluss::SelfCapacitance)]; n > 0)\n', '    if (const long long n = e.excluded[at(Ausschluss::SelfCapacitance)]; false)\n', 'drop', 'no sentence for the self-capacitance')
m('finder/finder_message.cpp', '        out += (out.empty() ? "" : " ") + MitWerten((n == 1 ? einer : viele).in(lang), {ganz(n), kurz(size, sep)});\n', '        out += (out.empty() ? "" : " ") + MitWerten(viele.in(lang), {ganz(n), kurz(size, sep)});\n', 'drop', 'search edge hint: "1 designs are"')
m('finder/finder_message.cpp', '    if (e.unterMarge == 0 || !o.sheet.capVPeakV) return {};\n', '    return {};\n', 'drop', 'exclusions under the margin not explained')
m('finder/finder_message.cpp', '            if (*b.kleinsteSpannungEta < beste / 10)\n', '            if (*b.kleinsteSpannungEta < beste / 100)\n', 'const', 'the lowest-voltage loop said to be poor only below a hundredth of the best')
m('finder/finder_message.cpp', "    return out.ends_with('!') ? out : out + '.';\n", "    return out + '.';\n", 'drop', 'a full stop after a quoted refusal\'s "!"')
m('finder/finder_message.cpp', '        exakt >= 1 ? kZehntelJeWatt : std::max(kMilliwattJeWatt, std::pow(10.0, std::ceil(-std::log10(exakt))));\n', '        exakt >= 1 ? kZehntelJeWatt : kMilliwattJeWatt;\n', 'drop', 'the power that keeps the rating rounded to 1 mW even below 1 mW ("at most 0.0 W")')

# ---------------------------------------------------------------- finder/candidate.cpp
m('finder/candidate.cpp', '    const int count = o.toMHz > o.fromMHz ? kSchritte + 1 : 1;\n', '    const int count = o.toMHz > o.fromMHz ? kSchritte : 1;\n', 'const', 'finder band of 50 rows, TO left out')
m('finder/candidate.cpp', '                if (hat(vTo, flag) || hat(vFrom, flag)) {\n', '                if (hat(vTo, flag)) {\n', 'drop', 'finder checks only TO before the rows')
m('finder/candidate.cpp', '            d.gainWorstDbi = r.gain_dBi;\n        }\n', '        }\n        d.gainWorstDbi = r.gain_dBi;\n', 'drop', 'gain of the last row, not of the worst')
m('finder/candidate.cpp', '        d.vPeakMaxV = std::max(d.vPeakMaxV, r.V_peak_V.value_or(0));\n', '        d.vPeakMaxV = r.V_peak_V.value_or(0);\n', 'drop', 'peak voltage of the last row, not the highest')
m('finder/candidate.cpp', '        d.rowsRrFormulaRange += hat(r, Flag::RrFormulaRange);\n', '        d.rowsRrFormulaRange = hat(r, Flag::RrFormulaRange);\n', 'drop', 'rr_formula_range rows not counted')
m('finder/candidate.cpp', '    if (o.sheet.capVPeakV) sheet_.capVPeakV = *o.sheet.capVPeakV / o.capMargin;\n', '', 'drop', 'the rating not divided by the margin')
m('finder/candidate.cpp', '        s.notSmall = vTo.conductor_wavelengths > o_.maxWavelengths;\n', '        s.notSmall = false;\n', 'drop', 'loops beyond the small-loop limit not excluded')
m('finder/candidate.cpp', '    if (o_.sheet.capVPeakV) d.headroom = *o_.sheet.capVPeakV / d.vPeakMaxV;\n', '    if (o_.sheet.capVPeakV) d.headroom = *o_.sheet.capVPeakV / o_.capMargin / d.vPeakMaxV;\n', 'const', 'headroom against the rating divided by the margin')
m('finder/candidate.cpp', '    s.ring = RingFormel(e.z);\n', '    s.ring = false;\n', 'drop', "halving ignores the inductance formula's change")
m('finder/candidate.cpp', '        s.belowMin = vTo.C_tune_pF < *sheet_.capMinPf;\n', '        s.belowMin = false;\n', 'drop', 'halving key without the capacitor minimum')

# ---------------------------------------------------------------- finder/size_bisection.cpp
m('finder/size_bisection.cpp', '        if (ea.schluessel == ende(b).schluessel) return zuweisen(a, b - 1, ea);\n', '        if (ea.klasse == ende(b).klasse) return zuweisen(a, b - 1, ea);\n', 'drop', 'sizes halved by the class alone, not by every condition')
m('finder/size_bisection.cpp', '        const double hoechste = kSqrt2 * std::sqrt(P / aFrom.R_total_ohm) * bTo.X_ohm;\n', '        const double hoechste = kSqrt2 * std::sqrt(P / bFrom.R_total_ohm) * bTo.X_ohm;\n', 'swap', 'voltage bound with the largest size\'s loss')
m('finder/size_bisection.cpp', '        const double schranke = ende(b).from.values->R_radiation_ohm / ende(a).from.values->R_total_ohm * kProzent;\n', '        const double schranke = ende(a).from.values->R_radiation_ohm / ende(a).from.values->R_total_ohm * kProzent;\n', 'swap', "efficiency bound with the smallest size's Rr")
m('finder/size_bisection.cpp', '        bester(m + 1, b);\n        bester(a, m);\n', '        bester(m + 1, b);\n', 'drop', 'the best searched in the upper half only')
m('finder/size_bisection.cpp', '        if (s == Spannung::Marge) t_.unterMarge += anzahl;\n', '', 'drop', 'halving does not count the exclusions under the margin')

# ---------------------------------------------------------------- finder/exhaustive_scan.cpp
m('finder/exhaustive_scan.cpp', '        if (v->spannung) {\n', '        if (false) {\n', 'drop', 'exhaustive scan ignores the capacitor voltage rating')
m('finder/exhaustive_scan.cpp', '                    (unten(m) ? a : z) = m;\n', '                    (unten(m) ? z : a) = m;\n', 'swap', 'part of the band: its top halved the wrong way')
m('finder/exhaustive_scan.cpp', '                t.toMHz = r_.frequenz(j);\n', '                t.toMHz = r_.frequenz(j + 1);\n', 'const', 'part of the band ends a row late')

# ---------------------------------------------------------------- finder/proposals.cpp
m('finder/proposals.cpp', '        Vorschlag festigkeit{VorschlagArt::Festigkeit, loop, 0, 0, loop.vPeakMaxV * o.capMargin, 0, false};\n', '        Vorschlag festigkeit{VorschlagArt::Festigkeit, loop, 0, 0, loop.vPeakMaxV, 0, false};\n', 'drop', 'rating proposed without the margin')
m('finder/proposals.cpp', '                           power * (grenze / loop.vPeakMaxV) * (grenze / loop.vPeakMaxV),\n', '                           power * (grenze / loop.vPeakMaxV),\n', 'drop', 'power proposed in proportion to the voltage, not its square')
m('finder/proposals.cpp', '        if (*t && (*t)->loop.efficiencyWorstPercent >= kZehntel * beste) teil = &**t;\n', '        if (*t) teil = &**t;\n', 'drop', 'the widest part of the band even with a loop below a tenth of the best')

# ---------------------------------------------------------------- finder/finder_columns.cpp
m('finder/finder_columns.cpp', '            return spalte.wert(e) > 0   ? std::string(texte::kRandGroesste.in(lang))\n', '            return spalte.wert(e) < 0   ? std::string(texte::kRandGroesste.in(lang))\n', 'cmp', 'search edge cells swapped')

# ---------------------------------------------------------------- core/capacitor_cover.cpp
m('core/capacitor_cover.cpp', '            (haelt(m) == drin ? x : y) = m;\n', '            (haelt(m) == drin ? y : x) = m;\n', 'swap', 'coverage under the rating: a change halved the wrong way')
m('core/capacitor_cover.cpp', '        (*vc > *vd ? b : a) = *vc > *vd ? d : c;\n', '        (*vc > *vd ? a : b) = *vc > *vd ? c : d;\n', 'swap', 'golden-section search for the lowest voltage')
m('core/capacitor_cover.cpp', '    out.holdsAllPowerW = loop.P.wert * (rating / out.vPeakMaxV) * (rating / out.vPeakMaxV);\n', '    out.holdsAllPowerW = loop.P.wert * (rating / out.vPeakMaxV);\n', 'drop', 'power for the whole range in proportion to the voltage')
m('core/capacitor_cover.cpp', '    if (drin) out.holds.push_back({start, punkte.back()});\n', '', 'drop', 'the last part that holds left out')

# ---------------------------------------------------------------- finder/finder_search.cpp
m('finder/finder_search.cpp', '    return neu.sizeM < alt.sizeM;\n', '    return neu.sizeM > alt.sizeM;\n', 'cmp', 'equal efficiencies keep the larger size')
m('finder/finder_search.cpp', '    if (a.turns != b.turns) return a.turns < b.turns;\n', '    if (a.turns != b.turns) return a.turns > b.turns;\n', 'cmp', 'ranking ties: more turns first')
m('finder/finder_search.cpp', '    if (a.form != b.form) return a.form < b.form;  // the shape list\'s order: the circle first\n', '    if (a.form != b.form) return a.form > b.form;  // the shape list\'s order: the circle first\n', 'cmp', 'ranking ties: square before circle')
m('finder/finder_search.cpp', '    return platz(a.material) < platz(b.material);\n', '    return a.material < b.material;\n', 'drop', "ranking ties: the list's order, not the materials as given")
m('finder/finder_search.cpp', '    e.Text8 = KurzText(turns > 1 ? (turns - 1) * o.spacing * conductorMm : conductorMm);\n', '    e.Text8 = KurzText(turns > 1 ? turns * o.spacing * conductorMm : conductorMm);\n', 'const', 'coil length N s d instead of (N - 1) s d')
m('finder/finder_search.cpp', '    if (auto r = SpulenlaengeNachWindungen(e.Text8, e.Text3, e.Text4, "."); r && r->text8) e.Text8 = *r->text8;\n', '    if (false) if (auto r = SpulenlaengeNachWindungen(e.Text8, e.Text3, e.Text4, "."); r && r->text8) e.Text8 = *r->text8;\n', 'drop', 'coil length not raised for the turns')

# ---------------------------------------------------------------- export/finder_export.cpp
m('export/finder_export.cpp', '    return e.top ? std::min(all, static_cast<std::size_t>(std::max(0, *e.top))) : all;\n', '    return false ? std::min(all, static_cast<std::size_t>(std::max(0, *e.top))) : all;\n', 'drop', '--top ignored in JSON and CSV')

# ---------------------------------------------------------------- export/json_writer.cpp
m('export/json_writer.cpp', '            case \'\\r\': put("\\\\r"); break;\n', '            case \'\\r\': put("\\\\n"); break;\n', 'swap', 'JSON escapes CR as \\n')

# ---------------------------------------------------------------- export/tuning_export.cpp
m('export/tuning_export.cpp', "    if (index > 0) out += ',';\n", '', 'drop', 'sheet JSON rows without a comma between them')
m('export/tuning_export.cpp', '    out += "\\n],";\n', '    out += "\\n]";\n', 'drop', 'sheet JSON without the comma before the summary')
m('export/tuning_export.cpp', '        if (column.kind == ColumnKind::Frequency) out += ",ending,message";\n', '        if (column.kind == ColumnKind::Frequency) out += ",ending";\n', 'drop', 'sheet CSV header without the message')

# ---------------------------------------------------------------- platform/base/include/platform/settings_store.h
m('platform/base/include/platform/settings_store.h', '    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1String(", ")).toStdString();\n', '    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1String(",")).toStdString();\n', 'text', 'comma list re-joined without blank (shared 118)')
m('platform/base/include/platform/settings_store.h', '    if (store->status() != QSettings::NoError) return std::string(defaultValue);\n', '\n', 'drop', 'unreadable store not treated as empty (shared 119)')

# ---------------------------------------------------------------- platform/desktop_open.cpp
m('platform/desktop_open.cpp', '    return launched;\n', '    return true;\n', 'help', "GIO's failure is not reported")

# ---------------------------------------------------------------- platform/window_print.cpp
m('platform/window_print.cpp', '    kopf.label.setVisible(kopf.danachSichtbar);\n', '    kopf.label.setVisible(true);\n', 'const', 'print heading stays visible')

# ---------------------------------------------------------------- platform/print_renderer.cpp
m('platform/print_renderer.cpp', '    painter.scale(scale / inches, scale / inches);\n', '    painter.scale(scale, scale);\n', 'const', "print scale counts the picture's inches twice")
m('platform/print_renderer.cpp', '    painter.drawPicture(0, 0, drawing);\n', '    clientArea.render(&painter);\n', 'swap', "print through QWidget::render's bitmap")
m('platform/print_renderer.cpp', '            if (s.field) s.field->setSelection(s.start, s.length);\n', '            if (s.field) s.field->deselect();\n', 'drop', 'printing loses the selection')
m('platform/print_renderer.cpp', '            field->deselect();\n', '', 'drop', 'selection printed')
m('platform/print_renderer.cpp', '        if (focus_) focus_->clearFocus();\n', '', 'drop', 'focus frame printed')

# ---------------------------------------------------------------- platform/report*.cpp, platform/fonts, file_proposal.cpp
m('platform/report_page.cpp', '    painter_->drawText(area, Qt::AlignHCenter | Qt::AlignBottom, footer_.page.arg(number_).arg(pages_));\n', '    painter_->drawText(area, Qt::AlignHCenter | Qt::AlignBottom, footer_.page.arg(number_).arg(number_));\n', 'swap', 'footer counts this page as all pages')
m('platform/report.cpp', '    flow(document, device, &painter, footer, pages);\n', '    flow(document, device, &painter, footer, 0);\n', 'drop', 'pages not counted before painting: page x of 0')
m('platform/report.cpp', '    margins = QMarginsF(std::max(margins.left(), kLeastMargin), std::max(margins.top(), kLeastMargin),\n', '    margins = QMarginsF(margins.left(), std::max(margins.top(), kLeastMargin),\n', 'drop', 'left margin not widened to 15 mm')
m('platform/report.cpp', '            const QSizeF points(w / page_.dotsPerPoint(), h / page_.dotsPerPoint());\n', '            const QSizeF points(2 * w / page_.dotsPerPoint(), 2 * h / page_.dotsPerPoint());\n', 'const', 'chart laid out at twice its printed size: labels at half their size')
m('platform/report.cpp', '            const double after = next_ ? std::visit([this](const auto& b) { return start(b); }, *next_) : 0;\n', '            const double after = 0;\n', 'drop', 'a heading may end a page')
m('platform/report.cpp', "                        qs(texte::kSeite, lang), DateLocale(lang).toString(document.made.date(), QLocale::LongFormat)};\n", "                        qs(texte::kSeite, lang), QLocale().toString(document.made.date(), QLocale::LongFormat)};\n", 'swap', "footer's date in the desktop's locale, not the report's language")
m('platform/report_page.h', 'inline constexpr double kBodyPoints = 10, kTitlePoints = 16, kHeadingPoints = 11.5, kSmallPoints = 8.5;\n', 'inline constexpr double kBodyPoints = 10, kTitlePoints = 16, kHeadingPoints = 11.5, kSmallPoints = 7;\n', 'const', 'tables at 7 pt')
m('platform/report_table.cpp', '        if (page_.room(h)) headings();\n', '        page_.room(h);\n', 'drop', "a table's headings only on its first page")
m('platform/report_table.cpp', '    if (sum(out) <= width) {\n', '    if (sum(out) <= 2 * width) {\n', 'cmp', 'columns as wide as they want when twice the page holds them')
m('platform/report_table.cpp', "        if (ch == QLatin1Char(' ') && depth == 0) {\n", "        if (ch == QLatin1Char(' ') || ch == QLatin1Char('/')) {\n", 'cmp', 'a heading wraps inside its unit')
m('platform/fonts/fonts.cpp', '    QFont font(Family(face));\n', '    QFont font(face == Face::Mono ? QStringLiteral("monospace") : Family(face));\n', 'swap', 'code left to fontconfig\'s monospace')
m('help/make_help_pdf.cpp', '    codeSchrift(doc);\n', '', 'drop', "help PDFs' code in the desktop's fixed-pitch font")
m('text/include/text/language.h', '    {Language::English, "en", "englisch", "en", "Ringfeld_Help.pdf", "mnuEnglisch", "en_GB", false, "."},\n', '    {Language::English, "en", "englisch", "en", "Ringfeld_Help.pdf", "mnuEnglisch", "en_US", false, "."},\n', 'const', 'English reports with US dates')
m('platform/file_proposal.cpp', "    if (const QString t = title(window, lang); !t.isEmpty()) name += QLatin1Char('-') + t;\n", '', 'drop', 'dialogs propose "Ringfeld.pdf" for every window')

# ---------------------------------------------------------------- platform/qt_desktop_services.cpp
m('platform/qt_desktop_services.cpp', '        case BoxIcon::Exclamation: return QMessageBox::Warning;\n', '        case BoxIcon::Exclamation: return QMessageBox::Critical;\n', 'swap', 'exclamation shown as critical (shared 114)')
m('platform/qt_desktop_services.cpp', '    QMessageBox box(qtIcon(meldung.icon), title, text, QMessageBox::Ok, QApplication::activeWindow());\n    box.setTextFormat(Qt::PlainText);\n', '    QMessageBox box(qtIcon(meldung.icon), title, text, QMessageBox::Ok, QApplication::activeWindow());\n', 'drop', 'message text read as markup (shared 115)')
m('platform/qt_desktop_services.cpp', '    text.replace(QLatin1String("\\r\\n"), QLatin1String("\\n"));\n', '\n', 'drop', 'CR LF not converted (shared 116)')
m('platform/qt_desktop_services.cpp', '    return info.exists() && info.isFile();\n', '    return info.exists();\n', 'drop', 'folders count as files (shared 117)')

# ---------------------------------------------------------------- windows/coupling/frmAnkopplung.cpp
m('windows/coupling/frmAnkopplung.cpp', '    WiederWaehlen(ui_.Combo1, sprachEintrag_);\n', '', 'drop', 'language switch resets the coupling site')
m('windows/coupling/frmAnkopplung.cpp', 'void frmAnkopplung::NeueLoop() {\n    ui_.Label2->setText(QString());\n', 'void frmAnkopplung::NeueLoop() {\n', 'drop', 'new loop keeps the coupling circumference')
m('windows/coupling/frmAnkopplung.cpp', 'void frmAnkopplung::NeueLoop() {\n    ui_.Label2->setText(QString());\n    ui_.Label4->setText(QString());\n    ui_.Command3->setEnabled(false);\n', 'void frmAnkopplung::NeueLoop() {\n    ui_.Label2->setText(QString());\n    ui_.Label4->setText(QString());\n', 'drop', 'new loop keeps the coupling print button')
m('text/include/text/start_values.h', 'inline constexpr std::array<std::string_view, 3> kOrtVerhaeltnisse{"4,05", "4,50", "4,95"};\n', 'inline constexpr std::array<std::string_view, 3> kOrtVerhaeltnisse{"4,05", "4,95", "4,50"};\n', 'swap', 'site ratios 4,50 and 4,95 swapped (shared 89)')
m('windows/coupling/frmAnkopplung.cpp', '    Cancel = true;\n    ui_.Label2->setText(QString());\n    ui_.Label4->setText(QString());\n    ui_.Command3->setEnabled(false);\n', '    Cancel = true;\n    ui_.Label2->setText(QString());\n    ui_.Label4->setText(QString());\n', 'drop', 'close box leaves print enabled (shared 90)')
m('windows/coupling/frmAnkopplung.cpp', '    weiter([&] { Zusatzhinweis.clear(); });\n', '\n', 'drop', 'activation keeps old explanation (shared 91)')
m('windows/coupling/frmAnkopplung.cpp', '    if (aus.hinweisZeigen) Command2_Click();\n', '', 'drop', 'range with C<=1000 shows no note (shared 92)')
m('windows/coupling/frmAnkopplung.cpp', '    if (fenster == windowHandle() && vorher != fenster) Form_Activate();\n', '    if (fenster == windowHandle()) Form_Activate();\n', 'drop', 'return from dialog counts as activation (shared 94)')
m('windows/coupling/frmAnkopplung.cpp', '    weiter([&] { ui_.Label9->setVisible(false); });\n', '\n', 'drop', 'activation does not hide print heading (shared 95)')
m('windows/coupling/frmAnkopplung.cpp', '    ui_.Label11->setText(QString());\n', '', 'drop', 'resonance label not emptied (shared 97)')

# ---------------------------------------------------------------- windows/forms/tool_window.cpp
m('windows/forms/tool_window.cpp', '    restoreKept(ReadKeptTexts(kind_.settingsGroup, settingsFile()));\n', '\n', 'drop', 'tool windows start without their kept inputs')
m('windows/forms/tool_window.cpp', '    exposeObjectNames(this);\n', '\n', 'drop', "tool windows' widgets not found by their names")
m('windows/forms/tool_window.cpp', '        if (row.window == kind_.texts) TextAnwenden(row, lang, *this);\n', '        if (row.window == TextWindow::Tuning) TextAnwenden(row, lang, *this);\n', 'swap', "every tool window takes the tuning window's captions")
m('windows/forms/tool_window.cpp', '    applyLanguage(lang);\n', '\n', 'drop', "a tool window's own texts do not follow the language")
m('windows/forms/tool_window.cpp', '    if (isVisible()) spaeter_.start();\n', '\n', 'drop', 'tool windows do not follow their inputs')
m('windows/forms/tool_window.cpp', '    writeSettings();\n    QWidget::hideEvent(event);\n', '    QWidget::hideEvent(event);\n', 'drop', "a closed tool window's inputs reach the store only when the program ends")
m('windows/forms/tool_window.cpp', '    if (platziert_) store->setValue(QString::fromLatin1(kGeometrieSchluessel), saveGeometry().toBase64());\n', '\n', 'drop', "tool windows' places not kept")
m('windows/forms/tool_window.cpp', '    if (!restoreKeptGeometry(*schirm)) placeFirst(*schirm);\n', '    placeFirst(*schirm);\n', 'drop', 'tool windows always start beside the main window')
m('windows/forms/include/forms/tool_window.h', '    ~BuiltToolWindow() override { this->finish(); }\n', '    ~BuiltToolWindow() override {}\n', 'drop', 'inputs lost when the program ends with a tool window open')

# ---------------------------------------------------------------- windows/finder/finder_window.cpp
m('windows/finder/finder_window.cpp', 'constexpr int kSichtbarNach = 200;  // ms a search runs before its progress is shown\n', 'constexpr int kSichtbarNach = 200000;  // ms a search runs before its progress is shown\n', 'const', 'finder progress and cancel button never shown')
m('windows/finder/finder_window.cpp', '    if (nummer != nummer_ || !lauf_) return;\n', '    if (!lauf_) return;\n', 'drop', 'an overtaken search shows its result')
m('windows/finder/finder_window.cpp', '    const QModelIndex index = sortiert_->mapToSource(sortiert_->index(row, 0));\n', '    const QModelIndex index = modell_.index(row, 0);\n', 'drop', 'use this design takes the unsorted row')
m('windows/finder/finder_window.cpp', '        texte_[at(Feld::Power)]->setText(qs(MitTrenner(loop.Text6, lang)));\n', '        (void)loop;\n', 'drop', "finder does not start from the main window's power")

# ---------------------------------------------------------------- windows/forms/CMakeLists.txt
m('windows/forms/CMakeLists.txt', 'set(RINGFELD_ICON_SIZES 16 32 48 64 128 256)', 'set(RINGFELD_ICON_SIZES 16 32 48 64 128)', 'drop', 'no 256-pixel icon')
m('windows/forms/CMakeLists.txt', '--width ${size} --height ${size}', '--width ${size} --height 48', 'const', 'every icon rendered 48 pixels high')

# ---------------------------------------------------------------- windows/forms/widget_texts.cpp
m('windows/forms/widget_texts.cpp', '    if (entry >= 0) list.setCurrentIndex(entry);\n', '\n', 'drop', 'list text does not select its entry (shared 98)')
m('windows/forms/widget_texts.cpp', '    if (list.currentIndex() != selected) {\n', '    if (false) {\n', 'drop', 'appending an entry may select it (shared 100)')

# ---------------------------------------------------------------- windows/main/frmMain.cpp
m('windows/main/frmMain.cpp', '    programm_.AnkopplungNeueLoop();\n', '', 'drop', 'calculation leaves an open coupling window as it was')
m('windows/main/frmMain.cpp', '    return LoopEingaben{str(ui_.Text1->text()),         str(ui_.Text2->text()),        str(ui_.Text3->text()),\n                        str(ui_.Text4->text()),         str(ui_.Text5->text()),        str(ui_.Text6->text()),\n', '    return LoopEingaben{str(ui_.Text1->text()),         str(ui_.Text2->text()),        str(ui_.Text4->text()),\n                        str(ui_.Text3->text()),         str(ui_.Text5->text()),        str(ui_.Text6->text()),\n', 'swap', 'loop fields Text3 and Text4 swapped')
m('windows/main/frmMain.cpp', '        connect(field, &QLineEdit::textChanged, this, [this] { eingabeBearbeitet(); });\n', '        ;\n', 'drop', "main window's field changes not followed")
m('windows/main/frmMain.cpp', '    rec_.Sprache = dienste_.readSetting(kSettingsSection, kSettingsKey, SprachCodeFuerLocale(dienste_.desktopLocale()));\n', '    rec_.Sprache = dienste_.readSetting(kSettingsSection, kSettingsKey, kCodeGerman);\n', 'locale', 'nothing stored starts in German again')
m('windows/main/frmMain.cpp', 'void frmMain::Command1_Click() {\n    LoopRechnen();\n    ui_.Command3->setEnabled(true);\n}\n', 'void frmMain::Command1_Click() { LoopRechnen(); }\n', 'drop', 'calculate button no longer enables printing (shared 78)')
m('windows/main/frmMain.cpp', 'void frmMain::Text4_Change() {\n    ui_.Command2->setEnabled(false);\n', 'void frmMain::Text4_Change() {\n', 'drop', 'turns change leaves coupling button on (shared 79)')
m('windows/main/frmMain.cpp', '    for (ResultLabel label : kErgebnisseLoeschenLabels) resultLabel(label)->setText(QString());\n    ui_.Command2->setEnabled(false);\n', '    for (ResultLabel label : kErgebnisseLoeschenLabels) resultLabel(label)->setText(QString());\n', 'drop', 'blanking leaves coupling button on (shared 80)')
m('windows/main/frmMain.cpp', '    ui_.Label37->setVisible(sichtbar);\n', '\n', 'drop', 'unit label of coil length not shown/hidden (shared 81)')
m('windows/main/frmMain.cpp', '    ui_.Text8->setEnabled(false);\n', '', 'drop', 'coil length field enabled at start (shared 82)')
m('windows/main/frmMain.cpp', '    if (rec_.Sprache == code) return;\n', '', 'drop', 'choosing current language re-applies it (shared 84)')
m('windows/main/frmMain.cpp', '    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Delete) return false;\n', '    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return false;\n', 'drop', 'Delete key filtered in numeric fields (shared 85)')
m('windows/main/frmMain.cpp', '                Text2_KeyUp();\n', '                Text1_KeyUp();\n', 'swap', 'Text2 key release runs Text1 handler (shared 86)')
m('windows/main/frmMain.cpp', '        ui_.Text2->setText(qs(folge->text));\n    }\n    ui_.Command2->setEnabled(false);\n', '        ui_.Text2->setText(qs(folge->text));\n    }\n', 'drop', 'typing the diameter leaves coupling button on (shared 87)')
m('windows/main/frmMain.cpp', 'void frmMain::mnuAktRechnen_Click() { LoopRechnen(); }\n', 'void frmMain::mnuAktRechnen_Click() { Command1_Click(); }\n', 'swap', 'menu calculation also enables printing (shared 88)')

# ---------------------------------------------------------------- windows/main/sprache_anwenden.cpp
m('windows/main/sprache_anwenden.cpp', '    if (WiederWaehlen(shape, shapeEntry)) {\n', '    if (WiederWaehlen(shape, -1)) {\n', 'drop', 'language switch resets the shape')
m('windows/main/sprache_anwenden.cpp', '    WiederWaehlen(material, materialEntry);\n', '', 'drop', 'language switch resets the material')
m('windows/main/sprache_anwenden.cpp', '        if (auto* label = findeIn<QLabel>(&frmMain, "Label1"); label && caption) label->setText(qs(*caption));\n', '        if (auto* label = findeIn<QLabel>(&frmMain, "Label1"); label && caption) {}\n', 'drop', 'kept square keeps the diameter caption')
m('windows/main/sprache_anwenden.cpp', '        if (auto* a = findeIn<QAction>(&frmMain, e.menue)) a->setChecked(lang == e.lang);\n', '        if (auto* a = findeIn<QAction>(&frmMain, e.menue))\n            a->setChecked(lang == (e.lang == Language::French ? Language::English : e.lang));\n', 'swap', 'French check mark follows English')
m('windows/main/sprache_anwenden.cpp', '    TitelSetzen(rec);\n', '\n', 'drop', 'box titles not set for the language (shared 99)')

# ---------------------------------------------------------------- windows/tuning/tuning_report.cpp
m('windows/tuning/tuning_report.cpp', '        for (int r = 0; r < model.rowCount(); ++r) {\n', '        for (int r = 0; r < 0; ++r) {\n', 'drop', 'report without table rows')
m('windows/tuning/tuning_report.cpp', '        if (window[i]->views & views) out.push_back(static_cast<int>(i));\n', '        if (window[i]->views & views) out.push_back(static_cast<int>(i) + 1);\n', 'const', 'report shows the column right of each one chosen')

# ---------------------------------------------------------------- windows/tuning/tuning_model.cpp
m('presentation/tuning_display.cpp', '    if (!std::isfinite(value)) return {};\n', '', 'drop', 'non-finite numbers shown')

# ---------------------------------------------------------------- windows/tuning/tuning_window.cpp
m('windows/tuning/tuning_window.cpp', '    const Band& b = kBands[static_cast<std::size_t>(index - 1)];\n', '    const Band& b = kBands[static_cast<std::size_t>(index) % kBands.size()];\n', 'const', 'band list off by one')
m('windows/tuning/tuning_window.cpp', '    for (std::size_t i = 0; i < kFieldCount; ++i) texte[kFelder[i].schluessel] = str(felder_[i]->text());\n', '\n', 'drop', 'fields not stored')
m('windows/tuning/tuning_window.cpp', '    texte[kBandSchluessel] = std::to_string(band_->currentIndex());\n', '\n', 'drop', 'band not stored')

# ---------------------------------------------------------------- app/HauptProgramm.cpp
m('app/HauptProgramm.cpp', '            hauptfenster_->Command1_Click();\n', '            (void)0;\n', 'drop', 'use this design does not calculate')

# ---------------------------------------------------------------- app/about_text.cpp
m('app/about_text.cpp', '    return version + std::string(texte::kPlattform.in(lang)) + nl + facts.legalNotice + " " + nl + nl +\n', '    return version + std::string(texte::kPlattform.in(lang)) + nl + facts.legalNotice + nl + nl +\n', 'text', 'legal notice loses trailing blank')
m('app/about_text.cpp', '    return facts.productName + "  V" + std::to_string(facts.major) + "." + std::to_string(facts.minor) + "." +\n', '    return facts.productName + " V" + std::to_string(facts.major) + "." + std::to_string(facts.minor) + "." +\n', 'text', 'version text single blank')

# ---------------------------------------------------------------- app/display_check.cpp
m('app/display_check.cpp', 'void halten(QtMsgType typ, const QMessageLogContext&, const QString& text) {\n    if (typ == QtFatalMsg) ohneDisplayEnden();\n    gehalten.push_back({typ, text});\n}\n', 'void halten(QtMsgType typ, const QMessageLogContext&, const QString& text) { gehalten.push_back({typ, text}); }\n', 'display', "a display that does not answer ends in Qt's abort")

# ---------------------------------------------------------------- app/help_command.cpp
m('app/help_command.cpp', '    if (DateiOeffnen(dienste, pfad)) return;\n', '    DateiOeffnen(dienste, pfad);\n    return;\n', 'help', 'a failing launch is silent')
m('app/help_command.cpp', '    return orte.front();\n', '    return orte.back();\n', 'swap', 'missing document reported at the installed path')
m('app/help_command.cpp', '    dienste.processEvents();\n', '', 'drop', 'no event processing after starting the viewer')

# ---------------------------------------------------------------- cli/calc_options.cpp
m('cli/calc_options.cpp', '                        if (!n.length || o.einheiten == Units::Metric) return refuse(n, text);\n', '                        if (false) return refuse(n, text);\n', 'drop', 'numeric options not checked')
m('cli/calc_options.cpp', '        if (text.trimmed().compare(qs(entry), Qt::CaseInsensitive) == 0) return std::string(entry);\n', '        if (text.trimmed().compare(qs(entry), Qt::CaseSensitive) == 0) return std::string(entry);\n', 'cmp', 'list entries case-sensitive')
m('cli/calc_options.cpp', '            in.Combo1 = *entry;\n', '', 'drop', 'shape entry not written as the list writes it')
m('cli/calc_options.cpp', '            in.Combo2 = *entry;\n', '', 'drop', 'material entry not written as the list writes it')
m('cli/calc_options.cpp', '    if (!from || !to || !step || (!asTyped && !(*from > 0))) return std::nullopt;\n', '    if (!from || !to || !step) return std::nullopt;\n', 'drop', 'sweep FROM > 0 not checked')
m('cli/calc_options.cpp', '    if (givenLanguage) o.sprache = *givenLanguage;\n', '    ;\n', 'drop', '--lang ignored')
m('cli/calc_options.cpp', '        out.infoText = help ? CalcHelpText(lang) : CalcVersionText();\n', '        out.infoText = !help ? CalcHelpText(lang) : CalcVersionText();\n', 'swap', '--help and --version swapped')
m('cli/calc_options.cpp', '    return FrequenzText(FrequenzSchritt(s->fromMHz, s->stepMHz, static_cast<long long>(row - s->firstRow)));\n', '    return FrequenzText(FrequenzSchritt(s->fromMHz, s->stepMHz, static_cast<long long>(row)));\n', 'drop', 'a later sweep counts its steps from the first row')
m('cli/calc_options.cpp', '    if (frequencies.isEmpty() && !given(sweepOption)) o.frequenzen.add(start.Text5);\n', '    if (frequencies.isEmpty()) o.frequenzen.add(start.Text5);\n', 'drop', 'a sweep alone starts with the default frequency')
m('text/include/text/start_values.h', 'inline constexpr std::string_view kStartVerhaeltnis = kOrtVerhaeltnisse[0];\n', 'inline constexpr std::string_view kStartVerhaeltnis = kOrtVerhaeltnisse[1];\n', 'const', 'default ratio 4,05 -> 4,50 (shared 69)')

# ---------------------------------------------------------------- cli/calc_output.cpp
m('cli/calc_output.cpp', '    return !(row.ankopplung && row.ankopplung->art == KopplungsArt::Abgelehnt);\n', '    return true;\n', 'drop', 'refused coupling loop exits 0')
m('cli/calc_output.cpp', '    void add(const Computed& later) { all = all && later.all; }\n', '    void add(const Computed&) {}\n', 'drop', 'a refused row in a sweep exits 0')
m('cli/calc_output.cpp', '    if (row.ausgang.ending != Ending::Ok) return false;\n', '    if (row.ausgang.ending == Ending::Fault) return false;\n', 'cmp', 'exit status 1 only for faults')
m('cli/calc_output.cpp', '        if (row.ausgang.meldung) lines += NoteLine(qs(MessageLine(row.ausgang.meldung->text)));\n', '        if (false) lines += NoteLine(qs(MessageLine(row.ausgang.meldung->text)));\n', 'drop', 'text table drops refusal messages')

# ---------------------------------------------------------------- cli/find_output.cpp
m('cli/find_output.cpp', '    const int status = e.qualified > 0 ? 0 : 1;\n', '    const int status = e.qualified > 0 ? 0 : 0;\n', 'drop', '--find exits 0 when nothing qualifies')

# ---------------------------------------------------------------- cli/find_options.cpp
m('cli/find_options.cpp', '        if (parts.size() < static_cast<qsizetype>(option.finder.least) ||\n', '        if (false ||\n', 'drop', 'a value of too few parts taken by --find (--sizes SMIN alone)')
m('cli/find_options.cpp', '    if (!put(band)) return refuse(band);\n', '    if (!put(band)) return out;\n', 'drop', 'an unusable --find band gives no usage error')

# ---------------------------------------------------------------- cli/include/cli/option_table.h
m('cli/include/cli/option_table.h', '         .takes = Number(Range::NonNegative, "Ohm"),\n', '         .takes = Number(Range::Positive, "Ohm"),\n', 'const', 'series loss must be > 0')
m('cli/include/cli/option_table.h', '         .takes = Number(Range::NonNegative, "mm"),\n', '         .takes = Number(Range::Positive, "mm"),\n', 'const', 'coil length must be > 0')
m('cli/include/cli/option_table.h', '         .takes = Number(Range::NonNegative, "pF"),\n', '         .takes = Number(Range::Positive, "pF"),\n', 'const', 'stray capacitance said and checked as > 0 where the sheet takes 0')
m('cli/include/cli/option_table.h', '         .takes = Described(describe::Sweep),\n         .needs = kNoRun,\n         .refusedWith = T | F | V},\n', '         .takes = Described(describe::Sweep),\n         .needs = kNoRun,\n         .refusedWith = F | V},\n', 'drop', '--tuning combines with --sweep')
m('cli/include/cli/option_table.h', '         .help = et::kHelpStandard,\n         .takes = Described(describe::Standard),\n         .needs = E,\n', '         .help = et::kHelpStandard,\n         .takes = Described(describe::Standard),\n         .needs = kNoRun,\n', 'drop', '--standard taken without --exposure')
m('cli/include/cli/option_table.h', '         .finder = FinderFields(2, Feld::From, Feld::To)},\n', '         .finder = FinderFields(1, Feld::From, Feld::To)},\n', 'const', '--find takes FROM alone')

# ---------------------------------------------------------------- cli/option_table.cpp
m('cli/option_table.cpp', '        case Range::Positive: return value > 0;\n', '        case Range::Positive: return value >= 0;\n', 'cmp', 'range rule > 0 admits 0')
m('cli/option_table.cpp', '        case Range::NonNegative: return value >= 0;\n', '        case Range::NonNegative: return value > 0;\n', 'cmp', 'range rule >= 0 refuses 0')
m('cli/option_table.cpp', '    if (!t.unit.empty()) text += qs(texte::kExpectIn.in(lang)) + qs(t.unit);\n', '\n', 'drop', 'usage error without the unit')
m('cli/option_table.cpp', '                           names(kSprachen, [](const SprachEintrag& e) { return e.code; }));\n', '                           QStringList());\n', 'drop', "--lang's usage error lists no codes")
m('cli/option_table.cpp', '        if (!(given & run) && (o.needs & run) && !(o.needs & given))\n', '        if (false)\n', 'drop', 'options taken without the run they need')
m('cli/option_table.cpp', '        if ((given & run) && (o.refusedWith & run))\n', '        if (false)\n', 'drop', 'a run combines with every option')
m('cli/option_table.cpp', '    return option.finder.rule ? qs(*option.finder.rule, lang) : Expected(option, lang, true);\n', '    return Expected(option, lang, true);\n', 'drop', '--find --turns says a number where the finder takes a list')
m('cli/option_table.cpp', '    if (t.sentence) return qs(*t.sentence, lang);\n', '    if (false) return qs(*t.sentence, lang);\n', 'drop', 'usage errors of sentence options say nothing expected')

# ---------------------------------------------------------------- cli/include/cli/row_blocks.h
m('cli/include/cli/row_blocks.h', '        make(b * kBlockRows, std::min(count, (b + 1) * kBlockRows), result);\n', '        make(b * kBlockRows + 1, std::min(count, (b + 1) * kBlockRows), result);\n', 'drop', "each block's first row skipped")
m('cli/include/cli/row_blocks.h', '            all.add(block.tally);\n', '', 'drop', 'the blocks tell nothing: no sheet summary, a refused row exits 0')
m('cli/include/cli/row_blocks.h', '            block.tally = Tally{};\n', '', 'drop', "a block's tally keeps the rows of the block made before it in the same place")

# ---------------------------------------------------------------- cli/text_table.h and .cpp
m('cli/include/cli/text_table.h', '            for (std::size_t i = begin; i < end; ++i) block.widen(cellsOf(i));\n', '            ;\n', 'drop', "text tables' widths from the headings alone")
m('cli/include/cli/text_table.h', '        return cell < static_cast<qsizetype>(width_.size()) && (last_ == LastCell::Aligned || cell + 1 < cells);\n', '        return cell < static_cast<qsizetype>(width_.size());\n', 'drop', 'the flags of the sheet and the safety table widen their column')
m('cli/text_table.cpp', "    while (text.endsWith(' ')) text.chop(1);\n", '', 'drop', 'text table lines end in blanks')

# ---------------------------------------------------------------- cli/tuning_options.cpp and tuning_output.cpp
m('cli/tuning_options.cpp', '            if (option.sheet.count > 0 && option.sheet.fault == fault) return refuse(option);\n', '            if (option.sheet.count > 0 && option.sheet.fault == fault) return refuse(range);\n', 'swap', "the sheet's refusals name --tuning")
m('cli/tuning_options.cpp', '                                     v(Field::MeasVswr).value_or(tuning::Messung{}.vswr)};\n', '                                     v(Field::MeasVswr).value_or(2.618)};\n', 'const', '--measured without VSWR takes 2.618, not 2')
m('cli/tuning_output.cpp', '    if (sheet.summary.rows_refused > 0) return 1;\n', '    if (sheet.summary.rows_refused > 1) return 1;\n', 'cmp', 'one refused row exits 0')
m('cli/tuning_output.cpp', '        if (!row.values) lines += NoteLine(qs(tuning::ZeilenMeldung(sheet, row, lang)));\n', '        if (false) lines += NoteLine(qs(tuning::ZeilenMeldung(sheet, row, lang)));\n', 'drop', 'sheet table drops refusal messages')

# ---------------------------------------------------------------- cli/usage_errors.cpp
m('cli/usage_errors.cpp', '    return qs(texte::kInvalidValue, lang).arg(option, given, expected);\n', '    return qs(texte::kInvalidValue, lang).arg(option).arg(given).arg(expected);\n', 'swap', 'usage error fills placeholders typed by the user')

# ---------------------------------------------------------------- export/loop_export.cpp
m('export/loop_export.cpp', '    if (e.values && row.ausgang.ending == Ending::Ok) {\n', '    if (row.ausgang.ending == Ending::Ok) {\n', 'drop', '--as-typed JSON gains values')
m('export/loop_export.cpp', "    if (index > 0) out += ',';\n", '', 'drop', 'JSON rows without a comma between them')
m('export/loop_export.cpp', 'void LoopJsonEnd(std::string& out) { out += "\\n]\\n"; }\n', 'void LoopJsonEnd(std::string& out) { out += "\\n]"; }\n', 'drop', 'JSON sweep without its last line end')
m('export/loop_export.cpp', 'constexpr double kVoltsPerKilovolt = 1000;\n', 'constexpr double kVoltsPerKilovolt = 100;\n', 'const', 'capacitor voltage kV -> V factor 100')
m('export/loop_export.cpp', '         row.record.RGesamt,\n         row.record.XL,\n', '         row.record.XL,\n         row.record.RGesamt,\n', 'swap', 'R_total and X swapped')
m('export/loop_export.cpp', '         w.strahlung,\n         w.verlust,\n', '         w.verlust,\n         w.strahlung,\n', 'swap', 'radiation and loss resistance swapped')
m('export/loop_export.cpp', '    if (row.ausgang.ending != Ending::Ok) return v;\n', '\n', 'drop', 'refused rows get values')
m('export/loop_export.cpp', '        v[kFirstCouplingValue + 1] = a->lkaCm / kCentimetresPerMetre;\n', '        v[kFirstCouplingValue + 1] = a->umfangCm / kCentimetresPerMetre;\n', 'swap', 'Lka reports the circumference')
m('export/loop_export.cpp', '    AppendCsvQuoted(out, RowMessage(row));\n', '    out += RowMessage(row);\n', 'drop', 'CSV message unquoted')
m('export/loop_export.cpp', '    AppendCsvQuoted(out, RowMessage(row));\n    out += kCsvLineEnd;\n', '    AppendCsvQuoted(out, RowMessage(row));\n', 'drop', 'CSV rows without line ends')
m('export/loop_export.cpp', '        if (!line.empty()) (out += out.empty() ? "" : " ") += line;\n', '        if (!line.empty()) out += line;\n', 'drop', "a message's lines joined without a blank")

# ---------------------------------------------------------------- export/export_cells.h and loop_inputs.h
m('export/include/export/export_cells.h', 'inline constexpr std::string_view kCsvLineEnd = "\\r\\n";  // RFC 4180, 2.1\n', 'inline constexpr std::string_view kCsvLineEnd = "\\n";  // RFC 4180, 2.1\n', 'const', 'CSV lines end in LF')
m('export/include/export/export_cells.h', '    if (text.find_first_of(",\\"\\r\\n") == std::string_view::npos)\n', '    if (text.find_first_of(",\\r\\n") == std::string_view::npos)\n', 'drop', 'a CSV field with a quote left unquoted')
m('export/include/export/loop_inputs.h', '    put(kFormSchluessel, FormKey(FormVon(in.Combo1)));\n', '    put(kFormSchluessel, std::string_view(in.Combo1));\n', 'drop', 'exports give the shape as the list text, not its key')
m('export/include/export/loop_inputs.h', '        if (f.text != &LoopEingaben::Text5) put(f.key, std::string_view(in.*f.text));\n', '        put(f.key, std::string_view(in.*f.text));\n', 'drop', "the sheet's and the safety distances' inputs carry the main window's frequency")

# ---------------------------------------------------------------- help/pdf_outline.cpp
m('help/pdf_outline.cpp', '    const QDateTime when = QDateTime::fromSecsSinceEpoch(epochSeconds, Qt::UTC);\n', '    const QDateTime when = QDateTime::currentDateTimeUtc();\n', 'help pdf', 'the creation date comes from the clock')

# ---------------------------------------------------------------- dist/CMakeLists.txt
m('dist/CMakeLists.txt', 'RENAME ${RINGFELD_APP_ID}.png)', 'RENAME ringfeld.png)', 'text', "PNG icons installed under the program's name, not the application id")
m('dist/CMakeLists.txt', 'install(FILES debian/copyright ${_changelog}', 'install(FILES ${_changelog}', 'drop', 'no copyright file installed')

# ---------------------------------------------------------------- core/exposure_limits.cpp
m('core/exposure_limits.cpp', '    {1, 10, 87, kPerRootF, 0.73, kPerF},         // 1-10 MHz: 87/f^1/2, 0.73/f\n', '    {1, 10, 87, kPerF, 0.73, kPerF},         // 1-10 MHz: 87/f^1/2, 0.73/f\n', 'const', 'ICNIRP 1998 public E 87/sqrt(f) -> 87/f')
m('core/exposure_limits.cpp', '    {1.34, 30, 824, kPerF, 2.19, kPerF},           // 1.34-30 MHz: 824/f, 2.19/f\n', '    {1.34, 30, 842, kPerF, 2.19, kPerF},           // 1.34-30 MHz: 824/f, 2.19/f\n', 'const', 'FCC public E 824/f -> 842/f (digits swapped)')
m('core/exposure_limits.cpp', '    {0.1, 30, 660, kPerF07, 4.9, kPerF},        // 0.1-30 MHz: 660/f^0.7, 4.9/f\n', '    {0.1, 30, 660, kPerF07, 4.9, kPerRootF},        // 0.1-30 MHz: 660/f^0.7, 4.9/f\n', 'const', 'ICNIRP 2020 occupational H 4.9/f -> 4.9/sqrt(f)')
m('core/exposure_limits.cpp', '    {3, 30, 1842, kPerF, 4.89, kPerF},             // 3.0-30 MHz: 1842/f, 4.89/f\n', '    {3, 30, 1842, kPerF, 4.98, kPerF},             // 3.0-30 MHz: 1842/f, 4.89/f\n', 'const', 'FCC occupational H 4.89/f -> 4.98/f')
m('core/exposure_limits.cpp', '        if (f <= row.highMHz)\n', '        if (f < row.highMHz)\n', 'cmp', 'a range edge belongs to the upper row')
m('core/exposure_limits.cpp', '    if (!(f >= t.rows.front().lowMHz)) return std::nullopt;  // NaN too\n', '    if (!(f > t.rows.front().lowMHz)) return std::nullopt;  // NaN too\n', 'cmp', 'the lowest frequency of a table is outside it')
m('core/exposure_limits.cpp', '            return {pick(kIcnirp2020Public, kIcnirp2020Occupational), Averaging::Minutes30};\n', '            return {pick(kIcnirp2020Public, kIcnirp2020Occupational), Averaging::Minutes6};\n', 'const', 'ICNIRP 2020 whole body averaged over 6 instead of 30 min')

# ---------------------------------------------------------------- core/dipole_fields.cpp
m('core/dipole_fields.cpp', '    const Wert reactive = 1 - x * x;\n', '    const Wert reactive = 1 + x * x;\n', 'sign', 'H in the plane: 1 - 1/(kr)^2 -> 1 + 1/(kr)^2')
m('core/dipole_fields.cpp', '    return (k * m / (2 * kPi * (R * R)) * sqrt(1 + x * x)).zahl();\n', '    return (k * m / (4 * kPi * (R * R)) * sqrt(1 + x * x)).zahl();\n', 'const', 'H on the axis: 2 pi -> 4 pi')
m('core/dipole_fields.cpp', 'constexpr double kFreeSpaceImpedance = 376.730313668;  // Ohm\n', 'constexpr double kFreeSpaceImpedance = 367.730313668;  // Ohm\n', 'const', 'free-space impedance 376.73 -> 367.73')
m('core/dipole_fields.cpp', '    if (above(kFarthestM)) return {kFarthestM, Bound::MoreThan10km};\n', '    if (above(kFarthestM)) return {kFarthestM, Bound::Within};\n', 'drop', 'a distance beyond 10 km reported as found')
m('core/dipole_fields.cpp', 'constexpr double kNewtonTolerance = 1e-14;\n', 'constexpr double kNewtonTolerance = 1e-3;\n', 'const', 'distance search stops at 1e-3 relative')

# ---------------------------------------------------------------- core/exposure.cpp
m('core/exposure.cpp', '        case Averaging::Minutes30: return s.modeFactor * s.share30min;\n', '        case Averaging::Minutes30: return s.modeFactor * s.share6min;\n', 'swap', 'the 30-minute tables take the 6-minute share')
m('core/exposure.cpp', '        const Wert m = N * I * turnArea(loop);\n', '        const Wert m = I * turnArea(loop);\n', 'drop', 'magnetic moment without the turns')
m('core/exposure.cpp', '        if (ReachesFurther(distances[i], distances[best])) best = i;\n', '        ;\n', 'drop', 'the safety distance is always the axis H distance')
m('core/exposure.cpp', 'constexpr double kNearConductorRadii = 3;\n', 'constexpr double kNearConductorRadii = 1;\n', 'const', 'dipole_near_conductor within 1 radius instead of 3')
m('core/exposure.cpp', '        r.source =\n            s.source == CurrentSource::Measured && measuredRatio ? CurrentSource::Measured : CurrentSource::Model;\n', '        r.source =\n            s.source == CurrentSource::Measured ? CurrentSource::Measured : CurrentSource::Model;\n', 'drop', 'measured current source claimed without a measurement')

# ---------------------------------------------------------------- core/include/core/exposure.h
m('core/include/core/exposure.h', '    {Mode::Ssb, "ssb", 0.2},                     // conversational SSB, no speech processing\n', '    {Mode::Ssb, "ssb", 0.5},                     // conversational SSB, no speech processing\n', 'const', 'SSB mode factor 0.2 -> 0.5')

# ---------------------------------------------------------------- export/design (design files)
m('export/design/design_json.cpp', '    if (v > kHoechsteVersion)\n', '    if (v > kHoechsteVersion + 1)\n', 'cmp', 'a version newer than the highest read as if known')
m('export/design/design_json.cpp', '    if (!format.isString() || format.toString() != q(kFormat)) throw Abbruch{l.text(texte::kKeinEntwurf)};\n', '    if (!format.isString()) throw Abbruch{l.text(texte::kKeinEntwurf)};\n', 'drop', 'any format name accepted')
m('export/design/design_json.cpp', '    e.abstimmung.band = band + 1;\n', '    e.abstimmung.band = band;\n', 'const', 'tuning band read one entry off')
m('export/design/design_file.cpp', '    if (info.isDir()) return abweisen(texte::kOrdner);\n', '', 'drop', 'a folder is not named as a folder')

# ---------------------------------------------------------------- app/design_document.cpp
m('app/design_document.cpp', '    if (datei_.empty() || laedt_) return;\n', '    if (laedt_) return;\n', 'drop', 'changes marked, and asked about, also without a file')
m('app/design_document.cpp', '        case Antwort::Verwerfen: return true;\n', '        case Antwort::Verwerfen: return false;\n', 'const', 'Discard keeps the old design')
# ---------------------------------------------------------------- the builder's tuning sheet
m('core/tuning_sheet.cpp', 'constexpr double kImplausibleQRatio = 10;\n', 'constexpr double kImplausibleQRatio = 30;\n', 'const', "measured Q taken as implausible below a thirtieth of the model's")
m('core/tuning_sheet.cpp', '        if (m.efficiency_percent > kMostEfficiencyPercent) m.flags.push_back(Flag::EfficiencyAbove100);\n', '', 'drop', 'a measured efficiency above 100 % not flagged')
m('core/tuning_sheet.cpp', '    const bool extra = FrequenzSchritt(toMHz, 0, 0) > FrequenzSchritt(fromMHz, stepMHz, *steps - 1);\n', '    const bool extra = FrequenzSchritt(toMHz, 0, 0) >= FrequenzSchritt(fromMHz, stepMHz, *steps - 1);\n', 'cmp', 'TO repeated where the steps land on it')
m('core/tuning_sheet.cpp', '    return index + 1 == count ? FrequenzSchritt(o.toMHz, 0, 0) : FrequenzSchritt(o.fromMHz, o.stepMHz, index);\n', '    return FrequenzSchritt(o.fromMHz, o.stepMHz, index);\n', 'drop', 'last row a step past the one before instead of TO')
m('core/tuning_sheet.cpp', '    if (OhneKondensator(row)) {\n', '    if (false) {\n', 'drop', 'rows with C tune <= 0 counted as valid and in the extremes')
m('core/tuning_sheet.cpp', '        if (in.P.wert > 0) {\n', '        if (in.P.wert >= 0) {\n', 'cmp', 'without a power: voltage and current shown as 0')
m('core/tuning_sheet.cpp', '    s.rows_no_capacitor += l.rows_no_capacitor;\n', '', 'drop', 'joined blocks lose the rows without a capacitor')
m('core/tuning_sheet.cpp', '    if (Rcap.zahl() > others + Rground.zahl()) cause = SheetInput::CapacitorQ;\n', '', 'drop', 'an overflow from the capacitor Q does not name it')
m('presentation/tuning_display.cpp', '    if (s.rows_no_capacitor > 0)\n', '    if (s.rows_no_capacitor < 0)\n', 'cmp', 'summary strip keeps quiet about rows without a capacitor')
m('presentation/tuning_display.cpp', 'tr(j->verdict == MeasuredVerdict::MeantInMHz ? texte::kWohlMHz : texte::kWohlHz, lang)', 'tr(j->verdict == MeasuredVerdict::MeantInHz ? texte::kWohlMHz : texte::kWohlHz, lang)', 'swap', 'implausible measurement: MHz and Hz hints swapped')
m('presentation/include/presentation/tuning_display.h', 'inline constexpr double kKompaktAb = 1e9;\n', 'inline constexpr double kKompaktAb = 1e12;\n', 'const', 'numbers compact only from 1e12')
m('presentation/tuning_chart_data.cpp', 'constexpr double kMindestAnteil = 0.2;\n', 'constexpr double kMindestAnteil = 0;\n', 'const', 'a few volts of ripple on kilovolts fill the chart')
m('presentation/tuning_chart_data.cpp', '    a.min = from, a.max = to;\n', '    a.min = std::floor(from), a.max = std::ceil(to);\n', 'const', 'frequency axis rounded outwards')
m('presentation/tuning_chart_data.cpp', '        if (!row.values || OhneKondensator(row)) return;\n', '        if (!row.values) return;\n', 'drop', 'rows with C tune <= 0 plotted')
m('presentation/tuning_report_inputs.cpp', '    if (zahlen.N.wert != 1) add(texte::kBerichtSpule, loop.Text8);\n', '    add(texte::kBerichtSpule, loop.Text8);\n', 'drop', 'report lists the coil length of one turn')
m('presentation/tuning_report_inputs.cpp', '            if (!grund.empty()) wert += " – " + MitWert(tr(texte::kBerichtVerworfen), grund);\n', '', 'drop', 'report lists a refused field as used')
m('windows/tuning/tuning_window.cpp', '    arrange(raum < dreiSpalten);\n', '    arrange(false);\n', 'drop', 'on a small screen the groups stay side by side')
m('app/qt_translation.cpp', 'QStringLiteral("qtbase")', 'QStringLiteral("qtbas")', 'text', "Qt's translation not found")

# ---------------------------------------------------------------- measuring a built loop (Touchstone sweeps, the resonance fit)
m('core/touchstone.cpp', 'constexpr UnitWord kUnits[] = {{"hz", 1}, {"khz", 1e3}, {"mhz", 1e6}, {"ghz", 1e9}};\n', 'constexpr UnitWord kUnits[] = {{"hz", 1}, {"khz", 1e6}, {"mhz", 1e6}, {"ghz", 1e9}};\n', 'const', 'Touchstone: kHz read as MHz')
m('core/touchstone.cpp', '    const double angle = b * constants::kPi / kDegreesPerHalfTurn;\n', '    const double angle = b;\n', 'drop', 'Touchstone: angles read as radians')
m('core/touchstone.cpp', 'std::pow(10.0, a / kDecibelsPerMagnitudeDecade)', 'std::pow(10.0, a / 10)', 'const', 'Touchstone: dB read as 10 lg instead of 20 lg')
m('core/touchstone.cpp', '    return (difference + s * sum) / (sum + s * difference);\n', '    return (difference + s * sum) / (sum - s * difference);\n', 'swap', 'Touchstone: renormalising from another reference with a sign slip')
m('core/touchstone.cpp', '        const Complex s = renormalised(pair(o.format, a, b), reference_.value_or(o.referenceOhm));\n', '        const Complex s = renormalised(pair(o.format, a, b), o.referenceOhm);\n', 'drop', 'Touchstone 2.0: [Reference] ignored')
m('core/touchstone.cpp', "        text = trim(text.substr(0, text.find('!')));\n", '        text = trim(text);\n', 'drop', 'Touchstone: comments not taken off')
m('core/touchstone.cpp', '        if (numbers.size() == kMultiPortLineNumbers) refuse(Reason::MultiPort, line_);\n', '', 'drop', 'Touchstone: a two-port line not named as such')
m('core/touchstone.cpp', '!(hertz > sweep_.frequencyHz.back())', '(hertz < sweep_.frequencyHz.back())', 'cmp', 'Touchstone: a repeated frequency accepted')
m('core/touchstone.cpp', '        if (sweep_.frequencyHz.size() == kMostSweepPoints)\n', '        if (sweep_.frequencyHz.size() == kMostSweepPoints + 1)\n', 'cmp', 'Touchstone: 100,001 points accepted')
m('core/touchstone.cpp', '        if (sweep_.frequencyHz.size() < kFewestSweepPoints)\n', '        if (sweep_.frequencyHz.size() + 1 < kFewestSweepPoints)\n', 'cmp', 'Touchstone: 9 points accepted')
m('core/touchstone.cpp', '            if (pendingCount_ != 0) refuse(Reason::IncompletePoint, lastDataLine_);\n', '', 'drop', 'Touchstone 2.0: a point cut short is dropped silently')
m('core/touchstone.cpp', '            if (sweep_.frequencyHz.size() != *announced_)\n', '            if (sweep_.frequencyHz.size() > *announced_ + 1)\n', 'cmp', 'Touchstone 2.0: a count unlike the announced one accepted')
m('core/resonance_fit.cpp', '        fit = fitLinearFractional(w, searchDelay(thinned(w), start, round == 0));\n', '        fit = fitLinearFractional(w, 0);\n', 'drop', "fit: the cable's phase slope left in")
m('core/resonance_fit.cpp', '                                 : outsidePhaseSlope(s, f[next.first], f[next.last], next.halfWidthHz);\n', '                                 : 0;\n', 'drop', 'fit: the delay search starts at 0, not at the points outside')
m('core/resonance_fit.cpp', '        for (std::size_t i = 0; i < n; ++i) weight[i] = 1 / std::norm(fit->b3 * w.u[i] + 1.0);\n', '        for (std::size_t i = 0; i < n; ++i) weight[i] = 1;\n', 'drop', 'fit: not reweighted (the linearised equations biased)')
m('core/resonance_fit.cpp', '    const Resonance r{fp.real(), fp.real() / (2 * fp.imag())};\n', '    const Resonance r{fp.real(), fp.real() / fp.imag()};\n', 'const', "fit: QL twice the pole's")
m('core/resonance_fit.cpp', '    out.delaySeconds = out.model.phaseSlope / (constants::kPi * w.fr);\n', '    out.delaySeconds = out.model.phaseSlope / (2 * constants::kPi * w.fr);\n', 'const', "fit: delay half the cable's")
m('core/resonance_fit.cpp', '    out.diameter = 2 * out.radius / std::abs(detuned);\n', '    out.diameter = 2 * out.radius;\n', 'drop', "fit: the diameter not scaled by the cable's loss")
m('core/resonance_fit.cpp', '    out.beta = out.diameter / (2 - out.diameter);\n', '    out.beta = out.diameter / (1 - out.diameter);\n', 'const', 'fit: beta from d / (1 - d)')
m('core/resonance_fit.cpp', '    out.coupling = out.beta < 1 ? Coupling::Under : Coupling::Over;\n', '    out.coupling = out.beta > 1 ? Coupling::Under : Coupling::Over;\n', 'swap', 'fit: under- and over-coupled swapped')
m('core/resonance_fit.cpp', '    out.unloadedQ = out.loadedQ * (1 + out.beta);\n', '    out.unloadedQ = out.loadedQ * (1 + out.beta / 2);\n', 'const', 'fit: Q0 = QL (1 + beta / 2)')
m('core/resonance_fit.cpp', '    out.vswrMin = Vswr(std::abs(std::abs(out.centre) - out.radius));\n', '    out.vswrMin = Vswr(std::abs(out.centre) - out.radius);\n', 'drop', 'fit: least VSWR wrong when the circle holds the centre')
m('core/resonance_fit.cpp', '    constexpr double kVswr2Magnitude = 1.0 / 3;  // (2 - 1) / (2 + 1)\n', '    constexpr double kVswr2Magnitude = 1.0 / 2;  // (2 - 1) / (2 + 1)\n', 'const', 'fit: VSWR-2 bandwidth at |Gamma| 1/2')
m('core/resonance_fit.cpp', '    if (out.f0Hz - halfBandwidth < f.front() || out.f0Hz + halfBandwidth > f.back())\n', '    if (out.f0Hz - halfBandwidth < f.front())\n', 'drop', "fit: a bandwidth cut by the sweep's end accepted")
m('core/resonance_fit.cpp', 'constexpr std::size_t kFewestPointsInBandwidth = 5;\n', 'constexpr std::size_t kFewestPointsInBandwidth = 3;\n', 'const', 'fit: 3 points within the bandwidth accepted')
m('core/resonance_fit.cpp', 'constexpr double kMostResidualShare = 0.1;\n', 'constexpr double kMostResidualShare = 0.3;\n', 'const', 'fit: a residual of 30 % of the radius accepted')
m('core/resonance_fit.cpp', 'constexpr double kDipNoiseSteps = 10;\n', 'constexpr double kDipNoiseSteps = 1;\n', 'const', 'fit: a dip as deep as the noise taken for a resonance')
m('core/tuning_sheet.cpp', '    const Messung input{frequencyMHz, frequencyMHz * kKilohertzPerMegahertz / unloadedQ, kHalfPowerVswr};\n', '    const Messung input{frequencyMHz, frequencyMHz * kKilohertzPerMegahertz / unloadedQ, 2};\n', 'const', 'fitted Q0: its bandwidth given at VSWR 2 instead of phi^2')
m('core/tuning_sheet.cpp', '        const Wert Q = unloadedQ ? Wert(*unloadedQ) : f * kKilohertzPerMegahertz / halfpower;\n', '        const Wert Q = unloadedQ ? Wert(*unloadedQ / 2) : f * kKilohertzPerMegahertz / halfpower;\n', 'const', 'fitted Q0 taken for QL (halved)')

# ---------------------------------------------------------------- the measured loop: the fit applied, --vna, the window
m('presentation/vna_results.cpp', 'tuning::BerechneMessungAusGuete(loop, options, fit.f0Hz / kHertzPerMegahertz, fit.unloadedQ)}', 'tuning::BerechneMessungAusGuete(loop, options, fit.f0Hz / kHertzPerMegahertz, fit.loadedQ)}', 'swap', 'measured loop: R total from the loaded Q')
m('presentation/vna_results.cpp', '     [](const LoopMeasurement& m) { return loopValue(m, &tuning::MeasuredResult::R_total_ohm); }},\n', '     [](const LoopMeasurement& m) { return loopValue(m, &tuning::MeasuredResult::R_model_ohm); }},\n', 'swap', 'measured loop: R total shows the model\'s')
m('presentation/vna_results.cpp', 'Value(*m.fit.bandwidthVswr2Hz / kHertzPerKilohertz)', 'Value(*m.fit.bandwidthVswr2Hz / kHertzPerMegahertz)', 'const', 'measured loop: VSWR 2 bandwidth in MHz under a kHz key')
m('presentation/vna_results.cpp', '[](ResonanceFit& f, double v) { f.beta = v; }', '[](ResonanceFit& f, double v) { f.beta = -v; }', 'swap', 'measured loop: beta put back from a design with its sign lost')
m('presentation/vna_results.cpp', 'FormatZahl(tuning::kHalfPowerVswr, kVswr, sep)', 'FormatZahl(2.0, kVswr, sep)', 'const', 'measured loop: the tuning range fed f0 / Q0 at VSWR 2 instead of the half-power VSWR')
m('presentation/include/presentation/vna_results.h', 'inline constexpr std::size_t kCouplingAfter = 3;', 'inline constexpr std::size_t kCouplingAfter = 2;', 'const', 'measured loop: "coupling" out of the documented order')
m('export/design/design_file.cpp', '        if (!QDir::isAbsolutePath(relative)) *sweep = relative.toStdString();\n', '', 'drop', 'design file: the sweep file kept absolute')
m('export/design/design_file.cpp', '        *sweep = QDir::cleanPath(info.absoluteDir().absoluteFilePath(q(*sweep))).toStdString();\n', '', 'drop', 'design file: a relative sweep file not resolved against the design\'s folder')
m('app/HauptProgramm.cpp', '        gruppe[std::string(exposure::kKeyCurrentSource)] = quelle;\n', '', 'drop', 'measured loop: "Use" leaves the safety distance on the model\'s current')
m('text/vna_messages.cpp', 'filled(texte::kNichtGelesen.in(lang), {std::string(file), why})', 'filled(texte::kNichtGelesen.in(lang), {why, std::string(file)})', 'swap', 'sweep message: file and reason swapped')
m('cli/vna_options.cpp', '        o.sheet.capacitorQ = sheet.options->capacitorQ;\n', '', 'drop', '--vna: the design\'s capacitor Q ignored')
m('windows/vna/vna_window.cpp', '    if (zuletzt_.size() > kRecentSweeps) zuletzt_.resize(kRecentSweeps);\n    zuletztZeigen();\n    Rechnen();\n', '    if (zuletzt_.size() > kRecentSweeps) zuletzt_.resize(kRecentSweeps);\n    zuletztZeigen();\n', 'drop', 'measured loop window: an opened sweep not shown until something else changes')
# ---------------------------------------------------------------- the rating's coverage, the finder's notes and window
m('presentation/tuning_display.cpp', '        return fixed((auf ? std::ceil(k) : std::floor(k)) / kKhzJeMhz, kDecktMhz, sep);\n', '        return fixed(std::round(k) / kKhzJeMhz, kDecktMhz, sep);\n', 'cmp', 'coverage parts rounded to the nearest kilohertz, not inwards')
m('presentation/tuning_display.cpp', '    const bool ganz = c.holds.size() == 1 && c.complete && c.vPeakMaxV <= *sheet.options.capVPeakV;\n', '    const bool ganz = c.holds.size() == 1 && c.complete;\n', 'drop', 'one part that holds is taken for the whole range')
m('presentation/tuning_display.cpp', '                       fixed(std::floor(c.holdsAllPowerW * kZehntelJeWatt) / kZehntelJeWatt, 1, sep));\n', '                       fixed(c.holdsAllPowerW, 1, sep));\n', 'cmp', 'whole-range power rounded to nearest, not down')
m('cli/tuning_output.cpp', '    sheet.voltageCover = CapacitorVoltageCover(sheet.loop, o, sheet.summary);\n', '', 'drop', '--tuning text and JSON without the rating coverage')
m('export/tuning_export.cpp', '        w.boolean(cover->complete);\n', '        w.boolean(true);\n', 'drop', 'JSON says the coverage is complete where part was refused')
m('finder/finder_message.cpp', '    if (e.designs.empty()) return out;\n', '', 'drop', 'notes also when nothing qualified')
m('finder/finder_message.cpp', '    if (const long long n = e.excluded[at(Ausschluss::NotSmall)]; n > 0)\n        out.push_back', '    if (const long long n = e.excluded[at(Ausschluss::NotSmall)]; n >= 0)\n        out.push_back', 'cmp', 'small-loop note with no candidate left out')
m('export/finder_export.cpp', '    constexpr std::array<std::string_view, 3> kArten{"part_of_band", "rating", "power"};\n', '    constexpr std::array<std::string_view, 3> kArten{"rating", "part_of_band", "power"};\n', 'text', 'proposal kinds swapped in the JSON')
m('windows/finder/finder_window.cpp', '        zaehlung_->setText(feldFehler_ ? qs(tuning::texte::kEingabenPruefen.in(lang)) : QString());\n', '        zaehlung_->setText(qs(tuning::texte::kEingabenPruefen.in(lang)));\n', 'drop', 'global message kept while a valid search runs')
m('windows/finder/finder_window.cpp', '        gruende_[i]->setVisible(!grund.isEmpty());\n', '        gruende_[i]->setVisible(true);\n', 'drop', 'empty reasons keep their room')
m('windows/finder/finder_window.cpp', '                                                  ++nach);\n', '                                                  nach);\n', 'cmp', 'key columns not kept after the size')

# ---------------------------------------------------------------- the safety distance's tables, windows and places
m('core/exposure_limits.cpp', 'constexpr double kIcnirp1998AveragedFromMHz = 0.1;\n', 'constexpr double kIcnirp1998AveragedFromMHz = 0.065;\n', 'const', 'ICNIRP 1998 averaged from 65 kHz instead of 100 kHz')
m('core/exposure_limits.cpp', 'constexpr double kIcnirp2010PublicH = 27 * kTeslaPerMicrotesla', 'constexpr double kIcnirp2010PublicH = 72 * kTeslaPerMicrotesla', 'const', 'ICNIRP 2010 public 27 -> 72 uT')
m('core/exposure_limits.cpp', '        case LimitTable::Icnirp2010: return {pick(kIcnirp2010Public, kIcnirp2010Occupational), Averaging::None};\n', '        case LimitTable::Icnirp2010: return {pick(kIcnirp2010Public, kIcnirp2010Occupational), Averaging::Minutes6};\n', 'const', 'ICNIRP 2010 averaged over 6 min instead of at the peak power')
m('core/exposure_limits.cpp', '    {0.1, 30, 671, kPerF07, 4.9, kPerF},', '    {0.1, 30, 617, kPerF07, 4.9, kPerF},', 'const', 'ICNIRP 2020 local public E 671 -> 617')
m('core/exposure_limits.cpp', '            return {pick(kIcnirp2020LocalPublic, kIcnirp2020LocalOccupational), Averaging::Minutes6};\n', '            return {pick(kIcnirp2020LocalPublic, kIcnirp2020LocalOccupational), Averaging::Minutes30};\n', 'const', 'ICNIRP 2020 local averaged over 30 instead of 6 min')
m('core/include/core/exposure_limits.h', '            return icnirp2010With1998 ? std::span<const LimitTable>(kIcnirp1998With2010Tables) : kIcnirp1998Tables;\n', '            return icnirp2010With1998 ? std::span<const LimitTable>(kIcnirp1998Tables) : kIcnirp1998Tables;\n', 'drop', 'ICNIRP 2010 with 1998 ignored')
m('core/exposure.cpp', '        case Averaging::None: return 1;\n', '        case Averaging::None: return s.modeFactor;\n', 'drop', 'the peak-power tables reduced by the mode factor')
m('core/exposure.cpp', '            if (!f.limits[i] || ReachesFurther(distances[i], f.distances[i]))\n', '            if (!f.limits[i])\n', 'drop', "only a standard's first table counts")
m('core/exposure.cpp', '        out.nearConductor[i] = NearConductor(out.distances[i], r.nearRadius_m);\n', '        out.nearConductor[i] = NearConductor(out.safety, r.nearRadius_m);\n', 'swap', 'each distance marked by the safety distance')
m('core/exposure.cpp', '    if (!judged || !tuning::Believable(judged->verdict)) return std::nullopt;\n', '    if (!judged) return std::nullopt;\n', 'drop', 'a measurement in another unit scales the current')
m('core/exposure_summary.cpp', '    k.shownMetres = RoundOutwardsToCm(l.safety.metres);\n', '    k.shownMetres = l.safety.metres;\n', 'drop', 'rows grouped by exact instead of shown distance')
m('core/exposure_summary.cpp', '        if (l.limits && (!w || ReachesFurther(l.safety, w->safety)))\n', '        if (l.limits && !w)\n', 'drop', 'worst case is the first row')
m('core/exposure_summary.cpp', '        if (l && (!worst[slot] || ReachesFurther(l->safety, worst[slot]->safety))) worst[slot] = l;\n', '        if (l) worst[slot] = l;\n', 'drop', "a later block's worst case always replaces the earlier")
m('core/exposure_summary.cpp', '                (!o.worst[slot].hasLimits || l.worst[slot].worstPercent > o.worst[slot].worstPercent))\n', '                (!o.worst[slot].hasLimits || l.worst[slot].worstPercent >= o.worst[slot].worstPercent))\n', 'compare', "a later block's equal place replaces the earlier row")
m('presentation/exposure_inputs.cpp', '    return FormatZahl(std::ceil(percent * kTenths) / kTenths, "0.0", sep);\n', '    return FormatZahl(std::round(percent * kTenths) / kTenths, "0.0", sep);\n', 'round', 'a percentage just above 100 shown as 100.0')
m('presentation/exposure_inputs.cpp', '    if (auto s = texts.find(kKeyTxShare); s != texts.end()) e.txShare6 = e.txShare30 = s->second;\n', '', 'drop', "an older file's one share ignored")
m('presentation/exposure_inputs.cpp', '    const std::size_t equals = text.rfind(\'=\');\n', '    const std::size_t equals = text.find(\'=\');\n', 'swap', "a place's name cut at its first =")
m('presentation/exposure_inputs.cpp', '        const bool usable = m && *m >= kNearestM && *m <= kFarthestM;\n', '        const bool usable = m && *m >= 0 && *m <= kFarthestM;\n', 'const', 'a place under 1 cm taken')
m('export/exposure_export.cpp', '        const auto shown = [&](const Distance& d) { return RoundOutwardsToCm(d.metres); };\n', '        const auto shown = [&](const Distance& d) { return d.metres; };\n', 'drop', 'CSV distances at full precision')
m('cli/exposure_output.cpp', '        text += qs(GroessterAbstand(*worst, fmt.lang, fmt.units, fmt.sep)) + \'\\n\';\n', '', 'drop', 'text without the worst case')
m('windows/exposure/exposure_report.cpp', '    if (StationFilled(st.eingaben.station)) {\n', '    if (false) {\n', 'drop', 'report without the station')
m('windows/exposure/exposure_state.cpp', '    s.summary = SummaryOf(s.genutzt(), s.gelesen.places);\n', '    s.summary = SummaryOf(s.zeilen, s.gelesen.places);\n', 'swap', 'window without a range judges no place')
m('core/exposure_summary.cpp', '        const double moment = DriveFor(r, limits->averaging).moment_Am2;\n', '        const double moment = r.moment_Am2;\n', 'drop', 'places at the 6-minute power for every table')
m('core/exposure_summary.cpp', '            if (!out.hasLimits || percent > out.percent[c]) out.percent[c] = percent, out.tables[c] = table;\n', '            if (!out.hasLimits) out.percent[c] = percent, out.tables[c] = table;\n', 'drop', "a place held against a standard's first table only")
m('core/measured_plausibility.cpp', 'constexpr double kHighestQRatio = 2;\n', 'constexpr double kHighestQRatio = 20;\n', 'const', "unit hint up to 20 times the model's Q")
m('core/measured_plausibility.cpp', 'constexpr double kLowestQRatio = 0.1;\n', 'constexpr double kLowestQRatio = 0.01;\n', 'const', "unit hint down to a hundredth of the model's Q")
m('core/measured_plausibility.cpp', '    return q >= kLowestQRatio * modelQ && q <= kHighestQRatio * modelQ &&\n           m.efficiency_percent * qFactor <= kMostEfficiencyPercent;\n', '    return q >= kLowestQRatio * modelQ && q <= kHighestQRatio * modelQ;\n', 'drop', 'unit hint for an efficiency above 100 %')
m('presentation/tuning_display.cpp', '    if (const auto j = JudgeMeasured(m); j && !Believable(j->verdict)) return vorsatz + hinweis;\n', '', 'drop', 'efficiency shown for a measurement in another unit')
m('core/dipole_fields.cpp', 'constexpr double kWholeCentimetreSlack = 1e-12;\n', 'constexpr double kWholeCentimetreSlack = 0;\n', 'const', 'a whole centimetre rounded up to the next')
m('core/dipole_fields.cpp', '    {1 / (4 * kPi), 1, -1, 1},', '    {1 / (4 * kPi), 1, 1, 1},', 'sign', 'H in the plane: cubic u - u^2 + u^3 -> u + u^2 + u^3')
m('presentation/exposure_inputs.cpp', '    if (units == Units::Metric) return MeterText(RoundOutwardsToCm(d.metres), units, sep);\n', '    if (units == Units::Metric) return MeterText(d.metres, units, sep);\n', 'drop', 'distances shown to the nearest centimetre')
m('core/include/core/station.h', '        if ((station.*f.text).find_first_not_of(" \\t") != std::string::npos) return true;\n', '        if (!(station.*f.text).empty()) return true;\n', 'drop', 'a station of blanks printed')
# ---------------------------------------------------------------- feet and inches
m('text/length_reader.cpp', '            if (!rest || *rest >= kInchesPerFoot) return std::nullopt;\n', '            if (!rest || *rest > kInchesPerFoot) return std::nullopt;\n', 'cmp', "12 inches after feet accepted (3' 12\")")
m('text/length_reader.cpp', '    if (denominator.empty() || !n || !d || *d == 0) return std::nullopt;\n', '    if (denominator.empty() || !n || !d) return std::nullopt;\n', 'drop', 'a zero denominator read as infinity')
m('text/length_reader.cpp', '    if (proper && *n >= *d) return std::nullopt;\n', '', 'drop', 'an improper fraction after a whole number accepted (1 9/8)')
m('text/length_reader.cpp', '        case \'i\': inches = *first; break;\n', '        case \'i\': inches = *first * kInchesPerFoot; break;\n', 'swap', 'an inch mark read as feet')
m('text/length_reader.cpp', '    const double value = plain == ImperialUnit::Inches ? inches : inches / kInchesPerFoot;\n', '    const double value = inches;\n', 'drop', 'a marked length in a feet field left in inches')
m('text/include/text/length_units.h', 'inline constexpr double kMetresPerFoot = 0.3048;\n', 'inline constexpr double kMetresPerFoot = 0.3084;\n', 'const', 'foot 0.3048 -> 0.3084 m (digits swapped)')
m('text/include/text/length_units.h', '      LengthUnit{kInch, kCentimetresPerInch, LengthReading::Inches, 1}}},\n', '      LengthUnit{kInch, kMillimetresPerInch, LengthReading::Inches, 1}}},\n', 'swap', 'coupling loop inches taken as mm per inch')
m('text/length_texts.cpp', '    return FormatZahl(engineValue / unit.engineUnits, pattern, sep);\n', '    return FormatZahl(engineValue * unit.engineUnits, pattern, sep);\n', 'swap', 'shown lengths multiplied instead of divided')
m('text/loop_field_units.cpp', '    if (units == Units::Metric) return typed;\n', '    return typed;\n', 'drop', 'imperial texts handed to the calculation unconverted')
m('text/input_rules.cpp', 'double inMetern(double umfang, Units units) { return umfang * UnitOf(LengthQuantity::LoopSize, units).engineUnits; }\n', 'double inMetern(double umfang, Units units) { return umfang + 0 * static_cast<int>(units); }\n', 'drop', 'record circumference kept in feet')
m('text/input_rules.cpp', '    if (units == Units::Metric) return FormatZahl(mm, muster::Prozent, sep);\n    return LengthText(mm, LengthQuantity::Conductor, units, sep);\n', '    return FormatZahl(mm, muster::Prozent, sep);\n', 'drop', 'coil length written in mm into an inch field')
m('export/design/design_json.cpp', '        s.zahl("version", kVersionEinheiten);\n', '        s.zahl("version", kVersion);\n', 'const', 'an imperial design written as version 1: older readers misread it')
m('export/design/design_json.cpp', '    l.auswahl(datei, "", kEinheitenSchluessel, einheiten, gewaehlt);\n', '', 'drop', "a design's units ignored when read")
m('presentation/coupling_results.cpp', '        if (units == Units::Metric) return FormatZahl(cm / 100.0f, muster::Ohm, sep);\n', '        if (units != Units::Imperial) return FormatZahl(cm / 100.0f, muster::Ohm, sep);\n        return FormatZahl(cm / 100.0f, muster::Ohm, sep);\n', 'drop', 'coupling loop shown in metres in imperial')
m('text/include/text/tube_sizes.h', '    {TubeSeries::UsCopper, "3/4\\"", 0.875 * kMillimetresPerInch},', '    {TubeSeries::UsCopper, "3/4\\"", 0.750 * kMillimetresPerInch},', 'const', '3/4" tube given its nominal size as outside diameter')
# ---------------------------------------------------------------- saving whole or not at all
m('export/design/save_file.cpp', '    if (!written || file.error() != QFileDevice::NoError || file.size() != bytes.size()) {\n', '    if (!written) {\n', 'drop', 'a write cut short replaces the old file')
m('export/design/save_file.cpp', '        return reason != 0 ? qt_error_string(reason) : file.errorString();\n', '        return file.errorString();\n', 'cmp', "a failed save hides the system's reason")
m('cli/calc_run.cpp', '    if (error == 0 || error == EPIPE) return status;\n', '    return status;\n', 'drop', 'lost standard output ends with 0')
m('cli/include/cli/output.h', '        if (std::fflush(file_) != 0 && error_ == 0) error_ = errno;\n', '', 'drop', 'a failed flush of standard output goes unnoticed')
m('windows/main/frmMain.cpp', '            if (cutsSelection(watched, *key)) return false;\n', '', 'drop', 'Ctrl+X on selected text ends the program')
m('windows/main/frmMain.cpp', '    if (cutsSelection(watched, key)) return false;\n', '', 'drop', 'Ctrl+X on selected text is discarded as a character')
m('windows/main/frmMain.cpp', '    if (!ohneVeraltet_ && !veraltet_ &&\n', '    if (!veraltet_ &&\n', 'drop', 'a language switch marks the results stale')
m('windows/main/frmMain.cpp', '    VeraltetZeigen(false);  // whatever it shows now belongs to the fields as they are\n', '', 'drop', 'results stay marked stale after a calculation')
m('windows/main/frmMain.cpp', '            if (!field || !field->isModified()) return false;\n', '            if (!field) return false;\n', 'drop', 'a menu key released in the size field disables the coupling button')
m('app/HauptProgramm.cpp', '    Kopplungsfenster().AusLetzterRechnung(hauptfenster_ && hauptfenster_->ErgebnisseVeraltet());\n', '', 'drop', 'coupling window opened on stale results does not say so')
m('text/include/text/plural.h', '    return n == 1 || (n == 0 && e && e->nullEinzahl);\n', '    return n == 1;\n', 'drop', 'French zero takes the plural')
m('finder/finder_message.cpp', '           texte::kErfuellenZahl.mit(lang, e.qualified, ganz(e.qualified)) + std::string(zwischen) +\n', '           texte::kErfuellenZahl.mit(lang, 2, ganz(e.qualified)) + std::string(zwischen) +\n', 'const', 'one qualifying design counted in the plural')
m('cli/calc_run.cpp', '    const std::string_view sep = Dezimaltrenner(lang);\n', '    const std::string_view sep = localeSeparator;\n', 'swap', "sheets written with the locale's separator, not the language's")

# ---------------------------------------------------------------- tool windows beside the main window, the design's note
m('windows/forms/placement.cpp', '        const int widths[] = {size.width(), std::clamp(right, narrowest, size.width()),\n', '        const int widths[] = {size.width(), std::max(right, size.width()),\n', 'drop', 'a tool window is not narrowed to stand beside the main window')
m('windows/forms/placement.cpp', '            const int xs[] = {in.main.right() + 1, in.main.left() - w, screen.right() + 1 - w, screen.left()};\n', '            const int xs[] = {in.main.right() + 1, screen.right() + 1 - w, screen.left()};\n', 'drop', 'no place left of the main window is tried')
m('windows/forms/placement.cpp', '    for (const QRect& screen : in.screens) {\n', '    for (const QRect& screen : {in.screens.front()}) {\n', 'drop', "only the main window's screen is tried")
m('windows/forms/placement.cpp', '                    if (least.first < 0 || covered < least) {\n', '                    if (least.first < 0 || covered <= least) {\n', 'cmp', 'the last of equal places wins, not the first')
m('windows/main/frmMain.cpp', '        if (jetzt.*text == vorher.*text) continue;\n', '        if ((jetzt.*text).empty() && (vorher.*text).empty()) continue;\n', 'drop', "fields 'use this design' left as they were are marked too")
m('app/HauptProgramm.cpp', '            hauptfenster_->AenderungenZeigen(vorher);\n', '', 'drop', "after 'use this design' the main window stays behind, nothing marked")
m('app/design_document.cpp', '    mitgenommen_.notiz = *notiz;\n    EingabenGeaendert();\n', '    mitgenommen_.notiz = *notiz;\n', 'drop', 'an edited note does not mark the design changed')
m('windows/main/properties_dialog.cpp', '    return str(feld->toPlainText());\n', '    return notiz;\n', 'drop', 'the note edited in File / Properties is dropped')
m('app/design_document.cpp', '    fenster_.titel(dateiname(absolut(pfad)));\n    laedt_ = true;\n', '    laedt_ = true;\n', 'drop', "the calculation's box of an opened design shows before the title names the file")
m('text/window_texts.cpp', '{"&Eigenschaften...", "&Propriétés...", "&Properties..."}', '{"&Eigenschaften...", "&Propriétés...", "&Save properties..."}', 'text', 'File / Properties shares its access key with Save')
# ---------------------------------------------------------------- safety distance: ICNIRP 2010 with 1998, places
m('presentation/exposure_inputs.cpp', '                                .icnirp2010With1998 = e.icnirp2010With1998 && e.standard == Standard::Icnirp1998};\n', '                                .icnirp2010With1998 = e.icnirp2010With1998};\n', 'drop', 'ICNIRP 2010 with 1998 in effect while another standard is chosen')
m('presentation/exposure_inputs.cpp', '                                .icnirp2010With1998 = e.icnirp2010With1998 && e.standard == Standard::Icnirp1998};\n', '                                .icnirp2010With1998 = e.standard == Standard::Icnirp1998};\n', 'drop', 'ICNIRP 2010 always checked with ICNIRP 1998')
m('presentation/exposure_inputs.cpp', '        e.icnirp2010With1998 = c->second == "true";\n', '', 'drop', 'ICNIRP 2010 with 1998 not read back from the settings')
m('cli/exposure_options.cpp', '    o.settings.icnirp2010With1998 = IsSet(parser, Option("icnirp2010-with-1998"));\n', '', 'drop', '--icnirp2010-with-1998 ignored')
m('presentation/exposure_inputs.cpp', '    if (place.name.find_first_not_of(" \\t") != std::string::npos)\n', '    if (!place.name.empty())\n', 'cmp', 'a blank place name shown in place of "place at"')
m('export/exposure_export.cpp', '        AppendCsvQuoted(out, place.name);\n', '        AppendCsvQuoted(out, "");\n', 'drop', 'CSV places without their names')
# ---------------------------------------------------------------- tuning JSON: an implausible measurement
m('export/tuning_export.cpp', '        const bool believable = !judged || Believable(judged->verdict);\n', '        const bool believable = true;\n', 'drop', 'efficiency and gain of an implausible measurement written')
# ---------------------------------------------------------------- finder notes: plurals
m('finder/finder_message.cpp', '        out += (out.empty() ? "" : " ") + MitWerten(mitEinheiten(text.in(lang, n), o.einheiten, lang),\n', '        out += (out.empty() ? "" : " ") + MitWerten(mitEinheiten(text.in(lang, 2), o.einheiten, lang),\n', 'const', 'one design at the search edge in the plural')
m('finder/finder_message.cpp', '        out.push_back(MitWerten(texte::kNichtKleinHinweis.in(lang, n),\n', '        out.push_back(MitWerten(texte::kNichtKleinHinweis.in(lang, 1),\n', 'const', 'not-small candidates always in the singular')
# ---------------------------------------------------------------- feet and inches in the finder, the safety distance and the reports
m('text/length_texts.cpp', '    const double rounded = std::copysign(std::ceil(std::abs(value) * steps * (1 - kSlack)) / steps, value);\n', '    const double rounded = std::copysign(std::round(std::abs(value) * steps) / steps, value);\n', 'round', 'a distance in feet rounded to the nearest tenth, inwards too')
m('finder/finder_inputs.cpp', '    const bool blanks = from == Units::Metric;\n', '    const bool blanks = true;\n', 'drop', 'a blank separates a conductor list in inches ("1 1/8" split)')
m('finder/finder_inputs.cpp', "            std::erase_if(text, [](char c) { return c == ' ' || c == '\\t'; });\n", '', 'drop', 'an unreadable inch entry read as millimetres split at its blank')
m('finder/finder_columns.cpp', '    if (spalte.length && units != Units::Metric)\n', '    if (false)\n', 'drop', "the finder's lengths shown in metres whatever the units")
m('presentation/exposure_inputs.cpp', '        const auto m = LengthFromText(p.metres, LengthQuantity::Distance, units);\n', '        const auto m = LengthFromText(p.metres, LengthQuantity::Distance, Units::Metric);\n', 'swap', "a place's feet read as metres")
m('windows/exposure/exposure_window.cpp', '        felderSetzen(OrteIn(e, vorher, einheiten_, std::string(Dezimaltrenner(sprache()))));\n', '        felderSetzen(e);\n', 'drop', "the places' distances not carried on a change of units")
m('presentation/tuning_report_inputs.cpp', '    const LoopEingaben loop = InputsIn(metric, units, Dezimaltrenner(lang));\n', '    const LoopEingaben loop = metric;\n', 'drop', "the tuning report's loop in metres under feet captions")
m('finder/finder_message.cpp', '            out.replace(at, 2, UnitCaption(menge, units, lang));\n', '', 'drop', "the finder's notes without their lengths' units")
m('windows/finder/finder_window.cpp', '    const FeldTexte texte = LaengenIn(felder(), einheiten_, Units::Metric, ".");\n', '    const FeldTexte texte = felder();\n', 'drop', 'the finder window searches feet as metres')

# ---------------------------------------------------------------- one decimal separator per language
m('text/include/text/language.h', '    if (at == std::string::npos || text.find_first_of(".,", at + 1) != std::string::npos) return text;\n', '    if (at == std::string::npos) return text;\n', 'drop', 'a text with two separators has its first rewritten')
m('text/include/text/language.h', '    return e ? e->dezimal : SprachEintragVon(kStandardSprache)->dezimal;\n', '    return e ? e->dezimal : std::string_view(".");\n', 'const', 'an unknown language writes the point beside German texts')
m('windows/tuning/tuning_model.cpp', '    return qs(FensterZahl(value, decimals, Dezimaltrenner(lang)));\n', '    return qs(FensterZahl(value, decimals, Dezimaltrenner(lang == Language::None ? lang : Language::English)));\n', 'swap', 'the tuning window and its report write the point in every language')
m('windows/tuning/tuning_chart.cpp', '    kapazitaet_->chart()->setLocale(report::NumberLocale(lang));\n', '', 'drop', "the tuning chart's ticks in the default locale")
m('windows/tuning/tuning_window.cpp', 'setText(ZahlText(b.stepMHz, 4, lang));', 'setText(ZahlText(b.stepMHz, 4, Language::English));', 'swap', "the band's step written with the point")
m('windows/main/frmMain.cpp', 'std::string frmMain::feldTrenner() const { return std::string(Dezimaltrenner(SpracheVon(rec_.Sprache))); }', "std::string frmMain::feldTrenner() const { return dezimaltrenner(); }", 'swap', "the main window's fields written with the locale's separator")
m('windows/main/frmMain.cpp', 'felder[i]->setText(qs(MitTrenner(*texte[i], lang)));', 'felder[i]->setText(qs(*texte[i]));', 'drop', "a design's numbers shown with the file's separator")
m('windows/coupling/frmAnkopplung.cpp', '    ui_.Text1->setText(qs(MitTrenner(start_.verhaeltnis, SpracheVon(rec_.Sprache))));\n}', '    ui_.Text1->setText(qs(start_.verhaeltnis));\n}', 'drop', "a design's ratio shown with the file's separator")
m('windows/exposure/exposure_window.cpp', '    faktor_->setText(qs(MitTrenner(e.modeFactor, lang)));\n', '    faktor_->setText(qs(e.modeFactor));\n', 'drop', "a kept mode factor shown with its old separator")
m('presentation/tuning_report_inputs.cpp', '            std::string wert = MitTrenner(text, lang);\n', '            std::string wert = text;\n', 'drop', "the tuning report's inputs as typed")
# ---------------------------------------------------------------- ringfeld-calc --save-design: the language's separator
m('cli/calc_options.cpp', '            basis.schleife.felder.*feld.text = MitTrenner(basis.schleife.felder.*feld.text, lang);\n', '', 'drop', "a saved design's derived circumference with the locale's separator")
m('cli/tuning_output.cpp', 'out.write(LoopInputsLine(l, units).toUtf8().toStdString());', 'out.write(LoopInputsLine(l).toUtf8().toStdString());', 'drop', "--tuning's loop line in metres under --units imperial")
m('cli/vna_output.cpp', 'tuning::SchleifenZeile(loop, lang, sep, units)', 'tuning::SchleifenZeile(loop, lang, sep, Units::Metric)', 'drop', "--vna's loop line in metres under --units imperial")
