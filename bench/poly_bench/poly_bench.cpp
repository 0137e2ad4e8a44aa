// Speed of the polynomial commands on typical sizes.

#include <benchmark/benchmark.h>

#include "engine/commands/install_engine.h"
#include "engine/commands/polynomial/poly.h"
#include "engine/commands/polynomial/poly_convert.h"
#include "engine/commands/polynomial/polynomial_commands.h"

namespace zentrix::engine {
namespace {

using poly::Poly;

// Results are built with the simplifier, as in the calculator.
const bool kInstalled = (InstallEngine(), true);

poly::AtomTable Xyz() { return poly::AtomTable({u"x", u"y", u"z"}); }
Poly Var(int v) { return Poly::Monomial(3, Number(1.0), v, 1); }
Poly Const(double c) { return Poly::Constant(3, Number(c)); }
ExprNode Tree(const Poly& p) { return poly::FromPoly(p, Xyz()); }

ExprNode PowerNode(const ExprNode& base, double n) {
  ExprNode p = ExprNode::MakePower(Number(n));
  p.AddOperand(base);
  return p;
}

void BM_ExpandFourTermsTo15(benchmark::State& state) {
  const ExprNode f = PowerNode(Tree(Var(0) + Var(1) + Var(2) + Const(1)), 15);
  for (auto _ : state) benchmark::DoNotOptimize(Expand(f));
}
BENCHMARK(BM_ExpandFourTermsTo15)->Unit(benchmark::kMicrosecond);

void BM_ExpandFourTermsTo20(benchmark::State& state) {
  const ExprNode f = PowerNode(Tree(Var(0) + Var(1) + Var(2) + Const(1)), 20);
  for (auto _ : state) benchmark::DoNotOptimize(Expand(f));
}
BENCHMARK(BM_ExpandFourTermsTo20)->Unit(benchmark::kMicrosecond);

void BM_ExpandBinomialTo20(benchmark::State& state) {
  const ExprNode f = PowerNode(Tree(Var(0) + Const(1)), 20);
  for (auto _ : state) benchmark::DoNotOptimize(Expand(f));
}
BENCHMARK(BM_ExpandBinomialTo20)->Unit(benchmark::kMicrosecond);

void BM_FactorSixLinearFactors(benchmark::State& state) {
  Poly p = Const(1);
  for (int k = 1; k <= 6; ++k) p = p * (Var(0) - Const(k));
  const ExprNode f = Tree(p);
  for (auto _ : state) benchmark::DoNotOptimize(Factor(f));
}
BENCHMARK(BM_FactorSixLinearFactors)->Unit(benchmark::kMicrosecond);

void BM_GcdDegreeEight(benchmark::State& state) {
  // A common factor of degree 4 times two coprime cofactors of degree 4.
  const Poly x = Var(0);
  const Poly common = x.Power(4) + x.Power(3).Scaled(Number(3.0)) - x + Const(7);
  const Poly u = x.Power(4) - x.Power(2).Scaled(Number(2.0)) + Const(5);
  const Poly v = x.Power(4).Scaled(Number(2.0)) + x.Power(3) + x.Scaled(Number(4.0)) - Const(3);
  const ExprNode a = Tree(common * u);
  const ExprNode b = Tree(common * v);
  for (auto _ : state) benchmark::DoNotOptimize(PolyGcd(a, b));
}
BENCHMARK(BM_GcdDegreeEight)->Unit(benchmark::kMicrosecond);

void BM_GcdLargeCoefficients(benchmark::State& state) {
  // A common factor of degree 6 with coefficients near 10^6 times cofactors of
  // degree 4: the remainder sequence's coefficients pass 2^53.
  const Poly x = Var(0);
  const double c[] = {912345, -734561, 598713, -403927, 287361, -120457, 999983};
  Poly common = Const(0);
  for (int k = 0; k <= 6; ++k) common = common + x.Power(k).Scaled(Number(c[k]));
  const Poly u = x.Power(4).Scaled(Number(3.0)) - x.Power(2).Scaled(Number(7.0)) + Const(11);
  const Poly v = x.Power(4).Scaled(Number(5.0)) + x.Power(3) - x.Scaled(Number(13.0)) + Const(2);
  const ExprNode a = Tree(common * u);
  const ExprNode b = Tree(common * v);
  for (auto _ : state) benchmark::DoNotOptimize(PolyGcd(a, b));
}
BENCHMARK(BM_GcdLargeCoefficients)->Unit(benchmark::kMicrosecond);

void BM_FactorDegreeTwelve(benchmark::State& state) {
  // (x^4 − 2x^3 + 7x^2 − x + 5)(3x^4 + x − 1)(x^4 + 5): irreducible quartics.
  const Poly x = Var(0);
  const Poly a =
      x.Power(4) - x.Power(3).Scaled(Number(2.0)) + x.Power(2).Scaled(Number(7.0)) - x + Const(5);
  const Poly b = x.Power(4).Scaled(Number(3.0)) + x - Const(1);
  const Poly c = x.Power(4) + Const(5);
  const ExprNode f = Tree(a * b * c);
  for (auto _ : state) benchmark::DoNotOptimize(Factor(f));
}
BENCHMARK(BM_FactorDegreeTwelve)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentrix::engine
