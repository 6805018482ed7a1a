// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "platform/print_renderer.h"

#include <algorithm>
#include <vector>

#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <QWidget>

namespace ringfeld {
namespace {

// Takes the keyboard focus and every text selection off a window for as long
// as it lives, and gives them back as they were.
class WithoutSelection {
public:
    explicit WithoutSelection(QWidget& window) : focus_(window.focusWidget()) {
        const auto fields = window.findChildren<QLineEdit*>();
        for (QLineEdit* field : fields) {
            if (!field->hasSelectedText()) continue;
            const int start = field->selectionStart(), length = field->selectionLength();
            // A selection made backwards keeps its cursor at its start.
            const bool backwards = field->cursorPosition() == start;
            selections_.push_back({field, backwards ? start + length : start, backwards ? -length : length});
            field->deselect();
        }
        if (focus_) focus_->clearFocus();
    }
    ~WithoutSelection() {
        if (focus_) focus_->setFocus(Qt::OtherFocusReason);
        for (const Selection& s : selections_)
            if (s.field) s.field->setSelection(s.start, s.length);
    }
    WithoutSelection(const WithoutSelection&) = delete;
    WithoutSelection& operator=(const WithoutSelection&) = delete;

private:
    struct Selection {
        QPointer<QLineEdit> field;
        int start, length;
    };
    QPointer<QWidget> focus_;
    std::vector<Selection> selections_;
};

}  // namespace

bool renderForPrint(QWidget& clientArea, QPrinter& printer) {
    if (clientArea.width() <= 0 || clientArea.height() <= 0) return false;
    const WithoutSelection plain(*clientArea.window());

    // QWidget::render paints straight into a printer only by way of a bitmap;
    // a recorded picture keeps the window's painting as drawing commands, text
    // as text, which the printer then plays at its own resolution.
    QPicture drawing;
    QPainter recorder;
    if (!recorder.begin(&drawing)) return false;
    clientArea.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The painter starts at the printable area's top left corner, in printer dots.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(page.width() / clientArea.width(), page.height() / clientArea.height());
    // A picture plays at its size in inches: undo that, the page decides the size.
    const double inches = static_cast<double>(printer.logicalDpiX()) / drawing.logicalDpiX();
    painter.scale(scale / inches, scale / inches);
    painter.drawPicture(0, 0, drawing);
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

}  // namespace ringfeld
