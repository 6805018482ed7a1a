// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The resonance fit.
//
// Model. Near an isolated resonance a one-port resonator behind any lossless coupling
// reflects Gamma = Gamma_d + K / (1 + j QL t), t = 2 (f - f0) / f0: a circle through
// the detuned reflection Gamma_d (t -> +-inf) of diameter |K|. Written with a
// reference frequency fr near f0 this is the linear-fractional form
//     Gamma(t) = (a1 t + a2) / (a3 t + 1),  t = 2 (f - fr) / fr,
// D. Kajfez, "Linear fractional curve fitting for measurement of high Q factors",
// IEEE Trans. Microwave Theory Tech., vol. 42, no. 7, pp. 1149-1153, July 1994, and
// D. Kajfez, "Q Factor Measurements, Analog and Digital" (University of Mississippi,
// 1999; "Q Factor", Vector Fields, 1994), which also give the steps below: the model
// is linear in a1, a2, a3 once multiplied by (a3 t + 1),
//     a1 t + a2 - a3 t Gamma = Gamma,
// solved by least squares; the equations' errors are the residuals times (a3 t + 1),
// so the fit is repeated with each equation weighted by 1 / |a3 t + 1|^2 from the
// solution before, until a3 settles (the iteration of Sanathanan and Koerner, IEEE
// Trans. Automatic Control, vol. 8, no. 1, 1963): the weighted sum is then the sum of
// the squared residuals themselves.
//
// The cable. A lossless line of round-trip delay tau between the analyser's reference
// plane and the loop multiplies Gamma by exp(-j 2 pi f tau): a constant rotation,
// which a1 and a2 absorb, and a phase slope exp(-j theta t), theta = pi fr tau, which
// they do not; left in, it reads QL too high. Its line-length term, as A. P. Gregory,
// "Q-factor measurement by using a Vector Network Analyser", NPL Report MAT 58,
// National Physical Laboratory, 2021 (doi:10.47120/npl.mat58), adds it to the fitted
// model, is found here by a search over theta: for each theta the data are turned back
// by exp(+j theta t) and fitted as above, and the theta of the least sum of squared
// residuals is kept. The search starts from the phase slope of the points outside the
// fitting window, where the sweep has them.
//
// Results. The pole of the fitted model, t_p = -1/a3, is the complex resonant
// frequency f_p = fr (1 + t_p / 2) = f0 + j f0 / (2 QL): f0 = Re f_p and
// QL = Re f_p / (2 Im f_p). The circle's diameter d = |Gamma(t0) - Gamma_d| at the
// resonance t0 = Re t_p, Gamma_d = a1 / a3. A lossless coupling puts Gamma_d on the
// unit circle and Gamma(f0) = Gamma_d (1 - d), so that (1 - beta) / (1 + beta) = 1 - d,
// beta = d / (2 - d), and Q0 = QL (1 + beta) (Kajfez 1999; E. L. Ginzton,
// "Microwave Measurements", McGraw-Hill, 1957). A lossy cable scales the whole
// circle by |Gamma_d|, so d is taken over |Gamma_d|.
//
// The points. The resonance is the deepest return loss of the sweep (|Gamma|^2 as a
// running mean over a few points, so that one noisy point does not make it); its
// loaded bandwidth is first read where the dip of |Gamma|^2 is half as deep, then
// from each fit; the fit takes the points within kWindowBandwidths loaded
// bandwidths either side of f0 and is repeated until they stay the same.

#include "core/resonance_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/constants.h"

