// FormatZahl with arbitrary doubles and each of the program's patterns: a finite
// value gives text that reads back to the value within half a unit of the last
// decimal the pattern allows (halves away from zero), in the pattern's shape;
// NaN and infinity give the empty text.
//
// Input: byte 0 picks the pattern, byte 1 the decimal separator and how the
// value is built from the remaining bytes, so that NaN, infinity, subnormals,
// +-1e308 and exact halves at every decimal place all come up.

#include <array>
#include <bit>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "engine/number_format.h"
#include "fuzz_support.h"

using namespace ringfeld;
using namespace ringfeld::fuzz;

namespace {

constexpr std::array<std::string_view, 15> kMuster{
    muster::Lamda,   muster::Induktivitaet, muster::KapazitaetKlein, muster::KapazitaetGross,
    muster::EigenkapazitaetGross, muster::Ohm, muster::Milliohm, muster::Prozent,
    muster::ProzentKlein, muster::ProzentFein, muster::Gewinn, muster::Guete,
    muster::Seite, muster::Zentimeter, muster::Kiloohm};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::array<double, 24> kBesondere{
    kNaN, -kNaN, kInf, -kInf, 0.0, -0.0, DBL_MIN, -DBL_MIN,
    std::numeric_limits<double>::denorm_min(), -std::numeric_limits<double>::denorm_min(),
    DBL_MAX, -DBL_MAX, 1e308, -1e308, 0.5, -0.5, 9.5, 99.95, 0.0005, 0.00049999999999999999,
    999.96, 1e16 + 1, 4503599627370495.5, -0.0049999999999999999};

struct Zahlen {
    const std::uint8_t* p;
    std::size_t n;
    std::uint64_t bits(std::size_t bytes) {
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < bytes; ++i) v = (v << 8) | (i < n ? p[i] : 0);
        const std::size_t used = bytes < n ? bytes : n;
        p += used;
        n -= used;
        return v;
    }
};

struct Wert {
    double value;
    int halbeStelle = -1;  // the decimal place at which the value is an exact half, if built as one
};

Wert bauen(std::uint8_t art, Zahlen& z) {
    switch (art % 5) {
        case 0: {  // any bit pattern
            return {std::bit_cast<double>(z.bits(8))};
        }
        case 1: {  // odd multiple of 2^-(d+1): exactly halfway between two multiples of 10^-d
            const int d = static_cast<int>(z.bits(1) % 13);
            const std::uint64_t raw = z.bits(7);
            const double j = static_cast<double>((raw & ((std::uint64_t{1} << 53) - 1)) | 1);
            const double v = std::ldexp(j, -(d + 1));
            return {raw >> 63 ? -v : v, d};
        }
        case 2:  // the values every formatter gets wrong once
            return {kBesondere[z.bits(1) % kBesondere.size()]};
        case 3: {  // a few ulps around m * 10^e
            const double m = static_cast<double>(z.bits(4));
            const int e = static_cast<int>(z.bits(1) % 41) - 20;
            double v = m * std::pow(10.0, e);
            const int schritte = static_cast<int>(z.bits(1) % 9) - 4;
            for (int i = 0; i < std::abs(schritte); ++i) v = std::nextafter(v, schritte > 0 ? kInf : -kInf);
            return {z.bits(1) & 1 ? -v : v};
        }
        default: {  // (m + 0.5) / 10^d in double: near, but usually not exactly, a half
            const double m = static_cast<double>(z.bits(5));
            const int d = static_cast<int>(z.bits(1) % 13);
            const double v = (m + 0.5) / std::pow(10.0, d);
            return {z.bits(1) & 1 ? -v : v};
        }
    }
}

// What the pattern promises about the text: decimals, the literal suffix, the
// text before a negative number.
struct Form {
    int maxDecimals = 0, minDecimals = 0;
    bool point = false;
    std::string_view suffix, negativ = "-";
};

