// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "tuning/tuning_window.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "export/tuning_export.h"
#include "platform/file_proposal.h"
#include "platform/qt_text.h"
#include "platform/report_dialog.h"
#include "platform/saved_file.h"
#include "presentation/tuning_report_inputs.h"
#include "presentation/tuning_row_texts.h"
#include "text/input_rules.h"
#include "text/language.h"
#include "text/window_texts.h"
#include "tuning/tuning_chart.h"
#include "tuning/tuning_summary.h"

namespace ringfeld::tuning {
namespace {

// The fields' layout names, labels and settings keys, in the order of Field.
struct FeldName {
    const char* feld;
    const char* label;
    const char* grund;
    const char* schluessel;
};
constexpr std::array<FeldName, kFieldCount> kFelder{{
    {"txtVon", "lblVon", "grundVon", "Von"},
    {"txtBis", "lblBis", "grundBis", "Bis"},
    {"txtSchritt", "lblSchritt", "grundSchritt", "Schritt"},
    {"txtGuete", "lblGuete", "grundGuete", "Guete"},
    {"txtErde", "lblErde", "grundErde", "Erde"},
    {"txtStreu", "lblStreu", "grundStreu", "Streu"},
    {"txtCmin", "lblCmin", "grundCmin", "Cmin"},
    {"txtCmax", "lblCmax", "grundCmax", "Cmax"},
    {"txtUmax", "lblUmax", "grundUmax", "Umax"},
    {"txtMessFrequenz", "lblMessFrequenz", "grundMessFrequenz", "MessFrequenz"},
    {"txtMessBandbreite", "lblMessBandbreite", "grundMessBandbreite", "MessBandbreite"},
    {"txtMessSwr", "lblMessSwr", "grundMessSwr", "MessSwr"},
}};
constexpr const char* kBandSchluessel = "Band";

constexpr int kBreiteFeld = 90;     // pixels of an input field
constexpr int kBreiteGrund = 150;   // pixels of the reason beside it
constexpr int kSpaltenBreite = 86;  // pixels of a table column at least
constexpr int kKopfRand = 12;       // pixels a heading needs beside its text
constexpr QSize kStartGroesse(1180, 900);
constexpr int kDiagrammMindesthoehe = 200;  // pixels: room for the axes' labels and the legend
constexpr int kTabellenMindesthoehe = 90;   // pixels: the headings and a few rows

// Which group box each field stands in.
int gruppe(Field f) {
    if (f <= Field::Step) return 0;
    if (f <= Field::CapVolts) return 1;
    return 2;
}

// The name UI automation and the caption table know the window by is kept from its first release.
constexpr ToolWindowKind kFenster{"frmAbstimmbereich", TextWindow::Tuning, kSettingsGroup, kStartGroesse};

// The kept texts as the window's inputs; a field not kept has its start text.
GespeicherteEingaben AusGespeichert(const KeptTexts& texte) {
    GespeicherteEingaben out;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto it = texte.find(kFelder[i].schluessel);
        out.felder[i] = it == texte.end() ? kFieldDefaults[i] : it->second;
    }
    const auto band = texte.find(kBandSchluessel);
    const int eintrag = band == texte.end() ? kStartBand : qs(band->second).toInt();
    out.band = eintrag >= 0 && eintrag <= static_cast<int>(kBands.size()) ? eintrag : 0;
    return out;
}

}  // namespace

GespeicherteEingaben EingabenImSpeicher(const QString& settingsFile) {
    return AusGespeichert(ReadKeptTexts(kSettingsGroup, settingsFile));
}

TuningWindow::TuningWindow(DesignRecord& rec, DesktopServices& dienste, std::function<LoopEingaben()> schleife,
                           QWidget& neben, QString settingsFile)
    : ToolWindow(kFenster, {rec, dienste, neben, std::move(settingsFile)}), schleife_(std::move(schleife)) {}

TuningWindow::~TuningWindow() = default;

