// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "forms/tool_window.h"

#include <algorithm>

#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>

#include "forms/accessibility.h"
#include "forms/forms.h"
#include "forms/placement.h"
#include "forms/widget_texts.h"
#include "platform/qt_text.h"
#include "platform/settings_store.h"

namespace ringfeld {
namespace {

// The window's size and place, beside its kept texts.
constexpr const char* kGeometrieSchluessel = "Geometrie";

// Where a window's inputs are, on the screen: its fields and lists together.
QRect inputArea(const QWidget& window) {
    QRect area;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w))) continue;
        if (qobject_cast<const QComboBox*>(w->parentWidget())) continue;  // a list's own line
        area |= QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    }
    return area;
}

}  // namespace

KeptTexts ReadKeptTexts(std::string_view group, const QString& settingsFile) {
    auto store = settings::open(settingsFile, kSettingsApplication);
    store->beginGroup(qs(group));
    KeptTexts out;
    for (const QString& key : store->childKeys()) {
        if (key == QLatin1String(kGeometrieSchluessel)) continue;
        const QVariant wert = store->value(key);
        // An INI value with an unquoted comma reads back as a list; the text is wanted.
        out[str(key)] =
            str(wert.typeId() == QMetaType::QStringList ? wert.toStringList().join(QLatin1Char(',')) : wert.toString());
    }
    return out;
}

ToolWindow::ToolWindow(const ToolWindowKind& kind, ToolWindowContext context)
    : QWidget(nullptr, Qt::Window), kind_(kind), context_(std::move(context)) {
    setObjectName(QString::fromLatin1(kind_.objectName));
    initUiResources();
    setWindowIcon(QIcon(QString::fromLatin1(kFensterSymbol)));
    spaeter_.setSingleShot(true);
    spaeter_.setInterval(0);
    connect(&spaeter_, &QTimer::timeout, this, [this] { Rechnen(); });
}

ToolWindow::~ToolWindow() = default;

void ToolWindow::start() {
    build();
    restoreKept(ReadKeptTexts(kind_.settingsGroup, settingsFile()));
    SpracheAnwenden();
    connectInputs();
    exposeObjectNames(this);
    resize(kind_.startSize);
}

void ToolWindow::finish() noexcept {
    try {
        writeSettings();
    } catch (...) {}
}

Language ToolWindow::sprache() const {
    const Language lang = SpracheVon(rec().Sprache);
    return lang == Language::None ? kStandardSprache : lang;
}

void ToolWindow::SpracheAnwenden() {
    const Language lang = SpracheVon(rec().Sprache);
    if (lang == Language::None) return;  // as in the main window: the texts stay
    for (const SprachText& row : SprachTexte())
        if (row.window == kind_.texts) TextAnwenden(row, lang, *this);
    applyLanguage(lang);
}

void ToolWindow::Rechnen() {
    spaeter_.stop();
    compute();
}

void ToolWindow::SpaeterRechnen() {
    if (isVisible()) spaeter_.start();
}

void ToolWindow::inputChanged() {
    SpaeterRechnen();
    emit EingabenGeaendert();
}

void ToolWindow::Zeigen() {
    beforeShow();
    placeOnce();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    Rechnen();
}

void ToolWindow::hideEvent(QHideEvent* event) {
    writeSettings();
    QWidget::hideEvent(event);
    hidden();
}

void ToolWindow::writeSettings() const {
    auto store = settings::open(settingsFile(), kSettingsApplication);
    if (!store->isWritable()) return;
    store->beginGroup(qs(kind_.settingsGroup));
    for (const auto& [key, text] : keptTexts()) store->setValue(qs(key), qs(text));
    if (platziert_) store->setValue(QString::fromLatin1(kGeometrieSchluessel), saveGeometry().toBase64());
    store->endGroup();
    store->sync();
}

// ---------------------------------------------------------------- placement

// The first time: the size and place kept from the last run, else beside the main window.
void ToolWindow::placeOnce() {
    if (platziert_) return;
    platziert_ = true;
    if (!restoreKeptGeometry()) placeFirst();
}

// A kept geometry that is still on a screen, within that screen; a window narrower
// than its groups side by side need takes its narrow layout.
bool ToolWindow::restoreKeptGeometry() {
    auto store = settings::open(settingsFile(), kSettingsApplication);
    store->beginGroup(qs(kind_.settingsGroup));
    const QByteArray kept =
        QByteArray::fromBase64(store->value(QString::fromLatin1(kGeometrieSchluessel)).toByteArray());
    if (kept.isEmpty()) return false;
    const int breit = leastSize(false).width();
    leastSize(true);  // the narrow layout's least width allows the narrower kept ones
    const QRect vorher = geometry();
    const QScreen* schirm = nullptr;
    if (restoreGeometry(kept))
        for (const QScreen* s : QGuiApplication::screens())
            if (freeArea(*s).intersects(geometry())) schirm = s;
    if (!schirm) {
        setGeometry(vorher);
        arrange(false);
        return false;
    }
    arrange(width() < breit);
    setGeometry(fitted(geometry(), *schirm));
    return true;
}

// Where PlaceToolWindow puts it: the main window's screen first, then the others.
// Its frame is taken to be the main window's (it has none before it is shown).
void ToolWindow::placeFirst() {
    const QMargins rahmen = mainFrame();
    const QSize rand(rahmen.left() + rahmen.right(), rahmen.top() + rahmen.bottom());
    const QSize breit = leastSize(false);
    const QSize schmal = leastSize(true).expandedTo(QSize(leastWidth(), 0));
    PlacementInput in;
    const QScreen* eigener = neben().screen() ? neben().screen() : QGuiApplication::primaryScreen();
    if (eigener) in.screens.push_back(eigener->availableGeometry());
    for (const QScreen* s : QGuiApplication::screens())
        if (s != eigener) in.screens.push_back(s->availableGeometry());
    if (in.screens.empty()) return;
    in.main = neben().frameGeometry();
    in.fields = inputArea(neben());
    in.wanted = size().expandedTo(breit) + rand;
    in.least = schmal + rand;
    const QRect ziel = PlaceToolWindow(in).marginsRemoved(rahmen);
    arrange(ziel.width() < breit.width());
    setGeometry(ziel);
}

QSize ToolWindow::leastSize(bool narrow) {
    arrange(narrow);
    // The outer layout keeps the least size it had until it is told that its inner ones changed.
    if (layout()) layout()->invalidate();
    return minimumSizeHint();
}

QMargins ToolWindow::mainFrame() const {
    const QRect innen = neben().geometry();
    const QRect aussen = neben().frameGeometry();
    return {innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
            aussen.bottom() - innen.bottom()};
}

QRect ToolWindow::freeArea(const QScreen& screen) const {
    // The window's own area, less the frame the window manager adds, taken from the
    // main window (this one has none before it is shown).
    return screen.availableGeometry().marginsRemoved(mainFrame());
}

QRect ToolWindow::fitted(QRect r, const QScreen& screen) const {
    const QRect frei = freeArea(screen);
    r.setSize(r.size().boundedTo(frei.size()));
    r.moveLeft(std::max(frei.left(), std::min(r.left(), frei.right() + 1 - r.width())));
    r.moveTop(std::max(frei.top(), std::min(r.top(), frei.bottom() + 1 - r.height())));
    return r;
}

}  // namespace ringfeld
