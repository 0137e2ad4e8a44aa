#include "engine/commands/command_rules.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>
#include <utility>

#include "engine/commands/command_algorithms.h"
#include "engine/commands/command_table.h"
#include "engine/commands/numeric/numeric_functions.h"
#include "engine/commands/numeric/special_functions.h"
#include "engine/commands/statistics/statistics_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;
using Args = std::vector<ExprNode>;

CommandOutcome Code(EngineError code) { return CommandOutcome::Fail(code); }
CommandOutcome Message(std::u16string_view text) { return CommandOutcome::Fail(text); }

// The help text as the message, or code 4 for a command without one.
CommandOutcome Help(int command) {
  std::u16string_view help = CommandTable::HelpText(command);
  return help.empty() ? Code(EngineError::kBadSyntax) : Message(help);
}

ExprNode Variable(const std::u16string& name) { return ExprNode::MakeSymbol(name); }

bool IsPlainList(const ExprNode& n) { return n.IsList() && !n.IsMatrix(); }

bool IsListOfVariables(const ExprNode& n) {
  return n.IsList() && std::all_of(n.operands().begin(), n.operands().end(),
                                   [](const ExprNode& e) { return e.IsVariable(); });
}

bool IsListOfLength(const ExprNode& n, std::size_t length) {
  return IsPlainList(n) && n.OperandCount() == length;
}

// How a refused algorithm is reported: a message, an error code, or (neither) the
// call left unevaluated.
struct FailureText {
  std::u16string_view message;
  EngineError code = EngineError::kNone;
};

constexpr FailureText kUnevaluated{};
constexpr FailureText kGeneral{u"General"};
constexpr FailureText kSyntax{{}, EngineError::kBadSyntax};

// Hands the checked arguments (normal form) to the algorithm; without an
// algorithm, or when it has no rule for them, the call as typed is the answer.
CommandOutcome Dispatch(int command, Args typed, Args normal, FailureText failure) {
  CommandAlgorithm algorithm = FindCommandAlgorithm(command);
  if (algorithm != nullptr) {
    std::optional<CommandOutcome> outcome = algorithm(normal);
    if (outcome && outcome->kind != CommandOutcome::Kind::kRefused) return std::move(*outcome);
    if (outcome) {
      if (!failure.message.empty()) return Message(failure.message);
      if (failure.code != EngineError::kNone) return Code(failure.code);
    }
  }
  return CommandOutcome::Value(MakeCall(command, std::move(typed)));
}

CommandOutcome Dispatch(int command, Args typed, FailureText failure) {
  Args normal = typed;
  return Dispatch(command, std::move(typed), std::move(normal), failure);
}

Args With(const Args& typed, std::initializer_list<std::size_t> keep, Args extra = {}) {
  Args normal;
  for (std::size_t i : keep) normal.push_back(typed[i]);
  for (ExprNode& e : extra) normal.push_back(std::move(e));
  return normal;
}

// ---- Calculus -----------------------------------------------------------------

CommandOutcome SumOrProduct(int command, Args a) {
  if (a.size() != 4) return Help(command);
  if (!a[3].IsInteger()) return Message(u"Parameter 4 is not an integer");
  if (!a[2].IsInteger()) return Message(u"Parameter 3 is not an integer");
  if (!a[1].IsVariable()) return Message(u"Parameter 2 is not a variable");
  return Dispatch(command, std::move(a), kGeneral);
}

CommandOutcome Derivative(Args a) {
  if (a.empty()) return Code(EngineError::kBadSyntax);
  if (a.size() >= 4) return Code(EngineError::kTooManyParameters);
  const ExprNode one = ExprNode::MakeNumber(Number(1.0));
  auto only_variable = [&](const ExprNode& order) -> std::optional<CommandOutcome> {
    std::optional<std::u16string> x = SingleVariable(a[0]);
    if (!x) return Message(u"Too many variables found.");
    Args normal = With(a, {0}, {});
    normal.push_back(Variable(*x));
    normal.push_back(order);
    return Dispatch(id::kD, a, std::move(normal), kUnevaluated);
  };
  if (a.size() == 1) return *only_variable(one);
  if (a.size() == 2) {
    if (a[1].IsInteger()) return *only_variable(a[1]);
    if (!a[1].IsVariable()) return Message(u"Parameter 2 is not a variable.");
    Args normal = With(a, {0, 1}, {});
    normal.push_back(one);
    return Dispatch(id::kD, std::move(a), std::move(normal), kUnevaluated);
  }
  if (!a[1].IsVariable()) return Message(u"Parameter 2 is not a variable.");
  if (!a[2].IsInteger()) return Message(u"Parameter 3 is not an integer.");
  return Dispatch(id::kD, std::move(a), kUnevaluated);
}

