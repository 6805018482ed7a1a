// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Makes every control findable by its layout name through the accessibility
// interface (screen readers, UI automation): the accessible description of a
// widget becomes its objectName.

class QWidget;

namespace ringfeld {

void exposeObjectNames(QWidget* root);

}  // namespace ringfeld
