// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "tuning/tuning_report.h"

#include <QChart>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <map>
#include <vector>

#include "platform/qt_text.h"
#include "presentation/sheet_columns.h"
#include "presentation/tuning_display.h"
#include "presentation/tuning_row_texts.h"
#include "tuning/tuning_chart.h"
#include "tuning/tuning_model.h"
#include "tuning/tuning_summary.h"

namespace ringfeld::tuning {
namespace {

// The least page margin and the one the report sets where a margin is less (mm).
constexpr double kMindestRand = 15, kRand = 20;
// The chart is laid out at this size in scene units, then scaled onto the page.
constexpr QSizeF kDiagrammGroesse(900, 400);
constexpr double kTextPunkte = 10, kTitelPunkte = 16, kTabellePunkte = 7;
constexpr double kNotenBreite = 0.04;           // of the page width at least: the column of note numbers
constexpr double kKleinstesDiagramm = 1.0 / 3;  // of the page height: the chart's least
constexpr double kSpaltenAbstand = 0.15;        // of a line: room between two columns

// The window's columns the report shows: those for a portrait page, and on a landscape
// page the further ones (the model's column numbers).
std::vector<int> berichtSpalten(bool quer) {
    std::vector<int> out;
    constexpr auto fenster = WindowColumns();
    const unsigned views = kReportView | (quer ? kReportWideView : 0u);
    for (std::size_t i = 0; i < fenster.size(); ++i)
        if (fenster[i]->views & views) out.push_back(static_cast<int>(i));
    return out;
}

// A page being filled from the top; in the counting pass it only measures.
class Seite {
public:
    Seite(QPainter* p, QPagedPaintDevice& d, int seiten, Language lang) : p_(p), d_(d), seiten_(seiten), lang_(lang) {
        schrift(kTextPunkte);
        fuss_ = zeile() * 2;
    }
    double breite() const { return d_.width(); }
    double hoehe() const { return d_.height() - fuss_; }
    bool malt() const { return p_ != nullptr; }
    QPainter& maler() { return *p_; }
    int seite() const { return seite_; }
    double y = 0;

    void schrift(double punkte, bool fett = false) {
        font_ = QFont(QStringLiteral("DejaVu Sans"));
        font_.setPointSizeF(punkte);
        font_.setBold(fett);
        if (p_) p_->setFont(font_);
    }
    double zeile() const { return QFontMetricsF(font_, &d_).lineSpacing(); }
    double textBreite(const QString& t) const { return QFontMetricsF(font_, &d_).horizontalAdvance(t); }
    double textHoehe(const QRectF& r, int flags, const QString& t) const {
        return QFontMetricsF(font_, &d_).boundingRect(r, flags | Qt::TextWordWrap, t).height();
    }
    // A new page when the next `h` would not fit.
    bool platz(double h) {
        if (y + h <= hoehe() || y == 0) return false;
        neueSeite();
        return true;
    }
    void neueSeite() {
        fuss();
        if (p_) d_.newPage();
        ++seite_;
        y = 0;
    }
    void text(const QRectF& r, int flags, const QString& t) {
        if (p_) p_->drawText(r, flags | Qt::TextWordWrap, t);
    }
    // A paragraph over the page's width.
    void absatz(const QString& t) {
        const double h = textHoehe(QRectF(0, 0, breite(), hoehe()), 0, t);
        platz(h);
        text(QRectF(0, y, breite(), h), 0, t);
        y += h;
    }
    // The page number at the foot, once the page is done.
    void fuss() {
        if (!p_) return;
        const QFont vorher = font_;
        schrift(kTextPunkte - 2);
        p_->setPen(Qt::black);
        p_->drawText(QRectF(0, hoehe() + fuss_ / 2, breite(), fuss_ / 2), Qt::AlignHCenter | Qt::AlignBottom,
                     qs(texte::kBerichtSeite.in(lang_)).arg(seite_).arg(seiten_));
        font_ = vorher;
        p_->setFont(font_);
    }

private:
    QPainter* p_;
    QPagedPaintDevice& d_;
    int seiten_;
    Language lang_;
    QFont font_;
    double fuss_ = 0;
    int seite_ = 1;
};

class Ablauf {
public:
    Ablauf(const BerichtInhalt& inhalt, Seite& s) : in_(inhalt), s_(s), lang_(inhalt.lang) {}

    void kopf() {
        s_.schrift(kTitelPunkte, true);
        s_.absatz(qs(texte::kBerichtTitel.in(lang_)));
        s_.schrift(kTextPunkte, true);
        s_.absatz(qs(texte::kSchleifeVorsatz.in(lang_)) + SchleifenText(*in_.sheet, lang_));
        s_.schrift(kTextPunkte);
        s_.absatz(QLocale(qs(SprachEintragVon(lang_)->localeSprache)).toString(in_.datum, QLocale::LongFormat));
        s_.y += s_.zeile() / 2;
    }

