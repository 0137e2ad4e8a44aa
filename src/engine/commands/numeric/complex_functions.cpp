#include "engine/commands/numeric/complex_functions.h"

#include <cmath>
#include <limits>

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

}  // namespace

bool IsElementaryFunctionId(int id) {
  return (id >= 0 && id <= 32) || id == 65 || id == 66 || id == 70;
}

std::optional<Complex> EvaluateElementary(int id, Complex z) {
  switch (id) {
    case 0: return IsReal(z) ? Complex(std::sin(z.real())) : std::sin(z);
    case 1: return IsReal(z) ? Complex(std::cos(z.real())) : std::cos(z);
    case 2: return Tan(z);
    case 3: return Asin(z);
    case 4: return Acos(z);
    case 5: return Atan(z);
    case 6: return Reciprocal(IsReal(z) ? Complex(std::sin(z.real())) : std::sin(z));
    case 7: return Reciprocal(IsReal(z) ? Complex(std::cos(z.real())) : std::cos(z));
    case 8: return Reciprocal(Tan(z));
    case 9: return Asin(Reciprocal(z));
    case 10: return Acos(Reciprocal(z));
    case 11: return Atan(Reciprocal(z));
    case 12: return IsReal(z) ? Complex(std::cosh(z.real())) : std::cosh(z);
    case 13: return IsReal(z) ? Complex(std::sinh(z.real())) : std::sinh(z);
    case 14: return Tanh(z);
    case 15: return IsReal(z) ? Complex(std::asinh(z.real())) : std::asinh(z);
    case 16: return Acosh(z);
    case 17: return Atanh(z);
    case 18: return Reciprocal(IsReal(z) ? Complex(std::sinh(z.real())) : std::sinh(z));
    case 19: return Reciprocal(IsReal(z) ? Complex(std::cosh(z.real())) : std::cosh(z));
    case 20: return Reciprocal(Tanh(z));
    case 21: return Acosh(Reciprocal(z));
    case 22: {
      Complex w = Reciprocal(z);
      return IsReal(w) ? Complex(std::asinh(w.real())) : std::asinh(w);
    }
    case 23: return Atanh(Reciprocal(z));
    case 24: {
      Complex l = Log(z);
      return Complex(l.real() / std::log(10.0), l.imag() / std::log(10.0));
    }
    case 25: return Log(z);
    case 26: return PartWise(z, [](double v) { return std::ceil(v); });
    case 27: return PartWise(z, [](double v) { return std::floor(v); });
    case 28: return Sign(z);
    case 29: return PartWise(z, [](double v) { return v - std::trunc(v); });
    case 30: return PartWise(z, [](double v) { return std::trunc(v); });
    case 31: return Complex(std::abs(z));
    case 32: return Sqrt(z);
    case 65: return Complex(z.real());
    case 66: return Complex(z.imag());
    case 70: return IsReal(z) ? Complex(std::exp(z.real())) : std::exp(z);
    default: return std::nullopt;
  }
}

}  // namespace zentrix::engine
