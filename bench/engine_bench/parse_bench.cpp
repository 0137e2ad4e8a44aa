// Parsing speed of typical and long entries.

#include <benchmark/benchmark.h>

#include <string>

#include "engine/core/parser.h"

namespace {

using zentrix::engine::ParseEntry;
using zentrix::engine::Parser;

void BM_ParseSolveEntry(benchmark::State& state) {
  const std::u16string entry = u"Solve(x^2-5x+6=0,x)";
  Parser parser;
  for (auto _ : state) {
    auto result = parser.Parse(entry);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseSolveEntry);

void BM_ParseAndConvertSolveEntry(benchmark::State& state) {
  const std::u16string entry = u"Solve(x^2-5x+6=0,x)";
  for (auto _ : state) {
    auto result = ParseEntry(entry);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseAndConvertSolveEntry);

// A 2,000-character entry mixing numbers, names, functions, lists and powers.
std::u16string LongEntry() {
  const std::u16string piece = u"3.25x^2-sin(2y)/(1+{4,5}^2)+";
  std::u16string entry;
  while (entry.size() + piece.size() < 1999) entry += piece;
  entry.resize(1999, u' ');
  entry += u"7";
  return entry;
}

void BM_ParseLongEntry(benchmark::State& state) {
  const std::u16string entry = LongEntry();
  Parser parser;
  for (auto _ : state) {
    auto result = parser.Parse(entry);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * entry.size() * 2);
}
BENCHMARK(BM_ParseLongEntry);

}  // namespace
