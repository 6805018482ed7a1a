# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Mutants of the code that the shared catalogue does not know yet, in its format:
#   ../shared/tools/mutate --catalog tests/mutants.py
# Each entry replaces `old` (exactly once in the file) by `new`.
M = []


def m(file, old, new, kind, desc):
    M.append(dict(file=file, old=old, new=new, kind=kind, desc=desc))


# ---------------------------------------------------------------- calculation mends
f = "core/loop_model.cpp"
m(f, "if (g <= kKleinsterLogTerm) g = kLogTermForZero;", "if (g == 0) g = kLogTermForZero;", "cmp", "self-capacitance log term: only an exact zero counts")
m(f, "kKleinsterLogTerm = 1e-9;", "kKleinsterLogTerm = 0.0;", "const", "log term threshold 1e-9 -> 0")
# The shared catalogue's engine/loop_model.cpp rows, for the rewritten formulas.
m(f, "kGroessteLeiterlaenge = 0.41;", "kGroessteLeiterlaenge = 0.42;", "const", "length limit 0.41 -> 0.42 wavelengths")
m(f, "if (k > kGroessteLeiterlaenge)", "if (k >= kGroessteLeiterlaenge)", "cmp", "length check > -> >=")
m(f, "kRingOderSpule = 21.739;", "kRingOderSpule = 21.7;", "const", "ring/coil switch 21.739 -> 21.7")
m(f, "d < kThinnestConductorMm ||", "d <= kThinnestConductorMm ||", "cmp", "conductor minimum < -> <=")
m(f, "kLowestFrequencyMHz = 0.01;", "kLowestFrequencyMHz = 0.001;", "const", "frequency minimum 0.01 -> 0.001")
m(f, "lmin = single(d / 2);", "lmin = single(d / 3);", "const", "one-turn minimum length d/2 -> d/3")
m(f, "if (N == 1) l = d / kMillimetresPerMetre;", ";", "drop", "drop 'single turn: conductor diameter replaces coil length'")
m(f, "kLogTermForZero = 0.0001;", "kLogTermForZero = 0.001;", "const", "degenerate pitch g 0.0001 -> 0.001")
m(f, "kTenthsPerPicofarad * CL).zahl()) <= 0)", "kTenthsPerPicofarad * CL).zahl()) < 0)", "cmp", "capacitance check <= 0 -> < 0")
m(f, "kResonanz = 25330.2;", "kResonanz = 25303.2;", "const", "resonance constant 25330.2 -> 25303.2 (digits swapped)")
m(f, "w.gewinn = (lg(eta) * kDecibelsPerBel).zahl();", "w.gewinn = (lg(eta) * 20).zahl();", "const", "gain 10 log -> 20 log")
m(f, "const Wert eta = Rr / RGesamt / N;", "const Wert eta = Rr / RGesamt;", "drop", "efficiency not divided by turns")
m(f, "/ Q / kHertzPerKilohertz).zahl();", "/ Q / 100).zahl();", "const", "bandwidth /1000 -> /100")
m(f, "        RGesamt = XL2 / Rc;\n", "\n", "drop", "drop folding the parallel loss into RGesamt")
m(f, "kRadiationResistanceOhm = 31171;", "kRadiationResistanceOhm = 31117;", "const", "Rr constant 31171 -> 31117")
m("engine/loop_rechnen.cpp", "            out.ergebnisseLoeschen = true;\n            out.meldung = Meldung{PruefMeldung(Ending::Capacitance",
  "            out.meldung = Meldung{PruefMeldung(Ending::Capacitance", "drop", "capacitance refusal keeps the last design's labels")
