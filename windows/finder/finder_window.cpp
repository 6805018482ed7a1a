// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "finder_window/finder_window.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "export/field_keys.h"
#include "export/finder_export.h"
#include "finder/finder_message.h"
#include "forms/unit_labels.h"
#include "platform/file_proposal.h"
#include "platform/qt_text.h"
#include "platform/saved_file.h"
#include "presentation/tuning_row_texts.h"
#include "text/catalog/finder_texts.h"
#include "text/list_texts.h"
#include "text/number_format.h"
#include "text/window_texts.h"

namespace ringfeld::finder {
namespace {

// The fields' layout names (none for the two lists of check boxes), labels and
// reasons, in the order of Feld, and where each stands: its group and, within the
// group, its column of fields (the band in two columns and the search space in
// three keep the inputs low and leave the height to the table).
struct FeldName {
    const char* feld;
    const char* label;
    const char* grund;
    int gruppe;  // 0 band and capacitor, 1 power and losses, 2 search space
    int spalte;  // 0, 1 or 2
};
constexpr std::array<FeldName, kFeldAnzahl> kNamen{{
    {"txtVon", "lblVon", "grundVon", 0, 0},
    {"txtBis", "lblBis", "grundBis", 0, 0},
    {"txtCmin", "lblCmin", "grundCmin", 0, 0},
    {"txtCmax", "lblCmax", "grundCmax", 0, 0},
    {"txtUmax", "lblUmax", "grundUmax", 0, 1},
    {"txtMarge", "lblMarge", "grundMarge", 0, 1},
    {"txtGuete", "lblGuete", "grundGuete", 0, 1},
    {"txtStreu", "lblStreu", "grundStreu", 0, 1},
    {"txtErde", "lblErde", "grundErde", 1, 0},
    {"txtLeistung", "lblLeistung", "grundLeistung", 1, 0},
    {"txtReihe", "lblReihe", "grundReihe", 1, 0},
    {"txtParallel", "lblParallel", "grundParallel", 1, 0},
    {"txtGroesseVon", "lblGroesseVon", "grundGroesseVon", 2, 0},
    {"txtGroesseBis", "lblGroesseBis", "grundGroesseBis", 2, 0},
    {"txtGroesseSchritt", "lblGroesseSchritt", "grundGroesseSchritt", 2, 0},
    {nullptr, "lblFormen", "grundFormen", 2, 1},
    {nullptr, "lblMaterialien", "grundMaterialien", 2, 1},
    {"txtLeiter", "lblLeiter", "grundLeiter", 2, 2},
    {"txtWindungen", "lblWindungen", "grundWindungen", 2, 2},
    {"txtAbstand", "lblAbstand", "grundAbstand", 2, 2},
    {"txtWellenlaengen", "lblWellenlaengen", "grundWellenlaengen", 2, 0},
}};
// Every field has its row: an entry left out does not compile.
static_assert(std::all_of(kNamen.begin(), kNamen.end(), [](const FeldName& n) { return n.label != nullptr; }));
constexpr std::array<const char*, 4> kFormNamen{"chkKreis", "chkQuadrat", "chkAchteck", "chkSechseck"};
constexpr std::array<const char*, 6> kMaterialNamen{"chkCu", "chkAl", "chkFe", "chkAg", "chkZn", "chkMessing"};
static_assert(kFormNamen.size() == kFormListe.size() && kMaterialNamen.size() == kMaterialListe.size());

constexpr int kBreiteFeld = 80;    // pixels of an input field
constexpr int kBreiteListe = 200;  // pixels of a list field
constexpr int kBreiteGrund = 150;  // pixels a reason beside its field may take before it wraps
constexpr int kGrundSpalten = 3;   // grid columns of a column of fields: label, field, reason
// The key columns, in the window's order after the size.
constexpr std::array<std::string_view, 6> kSchluesselSpalten{
    "efficiency_worst_percent", "gain_worst_dBi", "V_peak_max_V", "headroom", "C_tune_from_pF", "C_tune_to_pF"};
constexpr int kSichtbarNach = 200;  // ms a search runs before its progress is shown
constexpr int kAnzeigeTakt = 50;    // ms between two looks at the progress
constexpr QSize kStartGroesse(1240, 820);

bool leer(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// The name UI automation and the caption table know the window by is kept from its first release.
constexpr ToolWindowKind kFenster{"frmFinder", TextWindow::Finder, kSettingsGroup, kStartGroesse};

// The fields that hold lists (commas between their entries) rather than one number.
constexpr bool istListe(std::size_t i) {
    return i == at(Feld::Shapes) || i == at(Feld::Materials) || i == at(Feld::Conductors) || i == at(Feld::Turns);
}

}  // namespace

// A search on its thread. The thread is the last member: it is joined before the rest goes.
struct FinderWindow::Lauf {
    std::atomic<long long> erledigt{0};
    long long gesamt = 0;
    FeldTexte texte;
    FinderOptionen options;
    QElapsedTimer uhr;
    std::jthread thread;
};

FinderWindow::FinderWindow(DesignRecord& rec, DesktopServices& dienste, FinderAnschluss anschluss, QWidget& neben,
                           QString settingsFile)
    : ToolWindow(kFenster, {rec, dienste, neben, std::move(settingsFile)}),
      anschluss_(std::move(anschluss)),
      einheiten_(rec.Einheiten) {}

// A running search is stopped and joined with its member, before the rest goes.
FinderWindow::~FinderWindow() = default;

void FinderWindow::build() {
    auto* aussen = new QVBoxLayout(this);
    oben_ = new QGridLayout;
    aussen->addLayout(oben_);
    std::array<QGridLayout*, 3> raster{};
    const char* gruppen[] = {"grpBand", "grpVerluste", "grpSuche"};
    for (std::size_t i = 0; i < raster.size(); ++i) {
        gruppen_[i] = new QGroupBox(this);
        gruppen_[i]->setObjectName(QString::fromLatin1(gruppen[i]));
        raster[i] = new QGridLayout(gruppen_[i]);
    }
    arrange(false);
    for (std::size_t i = 0; i < kFeldAnzahl; ++i) {
        const FeldName& n = kNamen[i];
        QGridLayout& g = *raster[static_cast<std::size_t>(n.gruppe)];
        int zeile = 0;
        for (std::size_t k = 0; k < i; ++k) zeile += int(kNamen[k].gruppe == n.gruppe && kNamen[k].spalte == n.spalte);
        const int spalte = n.spalte * kGrundSpalten;
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(n.label));
        // The reason stands right beside its field and takes room only while it is shown.
        auto* grund = new QLabel(this);
        grund->setObjectName(QString::fromLatin1(n.grund));
        grund->setStyleSheet(QStringLiteral("color: #b00000;"));
        grund->setWordWrap(true);
        grund->setMaximumWidth(kBreiteGrund);
        grund->setVisible(false);
        gruende_[i] = grund;
        g.addWidget(label, zeile, spalte);
        if (n.feld) {
            g.addWidget(grund, zeile, spalte + 2);
            auto* feld = new QLineEdit(this);
            feld->setObjectName(QString::fromLatin1(n.feld));
            const bool liste = static_cast<Feld>(i) == Feld::Conductors || static_cast<Feld>(i) == Feld::Turns;
            feld->setFixedWidth(liste ? kBreiteListe : kBreiteFeld);
            label->setBuddy(feld);
            g.addWidget(feld, zeile, spalte + 1);
            texte_[i] = feld;
            continue;
        }
        // The shapes and the materials: a check box for each entry of the main window's list.
        auto* kaesten = new QHBoxLayout;
        const bool formen = static_cast<Feld>(i) == Feld::Shapes;
        const std::size_t anzahl = formen ? formen_.size() : materialien_.size();
        for (std::size_t k = 0; k < anzahl; ++k) {
            auto* kasten = new QCheckBox(this);
            kasten->setObjectName(QString::fromLatin1(formen ? kFormNamen[k] : kMaterialNamen[k]));
            (formen ? formen_[k] : materialien_[k]) = kasten;
            kaesten->addWidget(kasten);
        }
        kaesten->addWidget(grund);  // right after the boxes
        kaesten->addStretch(1);
        g.addLayout(kaesten, zeile, spalte + 1);
    }
    // The room left over goes to the right of the last column, not between a field and its reason.
    for (QGridLayout* g : raster) {
        g->setColumnStretch(g->columnCount(), 1);
        g->setRowStretch(g->rowCount(), 1);
    }