    // The inputs, a column per group as the windows group them, each under its title.
    void eingaben() {
        titel(texte::kBerichtEingaben);
        const int spalten = s_.breite() > s_.hoehe() ? static_cast<int>(in_.eingaben.size()) : 2;
        const double breite = s_.breite() / spalten, text = breite * (1 - kSpaltenAbstand / 2);
        for (std::size_t anfang = 0; anfang < in_.eingaben.size(); anfang += static_cast<std::size_t>(spalten)) {
            const std::size_t ende = std::min(in_.eingaben.size(), anfang + static_cast<std::size_t>(spalten));
            std::vector<QString> bloecke;
            double h = 0;
            s_.schrift(kTextPunkte - 1);
            for (std::size_t i = anfang; i < ende; ++i) {
                QStringList zeilen;
                for (const EingabeZeile& z : in_.eingaben[i].zeilen)
                    zeilen << qs(z.beschriftung) + qs(texte::kDoppelpunkt.in(lang_)) + qs(z.wert);
                bloecke.push_back(zeilen.join('\n'));
                h = std::max(h, s_.textHoehe(QRectF(0, 0, text, s_.hoehe()), 0, bloecke.back()));
            }
            const double kopf = s_.zeile();
            s_.platz(kopf + h);
            for (std::size_t i = anfang; i < ende; ++i) {
                const double x = static_cast<double>(i - anfang) * breite;
                s_.schrift(kTextPunkte - 1, true);
                s_.text(QRectF(x, s_.y, text, kopf), 0, qs(in_.eingaben[i].titel));
                s_.schrift(kTextPunkte - 1);
                s_.text(QRectF(x, s_.y + kopf, text, h), 0, bloecke[i - anfang]);
            }
            s_.y += kopf + h + s_.zeile() / 2;
        }
    }

    void zusammenfassung() {
        titel(texte::kBerichtErgebnis);
        s_.schrift(kTextPunkte);
        s_.absatz(Zusammenfassung(*in_.sheet, lang_).join(QStringLiteral("  ·  ")));
        s_.absatz(MessErgebnis(*in_.sheet, lang_));
        s_.y += s_.zeile() / 2;
    }

    // The chart, scaled from its layout size to the page width (or to the room left on
    // the page, when that is at least a third of it); painted as vectors.
    void diagramm() {
        double h = std::min(s_.breite() * kDiagrammGroesse.height() / kDiagrammGroesse.width(), s_.hoehe() / 2);
        if (s_.hoehe() - s_.y >= s_.hoehe() * kKleinstesDiagramm) h = std::min(h, s_.hoehe() - s_.y - s_.zeile());
        s_.platz(h);
        if (s_.malt()) {
            QGraphicsScene scene;
            auto* chart = new QChart;
            scene.addItem(chart);
            chart->setGeometry(QRectF(QPointF(0, 0), kDiagrammGroesse));
            TuningChart diagramm(*chart);
            diagramm.zeigen(*in_.sheet, lang_);
            // The chart lays out its axes and legend on posted events; a chart that is
            // never shown must have them handled before it is painted.
            QCoreApplication::sendPostedEvents();
            if (chart->layout()) chart->layout()->activate();
            const double w = h * kDiagrammGroesse.width() / kDiagrammGroesse.height();
            scene.render(&s_.maler(), QRectF((s_.breite() - w) / 2, s_.y, w, h),
                         QRectF(QPointF(0, 0), kDiagrammGroesse));
        }
        s_.y += h + s_.zeile();
    }

