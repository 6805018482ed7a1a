#include "text_zu_zahl.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "fault.h"

namespace ringfeld {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text, skipping blanks, with the first comma read as a point.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text), comma_(text.find(',')) {}

    char peek() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
        if (pos_ >= text_.size()) return '\0';
        return pos_ == comma_ ? '.' : text_[pos_];
    }
    void next() { ++pos_; }

private:
    std::string_view text_;
    std::size_t comma_;
    std::size_t pos_ = 0;
};

double radixNumber(Reader& in, int radix) {
    double value = 0;
    bool any = false;
    for (;;) {
        char c = in.peek();
        int digit = -1;
        if (isDigit(c)) digit = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
        // Whole numbers of these prefixes are at most 64 bits wide.
        if (value > 18446744073709551615.0) throw ArithmeticFault(Fault::Overflow);
        any = true;
        in.next();
    }
    return any ? value : 0.0;
}

}  // namespace

double TextZuZahl(std::string_view text) {
    Reader in(text);

    if (in.peek() == '&') {
        in.next();
        char kind = in.peek();
        if (kind == 'H' || kind == 'h') { in.next(); return radixNumber(in, 16); }
        if (kind == 'O' || kind == 'o') { in.next(); return radixNumber(in, 8); }
        return 0.0;
    }

    std::string number;
    if (in.peek() == '+' || in.peek() == '-') {
        if (in.peek() == '-') number += '-';
        in.next();
    }
    bool digits = false, point = false, seenSignificant = false;
    // The mantissa as a whole number while it stays exact, for the fast path below.
    std::uint64_t mantissa = 0;
    int mantissaDigits = 0;
    long long fractionDigits = 0;
    for (;;) {
        char c = in.peek();
        if (isDigit(c)) {
            seenSignificant = seenSignificant || c != '0';
            if (seenSignificant) ++mantissaDigits;
            if (mantissaDigits <= 19) {
                mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
                if (point) ++fractionDigits;
            }
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
        in.next();
    }
    if (!digits) return 0.0;

    long long exponent = 0;
    char e = in.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        in.next();
        bool negative = false;
        if (in.peek() == '+' || in.peek() == '-') {
            negative = in.peek() == '-';
            in.next();
        }
        while (isDigit(in.peek())) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (in.peek() - '0');
            in.next();
        }
        if (negative) exponent = -exponent;
    }
    if (!seenSignificant) return 0.0;

    // Exact whole mantissa and a small power of ten: one correctly rounded operation.
    const bool negative = number[0] == '-';
    const long long scale = exponent - fractionDigits;
    if (mantissaDigits <= 19 && mantissa <= (std::uint64_t{1} << 53) && scale >= -22 && scale <= 22) {
        static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        double value = static_cast<double>(mantissa);
        value = scale >= 0 ? value * kPow10[scale] : value / kPow10[-scale];
        return negative ? -value : value;
    }
    if (exponent != 0) number += "e" + std::to_string(exponent);

    double value = 0;
    const char* first = number.data();
    const char* last = first + number.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too large is an overflow; too small reads as zero. The decimal magnitude
        // of the mantissa tells which: digits before the point count up, zeros after it down.
        const std::size_t firstDigit = number.find_first_of("123456789");
        std::size_t pointAt = number.find('.');
        if (pointAt == std::string::npos) pointAt = number.find('e');
        if (pointAt == std::string::npos) pointAt = number.size();
        const long long magnitude = firstDigit < pointAt
                                        ? static_cast<long long>(pointAt - firstDigit)
                                        : -static_cast<long long>(firstDigit - pointAt - 1);
        if (magnitude + exponent > 0) throw ArithmeticFault(Fault::Overflow);
        return 0.0;
    }
    if (ec != std::errc() || std::isinf(value)) throw ArithmeticFault(Fault::Overflow);
    return value;
}

}  // namespace ringfeld
