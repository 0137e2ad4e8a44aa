// Cost of evaluating whole entries: parsing, the tree arithmetic and the
// simplifier, per entry.

#include <benchmark/benchmark.h>

#include <string>

#include "engine/commands/evaluator.h"
#include "engine/commands/install_engine.h"
#include "engine/core/charset.h"

// The program installs the engine once, before any benchmark runs.
const bool kEngineInstalled = (zentrix::engine::InstallEngine(), true);

namespace zentrix::engine {
namespace {

void EvaluateEntry(benchmark::State& state, const std::u16string& entry) {
  Evaluator evaluator;
  for (auto _ : state) {
    EvaluationResult result = evaluator.Evaluate(entry);
    if (!result.ok) state.SkipWithError("the entry failed");
    benchmark::DoNotOptimize(result.value);
  }
}

void BM_Fractions(benchmark::State& state) { EvaluateEntry(state, chars::U16("3/12+1/2")); }
void BM_LikeTerms(benchmark::State& state) { EvaluateEntry(state, chars::U16("x+x+x+y*y")); }
void BM_PowerOfProduct(benchmark::State& state) { EvaluateEntry(state, chars::U16("(2x y)^2")); }
void BM_ExactSine(benchmark::State& state) { EvaluateEntry(state, chars::U16("sin(π/3)")); }
BENCHMARK(BM_Fractions);
BENCHMARK(BM_LikeTerms);
BENCHMARK(BM_PowerOfProduct);
BENCHMARK(BM_ExactSine);

// x^1+x^2+...+x^n: n distinct monomials (symbol terms), added term by term.
std::u16string SumOfPowers(int n) {
  std::string text;
  for (int k = 1; k <= n; ++k) {
    if (k > 1) text += '+';
    text += "x^" + std::to_string(k);
  }
  return chars::U16(text);
}

// 2x y+3x y^2+...: n distinct monomials in two variables (product operands).
std::u16string SumOfProducts(int n) {
  std::string text;
  for (int k = 1; k <= n; ++k) {
    if (k > 1) text += '+';
    text += std::to_string(k + 1) + "x*y^" + std::to_string(k);
  }
  return chars::U16(text);
}

// x+x+...+x with n terms.
std::u16string RepeatedTerm(int n) {
  std::string text = "x";
  for (int k = 1; k < n; ++k) text += "+x";
  return chars::U16(text);
}

// a1*a2*...*an: n distinct factors.
std::u16string ProductOfNames(int n) {
  std::string text;
  for (int k = 1; k <= n; ++k) {
    if (k > 1) text += '*';
    text += "a" + std::to_string(k);
  }
  return chars::U16(text);
}

// (x+1)(x+2)...(x+n): n distinct sum factors.
std::u16string ProductOfSums(int n) {
  std::string text;
  for (int k = 1; k <= n; ++k) text += "(x+" + std::to_string(k) + ")";
  return chars::U16(text);
}

void BM_SumOfPowers(benchmark::State& state) {
  EvaluateEntry(state, SumOfPowers(static_cast<int>(state.range(0))));
  state.SetComplexityN(state.range(0));
}
void BM_SumOfProducts(benchmark::State& state) {
  EvaluateEntry(state, SumOfProducts(static_cast<int>(state.range(0))));
  state.SetComplexityN(state.range(0));
}
void BM_RepeatedTerm(benchmark::State& state) {
  EvaluateEntry(state, RepeatedTerm(static_cast<int>(state.range(0))));
  state.SetComplexityN(state.range(0));
}
void BM_ProductOfNames(benchmark::State& state) {
  EvaluateEntry(state, ProductOfNames(static_cast<int>(state.range(0))));
  state.SetComplexityN(state.range(0));
}
void BM_ProductOfSums(benchmark::State& state) {
  EvaluateEntry(state, ProductOfSums(static_cast<int>(state.range(0))));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SumOfPowers)->RangeMultiplier(2)->Range(250, 4000)->Complexity();
BENCHMARK(BM_SumOfProducts)->RangeMultiplier(2)->Range(250, 4000)->Complexity();
BENCHMARK(BM_RepeatedTerm)->RangeMultiplier(2)->Range(250, 4000)->Complexity();
BENCHMARK(BM_ProductOfNames)->Arg(100)->Arg(400)->Arg(1600)->Complexity();
BENCHMARK(BM_ProductOfSums)->Arg(100)->Arg(400)->Arg(1600)->Complexity();

}  // namespace
}  // namespace zentrix::engine
