#include "engine/commands/evaluator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/base/limits.h"
#include "engine/commands/command_registry.h"
#include "engine/commands/install_engine.h"
#include "engine/commands/matrix/matrix_operations.h"
#include "engine/commands/matrix/matrix_support.h"
#include "engine/commands/numeric/complex_functions.h"
#include "engine/commands/numeric/numeric_functions.h"
#include "engine/commands/numeric/special_functions.h"
#include "engine/commands/simplify/canonicalize.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;

// Each operation adds at most this many levels to the deepest of its inputs.
constexpr int kLevelsPerOperation = 2;

// Stored values copied into one entry, in nodes: a bound on what chains of
// variables built from each other (y = {x, x}, z = {y, y}, ...) can bring in.
constexpr std::size_t kMaxSubstitutedNodes = limits::kSubstitutedNodes;

std::size_t NodeCount(const ExprNode& root) {
  std::size_t count = 0;
  std::vector<const ExprNode*> pending{&root};
  while (!pending.empty()) {
    const ExprNode* node = pending.back();
    pending.pop_back();
    ++count;
    for (const ExprNode& op : node->operands()) pending.push_back(&op);
  }
  return count;
}

bool IsMark(const EvalItem& item, int mark) {
  return item.type == EvalItem::Type::kFunction && item.function_id() == mark;
}

class ProgramRun {
 public:
  ProgramRun(VariableScope* scope, std::vector<EvalItem> items)
      : scope_(scope), items_(std::move(items)) {}

  EvaluationResult Execute();

 private:
  // A value on the stack. A pending value is a sum or product whose parts are
  // canonical but have not been merged and sorted yet: a chain a+b+c+... (or
  // a·b·c·...) collects its parts there and is put into canonical form once,
  // when the value is used for anything else.
  struct Value {
    ExprNode node;
    int depth = 1;
    bool pending = false;
  };

  bool Fail(EngineError code) {
    failure_.code = code;
    return false;
  }
  bool Fail(std::u16string_view message) {
    failure_.code = EngineError::kBadSyntax;
    failure_.message = std::u16string(message);
    return false;
  }
  // `depth` is an upper bound of the node's depth; when it passes the limit the
  // real depth is measured, so the walk happens only once in many operations.
  bool Push(ExprNode node, int depth) {
    if (depth > kMaxTreeDepth) {
      depth = TreeDepth(node);
      if (depth > kMaxTreeDepth) return Fail(kTooDeepMessage);
    }
    stack_.push_back(Value{std::move(node), depth});
    return true;
  }
  static void Settle(Value& v) {
    if (!v.pending) return;
    v.pending = false;
    CanonicalizeBuilt(v.node);
  }
  Value Pop() {
    Value v = std::move(stack_.back());
    stack_.pop_back();
    Settle(v);
    return v;
  }
  bool Accumulate(int code);
  bool Step(std::size_t i);
  bool Name(std::size_t i);
  bool Operator(std::size_t i);
  bool Binary(int code);
  bool MultiplyMatrices(const ExprNode& a, const ExprNode& b, int depth);
  bool Equals(std::size_t i);
  bool Assign(const std::u16string& name, Value rhs);
  bool SolveTopLevel(Value lhs, Value rhs);
  bool Function(std::size_t i);
  bool Mark(std::size_t i, int mark);
  bool Elementary(EvaluatorStep step, int f, std::vector<Value> args);
  bool Outcome(CommandOutcome outcome, int depth);
  bool CheckFaults();

  VariableScope* scope_;
  std::vector<EvalItem> items_;
  std::vector<Value> stack_;
  EngineFailure failure_;
  bool finished_ = false;  // Clear(name) ends the run
  bool final_text_ = false;
  std::u16string text_;
  std::size_t substituted_nodes_ = 0;
};

