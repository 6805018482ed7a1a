// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "main/frmMain.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "forms/accessibility.h"
#include "forms/key_rules.h"
#include "forms/unit_labels.h"
#include "main/sprache_anwenden.h"
#include "platform/qt_text.h"
#include "platform/window_print.h"
#include "presentation/loop_rechnen.h"
#include "text/catalog/main_texts.h"
#include "text/catalog/units_texts.h"
#include "text/input_rules.h"
#include "text/interface_titles.h"
#include "text/language.h"
#include "text/length_texts.h"
#include "text/length_units.h"
#include "text/list_texts.h"
#include "text/loop_field_units.h"
#include "text/print_texts.h"
#include "text/start_values.h"
#include "text/tube_sizes.h"
#include "text/window_texts.h"

namespace ringfeld {
namespace {

using keys::keyCode;
using keys::shiftState;

// How long a field another window changed stays marked, and its mark.
constexpr int kMarkiertMs = 2000;
const QColor kMarkiert(255, 236, 150);

// Texts the window starts with, Text1 to Text9.
QLabel* findeLabel(QWidget& window, std::string_view name) {
    auto* label = window.findChild<QLabel*>(qs(name));
    if (!label) throw std::runtime_error("control " + std::string(name) + " is missing from the main window");
    return label;
}

// The file a drag carries: its first URL, when that is a local file.
QString gezogeneDatei(const QMimeData* daten) {
    if (!daten || !daten->hasUrls() || daten->urls().isEmpty()) return {};
    const QUrl url = daten->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

frmMain::frmMain(DesignRecord& rec, DesktopServices& dienste, MainWindowHost& programm, QWidget* parent)
    : QMainWindow(parent), rec_(rec), dienste_(dienste), programm_(programm), ui_(setupFrmMain(*this)) {
    for (std::size_t i = 0; i < kResultLabelCount; ++i) results_[i] = findeLabel(*this, kResultLabelNames[i]);
    filtered_ = {ui_.Text1, ui_.Text2, ui_.Text3, ui_.Text4, ui_.Text5, ui_.Text6, ui_.Text7, ui_.Text8};

    // The lists keep an editable text part, but only picking an entry changes it.
    for (QComboBox* list : {ui_.Combo1, ui_.Combo2}) {
        if (QLineEdit* text = list->lineEdit()) {
            text->setReadOnly(true);
            text->setContextMenuPolicy(Qt::NoContextMenu);
        }
    }

    EinheitenMenueBauen();
    // At the end of the conductor field, which gives up that much of its width.
    constexpr int kRohrKnopf = 16;
    rohre_ = new QToolButton(ui_.Text3->parentWidget());
    rohre_->setObjectName(QStringLiteral("cmdRohre"));
    ui_.Text3->resize(ui_.Text3->width() - kRohrKnopf - 1, ui_.Text3->height());
    rohre_->setGeometry(ui_.Text3->x() + ui_.Text3->width() + 1, ui_.Text3->y(), kRohrKnopf, ui_.Text3->height());
    rohre_->setPopupMode(QToolButton::InstantPopup);
    rohre_->setArrowType(Qt::DownArrow);
    rohre_->setMenu(new QMenu(rohre_));
    rohre_->menu()->setObjectName(QStringLiteral("mnuRohre"));
    installKeyFilters();
    connectHandlers();
    exposeObjectNames(this);
    // A design file dropped anywhere on the window opens; the fields take no file names.
    setAcceptDrops(true);
}

frmMain::~frmMain() = default;

void frmMain::installKeyFilters() {
    for (QLineEdit* field : filtered_) field->installEventFilter(this);
    ui_.Text9->installEventFilter(this);  // only for the menu shortcuts
    for (QComboBox* list : {ui_.Combo1, ui_.Combo2}) {
        list->installEventFilter(this);
        if (list->lineEdit()) list->lineEdit()->installEventFilter(this);
    }
}

void frmMain::EinheitenMenueBauen() {
    // One entry per unit system of the registry, after the language submenu.
    auto* menue = new QMenu(ui_.mnuOpt);
    menue->setObjectName(qs(kUnitsMenu));
    ui_.mnuOpt->addMenu(menue);
    for (const UnitSystem& system : kUnitSystems) {
        auto* entry = menue->addAction(QString());
        entry->setObjectName(qs(system.menu));
        entry->setCheckable(true);
        const Units units = system.units;
        connect(entry, &QAction::triggered, this, [this, units] { EinheitenWaehlen(units); });
    }
}

void frmMain::EinheitenBeschriften() {
    const Language lang = SpracheVon(rec_.Sprache);
    const Language shown = lang == Language::None ? kStandardSprache : lang;
    if (auto* menue = findChild<QMenu*>(qs(kUnitsMenu))) menue->setTitle(qs(kUnitsMenuCaption.in(shown)));
    for (const UnitSystem& system : kUnitSystems)
        if (auto* entry = findChild<QAction*>(qs(system.menu))) {
            entry->setText(qs(system.caption.in(shown)));
            entry->setChecked(system.units == rec_.Einheiten);
        }
    ::ringfeld::EinheitenBeschriften(*this, rec_.Einheiten, shown);
    RohrlisteFuellen();
}

void frmMain::RohrlisteFuellen() {
    const Language lang = SpracheVon(rec_.Sprache);
    const Language shown = lang == Language::None ? kStandardSprache : lang;
    rohre_->setToolTip(qs(texte::kRohrListe.in(shown)));
    QMenu* menue = rohre_->menu();
    menue->clear();
    const std::string sep = feldTrenner();
    const QString einheit = qs(UnitCaption(LengthQuantity::Conductor, rec_.Einheiten, shown));
    int breite = 0;  // a section's heading does not widen a menu on its own
    for (const TubeSeriesName& reihe : kTubeSeries) {
        menue->addSection(qs(reihe.name.in(shown)));
        breite = std::max(breite, menue->fontMetrics().horizontalAdvance(qs(reihe.name.in(shown))));
        for (std::size_t i = 0; i < kTubeSizes.size(); ++i) {
            const TubeSize& rohr = kTubeSizes[i];
            if (rohr.series != reihe.series) continue;
            const std::string text = LengthText(rohr.outsideMm, LengthQuantity::Conductor, rec_.Einheiten, sep);
            QAction* eintrag = menue->addAction(qs(rohr.name) + QStringLiteral("  –  ") + qs(text) + ' ' + einheit);
            eintrag->setObjectName(QStringLiteral("mnuRohr%1").arg(i + 1));
            connect(eintrag, &QAction::triggered, this, [this, text] { ui_.Text3->setText(qs(text)); });
        }
    }
    menue->setMinimumWidth(breite + 2 * menue->fontMetrics().averageCharWidth() * 2);
}

bool frmMain::istLaengenfeld(const QObject* watched) const {
    if (rec_.Einheiten == Units::Metric) return false;
    for (const LoopLengthField& f : kLoopLengthFields)
        if (watched->objectName() == qs(f.field)) return true;
    return false;
}

void frmMain::connectHandlers() {
    connect(ui_.Combo1, &QComboBox::activated, this, [this](int) { Combo1_Click(); });
    connect(ui_.Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
    connect(ui_.Text4, &QLineEdit::textChanged, this, [this] { Text4_Change(); });
    for (QLineEdit* field :
         {ui_.Text1, ui_.Text2, ui_.Text3, ui_.Text4, ui_.Text5, ui_.Text6, ui_.Text7, ui_.Text8, ui_.Text9})
        connect(field, &QLineEdit::textChanged, this, [this] { eingabeBearbeitet(); });
    for (QComboBox* list : {ui_.Combo1, ui_.Combo2})
        connect(list, &QComboBox::currentTextChanged, this, [this] { eingabeBearbeitet(); });

    connect(ui_.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(ui_.Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(ui_.Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });

    connect(ui_.mnuAktRechnen, &QAction::triggered, this, [this] { mnuAktRechnen_Click(); });
    connect(ui_.mnuAktAnkopplung, &QAction::triggered, this, [this] { mnuAktAnkopplung_Click(); });
    connect(ui_.mnuAktAbstimmbereich, &QAction::triggered, this, [this] { mnuAktAbstimmbereich_Click(); });
    // The commands of the File menu and the two further windows: each is the program's.
    auto befehl = [this](QAction* entry, void (MainWindowHost::*schritt)()) {
        connect(entry, &QAction::triggered, this, [this, schritt] { (programm_.*schritt)(); });
    };
    befehl(ui_.mnuDateiNeu, &MainWindowHost::DateiNeu);
    befehl(ui_.mnuDateiOeffnen, &MainWindowHost::DateiOeffnen);
    befehl(ui_.mnuDateiSpeichern, &MainWindowHost::DateiSpeichern);
    befehl(ui_.mnuDateiSpeichernUnter, &MainWindowHost::DateiSpeichernUnter);
    befehl(ui_.mnuDateiEigenschaften, &MainWindowHost::DateiEigenschaften);
    befehl(ui_.mnuAktFinder, &MainWindowHost::FinderZeigen);
    befehl(ui_.mnuAktSicherheit, &MainWindowHost::SicherheitZeigen);
    befehl(ui_.mnuAktMessung, &MainWindowHost::MessungZeigen);
    connect(ui_.mnuDruck, &QAction::triggered, this, [this] { mnuDruck_Click(); });
    connect(ui_.mnuAktEnde, &QAction::triggered, this, [this] { mnuAktEnde_Click(); });
    connect(ui_.mnuQuesHelp, &QAction::triggered, this, [this] { mnuQuesHelp_Click(); });
    connect(ui_.mnuQuesInfo, &QAction::triggered, this, [this] { mnuQuesInfo_Click(); });

    // A check mark is only ever moved by the language routine: undo the toggle
    // that a click on a checkable entry makes on its own.
    auto sprache = [this](QAction* entry, void (frmMain::*handler)()) {
        connect(entry, &QAction::triggered, this, [this, entry, handler] {
            entry->setChecked(!entry->isChecked());
            (this->*handler)();
        });
    };
    sprache(ui_.mnuDeutsch, &frmMain::mnuDeutsch_Click);
    sprache(ui_.mnuFranzösisch, &frmMain::mnuFranzösisch_Click);
    sprache(ui_.mnuEnglisch, &frmMain::mnuEnglisch_Click);
}

// The result labels keep the locale's separator; whatever the program writes into a
// field has the language's, as do the tool windows.
std::string frmMain::dezimaltrenner() const { return str(QLocale::system().decimalPoint()); }
std::string frmMain::feldTrenner() const { return std::string(Dezimaltrenner(SpracheVon(rec_.Sprache))); }

// ---------------------------------------------------------------- life cycle

void frmMain::Form_Load() {
    // A stored language, valid or not, wins over the desktop's.
    rec_.Sprache = dienste_.readSetting(kSettingsSection, kSettingsKey, SprachCodeFuerLocale(dienste_.desktopLocale()));
    // Metric unless a known other system is stored.
    const UnitSystem* einheiten =
        UnitSystemNamed(dienste_.readSetting(kSettingsSection, kUnitsSettingsKey, UnitSystemOf(kDefaultUnits).word));
    rec_.Einheiten = einheiten ? einheiten->units : kDefaultUnits;
    SpracheAnwenden();

    // The start values are metric; in other units they are shown converted.
    const LoopEingaben start = InputsIn(kStartEingaben, rec_.Einheiten, feldTrenner());
    for (const auto& [feld, text] : {std::pair{ui_.Text1, &LoopEingaben::Text1},
                                     {ui_.Text2, &LoopEingaben::Text2},
                                     {ui_.Text3, &LoopEingaben::Text3},
                                     {ui_.Text4, &LoopEingaben::Text4},
                                     {ui_.Text5, &LoopEingaben::Text5},
                                     {ui_.Text6, &LoopEingaben::Text6},
                                     {ui_.Text7, &LoopEingaben::Text7},
                                     {ui_.Text8, &LoopEingaben::Text8},
                                     {ui_.Text9, &LoopEingaben::Text9}})
        feld->setText(qs(MitTrenner(start.*text, SpracheVon(rec_.Sprache))));

    resultLabel(ResultLabel::lbLamda)->setText(QString());
    ui_.Command2->setEnabled(false);
    ui_.Command3->setEnabled(false);
    ui_.Text8->setEnabled(false);
    ui_.Text8->setVisible(false);
    ui_.Label36->setVisible(false);
    ui_.Label37->setVisible(false);
    ErgebnisseLoeschen();
    // The start values are no edit: there is nothing calculated to be stale.
    VeraltetZeigen(false);
}

void frmMain::Form_Unload(bool& cancel) {
    if (!programm_.SchliessenErlaubt()) {
        cancel = true;
        return;
    }
    // A settings store that cannot be written must not keep the program open.
    try {
        dienste_.writeSetting(kSettingsSection, kSettingsKey, rec_.Sprache);
        dienste_.writeSetting(kSettingsSection, kUnitsSettingsKey, std::string(UnitSystemOf(rec_.Einheiten).word));
    } catch (...) {}
    // The other windows, newest first; the coupling window really closes here.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (qsizetype i = windows.size(); i-- > 0;) {
        QWidget* w = windows[i];
        if (w == this) continue;
        const Qt::WindowType type = w->windowType();
        if (type != Qt::Window && type != Qt::Dialog) continue;
        try {
            w->close();
        } catch (...) {}
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void frmMain::SpracheAnwenden() {
    // The lists' entries change their language, not the loop; the labels' own tooltips too.
    if (veraltet_) VeraltetMarkieren(false);
    ohneVeraltet_ = true;
    ringfeld::SpracheAnwenden(
        *this, rec_, [this] { programm_.AndereFensterLeeren(); }, [this] { programm_.AndereFensterAnwenden(); });
    EinheitenBeschriften();
    ohneVeraltet_ = false;
    if (!dokument_.isEmpty()) TitelZeigen();
    if (veraltet_) VeraltetMarkieren(true);
}

// ---------------------------------------------------------------- design files

void frmMain::DokumentZeigen(const std::string& name) {
    dokument_ = qs(name);
    if (dokument_.isEmpty()) setWindowModified(false);
    TitelZeigen();
}

void frmMain::TitelZeigen() {
    const QString titel = qs(kCallsignPrefix) + qs(rec_.ProgrammTitel);
    // A "[*]" of the name itself is doubled, which Qt shows as it is.
    QString name = dokument_;
    name.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    setWindowTitle(dokument_.isEmpty() ? titel : name + QStringLiteral("[*] – ") + titel);
}

void frmMain::ZuletztZeigen(const std::vector<std::string>& dateien) {
    QMenu* menue = ui_.mnuDateiZuletzt;
    menue->clear();
    QStringList namen;
    for (const std::string& datei : dateien) namen << QFileInfo(qs(datei)).fileName();
    for (std::size_t i = 0; i < dateien.size(); ++i) {
        const QString pfad = qs(dateien[i]);
        const QFileInfo info(pfad);
        QString name = info.fileName();
        // Two files of one name tell their folders apart.
        if (namen.count(name) > 1) name += QStringLiteral(" (%1)").arg(QDir::toNativeSeparators(info.absolutePath()));
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* eintrag = menue->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        eintrag->setObjectName(QStringLiteral("mnuDateiZuletzt%1").arg(i + 1));
        eintrag->setToolTip(pfad);
        eintrag->setStatusTip(pfad);
        const std::string& datei = dateien[i];  // the lambda keeps its own copy
        connect(eintrag, &QAction::triggered, this, [this, datei] { programm_.DateiOeffnen(datei); });
    }
    menue->setToolTipsVisible(true);
    menue->setEnabled(!dateien.empty());
}

bool frmMain::dateiGezogen(QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* zug = static_cast<QDragMoveEvent*>(event);
            if (gezogeneDatei(zug->mimeData()).isEmpty()) return false;
            zug->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* fallen = static_cast<QDropEvent*>(event);
            const QString datei = gezogeneDatei(fallen->mimeData());
            if (datei.isEmpty()) return false;
            fallen->acceptProposedAction();
            programm_.DateiOeffnen(str(datei));
            return true;
        }
        default: return false;
    }
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!dateiGezogen(event)) QMainWindow::dragEnterEvent(event);
}

void frmMain::dropEvent(QDropEvent* event) {
    if (!dateiGezogen(event)) QMainWindow::dropEvent(event);
}

// ---------------------------------------------------------------- calculation

LoopEingaben frmMain::Eingaben() const {
    return LoopEingaben{str(ui_.Text1->text()),         str(ui_.Text2->text()),        str(ui_.Text3->text()),
                        str(ui_.Text4->text()),         str(ui_.Text5->text()),        str(ui_.Text6->text()),
                        str(ui_.Text7->text()),         str(ui_.Text8->text()),        str(ui_.Text9->text()),
                        str(ui_.Combo1->currentText()), str(ui_.Combo2->currentText())};
}

void frmMain::EingabenSetzen(const LoopEingaben& e) {
    const Form form = FormVon(e.Combo1);
    ui_.Combo1->setCurrentIndex(static_cast<int>(form));  // the list has the shape table's order
    const auto material = MaterialVon(e.Combo2);
    int eintrag = 0;
    for (std::size_t i = 0; i < kMaterialListe.size(); ++i)
        if (material && kMaterialListe[i].material == *material) eintrag = static_cast<int>(i);
    ui_.Combo2->setCurrentIndex(eintrag);
    const Language lang = SpracheVon(rec_.Sprache);
    // The preset shape's caption is the table's, with its access key; the others are the shape switch's.
    if (lang != Language::None)
        ui_.Label1->setText(qs(form == kFormListe.front().form ? Beschriftung(TextWindow::Main, "Label1", lang)
                                                               : FormTexte(form).beschriftung.in(lang)));
    QLineEdit* const felder[] = {ui_.Text1, ui_.Text2, ui_.Text3, ui_.Text4,
                                 ui_.Text5, ui_.Text6, ui_.Text7, ui_.Text9};
    const std::string* const texte[] = {&e.Text1, &e.Text2, &e.Text3, &e.Text4, &e.Text5, &e.Text6, &e.Text7, &e.Text9};
    // A number given with the other separator is written with the language's.
    for (std::size_t i = 0; i < std::size(felder); ++i) felder[i]->setText(qs(MitTrenner(*texte[i], lang)));
    // The rules of the conductor and turns fields have shown or hidden the coil
    // length and may have raised it; the design's own length comes last.
    ui_.Text8->setText(qs(MitTrenner(e.Text8, lang)));
}

LoopEingaben frmMain::MetrischeEingaben() const { return MetricInputs(Eingaben(), rec_.Einheiten); }

void frmMain::MetrischeEingabenSetzen(const LoopEingaben& metrisch) {
    EingabenSetzen(InputsIn(metrisch, rec_.Einheiten, feldTrenner()));
}

void frmMain::AenderungenZeigen(const LoopEingaben& vorher) {
    const LoopEingaben jetzt = Eingaben();
    const std::pair<std::string LoopEingaben::*, QWidget*> felder[] = {
        {&LoopEingaben::Text1, ui_.Text1},   {&LoopEingaben::Text2, ui_.Text2},  {&LoopEingaben::Text3, ui_.Text3},
        {&LoopEingaben::Text4, ui_.Text4},   {&LoopEingaben::Text5, ui_.Text5},  {&LoopEingaben::Text6, ui_.Text6},
        {&LoopEingaben::Text7, ui_.Text7},   {&LoopEingaben::Text8, ui_.Text8},  {&LoopEingaben::Text9, ui_.Text9},
        {&LoopEingaben::Combo1, ui_.Combo1}, {&LoopEingaben::Combo2, ui_.Combo2}};
    for (const auto& [text, feld] : felder) {
        if (jetzt.*text == vorher.*text) continue;
        QPalette markiert = feld->palette();
        const QPalette eigene = markiert;
        markiert.setColor(QPalette::Base, kMarkiert);    // a field
        markiert.setColor(QPalette::Button, kMarkiert);  // a list
        feld->setPalette(markiert);
        QTimer::singleShot(kMarkiertMs, feld, [w = feld, eigene] { w->setPalette(eigene); });
    }
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

void frmMain::LoopRechnen() {
    const LoopAusgang aus = ::ringfeld::LoopRechnen(MetrischeEingaben(), rec_, dezimaltrenner());

    VeraltetZeigen(false);  // whatever it shows now belongs to the fields as they are
    if (aus.spulenlaengeSichtbar) SpulenfeldZeigen(*aus.spulenlaengeSichtbar);
    if (aus.ergebnisseLoeschen) ErgebnisseLoeschen();
    for (std::size_t i = 0; i < kResultLabelCount; ++i)
        if (const auto& text = aus.darstellung.texte[i]) results_[i]->setText(qs(*text));
    if (aus.darstellung.tooltipC) resultLabel(ResultLabel::lbC)->setToolTip(qs(*aus.darstellung.tooltipC));
    if (aus.beep) dienste_.beep();
    if (aus.meldung) dienste_.messageBox(*aus.meldung);
    if (aus.ankopplungFreigeben) ui_.Command2->setEnabled(true);
    // A coupling window left open must not go on with the last loop's values.
    programm_.AnkopplungNeueLoop();
    emit EingabenGeaendert();
}

void frmMain::ErgebnisseLoeschen() {
    for (ResultLabel label : kErgebnisseLoeschenLabels) resultLabel(label)->setText(QString());
    ui_.Command2->setEnabled(false);
}

void frmMain::eingabeBearbeitet() {
    if (!ohneVeraltet_ && !veraltet_ &&
        std::any_of(results_.begin(), results_.end(), [](const QLabel* l) { return !l->text().isEmpty(); }))
        VeraltetZeigen(true);
    emit EingabenGeaendert();
}

void frmMain::VeraltetZeigen(bool veraltet) {
    if (veraltet == veraltet_) return;
    VeraltetMarkieren(veraltet);
    veraltet_ = veraltet;
    programm_.ErgebnisseVeraltet(veraltet);
}

void frmMain::VeraltetMarkieren(bool an) {
    const QString hinweis = qs(texte::kErgebnisseVeraltet, SpracheVon(rec_.Sprache));
    for (std::size_t i = 0; i < results_.size(); ++i) {
        QLabel* label = results_[i];
        if (an) {
            eigeneTooltips_[i] = label->toolTip();
            label->setToolTip(eigeneTooltips_[i].isEmpty() ? hinweis : eigeneTooltips_[i] + '\n' + hinweis);
        } else {
            label->setToolTip(eigeneTooltips_[i]);
        }
        label->setEnabled(!an);
    }
    if (an)
        statusBar()->showMessage(hinweis);
    else
        statusBar()->clearMessage();
}

// ---------------------------------------------------------------- input fields

void frmMain::Ziffernfeld_KeyPress(int& KeyAscii) { keys::ZifferFilter(KeyAscii); }

void frmMain::Combo1_KeyDown(int& KeyCode, int& Shift) { keys::PfeilFilter(KeyCode, Shift); }
void frmMain::Combo2_KeyDown(int& KeyCode, int& Shift) { keys::PfeilFilter(KeyCode, Shift); }
void frmMain::Combo1_KeyPress(int& KeyAscii) { KeyAscii = 0; }
void frmMain::Combo2_KeyPress(int& KeyAscii) { KeyAscii = 0; }

void frmMain::Combo1_Click() {
    const auto folge =
        FormWechsel(str(ui_.Text2->text()), str(ui_.Combo1->currentText()), feldTrenner(), rec_.Einheiten);
    if (!folge) return;  // circumference out of range: the size stays
    rec_.Umfang = folge->umfang;
    if (folge->label1) ui_.Label1->setText(qs(*folge->label1));
    if (folge->text1) ui_.Text1->setText(qs(*folge->text1));
}

void frmMain::Text1_KeyUp() {
    if (auto folge = UmfangAusDurchmesser(str(ui_.Text1->text()), str(ui_.Combo1->currentText()), feldTrenner(),
                                          rec_.Einheiten)) {
        rec_.Umfang = folge->umfang;
        ui_.Text2->setText(qs(folge->text));
    }
    ui_.Command2->setEnabled(false);
}

void frmMain::Text2_KeyUp() {
    if (auto folge = DurchmesserAusUmfang(str(ui_.Text2->text()), str(ui_.Combo1->currentText()), feldTrenner(),
                                          rec_.Einheiten)) {
        rec_.Umfang = folge->umfang;
        ui_.Text1->setText(qs(folge->text));
    }
    ui_.Command2->setEnabled(false);
}

void frmMain::SpulenfeldZeigen(bool sichtbar) {
    ui_.Text8->setVisible(sichtbar);
    ui_.Label36->setVisible(sichtbar);
    ui_.Label37->setVisible(sichtbar);
    ui_.Text8->setEnabled(sichtbar);
}

void frmMain::Text3_Change() {
    if (umstellen_) return;
    const auto folge = SpulenlaengeNachLeiter(str(ui_.Text8->text()), str(ui_.Text3->text()), str(ui_.Text4->text()),
                                              feldTrenner(), rec_.Einheiten);
    if (!folge) return;
    SpulenfeldZeigen(folge->sichtbar);
    if (folge->text8) ui_.Text8->setText(qs(*folge->text8));
}

void frmMain::Text4_Change() {
    ui_.Command2->setEnabled(false);
    const auto folge = SpulenlaengeNachWindungen(str(ui_.Text8->text()), str(ui_.Text3->text()), str(ui_.Text4->text()),
                                                 feldTrenner(), rec_.Einheiten);
    if (!folge) return;
    SpulenfeldZeigen(folge->sichtbar);
    if (folge->text8) ui_.Text8->setText(qs(*folge->text8));
}

// ---------------------------------------------------------------- key events

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            // A file dropped on a field opens; its name does not become the field's text.
            return dateiGezogen(event) || QMainWindow::eventFilter(watched, event);
        case QEvent::ShortcutOverride: {
            // A field would keep Ctrl+A, Ctrl+X and the like for itself; the
            // menu's shortcuts come first wherever the focus is, except that
            // cutting selected text cuts it (Ctrl+X ends the program otherwise).
            auto* key = static_cast<QKeyEvent*>(event);
            if (cutsSelection(watched, *key)) return false;
            const QKeySequence pressed(key->keyCombination());
            const auto actions = findChildren<QAction*>();
            for (QAction* action : actions)
                if (!action->shortcut().isEmpty() && action->shortcut().matches(pressed) == QKeySequence::ExactMatch)
                    return true;  // not overridden: the shortcut runs
            return false;
        }
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (watched == ui_.Combo1 || watched == ui_.Combo2 ||
                (ui_.Combo1->lineEdit() && watched == ui_.Combo1->lineEdit()) ||
                (ui_.Combo2->lineEdit() && watched == ui_.Combo2->lineEdit()))
                return keyPressOnList(watched, *key);
            return keyPressOnField(watched, *key);
        }
        case QEvent::KeyRelease: {
            // Only a key that edited the field: releasing a menu key (Ctrl+T) there changes nothing.
            auto* field = qobject_cast<QLineEdit*>(watched);
            if (!field || !field->isModified()) return false;
            field->setModified(false);
            if (watched == ui_.Text1)
                Text1_KeyUp();
            else if (watched == ui_.Text2)
                Text2_KeyUp();
            return false;
        }
        case QEvent::InputMethod: {
            // Text from an input method counts as typed.
            const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
            if (commit.isEmpty()) return false;
            if (watched == ui_.Text9) return false;
            for (QChar c : commit) {
                int KeyAscii = c.unicode();
                if (istLaengenfeld(watched))
                    keys::LaengenFilter(KeyAscii);
                else if (std::find(filtered_.begin(), filtered_.end(), watched) != filtered_.end())
                    keys::ZifferFilter(KeyAscii);
                else
                    KeyAscii = 0;  // a list
                if (KeyAscii == 0) return true;
            }
            return false;
        }
        default: return QMainWindow::eventFilter(watched, event);
    }
}

bool frmMain::cutsSelection(QObject* watched, const QKeyEvent& key) {
    const auto* field = qobject_cast<QLineEdit*>(watched);
    return field && key.matches(QKeySequence::Cut) && field->hasSelectedText() && !field->isReadOnly();
}

bool frmMain::keyPressOnField(QObject* watched, QKeyEvent& key) {
    const auto at = std::find(filtered_.begin(), filtered_.end(), watched);
    if (at == filtered_.end()) return false;  // Text9 takes every character
    if (cutsSelection(watched, key)) return false;
    // Moving the focus and keys that type no character are not filtered.
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Delete) return false;
    const QString text = key.text();
    if (text.isEmpty()) return false;

