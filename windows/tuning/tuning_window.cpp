// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "tuning/tuning_window.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include "export/tuning_export.h"
#include "forms/accessibility.h"
#include "forms/forms.h"
#include "forms/widget_texts.h"
#include "platform/qt_text.h"
#include "platform/settings_store.h"
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
constexpr const char* kGeometrieSchluessel = "Geometrie";

constexpr int kBreiteFeld = 90;     // pixels of an input field
constexpr int kBreiteGrund = 150;   // pixels of the reason beside it
constexpr int kSpaltenBreite = 86;  // pixels of a table column at least
constexpr int kKopfRand = 12;       // pixels a heading needs beside its text
const QSize kStartGroesse(1180, 900);
constexpr int kDiagrammMindesthoehe = 200;  // pixels: room for the axes' labels and the legend
constexpr int kTabellenMindesthoehe = 90;   // pixels: the headings and a few rows

// Which group box each field stands in.
int gruppe(Field f) {
    if (f <= Field::Step) return 0;
    if (f <= Field::CapVolts) return 1;
    return 2;
}

}  // namespace

TuningWindow::TuningWindow(DesignRecord& rec, DesktopServices& dienste, std::function<LoopEingaben()> schleife,
                           QWidget& neben, QString settingsFile)
    : QWidget(nullptr, Qt::Window),
      rec_(rec),
      dienste_(dienste),
      schleife_(std::move(schleife)),
      neben_(neben),
      settingsFile_(std::move(settingsFile)) {
    // The name UI automation and the caption table know the window by, kept from its first release.
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

TuningWindow::~TuningWindow() {
    try {
        einstellungenSchreiben();
    } catch (...) {}
}

void TuningWindow::aufbauen() {
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
    anordnen(false);

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
}

// Three groups side by side, or (`zwei`) range and measurement in one column and the
// losses beside them, for a narrow screen.
void TuningWindow::anordnen(bool zwei) {
    zweiSpalten_ = zwei;
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

void TuningWindow::verbinden() {
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
    for (QLineEdit* feld : felder_) connect(feld, &QLineEdit::textChanged, this, &TuningWindow::EingabenGeaendert);

    connect(findChild<QPushButton*>(QStringLiteral("cmdCsv")), &QPushButton::clicked, this,
            [this] { exportieren(false); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdJson")), &QPushButton::clicked, this,
            [this] { exportieren(true); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdDrucken")), &QPushButton::clicked, this, [this] { drucken(); });
}

Language TuningWindow::sprache() const {
    const Language lang = SpracheVon(rec_.Sprache);
    return lang == Language::None ? kStandardSprache : lang;
}

void TuningWindow::LoopGeaendert() {
    if (isVisible()) spaeter_.start();
}

void TuningWindow::SpracheAnwenden() {
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
    spaltenBreiten();
    Rechnen();
}

void TuningWindow::bandGewaehlt(int index) {
    if (index < 1 || index > static_cast<int>(kBands.size())) return;
    const Band& b = kBands[static_cast<std::size_t>(index - 1)];
    felder_[static_cast<std::size_t>(Field::From)]->setText(ZahlText(b.fromMHz, 4));
    felder_[static_cast<std::size_t>(Field::To)]->setText(ZahlText(b.toMHz, 4));
    felder_[static_cast<std::size_t>(Field::Step)]->setText(ZahlText(b.stepMHz, 4));
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
    for (std::size_t i = 0; i < kFieldCount; ++i) felder_[i]->setText(qs(texte[i]));
}

void TuningWindow::Rechnen() {
    spaeter_.stop();
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
    schleifenZeile_->setText(
        gelesen.options ? qs(texte::kSchleifeVorsatz.in(lang)) + SchleifenText(modell_.sheet(), lang) : QString());
    zusammenfassung_->setText(gelesen.options ? Zusammenfassung(modell_.sheet(), lang).join(QStringLiteral("  ·  "))
                                              : qs(texte::kEingabenPruefen.in(lang)));
    messErgebnis_->setText(gelesen.options ? MessErgebnis(modell_.sheet(), lang) : QString());
    for (const char* name : {"cmdCsv", "cmdJson", "cmdDrucken"})
        findChild<QPushButton*>(QString::fromLatin1(name))->setEnabled(gelesen.options.has_value());
    emit BlattGeaendert();
}

void TuningWindow::Zeigen() {
    if (!platziert_) {
        platziert_ = true;
        platzieren();
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    Rechnen();
}

// The first time: the size and place kept from the last run, else beside the main
// window, within the available area of its screen. Where the window does not fit
// beside the main window at its size, it is narrowed (its groups in two columns)
// down to its least width; only where even that does not fit, it stands at the
// side with more room, as far from the main window as the screen allows.
void TuningWindow::platzieren() {
    const QScreen* schirm = neben_.screen() ? neben_.screen() : QGuiApplication::primaryScreen();
    if (!schirm) return;
    // The window's own area may fill what the screen leaves less the frame the window
    // manager adds, taken from the main window (this one has none before it is shown).
    const QMargins rahmen(neben_.geometry().left() - neben_.frameGeometry().left(),
                          neben_.geometry().top() - neben_.frameGeometry().top(),
                          neben_.frameGeometry().right() - neben_.geometry().right(),
                          neben_.frameGeometry().bottom() - neben_.geometry().bottom());
    const QRect frei = schirm->availableGeometry().marginsRemoved(rahmen);
    const QRect haupt = neben_.frameGeometry();
    const int rand = rahmen.left() + rahmen.right();
    auto einpassen = [&](QRect r) {
        r.setSize(r.size().boundedTo(frei.size()));
        r.moveLeft(std::max(frei.left(), std::min(r.left(), frei.right() + 1 - r.width())));
        r.moveTop(std::max(frei.top(), std::min(r.top(), frei.bottom() + 1 - r.height())));
        return r;
    };

    auto store = settings::open(settingsFile_, kSettingsApplication);
    store->beginGroup(qs(kSettingsGroup));
    const QByteArray gespeichert = QByteArray::fromBase64(store->value(kGeometrieSchluessel).toByteArray());
    // The groups side by side need this width; narrower, they stand in two columns.
    anordnen(false);
    const int dreiSpalten = minimumSizeHint().width();
    anordnen(true);
    if (!gespeichert.isEmpty() && restoreGeometry(gespeichert) && frei.intersects(geometry())) {
        anordnen(width() < dreiSpalten);
        setGeometry(einpassen(geometry()));
        return;
    }

    // The room beside the main window, right and left.
    const int rechts = frei.right() + rahmen.right() - haupt.right() - rand;
    const int links = haupt.left() - frei.left() + rahmen.left() - rand;
    const int raum = std::max(rechts, links);
    anordnen(raum < dreiSpalten);
    QRect ziel(QPoint(), kStartGroesse.expandedTo(minimumSizeHint()).boundedTo(frei.size()));
    ziel.setWidth(std::max(minimumSizeHint().width(), std::min(ziel.width(), raum)));
    ziel.moveTop(haupt.top() + rahmen.top());
    if (rechts >= links)
        ziel.moveLeft(haupt.right() + 1 + rahmen.left());
    else
        ziel.moveLeft(haupt.left() - rahmen.right() - ziel.width());
    setGeometry(einpassen(ziel));
}

void TuningWindow::hideEvent(QHideEvent* event) {
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

void TuningWindow::einstellungenLesen() {
    const GespeicherteEingaben gespeichert = EingabenImSpeicher(settingsFile_);
    for (std::size_t i = 0; i < kFieldCount; ++i) felder_[i]->setText(qs(gespeichert.felder[i]));
    band_->addItem(QString());  // the list is filled with the language; keep the index
    for (const Band& b : kBands) band_->addItem(qs(b.name));
    band_->setCurrentIndex(gespeichert.band);
}

void TuningWindow::einstellungenSchreiben() const {
    auto store = settings::open(settingsFile_, kSettingsApplication);
    if (!store->isWritable()) return;
    store->beginGroup(qs(kSettingsGroup));
    for (std::size_t i = 0; i < kFieldCount; ++i)
        store->setValue(QString::fromLatin1(kFelder[i].schluessel), felder_[i]->text());
    store->setValue(QString::fromLatin1(kBandSchluessel), band_->currentIndex());
    if (platziert_) store->setValue(QString::fromLatin1(kGeometrieSchluessel), saveGeometry().toBase64());
    store->endGroup();
    store->sync();
}

// ---------------------------------------------------------------- exports and report

QString TuningWindow::dateiVorschlag(const QString& endung) const {
    // "Ringfeld-Abstimmbereich", "Ringfeld-Plage-d-accord": a name without blanks or quotes.
    QString name = QStringLiteral("Ringfeld-") + qs(Beschriftung(TextWindow::Tuning, "frmAbstimmbereich", sprache()));
    name.replace(QRegularExpression(QStringLiteral("[\\s'’/]+")), QStringLiteral("-"));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name + endung);
}

void TuningWindow::exportieren(bool json) {
    const Language lang = sprache();
    const QString name =
        QFileDialog::getSaveFileName(this, qs((json ? texte::kJsonTitel : texte::kCsvTitel).in(lang)),
                                     dateiVorschlag(json ? QStringLiteral(".json") : QStringLiteral(".csv")),
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

BerichtInhalt TuningWindow::berichtInhalt() const {
    BerichtInhalt inhalt;
    inhalt.sheet = &modell_.sheet();
    inhalt.lang = sprache();
    inhalt.datum = QDateTime::currentDateTime();
    // The loop's fields as the sheet was computed from them, then the window's own.
    inhalt.eingaben =
        BerichtEingaben(schleifenTexte_, Felder(), BandEintrag() > 0 ? str(band_->currentText()) : "", inhalt.lang);
    return inhalt;
}

void TuningWindow::drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    const QString pdf = dateiVorschlag(QStringLiteral(".pdf"));
    drucker.setDocName(QFileInfo(pdf).completeBaseName());
    // The table has room for its notes across a landscape page.
    drucker.setPageOrientation(QPageLayout::Landscape);
    // Without a printer Qt can only write a PDF: it gets the name proposed.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) drucker.setOutputFileName(pdf);
    QPrintDialog dialog(&drucker, this);
    // Qt's dialog proposes its own name in the home folder; the file field is its "filename".
    if (auto* datei = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) datei->setText(pdf);
    if (dialog.exec() != QDialog::Accepted) return;
    // Without a printer, Qt prints to a PDF file; it needs a name.
    if (drucker.outputFormat() == QPrinter::PdfFormat && drucker.outputFileName().isEmpty()) {
        const QString name = QFileDialog::getSaveFileName(this, windowTitle(), pdf, QStringLiteral("PDF (*.pdf)"));
        if (name.isEmpty()) return;
        drucker.setOutputFileName(name);
    }
    if (!TuningReport(berichtInhalt()).drucken(drucker))
        dienste_.messageBox(
            Meldung{std::string(texte::kNichtGespeichert.in(sprache())), std::string(), BoxIcon::Exclamation});
}

}  // namespace ringfeld::tuning