CommandOutcome Integral(Args a) {
  if (a.size() == 1 || a.size() == 3) {
    std::optional<std::u16string> x = SingleVariable(a[0]);
    if (!x) return Message(u"Too many variables found.");
    Args normal = With(a, {0}, {});
    normal.push_back(Variable(*x));
    if (a.size() == 3) {
      normal.push_back(a[1]);
      normal.push_back(a[2]);
    }
    return Dispatch(id::kIntegrate, std::move(a), std::move(normal), kUnevaluated);
  }
  if (a.size() == 2 || a.size() == 4) {
    if (!a[1].IsVariable()) return Message(u"Parameter 2 is not a variable.");
    return Dispatch(id::kIntegrate, std::move(a), kUnevaluated);
  }
  return Code(EngineError::kBadSyntax);
}

constexpr FailureText kNoLimit{u"Could not find the limit"};

CommandOutcome LimitCommand(Args a) {
  const ExprNode two_sided = ExprNode::MakeNumber(Number(0.0));
  switch (a.size()) {
    case 0: return Code(EngineError::kBadSyntax);
    case 1: return Message(u"Limit(expression, x, a)");
    case 2: {
      std::optional<std::u16string> x = SingleVariable(a[0]);
      if (!x) return Code(EngineError::kTooManyParameters);
      Args normal{a[0], Variable(*x), a[1], two_sided};
      return Dispatch(id::kLimit, std::move(a), std::move(normal), kNoLimit);
    }
    case 3: {
      if (!a[1].IsVariable()) return Message(u"Parameter 2 is not a variable.");
      Args normal = With(a, {0, 1, 2}, {});
      normal.push_back(two_sided);
      return Dispatch(id::kLimit, std::move(a), std::move(normal), kNoLimit);
    }
    case 4: {
      // In this form the variable is the third parameter counted from the last.
      if (!a[1].IsVariable()) return Message(u"Parameter 3 is not a variable.");
      const ExprNode& d = a[3];
      if (!d.IsInteger() || d.coefficient().LessThan(-1) || d.coefficient().GreaterThan(1)) {
        return Message(u"Direction must be -1, 0, or 1");
      }
      return Dispatch(id::kLimit, std::move(a), kNoLimit);
    }
    default: return Code(EngineError::kTooManyParameters);
  }
}

CommandOutcome SeriesCommand(Args a) {
  if (a.size() != 4) return Message(u"Series(f, x, x0, n)");
  if (!a[3].IsInteger()) return Message(u"Parameter 4 is not an integer");
  if (!a[1].IsVariable()) return Message(u"Parameter 2 is not a variable");
  return Dispatch(id::kSeries, std::move(a), FailureText{u"Unable to find the series"});
}

bool IsPositiveInteger(const ExprNode& n) { return n.IsInteger() && n.coefficient().GreaterThan(0); }

CommandOutcome FourierSeries(Args a) {
  constexpr FailureText kFailure = kGeneral;
  if (a.size() == 2) {
    if (!a[1].IsNumber()) return Code(EngineError::kBadSyntax);
    std::optional<std::u16string> x = SingleVariable(a[0]);
    if (!x) return Code(EngineError::kTooManyVariables);
    if (!IsPositiveInteger(a[1])) return Message(u"The last parameter is not a positive integer");
    Args normal{a[0], Variable(*x), a[1]};
    return Dispatch(id::kFSeries, std::move(a), std::move(normal), kFailure);
  }
  if (a.size() == 3) {
    if (!a[1].IsVariable()) return Code(EngineError::kBadSyntax);
    if (!IsPositiveInteger(a[2])) return Message(u"The last parameter is not a positive integer");
    return Dispatch(id::kFSeries, std::move(a), kFailure);
  }
  return Code(EngineError::kBadSyntax);
}