    // The table: headings wrapped in their columns on every page it spans, numbers
    // right-aligned under them, a refused row's reason across the row, the notes as
    // numbers that the list after the table spells out.
    void tabelle() {
        titel(texte::kBerichtTabelle);
        const std::vector<int> spalten = berichtSpalten(s_.breite() > s_.hoehe());
        const int n = static_cast<int>(spalten.size());
        const double luft = s_.zeile() * kSpaltenAbstand;
        s_.schrift(kTabellePunkte, true);
        const double noten =
            std::max(s_.breite() * kNotenBreite, s_.textBreite(TuningModel::heading(spalten.back(), lang_)) + 2 * luft);
        const double spalte = (s_.breite() - noten) / (n - 1);
        auto x = [&](int i) { return i * spalte; };
        auto breite = [&](int i) { return (i == n - 1 ? noten : spalte) - luft; };
        auto kopf = [&] {
            if (s_.malt()) s_.maler().setPen(Qt::black);
            s_.schrift(kTabellePunkte, true);
            double h = 0;
            for (int i = 0; i < n; ++i)
                h = std::max(h, s_.textHoehe(QRectF(0, 0, breite(i), s_.hoehe()), Qt::AlignRight,
                                             TuningModel::heading(spalten[static_cast<std::size_t>(i)], lang_)));
            s_.platz(h + 2 * s_.zeile());
            for (int i = 0; i < n; ++i)
                s_.text(QRectF(x(i), s_.y, breite(i), h), Qt::AlignRight | Qt::AlignBottom,
                        TuningModel::heading(spalten[static_cast<std::size_t>(i)], lang_));
            s_.y += h + luft;
            if (s_.malt()) s_.maler().drawLine(QPointF(0, s_.y), QPointF(s_.breite(), s_.y));
            s_.y += luft;
            s_.schrift(kTabellePunkte);
        };
        kopf();
        TuningModel modell;
        modell.setSheet(*in_.sheet, lang_);
        for (int r = 0; r < modell.rowCount(); ++r) {
            const SheetRow& row = in_.sheet->rows[static_cast<std::size_t>(r)];
            const QString grund = row.values ? QString() : qs(ZeilenMeldung(*in_.sheet, row, lang_));
            const double h =
                row.values ? s_.zeile() : s_.textHoehe(QRectF(0, 0, s_.breite() - x(1), s_.hoehe()), 0, grund);
            if (s_.platz(h)) kopf();
            // A row that is no design (refused, or no capacitor fits) is grey, as in the window.
            if (s_.malt()) s_.maler().setPen(!row.values || OhneKondensator(row) ? Qt::gray : Qt::black);
            s_.text(QRectF(x(0), s_.y, breite(0), h), Qt::AlignRight | Qt::AlignTop,
                    modell.data(modell.index(r, spalten[0]), Qt::DisplayRole).toString());
            if (!row.values) {
                s_.text(QRectF(x(1) + luft, s_.y, s_.breite() - x(1) - luft, h), Qt::AlignLeft | Qt::AlignTop, grund);
            } else {
                for (int i = 1; i + 1 < n; ++i)
                    s_.text(
                        QRectF(x(i), s_.y, breite(i), h), Qt::AlignRight | Qt::AlignTop,
                        modell.data(modell.index(r, spalten[static_cast<std::size_t>(i)]), Qt::DisplayRole).toString());
                s_.text(QRectF(x(n - 1) + luft, s_.y, breite(n - 1), h), Qt::AlignLeft | Qt::AlignTop,
                        notenNummern(row.values->flags));
            }
            s_.y += h;
        }
        if (s_.malt()) s_.maler().setPen(Qt::black);
        s_.y += s_.zeile() / 2;
    }

    // What the numbers in the note column mean, in full.
    void noten() {
        if (nummern_.empty()) return;
        titel(texte::kBerichtHinweise);
        s_.schrift(kTabellePunkte + 1);
        std::vector<std::pair<int, Flag>> liste;
        for (const auto& [flag, nummer] : nummern_) liste.emplace_back(nummer, flag);
        std::sort(liste.begin(), liste.end());
        for (const auto& [nummer, flag] : liste)
            s_.absatz(QString::number(nummer) + QStringLiteral("  ") + qs(texte::FlagText(flag).in(lang_)));
    }

private:
    void titel(const Tri& t) {
        s_.schrift(kTextPunkte, true);
        s_.platz(4 * s_.zeile());
        s_.absatz(qs(t.in(lang_)));
    }
    QString notenNummern(const std::vector<Flag>& flags) {
        QStringList out;
        for (Flag f : flags) {
            const auto [it, neu] = nummern_.try_emplace(f, static_cast<int>(nummern_.size()) + 1);
            out << QString::number(it->second);
        }
        return out.join(QStringLiteral(", "));
    }

    const BerichtInhalt& in_;
    Seite& s_;
    Language lang_;
    std::map<Flag, int> nummern_;  // a note's number, in the order the notes first appear
};

// Lays the report out: on the device when `p` is given, else only counting the pages.
int ablaufen(const BerichtInhalt& inhalt, QPagedPaintDevice& device, QPainter* p, int seiten) {
    Seite s(p, device, seiten, inhalt.lang);
    Ablauf a(inhalt, s);
    a.kopf();
    a.eingaben();
    a.zusammenfassung();
    a.diagramm();
    a.tabelle();
    a.noten();
    s.fuss();
    return s.seite();
}

}  // namespace

TuningReport::TuningReport(BerichtInhalt inhalt) : inhalt_(std::move(inhalt)) {}

bool TuningReport::drucken(QPagedPaintDevice& device) const {
    if (!inhalt_.sheet) return false;
    // Margins of at least 15 mm on every side.
    const QMarginsF rand = device.pageLayout().margins(QPageLayout::Millimeter);
    if (std::min({rand.left(), rand.top(), rand.right(), rand.bottom()}) < kMindestRand)
        device.setPageMargins(QMarginsF(kRand, kRand, kRand, kRand), QPageLayout::Millimeter);
    const int seiten = ablaufen(inhalt_, device, nullptr, 0);
    QPainter p;
    if (!p.begin(&device)) return false;
    ablaufen(inhalt_, device, &p, seiten);
    return p.end();
}

}  // namespace ringfeld::tuning