namespace ringfeld::vna {
namespace {

using Complex = std::complex<double>;

// Points either side of a point in the running mean of |Gamma|^2 that finds the dip.
constexpr std::size_t kSmoothingHalfWidth = 2;
// The fitting window: f0 +- this many loaded bandwidths f0 / QL. The locus then covers
// 2 atan(2 * 2) = 152 degrees of the circle either side of the resonance.
constexpr double kWindowBandwidths = 2;
// Rounds of choosing the window and fitting; each round's window comes from the fit before.
constexpr int kWindowRounds = 8;
// Rounds of the weighted least squares, and the change of a3 that ends them early.
constexpr int kMostReweightings = 12;
constexpr double kReweightingTolerance = 1e-12;
// The fewest points the fit of six real unknowns and the delay takes at all, and the
// fewest within the loaded bandwidth f0 +- f0 / (2 QL) it accepts.
constexpr std::size_t kFewestWindowPoints = 5;
constexpr std::size_t kFewestPointsInBandwidth = 5;
// The delay search: a scan of the window's turning angle exp(j phi) at its edge,
// phi within the start +- kDelayScanSpan, then golden-section steps to kDelayTolerance.
constexpr double kDelayScanSpan = constants::kPi / 2;
constexpr int kDelayScanSteps = 16;
constexpr double kDelayTolerance = 1e-6;
// A dip of |Gamma|^2 counts as one when it is this many times deeper than the median
// step of |Gamma|^2 between neighbouring points, the noise where the sweep is fine
// enough to show the resonance at all.
constexpr double kDipNoiseSteps = 10;
// A dip counts as a resonance when the circle's radius is this many times the rms
// residual; the model describes the data while the rms residual is at most this
// share of the radius. (Ours: the noise of a small analyser is about 0.5 % of |Gamma|,
// a loop's circle has a radius of 0.2 or more when it is coupled to be usable.)
constexpr double kNoiseRadii = 3;
constexpr double kMostResidualShare = 0.1;
// The diameter over |Gamma_d| of a passive resonator is below 2 (beta finite).
constexpr double kMostDiameter = 2;
// A reflection of the golden section: (3 - sqrt(5)) / 2.
constexpr double kGolden = 0.38196601125010515;

// The points of the window in the fit's own scale: u = (f - fr) / halfWidthHz in
// [-1, 1], so that the normal equations are well scaled.
struct Window {
    std::size_t first = 0, last = 0;  // both included
    double fr = 0, halfWidthHz = 0;
    std::vector<double> u;
    std::vector<Complex> gamma;
};

// Gamma(u) = exp(-j phi u) (b1 u + b2) / (b3 u + 1), the model in the window's scale.
struct Fit {
    Complex b1, b2, b3;
    double phi = 0;
    double sumSquares = 0;
};

// A x = r for a 3 x 3 complex system, by elimination with partial pivoting; none
// where it is singular.
std::optional<std::array<Complex, 3>> solve(std::array<std::array<Complex, 3>, 3> a, std::array<Complex, 3> r) {
    for (std::size_t c = 0; c < 3; ++c) {
        std::size_t pivot = c;
        for (std::size_t i = c + 1; i < 3; ++i)
            if (std::abs(a[i][c]) > std::abs(a[pivot][c])) pivot = i;
        if (!(std::abs(a[pivot][c]) > 0)) return std::nullopt;
        std::swap(a[c], a[pivot]);
        std::swap(r[c], r[pivot]);
        for (std::size_t i = c + 1; i < 3; ++i) {
            const Complex factor = a[i][c] / a[c][c];
            for (std::size_t k = c; k < 3; ++k) a[i][k] -= factor * a[c][k];
            r[i] -= factor * r[c];
        }
    }
    std::array<Complex, 3> x;
    for (std::size_t c = 3; c-- > 0;) {
        Complex sum = r[c];
        for (std::size_t k = c + 1; k < 3; ++k) sum -= a[c][k] * x[k];
        x[c] = sum / a[c][c];
    }
    for (const Complex& v : x)
        if (!std::isfinite(v.real()) || !std::isfinite(v.imag())) return std::nullopt;
    return x;
}

// Kajfez's iteratively weighted linear fit of the window turned back by exp(j phi u).
std::optional<Fit> fitLinearFractional(const Window& w, double phi) {
    const std::size_t n = w.u.size();
    std::vector<Complex> z(n);
    for (std::size_t i = 0; i < n; ++i) z[i] = w.gamma[i] * std::polar(1.0, phi * w.u[i]);
    std::vector<double> weight(n, 1.0);
    std::optional<Fit> fit;
    for (int round = 0; round < kMostReweightings; ++round) {
        // Normal equations of the rows (u, 1, -u z) x = z, weighted.
        std::array<std::array<Complex, 3>, 3> a{};
        std::array<Complex, 3> r{};
        for (std::size_t i = 0; i < n; ++i) {
            const std::array<Complex, 3> row{Complex(w.u[i]), Complex(1), -w.u[i] * z[i]};
            for (std::size_t j = 0; j < 3; ++j) {
                const Complex left = weight[i] * std::conj(row[j]);
                for (std::size_t k = 0; k < 3; ++k) a[j][k] += left * row[k];
                r[j] += left * z[i];
            }
        }
        const auto x = solve(a, r);
        if (!x) break;
        const bool settled = fit && std::abs((*x)[2] - fit->b3) <= kReweightingTolerance * std::abs((*x)[2]);
        fit = Fit{(*x)[0], (*x)[1], (*x)[2], phi, 0};
        for (std::size_t i = 0; i < n; ++i) weight[i] = 1 / std::norm(fit->b3 * w.u[i] + 1.0);
        if (settled) break;
    }
    if (!fit) return std::nullopt;
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum += std::norm(z[i] - (fit->b1 * w.u[i] + fit->b2) / (fit->b3 * w.u[i] + 1.0));
    fit->sumSquares = std::isfinite(sum) ? sum : HUGE_VAL;
    return fit;
}

// At most this many points of the window, evenly taken, are fitted while the delay is
// searched; the fit at the delay found takes them all. (Measured: the search over a
// 10,001-point window took 0.2 s; thinned, the results stay within 0.1 % of Q.)
constexpr std::size_t kSearchPoints = 500;

Window thinned(const Window& w) {
    const std::size_t stride = (w.u.size() + kSearchPoints - 1) / kSearchPoints;
    if (stride <= 1) return w;
    Window out;
    for (std::size_t i = 0; i < w.u.size(); i += stride) {
        out.u.push_back(w.u[i]);
        out.gamma.push_back(w.gamma[i]);
    }
    return out;
}

// The phi of the least sum of squares: a scan over start +- kDelayScanSpan where
// `scan`, then golden sections of the best step's neighbourhood (or of start +- one
// step) down to kDelayTolerance.
double searchDelay(const Window& w, double start, bool scan) {
    const auto sumAt = [&](double phi) {
        const auto fit = fitLinearFractional(w, phi);
        return fit ? fit->sumSquares : HUGE_VAL;
    };
    const double step = 2 * kDelayScanSpan / kDelayScanSteps;
    double best = start, bestSum = sumAt(start);
    for (int i = 0; scan && i <= kDelayScanSteps; ++i) {
        const double phi = start - kDelayScanSpan + i * step;
        const double sum = sumAt(phi);
        if (sum < bestSum) best = phi, bestSum = sum;
    }
    double low = best - step, high = best + step;
    double x1 = low + kGolden * (high - low), x2 = high - kGolden * (high - low);
    double s1 = sumAt(x1), s2 = sumAt(x2);
    while (high - low > kDelayTolerance) {
        if (s1 < s2) {
            high = x2, x2 = x1, s2 = s1;
            x1 = low + kGolden * (high - low), s1 = sumAt(x1);
        } else {
            low = x1, x1 = x2, s1 = s2;
            x2 = high - kGolden * (high - low), s2 = sumAt(x2);
        }
    }
    if (bestSum < std::min(s1, s2)) return best;
    return s1 < s2 ? x1 : x2;
}

Window window(const Sweep& s, double f0, double halfWidthHz) {
    Window w;
    const auto& f = s.frequencyHz;
    w.first = static_cast<std::size_t>(std::lower_bound(f.begin(), f.end(), f0 - halfWidthHz) - f.begin());
    w.last = static_cast<std::size_t>(std::upper_bound(f.begin(), f.end(), f0 + halfWidthHz) - f.begin());
    if (w.last > 0) --w.last;
    w.fr = f0;
    w.halfWidthHz = halfWidthHz;
    for (std::size_t i = w.first; i <= w.last && i < f.size(); ++i) {
        w.u.push_back((f[i] - f0) / halfWidthHz);
        w.gamma.push_back(s.gamma[i]);
    }
    return w;
}

// The phase slope of the points outside [from, to] Hz, as phi in the window's scale:
// -(sum of the phase steps) / (sum of the frequency steps) times halfWidthHz. Each step
// between neighbours below 1/4 turn counts; 0 where there is none.
double outsidePhaseSlope(const Sweep& s, double from, double to, double halfWidthHz) {
    double phase = 0, span = 0;
    for (std::size_t i = 1; i < s.frequencyHz.size(); ++i) {
        const double fa = s.frequencyHz[i - 1], fb = s.frequencyHz[i];
        if (fb > from && fa < to) continue;
        const double step = std::arg(s.gamma[i] * std::conj(s.gamma[i - 1]));
        if (std::abs(step) > constants::kPi / 2) continue;
        phase += step;
        span += fb - fa;
    }
    return span > 0 ? -phase / span * halfWidthHz : 0;
}

// The deepest point of |Gamma|^2 as a running mean, and its loaded bandwidth where the
// dip is half as deep (from the larger side where one side reaches the sweep's end).
struct Dip {
    std::size_t index = 0;
    double bandwidthHz = 0;
    bool standsOut = false;  // deeper than kDipNoiseSteps times the median step
};
Dip deepest(const Sweep& s) {
    const std::size_t n = s.gamma.size();
    std::vector<double> mean(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t from = i >= kSmoothingHalfWidth ? i - kSmoothingHalfWidth : 0;
        const std::size_t to = std::min(n - 1, i + kSmoothingHalfWidth);
        double sum = 0;
        for (std::size_t k = from; k <= to; ++k) sum += std::norm(s.gamma[k]);
        mean[i] = sum / static_cast<double>(to - from + 1);
    }
    Dip dip;
    dip.index = static_cast<std::size_t>(std::min_element(mean.begin(), mean.end()) - mean.begin());
    const double top = *std::max_element(mean.begin(), mean.end());
    std::vector<double> steps(n - 1);
    for (std::size_t i = 1; i < n; ++i) steps[i - 1] = std::abs(std::norm(s.gamma[i]) - std::norm(s.gamma[i - 1]));
    std::nth_element(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(steps.size() / 2), steps.end());
    dip.standsOut = top - mean[dip.index] > kDipNoiseSteps * steps[steps.size() / 2];
    const double level = (mean[dip.index] + top) / 2;
    std::size_t left = dip.index, right = dip.index;
    while (left > 0 && mean[left] < level) --left;
    while (right + 1 < n && mean[right] < level) ++right;
    const double f = s.frequencyHz[dip.index];
    const bool leftFound = mean[left] >= level, rightFound = mean[right] >= level;
    const double leftHz = f - s.frequencyHz[left], rightHz = s.frequencyHz[right] - f;
    if (leftFound && rightFound)
        dip.bandwidthHz = leftHz + rightHz;
    else if (leftFound || rightFound)
        dip.bandwidthHz = 2 * (leftFound ? leftHz : rightHz);
    else
        dip.bandwidthHz = s.frequencyHz.back() - s.frequencyHz.front();
    return dip;
}

// The sweep's points from `from` to `to` Hz.
std::size_t pointsWithin(const std::vector<double>& f, double from, double to) {
    return static_cast<std::size_t>(std::upper_bound(f.begin(), f.end(), to) -
                                    std::lower_bound(f.begin(), f.end(), from));
}

FitOutcome refused(FitReason reason, double value = 0, double bound = 0) {
    return {std::nullopt, FitRefusal{reason, value, bound}};
}

// The model's numbers from a fit in window w.
struct Resonance {
    double f0 = 0, QL = 0;
};
std::optional<Resonance> resonance(const Window& w, const Fit& fit) {
    const Complex pole = -1.0 / fit.b3;
    const Complex fp = w.fr + pole * w.halfWidthHz;
    const Resonance r{fp.real(), fp.real() / (2 * fp.imag())};
    if (!std::isfinite(r.QL) || !(r.QL > 0) || !(r.f0 > 0)) return std::nullopt;
    return r;
}

}  // namespace

double Vswr(double magnitude) { return magnitude < 1 ? (1 + magnitude) / (1 - magnitude) : HUGE_VAL; }

std::complex<double> FittedGamma(const FittedModel& m, double frequencyHz) {
    const double t = 2 * (frequencyHz - m.referenceHz) / m.referenceHz;
    return std::polar(1.0, -m.phaseSlope * t) * (m.a1 * t + m.a2) / (m.a3 * t + 1.0);
}

std::complex<double> DelayRemoved(const FittedModel& m, double frequencyHz, std::complex<double> gamma) {
    const double t = 2 * (frequencyHz - m.referenceHz) / m.referenceHz;
    return gamma * std::polar(1.0, m.phaseSlope * t);
}

std::complex<double> ResonatorGamma(double f0Hz, double unloadedQ, double beta, double frequencyHz) {
    const Complex detuning(0, unloadedQ * 2 * (frequencyHz - f0Hz) / f0Hz);
    return (beta - 1 - detuning) / (beta + 1 + detuning);
}

FitOutcome FitResonance(const Sweep& s) {
    const auto& f = s.frequencyHz;
    const std::size_t n = f.size();
    if (n < kFewestSweepPoints || s.gamma.size() != n) return refused(FitReason::NoResonance);
    const Dip dip = deepest(s);
    if (!dip.standsOut) return refused(FitReason::NoResonance);
    if (dip.index == 0 || dip.index + 1 == n) return refused(FitReason::AtSweepEdge, f[dip.index]);

    double f0 = f[dip.index], QL = f0 / std::max(dip.bandwidthHz, f[dip.index + 1] - f[dip.index - 1]);
    Window w;
    std::optional<Fit> fit;
    for (int round = 0; round < kWindowRounds; ++round) {
        Window next = window(s, f0, kWindowBandwidths * f0 / QL);
        if (next.u.size() < kFewestWindowPoints)
            return refused(FitReason::TooFewPoints,
                           static_cast<double>(pointsWithin(f, f0 - f0 / (2 * QL), f0 + f0 / (2 * QL))),
                           static_cast<double>(kFewestPointsInBandwidth));
        const bool same = fit && next.first == w.first && next.last == w.last;
        if (same) break;
        // Start the delay search from the previous fit's slope, else from the points outside.
        const double start = fit ? fit->phi / w.halfWidthHz * next.halfWidthHz
                                 : outsidePhaseSlope(s, f[next.first], f[next.last], next.halfWidthHz);
        w = std::move(next);
        fit = fitLinearFractional(w, searchDelay(thinned(w), start, round == 0));
        if (!fit) return refused(FitReason::NoResonance);
        const auto r = resonance(w, *fit);
        if (!r) return refused(FitReason::NoResonance);
        if (r->f0 < f.front() || r->f0 > f.back()) return refused(FitReason::AtSweepEdge, r->f0);
        f0 = r->f0, QL = r->QL;
    }

    ResonanceFit out;
    const Resonance r = *resonance(w, *fit);
    out.f0Hz = r.f0;
    out.loadedQ = r.QL;
    const double scale = 2 * w.halfWidthHz / w.fr;  // t = scale u
    out.model = {w.fr, fit->b1 / scale, fit->b2, fit->b3 / scale, fit->phi / scale};
    out.delaySeconds = out.model.phaseSlope / (constants::kPi * w.fr);
    out.pointsUsed = w.u.size();
    out.firstPoint = w.first;
    out.lastPoint = w.last;
    out.rmsResidual = std::sqrt(fit->sumSquares / static_cast<double>(w.u.size()));

    // The circle without the delay: from Gamma_d to the point opposite, at the resonance.
    const Complex detuned = fit->b1 / fit->b3;
    const double u0 = (-1.0 / fit->b3).real();
    const Complex opposite = (fit->b1 * u0 + fit->b2) / (fit->b3 * u0 + 1.0);
    out.detuned = detuned;
    out.centre = (detuned + opposite) / 2.0;
    out.radius = std::abs(opposite - detuned) / 2;
    out.diameter = 2 * out.radius / std::abs(detuned);

    if (!(out.radius > kNoiseRadii * out.rmsResidual) || !std::isfinite(out.diameter))
        return refused(FitReason::NoResonance);
    const double halfBandwidth = out.f0Hz / (2 * out.loadedQ);
    if (out.f0Hz - halfBandwidth < f.front() || out.f0Hz + halfBandwidth > f.back())
        return refused(FitReason::AtSweepEdge, out.f0Hz);
    const auto inBandwidth = static_cast<std::size_t>(std::upper_bound(f.begin(), f.end(), out.f0Hz + halfBandwidth) -
                                                      std::lower_bound(f.begin(), f.end(), out.f0Hz - halfBandwidth));
    if (inBandwidth < kFewestPointsInBandwidth)
        return refused(FitReason::TooFewPoints, static_cast<double>(inBandwidth),
                       static_cast<double>(kFewestPointsInBandwidth));
    const double share = out.rmsResidual / out.radius;
    if (share > kMostResidualShare || !(out.diameter < kMostDiameter))
        return refused(FitReason::ModelMismatch, share, kMostResidualShare);

    out.beta = out.diameter / (2 - out.diameter);
    out.coupling = out.beta < 1 ? Coupling::Under : Coupling::Over;
    out.unloadedQ = out.loadedQ * (1 + out.beta);
    out.bandwidthHalfPowerHz = out.f0Hz / out.unloadedQ;

    // |Gamma| is the same with and without the delay. Least: the circle's point nearest
    // the origin. VSWR 2, |Gamma| = 1/3: |b1 u + b2|^2 = rho^2 |b3 u + 1|^2, a quadratic in u.
    out.vswrMin = Vswr(std::abs(std::abs(out.centre) - out.radius));
    constexpr double kVswr2Magnitude = 1.0 / 3;  // (2 - 1) / (2 + 1)
    const double rho2 = kVswr2Magnitude * kVswr2Magnitude;
    const double qa = std::norm(fit->b1) - rho2 * std::norm(fit->b3);
    const double qb = 2 * ((fit->b1 * std::conj(fit->b2)).real() - rho2 * fit->b3.real());
    const double qc = std::norm(fit->b2) - rho2;
    const double discriminant = qb * qb - 4 * qa * qc;
    if (qa > 0 && discriminant > 0) out.bandwidthVswr2Hz = std::sqrt(discriminant) / qa * w.halfWidthHz;
    return {out, std::nullopt};
}

}  // namespace ringfeld::vna
