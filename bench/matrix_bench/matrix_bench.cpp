// Cost of the matrix commands on the sizes a notebook sees, and at the bounds:
// numeric determinants and inverses by elimination, symbolic determinants by
// the memoised cofactor expansion, eigenvalues through the cubic formula.

#include <benchmark/benchmark.h>

#include <string>

#include "engine/commands/evaluator.h"
#include "engine/commands/install_engine.h"
#include "engine/core/charset.h"

// The program installs the engine once, before any benchmark runs.
const bool kEngineInstalled = (zentrix::engine::InstallEngine(), true);

namespace zentrix::engine {
namespace {

void EvaluateEntry(benchmark::State& state, const std::string& entry) {
  const std::u16string text = chars::U16(entry);
  Evaluator evaluator;
  for (auto _ : state) {
    EvaluationResult result = evaluator.Evaluate(text);
    if (!result.ok) state.SkipWithError("the entry failed");
    benchmark::DoNotOptimize(result.value);
  }
}

// An n×n matrix with entries from the pattern, or x on the diagonal.
std::string Matrix(int n, bool x_on_diagonal) {
  std::string s = "{";
  for (int i = 0; i < n; ++i) {
    s += i ? ",{" : "{";
    for (int j = 0; j < n; ++j) {
      if (j) s += ",";
      s += x_on_diagonal && i == j ? "x" : std::to_string((i * 7 + j * 3 + i * j) % 11 - 5);
    }
    s += "}";
  }
  return s + "}";
}

void BM_NumericDet(benchmark::State& state) {
  EvaluateEntry(state, "Det(" + Matrix(static_cast<int>(state.range(0)), false) + ")");
}
BENCHMARK(BM_NumericDet)->Arg(3)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);

void BM_SymbolicDet(benchmark::State& state) {
  EvaluateEntry(state, "Det(" + Matrix(static_cast<int>(state.range(0)), true) + ")");
}
BENCHMARK(BM_SymbolicDet)->Arg(3)->Arg(6)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_SymbolicDet3x3OfSymbols(benchmark::State& state) {
  EvaluateEntry(state, "Det({{a,b,c},{d,e,f},{g,h,k}})");
}
BENCHMARK(BM_SymbolicDet3x3OfSymbols)->Unit(benchmark::kMicrosecond);

void BM_NumericInverse(benchmark::State& state) {
  EvaluateEntry(state, "Inverse(" + Matrix(static_cast<int>(state.range(0)), false) + ")");
}
BENCHMARK(BM_NumericInverse)->Arg(3)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_SymbolicInverse4x4(benchmark::State& state) {
  EvaluateEntry(state, "Inverse(" + Matrix(4, true) + ")");
}
BENCHMARK(BM_SymbolicInverse4x4)->Unit(benchmark::kMicrosecond);

void BM_Eigensystem3x3(benchmark::State& state) {
  EvaluateEntry(state, "Eigensystem({{2,0,0},{0,3,4},{0,4,9}})");
}
BENCHMARK(BM_Eigensystem3x3)->Unit(benchmark::kMicrosecond);

void BM_Qr3x3(benchmark::State& state) { EvaluateEntry(state, "QR({{1,1,0},{1,0,1},{0,1,1}})"); }
BENCHMARK(BM_Qr3x3)->Unit(benchmark::kMicrosecond);

void BM_MatrixPowerLarge(benchmark::State& state) {
  EvaluateEntry(state, "MatrixPower({{1,1},{1,0}},70)");
}
BENCHMARK(BM_MatrixPowerLarge)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentrix::engine
