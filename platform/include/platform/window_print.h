// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The print command both windows share: the paper shows the window with a
// heading in place of its buttons. Which printer and how the window reaches
// the paper is the desktop services' business (DesktopServices::printWindow).

#include <initializer_list>
#include <string>

#include "platform/desktop_services.h"

class QLabel;
class QWidget;

namespace ringfeld {

// The heading a printed window shows in place of its buttons.
struct DruckKopf {
    QLabel& label;
    std::string aufPapier;  // its caption on paper
    std::string danach;     // its caption afterwards
    bool danachSichtbar;    // whether it shows afterwards
};

// Hides the buttons, shows the heading, lets the window repaint, prints
// `flaeche` and lets the events run again. A failure shows `fehlermeldung` in a
// box without icon or title of its own. The buttons come back and the heading
// as `kopf` says, whatever happened.
void FensterDrucken(DesktopServices& dienste, QWidget& flaeche, std::initializer_list<QWidget*> knoepfe,
                    const DruckKopf& kopf, const std::string& fehlermeldung);

}  // namespace ringfeld