f = "ui/sprache_anwenden.cpp"
m(f, "if (chooseAgain(shape, shapeEntry)) {", "if (chooseAgain(shape, -1)) {", "drop", "language switch resets the shape")
m(f, "    chooseAgain(material, materialEntry);\n", "", "drop", "language switch resets the material")
m(f, "    chooseAgain(site, siteEntry);\n", "", "drop", "language switch resets the coupling site")
m(f, "label && caption) label->setText(qs(*caption));", "label && caption) {}", "drop", "kept square keeps the diameter caption")
m("shell/frmMain.cpp", "    if (AnkopplungNeueLoop) AnkopplungNeueLoop();\n", "", "drop", "calculation leaves an open coupling window as it was")
f = "coupling/frmAnkopplung.cpp"
m(f, "void frmAnkopplung::NeueLoop() {\n    ui_.Label2->setText(QString());", "void frmAnkopplung::NeueLoop() {\n", "drop", "new loop keeps the coupling circumference")
m(f, "    ui_.Command3->setEnabled(false);\n    Form_Activate();", "    Form_Activate();", "drop", "new loop keeps the coupling print button")
f = "shell/print_renderer.cpp"
m(f, "painter.scale(scale / inches, scale / inches);", "painter.scale(scale, scale);", "const", "print scale counts the picture's inches twice")
m(f, "    painter.drawPicture(0, 0, drawing);", "    clientArea.render(&painter);", "swap", "print through QWidget::render's bitmap")
m(f, "if (s.field) s.field->setSelection(s.start, s.length);", "if (s.field) s.field->deselect();", "drop", "printing loses the selection")
m(f, "            field->deselect();\n", "", "drop", "selection printed")
m(f, "        if (focus_) focus_->clearFocus();\n", "", "drop", "focus frame printed")
m("ui/fenster_drucken.cpp", "kopf.label.setVisible(kopf.danachSichtbar);", "kopf.label.setVisible(true);", "const", "print heading stays visible")


# ---------------------------------------------------------------- ringfeld-calc
C = "cli/"
f = C + "numeric_options.cpp"
m(f, "case RangeRule::Positive: return value > 0;", "case RangeRule::Positive: return value >= 0;", "cmp", "range rule > 0 admits 0")
m(f, "case RangeRule::NonNegative: return value >= 0;", "case RangeRule::NonNegative: return value > 0;", "cmp", "range rule >= 0 refuses 0")
m(f, "    if (!option.unit.empty()) text += q(kIn.in(lang)) + q(option.unit);\n", "\n", "drop", "usage error without the unit")
f = C + "numeric_options.h"
m(f, '{"series-loss", "Ohm", "Ohm", RangeRule::NonNegative,', '{"series-loss", "Ohm", "Ohm", RangeRule::Positive,', "const", "series loss must be > 0")
m(f, '{"length", "mm", "mm", RangeRule::NonNegative,', '{"length", "mm", "mm", RangeRule::Positive,', "const", "coil length must be > 0")
f = C + "calc_options.cpp"
m(f, "if (!ReadNumber(n, text.toStdString())) return refuse(q(n.name), text);", ";", "drop", "numeric options not checked")
m(f, "compare(q(name(entry)), Qt::CaseInsensitive)", "compare(q(name(entry)), Qt::CaseSensitive)", "cmp", "list entries case-sensitive")
m(f, "            in.Combo1 = *entry;\n", "\n", "drop", "shape entry not written as the list writes it")
m(f, "            in.Combo2 = *entry;\n", "\n", "drop", "material entry not written as the list writes it")
m(f, " || (!asTyped && !(*from > 0))", "", "drop", "sweep FROM > 0 not checked")
m(f, "if (givenLanguage) o.sprache = *givenLanguage;", ";", "drop", "--lang ignored")
m(f, '        else if (f == "csv") o.format = OutputFormat::Csv;\n', "\n", "drop", "csv format not recognised")
m(f, 'parser.isSet("help") ? CalcHelpText(lang) : CalcVersionText()', 'parser.isSet("version") ? CalcHelpText(lang) : CalcVersionText()', "swap", "--help and --version swapped")
f = C + "calc_run.cpp"
m(f, "        if (row.ankopplung && row.ankopplung->art == KopplungsArt::Abgelehnt) return 1;\n", "\n", "drop", "refused coupling loop exits 0")
m(f, "if (!options.asTyped && row.ausgang.ending == Ending::Ok) {", "if (row.ausgang.ending == Ending::Ok) {", "drop", "--as-typed JSON gains values")
f = C + "calc_values.cpp"
m(f, "constexpr double kVoltsPerKilovolt = 1000;", "constexpr double kVoltsPerKilovolt = 100;", "const", "capacitor voltage kV -> V factor 100")
m(f, "row.record.RGesamt, row.record.XL,", "row.record.XL, row.record.RGesamt,", "swap", "R_total and X swapped")
m(f, "w.strahlung, w.verlust,", "w.verlust, w.strahlung,", "swap", "radiation and loss resistance swapped")
m(f, "    if (row.ausgang.ending != Ending::Ok) return v;\n", "\n", "drop", "refused rows get values")
m(f, "v[kFirstCouplingValue + 1] = a->lkaCm / kCentimetresPerMetre;", "v[kFirstCouplingValue + 1] = a->umfangCm / kCentimetresPerMetre;", "swap", "Lka reports the circumference")
f = C + "render_csv.cpp"
m(f, 'constexpr std::string_view kLineEnd = "\\r\\n";', 'constexpr std::string_view kLineEnd = "\\n";', "const", "CSV lines end in LF")
m(f, "        appendQuoted(out, RowMessage(row).toStdString());\n", "        out += RowMessage(row).toStdString();\n", "drop", "CSV message unquoted")
f = C + "usage_errors.cpp"
m(f, "return in(kText, lang).arg(option, given, expected);", "return in(kText, lang).arg(option).arg(given).arg(expected);", "swap", "usage error fills placeholders typed by the user")


