// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The design file reader on arbitrary bytes: every input is either refused with
// one message that names the file, or read to a design whose every field a
// window can take (texts in UTF-8 of at most 1000 characters, a site of the
// list or none, a band of the list or the range typed, only the known further
// groups); such a design, written and read again, is the same design. The
// input's length picks the language of the messages.

#include <cstdint>
#include <string>

#include <QByteArray>
#include <QString>

#include "design/design_file.h"
#include "fuzz_support.h"

using namespace ringfeld;
using namespace ringfeld::design;
using namespace ringfeld::fuzz;

namespace {

constexpr std::string_view kName = "fuzz.ringfeld";

// Every text a window takes: UTF-8 (as the file's QString gave it), at most 1000 characters.
void requireText(const std::string& text, std::string_view where) {
    const QString decoded = QString::fromStdString(text);
    require(decoded.toStdString() == text && decoded.size() <= 1000, where, text);
}

void checkDesign(const Entwurf& e) {
    const LoopEingaben& l = e.schleife.felder;
    for (const std::string* text : {&l.Text1, &l.Text2, &l.Text3, &l.Text4, &l.Text5, &l.Text6, &l.Text7, &l.Text8,
                                    &l.Text9, &e.kopplung.verhaeltnis})
        requireText(*text, "a field of the loop or the coupling window");
    for (const std::string& text : e.abstimmung.felder) requireText(text, "a field of the tuning window");
    require(l.Combo1.empty() && l.Combo2.empty(), "lists kept as texts");
    require(e.kopplung.ort >= -1 && e.kopplung.ort < static_cast<int>(kOrte.size()), "site outside the list");
    require(e.abstimmung.band >= 0 && e.abstimmung.band <= static_cast<int>(tuning::kBands.size()),
            "band outside the list");
    for (const auto& [name, gruppe] : e.weitere) {
        require(name == kWeitereGruppen[0] || name == kWeitereGruppen[1], "a group no window keeps", name);
        for (const auto& [key, text] : gruppe) requireText(text, name);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Language lang = kSprachen[size % kSprachAnzahl].lang;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Gelesen gelesen = EntwurfAusJson(bytes, kName, lang);
    if (!gelesen.entwurf) {
        require(gelesen.meldung.find(kName) != std::string::npos, "a refusal that does not name the file",
                gelesen.meldung);
        return 0;
    }
    require(gelesen.meldung.empty(), "a design read with a message", gelesen.meldung);
    checkDesign(*gelesen.entwurf);

    const std::string text = EntwurfAlsJson(*gelesen.entwurf);
    const Gelesen wieder = EntwurfAusJson(QByteArray::fromStdString(text), kName, lang);
    require(wieder.entwurf.has_value(), "a written design is refused", wieder.meldung);
    require(*wieder.entwurf == *gelesen.entwurf, "a written design reads back otherwise", text);
    return 0;
}
