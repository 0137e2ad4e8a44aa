// Cost of NIntegrate on smooth, endpoint-singular and endless integrands, per
// entry (the integrand is evaluated by substitution at every point).

#include <benchmark/benchmark.h>

#include <string>

#include "engine/commands/evaluator.h"
#include "engine/core/charset.h"

namespace zentrix::engine {
namespace {

void Integrate(benchmark::State& state, const char* entry) {
  Evaluator evaluator;
  const std::u16string text = chars::U16(entry);
  for (auto _ : state) {
    EvaluationResult result = evaluator.Evaluate(text);
    benchmark::DoNotOptimize(result.value);
  }
}

void BM_NIntegratePolynomial(benchmark::State& state) { Integrate(state, "NIntegrate(x^2,0,3)"); }
void BM_NIntegrateOscillating(benchmark::State& state) {
  Integrate(state, "NIntegrate(sin(x)*ℯ^(-x/4),0,20)");
}
void BM_NIntegrateLongRange(benchmark::State& state) {
  Integrate(state, "NIntegrate(ℯ^(-x^2),0,100000)");
}
void BM_NIntegrateRootAtEnd(benchmark::State& state) {
  Integrate(state, "NIntegrate(4x/√(1-x^4),0,1)");
}
BENCHMARK(BM_NIntegratePolynomial)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NIntegrateOscillating)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NIntegrateLongRange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NIntegrateRootAtEnd)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrix::engine
