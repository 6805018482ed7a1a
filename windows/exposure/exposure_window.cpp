// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "exposure/exposure_window.h"

#include <algorithm>
#include <utility>

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "exposure/exposure_chart.h"
#include "exposure/exposure_report.h"
#include "platform/qt_text.h"
#include "platform/report_dialog.h"
#include "text/catalog/tuning_texts.h"
#include "text/window_texts.h"

namespace ringfeld::exposure {
namespace {

constexpr int kBreiteFeld = 70;            // pixels of an input field
constexpr int kBreiteGrund = 130;          // pixels of the reason beside it
constexpr QSize kStartGroesse(1240, 730);  // within a 1366 x 768 screen with its frame
constexpr int kDiagrammMindesthoehe = 250;
constexpr int kErgebnisMindestbreite = 420;  // pixels the result column needs for its tables
constexpr int kOrtZeilen = 3;                // rows the places' table shows without scrolling
constexpr int kOrtFeste = 2;                 // its columns typed in: name, metres
constexpr double kNeuerOrtM = 5;             // a new place's distance, m
const QColor kUeber(255, 200, 200);          // a place where a limit is exceeded
const QColor kEingehalten(210, 240, 210);
constexpr int kListenZeichen = 26;      // characters a list shows
constexpr int kSpaltenBreite = 68;      // pixels of a column of the table over the frequencies
const QColor kGewaehlt(255, 244, 190);  // the row of the chosen standard and population

constexpr std::array kQuellen{CurrentSource::Model, CurrentSource::Measured};

QLabel* neuesLabel(QWidget* eltern, const char* name, bool umbrechen = false) {
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(umbrechen);
    if (umbrechen) l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QComboBox* neueListe(QWidget* eltern, const char* name) {
    auto* c = new QComboBox(eltern);
    c->setObjectName(QString::fromLatin1(name));
    // As wide as a short entry: the table beside the inputs needs the room.
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(kListenZeichen);
    return c;
}

// The name UI automation and the caption table know the window by is kept from its first release.
constexpr ToolWindowKind kFenster{"frmSicherheitsabstand", TextWindow::Exposure, kSettingsGroup, kStartGroesse};

}  // namespace

ExposureWindow::ExposureWindow(DesignRecord& rec, DesktopServices& dienste, std::function<LoopEingaben()> schleife,
                               std::function<const tuning::Sheet*()> blatt, QWidget& neben, QString settingsFile)
    : ToolWindow(kFenster, {rec, dienste, neben, std::move(settingsFile)}),
      schleife_(std::move(schleife)),
      blatt_(std::move(blatt)),
      einheiten_(rec.Einheiten) {}

ExposureWindow::~ExposureWindow() = default;

void ExposureWindow::build() {
    auto* aussen = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    aussen->addLayout(oben);

    // The inputs.
    auto* eingaben = new QGroupBox(this);
    eingaben->setObjectName(QStringLiteral("grpEingaben"));
    auto* raster = new QGridLayout(eingaben);
    auto zeile = [&](const char* label, QWidget* feld, QLabel* grund = nullptr) {
        const int z = raster->rowCount();
        auto* l = neuesLabel(this, label);
        l->setBuddy(feld);
        raster->addWidget(l, z, 0);
        raster->addWidget(feld, z, 1, 1, grund ? 1 : 2);
        if (grund) raster->addWidget(grund, z, 2);
    };
    auto feld = [&](const char* name) {
        auto* f = new QLineEdit(this);
        f->setObjectName(QString::fromLatin1(name));
        f->setFixedWidth(kBreiteFeld);
        return f;
    };
    auto grund = [&](const char* name) {
        auto* g = neuesLabel(this, name, true);
        g->setStyleSheet(QStringLiteral("color: #b00000;"));
        g->setFixedWidth(kBreiteGrund);  // a reason that comes and goes must not move the fields
        return g;
    };
    betriebsart_ = neueListe(this, "cboBetriebsart");
    faktor_ = feld("txtFaktor");
    grundFaktor_ = grund("grundFaktor");
    anteil6_ = feld("txtAnteil6");
    grundAnteil6_ = grund("grundAnteil6");
    anteil30_ = feld("txtAnteil30");
    grundAnteil30_ = grund("grundAnteil30");
    norm_ = neueListe(this, "cboNorm");
    personen_ = neueListe(this, "cboPersonen");
    quelle_ = neueListe(this, "cboStrom");
    zeile("lblBetriebsart", betriebsart_);
    zeile("lblFaktor", faktor_, grundFaktor_);
    zeile("lblAnteil6", anteil6_, grundAnteil6_);
    zeile("lblAnteil30", anteil30_, grundAnteil30_);
    zeile("lblNorm", norm_);
    mit2010_ = new QCheckBox(this);
    mit2010_->setObjectName(QStringLiteral("chkIcnirp2010"));
    raster->addWidget(mit2010_, raster->rowCount(), 1, 1, 2);
    zeile("lblPersonen", personen_);
    zeile("lblStrom", quelle_);
    raster->setRowStretch(raster->rowCount(), 1);
    // The station the report is for, on a page beside the inputs.
    auto* station = new QWidget(this);
    station->setObjectName(QStringLiteral("wdgStation"));
    auto* stationRaster = new QGridLayout(station);
    for (std::size_t i = 0; i < kStationFields.size(); ++i) {
        const std::string key(kStationFields[i].key);
        station_[i] = new QLineEdit(station);
        station_[i]->setObjectName(QString::fromStdString("txtStation_" + key));
        stationText_[i] = neuesLabel(station, ("lblStation_" + key).c_str());
        stationText_[i]->setBuddy(station_[i]);
        stationRaster->addWidget(stationText_[i], static_cast<int>(i), 0);
        stationRaster->addWidget(station_[i], static_cast<int>(i), 1);
    }
    stationRaster->setRowStretch(static_cast<int>(kStationFields.size()), 1);
    auto* seiten = new QTabWidget(this);
    seiten->setObjectName(QStringLiteral("tabEingaben"));
    seiten->addTab(eingaben, QString());
    seiten->addTab(station, QString());
    oben->addWidget(seiten);

    // The result at the main window's frequency, and every standard side by side.
    auto* ergebnis = new QGroupBox(this);
    ergebnis->setObjectName(QStringLiteral("grpErgebnis"));
    auto* spalte = new QVBoxLayout(ergebnis);
    kopf_ = neuesLabel(this, "lblKopfzeile", true);
    QFont fett = kopf_->font();
    fett.setBold(true);
    kopf_->setFont(fett);
    ergebnis_ = neuesLabel(this, "lblErgebnis", true);
    hinweise_ = neuesLabel(this, "lblHinweise", true);
    hinweise_->setStyleSheet(QStringLiteral("color: #8a4b00;"));
    normen_ = new QTableWidget(static_cast<int>(kLimitCount), static_cast<int>(texte::kNormSpalten.size()), this);
    normen_->setObjectName(QStringLiteral("tblNormen"));
    normen_->verticalHeader()->setVisible(false);
    normen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    normen_->setSelectionMode(QAbstractItemView::NoSelection);
    normen_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    normen_->verticalHeader()->setDefaultSectionSize(normen_->fontMetrics().height() + 6);
    normen_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    nah_ = neuesLabel(this, "lblNah", true);
    mittelung_ = neuesLabel(this, "lblMittelung", true);
    // The named places: name and metres typed in, a verdict per standard beside them.
    orte_ = new QTableWidget(0, kOrtFeste + static_cast<int>(kStandards.size()), this);
    orte_->setObjectName(QStringLiteral("tblOrte"));
    orte_->verticalHeader()->setVisible(false);
    orte_->setSelectionBehavior(QAbstractItemView::SelectRows);
    orte_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    orte_->verticalHeader()->setDefaultSectionSize(orte_->fontMetrics().height() + 6);
    orte_->setFixedHeight((kOrtZeilen + 1) * (orte_->fontMetrics().height() + 6) + 4);
    auto* ortKnoepfe = new QVBoxLayout;
    for (const char* name : {"cmdOrtNeu", "cmdOrtWeg"}) {
        auto* k = new QPushButton(this);
        k->setObjectName(QString::fromLatin1(name));
        ortKnoepfe->addWidget(k);
    }
    ortKnoepfe->addStretch(1);
    auto* ortZeile = new QHBoxLayout;
    ortZeile->addWidget(orte_, 1);
    ortZeile->addLayout(ortKnoepfe);
    spalte->addWidget(kopf_);
    spalte->addWidget(ergebnis_);
    spalte->addWidget(hinweise_);
    spalte->addWidget(normen_);
    spalte->addWidget(nah_);
    spalte->addWidget(mittelung_);
    spalte->addLayout(ortZeile);
    // On a low screen the column scrolls rather than cutting its sentences off.
    auto* rollen = new QScrollArea(this);
    rollen->setObjectName(QStringLiteral("scrErgebnis"));
    rollen->setWidgetResizable(true);
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rollen->setWidget(ergebnis);
    oben->addWidget(rollen, 1);

    // The chart beside the table over the frequencies.
    auto* teiler = new QSplitter(Qt::Horizontal, this);
    teiler->setObjectName(QStringLiteral("splTeiler"));
    aussen->addWidget(teiler, 1);
    chart_ = new QChart;
    diagramm_ = std::make_unique<ExposureChart>(*chart_);
    diagrammAnsicht_ = new QChartView(chart_, teiler);
    diagrammAnsicht_->setObjectName(QStringLiteral("chtFelder"));
    diagrammAnsicht_->setMinimumHeight(kDiagrammMindesthoehe);
    auto* rechts = new QWidget(teiler);
    rechts->setObjectName(QStringLiteral("wdgBereich"));
    auto* bereich = new QVBoxLayout(rechts);
    bereich->setContentsMargins(0, 0, 0, 0);
    bereich_ = neuesLabel(rechts, "lblBereich", true);
    frequenzen_ = new QTableView(rechts);
    frequenzen_->setObjectName(QStringLiteral("tblFrequenzen"));
    frequenzen_->setModel(&modell_);
    frequenzen_->setAlternatingRowColors(true);
    frequenzen_->verticalHeader()->setVisible(false);
    // Fixed sizes: measuring 20,000 rows would cost more than computing them.
    frequenzen_->horizontalHeader()->setDefaultSectionSize(kSpaltenBreite);
    frequenzen_->horizontalHeader()->setStretchLastSection(true);
    frequenzen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frequenzen_->verticalHeader()->setDefaultSectionSize(frequenzen_->fontMetrics().height() + 4);
    bereich->addWidget(bereich_);
    bereich->addWidget(frequenzen_, 1);
    teiler->setSizes({kStartGroesse.width() * 11 / 20, kStartGroesse.width() * 9 / 20});

    // The model's limits of validity and the print command.
    auto* unten = new QHBoxLayout;
    aussen->addLayout(unten);
    modellText_ = neuesLabel(this, "lblModell", true);
    unten->addWidget(modellText_, 1);
    auto* knopf = new QPushButton(this);
    knopf->setObjectName(QStringLiteral("cmdDrucken"));
    unten->addWidget(knopf, 0, Qt::AlignBottom);
    // The lists before the kept inputs choose their entries.
    listenFuellen(sprache());
}

// The inputs beside a result column whose tables show their columns.
int ExposureWindow::leastWidth() const {
    const QMargins rand = layout()->contentsMargins();
    const auto* seiten = findChild<QTabWidget*>(QStringLiteral("tabEingaben"));
    return seiten->sizeHint().width() + layout()->spacing() + kErgebnisMindestbreite + rand.left() + rand.right();
}

void ExposureWindow::connectInputs() {
    auto neu = [this] { inputChanged(); };
    connect(betriebsart_, &QComboBox::activated, this, [this](int index) { betriebsartGewaehlt(index); });
    // A factor typed by hand is the own factor unless it is the chosen mode's.
    connect(faktor_, &QLineEdit::textEdited, this, [this] {
        const QSignalBlocker ruhig(betriebsart_);
        betriebsart_->setCurrentIndex(static_cast<int>(kModeFactors.size()));
    });
    for (QLineEdit* f : {faktor_, anteil6_, anteil30_}) connect(f, &QLineEdit::textChanged, this, neu);
    for (QLineEdit* f : station_) connect(f, &QLineEdit::textChanged, this, neu);
    // Only the typed columns change the places; the verdicts are written with signals blocked.
    connect(orte_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() < kOrtFeste) inputChanged();
    });
    connect(findChild<QPushButton*>(QStringLiteral("cmdOrtNeu")), &QPushButton::clicked, this, [this] { ortNeu(); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdOrtWeg")), &QPushButton::clicked, this, [this] {
        if (orte_->currentRow() < 0) return;
        orte_->removeRow(orte_->currentRow());
        inputChanged();
    });
    for (QComboBox* c : {betriebsart_, norm_, personen_, quelle_})
        connect(c, &QComboBox::currentIndexChanged, this, neu);
    connect(mit2010_, &QCheckBox::toggled, this, neu);
    connect(findChild<QPushButton*>(QStringLiteral("cmdDrucken")), &QPushButton::clicked, this, [this] { drucken(); });
}

