#include "engine/commands/numeric/complex_functions.h"

#include <array>
#include <cmath>
#include <limits>

#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

bool IsReal(Complex z) { return z.imag() == 0.0; }

// 1/z, with an infinite result at zero instead of the NaN parts of the complex
// division.
Complex Reciprocal(Complex z) {
  if (z == Complex(0.0, 0.0)) return Complex(kInf, 0.0);
  if (IsReal(z)) return Complex(1.0 / z.real(), 0.0);
  return 1.0 / z;
}

// Real-domain shortcuts keep results exactly real where the real function is
// defined; everything else takes the complex principal branch.
Complex Asin(Complex z) {
  if (IsReal(z) && std::fabs(z.real()) <= 1.0) return std::asin(z.real());
  return std::asin(z);
}
Complex Acos(Complex z) {
  if (IsReal(z) && std::fabs(z.real()) <= 1.0) return std::acos(z.real());
  return std::acos(z);
}
Complex Atan(Complex z) {
  if (IsReal(z)) return std::atan(z.real());
  return std::atan(z);
}
Complex Acosh(Complex z) {
  if (IsReal(z) && z.real() >= 1.0) return std::acosh(z.real());
  return std::acosh(z);
}
Complex Atanh(Complex z) {
  if (IsReal(z)) {
    double x = z.real();
    if (x == 1.0) return kInf;
    if (x == -1.0) return -kInf;
    if (std::fabs(x) < 1.0) return std::atanh(x);
  }
  return std::atanh(z);
}
Complex Log(Complex z) {
  if (IsReal(z) && z.real() > 0.0) return std::log(z.real());
  if (z == Complex(0.0, 0.0)) return -kInf;
  return std::log(z);
}
Complex Sqrt(Complex z) {
  if (IsReal(z) && z.real() >= 0.0) return std::sqrt(z.real());
  return std::sqrt(z);
}
Complex Tan(Complex z) {
  if (IsReal(z)) return std::tan(z.real());
  return std::tan(z);
}
Complex Tanh(Complex z) {
  if (IsReal(z)) return std::tanh(z.real());
  return std::tanh(z);
}
Complex Sign(Complex z) {
  if (IsReal(z)) {
    double x = z.real();
    return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0);
  }
  return z / std::abs(z);
}
// Applies a real rounding function to both parts.
template <typename F>
Complex PartWise(Complex z, F f) {
  return Complex(f(z.real()), f(z.imag()));
}
Complex Sin(Complex z) { return IsReal(z) ? Complex(std::sin(z.real())) : std::sin(z); }
Complex Cos(Complex z) { return IsReal(z) ? Complex(std::cos(z.real())) : std::cos(z); }
Complex Sinh(Complex z) { return IsReal(z) ? Complex(std::sinh(z.real())) : std::sinh(z); }
Complex Cosh(Complex z) { return IsReal(z) ? Complex(std::cosh(z.real())) : std::cosh(z); }
Complex Asinh(Complex z) { return IsReal(z) ? Complex(std::asinh(z.real())) : std::asinh(z); }
Complex Exp(Complex z) { return IsReal(z) ? Complex(std::exp(z.real())) : std::exp(z); }
Complex Log10(Complex z) {
  const Complex l = Log(z);
  return Complex(l.real() / std::log(10.0), l.imag() / std::log(10.0));
}
Complex Ceiling(Complex z) {
  return PartWise(z, [](double v) { return std::ceil(v); });
}
Complex Floor(Complex z) {
  return PartWise(z, [](double v) { return std::floor(v); });
}
Complex FractionalPart(Complex z) {
  return PartWise(z, [](double v) { return v - std::trunc(v); });
}
Complex IntegerPart(Complex z) {
  return PartWise(z, [](double v) { return std::trunc(v); });
}
Complex Modulus(Complex z) { return Complex(std::abs(z)); }
Complex RealPart(Complex z) { return Complex(z.real()); }
Complex ImaginaryPart(Complex z) { return Complex(z.imag()); }

using Evaluation = Complex (*)(Complex);

// The numeric column of the elementary functions, by id.
constexpr std::array<Evaluation, kCommandIdLimit> EvaluationsById() {
  std::array<Evaluation, kCommandIdLimit> by_id{};
#define ZENTRIX_ELEMENTARY(identifier, family, inverse, reciprocal, numerator, denominator, \
                           undo_by, pole, value, plus, minus, numeric, ...)                 \
  by_id[command_id::k##identifier] = [](Complex z) { return numeric; };
#include "engine/commands/base/elementary_functions.inc"
  return by_id;
}
constexpr auto kEvaluationsById = EvaluationsById();

}  // namespace

std::optional<Complex> EvaluateElementary(int id, Complex z) {
  if (id < 0 || id >= kCommandIdLimit || kEvaluationsById[id] == nullptr) return std::nullopt;
  return kEvaluationsById[id](z);
}

}  // namespace zentrix::engine
