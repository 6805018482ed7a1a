// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The three interface languages and the exact codes stored in the settings.

#include <string_view>

namespace ringfeld {

enum class Language { German, French, English, None };

inline constexpr std::string_view kCodeGerman = "deutsch";
inline constexpr std::string_view kCodeFrench = "französisch";
inline constexpr std::string_view kCodeEnglish = "englisch";

// Exact, case-sensitive comparison, German first; any other text is no language.
constexpr Language SpracheVon(std::string_view code) {
    if (code == kCodeGerman) return Language::German;
    if (code == kCodeFrench) return Language::French;
    if (code == kCodeEnglish) return Language::English;
    return Language::None;
}

constexpr std::string_view SprachCode(Language lang) {
    switch (lang) {
        case Language::German: return kCodeGerman;
        case Language::French: return kCodeFrench;
        case Language::English: return kCodeEnglish;
        case Language::None: break;
    }
    return {};
}

// A text in the three languages, picked by the current language.
struct Tri {
    std::string_view de, fr, en;
    constexpr std::string_view in(Language lang) const {
        switch (lang) {
            case Language::German: return de;
            case Language::French: return fr;
            case Language::English: return en;
            case Language::None: break;
        }
        return {};
    }
};

// The per-user settings entry that keeps the language between runs.
inline constexpr std::string_view kSettingsApplication = "Ringfeld";
inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kSettingsKey = "Sprache";

// The language to start in when none is stored: the one of the desktop's
// locale `localeName` ("de_DE.UTF-8", "fr-CA", "C"), German and French by
// the locale's language subtag, English for every other.
constexpr std::string_view SprachCodeFuerLocale(std::string_view localeName) {
    const std::string_view subtag = localeName.substr(0, localeName.find_first_of("_-.@"));
    if (subtag == "de") return kCodeGerman;
    if (subtag == "fr") return kCodeFrench;
    return kCodeEnglish;
}

}  // namespace ringfeld
