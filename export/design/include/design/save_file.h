// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Every file the program writes (designs, exports, reports as PDF) goes through
// one atomic save: a temporary file beside the target, written, flushed and
// measured before it replaces the old file. On a full disk or under a file-size
// limit nothing replaces the old file, and the system's reason is returned.

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace ringfeld::design {

// Writes `bytes` to `path`; empty when the whole file is there, else the
// system's reason (the old file, if any, stays byte for byte).
std::optional<QString> SaveWhole(const QString& path, QByteArrayView bytes);

}  // namespace ringfeld::design
