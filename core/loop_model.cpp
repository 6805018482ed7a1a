// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "core/loop_model.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/materials.h"

namespace ringfeld {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kZweiPi = 6.28318530717958;
constexpr double kGroessteLeiterlaenge = 0.41;  // wavelengths
constexpr double kRingOderSpule = 21.739;       // D / l where the ring formula takes over
// The self-capacitance's log term g at or below this is zero within rounding, or
// negative where the pitch of the turns is below the conductor's radius.
constexpr double kKleinsterLogTerm = 1e-9;

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
    const float minimum = windungen <= 1 ? leiter : (windungen - 1.0f) * leiter + 1.0f;
    if (!std::isfinite(minimum)) return std::nullopt;
    return static_cast<float>(std::round(static_cast<double>(minimum) * kHundertstel) / kHundertstel);
}

}  // namespace

LoopErgebnis LoopModell(const LoopZahlen& in, LoopRecord& rec) {
    using namespace checked;
    LoopErgebnis out;
    LoopWerte& w = out.werte;
    try {
        const double mu0 = mul(1e-7, 12.56637061435916);

        const double D = in.D.lesen();
        const double U = in.U.lesen();
        rec.Umfang = U;
        const double d = in.d.lesen();
        const double f = in.f.lesen();
        rec.Frequenz = f;
        const double P = in.P.lesen();
        const double N = in.N.lesen();
        rec.Windungen = N;
        double l = in.l.lesen();  // mm
        const double Rp = mul(in.RpKOhm.lesen(), 1000);  // kOhm to Ohm

        // The coil length only applies to more than one turn; for one turn or less
        // it must still reach half the conductor diameter.
        float lmin;
        if (N > 1) {
            out.spulenlaengeSichtbar = true;
            lmin = single(add(mul(sub(N, 1), d), 1));
        } else {
            out.spulenlaengeSichtbar = false;
            lmin = single(div(d, 2));
        }

        // Input check: nothing may be missing, and the coil must be long enough
        // for its turns (at least one conductor diameter per turn plus 1 mm).
        const float lSingle = single(l);
        bool langGenug = lSingle >= lmin;
        if (!langGenug) {
            auto written = geschriebeneMindestlaenge(N, d);
            langGenug = written && lSingle >= *written;
        }
        if (D == 0 || U == 0 || d < 0.1 || f < 0.01 || N < 0.1 || !langGenug) {
            out.ending = Ending::Input;
            return out;
        }

        const double sigma = Leitfaehigkeit(in.material);
        const double Rs = in.Rs.lesen();

        l = div(l, 1000);                     // m
        const double lambda = div(300, f);    // m
        const double p = mul(div(d, 1000), kPi);  // perimeter of the conductor, m

        double r = 0, A;
        if (in.form == Form::Kreis) {
            r = div(D, 2);
            A = mul(mul(r, r), kPi);
        } else {
            A = mul(D, D);
        }

        const double k = div(mul(N, U), lambda);
        w.lambdaAnteil = k;
        if (k > kGroessteLeiterlaenge) {
            out.ending = Ending::Length;
            return out;
        }

        // For a single turn the conductor diameter takes the place of the coil length.
        if (N == 1) l = div(d, 1000);

        double L;
        if (in.form == Form::Kreis) {
            // Ring of wire: N^2 mu0 r (ln(8 r / a) - 2), with a = l / 2 as conductor radius.
            const double x = div(mul(mul(8, r), N), div(l, div(2, N)));
            const double ring = mul(mul(mul(mul(N, N), r), mu0), sub(ln(x), 2));
            // Wheeler's single-layer coil, D^2 N^2 / (18 D + 40 l) uH in inches, here in cm.
            const double D100 = mul(100, D);
            const double spule = mul(div(mul(mul(D100, D100), mul(N, N)),
                                         add(mul(D100, 45.72), mul(mul(100, l), 101.6))), 1e-6);
            const double lStrich = N == 1 ? div(l, 2) : l;
            L = div(D, lStrich) < kRingOderSpule ? spule : ring;
        } else {
            L = mul(mul(mul(mul(N, N), mul(D, 0.70140854)), sub(ln(div(mul(D, 3.5), l)), 1.07)), 1e-6);
        }
        rec.Induktivitaet = L;
        const double LMikro = mul(L, 1e6);
        if (LMikro < 0.001) {
            out.ending = Ending::Inductance;
            return out;
        }
        w.induktivitaet = LMikro;

        // Resonance: 4 pi^2 f^2 L C = 1, with f in MHz, L in uH and C in pF.
        const double C = div(25330.2, mul(mul(mul(f, f), L), 1e6));
        rec.Kapazitaet = C;
        w.kapazitaet = C;

        // Self-capacitance: 0.886 pF per metre of circumference, plus the
        // capacitance between turns over the decimal log of pitch to conductor radius.
        const double C0 = mul(U, 0.886);
        double g = div(ln(div(div(mul(100, l), N), div(d, 20))), ln(10));
        // A g that is no real positive value would give a huge or a negative
        // self-capacitance; it takes the small value used for zero, so such a
        // coil ends in the capacitance refusal and its hint to space the turns.
        if (g <= kKleinsterLogTerm) g = 0.0001;
        const double CL = add(mul(div(mul(100, U), g), mul(sub(N, 1), 0.0241)), C0);
        w.eigenkapazitaet = CL;

        // The tuning capacitance must exceed the self-capacitance by at least 0.1 pF.
        if (std::floor(sub(mul(10, C), mul(10, CL))) <= 0) {
            out.ending = Ending::Capacitance;
            return out;
        }

        // Small-loop radiation resistance 320 pi^4 N^2 A^2 / lambda^4.
        const double lambda4 = mul(mul(lambda, lambda), mul(lambda, lambda));
        const double Rr = mul(div(mul(mul(A, A), mul(N, N)), lambda4), 31171);
        w.strahlung = Rr;

        // Skin effect: surface resistance times conductor length over its perimeter.
        const double Rf = sqrt(div(mul(mul(mul(1e6, f), kPi), mu0), sigma));
        const double RVerlust = mul(Rf, div(mul(mul(1e-3, N), U), p));
        rec.RVerlust = RVerlust;
        w.verlust = RVerlust;

        double RGesamt = add(add(RVerlust, Rr), Rs);
        rec.RGesamt = RGesamt;
        const double XL = mul(mul(mul(1e6, f), kZweiPi), L);
        rec.XL = XL;

        // Fold the parallel loss into the parallel equivalent of the series losses.
        const double XL2 = mul(XL, XL);
        const double Rpe = div(XL2, RGesamt);
        const double Rc = div(mul(Rpe, Rp), add(Rpe, Rp));
        RGesamt = div(XL2, Rc);
        rec.RGesamt = RGesamt;

        const double eta = div(div(Rr, RGesamt), N);
        w.wirkungsgrad = eta;
        w.prozent = mul(eta, 100);
        w.gewinn = mul(div(ln(eta), ln(10)), 10);

        const double Q = div(XL, RGesamt);
        rec.Guete = Q;
        w.guete = Q;
        w.bandbreite = div(div(mul(f, 1e6), Q), 1000);
        w.spannung = div(sqrt(mul(mul(XL, P), Q)), 1000);
        out.ending = Ending::Ok;
    } catch (const ArithmeticFault& fault) {
        out.ending = Ending::Fault;
        out.fault = fault.kind();
    }
    return out;
}

}  // namespace ringfeld