void ExposureWindow::listenFuellen(Language lang) {
    const std::string_view sep = Dezimaltrenner(lang);
    auto fuellen = [](QComboBox* liste, const QStringList& eintraege, const QStringList& schluessel) {
        const QSignalBlocker ruhig(liste);
        const int gewaehlt = std::max(0, liste->currentIndex());
        liste->clear();
        for (qsizetype i = 0; i < eintraege.size(); ++i) liste->addItem(eintraege[i], schluessel[i]);
        liste->setCurrentIndex(std::min(gewaehlt, liste->count() - 1));
    };
    QStringList namen, schluessel;
    for (std::size_t i = 0; i < kModeFactors.size(); ++i) {
        namen << qs(texte::kModeTexte[i], lang) + QStringLiteral(" (") + qs(Signifikant(kModeFactors[i].factor, sep)) +
                     QLatin1Char(')');
        schluessel << qs(kModeFactors[i].key);
    }
    fuellen(betriebsart_, namen << qs(texte::kEigenerFaktor, lang), schluessel << qs(kOwnMode));
    namen.clear(), schluessel.clear();
    for (Standard s : kStandards) namen << qs(StandardName(s, lang)), schluessel << qs(StandardKey(s));
    fuellen(norm_, namen, schluessel);
    namen.clear(), schluessel.clear();
    for (Population p : kPopulations) namen << qs(PopulationName(p, lang)), schluessel << qs(PopulationKey(p));
    fuellen(personen_, namen, schluessel);
    namen.clear(), schluessel.clear();
    for (CurrentSource q : kQuellen) namen << qs(texte::SourceText(q), lang), schluessel << qs(CurrentSourceKey(q));
    fuellen(quelle_, namen, schluessel);
}

