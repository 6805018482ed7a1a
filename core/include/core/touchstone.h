// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// A one-port sweep as a vector network analyser saves it: Touchstone 1.x files
// ("# MHz S RI R 50", one point a line) and Touchstone 2.0 files ("[Version] 2.0",
// keywords, "[Network Data]" ... "[End]"), read from their bytes. A file the program
// cannot use is refused with a reason and the line and number it concerns; the
// messages are the text layer's.
//
// Sources: "Touchstone File Format", Rev. 1.1, EIA/IBIS Open Forum,
// 2002; "Touchstone File Format", Version 2.0, IBIS Open Forum, 2009.

#include <complex>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace ringfeld::vna {

// The impedance the sweep's reflection coefficients are taken against: the feeder the
// coupling loop is matched to (the coupling loop's cable, core/coupling.cpp).
inline constexpr double kSweepReferenceOhm = 50;

// The limits of a sweep the program reads.
inline constexpr std::size_t kFewestSweepPoints = 10;
inline constexpr std::size_t kMostSweepPoints = 100'000;
inline constexpr std::size_t kMostSweepBytes = std::size_t{16} * 1024 * 1024;  // 16 MiB

struct Sweep {
    std::vector<double> frequencyHz;               // ascending, at least 0
    std::vector<std::complex<double>> gamma;       // S11 against kSweepReferenceOhm, one per frequency
    double fileReferenceOhm = kSweepReferenceOhm;  // the file's own reference, before renormalising
    int version = 1;                               // the Touchstone version: 1 or 2
};

enum class TouchstoneReason {
    TooLarge,           // value: the size in bytes, bound: kMostSweepBytes
    NotTouchstone,      // line: the first line that is neither an option line nor "[Version]"
    BadOptionLine,      // line: a word the option line does not know, or no usable "R <ohm>"
    NotScattering,      // line: the option line's parameter is Y, Z, G or H, not S
    MultiPort,          // line; value: the number of ports where the file says it (0: not said)
    BadNumber,          // line: a word where a number belongs
    NonFinite,          // line: NaN, an infinity, or a value that overflows once converted
    BadDataLine,        // line; value: the numbers on a line that should hold 3 (Touchstone 1.x)
    IncompletePoint,    // line: the data end within a frequency's numbers (Touchstone 2.0)
    NegativeFrequency,  // line
    NotAscending,       // line: a frequency not above the one before
    TooFewPoints,       // value: the points, bound: kFewestSweepPoints
    TooManyPoints,      // line; value: the points (or those announced), bound: kMostSweepPoints
    BadKeyword,         // line: an unknown keyword, or a keyword with an unusable value
    MissingKeyword,     // line: where it was needed (0: at the end of the file)
    CountMismatch,      // value: the points found, bound: the points "[Number of Frequencies]" announced
    // Reading a file from disk (ReadTouchstoneFile) only:
    FileMissing,     // the file does not exist (any more)
    FileUnreadable,  // it exists but cannot be read (a folder, no permission, an I/O error)
};
inline constexpr TouchstoneReason kLastTouchstoneReason = TouchstoneReason::FileUnreadable;

// Why a file was refused: the reason, and the line (counted from 1; 0 where no line
// is concerned) and the numbers its message names.
struct TouchstoneRefusal {
    TouchstoneReason reason = TouchstoneReason::NotTouchstone;
    std::size_t line = 0;
    double value = 0;
    double bound = 0;
    friend bool operator==(const TouchstoneRefusal&, const TouchstoneRefusal&) = default;
};

// Exactly one of the two is set.
struct TouchstoneRead {
    std::optional<Sweep> sweep;
    std::optional<TouchstoneRefusal> refusal;
};

// Reads a one-port Touchstone file from its bytes. The reflection coefficients are
// renormalised from the file's reference impedance to kSweepReferenceOhm.
TouchstoneRead ReadTouchstone(std::string_view bytes);

// Reads the file at `path` (std::ifstream) and then its bytes as above; a file larger
// than kMostSweepBytes is refused before it is read.
TouchstoneRead ReadTouchstoneFile(const std::filesystem::path& path);

}  // namespace ringfeld::vna
