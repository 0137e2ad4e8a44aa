#pragma once
// Every bound on the work of the command layer, in one place: recursion
// depths, sizes, step counts and time. Each keeps an entry within the
// engine's budget of a few seconds and bounded memory; the code that applies
// a bound says why it needs it. Ordinary entries stay far below all of them.

#include <chrono>
#include <cstddef>
#include <cstdint>

#include "engine/core/expr_node.h"

namespace zentrix::engine::limits {

// ---- The whole entry -------------------------------------------------------

// The depth of a tree: the core refuses to build deeper ones (kMaxTreeDepth),
// and recursive walks over a tree's operands stop at it.
inline constexpr int kTreeDepth = kMaxTreeDepth;
// Recursive walks of the command layer deeper than this stop and record the
// fault: the depth of a tree and some levels of the walks' own on top.
inline constexpr int kRecursionDepth = kTreeDepth + 200;
// The work one entry may do: counted steps and, as a backstop for steps of
// uneven cost, wall-clock time.
inline constexpr std::uint64_t kEntryWorkSteps = 20'000'000;
inline constexpr std::chrono::milliseconds kEntryTimeLimit{3000};
// Steps between two looks at the clock.
inline constexpr std::uint64_t kStepsPerClockCheck = 16384;
// Stored values copied into one entry, in nodes.
inline constexpr std::size_t kSubstitutedNodes = 1'000'000;

// ---- Simplifier --------------------------------------------------------------

// Cycles of the simplifier's passes on one node.
inline constexpr std::size_t kSimplifierCycles = 64;
// TrigReduce: sine and cosine factors of one product, terms of its result.
inline constexpr int kTrigReduceFactors = 64;
inline constexpr std::size_t kTrigReduceTerms = 256;

// ---- Polynomials -----------------------------------------------------------------

// Terms of one polynomial, coefficient operations of one command call, and
// the magnitude of an exponent.
inline constexpr std::int64_t kPolyTerms = 100000;
inline constexpr std::int64_t kPolyWorkAllowance = 20000000;
inline constexpr std::int64_t kPolyExponent = std::int64_t{1} << 28;
// Factor: the largest degree factored over the integers, and the entries of
// the table of factor combinations.
inline constexpr int kFactorDegree = 20;
inline constexpr std::int64_t kFactorCombinationEntries = 50000;

// ---- Solving --------------------------------------------------------------------

// Rewrites and restarts of one Solve, and isolation steps of one pass.
inline constexpr int kSolveRestarts = 16;
inline constexpr int kSolveIsolationSteps = 200;
// The numeric all-roots iteration: the largest degree and its iterations.
inline constexpr int kNumericRootsDegree = 100;
inline constexpr int kNumericRootsIterations = 600;

// ---- Calculus -------------------------------------------------------------------

// Nodes and terms of a result of D(f, x, n), Series, Sum and Product.
inline constexpr std::size_t kCalculusResultSize = 20000;
// Values of the range of Sum and Product.
inline constexpr double kSumRangeLength = 100000;
// D: the size of the quotient rule's numerator; steps of D(f, x, n); the size
// of the earlier derivatives kept to find a cycle; nested unevaluated calls.
inline constexpr std::size_t kDerivativeQuotientSize = 8000;
inline constexpr double kDerivativeSteps = 2000;
inline constexpr std::size_t kDerivativeHistorySize = 400000;
inline constexpr double kDerivativeNestedCalls = 64;
// Integrate: rule applications for one integrand, repeats of integration by
// parts, and the exponents of trigonometric powers.
inline constexpr int kIntegrateRuleApplications = 4000;
inline constexpr int kIntegratePartsDegree = 64;
inline constexpr int kIntegrateTrigExponent = 64;
// Limit: applications of L'Hôpital's rule in a row, steps, derivatives tried
// to find the side of 0, and the size of the quotients pursued.
inline constexpr int kLimitLHopital = 8;
inline constexpr int kLimitSteps = 5000;
inline constexpr int kLimitSideDerivatives = 6;
inline constexpr std::size_t kLimitQuotientSize = 600;
// Definite integrals: poles of a periodic function counted in the range (more
// leave the range suspect).
inline constexpr double kPeriodicPoles = 64;
// Closed-form sums: the largest power summed by Faulhaber's formula (the
// Bernoulli numbers known exactly), terms added one by one to a p-series'
// known value, and the largest distance between two telescoping shifts.
inline constexpr int kSumPower = 24;
inline constexpr double kSumLeadingTerms = 1000;
inline constexpr double kSumTelescopingDistance = 64;
// Series and FSeries orders (171! is beyond binary64).
inline constexpr double kSeriesOrder = 170;
inline constexpr double kFourierOrder = 100;

// ---- Matrices -------------------------------------------------------------------

// Elementary operations one matrix command may spend (numeric eliminations
// work up to about 150×150), and the multiplications of one product.
inline constexpr double kMatrixWork = 4.0e6;
inline constexpr double kMatrixMultiplications = 4.0e6;
// Sizes of symbolic determinants (about n·2ⁿ products) and inverses.
inline constexpr std::size_t kSymbolicDeterminantSize = 10;
inline constexpr std::size_t kSymbolicInverseSize = 7;
// Nodes and terms of one entry or scalar result.
inline constexpr std::size_t kMatrixEntrySize = 20000;
// Entry operations and summed tree sizes of a symbolic elimination.
inline constexpr double kSymbolicEliminationWork = 2.0e5;
inline constexpr double kSymbolicEliminationSizeWork = 1.0e5;
// Work of one QR decomposition.
inline constexpr double kQrWork = 2.0e5;
// Entry operations of one exact elimination, weighted by the size of the
// numbers they combine.
inline constexpr double kExactEliminationWork = 2.0e7;

// ---- Numeric functions and statistics ----------------------------------------------

// Loops whose length grows with an argument.
inline constexpr int kSpecialFunctionIterations = 10'000'000;
// Integrand evaluations of one adaptive quadrature (NIntegrate, and the
// cross-check of definite integrals).
inline constexpr int kQuadratureEvaluations = 12000;
// Cumulative sums over discrete distributions: the widest spread summed term
// by term, and the most terms.
inline constexpr double kDistributionSummedSpread = 1e8;
inline constexpr long long kDistributionTerms = 1'000'000;

}  // namespace zentrix::engine::limits
