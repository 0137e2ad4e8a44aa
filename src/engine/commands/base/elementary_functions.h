#pragma once
// The facts of the elementary functions (elementary_functions.inc), read by
// id: their family and the functions they are related to. The behaviour
// columns of the same rows (numeric value, derivative, antiderivative) are
// read by the numeric, simplify and calculus libraries themselves.

namespace zentrix::engine {

enum class FunctionFamily {
  kCircular,
  kInverseCircular,
  kHyperbolic,
  kInverseHyperbolic,
  kLogarithm,
  kExponential,
  kRoot,
  kStep,  // floor, ceiling, sign and the parts of a number: jumps
  kModulus,
  kPart,  // the real and imaginary parts
};

// How the solver undoes u = f(R).
enum class FunctionUndo {
  kNone,
  kByInverse,      // u = f⁻¹(R)
  kByForward,      // f is an inverse: u = g(R), checked
  kByLogarithm,    // u = ln(R)
  kByExponential,  // u = e^R, checked
  kByPowerOfTen,   // u = 10^R, checked
  kBySquaring,     // u = R², as a power ½
  kByBothSigns,    // u = R or u = −R, checked
};

// Where f(u) has poles as a function of its argument u.
enum class FunctionPoles { kNone, kCosineZeros, kSineZeros, kArgumentZero };

// A value at an infinity: of f(∞) as the simplifier writes it, or of the
// limit of f(t) as t runs to ±∞.
enum class ValueAtInfinity {
  kUnknown,  // the simplifier writes "undefined"; a limit is not known here
  kUndefined = kUnknown,
  kPlusInfinity,
  kMinusInfinity,
  kZero,
  kOne,
  kMinusOne,
  kHalfPi,
  kMinusHalfPi,
  kUnitInterval,
  kRealLine,
};

inline constexpr int kNoFunction = -1;

struct ElementaryFacts {
  int id = kNoFunction;
  FunctionFamily family = FunctionFamily::kCircular;
  int inverse = kNoFunction;     // principal inverse, or the function an inverse undoes
  int reciprocal = kNoFunction;  // g with f = 1/g
  // f = numerator / denominator; kNoFunction as the numerator stands for 1,
  // as the denominator for "not a quotient".
  int quotient_numerator = kNoFunction;
  int quotient_denominator = kNoFunction;
  FunctionUndo undo = FunctionUndo::kNone;
  FunctionPoles poles = FunctionPoles::kNone;
  ValueAtInfinity value_at_infinity = ValueAtInfinity::kUnknown;
  ValueAtInfinity limit_at_plus_infinity = ValueAtInfinity::kUnknown;
  ValueAtInfinity limit_at_minus_infinity = ValueAtInfinity::kUnknown;
};

// The facts of an elementary function id, or nullptr for any other id.
const ElementaryFacts* FindElementaryFacts(int id);
inline bool IsElementaryFunctionId(int id) { return FindElementaryFacts(id) != nullptr; }
inline bool IsInFamily(int id, FunctionFamily family) {
  const ElementaryFacts* facts = FindElementaryFacts(id);
  return facts != nullptr && facts->family == family;
}

}  // namespace zentrix::engine
