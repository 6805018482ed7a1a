// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "exposure/exposure_report.h"

#include <QChart>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <vector>

#include "exposure/exposure_chart.h"
#include "platform/qt_text.h"

namespace ringfeld::exposure {
namespace {

// The chart is laid out at this size in scene units, then scaled onto the page.
constexpr QSizeF kDiagrammGroesse(900, 480);
constexpr double kTextPunkte = 9.5, kTitelPunkte = 15, kKopfPunkte = 11, kTabellePunkte = 8;

// The date in the report's language, whatever the desktop's locale.
QLocale sprachLocale(Language lang) {
    switch (lang) {
        case Language::French: return QLocale(QLocale::French, QLocale::France);
        case Language::English: return QLocale(QLocale::English, QLocale::UnitedKingdom);
        default: return QLocale(QLocale::German, QLocale::Germany);
    }
}

class Seite {
public:
    Seite(QPainter& p, QPagedPaintDevice& d) : p_(p), d_(d) {}
    double breite() const { return d_.width(); }
    double hoehe() const { return d_.height(); }
    double y = 0;

    void schrift(double punkte, bool fett = false) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSizeF(punkte);
        f.setBold(fett);
        p_.setFont(f);
    }
    double zeile() const { return QFontMetricsF(p_.font(), &d_).lineSpacing(); }
    void platz(double h) {
        if (y + h > hoehe()) {
            d_.newPage();
            y = 0;
        }
    }
    void text(const QString& t) {
        const QRectF r = p_.boundingRect(QRectF(0, y, breite(), hoehe()), Qt::TextWordWrap, t);
        platz(r.height());
        p_.drawText(QRectF(0, y, breite(), r.height()), Qt::TextWordWrap, t);
        y += r.height();
    }
    // A heading kept on the page with the first lines after it.
    void kopf(const QString& t) {
        y += zeile() / 2;
        schrift(kKopfPunkte, true);
        platz(zeile() * 4);
        text(t);
        schrift(kTextPunkte);
        y += zeile() / 4;
    }

private:
    QPainter& p_;
    QPagedPaintDevice& d_;
};

// A column of a table: its share of the page's width, and whether it is text (left) or a number.
struct Spalte {
    double anteil;
    bool links = false;
};

// A table; the heading row again on every page it spans.
class Tabelle {
public:
    Tabelle(QPainter& p, Seite& s, QStringList kopf, std::vector<Spalte> spalten)
        : p_(p), s_(s), kopf_(std::move(kopf)), spalten_(std::move(spalten)), abstand_(s.breite() * kAbstand) {
        double summe = 0;
        for (const Spalte& sp : spalten_) summe += sp.anteil;
        double x = 0;
        for (const Spalte& sp : spalten_) {
            x_.push_back(x);
            x += sp.anteil / summe * s_.breite();
        }
        x_.push_back(s_.breite());
    }

    // A row; the cell `fett` bold, the row shaded when `hinterlegt`.
    void zeile(const QStringList& zellen, int fett = -1, bool hinterlegt = false) {
        if (!kopfGezeigt_ || s_.y + s_.zeile() > s_.hoehe()) kopf();
        if (hinterlegt) p_.fillRect(QRectF(0, s_.y, s_.breite(), s_.zeile()), kHinterlegt);
        zeichnen(zellen, s_.zeile(), Qt::AlignVCenter, fett, true);
        s_.y += s_.zeile();
    }

private:
    // A row's cells are cut short with an ellipsis where they do not fit; the heading's wrap.
    void zeichnen(const QStringList& zellen, double h, Qt::Alignment ausrichtung, int fett, bool kuerzen = false) {
        const QFont normal = p_.font();
        for (int i = 0; i < zellen.size() && i < static_cast<int>(spalten_.size()); ++i) {
            QFont f = normal;
            f.setBold(i == fett);
            p_.setFont(f);
            const auto n = static_cast<std::size_t>(i);
            const double w = x_[n + 1] - x_[n] - 2 * abstand_;
            const QString text =
                kuerzen ? p_.fontMetrics().elidedText(zellen[i], Qt::ElideRight, static_cast<int>(w)) : zellen[i];
            p_.drawText(QRectF(x_[n] + abstand_, s_.y, w, h),
                        ausrichtung | Qt::TextWordWrap | (spalten_[n].links ? Qt::AlignLeft : Qt::AlignRight), text);
        }
        p_.setFont(normal);
    }
    void kopf() {
        kopfGezeigt_ = true;
        s_.schrift(kTabellePunkte, true);
        const double h = s_.zeile() * 2;
        s_.platz(h + s_.zeile());
        zeichnen(kopf_, h, Qt::AlignBottom, -1);
        s_.y += h;
        p_.drawLine(QPointF(0, s_.y), QPointF(s_.breite(), s_.y));
        s_.schrift(kTabellePunkte);
    }