# ---------------------------------------------------------------- tuning-range sheet: engine
f = "core/proximity_factor.cpp"
m(f, "0.097, 0.083, 0.077", "0.097, 0.032, 0.077", "const", "N = 2 at x = 2.4 read as the miscopied 0.032")
m(f, "return row[kColumns - 1] * q * q;", "return row[kColumns - 1] * q;", "drop", "tail above x = 4 falls as 1/x, not 1/x^2")
m(f, "        x = kProximityMinRatio;\n", "\n", "drop", "x below the table not raised to 1.1")
m(f, "(1 - t) * rowFactor(n, x) + t * rowFactor(n + 1, x)", "rowFactor(n, x)", "drop", "fractional turns read the row below")
m(f, "if (!(turns > 1)) return out;", "if (!(turns >= 2)) return out;", "cmp", "turns between 1 and 2 give no proximity loss")
f = "core/frequency_steps.cpp"
m(f, "kWholeStepTolerance = 1e-6;", "kWholeStepTolerance = 0;", "const", "TO dropped when the span is a whole number of steps within rounding")
m(f, "? std::round(hertz) / kHertzPerMegahertz : mhz;", "? mhz : mhz;", "drop", "frequencies not rounded to 1 Hz")
f = "core/tuning_sheet.cpp"
m(f, "kRrFormulaLimit = 0.1;", "kRrFormulaLimit = 0.2;", "const", "rr_formula_range from N U / lambda 0.2")
m(f, "kSmallLoopDirectivity = 1.5;", "kSmallLoopDirectivity = 1.0;", "const", "gain without the small loop's directivity")
m(f, "const Wert Ctune = C - CL - o.strayPf;", "const Wert Ctune = C - CL;", "drop", "stray capacitance not taken off")
m(f, "kTwoPi * (f * kHertzPerMegahertz)", "kPi * (f * kHertzPerMegahertz)", "const", "capacitor loss with pi f instead of omega")
m(f, "Rcap + Rs + X * X / Rp;", "Rcap + Rs;", "drop", "parallel loss not folded into R_total")
m(f, "ProximityFactorSmith(N.zahl(), (l / (N - 1) / d).zahl());", "ProximityFactorSmith(N.zahl(), (l / N / d).zahl());", "const", "turn spacing l / N instead of l / (N - 1)")
m(f, "v.bandwidth_vswr2_kHz = (bandwidth / kSqrt2).zahl();", "v.bandwidth_vswr2_kHz = bandwidth.zahl();", "drop", "VSWR 2 bandwidth equals the half-power one")
m(f, "v.V_peak_V = (kSqrt2 * V).zahl();", "v.V_peak_V = V.zahl();", "drop", "peak voltage is the rms voltage")
m(f, "if (v.C_tune_pF > 0 && CL >= v.C_tune_pF)", "if (v.C_tune_pF > 0 && CL <= v.C_tune_pF)", "cmp", "self_capacitance flag reversed")
m(f, "(v.C_tune_pF < *o.capMinPf || v.C_tune_pF > *o.capMaxPf)", "(v.C_tune_pF > *o.capMaxPf)", "drop", "capacitor_range ignores the minimum")
m(f, "v.C_tune_pF, row.frequencyMHz, false);", "v.C_tune_pF, row.frequencyMHz, true);", "swap", "C_tune_min takes the largest")
m(f, "resonanceMHz(henry, *o.capMaxPf + extra)", "resonanceMHz(henry, *o.capMaxPf + first->C_self_pF)", "drop", "capacitor cover without the stray capacitance")
m(f, "B * sqrt(s) / (s - 1)", "B / (s - 1)", "drop", "measured bandwidth conversion without sqrt(s)")
m(f, "const Wert Rmodel = row.values->R_total_ohm;", "const Wert Rmodel = row.values->R_skin_ohm + row.values->R_radiation_ohm;", "drop", "model loss without the sheet's extra losses")
m("text/messages.cpp", "        if (line.empty()) continue;\n", "\n", "drop", "empty message lines joined as double blanks")
m(f, "o.groundRatio >= 0", "o.groundRatio > 0", "cmp", "ground ratio 0 refused")
m(f, "*o.capMinPf <= *o.capMaxPf", "*o.capMinPf < *o.capMaxPf", "cmp", "a one-value capacitor range refused")
f = "cli/tuning_run.cpp"
m(f, 'for (const char* other : {"frequency", "sweep"})', 'for (const char* other : {"frequency"})', "drop", "--tuning combines with --sweep")
m(f, "if (sheet.summary.rows_refused > 0) return 1;", "if (sheet.summary.rows_refused > 1) return 1;", "cmp", "one refused row exits 0")
m(f, "            if (parser.isSet(q(o.name))) out.usageError", "            if (false) out.usageError", "drop", "sheet options accepted without --tuning")

