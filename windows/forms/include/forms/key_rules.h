// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Keys as the windows' key handlers see them, and the two key rules both
// windows share: numeric fields take digits and decimal separators only, and
// lists change by the arrow keys only.

#include <QKeyEvent>
#include <QString>

#include <string>
#include <string_view>
#include "platform/qt_text.h"

namespace ringfeld::keys {

inline constexpr int vbKeyBack = 8;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyDown = 40;

inline int keyCode(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Up: return vbKeyUp;
        case Qt::Key_Down: return vbKeyDown;
        default: return key.key();
    }
}

// Shift 1, Ctrl 2, Alt 4.
inline int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// A numeric field takes digits, both decimal separators and Backspace; any
// other character is cleared and so discarded.
inline void ZifferFilter(int& KeyAscii) {
    const bool ziffer = KeyAscii >= '0' && KeyAscii <= '9';
    if (!ziffer && KeyAscii != '.' && KeyAscii != ',' && KeyAscii != vbKeyBack) KeyAscii = 0;
}

// A length field in feet and inches also takes the fraction bar, the marks of
// feet and inches and the blank ("1 1/8", "3' 6\"").
inline void LaengenFilter(int& KeyAscii) {
    if (KeyAscii == '/' || KeyAscii == '\'' || KeyAscii == '"' || KeyAscii == ' ') return;
    ZifferFilter(KeyAscii);
}

// A list lets only the Up and Down arrows through.
inline void PfeilFilter(int& KeyCode, int& Shift) {
    if (KeyCode != vbKeyUp && KeyCode != vbKeyDown) KeyCode = Shift = 0;
}

}  // namespace ringfeld::keys

namespace ringfeld {}  // namespace ringfeld