EvaluationResult ProgramRun::Execute() {
  EvaluationResult result;
  for (std::size_t i = 0; i < items_.size() && !finished_; ++i) {
    ClearCommandFaults();
    if (!Step(i) || !CheckFaults()) {
      result.failure = failure_;
      result.text = result.DisplayText();
      return result;
    }
  }
  if (stack_.size() != 1) {
    result.failure.code = EngineError::kBadSyntax;
    result.text = result.DisplayText();
    return result;
  }
  Settle(stack_.back());
  ClearCommandFaults();
  if (!CheckFaults()) {
    result.failure = failure_;
    result.text = result.DisplayText();
    return result;
  }
  result.ok = true;
  result.value = std::move(stack_.back().node);
  result.final_text = final_text_;
  result.text = text_;
  return result;
}

bool ProgramRun::CheckFaults() {
  const CommandsState& s = Commands();
  if (s.too_deep) return Fail(kTooDeepMessage);
  if (s.list_mismatch) return Fail(EngineError::kListLengths);
  return true;
}

bool ProgramRun::Step(std::size_t i) {
  const EvalItem& item = items_[i];
  switch (item.type) {
    case EvalItem::Type::kNumber: return Push(ExprNode::MakeNumber(Number(item.value)), 1);
    case EvalItem::Type::kInfinity: return Push(ExprNode::MakeNumber(Number::PlusInfinity()), 1);
    case EvalItem::Type::kName: return Name(i);
    case EvalItem::Type::kOperator: return Operator(i);
    case EvalItem::Type::kFunction: return Function(i);
  }
  return Fail(EngineError::kBadSyntax);
}

bool ProgramRun::Name(std::size_t i) {
  const std::u16string& name = items_[i].name;
  const std::size_t n = items_.size();
  const EvalItem& last = items_[n - 1];
  if (i + 2 == n && last.type == EvalItem::Type::kFunction &&
      StepOf(last.function_id()) == EvaluatorStep::kClearName && last.count == 1) {
    if (scope_ != nullptr) scope_->Remove(name);
    stack_.clear();
    finished_ = true;
    return Push(ExprNode::MakeSymbol(name), 1);
  }
  const bool assignment_target =
      i == 0 && items_.back().type == EvalItem::Type::kOperator && items_.back().code == '=';
  if (scope_ != nullptr && !assignment_target) {
    if (std::optional<ExprNode> value = scope_->LookUp(name)) {
      substituted_nodes_ += NodeCount(*value);
      if (substituted_nodes_ > kMaxSubstitutedNodes) return Fail(kTooLargeMessage);
      int depth = TreeDepth(*value);
      return Push(std::move(*value), depth);
    }
  }
  return Push(ExprNode::MakeSymbol(name), 1);
}

bool ProgramRun::Operator(std::size_t i) {
  const EvalItem& item = items_[i];
  switch (item.code) {
    case '#': return Push(ExprNode::MakeNumber(Number::Complex(0.0, 1.0)), 1);
    case '$': {
      const auto n = static_cast<std::size_t>(std::max(item.count, 0));
      if (stack_.size() < n) return Fail(EngineError::kBadSyntax);
      ExprNode list = ExprNode::MakeList();
      int depth = 1;
      for (std::size_t k = stack_.size() - n; k < stack_.size(); ++k) {
        Settle(stack_[k]);
        depth = std::max(depth, stack_[k].depth + 1);
        list.AddOperand(std::move(stack_[k].node));
      }
      stack_.resize(stack_.size() - n);
      return Push(std::move(list), depth);
    }
    case op::kUnaryMinus: {
      if (stack_.empty()) return Fail(EngineError::kBadSyntax);
      Value v = Pop();
      return Push(NegateTree(std::move(v.node)), v.depth + kLevelsPerOperation);
    }
    case '!': {
      if (!stack_.empty()) Settle(stack_.back());
      if (stack_.empty() || !stack_.back().node.IsRealNumber()) {
        return Fail(EngineError::kBadSyntax);
      }
      Value v = Pop();
      const Number& n = v.node.coefficient();
      // A whole number's factorial is the exact product while binary64 holds
      // it; beyond, the gamma function's value prints as a decimal, and the
      // exact commands (GCD, nCr) refuse such numbers themselves.
      if (n.IsInteger() && n.GreaterOrEqual(0)) {
        if (std::optional<double> exact = ExactFactorial(n.RealValue())) {
          return Push(ExprNode::MakeNumber(Number(*exact)), 1);
        }
      }
      double value = FactorialOperator(n.RealValue());
      return Push(ExprNode::MakeNumber(Number(value)), 1);
    }
    case '=': return Equals(i);
    default: return Binary(item.code);
  }
}

