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
