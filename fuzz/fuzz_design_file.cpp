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

void requireText(const std::string& text, std::string_view where) {
    const QString decoded = QString::fromStdString(text);
    require(decoded.toStdString() == text, where, "not UTF-8");
    require(decoded.size() <= 1000, where, "longer than a field takes");
}

void checkDesign(const Entwurf& e) {
    for (const std::string* text :
         {&e.schleife.felder.Text1, &e.schleife.felder.Text2, &e.schleife.felder.Text3, &e.schleife.felder.Text4,
          &e.schleife.felder.Text5, &e.schleife.felder.Text6, &e.schleife.felder.Text7, &e.schleife.felder.Text8,
          &e.schleife.felder.Text9, &e.kopplung.verhaeltnis})
        requireText(*text, "a field of the loop or the coupling window");
    require(e.schleife.felder.Combo1.empty() && e.schleife.felder.Combo2.empty(), "lists kept as texts");
    require(e.kopplung.ort >= -1 && e.kopplung.ort < static_cast<int>(kOrte.size()), "site outside the list");
    for (const std::string& text : e.abstimmung.felder) requireText(text, "a field of the tuning window");
    require(e.abstimmung.band >= 0 && e.abstimmung.band <= static_cast<int>(tuning::kBands.size()),
            "band outside the list");
    for (const auto& [name, gruppe] : e.weitere) {
        bool bekannt = false;
        for (std::string_view g : kWeitereGruppen) bekannt = bekannt || g == name;
        require(bekannt, "a group no window keeps", name);
        for (const auto& [key, text] : gruppe) requireText(text, name);
    }
    require(QString::fromStdString(e.notiz).toStdString() == e.notiz, "note", "not UTF-8");
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
