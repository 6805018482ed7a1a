#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
"""The synthetic sweeps of the corpus cases of ringfeld-calc --vna, written beside this script.

    make_sweeps.py

A parallel RLC resonator (unloaded Q0 at f0) seen through an ideal transformer that
couples it with beta, then a lossless cable of the given length (velocity factor 0.66),
against 50 Ohm, without noise: the fit must give back f0, Q0 and beta. The same
resonator as a Touchstone 1.1 file in MHz, RI, and as a Touchstone 2.0 file in kHz,
DB; and a two-port file the reader refuses.
"""
import cmath, math, os  # noqa: E401

HERE = os.path.dirname(os.path.abspath(__file__))
LIGHT, VF = 299792458.0, 0.66


def gamma(f, f0, q0, beta, cable_m):
    t = f / f0 - f0 / f  # a parallel RLC: Y = G (1 + j Q0 (f/f0 - f0/f))
    g = (beta - 1 - 1j * q0 * t) / (beta + 1 + 1j * q0 * t)
    return g * cmath.exp(-2j * math.pi * f * 2 * cable_m / (VF * LIGHT))


def points(f0, q0, beta, cable_m, span, n):
    return [(f, gamma(f, f0, q0, beta, cable_m)) for f in (f0 - span / 2 + span * i / (n - 1) for i in range(n))]


def write(name, text):
    with open(os.path.join(HERE, name), "w", encoding="ascii", newline="\n") as out:
        out.write(text)


def main():
    sweep = points(7.1e6, 600.0, 0.8, 5.0, 120e3, 201)
    lines = ["! Ringfeld test sweep: f0 7.1 MHz, Q0 600, beta 0.8, 5 m of cable", "# MHz S RI R 50"]
    lines += [f"{f / 1e6:.6f} {g.real:.9f} {g.imag:.9f}" for f, g in sweep]
    write("loop-7100-ri.s1p", "\n".join(lines) + "\n")

    sweep = points(14.2e6, 450.0, 1.6, 10.0, 500e3, 301)
    lines = ["! Ringfeld test sweep: f0 14.2 MHz, Q0 450, beta 1.6, 10 m of cable", "[Version] 2.0",
             "# kHz S DB R 50", "[Number of Ports] 1", f"[Number of Frequencies] {len(sweep)}", "[Network Data]"]
    lines += [f"{f / 1e3:.4f} {20 * math.log10(abs(g)):.9f} {math.degrees(cmath.phase(g)):.9f}" for f, g in sweep]
    write("loop-14200-db-v2.s1p", "\n".join(lines + ["[End]"]) + "\n")

    lines = ["# MHz S RI R 50"] + [f"{7 + i / 100:.2f} 0.1 0 0.9 0 0.9 0 0.1 0" for i in range(20)]
    write("two-port.s2p", "\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
