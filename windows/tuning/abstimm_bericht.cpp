// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "tuning/abstimm_bericht.h"

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
#include <array>

#include "platform/qt_text.h"
#include "text/abstimm_texte.h"
#include "text/sheet_columns.h"
#include "tuning/abstimm_diagramm.h"
#include "tuning/abstimm_modell.h"
#include "tuning/abstimm_zusammenfassung.h"

namespace ringfeld::tuning {
namespace {

// The window's columns that fit a portrait page (the model's column numbers).
constexpr auto kBerichtSpalten = [] {
    constexpr auto fenster = WindowColumns();
    std::array<int, std::ranges::count_if(fenster, [](const SheetColumn* c) { return c->views & kReportView; })> out{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < fenster.size(); ++i)
        if (fenster[i]->views & kReportView) out[n++] = static_cast<int>(i);
    return out;
}();

// The chart is laid out at this size in scene units, then scaled onto the page.
constexpr QSizeF kDiagrammGroesse(900, 450);
constexpr double kTextPunkte = 10, kTitelPunkte = 16, kTabellePunkte = 7;

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
    // A new page when the next `h` would not fit.
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

private:
    QPainter& p_;
    QPagedPaintDevice& d_;
};

}  // namespace

AbstimmBericht::AbstimmBericht(BerichtInhalt inhalt) : inhalt_(std::move(inhalt)) {}

bool AbstimmBericht::drucken(QPagedPaintDevice& device) const {
    if (!inhalt_.sheet) return false;
    const Sheet& sheet = *inhalt_.sheet;
    const Language lang = inhalt_.lang;
    QPainter p;
    if (!p.begin(&device)) return false;
    Seite s(p, device);

    s.schrift(kTitelPunkte, true);
    s.text(qs(texte::kBerichtTitel.in(lang)));
    s.schrift(kTextPunkte);
    s.text(QLocale::system().toString(inhalt_.datum, QLocale::LongFormat));
    s.y += s.zeile() / 2;

    s.schrift(kTextPunkte, true);
    s.text(qs(texte::kBerichtEingaben.in(lang)));
    s.schrift(kTextPunkte);
    s.text(inhalt_.eingaben.join(QStringLiteral("; ")));
    s.y += s.zeile() / 2;

    s.schrift(kTextPunkte, true);
    s.text(qs(texte::kBerichtErgebnis.in(lang)));
    s.schrift(kTextPunkte);
    for (const QString& line : Zusammenfassung(sheet, lang)) s.text(line);
    s.text(MessErgebnis(sheet, lang));
    s.y += s.zeile() / 2;

    // The chart, scaled from its layout size to the page width; painted as vectors.
    {
        QGraphicsScene scene;
        auto* chart = new QChart;
        scene.addItem(chart);
        chart->setGeometry(QRectF(QPointF(0, 0), kDiagrammGroesse));
        AbstimmDiagramm diagramm(*chart);
        diagramm.zeigen(sheet, lang);
        // The chart lays out its axes and legend on posted events; a chart that is
        // never shown must have them handled before it is painted.
        QCoreApplication::sendPostedEvents();
        if (chart->layout()) chart->layout()->activate();
        const double h = s.breite() * kDiagrammGroesse.height() / kDiagrammGroesse.width();
        s.platz(h);
        scene.render(&p, QRectF(0, s.y, s.breite(), h), QRectF(QPointF(0, 0), kDiagrammGroesse));
        s.y += h + s.zeile();
    }

    // The table: a heading row on every page it spans.
    s.schrift(kTabellePunkte);
    const int n = static_cast<int>(std::size(kBerichtSpalten));
    const double noteWidth = s.breite() * 0.22, spalte = (s.breite() - noteWidth) / (n - 1);
    auto x = [&](int i) { return i * spalte; };
    auto kopf = [&] {
        s.schrift(kTabellePunkte, true);
        const double h = s.zeile() * 2;
        s.platz(h + s.zeile());
        for (int i = 0; i < n; ++i)
            p.drawText(QRectF(x(i) + (i == n - 1 ? spalte / 4 : 0), s.y, i == n - 1 ? noteWidth : spalte - 4, h),
                       Qt::AlignBottom | Qt::TextWordWrap, AbstimmModell::heading(kBerichtSpalten[i], lang));
        s.y += h;
        p.drawLine(QPointF(0, s.y), QPointF(s.breite(), s.y));
        s.schrift(kTabellePunkte);
    };
    kopf();
    AbstimmModell modell;
    modell.setSheet(sheet, lang);
    for (int r = 0; r < modell.rowCount(); ++r) {
        const double h = s.zeile();
        if (s.y + h > s.hoehe()) {
            device.newPage();
            s.y = 0;
            kopf();
        }
        for (int i = 0; i < n; ++i) {
            const QString t = modell.data(modell.index(r, kBerichtSpalten[i]), Qt::DisplayRole).toString();
            const bool last = i == n - 1;
            const double abstand = last ? spalte / 4 : 0;  // the note stands clear of the numbers
            p.drawText(QRectF(x(i) + abstand, s.y, last ? noteWidth - abstand : spalte - 4, h),
                       (last ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, t);
        }
        s.y += h;
    }
    return p.end();
}

}  // namespace ringfeld::tuning