void ExposureWindow::betriebsartGewaehlt(int index) {
    if (index < 0 || index >= static_cast<int>(kModeFactors.size())) return;
    faktor_->setText(qs(Signifikant(kModeFactors[static_cast<std::size_t>(index)].factor, Dezimaltrenner(sprache()))));
}

exposure::Eingaben ExposureWindow::felder() const {
    exposure::Eingaben e;
    e.mode = str(betriebsart_->currentData().toString());
    e.modeFactor = str(faktor_->text());
    e.txShare6 = str(anteil6_->text());
    e.txShare30 = str(anteil30_->text());
    for (int z = 0; z < orte_->rowCount(); ++z) {
        const auto text = [&](int s) { return orte_->item(z, s) ? str(orte_->item(z, s)->text()) : std::string(); };
        e.places.push_back({text(0), text(1)});
    }
    for (std::size_t i = 0; i < station_.size(); ++i) e.station.*kStationFields[i].text = str(station_[i]->text());
    e.standard = kStandards[static_cast<std::size_t>(std::max(0, norm_->currentIndex()))];
    e.population = kPopulations[static_cast<std::size_t>(std::max(0, personen_->currentIndex()))];
    e.icnirp2010With1998 = mit2010_->isChecked();
    e.source = kQuellen[static_cast<std::size_t>(std::max(0, quelle_->currentIndex()))];
    return e;
}

