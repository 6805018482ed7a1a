// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "core/loop_model.h"

#include <cmath>

#include "core/checked_value.h"
#include "core/constants.h"
#include "core/materials.h"

namespace ringfeld {
namespace {

using namespace constants;

// What the calculation accepts.
constexpr double kThinnestConductorMm = 0.1;
constexpr double kLowestFrequencyMHz = 0.01;
constexpr double kFewestTurns = 0.1;
constexpr double kCoilAllowanceMm = 1;          // a coil is at least (N - 1) d + 1 mm long
constexpr double kGroessteLeiterlaenge = 0.41;  // wavelengths of conductor, N U / lambda
constexpr double kSmallestInductanceMicrohenry = 0.001;
constexpr double kTenthsPerPicofarad = 10;  // C must exceed CL by 0.1 pF

// lambda = c / f with c rounded to 300 m MHz (SI: 299.792458 exactly): lambda comes out
// 0.069 % long, Rr 0.28 % low.
constexpr double kLightSpeedMetreMegahertz = 300;

// Wheeler's single-layer coil L = D^2 N^2 / (18 D + 40 l) uH, D and l in inches (H. A.
// Wheeler, "Simple inductance formulas for radio coils", Proc. IRE 16(10), Oct. 1928,
// eq. (1)), written for cm. Within about 1 % only for l/D > 0.4; -11 % at l/D = 0.1.
constexpr double kWheelerDiameterTerm = 18 * kCentimetresPerInch;
constexpr double kWheelerLengthTerm = 40 * kCentimetresPerInch;
static_assert(kWheelerDiameterTerm == 45.72 && kWheelerLengthTerm == 101.6, "the model's literals");

// D / l at or above which the ring formula replaces Wheeler's: where the two meet
// (computed: 21.729; 21.739 = 1 / 0.046), both about 20 % below a current sheet.
constexpr double kRingOderSpule = 21.739;

// Whether a circle's inductance is the ring's rather than Wheeler's coil's: D / l' at or
// above kRingOderSpule, l' the coil length (m), for one turn half the conductor diameter.
template <typename T>
bool ringStattSpule(T D, T lStrich) {
    return !(D / lStrich < kRingOderSpule);
}

// Square loop, N^2 0.70140854 D (ln(3.5 D / l) - 1.07) uH with D the side in m: a fitted
// formula of the program, no published source found. It lies within 1.5 % of a circle of
// equal area and 6-8 % below Grover's square of round wire (2 mu0 / pi) s (ln(s / rho) - 0.774)
// (Rosa, Bull. Bur. Stand. 4, 1908).
constexpr double kSquareMicrohenryPerMetre = 0.70140854;
constexpr double kSquareLogFactor = 3.5;
constexpr double kSquareLogOffset = 1.07;

// Resonance 4 pi^2 f^2 L C = 1 with f in MHz, L in uH, C in pF: C = 1e6 / (4 pi^2) / (f^2 L);
// 1e6 / (4 pi^2) = 25330.2959, truncated (C 3.8e-6 relative low).
constexpr double kResonanz = 25330.2;  // pF MHz^2 uH

// Self-capacitance, fitted, no published source found: 0.886 pF per metre of circumference
// (of the order of 2 eps0 / (pi (ln(8r/a) - 2)), a first antiresonance near U = lambda / 2),
// and between the turns 0.0241 pF per cm of circumference over lg(pitch / conductor radius).
// 0.0241 is 2 pi eps0 / ln 10 = 24.16 pF/m (coaxial line) in pF per mm, applied to cm.
constexpr double kSelfCapacitancePfPerMetre = 0.886;
constexpr double kInterTurnPfPerCentimetre = 0.0241;
constexpr double kMmDiameterPerCmRadius = 20;  // conductor diameter in mm / 20 = radius in cm
// The self-capacitance's log term g at or below this is zero within rounding, or
// negative where the pitch of the turns is below the conductor's radius.
constexpr double kKleinsterLogTerm = 1e-9;
// What such a g becomes: the self-capacitance grows huge, so such a coil ends in the
// capacitance refusal and its hint to space the turns.
constexpr double kLogTermForZero = 0.0001;

// Small-loop radiation resistance Rr = 320 pi^4 N^2 A^2 / lambda^4 Ohm (eta = 120 pi),
// 320 pi^4 = 31170.9 rounded: C. A. Balanis, "Antenna Theory", 3rd ed., Wiley 2005,
// eqs. (5-24), (5-24a).
constexpr double kRadiationResistanceOhm = 31171;

// Decimals the main window writes a raised coil length with ("#0.0#").
constexpr double kHundertstel = 100;

// The coil length the main window writes into its field when it raises it to the
// minimum: it reads the turns and the conductor as 32-bit floats (so 1.00000001
// turns count as one there, and the conductor diameter is the minimum) and shows
// the minimum with two decimals at most, halves away from zero, so it may lie a
// little below the exact minimum. A length that reaches it is accepted too, or the
// program would refuse its own value. (A float times 100 is exact in a double, so
// std::round rounds the exact value, as the written text does.)
std::optional<float> geschriebeneMindestlaenge(double n, double d) {
    const float windungen = static_cast<float>(n), leiter = static_cast<float>(d);
    const float zugabe = static_cast<float>(kCoilAllowanceMm);
    const float minimum = windungen <= 1 ? leiter : (windungen - 1.0f) * leiter + zugabe;
    if (!std::isfinite(minimum)) return std::nullopt;
    return static_cast<float>(std::round(static_cast<double>(minimum) * kHundertstel) / kHundertstel);
}

}  // namespace

bool RingFormel(const LoopZahlen& in) {
    if (in.form != Form::Kreis) return false;
    const double N = in.N.wert;
    // For one turn the conductor diameter takes the coil length's place, as in the model.
    const double l = (N == 1 ? in.d.wert : in.l.wert) / kMillimetresPerMetre;
    return ringStattSpule(in.D.wert, N == 1 ? l / 2 : l);
}

// Every step below is checked (core/checked_value.h): a step that would leave the finite
// numbers ends the calculation with its fault.
LoopErgebnis LoopModell(const LoopZahlen& in, LoopRecord& rec) {
    LoopErgebnis out;
    LoopWerte& w = out.werte;
    try {
        // Each input is read at its own step; reading a text too large faults there.
        const Wert D = in.D.lesen();  // m
        const Wert U = in.U.lesen();  // m
        rec.Umfang = U.zahl();
        const Wert d = in.d.lesen();  // mm
        const Wert f = in.f.lesen();  // MHz
        rec.Frequenz = f.zahl();
        const Wert P = in.P.lesen();  // W
        const Wert N = in.N.lesen();
        rec.Windungen = N.zahl();
        Wert l = in.l.lesen();  // mm
        const Wert Rp = Wert(in.RpKOhm.lesen()) * kOhmsPerKiloohm;

        // The coil length only applies to more than one turn; for one turn or less
        // it must still reach half the conductor diameter.
        float lmin;
        if (N > 1) {
            out.spulenlaengeSichtbar = true;
            lmin = single((N - 1) * d + kCoilAllowanceMm);
        } else {
            out.spulenlaengeSichtbar = false;
            lmin = single(d / 2);
        }

        // Input check: nothing may be missing, and the coil must be long enough
        // for its turns (at least one conductor diameter per turn plus 1 mm).
        const float lSingle = single(l);
        bool langGenug = lSingle >= lmin;
        if (!langGenug) {
            auto written = geschriebeneMindestlaenge(N.zahl(), d.zahl());
            langGenug = written && lSingle >= *written;
        }
        if (D == 0 || U == 0 || d < kThinnestConductorMm || f < kLowestFrequencyMHz || N < kFewestTurns || !langGenug) {
            out.ending = Ending::Input;
            return out;
        }

        const Wert sigma = Leitfaehigkeit(in.material);  // MS/m
        const Wert Rs = in.Rs.lesen();                   // Ohm

        l = l / kMillimetresPerMetre;                           // m
        const Wert lambda = kLightSpeedMetreMegahertz / f;      // m
        const Wert p = d / kMillimetresPerMetre * kPiAsStored;  // perimeter of the conductor, m

        Wert r = 0, A = 0;  // m, m^2
        if (in.form == Form::Kreis) {
            r = D / 2;
            A = r * r * kPiAsStored;
        } else {
            A = D * D;
        }

        const Wert k = N * U / lambda;
        w.lambdaAnteil = k.zahl();
        if (k > kGroessteLeiterlaenge) {
            out.ending = Ending::Length;
            return out;
        }

        // For a single turn the conductor diameter takes the place of the coil length.
        if (N == 1) l = d / kMillimetresPerMetre;

        Wert L = 0;  // H
        if (in.form == Form::Kreis) {
            // Ring of round wire, surface current: N^2 mu0 r (ln(8 r / a) - 2) with a = l / 2
            // (Maxwell, Phil. Trans. 155, 1865; Rosa & Grover, Bull. Bur. Stand. 8(1), 1912).
            const Wert x = 8 * r * N / (l / (2 / N));  // 8 r / a
            const Wert ring = N * N * r * kMu0 * (ln(x) - 2);
            // Wheeler's single-layer coil, in cm and uH.
            const Wert D100 = kCentimetresPerMetre * D;
            const Wert spule = D100 * D100 * (N * N) /
                               (D100 * kWheelerDiameterTerm + kCentimetresPerMetre * l * kWheelerLengthTerm) *
                               kHenriesPerMicrohenry;
            const Wert lStrich = N == 1 ? l / 2 : l;
            L = ringStattSpule(D, lStrich) ? ring : spule;
        } else {
            L = N * N * (D * kSquareMicrohenryPerMetre) * (ln(D * kSquareLogFactor / l) - kSquareLogOffset) *
                kHenriesPerMicrohenry;
        }
        rec.Induktivitaet = L.zahl();
        const Wert LMikro = L * kMicrohenriesPerHenry;
        if (LMikro < kSmallestInductanceMicrohenry) {
            out.ending = Ending::Inductance;
            return out;
        }
        w.induktivitaet = LMikro.zahl();

        const Wert C = kResonanz / (f * f * L * kMicrohenriesPerHenry);  // pF
        rec.Kapazitaet = C.zahl();
        w.kapazitaet = C.zahl();

        // Self-capacitance, pF: the circumference's share plus the turns' share over the
        // decimal log of pitch (cm) to conductor radius (cm).
        const Wert C0 = U * kSelfCapacitancePfPerMetre;
        Wert g = lg(kCentimetresPerMetre * l / N / (d / kMmDiameterPerCmRadius));
        // A g that is no real positive value would give a huge or a negative
        // self-capacitance; it takes the small value used for zero.
        if (g <= kKleinsterLogTerm) g = kLogTermForZero;
        const Wert CL = kCentimetresPerMetre * U / g * ((N - 1) * kInterTurnPfPerCentimetre) + C0;
        w.eigenkapazitaet = CL.zahl();

        // The tuning capacitance must exceed the self-capacitance by at least 0.1 pF.
        if (std::floor((kTenthsPerPicofarad * C - kTenthsPerPicofarad * CL).zahl()) <= 0) {
            out.ending = Ending::Capacitance;
            return out;
        }

        const Wert lambda4 = lambda * lambda * (lambda * lambda);
        const Wert Rr = A * A * (N * N) / lambda4 * kRadiationResistanceOhm;
        w.strahlung = Rr.zahl();

        // Skin effect: surface resistance Rs = sqrt(pi f mu0 / sigma) times conductor length
        // N U over its perimeter (Balanis, 3rd ed., eq. (2-90b)). With sigma in MS/m this
        // Rf is Rs in mOhm.
        const Wert Rf = sqrt(kHertzPerMegahertz * f * kPiAsStored * kMu0 / sigma);
        const Wert RVerlust = Rf * (kOhmsPerMilliohm * N * U / p);
        rec.RVerlust = RVerlust.zahl();
        w.verlust = RVerlust.zahl();

        Wert RGesamt = RVerlust + Rr + Rs;
        rec.RGesamt = RGesamt.zahl();
        const Wert XL = kHertzPerMegahertz * f * kTwoPiAsStored * L;  // 2 pi f L
        rec.XL = XL.zahl();

        // Fold the parallel loss into the parallel equivalent of the series losses.
        const Wert XL2 = XL * XL;
        const Wert Rpe = XL2 / RGesamt;
        const Wert Rc = Rpe * Rp / (Rpe + Rp);
        RGesamt = XL2 / Rc;
        rec.RGesamt = RGesamt.zahl();

        // Radiation efficiency Rr / R (Balanis, 3rd ed., eq. (2-90)), here also divided by
        // the turns, as the main window always has.
        const Wert eta = Rr / RGesamt / N;
        w.wirkungsgrad = eta.zahl();
        w.prozent = (eta * kPercentPerUnit).zahl();
        w.gewinn = (lg(eta) * kDecibelsPerBel).zahl();

        const Wert Q = XL / RGesamt;
        rec.Guete = Q.zahl();
        w.guete = Q.zahl();
        w.bandbreite = (f * kHertzPerMegahertz / Q / kHertzPerKilohertz).zahl();  // f / Q, kHz
        w.spannung = (sqrt(XL * P * Q) / kVoltsPerKilovolt).zahl();               // sqrt(X P Q), kV
        out.ending = Ending::Ok;
    } catch (const ArithmeticFault& fault) {
        out.ending = Ending::Fault;
        out.fault = fault.kind();
    }
    return out;
}

}  // namespace ringfeld
