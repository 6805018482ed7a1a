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


# ---------------------------------------------------------------- desktop integration
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
