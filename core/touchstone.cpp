// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// Reading one-port Touchstone files. What the two format documents (see the header) say
// and this reader follows:
// - "!" starts a comment up to the end of the line, anywhere; blank lines are ignored;
//   words are separated by spaces or tabs, and keywords and option words are read
//   without regard to case.
// - Version 1.x: the option line "# <unit> <parameter> <format> R <ohm>" comes before
//   the data, its words in any order, each optional (defaults GHz, S, MA, R 50); only
//   the first option line counts. A one-port file has one frequency a line: the
//   frequency and a pair of numbers (a two-port or larger file has nine numbers on its
//   first line of a frequency).
// - Version 2.0: "[Version] 2.0" first, the option line, "[Number of Ports]",
//   "[Number of Frequencies]", optionally "[Reference]" (its values may stand on the
//   next line; they replace the option line's R), "[Matrix Format]",
//   "[Begin Information]" ... "[End Information]", then "[Network Data]", whose numbers
//   may be split across lines at any space, and "[End]".
// - Formats: RI real and imaginary part; MA magnitude and angle in degrees; DB
//   20 lg(magnitude) and angle in degrees.
// The frequencies must ascend (both format documents ask for increasing frequencies).
// Numbers are read with std::from_chars, so the locale's decimal separator plays no part.

#include "core/touchstone.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <system_error>

#include "core/constants.h"

namespace ringfeld::vna {
namespace {

using Complex = std::complex<double>;
using Reason = TouchstoneReason;

// What the option line's unit word multiplies a frequency with, to Hz.
struct UnitWord {
    std::string_view word;
    double hertz;
};
constexpr UnitWord kUnits[] = {{"hz", 1}, {"khz", 1e3}, {"mhz", 1e6}, {"ghz", 1e9}};

enum class Format { RealImaginary, MagnitudeAngle, DecibelAngle };
struct FormatWord {
    std::string_view word;
    Format format;
};
constexpr FormatWord kFormats[] = {
    {"ri", Format::RealImaginary}, {"ma", Format::MagnitudeAngle}, {"db", Format::DecibelAngle}};
// The parameters an option line may name; only S is a reflection coefficient.
constexpr std::string_view kParameters[] = {"s", "y", "z", "g", "h"};

// Defaults of an option line that leaves a word out (both format documents).
constexpr double kDefaultUnitHz = 1e9;
constexpr Format kDefaultFormat = Format::MagnitudeAngle;
constexpr double kDefaultReferenceOhm = 50;

// The numbers of one frequency in a one-port file: the frequency and one pair.
constexpr std::size_t kNumbersPerPoint = 3;
// Numbers on the first line of a frequency in a file of two or more ports (version
// 1.x): the frequency and four pairs.
constexpr std::size_t kMultiPortLineNumbers = 9;

// The first line of a version 2.0 file starts with this keyword; the second ends an
// information block, whose lines are anything else.
constexpr std::string_view kVersionKeyword = "[version]";
constexpr std::string_view kEndInformationKeyword = "[end information]";

// The block a file is read in.
constexpr std::size_t kReadChunkBytes = std::size_t{64} * 1024;

constexpr double kDecibelsPerMagnitudeDecade = 20;  // 20 lg |S|
constexpr double kDegreesPerHalfTurn = 180;

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

bool startsWith(std::string_view text, std::string_view lowerPrefix) {
    return lower(text.substr(0, lowerPrefix.size())) == lowerPrefix;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isSpace(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !isSpace(text[i])) ++i;
        if (i > start) out.push_back(text.substr(start, i - start));
    }
    return out;
}

// A refusal thrown from deep in the reading and caught once at the top.
struct Refused {
    TouchstoneRefusal refusal;
};
[[noreturn]] void refuse(Reason reason, std::size_t line, double value = 0, double bound = 0) {
    throw Refused{{reason, line, value, bound}};
}

// A number as the files write it: an optional sign, digits, a decimal point, an
// exponent. NaN, an infinity and a number beyond a double's range are NonFinite.
double number(std::string_view word, std::size_t line) {
    std::string_view digits = word;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '+' || (digits.front() == '-' && word.front() == '+'))
        refuse(Reason::BadNumber, line);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (end != digits.data() + digits.size()) refuse(Reason::BadNumber, line);
    if (error == std::errc::result_out_of_range) refuse(Reason::NonFinite, line);
    if (error != std::errc()) refuse(Reason::BadNumber, line);
    if (!std::isfinite(value)) refuse(Reason::NonFinite, line);
    return value;
}

