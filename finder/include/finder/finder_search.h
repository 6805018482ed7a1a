// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The loop finder: which loop covers a band with a given capacitor at a given
// power? Every candidate (shape, material, conductor, turns, size) is put into
// the main window's fields as a user would type it, and the tuning-range sheet,
// unchanged, is computed at 51 frequencies over the band. A candidate qualifies
// when every row is accepted, its conductor N U stays within the small-loop limit
// at the band's top, and no row is flagged no_capacitor_fits, self_capacitance,
// capacitor_range or (with a rating, divided by the margin) capacitor_voltage. Of
// each combination the qualifying size with the highest worst-case efficiency is
// kept. No Qt: the window and ringfeld-calc --find run the same search.

#include <array>
#include <atomic>
#include <limits>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "core/materials.h"
#include "core/tuning_sheet.h"
#include "text/language.h"
#include "text/length_units.h"
#include "text/loop_fields.h"

namespace ringfeld::finder {

// The band's frequencies: FROM + i (TO - FROM) / 50, i = 0 ... 50, each rounded to
// 1 Hz as the sheet's are (one frequency when FROM = TO).
inline constexpr int kSchritte = 50;
// The most candidates one search may have.
inline constexpr long long kMaxKandidaten = 1'000'000;

struct FinderOptionen {
    // The band; the texts as given go into the main window's frequency field and
    // the tuning window's range when a design is used.
    std::string fromText, toText;
    double fromMHz = 0, toMHz = 0;
    // The capacitor (range, rating, Q), the stray capacitance and the ground loss;
    // the frequencies are the search's own.
    tuning::SheetOptions sheet;
    // The main window's power, series and parallel loss fields (Text6, Text7, Text9).
    std::string power, seriesLoss, parallelLoss;
    // The search space: sizes (the main window's first field, m) from SMIN to SMAX
    // in steps, shapes, materials (in the order given), conductor diameters (mm),
    // whole turns, and the centre spacing of the turns in conductor diameters.
    double sizeMinM = 0, sizeMaxM = 0, sizeStepM = 0;
    std::vector<Form> shapes;
    std::vector<Material> materials;
    std::vector<double> conductorsMm;
    std::vector<int> turns;
    double spacing = 2;
    // The capacitor's rating is divided by this margin before a peak voltage is
    // compared with it; and the small-loop limit: the most conductor N U, in
    // wavelengths at TO, that a design may have.
    double capMargin = 1.5;
    double maxWavelengths = 0.25;
    // The language of the shape and material list texts in a candidate's fields.
    Language listenSprache = kStandardSprache;
    Units einheiten = Units::Metric;  // the lengths in the search's notes and reasons
};

// The sizes of the search and their number; none beyond kMaxKandidaten.
std::optional<long long> GroessenAnzahl(const FinderOptionen& o);
double Groesse(const FinderOptionen& o, long long index);
// Every candidate: sizes times shapes, materials, conductors and turns.
long long KandidatenAnzahl(const FinderOptionen& o);

// The main window's fields and lists for a candidate, as a user types it in: the
// size with a decimal point and no trailing zeros, the circumference that follows
// from it, the conductor, the turns, the coil length (N - 1) s d (the conductor
// diameter for one turn) raised by the field rules where it is too short, the
// frequency FROM and the options' power and losses.
LoopEingaben KandidatFelder(const FinderOptionen& o, Form form, Material material, double conductorMm, int turns,
                            double sizeM);

// What excluded a candidate: the first of these that its rows show, in this order.
// NotSmall: N U above the small-loop limit at TO, where the model's formulas no
// longer hold. CapacitorVoltage: a peak voltage above the rating divided by the margin.
enum class Ausschluss { ModelRefused, NotSmall, NoCapacitorFits, SelfCapacitance, CapacitorRange, CapacitorVoltage };
inline constexpr std::size_t kAusschlussAnzahl = 6;
inline constexpr std::array<std::string_view, kAusschlussAnzahl> kAusschlussKeys{
    "model_refused", "not_small", "no_capacitor_fits", "self_capacitance", "capacitor_range", "capacitor_voltage"};
constexpr std::size_t at(Ausschluss a) { return static_cast<std::size_t>(a); }

// A qualifying design: the numbers of its rows.
struct Entwurf {
    int rank = 0;
    Form form = Form::Kreis;
    Material material = Material::Cu;
    double conductorMm = 0;
    int turns = 0;
    double sizeM = 0;             // as the size field reads
    double lengthMm = 0;          // the coil length field
    double conductorLengthM = 0;  // N U, U as the circumference field reads
    double efficiencyFromPercent = 0, efficiencyToPercent = 0, efficiencyWorstPercent = 0;
    double gainWorstDbi = 0;                          // at the row of the worst efficiency (the first of equal ones)
    double bandwidthFromKHz = 0, bandwidthToKHz = 0;  // half-power
    double cTuneFromPf = 0, cTuneToPf = 0;
    double vPeakMaxV = 0, iRmsMaxA = 0, pCapacitorMaxW = 0;
    // The rating (undivided) over vPeakMaxV; not a number without a rating.
    double headroom = std::numeric_limits<double>::quiet_NaN();
    int rowsRrFormulaRange = 0;  // rows above 0.1 lambda: the small-loop formulas approximate
    int searchEdge = 0;          // +1: the search's largest size, -1: its smallest (of two or more)
    LoopEingaben felder;         // the main window's fields and lists, the frequency FROM
};

// What the sentence about an empty result needs besides the counts. Sizes are the
// size field's, lengths the conductor's N U; "within" is over every candidate
// whose row was computed, "beyond" over those the condition excluded.
struct Befund {
    long long laenge = 0;                // refused: N U longer than 0.41 lambda
    long long kapazitaet = 0;            // refused: the capacitance not above the self-capacitance
    long long minimum = 0, maximum = 0;  // C tune at TO below Cmin, at FROM above Cmax (both may hold)
    struct Abbruch {
        Ending ending;
        std::optional<Fault> fault;
        int turns;
    };
    std::optional<Abbruch> ersteAndere;          // the first candidate refused for another reason
    std::optional<double> laengsterInnerhalb;    // longest N U not refused for its length at TO
    std::optional<double> groessteUeberMinimum;  // largest size with C tune >= Cmin at TO
    std::optional<double> kleinsteUnterMinimum;  // smallest size with C tune < Cmin at TO
    std::optional<double> kleinsteUnterMaximum;  // smallest size with C tune <= Cmax at FROM
    std::optional<double> groessteUeberMaximum;  // largest size with C tune > Cmax at FROM
    std::optional<double> kleinsteSpannung;      // lowest peak voltage of those above the rating
    std::optional<double> kleinsteSpannungEta;   // the worst efficiency of that loop
    std::optional<double> laengsterKlein;        // longest N U within the small-loop limit at TO
    std::optional<Entwurf> besteSpannung;        // the most efficient loop excluded by its voltage alone
    // Runs of the band's rows over which one loop qualifies: the loop, its worst
    // efficiency over the run, the run. Of each width (index: rows - 1) the most
    // efficient, of equal ones the first found.
    struct Teilband {
        Entwurf loop;
        int first = 0, last = 0;  // rows
        double fromMHz = 0, toMHz = 0;
    };
    std::vector<std::optional<Teilband>> teilbaender;
};

// What a builder can do when nothing qualifies, each with the efficiency it brings
// (loop.efficiencyWorstPercent): a part of the band that one loop covers; the
// rating that the most efficient loop the capacitor tunes needs (its highest peak
// voltage times the margin); the power at which that loop keeps the rating as it is.
enum class VorschlagArt { Teilband, Festigkeit, Leistung };
struct Vorschlag {
    VorschlagArt art = VorschlagArt::Festigkeit;
    Entwurf loop;
    double fromMHz = 0, toMHz = 0;  // Teilband
    double ratingV = 0;             // Festigkeit
    double powerW = 0;              // Leistung
    bool unterZehntel = false;      // below a tenth of the best proposal's efficiency
};

struct Ergebnis {
    long long evaluated = 0, qualified = 0;
    std::array<long long, kAusschlussAnzahl> excluded{};
    // Of those excluded by their voltage, how many keep the rating itself but not the margin.
    long long unterMarge = 0;
    // Why nothing qualifies: filled only when nothing does.
    Befund befund;
    std::vector<Vorschlag> vorschlaege;  // ranked by the efficiency they bring; only when nothing qualifies
    std::vector<Entwurf> designs;        // the best of each combination, ranked
    bool abgebrochen = false;            // a stop was requested: the result is incomplete
};

struct Steuerung {
    std::stop_token stop;                        // a stop request ends the search early
    std::atomic<long long>* erledigt = nullptr;  // candidates done so far (from 0 again for the second pass)
    unsigned threads = 0;                        // 0: every core
};

// Whether `neu` replaces `alt` as the best size of its combination: a higher
// worst-case efficiency; of equal ones the smaller size.
bool Besser(const Entwurf& neu, const Entwurf& alt);
// Whether `a` ranks before `b`: the higher worst-case efficiency; of equal ones
// fewer turns, the thinner conductor, the shape first in the shape list, then the
// material that comes first in `materials`.
bool RangVor(const Entwurf& a, const Entwurf& b, const std::vector<Material>& materials);

// Searches. The result does not depend on the number of threads. The sizes of a
// combination are not all computed: what the band's end rows decide (the model's
// refusals, the small-loop limit, the capacitor's range) is found by halving the
// sizes, the voltage and the best efficiency by bounds (finder/size_bisection.cpp).
// When nothing qualifies, the search is repeated exhaustively for the reasons and
// the proposals.
Ergebnis Suchen(const FinderOptionen& o, const Steuerung& steuerung = {});
// Every candidate through the band's end rows and, where they leave it open, every
// row: the reference the search is held to, with the reasons and proposals.
Ergebnis SuchenVollstaendig(const FinderOptionen& o, const Steuerung& steuerung = {});

// The shortest text with a decimal point that reads back as `value`, no exponent.
std::string KurzText(double value);

}  // namespace ringfeld::finder
