// TextZuZahl on arbitrary bytes: a finite number or an overflow, nothing else.
// Besides that, the rules a user relies on when typing: blanks count nowhere,
// a lone comma is a decimal point, and a leading minus negates.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "fuzz_support.h"

using namespace ringfeld;
using namespace ringfeld::fuzz;

namespace {

// The value, or unset for an overflow. Any other exception escapes and is a finding.
std::optional<double> lesen(std::string_view text) {
    try {
        const double value = TextZuZahl(text);
        require(std::isfinite(value), "TextZuZahl returned a non-finite value", text);
        return value;
    } catch (const ArithmeticFault& fault) {
        require(fault.kind() == Fault::Overflow, "TextZuZahl threw a fault other than overflow", text);
        return std::nullopt;
    }
}

bool gleich(const std::optional<double>& a, const std::optional<double>& b) {
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A plain decimal number: optional minus, digits with at most one point, an
// optional exponent with "e" or "E". Such a text has one correct value.
bool schlicht(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-') ++i;
    bool digits = false, point = false;
    for (; i < t.size(); ++i) {
        if (isDigit(t[i])) digits = true;
        else if (t[i] == '.' && !point) point = true;
        else break;
    }
    if (!digits) return false;
    if (i == t.size()) return true;
    if (t[i] != 'e' && t[i] != 'E') return false;
    if (++i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    if (i == t.size()) return false;
    for (; i < t.size(); ++i)
        if (!isDigit(t[i])) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = lesen(text);

    // Plain decimal text reads as the correctly rounded double.
    if (schlicht(text)) {
        double richtig = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), richtig);
        if (ec == std::errc() && end == text.data() + text.size())
            require(value && *value == richtig, "not the correctly rounded value", text);
    }

    std::string ohneLeer = text;
    ohneLeer.erase(std::remove_if(ohneLeer.begin(), ohneLeer.end(), isBlank), ohneLeer.end());
    require(gleich(value, lesen(ohneLeer)), "blanks changed the value", text);

    if (std::count(text.begin(), text.end(), ',') == 1) {
        std::string mitPunkt = text;
        mitPunkt[mitPunkt.find(',')] = '.';
        require(gleich(value, lesen(mitPunkt)), "a lone comma reads differently from a point", text);
    }

    const char first = ohneLeer.empty() ? '\0' : ohneLeer.front();
    if (first != '+' && first != '-' && first != '&') {
        const auto negiert = lesen("-" + text);
        require(value.has_value() == negiert.has_value() && (!value || *negiert == -*value),
                "a leading minus does not negate", text);
    }
    return 0;
}