CommandOutcome NumericIntegral(Args a) {
  if (a.size() != 3) return Message(u"NIntegrate(f, a, b)");
  std::optional<std::u16string> x = SingleVariable(a[0]);
  if (!x) return Message(u"Too many variables found.");
  if (!a[1].IsRealNumber() || !a[2].IsRealNumber()) return Message(u"Unable to integrate");
  Args normal{a[0], Variable(*x), a[1], a[2]};
  return Dispatch(id::kNIntegrate, std::move(a), std::move(normal),
                  FailureText{u"Unable to integrate"});
}

// ---- Solving --------------------------------------------------------------------

bool IsEquation(const ExprNode& n) { return n.IsList() && n.OperandCount() == 2; }

CommandOutcome SolveCommand(Args a) {
  constexpr FailureText kUnsolved{u"Unable to solve the expression."};
  if (a.empty() || a.size() > 4) return Code(EngineError::kBadSyntax);
  RaiseRewriteFlag();
  if (a.size() >= 3) return Dispatch(id::kSolve, std::move(a), kUnsolved);
  ExprNode equation = a[0];
  if (equation.IsList() && !IsEquation(equation)) return Code(EngineError::kBadSyntax);
  if (!equation.IsList()) {
    ExprNode list = ExprNode::MakeList();
    list.AddOperand(std::move(equation));
    list.AddOperand(ExprNode::Zero());
    equation = std::move(list);
  }
  ExprNode x;
  if (a.size() == 1) {
    std::optional<std::u16string> name = SingleVariable(equation);
    if (!name) return Code(EngineError::kTooManyVariables);
    x = Variable(*name);
  } else {
    if (!a[1].IsVariable()) return Code(EngineError::kBadSyntax);
    x = a[1];
  }
  Args normal;
  normal.push_back(std::move(equation));
  normal.push_back(std::move(x));
  return Dispatch(id::kSolve, std::move(a), std::move(normal), kUnsolved);
}

// ---- Polynomials ------------------------------------------------------------------

CommandOutcome OneArgument(int command, Args a, FailureText failure = kUnevaluated) {
  if (a.size() != 1) return Code(EngineError::kBadSyntax);
  return Dispatch(command, std::move(a), failure);
}

CommandOutcome Division(int command, Args a) {
  if (a.size() > 3) return Code(EngineError::kTooManyParameters);
  if (a.size() < 2) return Code(EngineError::kBadSyntax);
  if (a.size() == 3) {
    if (!a[2].IsVariable()) return Message(u"Parameter 3 is not a variable");
    return Dispatch(command, std::move(a), kUnevaluated);
  }
  std::optional<std::u16string> x = SingleVariable({&a[0], &a[1]});
  if (!x) return Code(EngineError::kTooManyVariables);
  Args normal{a[0], a[1], Variable(*x)};
  return Dispatch(command, std::move(a), std::move(normal), kUnevaluated);
}

CommandOutcome GcdCommand(Args a) {
  if (a.size() < 2) return Code(EngineError::kBadSyntax);
  return Dispatch(id::kGcd, std::move(a), kUnevaluated);
}

CommandOutcome LcmCommand(Args a) {
  if (a.size() != 2 || !a[0].IsNumber() || !a[1].IsNumber()) return Code(EngineError::kBadSyntax);
  return Dispatch(id::kLcm, std::move(a), kSyntax);
}

CommandOutcome OperandCommand(Args a) {
  if (a.size() != 2 || !a[1].IsInteger()) return Code(EngineError::kBadSyntax);
  return Dispatch(id::kOperand, std::move(a), kUnevaluated);
}

CommandOutcome CoefficientCommand(Args a) {
  if (a.size() != 3 || !a[1].IsVariable() || !a[2].IsNumber()) {
    return Code(EngineError::kBadSyntax);
  }
  return Dispatch(id::kCoefficient, std::move(a), kUnevaluated);
}

CommandOutcome DegreeCommand(Args a) {
  if (a.size() != 2 || !a[1].IsVariable()) return Code(EngineError::kBadSyntax);
  return Dispatch(id::kDegree, std::move(a), kUnevaluated);
}

