// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

#include "platform/program_version.h"

namespace ringfeld {

namespace {

QStringList argumente(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

std::optional<int> CommandLineAnswer(int argc, char* argv[]) {
    const QStringList arguments = argumente(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ringfeld computes small transmitting magnetic loop antennas: inductance, tuning and\n"
                       "self-capacitance, radiation and loss resistance, efficiency and gain, Q, bandwidth and\n"
                       "the voltage across the tuning capacitor, and sizes the coupling loop. The window opens\n"
                       "in the language last chosen (German, French or English). Qt's own options, such as\n"
                       "-platform or -style, are accepted too. ringfeld-calc does the same calculation from\n"
                       "the command line. A design file (.ringfeld) given opens in the window."));
    const QCommandLineOption help({"h", "help"}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({"v", "version"}, QStringLiteral("Show the version and exit."));
    parser.addOptions({help, version});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A design file to open."),
                                 QStringLiteral("[file]"));
    // Qt's own options are single-dash words: -reverse must not read as -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // They are unknown here; a failed parse still records these two.
    parser.parse(arguments);

    QString text;
    if (parser.isSet(help)) {
        // Qt's first line names the program by the path it was started with.
        text = parser.helpText();
        text = QStringLiteral("Usage: ringfeld [options] [file]") + text.mid(text.indexOf('\n')) +
               QStringLiteral("\nReport bugs to: https://github.com/ringfeld/ringfeld/issues\n");
    } else if (parser.isSet(version)) {
        text = QStringLiteral("ringfeld %1.%2.%3\n").arg(version::kMajor).arg(version::kMinor).arg(version::kRevision);
    } else {
        return std::nullopt;
    }
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return 0;
}

std::string CommandLineFile(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.parse(argumente(argc, argv));
    return parser.positionalArguments().value(0).toStdString();
}

}  // namespace ringfeld
