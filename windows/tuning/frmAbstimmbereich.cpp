// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "tuning/frmAbstimmbereich.h"

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
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "export/tuning_export.h"
#include "forms/accessibility.h"
#include "forms/forms.h"
#include "forms/sprach_anwendung.h"
#include "platform/qt_text.h"
#include "platform/settings_store.h"
#include "text/abstimm_texte.h"
#include "text/input_rules.h"
#include "text/language.h"
#include "text/sprach_texte.h"
#include "tuning/abstimm_diagramm.h"
#include "tuning/abstimm_zusammenfassung.h"

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
constexpr int kSpaltenBreite = 86;  // pixels of a table column
const QSize kStartGroesse(1180, 900);
constexpr int kDiagrammMindesthoehe = 260;  // pixels: room for the axes' labels

// Which group box each field stands in.
int gruppe(Field f) {
    if (f <= Field::Step) return 0;
    if (f <= Field::CapVolts) return 1;
    return 2;
}

}  // namespace

frmAbstimmbereich::frmAbstimmbereich(DesignRecord& rec, DesktopServices& dienste,
                                     std::function<LoopEingaben()> schleife, QWidget& neben, QString settingsFile)
    : QWidget(nullptr, Qt::Window),
      rec_(rec),
      dienste_(dienste),
      schleife_(std::move(schleife)),
      neben_(neben),
      settingsFile_(std::move(settingsFile)) {
    setObjectName(QStringLiteral("frmAbstimmbereich"));
    initUiResources();
    setWindowIcon(QIcon(QString::fromLatin1(kFensterSymbol)));
    aufbauen();
    einstellungenLesen();
    SpracheAnwenden();
    verbinden();
    exposeObjectNames(this);
    resize(kStartGroesse);
}

frmAbstimmbereich::~frmAbstimmbereich() {
    try {
        einstellungenSchreiben();
    } catch (...) {}
}

void frmAbstimmbereich::aufbauen() {
    auto* aussen = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    aussen->addLayout(oben);

    std::array<QGridLayout*, 3> raster{};
    const char* gruppen[] = {"grpBereich", "grpVerluste", "grpMessung"};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QGroupBox(this);
        box->setObjectName(QString::fromLatin1(gruppen[i]));
        raster[static_cast<std::size_t>(i)] = new QGridLayout(box);
        oben->addWidget(box, 1);
    }

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

    // The summary strip and the commands.
    auto* leiste = new QHBoxLayout;
    aussen->addLayout(leiste);
    zusammenfassung_ = new QLabel(this);
    zusammenfassung_->setObjectName(QStringLiteral("lblZusammenfassung"));
    zusammenfassung_->setWordWrap(true);
    zusammenfassung_->setTextInteractionFlags(Qt::TextSelectableByMouse);
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
    diagramm_ = std::make_unique<AbstimmDiagramm>(*chart_);
    diagrammAnsicht_ = new QChartView(chart_, teiler);
    diagrammAnsicht_->setObjectName(QStringLiteral("chtDiagramm"));
    // Smoothed wide lines cost several times the whole rest of a keystroke's redraw.
    diagrammAnsicht_->setRenderHint(QPainter::Antialiasing, false);
    diagrammAnsicht_->setMinimumHeight(kDiagrammMindesthoehe);
    teiler->setSizes({kDiagrammMindesthoehe, kDiagrammMindesthoehe});
}

