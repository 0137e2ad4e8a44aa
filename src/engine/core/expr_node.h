#pragma once
// The one node type of every expression the engine holds: a flattened n-ary
// operation (sum, product, power, list, interval or function application) with
// operand nodes, symbol terms c·x^e and a numeric coefficient. Nodes own their
// subtrees; copies are deep.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/core/number.h"

namespace zentrix::engine {

// What operation a node is. Function applications use 256 + the function id
// (see command_names.h), values outside the named enumerators.
enum class NodeKind : std::int32_t {
  kSum = '+',
  kProduct = '*',
  kPower = '^',
  kList = 'L',
  kInterval = 'V',
  kFunction = 256,  // base of the function kinds
};

constexpr NodeKind FunctionKind(int id) { return static_cast<NodeKind>(256 + id); }
constexpr std::int32_t ToInt(NodeKind kind) { return static_cast<std::int32_t>(kind); }

// Trees deeper than this are refused by the builders above the core (the
// evaluator and the simplifier), so that the recursive walks stay within the stack.
inline constexpr int kMaxTreeDepth = 2000;

// coefficient·name^exponent.
struct SymbolTerm {
  std::u16string name;
  Number coefficient{1.0};
  Number exponent{1.0};

  friend bool operator==(const SymbolTerm& a, const SymbolTerm& b) = default;
};

class ExprNode {
 public:
  // A sum with coefficient 0 (the number 0).
  ExprNode() = default;
  ExprNode(NodeKind kind, const Number& coefficient) : coefficient_(coefficient), kind_(kind) {}
  // Deep copy, made without recursion.
  ExprNode(const ExprNode& other);
  ExprNode(ExprNode&&) noexcept = default;
  // Assignment from a node inside this node's own subtree is safe
  // (node = node.Operand(0), and the same with std::move).
  ExprNode& operator=(const ExprNode& other);
  ExprNode& operator=(ExprNode&& other) noexcept;
  void swap(ExprNode& other) noexcept;
  // Frees deep subtrees without deep recursion.
  ~ExprNode();

  // Constructors of the node shapes.
  static ExprNode Zero();
  static ExprNode MakeNumber(const Number& n);
  static ExprNode MakeSymbol(std::u16string_view name);
  static ExprNode MakeProduct(const Number& coefficient);
  // A power with numeric exponent e; the base operand is added afterwards.
  static ExprNode MakePower(const Number& exponent);
  // Kind 256 + id, coefficient 1, the argument as its one operand, canonicalised.
  static ExprNode MakeFunction(int id, ExprNode argument);
  // Exponent 0: number(coefficient); coefficient 0: zero; else a sum holding the term.
  static ExprNode MakeTerm(const SymbolTerm& term);
  static ExprNode MakeList();
  static ExprNode MakeList(std::size_t n);  // n zero elements
  static ExprNode MakeMatrix(std::size_t rows, std::size_t columns);
  static ExprNode MakeInterval(const Number& a, const Number& b);

  // Fields.
  NodeKind kind() const { return kind_; }
  void set_kind(NodeKind kind) { kind_ = kind; }
  const Number& coefficient() const { return coefficient_; }
  Number& mutable_coefficient() { return coefficient_; }
  void set_coefficient(const Number& c) { coefficient_ = c; }
  const std::vector<ExprNode>& operands() const { return operands_; }
  std::vector<ExprNode>& mutable_operands() { return operands_; }
  const std::vector<SymbolTerm>& terms() const { return terms_; }
  std::vector<SymbolTerm>& mutable_terms() { return terms_; }

  std::size_t OperandCount() const { return operands_.size(); }
  std::size_t TermCount() const { return terms_.size(); }
  const ExprNode& Operand(std::size_t i) const { return operands_[i]; }
  ExprNode& Operand(std::size_t i) { return operands_[i]; }
  const SymbolTerm& Term(std::size_t i) const { return terms_[i]; }
  SymbolTerm& Term(std::size_t i) { return terms_[i]; }
  void AddOperand(ExprNode operand) { operands_.push_back(std::move(operand)); }
  void AddTerm(SymbolTerm term) { terms_.push_back(std::move(term)); }

  // Predicates; "plain" means no terms and no operands.
  bool IsPlain() const { return terms_.empty() && operands_.empty(); }
  bool IsNumber() const;
  bool IsPlusInfinity() const;
  bool IsMinusInfinity() const;
  bool IsRealNumber() const;
  bool IsInteger() const;
  bool IsEmpty() const;  // a plain sum, whatever its coefficient
  bool IsSingleTerm() const;
  bool IsVariable() const;
  bool IsVariableNamed(std::u16string_view name) const;
  bool IsE() const;  // the variable e (character 220)
  bool IsSum() const { return kind_ == NodeKind::kSum; }
  bool IsProduct() const { return kind_ == NodeKind::kProduct; }
  bool IsPower() const { return kind_ == NodeKind::kPower; }
  bool IsOperandPower() const;
  bool IsIntegerPower() const;
  bool IsFunction(int id) const { return ToInt(kind_) == 256 + id; }
  bool IsAnyFunction() const { return ToInt(kind_) >= 256; }
  bool IsUnaryFunction() const;
  int FunctionId() const;  // kind - 256, or -1 below 256
  bool IsList() const { return kind_ == NodeKind::kList || kind_ == NodeKind::kInterval; }
  bool IsInterval() const;
  bool IsMatrix() const;
  bool IsNumericMatrix() const;
  bool IsAllNumbers() const;  // every coefficient of the subtree is finite-kind

  // The name of the only term (empty unless there is exactly one term).
  std::u16string_view SingleTermName() const;
  // The name of a variable (empty unless IsVariable()).
  std::u16string_view VariableName() const;

  // Positional structural equality (kind, coefficient, terms, operands).
  friend bool operator==(const ExprNode& a, const ExprNode& b);

 private:
  struct ShallowTag {};
  // Everything but the operands.
  ExprNode(ShallowTag, const ExprNode& other)
      : terms_(other.terms_), coefficient_(other.coefficient_), kind_(other.kind_) {}
  using CopyWork = std::vector<std::pair<const ExprNode*, ExprNode*>>;
  static void CopyOperands(const ExprNode& from, ExprNode& to, CopyWork& pending);

  std::vector<ExprNode> operands_;
  std::vector<SymbolTerm> terms_;
  Number coefficient_;
  NodeKind kind_ = NodeKind::kSum;
};

// Equality with the top-level coefficient comparison and the operand comparison
// (counts and operands) each optional; kinds and terms are always compared.
bool PartiallyEqual(const ExprNode& a, const ExprNode& b, bool compare_coefficients,
                    bool compare_operands);

// Adds an operand to a node being built: a single term joins the target's terms
// (unless the target is a power); a node of the target's kind merges into it
// (sum coefficients added, product and power coefficients multiplied, terms and
// operands appended); anything else becomes a new operand.
void Absorb(ExprNode& target, const ExprNode& operand);
void Absorb(ExprNode& target, ExprNode&& operand);

// -node: element-wise for a list, the coefficient negated for a product, else
// -1 times the node; canonicalised.
ExprNode Negate(const ExprNode& node);

// The distinct symbol names of the subtree in order of first appearance,
// operands (depth first) before a node's own terms; π and e are left out.
std::vector<std::u16string> Variables(const ExprNode& node);

// Any coefficient of the subtree (node, term coefficient or exponent) is not finite.
bool HasOverflow(const ExprNode& node);

// The depth of the tree (a node without operands has depth 1), counted without
// recursion so it is safe on any tree.
int TreeDepth(const ExprNode& node);

}  // namespace zentrix::engine
