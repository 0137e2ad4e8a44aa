#pragma once
// Lays answers out: a result tree into AnswerLayout boxes (fractions stacked,
// roots, powers, function calls, lists, matrices), and single numbers into text
// under the number settings.

#include "engine/core/answer_layout.h"
#include "engine/core/decimal_format.h"
#include "engine/core/expr_node.h"
#include "engine/core/number.h"

namespace zentrix::engine {

struct PrintSettings {
  DecimalFormat decimal;       // precision, notation and show zeros for decimals
  bool mixed_numbers = false;  // positive improper fractions as whole part and fraction
};

class ResultPrinter {
 public:
  explicit ResultPrinter(PrintSettings settings = {}) : settings_(settings) {}

  AnswerLayout Print(const ExprNode& node) const;
  AnswerLayout PrintNumber(const Number& number) const;

  const PrintSettings& settings() const { return settings_; }

 private:
  AnswerLayout PrintNode(const ExprNode& node, int depth) const;
  AnswerLayout PrintReal(const Number& number) const;
  AnswerLayout PrintComplex(const Number& number) const;
  AnswerLayout PrintSum(const ExprNode& node, int depth) const;
  // Products and calls take their coefficient apart from the node, so that a
  // sum can print an operand negated without copying it.
  AnswerLayout PrintScaled(const ExprNode& node, int depth, const Number& c) const;
  AnswerLayout PrintProduct(const ExprNode& node, int depth, const Number& c) const;
  AnswerLayout PrintMonomial(const ExprNode& node, const Number& c) const;
  AnswerLayout PrintProductAsFraction(const ExprNode& node, int depth, const Number& c) const;
  AnswerLayout PrintPower(const ExprNode& node, int depth, const Number& exponent) const;
  AnswerLayout PrintFunction(const ExprNode& node, int depth, const Number& c) const;
  AnswerLayout PrintList(const ExprNode& node, int depth) const;
  AnswerLayout PrintTerm(const SymbolTerm& term) const;
  AnswerLayout PrintTerm(const std::u16string& name, const Number& c, const Number& e) const;
  AnswerLayout PrintFactor(const ExprNode& operand, int depth) const;
  std::u16string ExponentText(const Number& exponent) const;
  void AppendExponent(const Number& exponent, std::u16string& text) const;

  PrintSettings settings_;
};

}  // namespace zentrix::engine
