// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "platform/saved_file.h"

#include <QDir>

#include "design/save_file.h"
#include "platform/qt_text.h"
#include "text/catalog/design_texts.h"

namespace ringfeld {

bool SaveOrSay(DesktopServices& services, const QString& path, std::string_view bytes, Language lang) {
    const auto why = design::SaveWhole(path, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (why)
        services.messageBox(
            Meldung{str(qs(design::texte::kNichtGespeichert.in(lang)).arg(QDir::toNativeSeparators(path), *why)),
                    std::string(), BoxIcon::Exclamation});
    return !why;
}

}  // namespace ringfeld
