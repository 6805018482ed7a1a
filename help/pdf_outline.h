// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What Qt's PDF writer (Qt 6.4) cannot do itself, done on its finished file:
// a creation date from SOURCE_DATE_EPOCH instead of the clock, and bookmarks
// (the document outline) for the chapters.

#include <QByteArray>
#include <QList>
#include <QString>

namespace ringfeld::helpgen {

// One bookmark: its title, the page (0 = first) and the height on that page
// in points from the page's top, and the bookmarks below it.
struct Bookmark {
    QString title;
    int page = 0;
    double fromTop = 0;
    QList<Bookmark> children;
};

// The PDF with its /CreationDate replaced by `epochSeconds` (UTC), in place
// and of the same length. Empty when the file has no such entry.
QByteArray WithCreationDate(const QByteArray& pdf, qint64 epochSeconds);

// The PDF with an outline of `marks` added as an incremental update (ISO
// 32000-1, 7.5.6): new outline objects, the catalog written again with
// /Outlines, and a cross-reference section pointing back at the old one.
// `pageHeight` is the pages' height in points. Empty when the file does not
// have the layout Qt's writer gives it (one classic xref table and trailer).
QByteArray WithOutline(const QByteArray& pdf, const QList<Bookmark>& marks, double pageHeight);

}  // namespace ringfeld::helpgen
