// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// Prints, one line per language, where the help command finds the help document
// for a program in the folder given as the argument (the folder when none is found).
#include <cstdio>
#include "app/help_command.h"
#include "probe_services.h"
using namespace ringfeld;

int main(int argc, char* argv[]) {
    if (argc != 2) return 2;
    ProbeDienste dienste;
    for (auto lang : {Language::German, Language::French, Language::English})
        std::printf("%s\n", HilfeDokumentPfad(dienste, argv[1], HilfeTexteFuer(lang).dokument).c_str());
    return 0;
}