    // The counts (or why nothing qualifies), the progress and the cancel button.
    auto* leiste = new QHBoxLayout;
    aussen->addLayout(leiste);
    zaehlung_ = new QLabel(this);
    zaehlung_->setObjectName(QStringLiteral("lblZaehlung"));
    zaehlung_->setWordWrap(true);
    zaehlung_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    leiste->addWidget(zaehlung_, 1);
    fortschritt_ = new QProgressBar(this);
    fortschritt_->setObjectName(QStringLiteral("prgSuche"));
    fortschritt_->setVisible(false);
    leiste->addWidget(fortschritt_);
    abbrechen_ = new QPushButton(this);
    abbrechen_->setObjectName(QStringLiteral("cmdAbbrechen"));
    abbrechen_->setVisible(false);
    leiste->addWidget(abbrechen_);

    tabelle_ = new QTableView(this);
    tabelle_->setObjectName(QStringLiteral("tblEntwuerfe"));
    sortiert_ = new QSortFilterProxyModel(this);
    sortiert_->setSourceModel(&modell_);
    sortiert_->setSortRole(Qt::UserRole);
    tabelle_->setModel(sortiert_);
    tabelle_->setSortingEnabled(true);
    tabelle_->sortByColumn(0, Qt::AscendingOrder);  // best first
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setAlternatingRowColors(true);
    tabelle_->verticalHeader()->setVisible(false);
    // A table of some hundred designs at most: every heading can be read in full.
    tabelle_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabelle_->verticalHeader()->setDefaultSectionSize(tabelle_->fontMetrics().height() + 4);
    // What decides between designs stands right after the design itself, in sight
    // without scrolling on a small screen; the exports keep the registry's order.
    int nach = tabelle_->horizontalHeader()->visualIndex(FinderModel::column("size_m"));
    for (std::string_view key : kSchluesselSpalten)
        tabelle_->horizontalHeader()->moveSection(tabelle_->horizontalHeader()->visualIndex(FinderModel::column(key)),
                                                  ++nach);
    aussen->addWidget(tabelle_, 1);
    // How the designs are ranked and what the columns hold, as the command line's footnote says.
    rangfolge_ = new QLabel(this);
    rangfolge_->setObjectName(QStringLiteral("lblRangfolge"));
    rangfolge_->setWordWrap(true);
    aussen->addWidget(rangfolge_);

