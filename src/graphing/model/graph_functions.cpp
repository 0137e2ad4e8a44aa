#include "graphing/model/graph_functions.h"

#include <cmath>
#include <limits>

#include "engine/core/command_names.h"

namespace zentrix::graphing {
namespace {

namespace id = engine::command_id;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A direct circular function's argument in radians.
double ToRadians(double a, AngleMode mode) {
  switch (mode) {
    case AngleMode::kDegrees: return a * kRadiansPerDegree;
    case AngleMode::kGradians: return a * kRadiansPerGradian;
    case AngleMode::kRadians: break;
  }
  return a;
}

// An inverse circular function's result in the angle mode's unit.
double FromRadians(double r, AngleMode mode) {
  switch (mode) {
    case AngleMode::kDegrees: return r * kDegreesPerRadian;
    case AngleMode::kGradians: return r * kGradiansPerRadian;
    case AngleMode::kRadians: break;
  }
  return r;
}

// A value written in degrees (the degree, minute and second marks) in the
// angle mode's unit.
double FromDegrees(double d, AngleMode mode) {
  switch (mode) {
    case AngleMode::kRadians: return d * kRadiansPerDegree;
    case AngleMode::kGradians: return d * (200.0 / 180.0);
    case AngleMode::kDegrees: break;
  }
  return d;
}

double Sign(double a) { return a > 0.0 ? 1.0 : (a < 0.0 ? -1.0 : (a == 0.0 ? 0.0 : kNaN)); }

// n! for a real n, through the gamma function; NaN at the poles.
double RealFactorial(double n) { return std::tgamma(n + 1.0); }

// The quotient of two gamma values that may each overflow: through their
// logarithms when the direct quotient is not finite.
double GammaQuotient(double numerator_arg, double denominator_arg) {
  const double direct = std::tgamma(numerator_arg) / std::tgamma(denominator_arg);
  if (std::isfinite(direct)) return direct;
  return std::exp(std::lgamma(numerator_arg) - std::lgamma(denominator_arg));
}

}  // namespace

int GraphFunctionArity(int f) {
  if (f >= id::kSin && f <= id::kSqrt) return 1;
  switch (f) {
    case id::kNPr:
    case id::kNCr:
    case id::kAtan2: return 2;
    case id::kWave: return 3;
    case id::kWavelet:
    case id::kUnitStep:
    case id::kRe:
    case id::kIm:
    case id::kExp:
    case id::kDegreeMark:
    case id::kMinuteMark:
    case id::kSecondMark: return 1;
    default: break;
  }
  return DistributionArity(f);
}

double ApplyUnaryFunction(int f, double a, AngleMode mode) {
  switch (f) {
    case id::kSin: return std::sin(ToRadians(a, mode));
    case id::kCos: return std::cos(ToRadians(a, mode));
    case id::kTan: return std::tan(ToRadians(a, mode));
    case id::kAsin: return FromRadians(std::asin(a), mode);
    case id::kAcos: return FromRadians(std::acos(a), mode);
    case id::kAtan: return FromRadians(std::atan(a), mode);
    case id::kCsc: return 1.0 / std::sin(ToRadians(a, mode));
    case id::kSec: return 1.0 / std::cos(ToRadians(a, mode));
    case id::kCot: return 1.0 / std::tan(ToRadians(a, mode));
    case id::kAcsc: return FromRadians(std::asin(1.0 / a), mode);
    case id::kAsec: return FromRadians(std::acos(1.0 / a), mode);
    case id::kAcot: return FromRadians(kPi / 2.0 - std::atan(a), mode);
    case id::kCosh: return std::cosh(a);
    case id::kSinh: return std::sinh(a);
    case id::kTanh: return std::tanh(a);
    // The library's inverse hyperbolic functions equal ln(a + √(a²+1)) and its
    // kin, without their cancellation for large negative arguments.
    case id::kAsinh: return std::asinh(a);
    case id::kAcosh: return std::acosh(a);
    case id::kAtanh: return std::atanh(a);
    case id::kCsch: return 1.0 / std::sinh(a);
    case id::kSech: return 1.0 / std::cosh(a);
    case id::kCoth: return 1.0 / std::tanh(a);
    case id::kAsech: return std::acosh(1.0 / a);
    case id::kAcsch: return std::asinh(1.0 / a);
    case id::kAcoth: return std::atanh(1.0 / a);
    case id::kLog10: return std::log10(a);
    case id::kLn: return std::log(a);
    case id::kCeiling: return std::ceil(a);
    case id::kFloor: return std::floor(a);
    case id::kSign: return Sign(a);
    case id::kFPart: return a - std::trunc(a);
    case id::kIPart: return std::trunc(a);
    case id::kAbs: return std::fabs(a);
    case id::kSqrt: return std::sqrt(a);
    case id::kWavelet: return Wavelet(a);
    case id::kUnitStep: return a >= 0.0 ? 1.0 : 0.0;
    case id::kRe: return a;
    case id::kIm: return 0.0;
    case id::kExp: return std::exp(a);
    case id::kDegreeMark: return FromDegrees(a, mode);
    case id::kMinuteMark: return FromDegrees(a / 60.0, mode);
    case id::kSecondMark: return FromDegrees(a / 3600.0, mode);
    default: break;
  }
  return kNaN;
}

double ApplyFunction(int f, const double* args, int count, AngleMode mode) {
  if (count == 1 && GraphFunctionArity(f) == 1) return ApplyUnaryFunction(f, args[0], mode);
  switch (f) {
    case id::kNPr: return count == 2 ? Permutations(args[0], args[1]) : kNaN;
    case id::kNCr: return count == 2 ? Combinations(args[0], args[1]) : kNaN;
    // The angle of the point (a, b).
    case id::kAtan2: return count == 2 ? FromRadians(std::atan2(args[1], args[0]), mode) : kNaN;
    case id::kWave: return count == 3 ? Wave(args[0], args[1], args[2]) : kNaN;
    default: break;
  }
  return EvaluateDistribution(f, args, count);
}

double Wavelet(double a) {
  if (a >= 0.0 && a <= 0.5) return 1.0;
  if (a > 0.5 && a <= 1.0) return -1.0;
  return 0.0;
}

double Wave(double j, double k, double a) {
  return std::exp2(j / 2.0) * Wavelet(std::exp2(j) * a - k);
}

double Permutations(double n, double r) {
  if (n < r) return 0.0;
  return GammaQuotient(n + 1.0, n - r + 1.0);
}

double Combinations(double n, double r) {
  if (n < r) return 0.0;
  const double direct = RealFactorial(n) / (RealFactorial(r) * RealFactorial(n - r));
  if (std::isfinite(direct)) return direct;
  return std::exp(std::lgamma(n + 1.0) - std::lgamma(r + 1.0) - std::lgamma(n - r + 1.0));
}

}  // namespace zentrix::graphing
