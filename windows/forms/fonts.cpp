// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "forms/fonts.h"

#include <QFont>
#include <QFontInfo>
#include <QVariant>
#include <QWidget>

namespace ringfeld {

bool fontFamilyPresent(const QString& family) {
    QFont probe;
    probe.setFamilies({family});
    return QFontInfo(probe).family().compare(family, Qt::CaseInsensitive) == 0;
}

namespace {

struct FamilyChoice {
    QString design, narrow;
    bool defaultReplaced;
};

void adjust(QWidget* w, const FamilyChoice& choice, bool isRoot) {
    // Widgets without a font of their own inherit the root's (or their
    // frame's) adjusted font; only the others need a look.
    if (!isRoot && !w->testAttribute(Qt::WA_SetFont)) return;

    QFont f = w->font();
    const QString family = f.family();
    if (family.compare(QLatin1String(kDesignFamily), Qt::CaseInsensitive) == 0 ||
        family.compare(QLatin1String(kDesignFallbackFamily), Qt::CaseInsensitive) == 0) {
        f.setFamilies({choice.design});
    } else if (family.compare(QLatin1String(kNarrowFamily), Qt::CaseInsensitive) == 0) {
        f.setFamilies({choice.narrow});
    }

    const QVariant designSize = w->property(kDesignPointSizeProperty);
    if (designSize.isValid()) {
        f.setPointSizeF(designSize.toDouble());
    } else if (choice.defaultReplaced && f.pointSize() == kFormDefaultPointSize) {
        f.setPointSizeF(kFallbackDefaultPointSize);
    }
    w->setFont(f);
}

}  // namespace

void applyDesignFonts(QWidget* root) {
    if (!root) return;
    const bool designPresent = fontFamilyPresent(QLatin1String(kDesignFamily));
    const FamilyChoice choice{
        designPresent ? QString::fromLatin1(kDesignFamily) : QString::fromLatin1(kDesignFallbackFamily),
        fontFamilyPresent(QLatin1String(kNarrowFamily)) ? QString::fromLatin1(kNarrowFamily)
                                                        : QString::fromLatin1(kNarrowFallbackFamily),
        !designPresent};

    // Parents first, so that a child sees the family its parent already has.
    adjust(root, choice, true);
    const auto children = root->findChildren<QWidget*>();  // each parent before its children
    for (QWidget* w : children) adjust(w, choice, false);
}

}  // namespace ringfeld
