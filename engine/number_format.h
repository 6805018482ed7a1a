#pragma once
// Number format patterns such as "##0.0##" or "#0.0#;- #0.0#".
//
// A pattern is an optional literal prefix, digit placeholders for the whole part,
// a point, placeholders for the fraction and an optional literal suffix; a second
// section after ";" formats negative values without their own sign. "0" is a digit
// always shown, "#" one shown only when significant. The value is rounded at the
// last fraction placeholder, halves away from zero on the exact binary value, then
// trailing zeros are dropped down to the number of "0" after the point. The point
// stands for the caller's decimal separator; there is no thousands separator.

#include <string>
#include <string_view>

namespace ringfeld {

namespace muster {
inline constexpr std::string_view Lamda = "0.0###";
inline constexpr std::string_view Induktivitaet = "###0.0##";
inline constexpr std::string_view KapazitaetKlein = "###0.0";    // C < 1000 pF, CL < 100 pF
inline constexpr std::string_view KapazitaetGross = "####0";     // C from 1000 pF on
inline constexpr std::string_view EigenkapazitaetGross = "###0"; // CL from 100 pF on
inline constexpr std::string_view Ohm = "##0.0##";               // also kV and the coupling loop in m
inline constexpr std::string_view Milliohm = "#0.0######## m";
inline constexpr std::string_view Prozent = "#0.0#";             // also the coil length
inline constexpr std::string_view ProzentKlein = "#0.0####";
inline constexpr std::string_view ProzentFein = "0.0########";
inline constexpr std::string_view Gewinn = "#0.0#;- #0.0#";
inline constexpr std::string_view Guete = "#####0.0#";           // also the bandwidth
inline constexpr std::string_view Seite = "##0.00#";             // size after a shape switch
inline constexpr std::string_view Zentimeter = "##0 cm";
inline constexpr std::string_view Kiloohm = "0.0##";
}  // namespace muster

// Formats a finite value; a NaN or infinity gives the empty text.
std::string FormatZahl(double value, std::string_view pattern, std::string_view decimalSeparator = ".");

}  // namespace ringfeld
