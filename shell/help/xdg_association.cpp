#include "shell/help/xdg_association.h"

#include <vector>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QMimeType>
#include <QSet>
#include <QStandardPaths>

namespace ringfeld {
namespace {

// The key files of the desktop (desktop entries, mimeapps.list): "[group]"
// lines, "key=value" lines, "#" comments. Localised keys ("Name[de]") are
// ordinary keys here; none of the keys read below is localised.
using Gruppe = QHash<QString, QString>;
using Schluesseldatei = QHash<QString, Gruppe>;

Schluesseldatei leseSchluesseldatei(const QString& datei) {
    Schluesseldatei inhalt;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return inhalt;
    QString gruppe;
    bool inGruppe = false;
    while (!f.atEnd()) {
        const QString zeile = QString::fromUtf8(f.readLine()).trimmed();
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('#'))) continue;
        if (zeile.startsWith(QLatin1Char('[')) && zeile.endsWith(QLatin1Char(']'))) {
            gruppe = zeile.mid(1, zeile.size() - 2);
            inGruppe = true;
            continue;
        }
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (!inGruppe || gleich <= 0) continue;
        Gruppe& g = inhalt[gruppe];
        const QString schluessel = zeile.left(gleich).trimmed();
        // A key given twice is an error in the file; the first one stands.
        if (!g.contains(schluessel)) g.insert(schluessel, zeile.mid(gleich + 1).trimmed());
    }
    return inhalt;
}

// The escapes of string values: \s \n \t \r \\. Any other backslash stays for
// the quoting rule of Exec, which is applied afterwards.
QString entschluessle(const QString& wert) {
    QString text;
    text.reserve(wert.size());
    for (qsizetype i = 0; i < wert.size(); ++i) {
        const QChar c = wert[i];
        if (c != QLatin1Char('\\') || i + 1 == wert.size()) {
            text += c;
            continue;
        }
        switch (wert[i + 1].unicode()) {
            case 's': text += QLatin1Char(' '); break;
            case 'n': text += QLatin1Char('\n'); break;
            case 't': text += QLatin1Char('\t'); break;
            case 'r': text += QLatin1Char('\r'); break;
            case '\\': text += QLatin1Char('\\'); break;
            default: text += c; text += wert[i + 1]; break;
        }
        ++i;
    }
    return text;
}

// A list value "a;b;c;" (desktop file IDs, MIME types).
QStringList liste(const QString& wert) {
    QStringList eintraege;
    for (const QString& teil : wert.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString t = teil.trimmed();
        if (!t.isEmpty()) eintraege << t;
    }
    return eintraege;
}

// A program named in a desktop entry, as a full path: a name without a folder
// is looked up in PATH; a full path must name an executable file.
QString findeProgramm(const QString& name, const QStringList& path) {
    if (name.isEmpty()) return {};
    if (name.contains(QLatin1Char('/'))) {
        if (!QDir::isAbsolutePath(name)) return {};
        const QFileInfo info(name);
        return info.isFile() && info.isExecutable() ? QDir::cleanPath(info.absoluteFilePath()) : QString();
    }
    // An empty list would make Qt search the process's own PATH.
    if (path.isEmpty()) return {};
    return QStandardPaths::findExecutable(name, path);
}

// The application of one desktop entry file: its Exec program as a full path,
// or empty when the entry is no installed, usable application.
QString programmDesEintrags(const QString& datei, const QStringList& path) {
    const Schluesseldatei inhalt = leseSchluesseldatei(datei);
    const auto it = inhalt.constFind(QStringLiteral("Desktop Entry"));
    if (it == inhalt.cend()) return {};
    const Gruppe& eintrag = *it;
    if (eintrag.value(QStringLiteral("Type")) != QLatin1String("Application")) return {};
    if (eintrag.value(QStringLiteral("Hidden")) == QLatin1String("true")) return {};
    const auto tryExec = eintrag.constFind(QStringLiteral("TryExec"));
    if (tryExec != eintrag.cend() && findeProgramm(entschluessle(*tryExec), path).isEmpty()) return {};
    return findeProgramm(ExecProgramm(eintrag.value(QStringLiteral("Exec"))), path);
}

