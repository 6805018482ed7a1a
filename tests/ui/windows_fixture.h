#pragma once
// Both windows built from their forms, as the program builds them, and the
// language routine run on them.

#include <QComboBox>
#include <QMainWindow>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <string>

#include "engine/design_record.h"
#include "ui/forms.h"
#include "ui/sprache_anwenden.h"

struct Windows {
    QMainWindow main;
    std::unique_ptr<QWidget> coupling;
    int couplingCalls = 0;
    ringfeld::DesignRecord rec;

    Windows() { ringfeld::setupFrmMain(main); }

    QWidget* couplingWindow() {
        ++couplingCalls;
        if (!coupling) {
            coupling = std::make_unique<QWidget>();
            ringfeld::setupFrmAnkopplung(*coupling);
        }
        return coupling.get();
    }

    void apply(const std::string& sprache) {
        rec.Sprache = sprache;
        ringfeld::SpracheAnwenden(main, [this] { return couplingWindow(); }, rec);
    }

    template <typename T = QWidget>
    T* m(const char* name) {
        return main.findChild<T*>(QString::fromUtf8(name));
    }
    template <typename T = QWidget>
    T* c(const char* name) {
        return couplingWindow()->findChild<T*>(QString::fromUtf8(name));
    }
};

inline QStringList entries(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
    return out;
}

// The text a caption shows: "&x" shows x underlined, "&&" shows "&".
inline QString shown(const QString& caption) {
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}
