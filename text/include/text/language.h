// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The interface languages: one registry (command-line code, the word kept in
// the settings, the locale they are chosen for, the help document, the menu
// entry), and the type every user-visible text of the catalogue has. The
// catalogue itself is text/catalog/*.h, the caption table (window_texts.h) and
// the list entries (list_texts.h).

#include <array>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

namespace ringfeld {

enum class Language { German, French, English, None };

struct SprachEintrag {
    Language lang;
    std::string_view code;           // --lang and help: "de"
    std::string_view gespeichert;    // the word kept in the settings: "deutsch"
    std::string_view localeSprache;  // the locale's language subtag it is chosen for: "de"
    std::string_view hilfe;          // the help document: "Ringfeld_Hilfe.pdf"
    std::string_view menue;          // the main window's menu entry that chooses it: "mnuDeutsch"
    std::string_view datum;          // the locale of a printed report's dates: "de_DE"
    bool nullEinzahl;                // zero takes the singular, as one does ("0 candidat")
    std::string_view dezimal;        // the decimal separator of the numbers written: ","
};

// German first: the program's default language. English is the language of every
// other locale.
inline constexpr std::array<SprachEintrag, 3> kSprachen{{
    {Language::German, "de", "deutsch", "de", "Ringfeld_Hilfe.pdf", "mnuDeutsch", "de_DE", false, ","},
    {Language::French, "fr", "französisch", "fr", "Ringfeld_Aide.pdf", "mnuFranzösisch", "fr_FR", true, ","},
    {Language::English, "en", "englisch", "en", "Ringfeld_Help.pdf", "mnuEnglisch", "en_GB", false, "."},
}};
inline constexpr std::size_t kSprachAnzahl = kSprachen.size();
inline constexpr Language kStandardSprache = Language::German;
inline constexpr Language kFremdeLocaleSprache = Language::English;

constexpr const SprachEintrag* SprachEintragVon(Language lang) {
    for (const auto& e : kSprachen)
        if (e.lang == lang) return &e;
    return nullptr;
}

inline constexpr std::string_view kCodeGerman = kSprachen[0].gespeichert;
inline constexpr std::string_view kCodeFrench = kSprachen[1].gespeichert;
inline constexpr std::string_view kCodeEnglish = kSprachen[2].gespeichert;

// Exact, case-sensitive comparison with the stored words; any other text is no language.
constexpr Language SpracheVon(std::string_view code) {
    for (const auto& e : kSprachen)
        if (code == e.gespeichert) return e.lang;
    return Language::None;
}

// The decimal separator of the numbers the program writes in this language
// (reading takes both); a language the program does not know shows the
// standard language's texts, and so its separator.
constexpr std::string_view Dezimaltrenner(Language lang) {
    const SprachEintrag* e = SprachEintragVon(lang);
    return e ? e->dezimal : SprachEintragVon(kStandardSprache)->dezimal;
}

// `text`, a number written with either separator, with the language's. Only a
// text with exactly one separator changes, so a typed text the reading would
// take differently ("1,5.2") stays as it is; reading takes both separators, so
// the value never changes.
inline std::string MitTrenner(std::string text, Language lang) {
    const auto at = text.find_first_of(".,");
    if (at == std::string::npos || text.find_first_of(".,", at + 1) != std::string::npos) return text;
    return text.replace(at, 1, Dezimaltrenner(lang));
}

constexpr std::string_view SprachCode(Language lang) {
    const SprachEintrag* e = SprachEintragVon(lang);
    return e ? e->gespeichert : std::string_view();
}

// A text in every language, picked by the current language. It is built from
// exactly one string per registered language, so a text missing for one
// language (or a language added without its texts) does not compile.
class Tri {
public:
    template <typename... Texts>
    requires(sizeof...(Texts) == kSprachAnzahl &&
             (std::convertible_to<Texts, std::string_view> && ...)) constexpr Tri(Texts... texts)
        : texts_{std::string_view(texts)...} {}

    constexpr std::string_view in(Language lang) const {
        for (std::size_t i = 0; i < kSprachAnzahl; ++i)
            if (kSprachen[i].lang == lang) return texts_[i];
        return {};
    }

private:
    std::array<std::string_view, kSprachAnzahl> texts_;
};

// The per-user settings entry that keeps the language between runs.
inline constexpr std::string_view kSettingsApplication = "Ringfeld";
inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kSettingsKey = "Sprache";

// The language to start in when none is stored: the one of the desktop's
// locale `localeName` ("de_DE.UTF-8", "fr-CA", "C") by the locale's language
// subtag, English for every other.
constexpr std::string_view SprachCodeFuerLocale(std::string_view localeName) {
    const std::string_view subtag = localeName.substr(0, localeName.find_first_of("_-.@"));
    for (const auto& e : kSprachen)
        if (subtag == e.localeSprache) return e.gespeichert;
    return SprachCode(kFremdeLocaleSprache);
}

}  // namespace ringfeld
