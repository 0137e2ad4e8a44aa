#pragma once
// Neumaier's compensated sum: adds many terms while carrying the rounding error
// of each addition, so long sums keep their last digits.

#include <cmath>

namespace zentrix::engine {

template <typename T = double>
class CompensatedSum {
 public:
  void Add(T v) {
    const T t = sum_ + v;
    carry_ += std::fabs(sum_) >= std::fabs(v) ? (sum_ - t) + v : (v - t) + sum_;
    sum_ = t;
  }
  T Value() const { return sum_ + carry_; }

 private:
  T sum_ = 0;
  T carry_ = 0;
};

}  // namespace zentrix::engine