// A whole number of a keyword: at least 1 and exactly integral.
double count(std::string_view word, std::size_t line) {
    const double value = number(word, line);
    if (!(value >= 1) || value != std::floor(value)) refuse(Reason::BadKeyword, line);
    return value;
}

struct Options {
    double unitHz = kDefaultUnitHz;
    Format format = kDefaultFormat;
    double referenceOhm = kDefaultReferenceOhm;
};

Options optionLine(std::string_view rest, std::size_t line) {
    Options o;
    const std::vector<std::string_view> list = words(rest);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string word = lower(list[i]);
        bool known = false;
        for (const UnitWord& u : kUnits)
            if (word == u.word) o.unitHz = u.hertz, known = true;
        for (const FormatWord& f : kFormats)
            if (word == f.word) o.format = f.format, known = true;
        for (std::string_view p : kParameters)
            if (word == p) {
                if (p != "s") refuse(Reason::NotScattering, line);
                known = true;
            }
        if (word == "r") {
            if (i + 1 == list.size()) refuse(Reason::BadOptionLine, line);
            o.referenceOhm = number(list[++i], line);
            if (!(o.referenceOhm > 0)) refuse(Reason::BadOptionLine, line);
            known = true;
        }
        if (!known) refuse(Reason::BadOptionLine, line);
    }
    return o;
}

Complex pair(Format format, double a, double b) {
    if (format == Format::RealImaginary) return {a, b};
    const double angle = b * constants::kPi / kDegreesPerHalfTurn;
    const double magnitude = format == Format::MagnitudeAngle ? a : std::pow(10.0, a / kDecibelsPerMagnitudeDecade);
    return {magnitude * std::cos(angle), magnitude * std::sin(angle)};
}

// S11 against the file's reference R as S11 against kSweepReferenceOhm:
// Z = R (1 + S) / (1 - S) and S' = (Z - Z0) / (Z + Z0), written without Z so that
// S = 1 (an open) stays finite: S' = (R - Z0 + S (R + Z0)) / (R + Z0 + S (R - Z0)).
Complex renormalised(Complex s, double fileOhm) {
    if (fileOhm == kSweepReferenceOhm) return s;
    const double sum = fileOhm + kSweepReferenceOhm, difference = fileOhm - kSweepReferenceOhm;
    return (difference + s * sum) / (sum + s * difference);
}

class Reader {
public:
    TouchstoneRead run(std::string_view bytes) {
        std::size_t start = 0;
        while (start <= bytes.size()) {
            std::size_t end = bytes.find('\n', start);
            if (end == std::string_view::npos) end = bytes.size();
            ++line_;
            take(bytes.substr(start, end - start));
            if (ended_) break;
            start = end + 1;
        }
        finish();
        return {std::move(sweep_), std::nullopt};
    }

private:
    void take(std::string_view text) {
        text = trim(text.substr(0, text.find('!')));
        if (text.empty()) return;
        if (!started_) {
            started_ = true;
            if (startsWith(text, kVersionKeyword)) {
                version(text);
                return;
            }
            if (text.front() != '#') refuse(Reason::NotTouchstone, line_);
        }
        if (information_) {
            if (startsWith(text, kEndInformationKeyword)) information_ = false;
            return;
        }
        if (referencePending_) {
            reference(text);
            return;
        }
        if (text.front() == '#') {
            if (!options_) options_ = optionLine(text.substr(1), line_);
            return;
        }
        if (text.front() == '[') {
            if (sweep_.version == 1) refuse(Reason::BadKeyword, line_);
            keywordLine(text);
            return;
        }
        if (!options_) refuse(sweep_.version == 1 ? Reason::NotTouchstone : Reason::MissingKeyword, line_);
        sweep_.version == 1 ? dataLine1(text) : dataLine2(text);
    }

