#include "engine/commands/entry_pipeline.h"

#include <utility>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/command_table.h"
#include "engine/commands/evaluator.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/variable_store_scope.h"
#include "engine/core/command_names.h"
#include "engine/core/degrees_minutes_seconds.h"
#include "engine/core/engine_state.h"
#include "engine/core/result_printer.h"

namespace zentrix::engine {
namespace {

constexpr char16_t kOverflowMessage[] = u"Error: Overflow";

EntryAnswer Message(EntryAnswer::Kind kind, std::u16string text, bool toggle) {
  EntryAnswer answer;
  answer.kind = kind;
  answer.layout = AnswerLayout::Text(std::move(text));
  answer.decimal_toggle = toggle;
  return answer;
}

// The help text when the entry is a command name followed by one more
// character (the user typed "Solve(" and stopped), else an empty view.
std::u16string_view SyntaxHelpFor(std::u16string_view text) {
  int id = FindCommandId(text.substr(0, text.size() - 1));
  return id < 0 ? std::u16string_view() : CommandTable::HelpText(id);
}

// Hands the entry's number settings to the commands that write their own text
// (VarStats) while the entry is evaluated.
class ScopedNumberFormat {
 public:
  explicit ScopedNumberFormat(const DecimalFormat& format) : saved_(Engine().number_format) {
    Engine().number_format = format;
  }
  ~ScopedNumberFormat() { Engine().number_format = saved_; }
  ScopedNumberFormat(const ScopedNumberFormat&) = delete;
  ScopedNumberFormat& operator=(const ScopedNumberFormat&) = delete;

 private:
  DecimalFormat saved_;
};

std::u16string TooLongText() { return u"Error: " + std::u16string(kTooLongMessage); }

// Smart Solve tidies a symbolic product by expanding it once.
ExprNode TidyProduct(ExprNode product) { return Expand(product); }

}  // namespace

namespace {

// The entry from its evaluation to its answer, under the budget that
// SolveEntry owns. A spent budget throws EntryTooSlow out of any step; the
// toggle the answer keeps then is the one of the step it came from.
class EntrySolver {
 public:
  EntrySolver(VariableStore& variables, const EntrySettings& settings, bool decimal_toggle)
      : variables_(variables), settings_(settings), toggle_(decimal_toggle) {}

  EntryAnswer Solve(std::u16string_view text, SolveMode mode);
  bool toggle() const { return toggle_; }

 private:
  VariableStore& variables_;
  const EntrySettings& settings_;
  bool toggle_;
};

EntryAnswer EntrySolver::Solve(std::u16string_view text, SolveMode mode) {
  const bool decimal_toggle = toggle_;
  ClearRewriteFlag();
  VariableStoreScope scope(variables_);
  EvaluationResult evaluation;
  {
    ScopedNumberFormat format(settings_.decimal);
    evaluation = Evaluator(&scope).Evaluate(text);
  }
  // Read now: the approximation below must not count as the entry's rewriting.
  const bool rewritten = RewriteFlag();
  if (!evaluation.ok) {
    return Message(EntryAnswer::Kind::kFailure, evaluation.DisplayText(), decimal_toggle);
  }

  ExprNode result = std::move(evaluation.value);
  // An overflowed number must reach the overflow test as it is: its decimal
  // approximation would turn it into Indeterminate and hide the overflow.
  const bool overflowed = HasOverflow(result);
  // Whether `result` is still the tree just found free of overflow, which
  // spares a large answer a second walk.
  bool known_finite = !overflowed;
  bool toggle = decimal_toggle;
  if (overflowed) {
    toggle = !toggle;
  } else if (settings_.number_mode == NumberMode::kDecimal || toggle) {
    result = Approximate(result);
    known_finite = false;
    toggle = false;
  } else {
    toggle = true;
  }
  PrintSettings print{settings_.decimal, settings_.number_mode == NumberMode::kMixed};
  // A walk that runs out of budget never gets here: a partial tree cannot become Ans.
  variables_.Store(kAnsName, result);
  toggle_ = toggle;

  if (settings_.smart_solve && !rewritten && !overflowed) {
    if (Variables(result).empty()) {
      result = Approximate(result);
      known_finite = false;
    } else if (result.IsProduct()) {
      result = TidyProduct(std::move(result));
      known_finite = false;
    }
  }

  if (evaluation.final_text) return Message(EntryAnswer::Kind::kResult, evaluation.text, toggle);
  if (!known_finite && HasOverflow(result)) {
    return Message(EntryAnswer::Kind::kFailure, kOverflowMessage, toggle);
  }

  if (mode == SolveMode::kDegreesMinutesSeconds) {
    if (!result.IsRealNumber() || result.coefficient().IsZero()) {
      return Message(EntryAnswer::Kind::kNone, u"", toggle);
    }
    return Message(EntryAnswer::Kind::kResult,
                   DegreesMinutesSecondsText(result.coefficient().RealValue(), settings_.decimal),
                   toggle);
  }

  EntryAnswer answer;
  answer.kind = EntryAnswer::Kind::kResult;
  answer.layout = ResultPrinter(print).Print(result);
  answer.shown = std::move(result);
  answer.decimal_toggle = toggle;
  return answer;
}

}  // namespace

EntryAnswer SolveEntry(std::u16string_view text, VariableStore& variables,
                       const EntrySettings& settings, bool decimal_toggle, SolveMode mode) {
  if (text.empty()) return Message(EntryAnswer::Kind::kNone, u"", decimal_toggle);
  if (std::u16string_view help = SyntaxHelpFor(text); !help.empty()) {
    return Message(EntryAnswer::Kind::kHelp, std::u16string(help), decimal_toggle);
  }
  // One budget for the whole entry: evaluation, approximation and tidying.
  EntryWorkBudget budget;
  EntrySolver solver(variables, settings, decimal_toggle);
  try {
    return solver.Solve(text, mode);
  } catch (const EntryTooSlow&) {
    return Message(EntryAnswer::Kind::kFailure, TooLongText(), solver.toggle());
  }
}

}  // namespace zentrix::engine