CommandOutcome LagrangeCommand(Args a) {
  if (a.size() != 2 || !IsPlainList(a[0]) || !a[1].IsVariable()) {
    return Code(EngineError::kBadSyntax);
  }
  for (const ExprNode& y : a[0].operands()) {
    if (!y.IsNumber()) return Code(EngineError::kBadSyntax);
  }
  return Dispatch(id::kLagrange, std::move(a), kSyntax);
}

CommandOutcome SquareFree(Args a) {
  if (a.size() != 1) return Code(EngineError::kBadSyntax);
  std::optional<std::u16string> x = SingleVariable(a[0]);
  if (!x) return Code(EngineError::kTooManyVariables);
  Args normal{a[0], Variable(*x)};
  return Dispatch(id::kFactorSquareFree, std::move(a), std::move(normal), kUnevaluated);
}

CommandOutcome EvalCommand(Args a) {
  if (a.size() != 3) return Code(EngineError::kBadSyntax);
  if (a[1].IsList()) {
    if (!IsListOfVariables(a[1])) return Message(u"Parameter 2 is not a list of variables.");
    if (!a[2].IsList() || a[2].OperandCount() != a[1].OperandCount()) {
      return Message(u"Parameter 2 and 3 must be the same length.");
    }
  } else if (!a[1].IsVariable()) {
    return Message(u"Parameter 2 is not a variable.");
  }
  return Dispatch(id::kEval, std::move(a), kSyntax);
}

// ---- Matrices and vectors ------------------------------------------------------------

CommandOutcome OneMatrix(int command, Args a, FailureText failure, bool numeric = false) {
  if (a.size() != 1 || !(numeric ? a[0].IsNumericMatrix() : a[0].IsMatrix())) {
    return Code(EngineError::kBadSyntax);
  }
  return Dispatch(command, std::move(a), failure);
}

CommandOutcome IdentityCommand(Args a) {
  if (a.size() != 1 || !a[0].IsInteger() || !a[0].coefficient().LessThan(100)) {
    return Message(u"Identity(size)");
  }
  return Dispatch(id::kIdentity, std::move(a), kGeneral);
}

CommandOutcome DotCommand(Args a) {
  if (a.size() != 2) return Help(id::kDot);
  const ExprNode &p = a[0], &q = a[1];
  if (p.IsMatrix() && q.IsMatrix()) {
    if (p.Operand(0).OperandCount() != q.OperandCount()) return Code(EngineError::kMatrixShape);
  } else if (IsPlainList(p) && IsPlainList(q)) {
    if (p.OperandCount() != q.OperandCount()) return Code(EngineError::kMatrixShape);
  } else {
    return Code(EngineError::kBadSyntax);
  }
  return Dispatch(id::kDot, std::move(a), kSyntax);
}

CommandOutcome MatrixPowerCommand(Args a) {
  if (a.size() != 2) return Message(u"MatrixPower(matrix, n)");
  if (!a[0].IsMatrix()) return Code(EngineError::kBadSyntax);
  if (!a[1].IsInteger()) return Message(u"Parameter 2 is not an integer");
  return Dispatch(id::kMatrixPower, std::move(a), kGeneral);
}

// Argument count in [low, high]; otherwise the help text (or code 4).
bool CountIn(const Args& a, std::size_t low, std::size_t high) {
  return a.size() >= low && a.size() <= high;
}