# ---------------------------------------------------------------- tuning-range sheet: window
f = "tuning/abstimm_eingaben.cpp"
m(f, "if (v(f) && *v(f) < 0) reason(f, texte::kNichtNegativ);", "if (v(f) && *v(f) <= 0) reason(f, texte::kNichtNegativ);", "cmp", "ground loss and stray C: 0 refused")
m(f, "*v(Field::To) < *v(Field::From)) reason", "*v(Field::To) <= *v(Field::From)) reason", "cmp", "a one-row range from = to refused")
f = "tuning/abstimm_eingaben.h"
m(f, '{"80 m", 3.5, 3.8, 0.01},', '{"80 m", 3.5, 3.8, 0.02},', "const", "80 m step 0.01 -> 0.02")
f = "tuning/frmAbstimmbereich.cpp"
m(f, 'constexpr const char* kSchleifenFelder[] = {"Text1", "Text2", "Text3", "Text4", "Text5",', 'constexpr const char* kSchleifenFelder[] = {"Text1", "Text2", "Text4", "Text3", "Text5",', "swap", "loop fields Text3 and Text4 swapped")
m(f, "const Band& b = kBands[static_cast<std::size_t>(index - 1)];", "const Band& b = kBands[static_cast<std::size_t>(index) % kBands.size()];", "const", "band list off by one")
m(f, "        store->setValue(QString::fromLatin1(kFelder[i].schluessel), felder_[i]->text());\n", "\n", "drop", "fields not stored")
m(f, "    store->setValue(QString::fromLatin1(kBandSchluessel), band_->currentIndex());\n", "\n", "drop", "band not stored")
m(f, "            connect(feld, &QLineEdit::textChanged, this, neu);\n", "            ;\n", "drop", "main window's field changes not followed")
f = "tuning/abstimm_modell.cpp"
m(f, "    if (!std::isfinite(value)) return QString();\n", "\n", "drop", "non-finite numbers shown")
m(f, "feld<&RowValues::R_proximity_ohm>,", "feld<&RowValues::R_skin_ohm>,", "swap", "proximity column shows the skin loss")
f = "tuning/abstimm_bericht.cpp"
m(f, "for (int r = 0; r < modell.rowCount(); ++r) {", "for (int r = 0; r < 0; ++r) {", "drop", "report without table rows")


# ---------------------------------------------------------------- desktop integration
m("ui/CMakeLists.txt", "set(RINGFELD_ICON_SIZES 16 32 48 64 128 256)", "set(RINGFELD_ICON_SIZES 16 32 48 64 128)",
  "drop", "no 256-pixel icon")
m("ui/CMakeLists.txt", "--width ${size} --height ${size}", "--width ${size} --height 48", "const",
  "every icon rendered 48 pixels high")
