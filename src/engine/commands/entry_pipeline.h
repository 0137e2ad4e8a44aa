#pragma once
// The engine side of solving one calculator entry, shared by the notebook and
// the terminal calculator: the syntax-help rule for a command name and a
// bracket, evaluation with the variable store, the exact/decimal toggle and the
// number modes, Ans, Smart Solve, the overflow test, and laying the answer out
// (or writing it in degrees, minutes and seconds).

#include <optional>
#include <string_view>

#include "engine/core/answer_layout.h"
#include "engine/core/decimal_format.h"
#include "engine/core/expr_node.h"
#include "engine/core/number_settings.h"
#include "engine/core/variable_store.h"

namespace zentrix::engine {

enum class SolveMode { kNormal, kDegreesMinutesSeconds };

struct EntrySettings {
  NumberMode number_mode = NumberMode::kFraction;
  DecimalFormat decimal;  // precision, notation, show zeros
  bool smart_solve = true;
};

struct EntryAnswer {
  enum class Kind {
    kNone,     // nothing was done: an empty entry, or a degrees-minutes-seconds
               // Solve of a result that is not a non-zero real number
    kHelp,     // a command name and one more character: its syntax help text
    kResult,   // an evaluated answer
    kFailure,  // an error message ("Error: ...")
  };

  Kind kind = Kind::kNone;
  AnswerLayout layout;            // the laid-out answer, or one text box with the message
  std::optional<ExprNode> shown;  // kResult: the tree as shown (after the decimal steps)
  bool decimal_toggle = false;    // the entry's toggle after this Solve

  bool failed() const { return kind == Kind::kFailure; }
};

// Solves one entry. `decimal_toggle` is the entry's toggle (false for a fresh or
// edited entry); solving the same entry again with the returned toggle
// alternates between the exact and the decimal answer. The caller's variable
// store receives assignments, Clear and Ans.
EntryAnswer SolveEntry(std::u16string_view text, VariableStore& variables,
                       const EntrySettings& settings, bool decimal_toggle = false,
                       SolveMode mode = SolveMode::kNormal);

}  // namespace zentrix::engine
