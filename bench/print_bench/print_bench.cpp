// Cost of showing answers: whole entries as the terminal calculator solves and
// writes them, and the printing stages alone (the layout, its one-line text,
// the terminal's pretty drawing and the linear entry text) on large answers,
// which should cost in proportion to the answer's size.

#include <benchmark/benchmark.h>

#include <string>

#include "cli/layout_pretty.h"
#include "engine/commands/entry_pipeline.h"
#include "engine/commands/evaluator.h"
#include "engine/commands/install_engine.h"
#include "engine/core/answer_text.h"
#include "engine/core/charset.h"
#include "engine/core/linear_text.h"
#include "engine/core/result_printer.h"
#include "engine/core/variable_store.h"

// The program installs the engine once, before any benchmark runs.
const bool kEngineInstalled = (zentrix::engine::InstallEngine(), true);

namespace zentrix::engine {
namespace {

// Solves the entry and writes its answer on one line, as zentrix-cli does.
void SolveAndWrite(benchmark::State& state, const char* entry) {
  const std::u16string text = chars::U16(entry);
  VariableStore variables;
  std::size_t characters = 0;
  for (auto _ : state) {
    EntryAnswer answer = SolveEntry(text, variables, {});
    if (answer.failed()) state.SkipWithError("the entry failed");
    std::string line = RenderText(answer.layout);
    characters = line.size();
    benchmark::DoNotOptimize(line);
  }
  state.counters["bytes"] = static_cast<double>(characters);
}

void BM_EntryExpandFourTermsTo15(benchmark::State& state) {
  SolveAndWrite(state, "Expand((x+y+z+1)^15)");
}
void BM_EntryExpandFourTermsTo20(benchmark::State& state) {
  SolveAndWrite(state, "Expand((x+y+z+1)^20)");
}
void BM_EntryFifthDerivative(benchmark::State& state) {
  SolveAndWrite(state, "D(sin(x)^2*cos(x)*ℯ^(x^2),x,5)");
}
BENCHMARK(BM_EntryExpandFourTermsTo15)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EntryExpandFourTermsTo20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EntryFifthDerivative)->Unit(benchmark::kMicrosecond);

ExprNode Evaluated(const char* entry) {
  EvaluationResult result = Evaluator().Evaluate(chars::U16(entry));
  return std::move(result.value);
}

// The 1,771-term answer of Expand((x+y+z+1)^20), through each printing stage.
const ExprNode& LargeSum() {
  static const ExprNode sum = Evaluated("Expand((x+y+z+1)^20)");
  return sum;
}

void BM_LayoutLargeSum(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ResultPrinter().Print(LargeSum()));
}
void BM_TextOfLargeSum(benchmark::State& state) {
  const AnswerLayout layout = ResultPrinter().Print(LargeSum());
  for (auto _ : state) benchmark::DoNotOptimize(RenderText(layout));
}
void BM_LayoutAndTextOfLargeSum(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(RenderText(ResultPrinter().Print(LargeSum())));
}
void BM_LinearTextOfLargeSum(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(LinearText(LargeSum(), {true, false}));
}
// The terminal calculator's drawing with raised exponents (--format pretty).
void BM_PrettyOfLargeSum(benchmark::State& state) {
  const AnswerLayout layout = ResultPrinter().Print(LargeSum());
  for (auto _ : state) benchmark::DoNotOptimize(cli::RenderPretty(layout));
}
BENCHMARK(BM_LayoutLargeSum)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrettyOfLargeSum)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextOfLargeSum)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LayoutAndTextOfLargeSum)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LinearTextOfLargeSum)->Unit(benchmark::kMicrosecond);

// k·x^k·y + ... with n product operands (some negative), assembled directly:
// the printer takes the tree as it is, so no simplification is timed.
ExprNode SumOfProducts(int n) {
  ExprNode sum = ExprNode::Zero();
  for (int k = 1; k <= n; ++k) {
    ExprNode product = ExprNode::MakeProduct(Number(k % 7 == 0 ? -k : k));
    product.AddTerm(SymbolTerm{u"x", Number(1.0), Number(k % 50 + 2.0)});
    product.AddTerm(SymbolTerm{u"y", Number(1.0), Number(1.0)});
    sum.AddOperand(std::move(product));
  }
  return sum;
}

// sin(sin(...sin(x)...)) nested n deep: each level's text holds all below it.
ExprNode NestedCalls(int n) {
  ExprNode node = ExprNode::MakeSymbol(u"x");
  for (int k = 0; k < n; ++k) {
    ExprNode call(FunctionKind(0), Number(k % 3 == 0 ? -2.0 : 1.0));
    call.AddOperand(std::move(node));
    node = std::move(call);
  }
  return node;
}

void BM_TextOfSumOfProducts(benchmark::State& state) {
  const ExprNode sum = SumOfProducts(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(RenderText(ResultPrinter().Print(sum)));
  state.SetComplexityN(state.range(0));
}
void BM_LinearTextOfSumOfProducts(benchmark::State& state) {
  const ExprNode sum = SumOfProducts(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(LinearText(sum, {true, false}));
  state.SetComplexityN(state.range(0));
}
void BM_TextOfNestedCalls(benchmark::State& state) {
  const ExprNode nested = NestedCalls(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(RenderText(ResultPrinter().Print(nested)));
  state.SetComplexityN(state.range(0));
}
void BM_LinearTextOfNestedCalls(benchmark::State& state) {
  const ExprNode nested = NestedCalls(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(LinearText(nested, {true, false}));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TextOfSumOfProducts)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_LinearTextOfSumOfProducts)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_TextOfNestedCalls)
    ->RangeMultiplier(4)
    ->Range(125, 2000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK(BM_LinearTextOfNestedCalls)
    ->RangeMultiplier(4)
    ->Range(125, 2000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

}  // namespace
}  // namespace zentrix::engine