// Joins the right operand into a pending sum (for + and -) or product (for *
// and /) on the left; answers false when the operands need the general rules
// (lists, matrices), leaving the stack as it was.
bool ProgramRun::Accumulate(int code) {
  const bool sum = code == '+' || code == '-';
  if (!sum && code != '*' && code != '/') return false;
  Value& left_slot = stack_[stack_.size() - 2];
  Value& right_slot = stack_.back();
  const NodeKind kind = sum ? NodeKind::kSum : NodeKind::kProduct;
  if (right_slot.pending && right_slot.node.kind() != kind) Settle(right_slot);
  if (left_slot.pending && left_slot.node.kind() != kind) Settle(left_slot);
  if (left_slot.node.IsList() || right_slot.node.IsList()) return false;
  Value right = std::move(right_slot);
  stack_.pop_back();
  Value& left = stack_.back();
  if (code == '-') {
    Settle(right);
    right.node = MultiplyNumber(std::move(right.node), Number(-1.0));
  } else if (code == '/') {
    Settle(right);
    right.node = right.node.IsEmpty()
                     ? ExprNode::MakeNumber(Divide(Number(1.0), right.node.coefficient()))
                     : ReciprocalTree(std::move(right.node));
  }
  if (!left.pending) {
    ExprNode node(kind, sum ? Number(0.0) : Number(1.0));
    Absorb(node, std::move(left.node));
    left.node = std::move(node);
    left.pending = true;
  }
  Absorb(left.node, std::move(right.node));
  left.depth = std::max(left.depth, right.depth + 1);
  return true;
}

bool ProgramRun::Binary(int code) {
  if (stack_.size() < 2) return Fail(EngineError::kBadSyntax);
  if (Accumulate(code)) return true;
  Value right = Pop();
  Value left = Pop();
  const int depth = std::max(left.depth, right.depth) + kLevelsPerOperation;
  ExprNode& a = left.node;
  ExprNode& b = right.node;
  switch (code) {
    case '+': return Push(AddTrees(std::move(a), std::move(b)), depth);
    case '-': return Push(SubtractTrees(std::move(a), std::move(b)), depth);
    case '*':
      if (a.IsMatrix() && b.IsMatrix()) return MultiplyMatrices(a, b, depth);
      return Push(MultiplyTrees(std::move(a), std::move(b)), depth);
    case '/': return Push(DivideTrees(std::move(a), std::move(b)), depth);
    case '^':
      if (a.IsE()) return Push(ApplyFunction(id::kExp, std::move(b)), depth);
      return Push(PowerTrees(std::move(a), std::move(b)), depth);
    case op::kTimesTenPower:
      if (!a.IsNumber()) return Fail(EngineError::kBadSyntax);
      return Push(
          MultiplyTrees(std::move(a), PowerTrees(ExprNode::MakeNumber(Number(10.0)), std::move(b))),
          depth);
    default: return Fail(EngineError::kBadSyntax);
  }
}

// The expanded product; "General" when the shapes do not fit.
bool ProgramRun::MultiplyMatrices(const ExprNode& a, const ExprNode& b, int depth) {
  std::optional<ExprNode> product;
  try {
    product = matrix::ExpandedMatrixProduct(a, b);
  } catch (const ResultTooLarge&) {
    return Fail(matrix::kResultTooLarge);
  }
  if (!product) return Fail(u"General");
  return Push(std::move(*product), depth);
}

