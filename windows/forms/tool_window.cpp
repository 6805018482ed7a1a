// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "forms/tool_window.h"

#include <algorithm>

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

#include "forms/accessibility.h"
#include "forms/forms.h"
#include "forms/widget_texts.h"
#include "platform/qt_text.h"
#include "platform/settings_store.h"

namespace ringfeld {
namespace {

// The window's size and place, beside its kept texts.
constexpr const char* kGeometrieSchluessel = "Geometrie";

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

// The first time: the size and place kept from the last run, else where the window puts itself.
void ToolWindow::placeOnce() {
    if (platziert_) return;
    platziert_ = true;
    const QScreen* schirm = neben().screen() ? neben().screen() : QGuiApplication::primaryScreen();
    if (!schirm) return;
    if (!restoreKeptGeometry(*schirm)) placeFirst(*schirm);
}

// A kept geometry that still meets the screen, within it; a window narrower than
// its groups side by side need takes its narrow layout.
bool ToolWindow::restoreKeptGeometry(const QScreen& screen) {
    auto store = settings::open(settingsFile(), kSettingsApplication);
    store->beginGroup(qs(kind_.settingsGroup));
    const QByteArray kept =
        QByteArray::fromBase64(store->value(QString::fromLatin1(kGeometrieSchluessel)).toByteArray());
    if (kept.isEmpty()) return false;
    arrange(false);
    const int breit = minimumSizeHint().width();
    arrange(true);  // the narrow layout's least width allows the narrower kept ones
    const QRect vorher = geometry();
    if (!restoreGeometry(kept) || !freeArea(screen).intersects(geometry())) {
        setGeometry(vorher);
        arrange(false);
        return false;
    }
    arrange(width() < breit);
    setGeometry(fitted(geometry(), screen));
    return true;
}

void ToolWindow::placeFirst(const QScreen& screen) {
    const QRect frei = screen.availableGeometry();
    // No larger than the screen leaves room for, nor smaller than the layout needs.
    resize(size().boundedTo(frei.size() - (frameGeometry().size() - size())).expandedTo(minimumSizeHint()));
    move(besideMain());
}

QPoint ToolWindow::besideMain() const {
    QPoint ziel = neben().frameGeometry().topRight() + QPoint(1, 0);
    const QScreen* schirm = neben().screen();
    if (!schirm) return ziel;
    const QRect frei = schirm->availableGeometry();
    const QSize groesse = frameGeometry().size().expandedTo(minimumSizeHint());
    ziel.setX(std::max(frei.left(), std::min(ziel.x(), frei.right() + 1 - groesse.width())));
    ziel.setY(std::max(frei.top(), std::min(ziel.y(), frei.bottom() + 1 - groesse.height())));
    return ziel;
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
