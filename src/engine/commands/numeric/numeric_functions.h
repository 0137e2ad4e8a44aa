#pragma once
// Numeric evaluation of one elementary function at a Number, with the angle unit
// setting applied to the circular functions and their inverses.

#include <optional>

#include "engine/commands/numeric/complex_functions.h"
#include "engine/core/number.h"

namespace zentrix::engine {

// True when the angle unit setting is degrees.
bool AngleInDegrees();

// The angle of the point (x, y) (std::atan2(y, x)), in degrees when the angle
// unit is degrees.
double ArctangentOf(double y, double x);

// The function `id` (an elementary id) at the finite value `argument`; nothing
// for other ids or non-finite arguments. Infinite results become the infinity
// kinds of Number, undefined ones indeterminate.
std::optional<Number> EvaluateFunctionNumerically(int id, const Number& argument);

Complex ToComplex(const Number& n);
Number FromComplex(Complex z);
// The value with each part's quotient computed (denominators 1); non-finite
// kinds stay as they are.
Number ToDecimal(const Number& n);

}  // namespace zentrix::engine