    // The keyword of a line "[Name] arguments", in lower case; the arguments are argument(line).
    std::string keyword(std::string_view text) const {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) refuse(Reason::BadKeyword, line_);
        return lower(trim(text.substr(1, close - 1)));
    }
    static std::string_view argument(std::string_view text) { return trim(text.substr(text.find(']') + 1)); }

    void version(std::string_view text) {
        sweep_.version = 2;
        if (argument(text).substr(0, 2) != "2.") refuse(Reason::BadKeyword, line_);
    }

    void keywordLine(std::string_view text) {
        const std::string name = keyword(text);
        const std::vector<std::string_view> args = words(argument(text));
        if (data_ && name != "end") refuse(Reason::BadKeyword, line_);  // [Noise Data] and the like
        if (name == "number of ports") {
            if (args.size() != 1) refuse(Reason::BadKeyword, line_);
            const double ports = count(args[0], line_);
            if (ports != 1) refuse(Reason::MultiPort, line_, ports);
            ports_ = true;
        } else if (name == "number of frequencies") {
            if (args.size() != 1) refuse(Reason::BadKeyword, line_);
            const double n = count(args[0], line_);
            if (n > static_cast<double>(kMostSweepPoints))
                refuse(Reason::TooManyPoints, line_, n, static_cast<double>(kMostSweepPoints));
            announced_ = static_cast<std::size_t>(n);
        } else if (name == "reference") {
            if (args.empty())
                referencePending_ = true;
            else
                reference(argument(text));
        } else if (name == "begin information") {
            information_ = true;
        } else if (name == "network data") {
            if (!options_ || !ports_ || !announced_) refuse(Reason::MissingKeyword, line_);
            data_ = true;
        } else if (name == "end") {
            ended_ = true;
        } else if (name != "matrix format" && name != "two-port data order" && name != "mixed-mode order" &&
                   name != "number of noise frequencies") {
            // Those four have nothing to say about a one-port file's numbers.
            refuse(Reason::BadKeyword, line_);
        }
    }

    // "[Reference]": one positive resistance for the one port.
    void reference(std::string_view text) {
        referencePending_ = false;
        const std::vector<std::string_view> args = words(text);
        if (args.size() != 1) refuse(Reason::BadKeyword, line_);
        const double ohm = number(args[0], line_);
        if (!(ohm > 0)) refuse(Reason::BadKeyword, line_);
        reference_ = ohm;
    }

    void dataLine1(std::string_view text) {
        const std::vector<std::string_view> list = words(text);
        std::vector<double> numbers;
        numbers.reserve(list.size());
        for (std::string_view w : list) numbers.push_back(number(w, line_));
        if (numbers.size() == kMultiPortLineNumbers) refuse(Reason::MultiPort, line_);
        if (numbers.size() != kNumbersPerPoint) refuse(Reason::BadDataLine, line_, static_cast<double>(numbers.size()));
        point(numbers[0], numbers[1], numbers[2]);
    }

    void dataLine2(std::string_view text) {
        if (!data_) refuse(Reason::MissingKeyword, line_);
        lastDataLine_ = line_;
        for (std::string_view w : words(text)) {
            pending_[pendingCount_++] = number(w, line_);
            if (pendingCount_ == kNumbersPerPoint) {
                pendingCount_ = 0;
                point(pending_[0], pending_[1], pending_[2]);
            }
        }
    }

    void point(double frequency, double a, double b) {
        const Options& o = *options_;
        const double hertz = frequency * o.unitHz;
        if (!std::isfinite(hertz)) refuse(Reason::NonFinite, line_);
        if (hertz < 0) refuse(Reason::NegativeFrequency, line_);
        if (!sweep_.frequencyHz.empty() && !(hertz > sweep_.frequencyHz.back())) refuse(Reason::NotAscending, line_);
        if (sweep_.frequencyHz.size() == kMostSweepPoints)
            refuse(Reason::TooManyPoints, line_, static_cast<double>(kMostSweepPoints + 1),
                   static_cast<double>(kMostSweepPoints));
        const Complex s = renormalised(pair(o.format, a, b), reference_.value_or(o.referenceOhm));
        if (!std::isfinite(s.real()) || !std::isfinite(s.imag())) refuse(Reason::NonFinite, line_);
        sweep_.frequencyHz.push_back(hertz);
        sweep_.gamma.push_back(s);
    }

    void finish() {
        if (!started_ || !options_) refuse(sweep_.version == 1 ? Reason::NotTouchstone : Reason::MissingKeyword, 0);
        if (sweep_.version == 2) {
            if (!ended_) refuse(Reason::MissingKeyword, 0);
            if (!data_) refuse(Reason::MissingKeyword, line_);
            if (pendingCount_ != 0) refuse(Reason::IncompletePoint, lastDataLine_);
            if (sweep_.frequencyHz.size() != *announced_)
                refuse(Reason::CountMismatch, 0, static_cast<double>(sweep_.frequencyHz.size()),
                       static_cast<double>(*announced_));
        }
        if (sweep_.frequencyHz.size() < kFewestSweepPoints)
            refuse(Reason::TooFewPoints, 0, static_cast<double>(sweep_.frequencyHz.size()),
                   static_cast<double>(kFewestSweepPoints));
        sweep_.fileReferenceOhm = reference_.value_or(options_->referenceOhm);
    }

    Sweep sweep_;
    std::size_t line_ = 0;
    bool started_ = false;
    std::optional<Options> options_;
    // Version 2.0 only.
    bool ports_ = false;
    std::optional<std::size_t> announced_;
    std::optional<double> reference_;
    bool referencePending_ = false;
    bool information_ = false;
    bool data_ = false;
    bool ended_ = false;
    double pending_[kNumbersPerPoint] = {};
    std::size_t pendingCount_ = 0;
    std::size_t lastDataLine_ = 0;
};

}  // namespace

