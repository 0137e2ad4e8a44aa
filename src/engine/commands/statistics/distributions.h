// The probability distributions of the statistics commands, as functions of doubles.
//
// Each density and distribution function takes its arguments in the order the user types
// them. Parameters outside a distribution's domain (sigma <= 0, df <= 0, p outside [0, 1],
// ...) give NaN, shown as an undefined value; values outside the support of a discrete
// distribution have probability 0.
#pragma once

#include <cstddef>
#include <span>
#include <utility>

namespace zentrix::engine {

double NormalPdf(double x, double mu, double sigma);
double NormalCdf(double lower, double upper, double mu, double sigma);
// The standard normal quantile: Acklam's rational approximation, refined by one Halley step.
double InverseNormal(double p);
// Acklam's approximation alone (relative error below 1.15e-9); exposed for tests.
double InverseNormalAcklam(double p);
double StudentTPdf(double x, double df);
double StudentTCdf(double lower, double upper, double df);
double ChiSquarePdf(double x, double df);
double ChiSquareCdf(double lower, double upper, double df);
double FPdf(double x, double numerator_df, double denominator_df);
// The degrees of freedom are truncated to integers; a negative lower bound counts as 0.
double FCdf(double lower, double upper, double numerator_df, double denominator_df);
double BinomialPdf(double n, double p, double x);
double BinomialCdf(double n, double p, double x);
double PoissonPdf(double mu, double x);
double PoissonCdf(double mu, double x);
double GeoPdf(double p, double x);
double GeoCdf(double p, double x);

// A distribution as its registry row holds it: the function of the distribution
// on its arguments (exactly `arity` of them) in the order the user types them.
struct DistributionFunction {
  double (*evaluate)(std::span<const double> args) = nullptr;
  int arity = 0;
};

namespace distribution_detail {
template <typename>
struct Arity;
template <typename... Args>
struct Arity<double (*)(Args...)> {
  static constexpr int value = sizeof...(Args);
};
template <auto F, std::size_t... I>
double Call(std::span<const double> args, std::index_sequence<I...>) {
  return F(args[I]...);
}
template <auto F>
double Call(std::span<const double> args) {
  return Call<F>(args, std::make_index_sequence<Arity<decltype(F)>::value>());
}
}  // namespace distribution_detail

// The row of one of the functions above, with its arity taken from its signature.
template <auto F>
inline constexpr DistributionFunction kDistributionOf{
    &distribution_detail::Call<F>, distribution_detail::Arity<decltype(F)>::value};

// Engine error code of "Too many parameters".
inline constexpr int kTooManyParametersCode = 20;
// Engine error code of a wrong call; a message, when present, replaces its text.
inline constexpr int kWrongArgumentsCode = 4;

// The outcome of a distribution call: a value, or an error code.
struct DistributionResult {
  double value = 0;
  int error_code = -1;  // -1: no error
  bool ok() const { return error_code < 0; }
};

// Checks the argument count (more than four: kTooManyParametersCode; any other mismatch:
// kWrongArgumentsCode, which the caller shows as the command's syntax line) and evaluates. The
// caller has already checked that every argument is a real number, and reports a non-real one with
// the syntax line.
DistributionResult EvaluateDistribution(const DistributionFunction& d,
                                        std::span<const double> args);

}  // namespace zentrix::engine
