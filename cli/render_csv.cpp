// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// ringfeld-calc --format csv: comma-separated values as RFC 4180 writes them.

#include "cli/calc_run.h"
#include "cli/calc_values.h"
#include "core/fault.h"
#include "text/text_zu_zahl.h"

namespace ringfeld::cli {
namespace {

constexpr std::string_view kLineEnd = "\r\n";  // RFC 4180, 2.1

// A field in double quotes, its own quotes doubled (RFC 4180, 2.5 to 2.7).
void appendQuoted(std::string& out, const std::string& text) {
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// The frequency as the calculation reads its field; empty when it reads none.
std::string frequencyCell(const std::string& text) {
    try {
        return NumberText(TextZuZahl(text));
    } catch (const ArithmeticFault&) {
        return {};
    }
}

}  // namespace

void CsvHeader(std::string& out) {
    out += "frequency_MHz,ending";
    for (std::string_view key : kValueKeys) (out += ',') += key;
    (out += ",message") += kLineEnd;
}

void CsvRow(std::string& out, const CalcRow& row) {
    out += frequencyCell(row.frequenz);
    (out += ',') += EndingName(row.ausgang.ending);
    for (const auto& value : ValuesOf(row)) {
        out += ',';
        if (value) out += NumberText(*value);
    }
    out += ',';
    appendQuoted(out, RowMessage(row).toStdString());
    out += kLineEnd;
}

}  // namespace ringfeld::cli