bool ProgramRun::Equals(std::size_t i) {
  if (stack_.size() < 2) return Fail(EngineError::kBadSyntax);
  Value rhs = Pop();
  Value lhs = Pop();
  if (i + 1 != items_.size()) {
    ExprNode equation = ExprNode::MakeList();
    const int depth = std::max(lhs.depth, rhs.depth) + 1;
    equation.AddOperand(std::move(lhs.node));
    equation.AddOperand(std::move(rhs.node));
    return Push(std::move(equation), depth);
  }
  if (lhs.node.IsVariable()) return Assign(std::u16string(lhs.node.VariableName()), std::move(rhs));
  return SolveTopLevel(std::move(lhs), std::move(rhs));
}

bool ProgramRun::Assign(const std::u16string& name, Value rhs) {
  if (scope_ == nullptr) return Fail(EngineError::kBadSyntax);
  std::vector<std::u16string> names = Variables(rhs.node);
  if (std::find(names.begin(), names.end(), name) != names.end()) {
    return Fail(EngineError::kBadSyntax);
  }
  scope_->Store(name, rhs.node);
  return Push(std::move(rhs.node), rhs.depth);
}

bool ProgramRun::SolveTopLevel(Value lhs, Value rhs) {
  // A side without variables does not name one; sides naming different
  // variables cannot be solved.
  std::optional<std::u16string> x = SingleVariable({&lhs.node, &rhs.node});
  if (!x) return Fail(EngineError::kTooManyVariables);
  const int depth = std::max(lhs.depth, rhs.depth) + kLevelsPerOperation;
  ExprNode equation = ExprNode::MakeList();
  equation.AddOperand(std::move(lhs.node));
  equation.AddOperand(std::move(rhs.node));
  std::vector<ExprNode> arguments;
  arguments.push_back(std::move(equation));
  arguments.push_back(ExprNode::MakeSymbol(*x));
  return Outcome(RunCommand(id::kSolve, std::move(arguments)), depth);
}

bool ProgramRun::Outcome(CommandOutcome outcome, int depth) {
  switch (outcome.kind) {
    case CommandOutcome::Kind::kValue: {
      int actual = TreeDepth(outcome.value);
      return Push(std::move(outcome.value), std::max(depth, actual));
    }
    case CommandOutcome::Kind::kFinalText:
      final_text_ = true;
      text_ = std::move(outcome.text);
      return Push(ExprNode::Zero(), 1);
    case CommandOutcome::Kind::kFailure: failure_ = std::move(outcome.failure); return false;
    case CommandOutcome::Kind::kRefused: return Fail(EngineError::kBadSyntax);
  }
  return Fail(EngineError::kBadSyntax);
}

bool ProgramRun::Function(std::size_t i) {
  const EvalItem& item = items_[i];
  const int f = item.function_id();
  const EvaluatorStep step = StepOf(f);
  if (step == EvaluatorStep::kAngleMark) return Mark(i, f);
  if (step == EvaluatorStep::kSkipped) return true;
  const auto n = static_cast<std::size_t>(std::max(item.count, 0));
  if (step == EvaluatorStep::kClearName || n == 0 || stack_.size() < n) {
    return Fail(EngineError::kBadSyntax);
  }
  std::vector<Value> values(std::make_move_iterator(stack_.end() - static_cast<std::ptrdiff_t>(n)),
                            std::make_move_iterator(stack_.end()));
  stack_.resize(stack_.size() - n);
  for (Value& v : values) Settle(v);
  if (step != EvaluatorStep::kRule) return Elementary(step, f, std::move(values));
  int depth = 1;
  std::vector<ExprNode> arguments;
  for (Value& v : values) {
    depth = std::max(depth, v.depth + kLevelsPerOperation);
    arguments.push_back(std::move(v.node));
  }
  return Outcome(RunCommand(f, std::move(arguments)), depth);
}

