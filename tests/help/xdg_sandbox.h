#pragma once
// A throwaway freedesktop.org environment in a temporary folder: its own
// configuration and data folders, a bin folder as the only PATH entry, and
// helpers to write mimeapps.list files, desktop entries, documents and a
// viewer script that records the arguments it was started with.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include "shell/help/xdg_association.h"

namespace ringfeld {

class XdgSandbox {
public:
    XdgSandbox() {
        const QString r = dir_.path();
        umgebung.configHome = r + "/config";
        umgebung.configDirs = {r + "/etc/xdg"};
        umgebung.dataHome = r + "/home/share";
        umgebung.dataDirs = {r + "/usr/local/share", r + "/usr/share"};
        umgebung.path = {r + "/bin"};
        for (const QString& d : {umgebung.configHome, umgebung.configDirs[0], umgebung.dataHome,
                                 umgebung.dataDirs[0], umgebung.dataDirs[1], umgebung.path[0]})
            QDir().mkpath(d);
    }

    bool ok() const { return dir_.isValid(); }
    QString root() const { return dir_.path(); }
    QString pfad(const QString& relativ) const { return dir_.path() + "/" + relativ; }

    // Writes a text file below the sandbox and gives its full path.
    QString schreibe(const QString& relativ, const QByteArray& text) const {
        const QString p = pfad(relativ);
        QDir().mkpath(QFileInfo(p).path());
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
        f.write(text);
        return p;
    }

    // A desktop entry for an application with this Exec line (and more lines).
    QString eintrag(const QString& relativ, const QString& exec, const QByteArray& weitere = {}) const {
        return schreibe(relativ, "[Desktop Entry]\nType=Application\nName=Viewer\nExec=" + exec.toUtf8() +
                                     "\n" + weitere);
    }

    // An executable script that writes the number of its arguments and then
    // each argument on a line of its own into `protokoll`.
    QString rekorder(const QString& relativ, const QString& protokoll) const {
        const QByteArray ziel = protokoll.toUtf8();
        const QString p = schreibe(relativ, "#!/bin/sh\n"
                                            "{ echo \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" +
                                                ziel + ".tmp' && mv '" + ziel + ".tmp' '" + ziel + "'\n");
        QFile::setPermissions(p, QFile::permissions(p) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        return p;
    }

    // A small PDF document.
    QString pdf(const QString& relativ) const { return schreibe(relativ, "%PDF-1.4\n%%EOF\n"); }

    XdgUmgebung umgebung;

private:
    QTemporaryDir dir_;
};

// The lines a recorder script wrote: the argument count, then the arguments.
inline QStringList protokollZeilen(const QString& protokoll) {
    QFile f(protokoll);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList zeilen = QString::fromUtf8(f.readAll()).split('\n');
    if (!zeilen.isEmpty() && zeilen.last().isEmpty()) zeilen.removeLast();
    return zeilen;
}

}  // namespace ringfeld
