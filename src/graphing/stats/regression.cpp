#include "graphing/stats/regression.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "engine/commands/statistics/quantiles.h"
#include "graphing/stats/equation_text.h"
#include "graphing/stats/iterative_fits.h"
#include "graphing/stats/least_squares.h"
#include "graphing/stats/number_text.h"

namespace zentrix::graphing {
namespace {

using Coefficients = std::vector<double>;

struct Outcome {
  FitError error = FitError::kNone;
  Coefficients coefficients;
  double r = NAN;
};

Outcome Failure(FitError error) {
  return {error, {}, NAN};
}

bool AllFinite(std::span<const double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// ln of every value, or nullopt when one is ≤ 0.
std::optional<std::vector<double>> Logarithms(std::span<const double> values) {
  std::vector<double> logs;
  logs.reserve(values.size());
  for (double v : values) {
    if (!(v > 0)) return std::nullopt;
    logs.push_back(std::log(v));
  }
  return logs;
}

Outcome FromLine(const std::optional<LineFit>& line) {
  if (!line) return Failure(FitError::kUnderdetermined);
  return {FitError::kNone, {line->slope, line->intercept}, line->r};
}

// Least squares of (ln) y on (ln) x; the caller maps the line back to the model.
Outcome TransformedLine(std::span<const double> xs, std::span<const double> ys, bool log_x,
                        bool log_y) {
  std::optional<std::vector<double>> lx, ly;
  if (log_x && !(lx = Logarithms(xs))) return Failure(FitError::kOutsideDomain);
  if (log_y && !(ly = Logarithms(ys))) return Failure(FitError::kOutsideDomain);
  return FromLine(FitLine(log_x ? std::span<const double>(*lx) : xs,
                          log_y ? std::span<const double>(*ly) : ys));
}

Outcome MedianMedian(std::span<const double> xs, std::span<const double> ys) {
  std::vector<double> sx(xs.begin(), xs.end()), sy(ys.begin(), ys.end());
  std::sort(sx.begin(), sx.end());
  std::sort(sy.begin(), sy.end());
  const engine::Quartiles qx = engine::QuartilesOfSorted(sx);
  const engine::Quartiles qy = engine::QuartilesOfSorted(sy);
  const double a = (qy.q3 - qy.q1) / (qx.q3 - qx.q1);
  const double b0 = qy.q1 - a * qx.q1;
  const double b = b0 + (qy.median - (a * qx.median + b0)) / 3;
  if (!std::isfinite(a) || !std::isfinite(b)) return Failure(FitError::kUnderdetermined);
  return {FitError::kNone, {a, b}, NAN};
}

Outcome Polynomial(std::span<const double> xs, std::span<const double> ys, int degree) {
  std::optional<Coefficients> c = FitPolynomial(xs, ys, degree);
  if (!c) return Failure(FitError::kUnderdetermined);
  return {FitError::kNone, std::move(*c), NAN};
}

Outcome FitModel(RegressionModel model, std::span<const double> xs, std::span<const double> ys) {
  switch (model) {
    case RegressionModel::kCubic:
      return Polynomial(xs, ys, 3);
    case RegressionModel::kQuadratic:
      return Polynomial(xs, ys, 2);
    case RegressionModel::kQuartic:
      return Polynomial(xs, ys, 4);
    case RegressionModel::kLinear: {
      Outcome line = FromLine(FitLine(xs, ys));
      if (line.error == FitError::kNone) line.coefficients.push_back(line.r);
      return line;
    }
    case RegressionModel::kMedianMedian:
      return MedianMedian(xs, ys);
    case RegressionModel::kNaturalExponential:
    case RegressionModel::kExponential: {
      Outcome line = TransformedLine(xs, ys, false, true);
      if (line.error != FitError::kNone) return line;
      const double slope = line.coefficients[0], intercept = line.coefficients[1];
      line.coefficients = model == RegressionModel::kExponential
                              ? Coefficients{std::exp(intercept), std::exp(slope)}
                              : Coefficients{std::exp(intercept), slope};
      return line;
    }
    case RegressionModel::kLogarithmic: {
      Outcome line = TransformedLine(xs, ys, true, false);
      if (line.error == FitError::kNone) {
        line.coefficients = {line.coefficients[1], line.coefficients[0]};
      }
      return line;
    }
    case RegressionModel::kPower: {
      Outcome line = TransformedLine(xs, ys, true, true);
      if (line.error == FitError::kNone) {
        line.coefficients = {std::exp(line.coefficients[1]), line.coefficients[0]};
      }
      return line;
    }
    case RegressionModel::kLogistic: {
      const auto p = FitLogistic(xs, ys);
      if (!p) return Failure(FitError::kUnderdetermined);
      return {FitError::kNone, {p->begin(), p->end()}, NAN};
    }
    case RegressionModel::kSinusoidal: {
      const auto p = FitSinusoidal(xs, ys);
      if (!p) return Failure(FitError::kUnderdetermined);
      return {FitError::kNone, {p->begin(), p->end()}, NAN};
    }
    case RegressionModel::kNone:
      break;
  }
  return Failure(FitError::kUnderdetermined);
}

double CoefficientOfDetermination(const RegressionResult& fit, std::span<const double> xs,
                                  std::span<const double> ys) {
  double mean = 0;
  for (double y : ys) mean += y;
  mean /= static_cast<double>(ys.size());
  double residual = 0, total = 0;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const double e = ys[i] - EvaluateRegression(fit, xs[i]);
    residual += e * e;
    total += (ys[i] - mean) * (ys[i] - mean);
  }
  if (!(total > 0)) return residual == 0 ? 1.0 : NAN;
  return 1 - residual / total;
}

}  // namespace

RegressionResult FitRegression(RegressionModel model, std::span<const double> xs,
                               std::span<const double> ys, int decimals) {
  RegressionResult result;
  result.model = model;
  if (xs.empty() || ys.empty()) {
    result.error = FitError::kEmptyList;
  } else if (xs.size() != ys.size()) {
    result.error = FitError::kLengthMismatch;
  } else if (!AllFinite(xs) || !AllFinite(ys)) {
    result.error = FitError::kOutsideDomain;
  } else if (RegressionLetterCount(model) == 0) {
    result.error = FitError::kUnderdetermined;
  }
  if (!result.ok()) return result;

  Outcome outcome = FitModel(model, xs, ys);
  // A coefficient mapped back out of range (B = e^slope for a slope of 1e39) fits nothing.
  const std::span<const double> lettered(
      outcome.coefficients.data(),
      std::min<std::size_t>(outcome.coefficients.size(), RegressionLetterCount(model)));
  if (outcome.error == FitError::kNone && !AllFinite(lettered)) {
    outcome.error = FitError::kUnderdetermined;
  }
  result.error = outcome.error;
  if (!result.ok()) return result;
  result.coefficients = std::move(outcome.coefficients);
  result.r = outcome.r;
  result.equation = RegressionEquation(model, result.coefficients, decimals);
  result.curve_text = RegressionEquation(model, result.coefficients, kExactEquation);
  result.r_squared = CoefficientOfDetermination(result, xs, ys);
  return result;
}

double EvaluateRegression(const RegressionResult& fit, double x) {
  if (!fit.ok() || fit.coefficients.empty()) return NAN;
  const std::vector<double>& c = fit.coefficients;
  auto polynomial = [&](std::size_t terms) {
    double value = 0;
    for (std::size_t i = 0; i < terms; ++i) value = value * x + c[i];
    return value;
  };
  switch (fit.model) {
    case RegressionModel::kCubic:
      return polynomial(4);
    case RegressionModel::kQuadratic:
      return polynomial(3);
    case RegressionModel::kQuartic:
      return polynomial(5);
    case RegressionModel::kLinear:
    case RegressionModel::kMedianMedian:
      return polynomial(2);
    case RegressionModel::kNaturalExponential:
      return c[0] * std::exp(c[1] * x);
    case RegressionModel::kExponential:
      return c[0] * std::pow(c[1], x);
    case RegressionModel::kLogarithmic:
      return c[0] + c[1] * std::log(x);
    case RegressionModel::kLogistic:
      return c[2] / (1 + c[0] * std::exp(-c[1] * x));
    case RegressionModel::kPower:
      return c[0] * std::pow(x, c[1]);
    case RegressionModel::kSinusoidal:
      return c[0] * std::sin(c[1] * x + c[2]) + c[3];
    case RegressionModel::kNone:
      break;
  }
  return NAN;
}

std::vector<std::u16string> RegressionPaneLines(const RegressionResult& fit, int decimals) {
  std::vector<std::u16string> lines;
  lines.emplace_back(RegressionModelName(fit.model));
  lines.emplace_back(RegressionFormulaLabel(fit.model));
  if (!fit.ok()) return lines;
  lines.emplace_back(u"Regression");
  const int letters = RegressionLetterCount(fit.model);
  for (int i = 0; i < letters && i < static_cast<int>(fit.coefficients.size()); ++i) {
    lines.push_back(std::u16string(1, static_cast<char16_t>(u'A' + i)) + u" = " +
                    FormatTrimmed(fit.coefficients[i], decimals));
  }
  if (RegressionHasCorrelation(fit.model))
    lines.push_back(u"r = " + FormatTrimmed(fit.r, decimals));
  constexpr char16_t kSquared = 133;
  lines.push_back(std::u16string{u'r', kSquared} + u" = " + FormatTrimmed(fit.r_squared, decimals));
  lines.push_back(u"y = " + fit.equation);
  return lines;
}

}  // namespace zentrix::graphing