m("dist/CMakeLists.txt", "RENAME ${RINGFELD_APP_ID}.png)", "RENAME ringfeld.png)", "text",
  "PNG icons installed under the program's name, not the application id")
m("dist/CMakeLists.txt", "install(FILES debian/copyright ${_changelog}", "install(FILES ${_changelog}", "drop",
  "no copyright file installed")
m("engine/language.h", 'if (subtag == "de") return kCodeGerman;', 'if (subtag == "dea") return kCodeGerman;',
  "locale", "a German desktop no longer starts in German")
m("engine/language.h", 'if (subtag == "fr") return kCodeFrench;', 'if (subtag == "fr") return kCodeEnglish;',
  "locale", "a French desktop starts in English")
m("engine/language.h", 'localeName.find_first_of("_-.@")', 'localeName.find_first_of("_.@")',
  "locale", "BCP 47 names (fr-CA) lose their language")
m("shell/frmMain.cpp", "kSettingsKey, SprachCodeFuerLocale(dienste_.desktopLocale()));",
  "kSettingsKey, kCodeGerman);", "locale", "nothing stored starts in German again")
m("shell/help/help_command.cpp", "    if (DateiOeffnen(dienste, pfad)) return;",
  "    DateiOeffnen(dienste, pfad);\n    return;", "help", "a failing launch is silent")
m("shell/help/desktop_open.cpp", "    return launched;", "    return true;", "help",
  "GIO's failure is not reported")
m("shell/display_check.cpp", "    if (typ == QtFatalMsg) ohneDisplayEnden();", "", "display",
  "a display that does not answer ends in Qt's abort")
m("help/pdf_outline.cpp", "QDateTime::fromSecsSinceEpoch(epochSeconds, Qt::UTC)", "QDateTime::currentDateTimeUtc()",
  "help pdf", "the creation date comes from the clock")

# ---------------------------------------------------------------- code moved out of ringfeld-calc
# The shared catalogue's rows for these lines name their old files.
m("core/frequency_steps.cpp", "!(step > 0) || to < from)", "!(step > 0) || to <= from)", "cmp",
  "frequency steps refuse TO == FROM")
m("engine/json_writer.cpp", "case '\\r': out_ += \"\\\\r\"; break;", "case '\\r': out_ += \"\\\\n\"; break;", "swap",
  "JSON escapes CR as \\n")
m("engine/messages.cpp", 'case Ending::Capacitance: return "capacitance";', 'case Ending::Capacitance: return "capacity";',
  "text", "ending name capacitance -> capacity")

