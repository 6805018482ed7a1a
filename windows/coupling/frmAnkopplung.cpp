// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "coupling/frmAnkopplung.h"

#include <array>
#include <stdexcept>

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

#include "forms/accessibility.h"
#include "forms/key_rules.h"
#include "forms/unit_labels.h"
#include "forms/widget_texts.h"
#include "platform/qt_text.h"
#include "platform/window_print.h"
#include "presentation/coupling_results.h"
#include "text/catalog/coupling_texts.h"
#include "text/language.h"
#include "text/print_texts.h"
#include "text/start_values.h"
#include "text/window_texts.h"

namespace ringfeld {
namespace {

using keys::keyCode;
using keys::shiftState;

// Runs one step of a sequence that goes on whatever the step does.
template <typename Step>
void weiter(Step&& step) {
    try {
        step();
    } catch (...) {}
}

}  // namespace

frmAnkopplung::frmAnkopplung(DesignRecord& rec, DesktopServices& dienste)
    : QWidget(nullptr),
      rec_(rec),
      dienste_(dienste),
      ui_(setupFrmAnkopplung(*this)),
      start_{0, std::string(kStartVerhaeltnis)} {
    // The program ends with its main window, whatever this one shows.
    setAttribute(Qt::WA_QuitOnClose, false);

    // The site list keeps an editable text part, but only picking an entry changes it.
    if (QLineEdit* text = ui_.Combo1->lineEdit()) {
        text->setReadOnly(true);
        text->setContextMenuPolicy(Qt::NoContextMenu);
    }

    installKeyFilters();
    connectHandlers();
    exposeObjectNames(this);
    Form_Load();
}

frmAnkopplung::~frmAnkopplung() = default;

void frmAnkopplung::installKeyFilters() {
    ui_.Combo1->installEventFilter(this);
    if (ui_.Combo1->lineEdit()) ui_.Combo1->lineEdit()->installEventFilter(this);
    ui_.Text1->installEventFilter(this);
    // The diagram's labels are painted over the picture at every repaint.
    ui_.Picture1->installEventFilter(this);
}

void frmAnkopplung::connectHandlers() {
    connect(ui_.Combo1, &QComboBox::activated, this, [this](int) { Combo1_Click(); });
    connect(ui_.Combo1, &QComboBox::currentIndexChanged, this, &frmAnkopplung::EingabenGeaendert);
    connect(ui_.Text1, &QLineEdit::textChanged, this, &frmAnkopplung::EingabenGeaendert);
    connect(ui_.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(ui_.Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(ui_.Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            [this](QWindow* fenster) { FokusfensterGewechselt(fenster); });
}

std::string frmAnkopplung::dezimaltrenner() const { return str(QLocale::system().decimalPoint()); }

// ---------------------------------------------------------------- life cycle

void frmAnkopplung::Form_Load() {
    ui_.Label2->setText(QString());
    ui_.Label4->setText(QString());
    ui_.Command3->setEnabled(false);
}

void frmAnkopplung::Form_Activate() {
    // Step 7 lets queued events run; an activation among them is this one.
    if (inAktivierung_) return;
    inAktivierung_ = true;

    weiter([&] {
        if (ui_.Combo1->count() == 0) throw std::out_of_range("the site list is empty");
        ui_.Combo1->setCurrentIndex(start_.ort);
        Combo1_Click();
    });
    weiter([&] { ResonanzAnzeigen(); });
    weiter([&] { ui_.Text1->setText(qs(MitTrenner(start_.verhaeltnis, SpracheVon(rec_.Sprache)))); });
    weiter([&] { ui_.Label9->setVisible(false); });
    weiter([&] { Zusatzhinweis.clear(); });
    weiter([&] { DiagrammBeschriften(); });
    weiter([&] { dienste_.processEvents(); });

    inAktivierung_ = false;
}

KopplungsEingaben frmAnkopplung::Eingaben() const {
    if (!isVisible()) return start_;
    return {ui_.Combo1->currentIndex(), str(ui_.Text1->text())};
}

void frmAnkopplung::EingabenSetzen(const KopplungsEingaben& eingaben) {
    start_ = eingaben;
    if (start_.ort < -1 || start_.ort >= static_cast<int>(kOrtVerhaeltnisse.size())) start_.ort = -1;
    if (ui_.Combo1->count() > 0) ui_.Combo1->setCurrentIndex(start_.ort);
    ui_.Text1->setText(qs(MitTrenner(start_.verhaeltnis, SpracheVon(rec_.Sprache))));
}

void frmAnkopplung::SpracheLeeren() {
    sprachEintrag_ = ui_.Combo1->currentIndex();
    ListeLeeren(ui_.Combo1);
    ListenText(*ui_.Combo1, QString());
    ui_.Label11->setText(QString());
}

void frmAnkopplung::SpracheAnwenden() {
    const Language lang = SpracheVon(rec_.Sprache);
    if (lang == Language::None) return;
    for (const SprachText& row : SprachTexte())
        if (row.window == TextWindow::Coupling) TextAnwenden(row, lang, *this);
    EinheitenBeschriften(*this, rec_.Einheiten, lang);
    WiederWaehlen(ui_.Combo1, sprachEintrag_);
    titel_ = windowTitle();
    VeraltetZeigen();
}

void frmAnkopplung::AusLetzterRechnung(bool veraltet) {
    veraltet_ = veraltet;
    VeraltetZeigen();
}

void frmAnkopplung::VeraltetZeigen() {
    const Language lang = SpracheVon(rec_.Sprache);
    if (titel_.isEmpty()) titel_ = windowTitle();
    const QString hinweis = veraltet_ ? qs(texte::kAusLetzterRechnungHinweis, lang) : QString();
    for (QLabel* ergebnis : {ui_.Label2, ui_.Label4, ui_.Label11, ui_.Label12}) {
        ergebnis->setEnabled(!veraltet_);
        ergebnis->setToolTip(hinweis);
    }
    setWindowTitle(veraltet_ ? titel_ + QStringLiteral(" – ") + qs(texte::kAusLetzterRechnung, lang) : titel_);
}

void frmAnkopplung::Aktivieren() {
    zuletztAktiv_ = windowHandle();
    Form_Activate();
}

void frmAnkopplung::NeueLoop() {
    ui_.Label2->setText(QString());
    ui_.Label4->setText(QString());
    ui_.Command3->setEnabled(false);
    Form_Activate();
}

void frmAnkopplung::FokusfensterGewechselt(QWindow* fenster) {
    // No window of the program has the focus: another application has it.
    if (!fenster) return;
    // Message boxes, dialogs and popups come and go over a window without
    // taking its place.
    if (fenster->type() != Qt::Window) return;
    const QWindow* vorher = zuletztAktiv_;
    zuletztAktiv_ = fenster;
    if (fenster == windowHandle() && vorher != fenster) Form_Activate();
}

void frmAnkopplung::Form_QueryUnload(bool& Cancel, int UnloadMode) {
    if (UnloadMode != vbFormControlMenu) return;
    Cancel = true;
    ui_.Label2->setText(QString());
    ui_.Label4->setText(QString());
    ui_.Command3->setEnabled(false);
    hide();
}

void frmAnkopplung::closeEvent(QCloseEvent* event) {
    // The window system's close (close box, window menu) arrives as a
    // spontaneous event; close() from the program does not.
    bool Cancel = false;
    Form_QueryUnload(Cancel, event->spontaneous() ? vbFormControlMenu : vbFormCode);
    if (Cancel)
        event->ignore();
    else
        event->accept();
}

// ---------------------------------------------------------------- resonance and diagram

void frmAnkopplung::ResonanzAnzeigen() {
    const auto anzeige = ResonanzwiderstandAnzeigen(rec_, dezimaltrenner());
    if (!anzeige) return;  // no loop calculated yet: the labels keep what they show
    ui_.Label11->setText(qs(anzeige->wert));
    ui_.Label12->setText(qs(anzeige->einheit));
}

void frmAnkopplung::DiagrammBeschriften() {
    const Language lang = SpracheVon(rec_.Sprache);
    if (lang == Language::None) return;  // nothing drawn, Label3 as it was
    // The picture is shown afresh under the labels of this language only: no
    // remnant of another language's longer label stays beside a shorter one.
    const auto texte = DiagrammTexte(lang);
    diagramm_.assign(texte.begin(), texte.end());
    ui_.Picture1->update();
    ui_.Label3->setText(qs(KontaktlaengeBegriff(lang)));
}

void frmAnkopplung::DiagrammMalen() {
    QLabel* flaeche = ui_.Picture1;
    QPainter maler(flaeche);
    maler.setFont(flaeche->font());
    maler.setPen(flaeche->palette().color(flaeche->foregroundRole()));
    const qreal oberkante = QFontMetricsF(flaeche->font(), flaeche).ascent();
    for (const DiagrammText& t : diagramm_) maler.drawText(QPointF(t.x, t.y + oberkante), qs(t.text));
}

// ---------------------------------------------------------------- site list and ratio

void frmAnkopplung::Combo1_Click() {
    const int index = ui_.Combo1->currentIndex();
    if (index < 0 || index >= static_cast<int>(kOrtVerhaeltnisse.size())) return;
    // The site's ratio with the language's separator, as every text written into a field.
    ui_.Text1->setText(
        qs(MitTrenner(std::string(kOrtVerhaeltnisse[static_cast<std::size_t>(index)]), SpracheVon(rec_.Sprache))));
}

void frmAnkopplung::Combo1_KeyDown(int& KeyCode, int& Shift) { keys::PfeilFilter(KeyCode, Shift); }

void frmAnkopplung::Combo1_KeyPress(int& KeyAscii) { KeyAscii = 0; }

void frmAnkopplung::Text1_KeyPress(int& KeyAscii) { keys::ZifferFilter(KeyAscii); }

bool frmAnkopplung::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.Picture1) {
        if (event->type() != QEvent::Paint) return false;
        // The label paints its picture first; the diagram's labels go over it.
        static_cast<QObject*>(ui_.Picture1)->event(event);
        DiagrammMalen();
        return true;
    }

    const bool liste = watched == ui_.Combo1 || (ui_.Combo1->lineEdit() && watched == ui_.Combo1->lineEdit());
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (liste) return keyPressOnList(*key);
            if (watched == ui_.Text1) return keyPressOnField(*key);
            return false;
        }
        case QEvent::InputMethod: {
            // Text from an input method counts as typed.
            const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
            for (QChar c : commit) {
                int KeyAscii = c.unicode();
                if (liste)
                    Combo1_KeyPress(KeyAscii);
                else if (watched == ui_.Text1)
                    Text1_KeyPress(KeyAscii);
                if (KeyAscii == 0) return true;
            }
            return false;
        }
        default: return QWidget::eventFilter(watched, event);
    }
}

