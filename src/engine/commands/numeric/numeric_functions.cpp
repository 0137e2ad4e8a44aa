#include "engine/commands/numeric/numeric_functions.h"
#include "engine/commands/base/elementary_functions.h"

#include <cmath>

#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;
constexpr double kRadiansToDegrees = 57.29577951308232;

bool TakesAngle(int id) {
  return (id >= command_id::kSin && id <= command_id::kTan) ||
         (id >= command_id::kCsc && id <= command_id::kCot);
}
bool GivesAngle(int id) {
  return (id >= command_id::kAsin && id <= command_id::kAtan) ||
         (id >= command_id::kAcsc && id <= command_id::kAcot);
}

}  // namespace

bool AngleInDegrees() { return Engine().angle_unit == 1; }

double ArctangentOf(double y, double x) {
  const double angle = std::atan2(y, x);
  return AngleInDegrees() ? angle * kRadiansToDegrees : angle;
}

Complex ToComplex(const Number& n) { return Complex(n.RealValue(), n.ImagValue()); }

Number FromComplex(Complex z) {
  double re = z.real(), im = z.imag();
  if (std::isnan(re) || std::isnan(im)) return Number::Indeterminate();
  if (std::isinf(re) || std::isinf(im)) {
    if (im == 0.0) return re > 0 ? Number::PlusInfinity() : Number::MinusInfinity();
    return Number::ComplexInfinity();
  }
  if (im == 0.0) return Number(re);
  return Number::Complex(re, im);
}

Number ToDecimal(const Number& n) {
  if (!n.IsFinite()) return n;
  return FromComplex(ToComplex(n));
}

std::optional<Number> EvaluateFunctionNumerically(int id, const Number& argument) {
  if (!argument.IsFinite() || !IsElementaryFunctionId(id)) return std::nullopt;
  Complex z = ToComplex(argument);
  const bool degrees = AngleInDegrees();
  if (degrees && TakesAngle(id)) z *= kDegreesToRadians;
  std::optional<Complex> value = EvaluateElementary(id, z);
  if (!value) return std::nullopt;
  if (degrees && GivesAngle(id)) *value *= kRadiansToDegrees;
  return FromComplex(*value);
}

}  // namespace zentrix::engine