struct AssoziationsDatei {
    Schluesseldatei inhalt;
    bool desktopSpezifisch = false;  // "$desktop-mimeapps.list": defaults only
};

// One lookup: the desktop entries and mimeapps.list files of an environment,
// read once.
class Suche {
public:
    explicit Suche(const XdgUmgebung& u) : path_(u.path) {
        // Desktop entries: the first data folder that has an ID wins.
        QStringList anwendungsOrdner;
        for (const QString& d : QStringList{u.dataHome} + u.dataDirs)
            if (!d.isEmpty()) anwendungsOrdner << d + QStringLiteral("/applications");
        for (const QString& ordner : anwendungsOrdner) {
            QStringList dateien;
            QDirIterator it(ordner, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) dateien << it.next();
            dateien.sort();
            const QDir basis(ordner);
            for (const QString& datei : dateien) {
                // The desktop file ID: the path below applications/ with "/" turned into "-".
                const QString id = basis.relativeFilePath(datei).replace(QLatin1Char('/'), QLatin1Char('-'));
                if (eintraege_.contains(id)) continue;
                eintraege_.insert(id, datei);
                reihenfolge_ << id;
            }
        }

        // mimeapps.list files, most important first.
        QStringList listenOrdner{u.configHome};
        listenOrdner += u.configDirs;
        listenOrdner << (u.dataHome.isEmpty() ? QString() : u.dataHome + QStringLiteral("/applications"));
        for (const QString& d : u.dataDirs) listenOrdner << d + QStringLiteral("/applications");
        for (const QString& ordner : listenOrdner) {
            if (ordner.isEmpty()) continue;
            for (const QString& desktop : u.desktops) {
                const QString datei = ordner + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list");
                if (QFileInfo(datei).isFile()) listen_.push_back({leseSchluesseldatei(datei), true});
            }
            const QString datei = ordner + QStringLiteral("/mimeapps.list");
            if (QFileInfo(datei).isFile()) listen_.push_back({leseSchluesseldatei(datei), false});
        }
    }

    // The program of the default application for a MIME type (given with its
    // aliases), or empty.
    QString programmFuer(const QStringList& typNamen) {
        static const QString kDefault = QStringLiteral("Default Applications");
        static const QString kAdded = QStringLiteral("Added Associations");
        static const QString kRemoved = QStringLiteral("Removed Associations");

        // The [Default Applications] of each file in turn; an entry that is not
        // installed passes on to the next one.
        for (const AssoziationsDatei& datei : listen_) {
            const Gruppe vorgaben = datei.inhalt.value(kDefault);
            for (const QString& typ : typNamen)
                for (const QString& id : liste(vorgaben.value(typ)))
                    if (QString p = programm(id); !p.isEmpty()) return p;
        }

        // No default: the most preferred associated application. Each file's
        // added associations count unless a more important file removed them;
        // then the desktop entries that name the type themselves.
        QSet<QString> entfernt;
        for (const AssoziationsDatei& datei : listen_) {
            if (datei.desktopSpezifisch) continue;
            const Gruppe hinzu = datei.inhalt.value(kAdded);
            for (const QString& typ : typNamen)
                for (const QString& id : liste(hinzu.value(typ)))
                    if (!entfernt.contains(id))
                        if (QString p = programm(id); !p.isEmpty()) return p;
            const Gruppe weg = datei.inhalt.value(kRemoved);
            for (const QString& typ : typNamen)
                for (const QString& id : liste(weg.value(typ))) entfernt.insert(id);
        }
        for (const QString& id : reihenfolge_) {
            if (entfernt.contains(id)) continue;
            const QStringList& typen = typenDes(id);
            for (const QString& typ : typNamen)
                if (typen.contains(typ))
                    if (QString p = programm(id); !p.isEmpty()) return p;
        }
        return {};
    }

private:
    // The MIME types a desktop entry names itself.
    const QStringList& typenDes(const QString& id) {
        auto gemerkt = typen_.find(id);
        if (gemerkt == typen_.end())
            gemerkt = typen_.insert(id, liste(leseSchluesseldatei(eintraege_.value(id))
                                                  .value(QStringLiteral("Desktop Entry"))
                                                  .value(QStringLiteral("MimeType"))));
        return *gemerkt;
    }