void ExposureWindow::felderSetzen(const exposure::Eingaben& e) {
    {
        const QSignalBlocker a(betriebsart_), b(norm_), c(personen_), d(quelle_), m(mit2010_);
        mit2010_->setChecked(e.icnirp2010With1998);
        betriebsart_->setCurrentIndex(std::max(0, betriebsart_->findData(qs(e.mode))));
        norm_->setCurrentIndex(static_cast<int>(e.standard));
        personen_->setCurrentIndex(static_cast<int>(e.population));
        quelle_->setCurrentIndex(static_cast<int>(e.source));
    }
    // Numbers kept with another language's separator come back in this one's.
    const Language lang = sprache();
    faktor_->setText(qs(MitTrenner(e.modeFactor, lang)));
    anteil6_->setText(qs(MitTrenner(e.txShare6, lang)));
    anteil30_->setText(qs(MitTrenner(e.txShare30, lang)));
    for (std::size_t i = 0; i < station_.size(); ++i) station_[i]->setText(qs(e.station.*kStationFields[i].text));
    {
        const QSignalBlocker ruhig(orte_);
        orte_->setRowCount(0);
        for (const OrtEingabe& o : e.places) {
            const int z = orte_->rowCount();
            orte_->insertRow(z);
            orte_->setItem(z, 0, new QTableWidgetItem(qs(o.name)));
            orte_->setItem(z, 1, new QTableWidgetItem(qs(MitTrenner(o.metres, lang))));
        }
    }
    SpaeterRechnen();
}

