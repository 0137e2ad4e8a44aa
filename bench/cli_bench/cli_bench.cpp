// zentrix-cli evaluating 1,000 typical entries from standard input: once as the
// whole program (start-up included) and once in process through the same code.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "engine/commands/install_engine.h"

// The program installs the engine once, before any benchmark runs.
const bool kEngineInstalled = (zentrix::engine::InstallEngine(), true);

namespace {

constexpr int kEntries = 1000;

// A mix of what people type: arithmetic with fractions, powers and roots,
// symbolic sums, functions, lists and matrices, assignments and Ans.
std::string TypicalEntries() {
  static const char* const kPatterns[] = {
      "3/12+1/2",   "2^10-1",       "√(12)",       "x^2+3x+1+x",
      "a=%d",       "a^2+a",        "Ans/3",       "sin(π/6)",
      "{1,2,3}*%d", "(x+1)(x+2)",   "1.5*%d+0.25", "{{1,2},{3,4}}*%d",
      "2x+3y-x",    "ln(1)+cos(0)", "%d/7+2/7",    "abs(-%d)+floor(2.5)",
      "5!",         "2(3+4)^2",     "x/2+x/3",     "Clear(a)",
  };
  std::string out;
  for (int i = 0; i < kEntries; ++i) {
    char line[64];
    std::snprintf(line, sizeof line, kPatterns[i % std::size(kPatterns)], i % 17 + 1);
    out += line;
    out += '\n';
  }
  return out;
}

void BM_ProgramFromStdin(benchmark::State& state) {
  const std::string input_path = std::string(ZENTRIX_BINARY_DIR) + "/cli_bench_entries.txt";
  std::ofstream(input_path) << TypicalEntries();
  const std::string command =
      std::string(ZENTRIX_BINARY_DIR) + "/zentrix-cli < " + input_path + " > /dev/null";
  for (auto _ : state) {
    int status = std::system(command.c_str());
    if (status == -1) state.SkipWithError("zentrix-cli could not be started");
  }
  state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_ProgramFromStdin)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InProcess(benchmark::State& state) {
  const std::string entries = TypicalEntries();
  for (auto _ : state) {
    std::istringstream in(entries);
    std::ostringstream out, err;
    zentrix::cli::RunCli({}, {in, out, err, false});
    benchmark::DoNotOptimize(out.str().size());
  }
  state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_InProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
