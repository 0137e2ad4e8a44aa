#pragma once
// The six calculator tutorials the tutorial list offers, as step scripts.

#include <span>
#include <string_view>

#include "tutorials/calculator/tutorial_step.h"

namespace zentrix::tutorials {

struct CalculatorTutorial {
  std::u16string_view caption;  // the list button's caption
  std::span<const TutorialStep> steps;
};

inline constexpr int kCalculatorTutorialCount = 6;

// In list order: Basics, Trig, Algebra, Calculus, Matrices, Quadratic Formula.
std::span<const CalculatorTutorial> CalculatorTutorials();

}  // namespace zentrix::tutorials
