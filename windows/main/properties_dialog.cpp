// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "main/properties_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "forms/accessibility.h"
#include "platform/qt_text.h"
#include "text/catalog/design_texts.h"

namespace ringfeld {

std::optional<std::string> NotizBearbeiten(QWidget& parent, const std::string& notiz, Language lang) {
    if (lang == Language::None) lang = kStandardSprache;
    QDialog dialog(&parent);
    dialog.setObjectName(QStringLiteral("dlgEigenschaften"));
    dialog.setWindowTitle(qs(design::texte::kEigenschaftenTitel.in(lang)));
    auto* spalte = new QVBoxLayout(&dialog);
    auto* label = new QLabel(qs(design::texte::kNotiz.in(lang)), &dialog);
    label->setObjectName(QStringLiteral("lblNotiz"));
    auto* feld = new QPlainTextEdit(qs(notiz), &dialog);
    feld->setObjectName(QStringLiteral("txtNotiz"));
    feld->setTabChangesFocus(true);
    label->setBuddy(feld);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    knoepfe->setObjectName(QStringLiteral("btnEigenschaften"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    spalte->addWidget(label);
    spalte->addWidget(feld, 1);
    spalte->addWidget(knoepfe);
    exposeObjectNames(&dialog);
    dialog.resize(dialog.fontMetrics().averageCharWidth() * 60, dialog.fontMetrics().height() * 14);
    feld->setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return str(feld->toPlainText());
}

}  // namespace ringfeld
