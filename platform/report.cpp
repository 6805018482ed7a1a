// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "platform/report.h"

#include <algorithm>

#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "platform/fonts.h"
#include "platform/program_version.h"
#include "platform/qt_text.h"
#include "report_page.h"
#include "report_table.h"
#include "text/catalog/report_texts.h"

namespace ringfeld::report {
namespace {

constexpr double kLeastMargin = 15;                          // mm, on every side
constexpr double kLeastChart = 1.0 / 3;                      // of the page's height: a chart is not shrunk below this
constexpr double kMostChart = 0.5;                           // of the page's height: nor grown above this
constexpr double kGroupWidth = 65;                           // mm: the least width of a group of captions with values
constexpr int kChartLabelPoints = 8, kChartTitlePoints = 9;  // the chart is laid out in points
constexpr int kLinesAfterHeading = 2;                        // of a paragraph: what a heading keeps on its page
constexpr double kMillimetresPerPoint = 25.4 / 72;

// Lays the blocks out on pages, painting when the page has a painter.
class Flow {
public:
    Flow(Page& page, Language lang) : page_(page), lang_(lang) {}

    // Every block, a heading on the page of the start of the block after it.
    void place(const Block& block, const Block* next) {
        next_ = next;
        std::visit(*this, block);
    }

    void operator()(const Heading& h) {
        if (h.title) {
            page_.setFont(kTitlePoints, true);
            page_.paragraph(h.text);
        } else {
            if (page_.y > 0) page_.y += page_.line() / 2;
            const double after = next_ ? std::visit([this](const auto& b) { return start(b); }, *next_) : 0;
            page_.setFont(kHeadingPoints, true);
            page_.room(page_.textHeight(page_.width(), h.text) + page_.line() / 4 + after);
            page_.paragraph(h.text);
        }
        page_.setFont(kBodyPoints);
        page_.y += page_.line() / 4;
    }

    void operator()(const Paragraph& p) {
        page_.setFont(p.style == Paragraph::Style::Small ? kSmallPoints : kBodyPoints,
                      p.style == Paragraph::Style::Strong);
        page_.paragraph(p.text);
        page_.setFont(kBodyPoints);
    }

    // The groups side by side, as many as have their least width, each under its title.
    void operator()(const KeyValues& list) {
        if (list.groups.empty()) return;
        const auto fit = static_cast<std::size_t>(
            std::max(1.0, page_.width() / (kGroupWidth / kMillimetresPerPoint * page_.dotsPerPoint())));
        const std::size_t across = std::min(list.groups.size(), fit);
        const double width = page_.width() / static_cast<double>(across), text = width - page_.line();
        const QString colon = qs(texte::kDoppelpunkt, lang_);
        for (std::size_t first = 0; first < list.groups.size(); first += across) {
            const std::size_t end = std::min(list.groups.size(), first + across);
            bool titles = false;
            double h = 0;
            QStringList blocks;
            page_.setFont(kBodyPoints);
            for (std::size_t g = first; g < end; ++g) {
                QStringList lines;
                for (const auto& [caption, value] : list.groups[g].items) lines << caption + colon + value;
                blocks << lines.join(QLatin1Char('\n'));
                h = std::max(h, page_.textHeight(text, blocks.back()));
                titles = titles || !list.groups[g].title.isEmpty();
            }
            const double title = titles ? page_.line() : 0;
            page_.room(title + h);
            for (std::size_t g = first; g < end; ++g) {
                const double x = static_cast<double>(g - first) * width;
                page_.setFont(kBodyPoints, true);
                page_.text(QRectF(x, page_.y, text, title), Qt::AlignLeft, list.groups[g].title);
                page_.setFont(kBodyPoints);
                page_.text(QRectF(x, page_.y + title, text, h), Qt::TextWordWrap, blocks[static_cast<int>(g - first)]);
            }
            page_.y += title + h + page_.line() / 2;
        }
    }

    void operator()(const Table& t) { PrintTable(page_, t); }

    // Over the page's width at its aspect, at most half a page high; smaller to fill
    // the rest of a page when that is at least a third of it. Laid out in points,
    // so that its fonts print at their sizes.
    void operator()(const Chart& c) {
        double h = std::min(page_.width() * c.aspect, page_.height() * kMostChart);
        const double left = page_.height() - page_.y;
        if (left >= page_.height() * kLeastChart) h = std::min(h, left);
        page_.room(h);
        const double w = h / c.aspect;
        if (page_.painting()) {
            const QSizeF points(w / page_.dotsPerPoint(), h / page_.dotsPerPoint());
            QGraphicsScene scene;
            auto* chart = new QChart;
            scene.addItem(chart);
            chart->setGeometry(QRectF(QPointF(0, 0), points));
            c.draw(*chart);
            readable(*chart);
            // A chart lays out its axes and legend on posted events; one that is never
            // shown must have them handled before it is painted.
            QCoreApplication::sendPostedEvents();
            if (chart->layout()) chart->layout()->activate();
            scene.render(&page_.painter(), QRectF((page_.width() - w) / 2, page_.y, w, h),
                         QRectF(QPointF(0, 0), points));
        }
        page_.y += h + page_.line() / 2;
    }

