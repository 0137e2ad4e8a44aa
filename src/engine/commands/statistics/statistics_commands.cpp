#include "engine/commands/statistics/statistics_commands.h"

#include <limits>
#include <span>
#include <string_view>

#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/statistics/distributions.h"
#include "engine/commands/statistics/quantiles.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

CommandOutcome Decimal(double value) {
  return CommandOutcome::Value(ExprNode::MakeNumber(Number(value)));
}

// The elements of a list as doubles, or nothing when one is not a real constant.
std::optional<std::vector<double>> ListValues(const ExprNode& list) {
  std::vector<double> values;
  values.reserve(list.OperandCount());
  for (const ExprNode& element : list.operands()) {
    std::optional<double> v = RealConstant(element);
    if (!v) return std::nullopt;
    values.push_back(*v);
  }
  return values;
}

class LineWriter {
 public:
  explicit LineWriter(const DecimalFormat& format) : format_(format) {}

  void Line(std::u16string_view label, double value) {
    text_ += label;
    text_ += u'=';
    text_ += FormatDecimal(value, format_);
    text_ += u'\n';
  }
  // A label made of a glyph and the variable's letter, with an optional suffix.
  void GlyphLine(char16_t glyph, char16_t letter, std::u16string_view suffix, double value) {
    std::u16string label{glyph, letter};
    label += suffix;
    Line(label, value);
  }
  std::u16string Take() { return std::move(text_); }

 private:
  const DecimalFormat& format_;
  std::u16string text_;
};

struct BlockLabels {
  char16_t letter;  // 'x' or 'y'
  std::u16string_view mean, sample_sd, min, q1, median, q3, max;
};

constexpr BlockLabels kXLabels{u'x', u"MeanX", u"Sx", u"minX", u"Q1x", u"MedianX", u"Q3x", u"maxX"};
constexpr BlockLabels kYLabels{u'y', u"MeanY", u"Sy", u"minY", u"Q1y", u"MedianY", u"Q3y", u"maxY"};

// The block of one list, from the mean to the maximum.
void WriteBlock(LineWriter& out, const ListStats& s, const BlockLabels& labels) {
  out.Line(labels.mean, s.mean);
  out.GlyphLine(chars::kCapitalSigma, labels.letter, u"", s.sum);
  out.GlyphLine(chars::kCapitalSigma, labels.letter, u"^2", s.sum_squares);
  out.Line(labels.sample_sd, s.sample_sd);
  out.GlyphLine(chars::kSigma, labels.letter, u"", s.population_sd);
  out.Line(labels.min, s.min);
  out.Line(labels.q1, s.q1);
  out.Line(labels.median, s.median);
  out.Line(labels.q3, s.q3);
  out.Line(labels.max, s.max);
}

}  // namespace

std::optional<double> RealConstant(const ExprNode& argument) {
  if (argument.IsPlusInfinity()) return kInfinity;
  if (argument.IsMinusInfinity()) return -kInfinity;
  if (argument.IsRealNumber()) return argument.coefficient().RealValue();
  if (!Variables(argument).empty()) return std::nullopt;
  ExprNode approximated = Approximate(argument);
  if (!approximated.IsRealNumber()) return std::nullopt;
  return approximated.coefficient().RealValue();
}

CommandOutcome DistributionCommand(const DistributionFunction& d,
                                   const std::vector<ExprNode>& arguments) {
  if (arguments.size() > 4) return CommandOutcome::Fail(EngineError::kTooManyParameters);
  std::vector<double> values;
  for (const ExprNode& argument : arguments) {
    std::optional<double> v = RealConstant(argument);
    if (!v) return CommandOutcome::Refused();
    values.push_back(*v);
  }
  DistributionResult result = EvaluateDistribution(d, values);
  if (result.ok()) return Decimal(result.value);
  if (result.error_code == kTooManyParametersCode) {
    return CommandOutcome::Fail(EngineError::kTooManyParameters);
  }
  return CommandOutcome::Refused();
}

std::u16string VarStatsText(const ListStats& x, const DecimalFormat& format) {
  LineWriter out(format);
  out.Line(u"n", static_cast<double>(x.n));
  WriteBlock(out, x, kXLabels);
  return out.Take();
}

std::u16string VarStatsText(const PairStats& xy, const DecimalFormat& format) {
  std::u16string text = VarStatsText(xy.x, format);
  LineWriter out(format);
  WriteBlock(out, xy.y, kYLabels);
  out.Line(u"xy", xy.sum_xy);
  return text + out.Take();
}

std::optional<CommandOutcome> VarStatsAlgorithm(std::vector<ExprNode>& arguments) {
  if (arguments.empty() || arguments.size() > 2) return CommandOutcome::Refused();
  std::optional<std::vector<double>> xs = ListValues(arguments[0]);
  if (!xs) return CommandOutcome::Fail(EngineError::kBadSyntax);
  const DecimalFormat& format = Engine().number_format;
  if (arguments.size() == 1) {
    std::optional<ListStats> stats = ComputeListStats(*xs);
    if (!stats) return CommandOutcome::Fail(EngineError::kBadSyntax);
    return CommandOutcome::FinalText(VarStatsText(*stats, format));
  }
  std::optional<std::vector<double>> ys = ListValues(arguments[1]);
  if (!ys) return CommandOutcome::Fail(EngineError::kBadSyntax);
  if (xs->size() != ys->size()) return CommandOutcome::Fail(EngineError::kListLengths);
  std::optional<PairStats> stats = ComputePairStats(*xs, *ys);
  if (!stats) return CommandOutcome::Fail(EngineError::kBadSyntax);
  return CommandOutcome::FinalText(VarStatsText(*stats, format));
}

}  // namespace zentrix::engine
