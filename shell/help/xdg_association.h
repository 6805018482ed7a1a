#pragma once
// The program a freedesktop.org desktop opens a document with: the document's
// MIME type, the default application of the mimeapps.list files, the desktop
// entries in the XDG data folders, and the entry's Exec program resolved to a
// full path through PATH.

#include <string>

#include <QString>
#include <QStringList>

namespace ringfeld {

// The folders the lookup searches, as the XDG Base Directory rules give them.
struct XdgUmgebung {
    QString configHome;        // $XDG_CONFIG_HOME
    QStringList configDirs;    // $XDG_CONFIG_DIRS, most important first
    QString dataHome;          // $XDG_DATA_HOME
    QStringList dataDirs;      // $XDG_DATA_DIRS, most important first
    QStringList desktops;      // $XDG_CURRENT_DESKTOP, each name in lower case
    QStringList path;          // $PATH, for Exec programs given without a folder

    // The folders of this process's environment; unset, empty or relative
    // values fall back to the defaults below $HOME and /etc/xdg, /usr/share.
    static XdgUmgebung ausProzess();
};

// One entry of the [Desktop Entry] group's Exec key: the program, with the
// desktop entry's escapes and quoting removed; empty when there is none.
QString ExecProgramm(const QString& execWert);

// The full path of the program the desktop associates with the document
// `pfad`, or empty: when no application is associated with its MIME type,
// when the associated entry's program cannot be found, and when the program
// found is the document itself.
QString ProgrammZuDatei(const QString& pfad, const XdgUmgebung& umgebung);

// The same in this process's environment, for the desktop services.
std::string ProgrammZuDatei(const std::string& pfad);

}  // namespace ringfeld
