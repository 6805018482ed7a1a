// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The loop shapes: one entry each, with everything a calculation needs of the shape.
// Nothing else in the numeric core asks which shape a loop has.
//
// The size of a shape is what a builder measures: the circle's diameter, a polygon's
// width across flats (for the square its side). Regular polygons of n sides and width w
// have the perimeter n w tan(pi/n) and the area n (w/2)^2 tan(pi/n), that is (w/2)^2
// times perimeter per width, as the circle has; the circumscribed radius is
// w / (2 cos(pi/n)).
//
// What depends on the perimeter alone is the same for every shape of that perimeter:
// the conductor's skin loss (its length), the self-capacitance and the proximity loss
// of the turns, whose fitted formulas are the circle's; no source for polygons was found.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/checked_value.h"
#include "core/constants.h"

namespace ringfeld {

// In the order of the main window's shape list.
enum class Form { Kreis, Quadrat, Achteck, Sechseck };

struct Shape;
// The inductance in henry of `turns` turns of the size `size` (m) over the coil length
// `coilLength` (m; for exactly one turn the conductor's diameter).
using TurnsInductance = Wert (*)(const Shape& shape, Wert size, Wert turns, Wert coilLength);

struct Shape {
    Form form;
    std::string_view key;  // language-independent name in files and exports
    int sides;             // 0: the circle
    // Perimeter over size, as the loop model and its size field have always reckoned it:
    // the circle's pi is the model's 15-digit one (constants::kPiAsStored).
    double perimeterPerSize;
    // The same with pi to double precision: the safety distance's magnetic moment has
    // always used it. The two differ in the circle's 16th digit only, kept apart so that
    // no result changes.
    double exactPerimeterPerSize;
    // Size over the radius of the circumscribed circle, which bounds the dipole model.
    double sizePerCircumradius;
    // The circumference the coupling loop is sized from, over the perimeter: for the
    // polygons the circle of the same area, sqrt(pi / (n tan(pi/n))); the square keeps
    // its perimeter, as it always has (its circle of the same area would be 0.886 of it).
    double couplingPerPerimeter;
    TurnsInductance inductance;
};

// D / l' at or above which the circle's ring formula replaces Wheeler's coil: where the two
// meet (computed: 21.729; 21.739 = 1 / 0.046), both about 20 % below a current sheet.
inline constexpr double kRingOderSpule = 21.739;

// Whether a circle's inductance is the ring's rather than Wheeler's coil's: D / l' at or
// above kRingOderSpule, l' the coil length (m), for one turn half the conductor diameter.
template <typename T>
bool RingStattSpule(T D, T lStrich) {
    return !(D / lStrich < kRingOderSpule);
}

// The circle: Maxwell's ring, or Wheeler's coil where the coil is long for its diameter.
Wert CircleInductance(const Shape& shape, Wert diameter, Wert turns, Wert coilLength);
// The square: the program's fitted formula.
Wert SquareInductance(const Shape& shape, Wert side, Wert turns, Wert coilLength);
// Regular polygons: Grover's polygon of round wire for one turn, the circle of the same
// area for any other number of turns.
Wert OctagonInductance(const Shape& shape, Wert width, Wert turns, Wert coilLength);
Wert HexagonInductance(const Shape& shape, Wert width, Wert turns, Wert coilLength);

namespace shape_values {
// sqrt 2 and the regular polygons' ratios to 20 digits (n tan(pi/n), 2 cos(pi/n),
// sqrt(pi / (n tan(pi/n)))): 8 tan(pi/8) = 8 (sqrt 2 - 1), 6 tan(pi/6) = 2 sqrt 3,
// 2 cos(pi/8) = sqrt(2 + sqrt 2), 2 cos(pi/6) = sqrt 3.
inline constexpr double kSqrt2 = 1.41421356237309504880;
inline constexpr double kOctagonPerimeterPerWidth = 3.3137084989847603904;
inline constexpr double kOctagonWidthPerCircumradius = 1.8477590650225735123;
inline constexpr double kOctagonCouplingPerPerimeter = 0.97368344392236634953;
inline constexpr double kHexagonPerimeterPerWidth = 3.4641016151377545871;
inline constexpr double kHexagonWidthPerCircumradius = 1.7320508075688772935;
inline constexpr double kHexagonCouplingPerPerimeter = 0.95231280686395734583;
}  // namespace shape_values

inline constexpr std::array<Shape, 4> kShapes{{
    {Form::Kreis, "circle", 0, constants::kPiAsStored, constants::kPi, 2, 1, &CircleInductance},
    {Form::Quadrat, "square", 4, 4, 4, shape_values::kSqrt2, 1, &SquareInductance},
    {Form::Achteck, "octagon", 8, shape_values::kOctagonPerimeterPerWidth, shape_values::kOctagonPerimeterPerWidth,
     shape_values::kOctagonWidthPerCircumradius, shape_values::kOctagonCouplingPerPerimeter, &OctagonInductance},
    {Form::Sechseck, "hexagon", 6, shape_values::kHexagonPerimeterPerWidth, shape_values::kHexagonPerimeterPerWidth,
     shape_values::kHexagonWidthPerCircumradius, shape_values::kHexagonCouplingPerPerimeter, &HexagonInductance},
}};

// Whether `form` is one of Form's values. No default: a shape added to Form and not
// named here stops the build (-Wswitch), and the check below then wants its entry.
constexpr bool IsForm(Form form) {
    switch (form) {
        case Form::Kreis:
        case Form::Quadrat:
        case Form::Achteck:
        case Form::Sechseck: return true;
    }
    return false;
}

// Every shape has its entry, in the order of Form, with every part given.
constexpr bool ShapesComplete() {
    std::size_t i = 0;
    for (; IsForm(static_cast<Form>(i)); ++i) {
        if (i >= kShapes.size()) return false;
        const Shape& s = kShapes[i];
        const double agree = s.perimeterPerSize / s.exactPerimeterPerSize - 1;
        if (s.form != static_cast<Form>(i) || s.key.empty() || !(s.sides == 0 || s.sides >= 3) ||
            !(s.perimeterPerSize > 0) || !(agree < 1e-14 && agree > -1e-14) || !(s.sizePerCircumradius > 0) ||
            !(s.couplingPerPerimeter > 0) || s.inductance == nullptr)
            return false;
    }
    return i == kShapes.size();
}
static_assert(ShapesComplete(), "every shape needs an entry with all of its parts");

constexpr const Shape& ShapeOf(Form form) { return kShapes[static_cast<std::size_t>(form)]; }

// The shape's language-independent name in files and exports.
constexpr std::string_view FormKey(Form form) { return ShapeOf(form).key; }

constexpr std::optional<Form> FormAusKey(std::string_view key) {
    for (const Shape& s : kShapes)
        if (s.key == key) return s.form;
    return std::nullopt;
}

// Perimeter from size and back, in metres, as the size field and the model reckon them.
constexpr double PerimeterOfSize(Form form, double size) { return size * ShapeOf(form).perimeterPerSize; }
constexpr double SizeOfPerimeter(Form form, double perimeter) { return perimeter / ShapeOf(form).perimeterPerSize; }

// The area of one turn, (size / 2)^2 times the perimeter per size: half the perimeter
// times the inscribed radius (for the circle, its radius).
inline Wert TurnArea(Wert size, double perimeterPerSize) {
    const Wert half = size / 2;
    return half * half * perimeterPerSize;
}

// The radius of the circle through the corners (the circle's own radius).
inline Wert Circumradius(Form form, Wert size) { return size / ShapeOf(form).sizePerCircumradius; }

// The circumference the coupling loop is sized from, for a turn of perimeter `perimeter`.
inline double CouplingCircumference(Form form, double perimeter) {
    return perimeter * ShapeOf(form).couplingPerPerimeter;
}

}  // namespace ringfeld
