// ringfeld-calc: the loop calculation from the command line.

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>

#include <cstdio>

#include "calc_run.h"
#include "engine/language.h"

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The language the desktop program keeps; unreadable or absent gives the empty text.
std::string storedLanguage() {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, qs(ringfeld::kSettingsApplication),
                    qs(ringfeld::kSettingsApplication));
    if (store.status() != QSettings::NoError) return {};
    const QString key = qs(ringfeld::kSettingsSection) + '/' + qs(ringfeld::kSettingsKey);
    return store.value(key).toString().toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    QByteArray out, err;
    const int status = ringfeld::cli::RunCalc(app.arguments().mid(1), storedLanguage(), separator, out, err);
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    std::fwrite(err.constData(), 1, static_cast<std::size_t>(err.size()), stderr);
    return status;
}
