// Prints, one line per language, where the help command finds the help
// document for a program in the folder given as the argument (the folder
// itself when no document is found, as the help command reports it).

#include <cstdio>

#include <QCoreApplication>

#include "shell/help/help_command.h"
#include "probe_dienste.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: help_lookup_probe PROGRAM-FOLDER\n");
        return 2;
    }
    ringfeld::ProbeDienste dienste;
    for (ringfeld::Language lang : {ringfeld::Language::German, ringfeld::Language::French, ringfeld::Language::English}) {
        const std::string pfad =
            ringfeld::HilfeDokumentPfad(dienste, argv[1], ringfeld::HilfeTexteFuer(lang).dokument);
        std::printf("%s\n", pfad.c_str());
    }
    return 0;
}
