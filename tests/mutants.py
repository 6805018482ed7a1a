# Mutants of the code that the shared catalogue does not know yet, in its format:
#   ../shared/tools/mutate --catalog tests/mutants.py
# Each entry replaces `old` (exactly once in the file) by `new`.
M = []


def m(file, old, new, kind, desc):
    M.append(dict(file=file, old=old, new=new, kind=kind, desc=desc))


# ---------------------------------------------------------------- calculation mends
f = "engine/loop_model.cpp"
m(f, "if (g <= kKleinsterLogTerm) g = 0.0001;", "if (g == 0) g = 0.0001;", "cmp", "self-capacitance log term: only an exact zero counts")
m(f, "kKleinsterLogTerm = 1e-9;", "kKleinsterLogTerm = 0.0;", "const", "log term threshold 1e-9 -> 0")
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


# ---------------------------------------------------------------- tuning-range sheet: engine


# ---------------------------------------------------------------- tuning-range sheet: window


# ---------------------------------------------------------------- desktop integration