void frmAbstimmbereich::verbinden() {
    spaeter_.setSingleShot(true);
    spaeter_.setInterval(0);
    connect(&spaeter_, &QTimer::timeout, this, [this] { Rechnen(); });
    auto neu = [this] { LoopGeaendert(); };

    // The window's own fields; typing a bound leaves the band chosen in the list.
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        connect(felder_[i], &QLineEdit::textChanged, this, neu);
        if (static_cast<Field>(i) <= Field::To)
            connect(felder_[i], &QLineEdit::textEdited, this, [this] { band_->setCurrentIndex(0); });
    }
    connect(band_, &QComboBox::currentIndexChanged, this, [this](int index) {
        bandGewaehlt(index);
        emit EingabenGeaendert();
    });
    for (QLineEdit* feld : felder_) connect(feld, &QLineEdit::textChanged, this, &frmAbstimmbereich::EingabenGeaendert);

    connect(findChild<QPushButton*>(QStringLiteral("cmdCsv")), &QPushButton::clicked, this,
            [this] { exportieren(false); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdJson")), &QPushButton::clicked, this,
            [this] { exportieren(true); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdDrucken")), &QPushButton::clicked, this, [this] { drucken(); });
}

Language frmAbstimmbereich::sprache() const {
    const Language lang = SpracheVon(rec_.Sprache);
    return lang == Language::None ? kStandardSprache : lang;
}

void frmAbstimmbereich::LoopGeaendert() {
    if (isVisible()) spaeter_.start();
}

void frmAbstimmbereich::SpracheAnwenden() {
    const Language lang = SpracheVon(rec_.Sprache);
    if (lang == Language::None) return;  // as in the main window: the texts stay
    for (const SprachText& row : SprachTexte())
        if (row.window == TextWindow::Tuning) TextAnwenden(row, lang, *this);
    {
        const QSignalBlocker ruhig(band_);
        const int gewaehlt = std::max(0, band_->currentIndex());
        band_->clear();
        band_->addItem(qs(texte::kEigenerBereich.in(lang)));
        for (const Band& b : kBands) band_->addItem(qs(b.name));
        band_->setCurrentIndex(gewaehlt);
    }
    Rechnen();
}

void frmAbstimmbereich::bandGewaehlt(int index) {
    if (index < 1 || index > static_cast<int>(kBands.size())) return;
    const Band& b = kBands[static_cast<std::size_t>(index - 1)];
    felder_[static_cast<std::size_t>(Field::From)]->setText(ZahlText(b.fromMHz, 4));
    felder_[static_cast<std::size_t>(Field::To)]->setText(ZahlText(b.toMHz, 4));
    felder_[static_cast<std::size_t>(Field::Step)]->setText(ZahlText(b.stepMHz, 4));
}

FieldTexts frmAbstimmbereich::Felder() const {
    FieldTexts texte;
    for (std::size_t i = 0; i < kFieldCount; ++i) texte[i] = str(felder_[i]->text());
    return texte;
}

int frmAbstimmbereich::BandEintrag() const { return std::max(0, band_->currentIndex()); }

void frmAbstimmbereich::FelderSetzen(const FieldTexts& texte, int band) {
    {
        // The band's own bounds must not overwrite the fields given.
        const QSignalBlocker ruhig(band_);
        band_->setCurrentIndex(band >= 0 && band < band_->count() ? band : 0);
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) felder_[i]->setText(qs(texte[i]));
}

void frmAbstimmbereich::Rechnen() {
    spaeter_.stop();
    const Language lang = sprache();
    const ReadOptions gelesen = LiesOptionen(Felder(), lang);
    for (std::size_t i = 0; i < kFieldCount; ++i) gruende_[i]->setText(qs(gelesen.reasons[i]));

    // An unusable field leaves the sheet empty: no row from half-read inputs.
    Sheet sheet;
    schleifenTexte_ = schleife_();
    if (gelesen.options) sheet = BerechneAbstimmbereich(LoopLesen(schleifenTexte_), *gelesen.options);
    modell_.setSheet(std::move(sheet), lang);
    diagramm_->zeigen(modell_.sheet(), lang);
    zusammenfassung_->setText(gelesen.options ? Zusammenfassung(modell_.sheet(), lang).join(QStringLiteral("  ·  "))
                                              : qs(texte::kEingabenPruefen.in(lang)));
    messErgebnis_->setText(gelesen.options ? MessErgebnis(modell_.sheet(), lang) : QString());
    for (const char* name : {"cmdCsv", "cmdJson", "cmdDrucken"})
        findChild<QPushButton*>(QString::fromLatin1(name))->setEnabled(gelesen.options.has_value());
    emit BlattGeaendert();
}

void frmAbstimmbereich::Zeigen() {
    // The first time it stands right of the main window, as far as the screen allows.
    if (!platziert_) {
        platziert_ = true;
        QPoint ziel = neben_.frameGeometry().topRight() + QPoint(1, 0);
        if (const QScreen* schirm = neben_.screen()) {
            const QRect frei = schirm->availableGeometry();
            // Before the first show the layout has not yet grown the window to its minimum.
            const QSize groesse = frameGeometry().size().expandedTo(minimumSizeHint());
            ziel.setX(std::max(frei.left(), std::min(ziel.x(), frei.right() + 1 - groesse.width())));
            ziel.setY(std::max(frei.top(), std::min(ziel.y(), frei.bottom() + 1 - groesse.height())));
        }
        move(ziel);
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    Rechnen();
}

void frmAbstimmbereich::hideEvent(QHideEvent* event) {
    einstellungenSchreiben();
    QWidget::hideEvent(event);
    emit BlattGeaendert();
}

// ---------------------------------------------------------------- settings

GespeicherteEingaben EingabenImSpeicher(const QString& settingsFile) {
    GespeicherteEingaben out;
    auto store = settings::open(settingsFile, kSettingsApplication);
    store->beginGroup(qs(kSettingsGroup));
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const QVariant wert = store->value(QString::fromLatin1(kFelder[i].schluessel));
        // An INI value with a comma reads back as a list; the stored text is wanted.
        const QString text = !wert.isValid()                           ? qs(kFieldDefaults[i])
                             : wert.typeId() == QMetaType::QStringList ? wert.toStringList().join(QLatin1Char(','))
                                                                       : wert.toString();
        out.felder[i] = str(text);
    }
    const int band = store->value(QString::fromLatin1(kBandSchluessel), 4).toInt();  // 40 m
    out.band = band >= 0 && band <= static_cast<int>(kBands.size()) ? band : 0;
    return out;
}

void frmAbstimmbereich::einstellungenLesen() {
    const GespeicherteEingaben gespeichert = EingabenImSpeicher(settingsFile_);
    for (std::size_t i = 0; i < kFieldCount; ++i) felder_[i]->setText(qs(gespeichert.felder[i]));
    band_->addItem(QString());  // the list is filled with the language; keep the index
    for (const Band& b : kBands) band_->addItem(qs(b.name));
    band_->setCurrentIndex(gespeichert.band);
}

void frmAbstimmbereich::einstellungenSchreiben() const {
    auto store = settings::open(settingsFile_, kSettingsApplication);
    if (!store->isWritable()) return;
    store->beginGroup(qs(kSettingsGroup));
    for (std::size_t i = 0; i < kFieldCount; ++i)
        store->setValue(QString::fromLatin1(kFelder[i].schluessel), felder_[i]->text());
    store->setValue(QString::fromLatin1(kBandSchluessel), band_->currentIndex());
    store->endGroup();
    store->sync();
}

// ---------------------------------------------------------------- exports and report

void frmAbstimmbereich::exportieren(bool json) {
    const Language lang = sprache();
    const QString name = QFileDialog::getSaveFileName(
        this, qs((json ? texte::kJsonTitel : texte::kCsvTitel).in(lang)),
        json ? QStringLiteral("abstimmbereich.json") : QStringLiteral("abstimmbereich.csv"),
        json ? QStringLiteral("JSON (*.json)") : QStringLiteral("CSV (*.csv)"));
    if (name.isEmpty()) return;
    const SheetExport sheet{schleifenTexte_, modell_.sheet(), lang};
    const std::string inhalt = json ? SheetJson(sheet) : SheetCsv(sheet);
    QSaveFile datei(name);
    const bool ok =
        datei.open(QIODevice::WriteOnly) &&
        datei.write(inhalt.data(), static_cast<qint64>(inhalt.size())) == static_cast<qint64>(inhalt.size()) &&
        datei.commit();
    if (!ok)
        dienste_.messageBox(
            Meldung{std::string(texte::kNichtGespeichert.in(lang)), std::string(), BoxIcon::Exclamation});
}

BerichtInhalt frmAbstimmbereich::berichtInhalt() const {
    BerichtInhalt inhalt;
    inhalt.sheet = &modell_.sheet();
    inhalt.lang = sprache();
    inhalt.datum = QDateTime::currentDateTime();
    // The loop's fields under the main window's captions, then the window's own.
    const LoopEingaben loop = schleife_();
    const std::pair<const char*, const std::string*> schleifenTexte[] = {
        {"Label1", &loop.Text1},  {"Label5", &loop.Text3},  {"Label8", &loop.Text4},
        {"Label36", &loop.Text8}, {"Label11", &loop.Text6}, {"Label19", &loop.Text7},
        {"Label40", &loop.Text9}, {"Label7", &loop.Combo1}, {"Label17", &loop.Combo2}};
    auto ohneMarke = [](QString t) { return t.remove(QLatin1Char('&')).trimmed(); };
    for (const auto& [label, text] : schleifenTexte) {
        // The size field's caption follows the shape, as in the main window.
        const auto seite = std::string_view(label) == "Label1" ? FormBeschriftung(loop.Combo1) : std::nullopt;
        const std::string_view caption = seite ? *seite : Beschriftung(TextWindow::Main, label, inhalt.lang);
        inhalt.eingaben << ohneMarke(qs(caption)) + QLatin1Char(' ') + qs(*text);
    }
    for (std::size_t i = 0; i < kFieldCount; ++i)
        if (!felder_[i]->text().trimmed().isEmpty())
            if (auto* l = findChild<QLabel*>(QString::fromLatin1(kFelder[i].label)))
                inhalt.eingaben << ohneMarke(l->text()) + QLatin1Char(' ') + felder_[i]->text();
    return inhalt;
}

void frmAbstimmbereich::drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // Without a printer, Qt prints to a PDF file; it needs a name.
    if (drucker.outputFormat() == QPrinter::PdfFormat && drucker.outputFileName().isEmpty()) {
        const QString name = QFileDialog::getSaveFileName(this, windowTitle(), QStringLiteral("abstimmbereich.pdf"),
                                                          QStringLiteral("PDF (*.pdf)"));
        if (name.isEmpty()) return;
        drucker.setOutputFileName(name);
    }
    if (!AbstimmBericht(berichtInhalt()).drucken(drucker))
        dienste_.messageBox(
            Meldung{std::string(texte::kNichtGespeichert.in(sprache())), std::string(), BoxIcon::Exclamation});
}

}  // namespace ringfeld::tuning
