// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "vna_window/vna_window.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include "export/vna_export.h"
#include "platform/qt_text.h"
#include "platform/report_dialog.h"
#include "presentation/tuning_display.h"
#include "text/catalog/tuning_texts.h"
#include "text/catalog/vna_texts.h"
#include "text/number_format.h"
#include "text/vna_messages.h"
#include "vna_window/smith_chart.h"
#include "vna_window/vna_chart.h"
#include "vna_window/vna_report.h"

namespace ringfeld::vna {
namespace {

constexpr QSize kStartGroesse(1180, 620);
constexpr int kErgebnisBreite = 400;  // pixels of the results' column
constexpr int kDiagrammMindesthoehe = 300;
constexpr std::string_view kZuletztSchluessel = "recent";

constexpr ToolWindowKind kFenster{"frmMessung", TextWindow::Vna, kSettingsGroup, kStartGroesse};

// The local file of a drag, if it carries one.
QString gezogeneDatei(const QMimeData* daten) {
    if (!daten || !daten->hasUrls() || daten->urls().isEmpty()) return {};
    const QUrl url = daten->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

QLabel* neuesLabel(QWidget* eltern, const char* name) {
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

}  // namespace

VnaWindow::VnaWindow(DesignRecord& rec, DesktopServices& dienste, VnaAnschluss anschluss, QWidget& neben,
                     QString settingsFile)
    : ToolWindow(kFenster, {rec, dienste, neben, std::move(settingsFile)}), anschluss_(std::move(anschluss)) {}

VnaWindow::~VnaWindow() = default;

void VnaWindow::build() {
    setAcceptDrops(true);
    auto* aussen = new QVBoxLayout(this);

    // Opening a sweep.
    auto* oben = new QHBoxLayout;
    aussen->addLayout(oben);
    auto* oeffnen = new QPushButton(this);
    oeffnen->setObjectName(QStringLiteral("cmdOeffnen"));
    oben->addWidget(oeffnen);
    auto* zuletzt = neuesLabel(this, "lblZuletzt");
    zuletzt->setWordWrap(false);
    zuletztListe_ = new QComboBox(this);
    zuletztListe_->setObjectName(QStringLiteral("cboZuletzt"));
    zuletztListe_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    zuletztListe_->setMinimumContentsLength(40);
    zuletzt->setBuddy(zuletztListe_);
    oben->addWidget(zuletzt);
    oben->addWidget(zuletztListe_, 1);
    datei_ = neuesLabel(this, "lblDatei");
    aussen->addWidget(datei_);

    // The results beside the two charts.
    auto* teiler = new QSplitter(Qt::Horizontal, this);
    teiler->setObjectName(QStringLiteral("splTeiler"));
    aussen->addWidget(teiler, 1);
    auto* ergebnis = new QGroupBox(teiler);
    ergebnis->setObjectName(QStringLiteral("grpErgebnis"));
    auto* spalte = new QVBoxLayout(ergebnis);
    ergebnis_ = new QTableWidget(0, 2, ergebnis);
    ergebnis_->setObjectName(QStringLiteral("tblErgebnis"));
    ergebnis_->horizontalHeader()->setVisible(false);
    ergebnis_->verticalHeader()->setVisible(false);
    ergebnis_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ergebnis_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    ergebnis_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ergebnis_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    ergebnis_->verticalHeader()->setDefaultSectionSize(ergebnis_->fontMetrics().height() + 6);
    schleife_ = neuesLabel(ergebnis, "lblLoop");
    spalte->addWidget(ergebnis_, 1);
    spalte->addWidget(schleife_);

    auto* swr = new QGroupBox(teiler);
    swr->setObjectName(QStringLiteral("grpSwr"));
    auto* swrSpalte = new QVBoxLayout(swr);
    chart_ = new QChart;
    diagramm_ = std::make_unique<VnaChart>(*chart_);
    diagrammAnsicht_ = new QChartView(chart_, swr);
    diagrammAnsicht_->setObjectName(QStringLiteral("chtSwr"));
    diagrammAnsicht_->setMinimumHeight(kDiagrammMindesthoehe);
    diagrammAnsicht_->setRenderHint(QPainter::Antialiasing);
    swrSpalte->addWidget(diagrammAnsicht_);

    auto* smith = new QGroupBox(teiler);
    smith->setObjectName(QStringLiteral("grpSmith"));
    auto* smithSpalte = new QVBoxLayout(smith);
    smith_ = new SmithView(smith);
    smith_->setObjectName(QStringLiteral("wdgSmith"));
    smithSpalte->addWidget(smith_);
    teiler->setSizes({kErgebnisBreite, kStartGroesse.width() - kErgebnisBreite - kStartGroesse.height() / 2,
                      kStartGroesse.height() / 2});

    // Using the fit, and the print command.
    auto* unten = new QHBoxLayout;
    aussen->addLayout(unten);
    unten->addStretch(1);
    for (const char* name : {"cmdUebernehmen", "cmdDrucken"}) {
        auto* knopf = new QPushButton(this);
        knopf->setObjectName(QString::fromLatin1(name));
        unten->addWidget(knopf);
    }
}

void VnaWindow::connectInputs() {
    connect(findChild<QPushButton*>(QStringLiteral("cmdOeffnen")), &QPushButton::clicked, this,
            [this] { oeffnenDialog(); });
    connect(zuletztListe_, &QComboBox::activated, this, [this](int index) {
        if (index > 0) MessungOeffnen(str(zuletztListe_->itemData(index).toString()));
        zuletztZeigen();
    });
    connect(findChild<QPushButton*>(QStringLiteral("cmdUebernehmen")), &QPushButton::clicked, this, [this] {
        if (fit_ && anschluss_.nutzen) anschluss_.nutzen(*fit_);
    });
    connect(findChild<QPushButton*>(QStringLiteral("cmdDrucken")), &QPushButton::clicked, this, [this] { drucken(); });
}

void VnaWindow::applyLanguage(Language) {
    zuletztZeigen();
    Rechnen();
}

// ---------------------------------------------------------------- opening

bool VnaWindow::MessungOeffnen(const std::string& pfad) {
    const Language lang = sprache();
    const std::string sep(Dezimaltrenner(lang));
    const QFileInfo info(qs(pfad));
    const std::string name = str(info.fileName());
    auto abweisen = [&](const std::string& text) {
        dienste().messageBox(Meldung{text, std::string(), BoxIcon::Exclamation});
        return false;
    };
    TouchstoneRead gelesen = ReadTouchstoneFile(pfad);
    if (!gelesen.sweep) return abweisen(LeseMeldung(name, *gelesen.refusal, lang, sep));
    const FitOutcome fit = FitResonance(*gelesen.sweep);
    if (!fit.fit) return abweisen(FitMeldung(name, *fit.refusal, lang, sep));

    fit_ = *fit.fit;
    stand_.sweep = std::move(*gelesen.sweep);
    stand_.datei = str(info.absoluteFilePath());
    zuletzt_.erase(std::remove(zuletzt_.begin(), zuletzt_.end(), stand_.datei), zuletzt_.end());
    zuletzt_.insert(zuletzt_.begin(), stand_.datei);
    if (zuletzt_.size() > kRecentSweeps) zuletzt_.resize(kRecentSweeps);
    zuletztZeigen();
    Rechnen();
    emit EingabenGeaendert();
    return true;
}

void VnaWindow::oeffnenDialog() {
    const Language lang = sprache();
    const std::string start = stand_.datei.empty() ? std::string() : str(QFileInfo(qs(stand_.datei)).absolutePath());
    const std::string pfad = dienste().chooseOpenFile(
        DateiDialog{std::string(texte::kDateiDialog.in(lang)), std::string(texte::kDateiFilter.in(lang)), start, {}});
    if (!pfad.empty()) MessungOeffnen(pfad);
}

void VnaWindow::zuletztZeigen() {
    const QSignalBlocker ruhig(zuletztListe_);
    zuletztListe_->clear();
    zuletztListe_->addItem(QString());
    for (const std::string& pfad : zuletzt_) zuletztListe_->addItem(QFileInfo(qs(pfad)).fileName(), qs(pfad));
    for (int i = 1; i < zuletztListe_->count(); ++i)
        zuletztListe_->setItemData(i, zuletztListe_->itemData(i), Qt::ToolTipRole);
    zuletztListe_->setEnabled(!zuletzt_.empty());
}

void VnaWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!gezogeneDatei(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void VnaWindow::dropEvent(QDropEvent* event) {
    const QString datei = gezogeneDatei(event->mimeData());
    if (datei.isEmpty()) return;
    event->acceptProposedAction();
    MessungOeffnen(str(datei));
}

// ---------------------------------------------------------------- the design file's group

std::map<std::string, std::string> VnaWindow::Eingaben() const {
    if (!fit_) return {};
    FitTexts texte = FitAlsTexte(*fit_);
    texte[std::string(kSweepFileKey)] = stand_.datei;
    return texte;
}

void VnaWindow::EingabenSetzen(const std::map<std::string, std::string>& texte) {
    const auto datei = texte.find(std::string(kSweepFileKey));
    const std::string pfad = datei == texte.end() ? std::string() : datei->second;
    // The sweep itself where it still reads and fits, else the fit the design kept.
    if (!pfad.empty()) {
        TouchstoneRead gelesen = ReadTouchstoneFile(pfad);
        const FitOutcome fit = gelesen.sweep ? FitResonance(*gelesen.sweep) : FitOutcome{};
        if (fit.fit) {
            fit_ = *fit.fit;
            stand_.sweep = std::move(*gelesen.sweep);
            stand_.datei = pfad;
            SpaeterRechnen();
            return;
        }
    }
    fit_ = FitAusTexten(texte);
    stand_.sweep.reset();
    stand_.datei = fit_ ? pfad : std::string();
    SpaeterRechnen();
}

// ---------------------------------------------------------------- computing and showing

void VnaWindow::compute() {
    const Language lang = sprache();
    stand_.lang = lang;
    stand_.sep = Dezimaltrenner(lang);
    stand_.units = rec().Einheiten;
    stand_.loop = LoopLesen(anschluss_.schleife());
    stand_.messung.reset();
    if (fit_) {
        tuning::SheetOptions optionen;
        if (const tuning::ReadOptions o = tuning::LiesOptionen(anschluss_.abstimmung(), lang); o.options) {
            optionen.capacitorQ = o.options->capacitorQ;
            optionen.groundRatio = o.options->groundRatio;
            optionen.strayPf = o.options->strayPf;
        }
        stand_.messung = MessungAufLoop(*fit_, stand_.loop, optionen);
    }

    const QString name = QFileInfo(qs(stand_.datei)).fileName();
    if (!fit_) {
        datei_->setText(qs(texte::kKeineMessung, lang));
    } else if (stand_.sweep) {
        const std::vector<double>& f = stand_.sweep->frequencyHz;
        auto mhz = [&](double hz) { return qs(FormatZahl(hz / 1e6, Muster("0.0#####"), stand_.sep)); };
        datei_->setText(
            qs(texte::kTextMessung, lang).arg(name, QString::number(f.size()), mhz(f.front()), mhz(f.back())));
    } else {
        datei_->setText(qs(texte::kGespeicherteMessung, lang).arg(name));
    }
    datei_->setToolTip(qs(stand_.datei));

    const std::vector<ResultLine> zeilen =
        stand_.messung ? ResultLines(*stand_.messung, lang, stand_.sep) : std::vector<ResultLine>{};
    ergebnis_->setRowCount(static_cast<int>(zeilen.size()));
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        auto* wert = new QTableWidgetItem(qs(zeilen[i].value));
        wert->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ergebnis_->setItem(static_cast<int>(i), 0, new QTableWidgetItem(qs(zeilen[i].caption)));
        ergebnis_->setItem(static_cast<int>(i), 1, wert);
    }
    QString loop =
        qs(texte::kTextLoop, lang).arg(qs(tuning::SchleifenZeile(stand_.loop, lang, stand_.sep, stand_.units)));
    if (stand_.messung)
        if (const std::string refusal = LoopRefusal(*stand_.messung, stand_.loop, lang); !refusal.empty())
            loop += '\n' + qs(texte::kTextOhneLoop, lang).arg(qs(refusal));
    if (stand_.messung)
        if (const std::string notes = LoopNotes(*stand_.messung, lang); !notes.empty()) loop += '\n' + qs(notes);
    schleife_->setText(loop);

    const bool kurven = stand_.messung && stand_.sweep;
    const std::optional<VswrChartData> swr =
        kurven ? std::optional(VswrKurven(*stand_.sweep, *stand_.messung)) : std::nullopt;
    diagramm_->zeigen(swr ? &*swr : nullptr, lang);
    smith_->zeigen(kurven ? std::optional(SmithKurven(*stand_.sweep, *stand_.messung)) : std::nullopt, lang);
    findChild<QPushButton*>(QStringLiteral("cmdUebernehmen"))->setEnabled(fit_.has_value());
    findChild<QPushButton*>(QStringLiteral("cmdDrucken"))->setEnabled(fit_.has_value());
}

// ---------------------------------------------------------------- settings

KeptTexts VnaWindow::keptTexts() const {
    KeptTexts texte;
    for (std::size_t i = 0; i < zuletzt_.size(); ++i)
        texte[std::string(kZuletztSchluessel) + std::to_string(i)] = zuletzt_[i];
    return texte;
}

void VnaWindow::restoreKept(const KeptTexts& texte) {
    zuletzt_.clear();
    for (std::size_t i = 0; i < kRecentSweeps; ++i)
        if (const auto t = texte.find(std::string(kZuletztSchluessel) + std::to_string(i));
            t != texte.end() && !t->second.empty())
            zuletzt_.push_back(t->second);
    zuletztZeigen();
}

// ---------------------------------------------------------------- report

void VnaWindow::drucken() {
    PrintReport(
        *this, dienste(),
        {TextWindow::Vna, sprache(), QPageLayout::Portrait,
         [this](QPagedPaintDevice& device) { return BerichtDrucken(stand_, QDateTime::currentDateTime(), device); },
         std::string(tuning::texte::kNichtGespeichert.in(sprache()))});
}

}  // namespace ringfeld::vna