bool frmAnkopplung::keyPressOnList(QKeyEvent& key) {
    // Moving the focus is the window's business, not the list's.
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return false;
    int KeyCode = keyCode(key);
    int Shift = shiftState(key.modifiers());
    Combo1_KeyDown(KeyCode, Shift);
    if (KeyCode == 0) return true;
    for (QChar c : key.text()) {
        int KeyAscii = c.unicode();
        Combo1_KeyPress(KeyAscii);
        if (KeyAscii == 0) return true;
    }
    return false;
}

bool frmAnkopplung::keyPressOnField(QKeyEvent& key) {
    // Moving the focus and keys that type no character are not filtered.
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Delete) return false;
    for (QChar c : key.text()) {
        int KeyAscii = c.unicode();
        Text1_KeyPress(KeyAscii);
        if (KeyAscii == 0) return true;  // discarded: nothing is inserted
    }
    return false;
}

// ---------------------------------------------------------------- commands

void frmAnkopplung::Command1_Click() {
    const AnkopplungAusgang aus = AnkopplungRechnen(str(ui_.Text1->text()), rec_, dezimaltrenner());
    if (aus.label2) ui_.Label2->setText(qs(*aus.label2));
    if (aus.zusatzhinweis) Zusatzhinweis = *aus.zusatzhinweis;
    if (aus.label4) ui_.Label4->setText(qs(*aus.label4));
    if (aus.druckFreigeben) ui_.Command3->setEnabled(true);
    if (aus.meldung) dienste_.messageBox(*aus.meldung);
    if (aus.hinweisZeigen) Command2_Click();
}

void frmAnkopplung::Command2_Click() { dienste_.messageBox(HinweisMeldung(rec_, Zusatzhinweis)); }

void frmAnkopplung::Command3_Click() {
    const DruckTexte texte = DruckTexteFuer(DruckFenster::Coupling, rec_);
    // The paper shows the window with the heading in place of the buttons.
    FensterDrucken(dienste_, *this, {ui_.Command1, ui_.Command2, ui_.Command3},
                   DruckKopf{*ui_.Label9, texte.kopf, texte.danach, false}, texte.meldung);
}

}  // namespace ringfeld