    for (QChar c : text) {
        int KeyAscii = c.unicode();
        if (istLaengenfeld(watched))
            keys::LaengenFilter(KeyAscii);
        else
            Ziffernfeld_KeyPress(KeyAscii);
        if (KeyAscii == 0) return true;  // discarded: nothing is inserted
    }
    return false;
}

bool frmMain::keyPressOnList(QObject* watched, QKeyEvent& key) {
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return false;
    const bool first = watched == ui_.Combo1 || watched == ui_.Combo1->lineEdit();
    int KeyCode = keyCode(key);
    int Shift = shiftState(key.modifiers());
    if (first)
        Combo1_KeyDown(KeyCode, Shift);
    else
        Combo2_KeyDown(KeyCode, Shift);
    if (KeyCode == 0) return true;

    for (QChar c : key.text()) {
        int KeyAscii = c.unicode();
        if (first)
            Combo1_KeyPress(KeyAscii);
        else
            Combo2_KeyPress(KeyAscii);
        if (KeyAscii == 0) return true;
    }
    return false;
}

// ---------------------------------------------------------------- commands

void frmMain::Command1_Click() {
    LoopRechnen();
    ui_.Command3->setEnabled(true);
}

void frmMain::mnuAktRechnen_Click() { LoopRechnen(); }