    auto* knoepfe = new QHBoxLayout;
    aussen->addLayout(knoepfe);
    knoepfe->addStretch(1);
    for (const char* name : {"cmdUebernehmen", "cmdCsv", "cmdJson"}) {
        auto* knopf = new QPushButton(this);
        knopf->setObjectName(QString::fromLatin1(name));
        knopf->setEnabled(false);
        knoepfe->addWidget(knopf);
    }
}

void FinderWindow::connectInputs() {
    anzeige_.setInterval(kAnzeigeTakt);
    connect(&anzeige_, &QTimer::timeout, this, [this] { fortschritt(); });
    // Every change searches anew while the window is shown.
    auto neu = [this] { inputChanged(); };
    for (QLineEdit* feld : texte_)
        if (feld) connect(feld, &QLineEdit::textChanged, this, neu);
    for (QCheckBox* kasten : formen_) connect(kasten, &QCheckBox::toggled, this, neu);
    for (QCheckBox* kasten : materialien_) connect(kasten, &QCheckBox::toggled, this, neu);
    connect(abbrechen_, &QPushButton::clicked, this, [this] { Abbrechen(); });
    connect(tabelle_, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { Uebernehmen(i.row()); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdUebernehmen")), &QPushButton::clicked, this, [this] {
        const QModelIndex current = tabelle_->currentIndex();
        Uebernehmen(current.isValid() ? current.row() : 0);
    });
    connect(findChild<QPushButton*>(QStringLiteral("cmdCsv")), &QPushButton::clicked, this,
            [this] { exportieren(false); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdJson")), &QPushButton::clicked, this,
            [this] { exportieren(true); });
}

void FinderWindow::applyLanguage(Language lang) {
    // A change of units carries the typed lengths into the new ones.
    if (rec().Einheiten != einheiten_) {
        const FeldTexte t = felder();
        const Units vorher = std::exchange(einheiten_, rec().Einheiten);
        felderSetzen(LaengenIn(t, vorher, einheiten_, std::string(Dezimaltrenner(sprache()))));
    }
    EinheitenBeschriften(*this, einheiten_, lang);
    for (std::size_t k = 0; k < formen_.size(); ++k) formen_[k]->setText(qs(kFormListe[k].text.in(lang)));
    for (std::size_t k = 0; k < materialien_.size(); ++k) materialien_[k]->setText(qs(kMaterialListe[k].text.in(lang)));
    fortschritt_->setFormat(qs(texte::kSucht.in(lang)));
    rangfolge_->setText(qs(texte::kRangfolge.in(lang)) + ' ' + qs(texte::kFussnote.in(lang)) + '.');
    // The table's texts and the counts follow the language; the numbers stay.
    modell_.setErgebnis(modell_.ergebnis(), lang, einheiten_);
    zaehlungZeigen();
}

// ---------------------------------------------------------------- inputs

FeldTexte FinderWindow::felder() const {
    FeldTexte t;
    for (std::size_t i = 0; i < kFeldAnzahl; ++i)
        if (texte_[i]) t[i] = str(texte_[i]->text());
    // The lists by their keys, in the main window's order.
    auto liste = [](const auto& kaesten, auto key) {
        std::string text;
        for (std::size_t k = 0; k < kaesten.size(); ++k)
            if (kaesten[k]->isChecked()) text += (text.empty() ? "" : ", ") + std::string(key(k));
        return text;
    };
    t[at(Feld::Shapes)] = liste(formen_, [](std::size_t k) { return FormKey(kFormListe[k].form); });
    t[at(Feld::Materials)] = liste(materialien_, [](std::size_t k) { return MaterialKey(kMaterialListe[k].material); });
    return t;
}

void FinderWindow::felderSetzen(const FeldTexte& t) {
    // A number comes back with the language's separator; a list keeps its commas.
    const Language lang = sprache();
    for (std::size_t i = 0; i < kFeldAnzahl; ++i)
        if (texte_[i]) texte_[i]->setText(qs(istListe(i) ? t[i] : MitTrenner(t[i], lang)));
    // A list's entries checked as its text names them in any language; an unknown name checks none.
    std::vector<Form> formen;
    std::vector<Material> materialien;
    std::string item;
    for (const std::string* text : {&t[at(Feld::Shapes)], &t[at(Feld::Materials)]})
        for (char c : *text + ",") {
            if (c != ',' && c != ';' && c != ' ' && c != '\t') {
                item += c;
                continue;
            }
            if (auto form = text == &t[at(Feld::Shapes)] ? FormAusText(item) : std::nullopt) formen.push_back(*form);
            if (auto m = text == &t[at(Feld::Materials)] ? MaterialAusText(item) : std::nullopt)
                materialien.push_back(*m);
            item.clear();
        }
    for (std::size_t k = 0; k < formen_.size(); ++k)
        formen_[k]->setChecked(std::find(formen.begin(), formen.end(), kFormListe[k].form) != formen.end());
    for (std::size_t k = 0; k < materialien_.size(); ++k)
        materialien_[k]->setChecked(std::find(materialien.begin(), materialien.end(), kMaterialListe[k].material) !=
                                    materialien.end());
}

// The settings and design files keep the lengths in metric texts.
std::map<std::string, std::string> FinderWindow::Eingaben() const {
    return AlsSchluessel(LaengenIn(felder(), einheiten_, Units::Metric, "."));
}

void FinderWindow::EingabenSetzen(const std::map<std::string, std::string>& werte) {
    const FeldTexte metrisch = AusSchluesseln(werte, LaengenIn(felder(), einheiten_, Units::Metric, "."));
    felderSetzen(LaengenIn(metrisch, Units::Metric, einheiten_, std::string(Dezimaltrenner(sprache()))));
}

void FinderWindow::arrange(bool schmal) {
    for (QGroupBox* g : gruppen_) oben_->removeWidget(g);
    oben_->addWidget(gruppen_[0], 0, 0);
    oben_->addWidget(gruppen_[1], 0, 1);
    if (schmal)
        oben_->addWidget(gruppen_[2], 1, 0, 1, 2);
    else
        oben_->addWidget(gruppen_[2], 0, 2);
    for (int spalte = 0; spalte < 3; ++spalte) oben_->setColumnStretch(spalte, spalte == 2 && !schmal ? 1 : 0);
}

// ---------------------------------------------------------------- the search

void FinderWindow::compute() {
    lauf_.reset();  // a search still running is stopped, its result dropped
    const Language lang = sprache();
    const FeldTexte texte = LaengenIn(felder(), einheiten_, Units::Metric, ".");
    FinderGelesen gelesen = LiesFinder(texte, lang);
    if (gelesen.options) gelesen.options->einheiten = einheiten_;
    for (std::size_t i = 0; i < kFeldAnzahl; ++i) {
        const QString grund = qs(gelesen.reasons[i]);
        // A short reason on one line; a long one wraps at kBreiteGrund.
        gruende_[i]->setWordWrap(gruende_[i]->fontMetrics().horizontalAdvance(grund) > kBreiteGrund);
        gruende_[i]->setText(grund);
        gruende_[i]->setVisible(!grund.isEmpty());
    }
    const unsigned nummer = ++nummer_;
    feldFehler_ = !gelesen.options;
    if (!gelesen.options) {
        // No design from half-read inputs.
        anzeige_.stop();
        fortschritt_->setVisible(false);
        abbrechen_->setVisible(false);
        gesucht_.reset();
        modell_.setErgebnis({}, lang, einheiten_);
        zaehlungZeigen();
        return;
    }
    auto lauf = std::make_unique<Lauf>();
    lauf->texte = texte;
    lauf->options = *gelesen.options;
    lauf->gesamt = KandidatenAnzahl(lauf->options);
    lauf->uhr.start();
    Lauf* l = lauf.get();
    lauf->thread = std::jthread([this, l, nummer](std::stop_token stop) {
        Ergebnis e = finder::Suchen(l->options, Steuerung{std::move(stop), &l->erledigt, 0});
        QMetaObject::invokeMethod(
            this, [this, nummer, e = std::move(e)]() mutable { fertig(nummer, std::move(e)); }, Qt::QueuedConnection);
    });
    lauf_ = std::move(lauf);
    fortschritt_->setRange(0, 1000);
    fortschritt_->setValue(0);
    anzeige_.start();
    zaehlungZeigen();
}

void FinderWindow::Abbrechen() {
    if (!lauf_) return;
    lauf_.reset();
    ++nummer_;  // a result already on its way is dropped
    anzeige_.stop();
    fortschritt_->setVisible(false);
    abbrechen_->setVisible(false);
    zaehlung_->setText(qs(texte::kAbgebrochen.in(sprache())));
}

void FinderWindow::fertig(unsigned nummer, Ergebnis ergebnis) {
    if (nummer != nummer_ || !lauf_) return;
    gesuchteTexte_ = lauf_->texte;
    gesucht_ = lauf_->options;
    lauf_.reset();
    anzeige_.stop();
    fortschritt_->setVisible(false);
    abbrechen_->setVisible(false);
    modell_.setErgebnis(std::move(ergebnis), sprache(), einheiten_);
    zaehlungZeigen();
}

void FinderWindow::fortschritt() {
    if (!lauf_) return;
    if (lauf_->uhr.elapsed() < kSichtbarNach) return;
    fortschritt_->setVisible(true);
    abbrechen_->setVisible(true);
    const long long gesamt = std::max(1LL, lauf_->gesamt);
    fortschritt_->setValue(static_cast<int>(lauf_->erledigt.load() * 1000 / gesamt));
}

void FinderWindow::zaehlungZeigen() {
    const Language lang = sprache();
    const Ergebnis& e = modell_.ergebnis();
    const bool entwuerfe = !e.designs.empty();
    // The exports write an empty result too, with its reason.
    findChild<QPushButton*>(QStringLiteral("cmdUebernehmen"))->setEnabled(entwuerfe);
    for (const char* name : {"cmdCsv", "cmdJson"})
        findChild<QPushButton*>(QString::fromLatin1(name))->setEnabled(gesucht_.has_value());
    // The global message only while a field is wrong; a valid search that has not
    // finished yet keeps the last result's counts, or says nothing.
    if (feldFehler_ || !gesucht_) {
        zaehlung_->setText(feldFehler_ ? qs(tuning::texte::kEingabenPruefen.in(lang)) : QString());
        return;
    }
    const std::string sep(Dezimaltrenner(lang));
    QString text = qs(Zaehlung(e, lang)) + '\n' + qs(Ausschluesse(e, lang));
    for (const std::string& hinweis : Hinweise(e, *gesucht_, lang, sep)) text += '\n' + qs(hinweis);
    if (const std::string warum = Begruendung(e, *gesucht_, lang, sep); !warum.empty()) text += '\n' + qs(warum);
    zaehlung_->setText(text);
}

void FinderWindow::Uebernehmen(int row) {
    const QModelIndex index = sortiert_->mapToSource(sortiert_->index(row, 0));
    if (!index.isValid() || !gesucht_ || !anschluss_.uebernehmen) return;
    const Entwurf& e = modell_.ergebnis().designs[static_cast<std::size_t>(index.row())];
    const FinderOptionen& o = *gesucht_;
    // The tuning window's sheet gets the finder's 51 frequencies and its capacitor.
    using tuning::Field;
    // Numbers are written with the language's separator, as the user types them.
    const Language lang = sprache();
    Uebernahme u{e.felder, {{Field::From, o.fromText}, {Field::To, o.toText}}};
    for (std::string* text : {&u.loop.Text1, &u.loop.Text2, &u.loop.Text3, &u.loop.Text4, &u.loop.Text5, &u.loop.Text6,
                              &u.loop.Text7, &u.loop.Text8, &u.loop.Text9})
        *text = MitTrenner(*text, lang);
    if (o.toMHz > o.fromMHz)
        u.abstimmung.emplace_back(Field::Step, MitTrenner(FrequenzText((o.toMHz - o.fromMHz) / kSchritte), lang));
    for (const auto& [hier, dort] : {std::pair{Feld::CapMin, Field::CapMin}, std::pair{Feld::CapMax, Field::CapMax},
                                     std::pair{Feld::CapVPeak, Field::CapVolts}, std::pair{Feld::CapQ, Field::CapQ},
                                     std::pair{Feld::Stray, Field::Stray}, std::pair{Feld::Ground, Field::Ground}})
        u.abstimmung.emplace_back(dort, gesuchteTexte_[at(hier)]);
    anschluss_.uebernehmen(u);
}

// ---------------------------------------------------------------- window

// The inputs start from the main window's power and losses and, when the tuning
// window has a capacitor range, from its capacitor, stray C and ground loss; else
// the finder keeps its own (a rating typed here is not blanked by an unused
// tuning window).
void FinderWindow::beforeShow() {
    const Language lang = sprache();
    if (anschluss_.schleife) {
        const LoopEingaben loop = anschluss_.schleife();
        texte_[at(Feld::Power)]->setText(qs(MitTrenner(loop.Text6, lang)));
        texte_[at(Feld::SeriesLoss)]->setText(qs(MitTrenner(loop.Text7, lang)));
        texte_[at(Feld::ParallelLoss)]->setText(qs(MitTrenner(loop.Text9, lang)));
    }
    if (anschluss_.abstimmung) {
        using tuning::Field;
        const tuning::FieldTexts t = anschluss_.abstimmung();
        auto von = [&](Feld hier, Field dort) {
            texte_[at(hier)]->setText(qs(MitTrenner(t[static_cast<std::size_t>(dort)], lang)));
        };
        if (!leer(t[static_cast<std::size_t>(Field::CapMin)]) && !leer(t[static_cast<std::size_t>(Field::CapMax)])) {
            von(Feld::CapMin, Field::CapMin);
            von(Feld::CapMax, Field::CapMax);
            von(Feld::CapVPeak, Field::CapVolts);
            von(Feld::CapQ, Field::CapQ);
            von(Feld::Stray, Field::Stray);
            von(Feld::Ground, Field::Ground);
        }
    }
}

// The table's key columns in sight, without scrolling.
int FinderWindow::leastWidth() const {
    QHeaderView& kopf = *tabelle_->horizontalHeader();
    kopf.resizeSections(QHeaderView::ResizeToContents);
    const int letzte = FinderModel::column(kSchluesselSpalten.back());
    const QMargins rand = layout()->contentsMargins();
    return kopf.sectionPosition(letzte) + kopf.sectionSize(letzte) + 2 * tabelle_->frameWidth() +
           tabelle_->verticalScrollBar()->sizeHint().width() + rand.left() + rand.right();
}

void FinderWindow::hidden() { Abbrechen(); }

// ---------------------------------------------------------------- settings

KeptTexts FinderWindow::keptTexts() const { return Eingaben(); }

void FinderWindow::restoreKept(const KeptTexts& werte) {
    felderSetzen(LaengenIn(AusSchluesseln(werte), Units::Metric, einheiten_, Dezimaltrenner(sprache())));
}

// ---------------------------------------------------------------- exports

void FinderWindow::exportieren(bool json) {
    if (!gesucht_) return;
    const Language lang = sprache();
    const QString name = QFileDialog::getSaveFileName(
        this, qs((json ? tuning::texte::kJsonTitel : tuning::texte::kCsvTitel).in(lang)),
        ProposedFile(TextWindow::Finder, lang, json ? QStringLiteral("json") : QStringLiteral("csv")),
        json ? QStringLiteral("JSON (*.json)") : QStringLiteral("CSV (*.csv)"));
    if (name.isEmpty()) return;
    const FinderExport x{gesuchteTexte_, *gesucht_, modell_.ergebnis(), lang, std::nullopt};
    const std::string inhalt = json ? FinderJson(x) : FinderCsv(x);
    SaveOrSay(dienste(), name, inhalt, lang);
}

}  // namespace ringfeld::finder