    static constexpr double kAbstand = 0.006;  // of the page's width on either side of a cell's text
    const QColor kHinterlegt{235, 235, 235};
    QPainter& p_;
    Seite& s_;
    QStringList kopf_;
    std::vector<Spalte> spalten_;
    double abstand_;
    std::vector<double> x_;
    bool kopfGezeigt_ = false;
};

QStringList ueberschriften(auto const& spalten, Language lang) {
    QStringList out;
    for (const Tri& t : spalten) out << qs(t, lang);
    return out;
}

// The inputs in two columns, "caption: value", the loop's on the left.
void eingaben(QPainter& p, Seite& s, const EingabenListe& liste, Language lang) {
    const double halb = s.breite() / 2;
    const QString trenner = qs(texte::kDoppelpunkt, lang);
    const std::size_t n = std::max(liste.schleife.size(), liste.betrieb.size());
    for (std::size_t i = 0; i < n; ++i) {
        QStringList seite;
        for (const auto* l : {&liste.schleife, &liste.betrieb})
            seite << (i < l->size() ? (*l)[i].caption + trenner + (*l)[i].wert : QString());
        double h = 0;
        for (const QString& t : seite)
            h = std::max(h, p.boundingRect(QRectF(0, 0, halb - 12, s.hoehe()), Qt::TextWordWrap, t).height());
        s.platz(h);
        for (int k = 0; k < 2; ++k) p.drawText(QRectF(k * halb, s.y, halb - 12, h), Qt::TextWordWrap, seite[k]);
        s.y += h;
    }
}

}  // namespace

ExposureReport::ExposureReport(const Stand& stand, QDateTime datum) : stand_(stand), datum_(std::move(datum)) {}

bool ExposureReport::drucken(QPagedPaintDevice& device) const {
    const Stand& st = stand_;
    const Language lang = st.lang;
    QPainter p;
    if (!p.begin(&device)) return false;
    Seite s(p, device);

    s.schrift(kTitelPunkte, true);
    s.text(qs(texte::kBerichtTitel, lang));
    s.schrift(kTextPunkte);
    s.text(qs(texte::kBerichtDatum, lang).arg(sprachLocale(lang).toString(datum_.date(), QLocale::LongFormat)));

    s.kopf(qs(texte::kBerichtEingaben, lang));
    eingaben(p, s, EingabenZeilen(st), lang);

    s.kopf(qs(texte::kBerichtModell, lang));
    s.text(qs(texte::kModell, lang));
    for (const QString& hinweis : Hinweise(st)) s.text(hinweis);

    const ErgebnisTexte ergebnis = ErgebnisZeilen(st);
    s.kopf(qs(texte::kBerichtGrenzwerte, lang));
    if (!ergebnis.grenzen.isEmpty()) s.text(ergebnis.grenzen);
    const texte::StandardText& norm = texte::StandardTexte(st.eingaben.standard);
    s.text(qs(norm.name, lang) + qs(texte::kDoppelpunkt, lang) + qs(norm.source, lang));
    s.text(qs(texte::kModeQuelle, lang));

    s.kopf(qs(texte::kBerichtAbstaende, lang));
    s.text(ergebnis.werte);
    if (!ergebnis.abstaende.isEmpty()) s.text(ergebnis.abstaende);
    s.y += s.zeile() / 2;
    {
        s.schrift(kTabellePunkte);
        Tabelle t(p, s, ueberschriften(texte::kNormSpalten, lang),
                  {{1.3, true}, {1.9, true}, {1}, {1}, {1}, {1}, {1}, {1}});
        const std::vector<NormZeile> zeilen = NormZeilen(st);
        for (std::size_t i = 0; i < zeilen.size(); ++i) t.zeile(zeilen[i].zellen, zeilen[i].massgebend, i == st.slot());
        s.schrift(kTextPunkte);
    }

    // The chart, scaled from its layout size to the page width; painted as vectors.
    s.kopf(qs(texte::kBerichtDiagramm, lang));
    {
        QGraphicsScene scene;
        auto* chart = new QChart;
        scene.addItem(chart);
        chart->setGeometry(QRectF(QPointF(0, 0), kDiagrammGroesse));
        ExposureChart diagramm(*chart);
        diagramm.zeigen(st.einzel ? st.einzel->result : std::nullopt, st.slot(), lang);
        // A chart that is never shown must have its posted layout events handled before it is painted.
        QCoreApplication::sendPostedEvents();
        if (chart->layout()) chart->layout()->activate();
        const double h = s.breite() * kDiagrammGroesse.height() / kDiagrammGroesse.width();
        s.platz(h);
        scene.render(&p, QRectF(0, s.y, s.breite(), h), QRectF(QPointF(0, 0), kDiagrammGroesse));
        s.y += h;
    }

    if (!st.zeilen.empty()) {
        s.kopf(
            qs(texte::kUeberBereich, lang)
                .arg(qs(StandardName(st.eingaben.standard, lang)), qs(PopulationName(st.eingaben.population, lang))));
        s.schrift(kTabellePunkte);
        Tabelle t(p, s, ueberschriften(texte::kFrequenzSpalten, lang),
                  {{0.8}, {1}, {0.8}, {1}, {1}, {1, true}, {3, true}});
        for (const Row& row : st.zeilen) t.zeile(FrequenzZellen(st, row));
    }
    return p.end();
}

}  // namespace ringfeld::exposure
