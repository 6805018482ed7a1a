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
m("ui/CMakeLists.txt", "set(RINGFELD_ICON_SIZES 16 32 48 64 128 256)", "set(RINGFELD_ICON_SIZES 16 32 48 64 128)",
  "drop", "no 256-pixel icon")
m("ui/CMakeLists.txt", "--width ${size} --height ${size}", "--width ${size} --height 48", "const",
  "every icon rendered 48 pixels high")
m("dist/CMakeLists.txt", "RENAME ${RINGFELD_APP_ID}.png)", "RENAME ringfeld.png)", "text",
  "PNG icons installed under the program's name, not the application id")
m("dist/CMakeLists.txt", "install(FILES debian/copyright ${_changelog}", "install(FILES ${_changelog}", "drop",
  "no copyright file installed")
