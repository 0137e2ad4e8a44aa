#pragma once
// A data list with an optional frequency list, as the distinct values in ascending order with
// the number of times each occurs. Frequencies are counted, never expanded, so a frequency of
// 10^12 costs no memory.

#include <cstdint>
#include <span>
#include <vector>

namespace zentrix::graphing {

enum class WeightRounding { kFloor, kTruncate };

struct WeightedValues {
  std::vector<double> values;  // distinct, ascending
  std::vector<double> counts;  // occurrences of each value, all ≥ 1
  double total = 0;            // sum of counts

  bool empty() const { return values.empty(); }
  // The k-th value (from 0) of the sorted, expanded list; k < total.
  double ValueAt(double k) const;
};

enum class WeightError {
  kNone,
  kNoData,          // no values, or only zero frequencies
  kLengthMismatch,  // a frequency list of another length than the data
  kBadFrequency,    // a negative or non-finite frequency
  kBadValue,        // a NaN or infinite data value
  kTooMany,         // the frequencies add up beyond 2^53, past exact counting
};

struct WeightOutcome {
  WeightedValues data;
  WeightError error = WeightError::kNone;
};

// Merges the values with their frequencies (empty span: each value once). Each frequency is
// rounded down or toward zero to a whole count; a value whose count is 0 is left out.
WeightOutcome MergeWeighted(std::span<const double> values, std::span<const double> frequencies,
                            bool use_frequencies, WeightRounding rounding);

}  // namespace zentrix::graphing
