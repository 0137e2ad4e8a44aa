// The probability distributions of the statistics commands, as functions of doubles.
//
// Each density and distribution function takes its arguments in the order the user types
// them. Parameters outside a distribution's domain (sigma <= 0, df <= 0, p outside [0, 1],
// ...) give NaN, shown as an undefined value; values outside the support of a discrete
// distribution have probability 0.
#pragma once

#include <span>
#include <string_view>

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

// The distribution commands by their command ids.
enum class Distribution {
  kNormalPdf = 47,
  kNormalCdf = 48,
  kInverseNormal = 49,
  kStudentTPdf = 50,
  kStudentTCdf = 51,
  kChiSquarePdf = 52,
  kChiSquareCdf = 53,
  kFPdf = 54,
  kFCdf = 55,
  kBinomialPdf = 56,
  kBinomialCdf = 57,
  kPoissonPdf = 58,
  kPoissonCdf = 59,
  kGeoPdf = 60,
  kGeoCdf = 61,
};

struct DistributionInfo {
  Distribution id;
  std::string_view name;
  int arity;  // the help text shown when the arguments do not fit is the command table's
};

// The distribution with this command id, or nullptr when the id is not a distribution.
const DistributionInfo* FindDistribution(int command_id);
const DistributionInfo& GetDistributionInfo(Distribution d);

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
DistributionResult EvaluateDistribution(Distribution d, std::span<const double> args);

}  // namespace zentrix::engine