bool ProgramRun::Elementary(EvaluatorStep step, int f, std::vector<Value> args) {
  if (step == EvaluatorStep::kArctangent && args.size() == 2) {
    if (!args[0].node.IsNumber() || !args[1].node.IsNumber()) return Fail(EngineError::kBadSyntax);
    // atan(a, b): the arctangent of a over b.
    double angle = ArctangentOf(args[0].node.coefficient().RealValue(),
                                args[1].node.coefficient().RealValue());
    return Push(ExprNode::MakeNumber(Number(angle)), 1);
  }
  if (args.size() != 1) return Fail(EngineError::kBadSyntax);
  Value& v = args[0];
  const int depth = v.depth + kLevelsPerOperation;
  if (step == EvaluatorStep::kSquareRoot) return Push(SquareRootTree(std::move(v.node)), depth);
  return Push(ApplyFunction(f, std::move(v.node)), depth);
}

// The degree, minute and second marks: a value written as marked parts
// (30°15'20'') becomes rad of its parts; a lone mark converts its operand.
bool ProgramRun::Mark(std::size_t i, int mark) {
  const std::size_t n = items_.size();
  auto is_at = [&](std::size_t k, int m) { return k < n && IsMark(items_[k], m); };
  auto make_rad = [&](std::size_t k, int count) {
    items_[k].code = 256 + id::kRad;
    items_[k].count = count;
  };
  if (mark == id::kDegreeMark && is_at(i + 2, id::kMinuteMark)) {
    if (!is_at(i + 4, id::kSecondMark)) make_rad(i + 2, 2);
    return true;
  }
  if (mark == id::kMinuteMark && is_at(i + 2, id::kSecondMark)) {
    if (stack_.size() < 2) return Fail(EngineError::kBadSyntax);
    make_rad(i + 2, 3);
    return true;
  }
  if (stack_.empty()) return Fail(EngineError::kBadSyntax);
  Value v = Pop();
  ExprNode value = std::move(v.node);
  if (mark == id::kMinuteMark) value = MultiplyNumber(std::move(value), Number::Ratio(1, 60));
  if (mark == id::kSecondMark) value = MultiplyNumber(std::move(value), Number::Ratio(1, 3600));
  if (!AngleInDegrees()) value = MultiplyTrees(std::move(value), PiOver180());
  return Push(std::move(value), v.depth + kLevelsPerOperation);
}

}  // namespace

std::u16string EvaluationResult::DisplayText() const {
  if (ok) return final_text ? text : std::u16string();
  std::u16string display = u"Error: ";
  if (!failure.message.empty()) return display + failure.message;
  if (failure.code == EngineError::kNone) return display + u"Syntax";
  return display + failure.DisplayText();
}

Evaluator::Evaluator(VariableScope* scope) : scope_(scope) {
  // Without the simplifier every answer would stay as built: a program that
  // forgot its start-up must fail at once, not answer wrongly.
  if (!EngineInstalled()) {
    std::fputs("zentrix: the engine was used before InstallEngine()\n", stderr);
    std::abort();
  }
}

EvaluationResult Evaluator::Evaluate(std::u16string_view entry) { return Run(ParseEntry(entry)); }

EvaluationResult Evaluator::Run(const EvalProgram& program) {
  if (!program.ok()) {
    EvaluationResult result;
    result.failure = program.failure;
    result.text = result.DisplayText();
    return result;
  }
  EntryWorkBudget budget;
  ProgramRun run(scope_, program.items);
  // The owner of the entry's budget answers for it; within an entry of the
  // notebook, the notebook's pipeline owns it.
  if (!budget.outermost()) return run.Execute();
  try {
    return run.Execute();
  } catch (const EntryTooSlow&) {
    EvaluationResult result;
    result.failure.code = EngineError::kBadSyntax;
    result.failure.message = std::u16string(kTooLongMessage);
    result.text = result.DisplayText();
    return result;
  }
}

std::optional<ExprNode> EvaluateExpression(std::u16string_view text) {
  Evaluator evaluator;
  EvaluationResult result = evaluator.Evaluate(text);
  if (!result.ok) return std::nullopt;
  return std::move(result.value);
}

}  // namespace zentrix::engine