Form formVon(std::string_view pattern) {
    Form f;
    const std::size_t semicolon = pattern.find(';');
    const std::string_view positiv = pattern.substr(0, semicolon);
    if (semicolon != std::string_view::npos) {
        const std::string_view neg = pattern.substr(semicolon + 1);
        f.negativ = neg.substr(0, neg.find_first_of("#0"));
    }
    const std::size_t last = positiv.find_last_of("#0");
    f.suffix = positiv.substr(last + 1);
    const std::size_t point = positiv.find('.');
    if (point != std::string_view::npos) {
        f.point = true;
        for (std::size_t i = point + 1; i <= last; ++i) {
            ++f.maxDecimals;
            f.minDecimals += positiv[i] == '0';
        }
    }
    return f;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether m lies exactly halfway between two multiples of 10^-decimals.
bool genauHalb(double m, int decimals) {
    const double t = std::ldexp(m, decimals + 1);
    return std::isfinite(t) && t == std::floor(t) && std::fmod(t, 2.0) == 1.0;
}

// |v| correctly rounded to `decimals` places, by the standard library.
double richtigGerundet(double v, int decimals) {
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v), std::chars_format::fixed, decimals).ptr;
    double o = 0;
    std::from_chars(buffer, end, o);
    return o;
}

void checkShape(const std::string& text, const Form& form, std::string_view sep, double value) {
    std::string_view rest = text;
    require(rest.size() >= form.suffix.size() && rest.substr(rest.size() - form.suffix.size()) == form.suffix,
            "suffix missing", text);
    rest.remove_suffix(form.suffix.size());
    if (rest.substr(0, form.negativ.size()) == form.negativ) {
        require(value < 0, "a sign on a value that is not negative", text);
        rest.remove_prefix(form.negativ.size());
    }
    std::size_t whole = 0;
    while (whole < rest.size() && isDigit(rest[whole])) ++whole;
    require(whole >= 1, "no whole digits", text);
    require(whole == 1 || rest[0] != '0', "leading zero", text);
    rest.remove_prefix(whole);
    if (!form.point) {
        require(rest.empty(), "text after the whole part of a pattern without point", text);
        return;
    }
    require(rest.substr(0, sep.size()) == sep, "decimal separator missing", text);
    rest.remove_prefix(sep.size());
    require(static_cast<int>(rest.size()) >= form.minDecimals && static_cast<int>(rest.size()) <= form.maxDecimals,
            "number of decimals outside the pattern", text);
    for (char c : rest) require(isDigit(c), "not a digit among the decimals", text);
    require(static_cast<int>(rest.size()) <= form.minDecimals || rest.back() != '0', "trailing zero kept", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::string_view pattern = kMuster[data[0] % kMuster.size()];
    const std::string_view sep = data[1] & 1 ? "," : ".";
    Zahlen z{data + 2, size - 2};
    const Wert wert = bauen(static_cast<std::uint8_t>(data[1] >> 1), z);
    const double v = wert.value;

    const std::string text = FormatZahl(v, pattern, sep);
    if (!std::isfinite(v)) {
        require(text.empty(), "non-finite value gave text", text);
        return 0;
    }
    const Form form = formVon(pattern);
    checkShape(text, form, sep, v);

    const double r = readsBackFinite(text, "formatted text");
    const double halbeEinheit = 0.5 * std::pow(10.0, -form.maxDecimals);
    const double ulp = std::ldexp(std::numeric_limits<double>::epsilon(), std::ilogb(std::fmax(std::fabs(v), 1e-300)));
    require(std::fabs(r - v) <= halbeEinheit * (1 + 1e-9) + 4 * ulp, "read back further than half a unit", text);
    if (r != 0) require(std::signbit(r) == std::signbit(v), "sign lost", text);
    else require(text.find('-') == std::string::npos, "zero shown with a sign", text);
    // Anything but an exact half has one correct rounding: the one the standard
    // library's fixed conversion gives.
    if (!genauHalb(std::fabs(v), form.maxDecimals))
        require(std::fabs(r) == richtigGerundet(v, form.maxDecimals), "not the correctly rounded value", text);
    // Away from zero shows in the read-back value unless the value is so large that
    // the next decimal step is below the resolution of a double.
    if (wert.halbeStelle == form.maxDecimals && halbeEinheit > 4 * ulp)
        require(std::fabs(r) > std::fabs(v), "exact half not rounded away from zero", text);
    return 0;
}