    QString programm(const QString& id) {
        const auto gemerkt = programme_.constFind(id);
        if (gemerkt != programme_.cend()) return *gemerkt;
        const auto datei = eintraege_.constFind(id);
        const QString p = datei == eintraege_.cend() ? QString() : programmDesEintrags(*datei, path_);
        programme_.insert(id, p);
        return p;
    }

    QStringList path_;
    QHash<QString, QString> eintraege_;  // desktop file ID -> file
    QStringList reihenfolge_;            // IDs in order of precedence
    std::vector<AssoziationsDatei> listen_;
    QHash<QString, QString> programme_;  // desktop file ID -> program, once looked up
    QHash<QString, QStringList> typen_;  // desktop file ID -> its MimeType list, once read
};

bool gleicheDatei(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    if (QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath())) return true;
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

}  // namespace

QString ExecProgramm(const QString& execWert) {
    const QString wert = entschluessle(execWert);
    QString wort;
    bool begonnen = false;
    bool inAnfuehrung = false;
    for (qsizetype i = 0; i < wert.size(); ++i) {
        const QChar c = wert[i];
        if (inAnfuehrung) {
            if (c == QLatin1Char('"')) {
                inAnfuehrung = false;
            } else if (c == QLatin1Char('\\') && i + 1 < wert.size() &&
                       QStringLiteral("\"`$\\").contains(wert[i + 1])) {
                wort += wert[++i];
            } else {
                wort += c;
            }
            continue;
        }
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (begonnen) break;
            continue;
        }
        begonnen = true;
        if (c == QLatin1Char('"'))
            inAnfuehrung = true;
        else
            wort += c;
    }
    // A quotation that never ends makes the whole key invalid.
    return inAnfuehrung ? QString() : wort;
}

XdgUmgebung XdgUmgebung::ausProzess() {
    const auto gueltig = [](const QString& ordner) { return !ordner.isEmpty() && QDir::isAbsolutePath(ordner); };
    const auto einzeln = [&](const char* variable, const QString& vorgabe) {
        const QString wert = qEnvironmentVariable(variable);
        return gueltig(wert) ? QDir::cleanPath(wert) : vorgabe;
    };
    const auto mehrere = [&](const char* variable, const QStringList& vorgabe) {
        QStringList ordner;
        for (const QString& teil : qEnvironmentVariable(variable).split(QLatin1Char(':'), Qt::SkipEmptyParts))
            if (gueltig(teil)) ordner << QDir::cleanPath(teil);
        return ordner.isEmpty() ? vorgabe : ordner;
    };

    const QString home = QDir::homePath();
    XdgUmgebung u;
    u.configHome = einzeln("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    u.configDirs = mehrere("XDG_CONFIG_DIRS", {QStringLiteral("/etc/xdg")});
    u.dataHome = einzeln("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    u.dataDirs = mehrere("XDG_DATA_DIRS", {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
    for (const QString& name : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        u.desktops << name.toLower();
    u.path = mehrere("PATH", {QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
    return u;
}

QString ProgrammZuDatei(const QString& pfad, const XdgUmgebung& umgebung) {
    if (pfad.isEmpty()) return {};
    const QMimeDatabase db;
    const QMimeType typ = db.mimeTypeForFile(pfad);
    if (!typ.isValid()) return {};

    // The type itself, then its parents (a text type falls back to
    // text/plain). Every type counts as a kind of application/octet-stream;
    // that catch-all is left out, or any file opener would do.
    QList<QStringList> typen{QStringList{typ.name()} + typ.aliases()};
    for (const QString& vorfahr : typ.allAncestors()) {
        if (vorfahr == QLatin1String("application/octet-stream")) continue;
        typen << QStringList{vorfahr} + db.mimeTypeForName(vorfahr).aliases();
    }

    Suche suche(umgebung);
    for (const QStringList& namen : typen) {
        const QString programm = suche.programmFuer(namen);
        if (programm.isEmpty()) continue;
        return gleicheDatei(programm, pfad) ? QString() : programm;
    }
    return {};
}

std::string ProgrammZuDatei(const std::string& pfad) {
    return ProgrammZuDatei(QString::fromStdString(pfad), XdgUmgebung::ausProzess()).toStdString();
}

}  // namespace ringfeld
