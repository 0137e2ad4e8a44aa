// CompiledExpr against the symbolic engine's numeric value on random
// expressions of the functions both evaluate the same way.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "engine/core/charset.h"
#include "engine/core/engine_state.h"
#include "engine/core/variable_store.h"
#include "graphing/model/compiled_expr.h"
#include "graphing/model/engine_bridge.h"
#include "graphing/model/eval_context.h"

namespace zentrix::graphing {
namespace {

class ExpressionWriter {
 public:
  explicit ExpressionWriter(std::uint64_t seed) : random_(seed) {}

  // Fully bracketed text, built by appending.
  std::string Write(int depth) {
    std::string out;
    Append(depth, out);
    return out;
  }

  // Functions whose argument may leave their real domain: the engine then
  // goes on in complex numbers (cosh(acos(7)/x) is real again), the graph
  // evaluator fails at once.
  static bool LeavesRealDomain(const std::string& text) {
    for (const char* f : {"sqrt", "ln", "log10", "asin", "acos", "^"}) {
      if (text.find(f) != std::string::npos) return true;
    }
    return false;
  }

 private:
  std::size_t Pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }
  void Append(int depth, std::string& out) {
    if (depth == 0 || Pick(4) == 0) return AppendLeaf(out);
    static const char* const kFunctions[] = {"sin",  "cos",  "tan",   "atan", "sinh",
                                             "cosh", "tanh", "asinh", "sqrt", "abs",
                                             "ln",   "exp",  "asin",  "acos", "log10"};
    static const char kOperators[] = "+-*/";
    const std::size_t choice = Pick(8);
    if (choice < 4) {
      out.push_back('(');
      Append(depth - 1, out);
      out.push_back(kOperators[choice]);
      Append(depth - 1, out);
      out.push_back(')');
    } else if (choice == 4) {
      out.push_back('(');
      Append(depth - 1, out);
      out.append(")^");
      out.push_back(static_cast<char>('1' + Pick(3)));
    } else if (choice == 5) {
      out.append("-(");
      Append(depth - 1, out);
      out.push_back(')');
    } else {
      out.append(kFunctions[Pick(std::size(kFunctions))]);
      out.push_back('(');
      Append(depth - 1, out);
      out.push_back(')');
    }
  }

  void AppendLeaf(std::string& out) {
    const std::size_t kind = Pick(4);
    if (kind < 2) {
      out.push_back('x');
      return;
    }
    out.push_back(static_cast<char>('1' + Pick(9)));
    if (kind == 3) {
      out.push_back('.');
      out.push_back(static_cast<char>('0' + Pick(10)));
      out.push_back(static_cast<char>('0' + Pick(10)));
    }
  }

  std::mt19937_64 random_;
};

TEST(CompiledExprPropertyTest, AgreesWithTheEngineOnRandomExpressions) {
  ScopedEvalContext context;
  engine::ScopedEngineState engine_state;
  ExpressionWriter writer(20261209);
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> xs(-3.0, 3.0);
  int compared = 0, both_failed = 0, through_infinity = 0;
  for (int i = 0; i < 3000; ++i) {
    const std::string text = writer.Write(3);
    const double x = std::round(xs(random) * 1000.0) / 1000.0;
    CompiledExpr expr;
    ASSERT_TRUE(expr.Compile(chars::U16(text))) << text;
    GraphEvaluation().Set(0, variable::kX, x);
    double ours = 0.0;
    const bool ours_ok = expr.Evaluate(ours);

    engine::VariableStore store;
    store.Store(u"x", engine::ExprNode::MakeNumber(engine::Number(x)));
    const FieldValue theirs = EvaluateField(chars::U16(text), &store);
    if (!ours_ok || !theirs.ok) {
      both_failed += !ours_ok && !theirs.ok;
      // The engine may pass through complex values back to a real result.
      if (!ours_ok && ExpressionWriter::LeavesRealDomain(text)) continue;
      // Values too large for the engine to keep exact are left out.
      if (ours_ok && std::fabs(ours) > 1e12) continue;
      // An infinite quotient inside (exp(-1/0) is 0 in doubles) passes through
      // the graph evaluator; the engine stops at the undefined quotient.
      if (ours_ok && text.find('/') != std::string::npos) {
        ++through_infinity;
        continue;
      }
      EXPECT_EQ(ours_ok, theirs.ok)
          << text << " at x=" << x << ": " << ours << " vs " << chars::ToUtf8(theirs.error);
      continue;
    }
    const double scale = std::max(std::fabs(ours), std::fabs(theirs.value));
    EXPECT_LE(std::fabs(ours - theirs.value), 1e-12 * std::max(scale, 1.0))
        << text << " at x=" << x << ": " << ours << " vs " << theirs.value;
    ++compared;
  }
  EXPECT_GT(compared, 2000);
  EXPECT_GT(both_failed, 0);
  EXPECT_LT(through_infinity, 60);
}

}  // namespace
}  // namespace zentrix::graphing