void frmMain::Command2_Click() { programm_.AnkopplungZeigen(); }

void frmMain::mnuAktAnkopplung_Click() { programm_.AnkopplungZeigen(); }

void frmMain::mnuAktAbstimmbereich_Click() { programm_.AbstimmbereichZeigen(); }

void frmMain::Command3_Click() {
    const DruckTexte texte = DruckTexteFuer(DruckFenster::Main, rec_);
    // The paper shows the inputs and results with the heading in place of the buttons.
    FensterDrucken(dienste_, *centralWidget(), {ui_.Command1, ui_.Command2, ui_.Command3},
                   DruckKopf{*ui_.Label34, texte.kopf, texte.danach, true}, texte.meldung);
}

void frmMain::mnuDruck_Click() { Command3_Click(); }

void frmMain::mnuAktEnde_Click() {
    if (close()) dienste_.endProgram();  // not when the unsaved changes were kept
}

void frmMain::SpracheWaehlen(std::string_view code) {
    if (rec_.Sprache == code) return;
    rec_.Sprache = std::string(code);
    SpracheAnwenden();
}

void frmMain::mnuDeutsch_Click() { SpracheWaehlen(kCodeGerman); }
void frmMain::mnuFranzösisch_Click() { SpracheWaehlen(kCodeFrench); }
void frmMain::mnuEnglisch_Click() { SpracheWaehlen(kCodeEnglish); }

void frmMain::EinheitenWaehlen(Units units) {
    if (rec_.Einheiten == units) {
        EinheitenBeschriften();  // the toggle of the entry clicked is undone
        return;
    }
    const LoopEingaben neu = InputsSwitched(Eingaben(), rec_.Einheiten, units, feldTrenner());
    // The coil-length rules must not read a half-converted pair of fields.
    // The same loop in other units: the results still belong to it.
    umstellen_ = ohneVeraltet_ = true;
    for (const LoopLengthField& f : kLoopLengthFields)
        if (auto* feld = findChild<QLineEdit*>(qs(f.field))) feld->setText(qs(neu.*f.text));
    umstellen_ = ohneVeraltet_ = false;
    EinheitenUebernehmen(units);
    emit EingabenGeaendert();
}

void frmMain::EinheitenUebernehmen(Units units) {
    const bool anders = rec_.Einheiten != units;
    rec_.Einheiten = units;
    EinheitenBeschriften();
    if (anders) programm_.EinheitenAnwenden();
}

void frmMain::mnuQuesHelp_Click() { programm_.HilfeAufrufen(); }
void frmMain::mnuQuesInfo_Click() { programm_.InfoAnzeigen(); }

}  // namespace ringfeld
