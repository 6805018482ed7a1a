// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "design/save_file.h"

#include <QSaveFile>

#include <cerrno>

namespace ringfeld::design {

std::optional<QString> SaveWhole(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    errno = 0;
    const bool written = file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush();
    const int reason = errno;
    // Qt 6.4's commit() does not notice a failed flush (QTBUG-75077), and a write cut
    // short by the disk or a size limit reports no error at all: the temporary file
    // is measured before it may replace the old one.
    if (!written || file.error() != QFileDevice::NoError || file.size() != bytes.size()) {
        // The system's own reason where it gave one (Qt's may be "Unknown error"); the
        // temporary file goes with `file`.
        return reason != 0 ? qt_error_string(reason) : file.errorString();
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

}  // namespace ringfeld::design
