// What the per-entry work budget costs and where it lies: the time an entry
// takes to spend the whole step budget (the clock limit lifted), and the steps
// that typical heavy entries use.

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/evaluator.h"
#include "engine/core/charset.h"
#include "engine/core/engine_state.h"

namespace {

using namespace zentrix::engine;
namespace chars = zentrix::chars;

double StepsSpent() { return static_cast<double>(Commands().work + Engine().walked_nodes); }

// An entry whose work grows without a useful bound: it always meets the budget.
void BM_EntrySpendingTheStepBudget(benchmark::State& state) {
  ScopedCommandsState commands;
  Commands().time_limit = std::chrono::hours(1);
  const std::u16string entry = chars::U16("Integrate(Product(x+k,k,1,2000),x)");
  for (auto _ : state) {
    EvaluationResult result = Evaluator().Evaluate(entry);
    benchmark::DoNotOptimize(result.ok);
  }
  state.counters["steps"] = StepsSpent();
}
BENCHMARK(BM_EntrySpendingTheStepBudget)->Unit(benchmark::kMillisecond)->Iterations(1);

// Steps used by heavy but ordinary entries, against the budget.
void StepsOf(benchmark::State& state, const char* text) {
  ScopedCommandsState commands;
  const std::u16string entry = chars::U16(text);
  for (auto _ : state) {
    EvaluationResult result = Evaluator().Evaluate(entry);
    benchmark::DoNotOptimize(result.ok);
  }
  state.counters["steps"] = StepsSpent();
  state.counters["budget_share"] = StepsSpent() / kEntryWorkSteps;
}
void BM_StepsExpandPower(benchmark::State& state) { StepsOf(state, "Expand((x+y+z+1)^20)"); }
void BM_StepsFactorSextic(benchmark::State& state) {
  StepsOf(state, "Factor(x^6-21x^5+175x^4-735x^3+1624x^2-1764x+720)");
}
void BM_StepsIntegrate(benchmark::State& state) { StepsOf(state, "Integrate(x^3*sin(x)^2,x)"); }
void BM_StepsThousandTermSum(benchmark::State& state) { StepsOf(state, "Sum(x^k/k,k,1,1000)"); }
void BM_StepsLongSum(benchmark::State& state) { StepsOf(state, "Sum(x^k*y+sin(k*x),k,1,2000)"); }
void BM_StepsSeventhDerivative(benchmark::State& state) { StepsOf(state, "D(tan(x),x,7)"); }
void BM_StepsSymbolicInverse(benchmark::State& state) {
  StepsOf(state, "Inverse({{a,b,c,d},{e,f,g,h},{i,j,k,l},{m,n,o,p}})");
}
void BM_StepsSeries(benchmark::State& state) { StepsOf(state, "Series(sin(x)/(1-x),x,0,20)"); }
BENCHMARK(BM_StepsLongSum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepsSeventhDerivative)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepsSymbolicInverse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepsSeries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepsExpandPower)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepsFactorSextic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepsIntegrate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepsThousandTermSum)->Unit(benchmark::kMillisecond);

}  // namespace