void TuningWindow::build() {
    auto* aussen = new QVBoxLayout(this);
    gruppenRaster_ = new QGridLayout;
    aussen->addLayout(gruppenRaster_);

    std::array<QGridLayout*, 3> raster{};
    const char* gruppen[] = {"grpBereich", "grpVerluste", "grpMessung"};
    for (std::size_t i = 0; i < 3; ++i) {
        auto* box = new QGroupBox(this);
        box->setObjectName(QString::fromLatin1(gruppen[i]));
        raster[i] = new QGridLayout(box);
        gruppen_[i] = box;
    }
    arrange(false);

    // The band list heads the range group.
    auto* bandLabel = new QLabel(this);
    bandLabel->setObjectName(QStringLiteral("lblBand"));
    band_ = new QComboBox(this);
    band_->setObjectName(QStringLiteral("cboBand"));
    bandLabel->setBuddy(band_);
    raster[0]->addWidget(bandLabel, 0, 0);
    raster[0]->addWidget(band_, 0, 1);

    for (std::size_t i = 0; i < kFieldCount; ++i) {
        QGridLayout& g = *raster[static_cast<std::size_t>(gruppe(static_cast<Field>(i)))];
        const int zeile = g.rowCount();
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(kFelder[i].label));
        auto* feld = new QLineEdit(this);
        feld->setObjectName(QString::fromLatin1(kFelder[i].feld));
        feld->setFixedWidth(kBreiteFeld);
        label->setBuddy(feld);
        auto* grund = new QLabel(this);
        grund->setObjectName(QString::fromLatin1(kFelder[i].grund));
        grund->setStyleSheet(QStringLiteral("color: #b00000;"));
        // A reason that comes and goes must not move the fields the user is typing in.
        grund->setWordWrap(true);
        grund->setFixedWidth(kBreiteGrund);
        g.addWidget(label, zeile, 0);
        g.addWidget(feld, zeile, 1);
        g.addWidget(grund, zeile, 2);
        felder_[i] = feld;
        gruende_[i] = grund;
    }
    for (QGridLayout* g : raster) {
        g->setColumnStretch(2, 1);
        g->setRowStretch(g->rowCount(), 1);
    }
    messErgebnis_ = new QLabel(this);
    messErgebnis_->setObjectName(QStringLiteral("lblMessErgebnis"));
    messErgebnis_->setWordWrap(true);
    messErgebnis_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    raster[2]->addWidget(messErgebnis_, raster[2]->rowCount(), 0, 1, 3);

    // The loop the sheet computes, then the summary strip and the commands.
    schleifenZeile_ = new QLabel(this);
    schleifenZeile_->setObjectName(QStringLiteral("lblSchleife"));
    schleifenZeile_->setWordWrap(true);
    schleifenZeile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    schleifenZeile_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    aussen->addWidget(schleifenZeile_);
    auto* leiste = new QHBoxLayout;
    aussen->addLayout(leiste);
    zusammenfassung_ = new QLabel(this);
    zusammenfassung_->setObjectName(QStringLiteral("lblZusammenfassung"));
    zusammenfassung_->setWordWrap(true);
    zusammenfassung_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // However long a number, the strip wraps instead of widening the window.
    zusammenfassung_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    messErgebnis_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    leiste->addWidget(zusammenfassung_, 1);
    for (const char* name : {"cmdCsv", "cmdJson", "cmdDrucken"}) {
        auto* knopf = new QPushButton(this);
        knopf->setObjectName(QString::fromLatin1(name));
        leiste->addWidget(knopf);
    }

    // The table above the chart.
    auto* teiler = new QSplitter(Qt::Vertical, this);
    teiler->setObjectName(QStringLiteral("splTeiler"));
    aussen->addWidget(teiler, 1);
    tabelle_ = new QTableView(teiler);
    tabelle_->setObjectName(QStringLiteral("tblZeilen"));
    tabelle_->setModel(&modell_);
    tabelle_->setAlternatingRowColors(true);
    tabelle_->verticalHeader()->setVisible(false);
    // Fixed sizes: measuring 1,000 rows at every keystroke would cost more than computing them.
    tabelle_->horizontalHeader()->setDefaultSectionSize(kSpaltenBreite);
    tabelle_->horizontalHeader()->setStretchLastSection(true);
    tabelle_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabelle_->verticalHeader()->setDefaultSectionSize(tabelle_->fontMetrics().height() + 4);
    chart_ = new QChart;
    diagramm_ = std::make_unique<TuningChart>(*chart_);
    diagrammAnsicht_ = new QChartView(chart_, teiler);
    diagrammAnsicht_->setObjectName(QStringLiteral("chtDiagramm"));
    // Smoothed wide lines cost several times the whole rest of a keystroke's redraw.
    diagrammAnsicht_->setRenderHint(QPainter::Antialiasing, false);
    diagrammAnsicht_->setMinimumHeight(kDiagrammMindesthoehe);
    tabelle_->setMinimumHeight(kTabellenMindesthoehe);
    teiler->setSizes({kDiagrammMindesthoehe, kDiagrammMindesthoehe});

    band_->addItem(QString());  // the list is filled with the language; keep the index
    for (const Band& b : kBands) band_->addItem(qs(b.name));
}

