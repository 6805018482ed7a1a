// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "forms/placement.h"

#include <algorithm>
#include <utility>

namespace ringfeld {
namespace {

long long area(const QRect& r) { return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height(); }

// `r` moved into `screen`, and shrunk where it is larger.
QRect within(QRect r, const QRect& screen) {
    r.setSize(r.size().boundedTo(screen.size()));
    r.moveLeft(std::clamp(r.left(), screen.left(), screen.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), screen.top(), screen.bottom() + 1 - r.height()));
    return r;
}

}  // namespace

QRect PlaceToolWindow(const PlacementInput& in) {
    QRect best;
    // What a place covers: the inputs first, then the rest of the main window.
    std::pair<long long, long long> least{-1, -1};
    for (const QRect& screen : in.screens) {
        const QSize size = in.wanted.expandedTo(in.least).boundedTo(screen.size());
        const int right = screen.right() - in.main.right(), left = in.main.left() - screen.left();
        // The width wanted, then narrowed to the room on either side, not below the least.
        const int narrowest = std::min(in.least.width(), size.width());
        const int widths[] = {size.width(), std::clamp(right, narrowest, size.width()),
                              std::clamp(left, narrowest, size.width())};
        for (const int w : widths) {
            // Right of the main window, left of it, at the screen's edges; level with
            // its top, at the screen's top, at its bottom. The first of equal places wins.
            const int xs[] = {in.main.right() + 1, in.main.left() - w, screen.right() + 1 - w, screen.left()};
            const int ys[] = {in.main.top(), screen.top(), screen.bottom() + 1 - size.height()};
            for (const int x : xs) {
                for (const int y : ys) {
                    const QRect r = within(QRect(x, y, w, size.height()), screen);
                    const std::pair<long long, long long> covered{area(r & in.fields), area(r & in.main)};
                    if (least.first < 0 || covered < least) {
                        least = covered;
                        best = r;
                    }
                }
            }
        }
    }
    return best;
}

}  // namespace ringfeld