// The settings and design files keep the places' distances in metric texts.
KeyTexts ExposureWindow::Eingaben() const { return ZuSchluesseln(OrteIn(felder(), einheiten_, Units::Metric, {})); }

void ExposureWindow::EingabenSetzen(const KeyTexts& texte) {
    const exposure::Eingaben metrisch = AusSchluesseln(texte, OrteIn(felder(), einheiten_, Units::Metric, {}));
    felderSetzen(OrteIn(metrisch, Units::Metric, einheiten_, std::string(Dezimaltrenner(sprache()))));
}

void ExposureWindow::ortNeu() {
    const int z = orte_->rowCount();
    {
        const QSignalBlocker ruhig(orte_);
        orte_->insertRow(z);
        orte_->setItem(z, 0, new QTableWidgetItem(qs(texte::kNeuerOrt, sprache())));
        orte_->setItem(z, 1, new QTableWidgetItem(qs(MeterText(kNeuerOrtM, einheiten_, Dezimaltrenner(sprache())))));
    }
    orte_->setCurrentCell(z, 0);
    orte_->editItem(orte_->item(z, 0));
    inputChanged();
}

void ExposureWindow::applyLanguage(Language lang) {
    // A change of units carries the typed distances into the new ones.
    if (rec().Einheiten != einheiten_) {
        const exposure::Eingaben e = felder();
        const Units vorher = std::exchange(einheiten_, rec().Einheiten);
        felderSetzen(OrteIn(e, vorher, einheiten_, std::string(Dezimaltrenner(sprache()))));
    }
    listenFuellen(lang);
    auto* seiten = findChild<QTabWidget*>(QStringLiteral("tabEingaben"));
    seiten->setTabText(0, qs(texte::kSeiteBetrieb, lang));
    seiten->setTabText(1, qs(texte::kBerichtStation, lang));
    for (std::size_t i = 0; i < stationText_.size(); ++i)
        stationText_[i]->setText(qs(texte::kStationTexte[i], lang) + qs(texte::kDoppelpunkt, lang).trimmed());
    orte_->setHorizontalHeaderLabels([&] {
        QStringList k{qs(texte::kOrtName, lang), MitAbstandEinheit(texte::kOrtMeter, einheiten_, lang)};
        for (Standard st : kStandards) k << qs(StandardName(st, lang));
        return k;
    }());
    normen_->setHorizontalHeaderLabels([&] {
        QStringList k;  // the unit below the name: narrower columns
        for (const Tri& t : texte::kNormSpalten)
            k << MitAbstandEinheit(t, einheiten_, lang).replace(QStringLiteral(" ("), QStringLiteral("\n("));
        return k;
    }());
    Rechnen();
}