# ---------------------------------------------------------------- the text catalogue
# The shared catalogue's rows for texts that moved into text/include/text/catalog/
# (and for the lines around them that were rewritten), at their new places.
K = "text/include/text/catalog/"
f = K + "loop_messages.h"
m(f, '"Unreale Werte!\\n"\n    "oder unvollständige Eingabe!",', '"oder unvollständige Eingabe!\\n"\n    "Unreale Werte!",', "swap", "German input message lines swapped")
m(f, '"à la longueur d\'un dipôle demi-onde."', '"à la longueur d\'un dipôle."', "text", "French length message text changed")
m(f, '{"Unreale Werte!", "Valeurs impossibles! ", "Unrealistic data!"}', '{"Unreale Werte!", "Valeurs impossibles! ", "Unrealistic datal!"}', "text", "English inductance message text changed")
m(f, '"de séparation des boucles (longueur)"', '"de séparation des spires (longueur)"', "text", "French several-turns hint text changed")
m("text/messages.cpp", "if (severalTurns) text += nl + nl", "if (!severalTurns) text += nl + nl", "cmp", "several-turns hint condition inverted")
f = "text/result_presentation.cpp"
m(f, '+ text + " pF ";', '+ text + " pF";', "text", "tooltip loses trailing blank")
m(f, "if (lang != Language::None) out.tooltipC", "out.tooltipC", "drop", "tooltip also for no language")
f = K + "coupling_texts.h"
m(f, '"de %1 ou qu\'un autre type \\n"', '"d\'environ %1 ou qu\'un autre type \\n"', "text", "French range explanation text changed")
m(f, '"coupling loop Calkulator "', '"Coupling loop calculator "', "text", "English note title changed")
m(f, 'kDruckKopfVorKopplung{"Kalvor ", "Kalvor  ", "Kalvor "};', 'kDruckKopfVorKopplung{"Kalvor ", "Kalvor  ", "Kalvor  "};', "text", "English print heading spacing")
m("text/ankopplung_rechnen.cpp", "        out.text += nl;\n        out.text += zusatzhinweis;", "        out.text += zusatzhinweis;", "drop", "note appends explanation without line break")
m(K + "main_texts.h", '"Ce formulaire ne peut pas être imprimé"', '"Ce formulaire ne peut pas être imprimé."', "text", "French print failure text changed")
m(K + "cli_texts.h", '{{"Länge", "Longueur", "Length"}, "λ"},', '{{"Gewinn", "Longueur", "Length"}, "λ"},', "swap", "German column header Länge -> Gewinn")
m(K + "cli_texts.h", '{{"Uc", "Uc", "Uc"}, "kV"},', '{{"Uc", "Uc", "Uc"}, "V"},', "text", "Uc unit kV -> V")
m("text/include/text/language.h", '{Language::French, "fr", "französisch"', '{Language::French, "en", "französisch"', "swap", "--lang fr not recognised (en maps to French)")
m("windows/main/sprache_anwenden.cpp", "a->setChecked(lang == e.lang);", "a->setChecked(lang == (e.lang == Language::French ? Language::English : e.lang));", "swap", "French check mark follows English")
f = "app/help_command.cpp"
m(f, "    return orte.front();\n", "    return orte.back();\n", "swap", "missing document reported at the installed path")
m(K + "help_texts.h", '" Fichier non trouvée! "', '" Fichier non trouvé! "', "text", "French file-missing title changed")
m(f, "    dienste.processEvents();\n    return geoeffnet;", "    return geoeffnet;", "drop", "no event processing after starting the viewer")
f = "app/about_text.cpp"
m(f, 'facts.legalNotice + " " + nl + nl', 'facts.legalNotice + nl + nl', "text", "legal notice loses trailing blank")
m(f, '"  V" + std::to_string(facts.major)', '" V" + std::to_string(facts.major)', "text", "version text single blank")
m("text/sprach_texte.cpp", '{W::Main, "Label36", T::Caption, {"L&änge:", "&lon- gueur:", "Length:"}},', '{W::Main, "Label36", T::Caption, {"L&änge:", "&lon- gueur:", "Lenght:"}},', "text", "English caption typo in the text table")
m("text/include/text/list_texts.h", '{Material::Fe, {"Fe", "Fe", "Fe"}},\n    {Material::Ag, {"Ag", "Ag", "Ag"}},', '{Material::Ag, {"Ag", "Ag", "Ag"}},\n    {Material::Fe, {"Fe", "Fe", "Fe"}},', "swap", "material list entries Fe/Ag swapped")
# New in the catalogue: the line joining, the place marker, the shared flags and summary pieces, the registry.
m("text/include/text/text_lines.h", "        text += nl;\n", "        text += '\\n';\n", "swap", "message lines joined with LF, not the record's line break")
m("text/include/text/text_lines.h", "out += text.substr(at + 2);", "out += text.substr(at + 1);", "const", "place marker's digit left after the value")
m(K + "tuning_texts.h", '{Flag::NoCapacitorFits, {"kein Kondensator passt",', '{Flag::ProximityClamped, {"kein Kondensator passt",', "swap", "no_capacitor_fits shows no text")
m(K + "cli_texts.h", '{"Kondensator: ", "Condensateur : de ", "Capacitor: "};', '{"Kondensator: ", "Condensateur : ", "Capacitor: "};', "text", "French --tuning capacitor line loses its de")
m(K + "tuning_texts.h", 'kCSpanneVorsatz{"C: ", "C : ", "C: "};', 'kCSpanneVorsatz{"C: ", "C: ", "C: "};', "text", "French summary strip C: without its blank")
m("cli/calc_options.cpp", "    for (const SprachEintrag& e : kSprachen) values << qs(e.code);\n", "", "drop", "--lang's usage error lists no codes")
# ---------------------------------------------------------------- coupling loop
# The shared catalogue's coupling/ankopplung_rechnen.cpp rows: the sizes are now computed in
# core/coupling.cpp, their texts in text/ankopplung_rechnen.cpp.
f = "core/coupling.cpp"
m(f, "kCircumferenceFactor = 7.792;", "kCircumferenceFactor = 7.729;", "const", "circumference constant 7.792 -> 7.729")
m(f, "(N / 2 + 1)", "(N / 2)", "const", "contact length factor N/2+1 -> N/2")
m(f, "out.art = halbUmfang < Lka ?", "out.art = halbUmfang <= Lka ?", "cmp", "range switch < -> <=")
m(f, "constexpr double kKabelimpedanz = 50;", "constexpr double kKabelimpedanz = 75;", "const", "cable impedance 50 -> 75 Ohm")
m(f, "kContactFactor = 4.95;", "kContactFactor = 4.59;", "const", "contact length constant 4.95 -> 4.59 (digits swapped)")
m(f, "!std::isfinite(lkaDoppelt) ||", "", "drop", "a contact length whose double overflows a float is accepted")
f = "text/ankopplung_rechnen.cpp"
m(f, "if (Rk > 100) return", "if (Rk >= 100) return", "cmp", "resonance display switch >100 -> >=100")
m(f, "if (Rk > 1) return", "if (Rk >= 1) return", "cmp", "resonance display switch >1 -> >=1")
m(f, "if (rec.Kapazitaet > 1000)", "if (rec.Kapazitaet >= 1000)", "cmp", "box/note switch > 1000 -> >= 1000")
m(f, "const float lkaDoppelt = 2.0f * Lka;", "const float lkaDoppelt = 2.5f * Lka;", "const", "range upper end 2 Lka -> 2.5 Lka")
m(f, '"de " + F + " ou qu\'un autre type "', '"d\'environ " + F + " ou qu\'un autre type "', "text", "French range explanation text changed")
m(f, 'out.title = "coupling loop Calkulator ";', 'out.title = "Coupling loop calculator ";', "text", "English note title changed")
m(f, "        out.text += nl;\n        out.text += zusatzhinweis;", "        out.text += zusatzhinweis;", "drop", "note appends explanation without line break")
# ---------------------------------------------------------------- sheet column registry and streaming output
f = "text/include/text/sheet_columns.h"
m(f, '{K::Number, "C_tune_pF", "pF", number<', '{K::Number, "C_tune_pf", "pF", number<', "text", "C tune's export key misspelt")
m(f, '{K::Number, "C_tune_pF", "pF", number<', '{K::Number, "C_tune_pF", "nF", number<', "text", "C tune's unit pF -> nF")
m(f, '{K::Number, "R_total_ohm", "Ohm", number<', '{K::Number, "R_total_ohm", "Ω", number<', "text", "R total's unit Ohm -> Ω in the text table")
m(f, "number<&RowValues::R_proximity_ohm>,", "number<&RowValues::R_skin_ohm>,", "swap", "proximity column shows the skin loss")
m(f, '{"Rv", "Rv", "Rskin"}, kOhm, 0, W | T | E, 5},', '{"Rv", "Rv", "Rskin"}, kOne, 0, W | T | E, 5},', "pattern", "text table's skin loss with one decimal")
m(f, '{"C Kond. (pF)", "C cond. (pF)", "C tune (pF)"}, 1,', '{"C Kond. (pF)", "C cond. (pF)", "C tune (pF)"}, 2,', "const", "window's C tune with two decimals")
m(f, "kNone, kNoPattern, FlagBit(Flag::SelfCapacitance), W | E, 2},", "kNone, kNoPattern, 0, W | E, 2},", "drop", "self_capacitance no longer marks C self")
m(f, "{K::Number, \"C_total_pF\", \"pF\", number<&RowValues::C_total_pF>, kNone, 0, kNone, kNoPattern, 0, E, -1},",
  "{K::Number, \"C_total_pF\", \"pF\", number<&RowValues::C_total_pF>, kNone, 0, kNone, kNoPattern, 0, 0, -1},", "drop", "exports leave out C total")