TouchstoneRead ReadTouchstone(std::string_view bytes) {
    if (bytes.size() > kMostSweepBytes)
        return {std::nullopt, TouchstoneRefusal{Reason::TooLarge, 0, static_cast<double>(bytes.size()),
                                                static_cast<double>(kMostSweepBytes)}};
    try {
        return Reader().run(bytes);
    } catch (const Refused& refused) {
        return {std::nullopt, refused.refusal};
    }
}

TouchstoneRead ReadTouchstoneFile(const std::filesystem::path& path) {
    const auto refused = [](Reason reason, double value = 0, double bound = 0) {
        return TouchstoneRead{std::nullopt, TouchstoneRefusal{reason, 0, value, bound}};
    };
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) return refused(Reason::FileMissing);
    if (!std::filesystem::is_regular_file(status)) return refused(Reason::FileUnreadable);
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return refused(Reason::FileUnreadable);
    if (size > kMostSweepBytes)
        return refused(Reason::TooLarge, static_cast<double>(size), static_cast<double>(kMostSweepBytes));
    std::ifstream in(path, std::ios::binary);
    if (!in) return refused(Reason::FileUnreadable);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    std::vector<char> chunk(kReadChunkBytes);
    // Read to the end: the file may have grown since its size was taken.
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMostSweepBytes)
            return refused(Reason::TooLarge, static_cast<double>(bytes.size()), static_cast<double>(kMostSweepBytes));
    }
    if (in.bad()) return refused(Reason::FileUnreadable);
    return ReadTouchstone(bytes);
}

}  // namespace ringfeld::vna