// Three groups side by side, or (`zwei`) range and measurement in one column and the
// losses beside them, for a narrow screen.
void TuningWindow::arrange(bool zwei) {
    for (QWidget* g : gruppen_) gruppenRaster_->removeWidget(g);
    if (zwei) {
        gruppenRaster_->addWidget(gruppen_[0], 0, 0);
        gruppenRaster_->addWidget(gruppen_[2], 1, 0);
        gruppenRaster_->addWidget(gruppen_[1], 0, 1, 2, 1);
    } else {
        for (int i = 0; i < 3; ++i) gruppenRaster_->addWidget(gruppen_[static_cast<std::size_t>(i)], 0, i);
    }
    layout()->activate();
}

// Every heading fits its column in the language.
void TuningWindow::spaltenBreiten() {
    QHeaderView& kopf = *tabelle_->horizontalHeader();
    const QFontMetrics fm(kopf.font());
    for (int i = 0; i + 1 < modell_.columnCount(); ++i)
        kopf.resizeSection(
            i, std::max(kSpaltenBreite, fm.horizontalAdvance(TuningModel::heading(i, sprache())) + 2 * kKopfRand));
}

void TuningWindow::connectInputs() {
    // The window's own fields; typing a bound leaves the band chosen in the list.
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        connect(felder_[i], &QLineEdit::textChanged, this, [this] { inputChanged(); });
        if (static_cast<Field>(i) <= Field::To)
            connect(felder_[i], &QLineEdit::textEdited, this, [this] { band_->setCurrentIndex(0); });
    }
    connect(band_, &QComboBox::currentIndexChanged, this, [this](int index) {
        bandGewaehlt(index);
        inputChanged();
    });

    connect(findChild<QPushButton*>(QStringLiteral("cmdCsv")), &QPushButton::clicked, this,
            [this] { exportieren(false); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdJson")), &QPushButton::clicked, this,
            [this] { exportieren(true); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdDrucken")), &QPushButton::clicked, this, [this] { drucken(); });
}

void TuningWindow::applyLanguage(Language lang) {
    {
        const QSignalBlocker ruhig(band_);
        const int gewaehlt = std::max(0, band_->currentIndex());
        band_->clear();
        band_->addItem(qs(texte::kEigenerBereich.in(lang)));
        for (const Band& b : kBands) band_->addItem(qs(b.name));
        band_->setCurrentIndex(gewaehlt);
    }
    spaltenBreiten();
    Rechnen();
}

void TuningWindow::bandGewaehlt(int index) {
    if (index < 1 || index > static_cast<int>(kBands.size())) return;
    const Band& b = kBands[static_cast<std::size_t>(index - 1)];
    const Language lang = sprache();
    felder_[static_cast<std::size_t>(Field::From)]->setText(ZahlText(b.fromMHz, 4, lang));
    felder_[static_cast<std::size_t>(Field::To)]->setText(ZahlText(b.toMHz, 4, lang));
    felder_[static_cast<std::size_t>(Field::Step)]->setText(ZahlText(b.stepMHz, 4, lang));
}

FieldTexts TuningWindow::Felder() const {
    FieldTexts texte;
    for (std::size_t i = 0; i < kFieldCount; ++i) texte[i] = str(felder_[i]->text());
    return texte;
}

int TuningWindow::BandEintrag() const { return std::max(0, band_->currentIndex()); }

void TuningWindow::FelderSetzen(const FieldTexts& texte, int band) {
    {
        // The band's own bounds must not overwrite the fields given.
        const QSignalBlocker ruhig(band_);
        band_->setCurrentIndex(band >= 0 && band < band_->count() ? band : 0);
    }
    const Language lang = sprache();
    for (std::size_t i = 0; i < kFieldCount; ++i) felder_[i]->setText(qs(MitTrenner(texte[i], lang)));
}

void TuningWindow::compute() {
    const Language lang = sprache();
    const ReadOptions gelesen = LiesOptionen(Felder(), lang);
    for (std::size_t i = 0; i < kFieldCount; ++i) gruende_[i]->setText(qs(gelesen.reasons[i]));

    // An unusable field leaves the sheet empty: no row from half-read inputs.
    Sheet sheet;
    schleifenTexte_ = schleife_();
    if (gelesen.options) sheet = BerechneAbstimmbereich(LoopLesen(schleifenTexte_), *gelesen.options);
    modell_.setSheet(std::move(sheet), lang);
    // A refused row's reason stands across the row.
    tabelle_->clearSpans();
    for (int r = 0; r < modell_.rowCount(); ++r)
        if (modell_.verworfen(r)) tabelle_->setSpan(r, 1, 1, modell_.columnCount() - 1);
    diagramm_->zeigen(modell_.sheet(), lang);
    schleifenZeile_->setText(gelesen.options ? qs(texte::kSchleifeVorsatz.in(lang)) +
                                                   SchleifenText(modell_.sheet(), lang, rec().Einheiten)
                                             : QString());
    zusammenfassung_->setText(gelesen.options ? Zusammenfassung(modell_.sheet(), lang).join(QStringLiteral("  ·  "))
                                              : qs(texte::kEingabenPruefen.in(lang)));
    messErgebnis_->setText(gelesen.options ? MessErgebnis(modell_.sheet(), lang) : QString());
    for (const char* name : {"cmdCsv", "cmdJson", "cmdDrucken"})
        findChild<QPushButton*>(QString::fromLatin1(name))->setEnabled(gelesen.options.has_value());
    emit BlattGeaendert();
}

void TuningWindow::hidden() { emit BlattGeaendert(); }

// ---------------------------------------------------------------- settings

KeptTexts TuningWindow::keptTexts() const {
    KeptTexts texte;
    for (std::size_t i = 0; i < kFieldCount; ++i) texte[kFelder[i].schluessel] = str(felder_[i]->text());
    texte[kBandSchluessel] = std::to_string(band_->currentIndex());
    return texte;
}

void TuningWindow::restoreKept(const KeptTexts& texte) {
    const GespeicherteEingaben gespeichert = AusGespeichert(texte);
    FelderSetzen(gespeichert.felder, gespeichert.band);
}

// ---------------------------------------------------------------- exports and report

void TuningWindow::exportieren(bool json) {
    const Language lang = sprache();
    const QString name = QFileDialog::getSaveFileName(
        this, qs((json ? texte::kJsonTitel : texte::kCsvTitel).in(lang)),
        ProposedFile(TextWindow::Tuning, lang, json ? QStringLiteral("json") : QStringLiteral("csv")),
        json ? QStringLiteral("JSON (*.json)") : QStringLiteral("CSV (*.csv)"));
    if (name.isEmpty()) return;
    const SheetExport sheet{schleifenTexte_, modell_.sheet(), lang};
    const std::string inhalt = json ? SheetJson(sheet) : SheetCsv(sheet);
    SaveOrSay(dienste(), name, inhalt, lang);
}

BerichtInhalt TuningWindow::berichtInhalt() const {
    BerichtInhalt inhalt;
    inhalt.sheet = &modell_.sheet();
    inhalt.lang = sprache();
    inhalt.datum = QDateTime::currentDateTime();
    inhalt.units = rec().Einheiten;
    // The loop's fields as the sheet was computed from them, then the window's own.
    inhalt.eingaben = BerichtEingaben(schleifenTexte_, Felder(), BandEintrag() > 0 ? str(band_->currentText()) : "",
                                      inhalt.lang, rec().Einheiten);
    return inhalt;
}

void TuningWindow::drucken() {
    // The table has room for its notes across a landscape page.
    PrintReport(*this, dienste(),
                {TextWindow::Tuning, sprache(), QPageLayout::Landscape,
                 [this](QPagedPaintDevice& device) { return TuningReport(berichtInhalt()).drucken(device); },
                 std::string(texte::kNichtGespeichert.in(sprache()))});
}

}  // namespace ringfeld::tuning