m(f, '{"P Kond.", "P cond.", "P cap"}, kTwo, 0, W | R | kTextViewWithCapQ | E, 17},', '{"P Kond.", "P cond.", "P cap"}, kTwo, 0, W | R | kTextView | E, 17},', "cmp", "text table shows the capacitor's power without a Q")
f = "cli/include/cli/row_blocks.h"
m(f, "make(b * kBlockRows, std::min(count, (b + 1) * kBlockRows), result);", "make(b * kBlockRows + 1, std::min(count, (b + 1) * kBlockRows), result);", "drop", "each block's first row skipped")
f = "cli/calc_run.cpp"
m(f, "        if (i > 0) text += ',';\n", "\n", "drop", "JSON rows without a comma between them")
m(f, '    out.write("\\n]\\n");', '    out.write("\\n]");', "drop", "JSON sweep without its last line end")
m(f, "        if (!block.computed) status = 1;\n", "\n", "drop", "a refused row in a sweep exits 0")
m(f, "if (row.ausgang.ending != Ending::Ok) return false;", "if (row.ausgang.ending == Ending::Fault) return false;", "cmp", "exit status 1 only for faults")
m(f, "    return !(row.ankopplung && row.ankopplung->art == KopplungsArt::Abgelehnt);", "    return true;", "drop", "refused coupling loop exits 0")
m(f, '        if (row.ausgang.meldung) lines += "    ! "', '        if (false) lines += "    ! "', "drop", "text table drops refusal messages")
m(f, "        for (std::size_t i = begin; i < end; ++i) widen(w, rowCells(RunRow(options, loop, i, sep)));\n", "\n", "drop", "text table's widths from the headings alone")
f = "cli/calc_options.cpp"
m(f, "static_cast<long long>(row - s->firstRow)", "static_cast<long long>(row)", "drop", "a later sweep counts its steps from the first row")
m(f, '    if (frequencies.isEmpty() && !parser.isSet("sweep")) o.frequenzen', '    if (frequencies.isEmpty()) o.frequenzen', "drop", "a sweep alone starts with the default frequency")
f = "cli/render_csv.cpp"
m(f, "    appendQuoted(out, RowMessage(row).toStdString());\n", "    out += RowMessage(row).toStdString();\n", "drop", "CSV message unquoted")
m(f, "    out += kLineEnd;\n}", "}", "drop", "CSV rows without line ends")
f = "cli/tuning_run.cpp"
m(f, "        for (std::size_t i = begin; i < end; ++i) widen(w, rowCells(rowAt(sheet, i), capacitorLoss, lang, fmt));\n", "\n", "drop", "sheet table's widths from the headings alone")
m(f, '        if (!row.values) lines += "    ! "', '        if (false) lines += "    ! "', "drop", "sheet table drops refusal messages")
m(f, "        summary.add(block.summary);\n", "\n", "drop", "sheet summary without the rows")
f = "export/tuning_export.cpp"
m(f, "    if (index > 0) out += ',';\n", "\n", "drop", "sheet JSON rows without a comma between them")
m(f, '    out += "\\n],";', '    out += "\\n]";', "drop", "sheet JSON without the comma before the summary")
m(f, '        if (column.kind == ColumnKind::Frequency) out += ",Text5,ending,message";', '        if (column.kind == ColumnKind::Frequency) out += ",Text5,ending";', "drop", "sheet CSV header without the message")
m("export/json_writer.cpp", "case '\\r': put(\"\\\\r\"); break;", "case '\\r': put(\"\\\\n\"); break;", "swap", "JSON escapes CR as \\n")
f = "core/tuning_sheet.cpp"
m(f, "    s.rows_refused += l.rows_refused;\n", "\n", "drop", "sheet summary counts the refused rows of the first block only")
m(f, "*l.C_tune_min_pF, l.C_tune_min_at_MHz, false);", "*l.C_tune_min_pF, l.C_tune_min_at_MHz, true);", "swap", "joined blocks: C_tune_min takes the largest")
# The window's rows above name the files before the layers moved them.
m("windows/tuning/abstimm_modell.cpp", "    if (!std::isfinite(value)) return QString();\n", "\n", "drop", "non-finite numbers shown")
m("windows/tuning/abstimm_bericht.cpp", "for (int r = 0; r < modell.rowCount(); ++r) {", "for (int r = 0; r < 0; ++r) {", "drop", "report without table rows")
m("windows/tuning/abstimm_bericht.cpp", "if (fenster[i]->views & kReportView) out[n++] = static_cast<int>(i);", "if (fenster[i]->views & kReportView) out[n++] = static_cast<int>(i) + 1;", "const", "report shows the column right of each one chosen")
