# Mutants of the code that the shared catalogue does not know yet, in its format:
#   ../shared/tools/mutate --catalog tests/mutants.py
# Each entry replaces `old` (exactly once in the file) by `new`.
M = []


def m(file, old, new, kind, desc):
    M.append(dict(file=file, old=old, new=new, kind=kind, desc=desc))


# ---------------------------------------------------------------- calculation mends


# ---------------------------------------------------------------- ringfeld-calc


# ---------------------------------------------------------------- tuning-range sheet: engine


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
