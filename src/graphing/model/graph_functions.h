#pragma once
// The numeric functions of graph expressions, on doubles, with the angle mode
// applied to the circular functions (argument) and their inverses (result).
// Domain errors give NaN, which fails the sample.

#include "graphing/model/eval_context.h"

namespace zentrix::graphing {

// Angle conversion factors of the angle modes.
inline constexpr double kRadiansPerDegree = 0.017453292519943295;
inline constexpr double kRadiansPerGradian = 0.015707963267948967;
inline constexpr double kDegreesPerRadian = 57.29577951308232;
inline constexpr double kGradiansPerRadian = 63.66197723675814;
inline constexpr double kPi = 3.141592653589793;
inline constexpr double kE = 2.718281828459045;

// The number of arguments a graph expression may pass to function `id`, or -1
// when the function has no numeric form here (a symbolic command such as D).
int GraphFunctionArity(int id);

// Functions of one argument (arity 1).
double ApplyUnaryFunction(int id, double a, AngleMode mode);
// Functions of several arguments; `args` holds `count` values in entry order.
double ApplyFunction(int id, const double* args, int count, AngleMode mode);

// The distribution functions by command id (47-61): their argument count, and
// their value (NaN for bad parameters).
int DistributionArity(int id);
double EvaluateDistribution(int id, const double* args, int count);

// Pieces with rules of their own, exposed for tests.
double Wavelet(double a);
double Wave(double j, double k, double a);
double Permutations(double n, double r);
double Combinations(double n, double r);

}  // namespace zentrix::graphing