CommandOutcome VectorCalculus(int command, Args a) {
  switch (command) {
    case id::kJacobian:
    case id::kHessian:
      if (!CountIn(a, 1, 3) || a[0].IsMatrix()) return Code(EngineError::kBadSyntax);
      if (a.size() >= 2 && !IsListOfVariables(a[1])) {
        return Message(u"Parameter 2 is not a list of variables.");
      }
      break;
    case id::kGradient:
    case id::kCurl:
    case id::kDivergence:
    case id::kLaplacian:
      if (!CountIn(a, 1, 2)) return Help(command);
      if (a.size() == 2 && !IsListOfVariables(a[1])) return Code(EngineError::kBadSyntax);
      if (command == id::kCurl &&
          (!IsListOfLength(a[0], 3) || (a.size() == 2 && a[1].OperandCount() != 3))) {
        return Code(EngineError::kBadSyntax);
      }
      break;
    case id::kCross:
      if (a.size() != 2) return Help(command);
      if (!IsListOfLength(a[0], 3) || !IsListOfLength(a[1], 3)) {
        return Code(EngineError::kBadSyntax);
      }
      break;
    case id::kVectorNorm:
      if (!CountIn(a, 1, 2)) return Help(command);
      if (!IsPlainList(a[0]) || (a.size() == 2 && !a[1].IsNumber())) {
        return Code(EngineError::kBadSyntax);
      }
      break;
    case id::kScalarTripleProduct:
      if (a.size() != 3 || !IsListOfLength(a[0], 3) || !IsListOfLength(a[1], 3) ||
          !IsListOfLength(a[2], 3)) {
        return Code(EngineError::kBadSyntax);
      }
      break;
    case id::kVectorAngle:
      if (a.size() != 2 || !IsPlainList(a[0]) || !IsPlainList(a[1])) {
        return Code(EngineError::kBadSyntax);
      }
      break;
    case id::kDuf:
      if (a.size() != 4) return Help(command);
      if (!IsListOfVariables(a[1]) || !IsListOfLength(a[2], a[1].OperandCount()) ||
          !IsListOfLength(a[3], a[1].OperandCount())) {
        return Code(EngineError::kBadSyntax);
      }
      break;
    default: break;
  }
  return Dispatch(command, std::move(a), kSyntax);
}

// ---- Statistics ------------------------------------------------------------------

CommandOutcome VarStatsCommand(Args a) {
  if (a.empty() || a.size() > 2) return Message(u"VarStats(list) or VarStats(list1, list2)");
  if (!a[0].IsList()) return Message(u"Parameter 1 is not a list.");
  if (a.size() == 2 && !a[1].IsList()) return Message(u"Parameter 2 is not a list.");
  return Dispatch(id::kVarStats, std::move(a), kSyntax);
}

// ---- Numeric functions of the graph evaluator ---------------------------------------

std::optional<std::vector<double>> RealValues(const Args& a) {
  std::vector<double> values;
  for (const ExprNode& arg : a) {
    if (!arg.IsRealNumber()) return std::nullopt;
    values.push_back(arg.coefficient().RealValue());
  }
  return values;
}

// n!/(n-r)! (with `choose`, also divided by r!): exact products for integers,
// the gamma function otherwise; 0 when n < r.
double Arrangements(double n, double r, bool choose) {
  if (n < r) return 0.0;
  if (n == std::trunc(n) && r == std::trunc(r) && r >= 0 && r <= 1000) {
    double value = 1.0;
    for (double k = 0; k < r; ++k) {
      value *= (n - k);
      if (choose) value /= (k + 1);
    }
    return choose ? std::round(value) : value;
  }
  double value = FactorialOperator(n) / FactorialOperator(n - r);
  return choose ? value / FactorialOperator(r) : value;
}

double Wavelet(double a) {
  if (a >= 0.0 && a <= 0.5) return 1.0;
  if (a > 0.5 && a <= 1.0) return -1.0;
  return 0.0;
}

CommandOutcome GraphFunction(int command, const Args& a) {
  std::optional<std::vector<double>> v = RealValues(a);
  auto value = [](double d) { return CommandOutcome::Value(ExprNode::MakeNumber(Number(d))); };
  if (!v) return Code(EngineError::kBadSyntax);
  switch (command) {
    case id::kNPr:
    case id::kNCr:
      if (v->size() != 2) break;
      return value(Arrangements((*v)[0], (*v)[1], command == id::kNCr));
    case id::kAtan2: {
      if (v->size() != 2) break;
      double angle = std::atan2((*v)[1], (*v)[0]);
      return value(AngleInDegrees() ? angle * 57.29577951308232 : angle);
    }
    case id::kWave:
      if (v->size() != 3) break;
      return value(std::pow(2.0, (*v)[0] / 2.0) *
                   Wavelet(std::pow(2.0, (*v)[0]) * (*v)[2] - (*v)[1]));
    case id::kWavelet:
      if (v->size() != 1) break;
      return value(Wavelet((*v)[0]));
    case id::kUnitStep:
      if (v->size() != 1) break;
      return value((*v)[0] >= 0.0 ? 1.0 : 0.0);
    default: break;
  }
  return Code(EngineError::kBadSyntax);
}

}  // namespace

