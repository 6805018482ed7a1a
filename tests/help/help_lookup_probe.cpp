// Prints, one line per language, where the help command finds the help document
// for a program in the folder given as the argument (the folder when none is found).

#include <cstdio>
#include "shell/help/help_command.h"
#include "probe_dienste.h"

int main(int argc, char* argv[]) {
    if (argc != 2) return 2;
    ringfeld::ProbeDienste dienste;
    for (auto lang : {ringfeld::Language::German, ringfeld::Language::French, ringfeld::Language::English})
        std::printf("%s\n", ringfeld::HilfeDokumentPfad(dienste, argv[1], ringfeld::HilfeTexteFuer(lang).dokument).c_str());
    return 0;
}
