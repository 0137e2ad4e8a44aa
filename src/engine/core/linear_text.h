#pragma once
// A result tree written as one line of entry text that the parser reads back to
// the same value: used to turn computed expressions into graph definitions and
// by the terminal calculator's "input" format.

#include <string>

#include "engine/core/expr_node.h"

namespace zentrix::engine {

struct LinearTextOptions {
  // Numbers as exact entry text: fractions as p/q, complex values with the
  // imaginary unit, integers in full and decimals with every digit needed to
  // read back the same double. Otherwise the Float text of the real value.
  bool exact_numbers = false;
  // Exponents 2 and -1 as the squared and inverse marks, else as ^2 and ^-1.
  bool power_marks = true;
};

std::u16string LinearText(const ExprNode& node, const LinearTextOptions& options = {});

}  // namespace zentrix::engine