std::optional<std::u16string> SingleVariable(const std::vector<const ExprNode*>& trees) {
  std::vector<std::u16string> names;
  for (const ExprNode* tree : trees) {
    for (std::u16string& name : Variables(*tree)) {
      if (std::find(names.begin(), names.end(), name) == names.end()) {
        names.push_back(std::move(name));
      }
    }
  }
  if (names.empty()) return std::u16string(u"x");
  if (names.size() == 1) return names[0];
  return std::nullopt;
}

std::optional<std::u16string> SingleVariable(const ExprNode& tree) {
  return SingleVariable(std::vector<const ExprNode*>{&tree});
}

ExprNode AngleValue(std::vector<ExprNode> parts) {
  ExprNode value = std::move(parts[0]);
  if (parts.size() >= 2) {
    value = AddTrees(std::move(value), MultiplyNumber(std::move(parts[1]), Number::Ratio(1, 60)));
  }
  if (parts.size() >= 3) {
    value = AddTrees(std::move(value),
                     MultiplyNumber(std::move(parts[2]), Number::Ratio(1, 3600)));
  }
  if (AngleInDegrees()) return value;
  return MultiplyTrees(std::move(value),
                       MakeTermNode(std::u16string(1, chars::kPi), Number::Ratio(1, 180),
                                    Number(1.0)));
}

CommandOutcome RunCommand(int command, Args a) {
  switch (command) {
    case id::kNPr:
    case id::kNCr:
    case id::kAtan2:
    case id::kWave:
    case id::kWavelet:
    case id::kUnitStep: return GraphFunction(command, a);
    case id::kSum:
    case id::kProduct: return SumOrProduct(command, std::move(a));
    case id::kDet: return OneMatrix(command, std::move(a), kSyntax);
    case id::kTranspose: return OneMatrix(command, std::move(a), kSyntax);
    case id::kIdentity: return IdentityCommand(std::move(a));
    case id::kRowReduce: return OneMatrix(command, std::move(a), kSyntax);
    case id::kD: return Derivative(std::move(a));
    case id::kIntegrate: return Integral(std::move(a));
    case id::kExpand:
    case id::kFactor:
    case id::kNormalize:
    case id::kContent:
    case id::kTrigReduce:
    case id::kNumerator:
    case id::kDenominator:
    case id::kTogether: return OneArgument(command, std::move(a));
    case id::kLimit: return LimitCommand(std::move(a));
    case id::kGcd: return GcdCommand(std::move(a));
    case id::kQuotient:
    case id::kRemainder:
    case id::kPolyDivide: return Division(command, std::move(a));
    case id::kOperand: return OperandCommand(std::move(a));
    case id::kCoefficient: return CoefficientCommand(std::move(a));
    case id::kDegree: return DegreeCommand(std::move(a));
    case id::kSeries: return SeriesCommand(std::move(a));
    case id::kSolve: return SolveCommand(std::move(a));
    case id::kFSeries: return FourierSeries(std::move(a));
    case id::kAngle:
    case id::kRad:
      if (a.size() > 3) return Message(u"angle(degrees, minutes, seconds)");
      if (a.empty()) return Code(EngineError::kBadSyntax);
      return CommandOutcome::Value(AngleValue(std::move(a)));
    case id::kLcm: return LcmCommand(std::move(a));
    case id::kLagrange: return LagrangeCommand(std::move(a));
    case id::kEval: return EvalCommand(std::move(a));
    case id::kFactorSquareFree: return SquareFree(std::move(a));
    case id::kQr: return OneMatrix(command, std::move(a), kSyntax);
    case id::kDot: return DotCommand(std::move(a));
    case id::kEigenvalues: return OneMatrix(command, std::move(a), kSyntax, true);
    case id::kEigenvectors:
    case id::kEigensystem: return OneMatrix(command, std::move(a), kSyntax, true);
    case id::kNIntegrate: return NumericIntegral(std::move(a));
    case id::kMatrixPower: return MatrixPowerCommand(std::move(a));
    case id::kInverse: return OneMatrix(command, std::move(a), kGeneral);
    case id::kVarStats: return VarStatsCommand(std::move(a));
    default: break;
  }
  if (command >= id::kNormalPdf && command <= id::kGeoCdf) return DistributionCommand(command, a);
  if (command >= id::kJacobian && command <= id::kDuf) return VectorCalculus(command, std::move(a));
  return Code(EngineError::kBadSyntax);
}

}  // namespace zentrix::engine