    void operator()(const Picture& p) {
        const double w = page_.width() * std::clamp(p.width, 0.0, 1.0), h = w * p.aspect;
        page_.room(h);
        if (page_.painting()) {
            page_.painter().save();
            p.paint(page_.painter(), QRectF((page_.width() - w) / 2, page_.y, w, h));
            page_.painter().restore();
            page_.setFont(kBodyPoints);
        }
        page_.y += h + page_.line() / 2;
    }

private:
    // How much of a block a heading before it keeps on its page: a few lines, a
    // table's headings with its first rows, a chart at its least, a picture whole.
    double start(const Heading& h) {
        page_.setFont(kHeadingPoints, true);
        const double height = page_.textHeight(page_.width(), h.text);
        page_.setFont(kBodyPoints);
        return height;
    }
    double start(const Paragraph& p) {
        page_.setFont(p.style == Paragraph::Style::Small ? kSmallPoints : kBodyPoints,
                      p.style == Paragraph::Style::Strong);
        const double height = std::min(page_.textHeight(page_.width(), p.text), kLinesAfterHeading * page_.line());
        page_.setFont(kBodyPoints);
        return height;
    }
    double start(const KeyValues& /*list*/) const { return kLinesAfterHeading * page_.line(); }
    double start(const Table& t) { return TableStart(page_, t); }
    double start(const Chart& c) const {
        return std::min({page_.width() * c.aspect, page_.height() * kMostChart, page_.height() * kLeastChart});
    }
    double start(const Picture& p) const { return page_.width() * std::clamp(p.width, 0.0, 1.0) * p.aspect; }

    // Every text of the chart in Liberation Sans at a size that prints readably; the
    // chart's units are points, so a pixel size is a size in points.
    static void readable(QChart& chart) {
        QFont label = fonts::Font(fonts::Face::Sans, kChartLabelPoints), title = label;
        label.setPixelSize(kChartLabelPoints);
        title.setPixelSize(kChartTitlePoints);
        chart.setTitleFont(title);
        if (chart.legend()) chart.legend()->setFont(title);
        for (QAbstractAxis* axis : chart.axes()) {
            axis->setLabelsFont(label);
            axis->setTitleFont(title);
        }
    }

    Page& page_;
    Language lang_;
    const Block* next_ = nullptr;
};

// Lays the document out, painting with `painter` when given; the number of pages.
int flow(const Document& document, QPagedPaintDevice& device, QPainter* painter, const Footer& footer, int pages) {
    Page page(device, painter, footer, pages);
    Flow blocks(page, document.lang);
    for (std::size_t i = 0; i < document.blocks.size(); ++i)
        blocks.place(document.blocks[i], i + 1 < document.blocks.size() ? &document.blocks[i + 1] : nullptr);
    page.finish();
    return page.number();
}

}  // namespace

QLocale DateLocale(Language lang) {
    return QLocale(qs(SprachEintragVon(lang == Language::None ? kStandardSprache : lang)->datum));
}

QLocale NumberLocale(Language lang) {
    // The date locale's decimal point is the registry's: de_DE and fr_FR the comma, en_GB the point.
    QLocale zahlen = DateLocale(lang);
    Q_ASSERT(str(zahlen.decimalPoint()) == Dezimaltrenner(lang));
    zahlen.setNumberOptions(QLocale::OmitGroupSeparator);
    return zahlen;
}

QString Print(const Document& document, QPagedPaintDevice& device) {
    if (QString missing = fonts::Load(); !missing.isEmpty()) return missing;
    QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    margins = QMarginsF(std::max(margins.left(), kLeastMargin), std::max(margins.top(), kLeastMargin),
                        std::max(margins.right(), kLeastMargin), std::max(margins.bottom(), kLeastMargin));
    device.setPageMargins(margins, QPageLayout::Millimeter);

    const Language lang = document.lang == Language::None ? kStandardSprache : document.lang;
    const Footer footer{QStringLiteral("%1 %2.%3.%4")
                            .arg(QString::fromUtf8(version::kProductName))
                            .arg(version::kMajor)
                            .arg(version::kMinor)
                            .arg(version::kRevision),
                        qs(texte::kSeite, lang), DateLocale(lang).toString(document.made.date(), QLocale::LongFormat)};
    const int pages = flow(document, device, nullptr, footer, 0);
    QPainter painter;
    if (!painter.begin(&device)) return QStringLiteral("the printer could not be opened");
    flow(document, device, &painter, footer, pages);
    if (!painter.end()) return QStringLiteral("printing failed");
    return {};
}

}  // namespace ringfeld::report