void ExposureWindow::compute() {
    const Language lang = sprache();
    modell_.setStand(nullptr);
    stand_ = Berechnen(lang, std::string(Dezimaltrenner(lang)), einheiten_, schleife_(), felder(),
                       blatt_ ? blatt_() : nullptr);
    // ICNIRP 2020 always has ICNIRP 2010's levels beside it, FCC none: only ICNIRP 1998 asks.
    mit2010_->setEnabled(stand_.eingaben.standard == Standard::Icnirp1998);
    grundFaktor_->setText(qs(stand_.gelesen.factorReason));
    grundAnteil6_->setText(qs(stand_.gelesen.shareReason6));
    grundAnteil30_->setText(qs(stand_.gelesen.shareReason30));
    kopf_->setText(Kopfzeile(stand_));
    ergebnis_->setText(ErgebnisZeilen(stand_).zeilen().join(QLatin1Char('\n')));
    nah_->setText(NahHinweis(stand_));
    mittelung_->setText(MittelungZeile(stand_));
    ortTabelle();
    QStringList hinweise = Hinweise(stand_);
    if (!stand_.hatBereich) hinweise << qs(texte::kKeinBereich, lang);
    hinweise_->setText(hinweise.join(QLatin1Char('\n')));
    normTabelle();
    diagramm_->zeigen(stand_.schlimmsteZeile(), stand_.eingaben.standard, stand_.eingaben.population,
                      stand_.gelesen.places, einheiten_, lang);
    modell_.setStand(&stand_);
    // The table over the frequencies only while the tuning range has some.
    findChild<QWidget*>(QStringLiteral("wdgBereich"))->setVisible(stand_.hatBereich);
    bereich_->setText(qs(texte::kUeberBereich, lang)
                          .arg(qs(StandardName(stand_.eingaben.standard, lang)),
                               qs(PopulationName(stand_.eingaben.population, lang))));
    modellText_->setText(qs(ModellText(lang, einheiten_)));
    findChild<QPushButton*>(QStringLiteral("cmdDrucken"))->setEnabled(stand_.ergebnis() != nullptr);
}

void ExposureWindow::normTabelle() {
    const std::vector<NormZeile> zeilen = NormZeilen(stand_);
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        const bool gewaehlt = z == stand_.slot();
        for (int s = 0; s < zeilen[z].zellen.size(); ++s) {
            auto* zelle = new QTableWidgetItem(zeilen[z].zellen[s]);
            zelle->setTextAlignment((s < 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            QFont f = zelle->font();
            f.setBold(s == zeilen[z].massgebend || (s == 7 && zeilen[z].massgebend >= 0));
            zelle->setFont(f);
            if (gewaehlt) zelle->setBackground(kGewaehlt);
            normen_->setItem(static_cast<int>(z), s, zelle);
        }
    }
}

void ExposureWindow::ortTabelle() {
    const QSignalBlocker ruhig(orte_);
    for (int z = 0; z < orte_->rowCount(); ++z) {
        const auto zeile = static_cast<std::size_t>(z);
        const OrtZellen zellen = OrtUrteile(stand_, zeile);
        const std::string& grund = zeile < stand_.gelesen.placeReasons.size() ? stand_.gelesen.placeReasons[zeile] : "";
        if (QTableWidgetItem* m = orte_->item(z, 1)) {
            m->setToolTip(qs(grund));
            m->setForeground(grund.empty() ? QBrush() : QBrush(Qt::red));
        }
        for (int s = 0; s < zellen.urteile.size(); ++s) {
            auto* zelle = new QTableWidgetItem(zellen.urteile[s]);
            zelle->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            zelle->setToolTip(zellen.felder[s]);
            zelle->setTextAlignment(Qt::AlignCenter);
            const int ok = zellen.ok[static_cast<std::size_t>(s)];
            if (ok >= 0) zelle->setBackground(ok ? kEingehalten : kUeber);
            orte_->setItem(z, kOrtFeste + s, zelle);
        }
    }
}

// ---------------------------------------------------------------- settings

KeptTexts ExposureWindow::keptTexts() const {
    const KeyTexts texte = Eingaben();
    return {texte.begin(), texte.end()};
}

void ExposureWindow::restoreKept(const KeptTexts& texte) {
    felderSetzen(OrteIn(AusSchluesseln(KeyTexts(texte.begin(), texte.end())), Units::Metric, einheiten_,
                        std::string(Dezimaltrenner(sprache()))));
}

// ---------------------------------------------------------------- report

void ExposureWindow::drucken() {
    PrintReport(*this, dienste(),
                {TextWindow::Exposure, sprache(), QPageLayout::Portrait,
                 [this](QPagedPaintDevice& device) {
                     return ExposureReport(stand_, QDateTime::currentDateTime()).drucken(device);
                 },
                 std::string(tuning::texte::kNichtGespeichert.in(sprache()))});
}

}  // namespace ringfeld::exposure
