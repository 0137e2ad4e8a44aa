#include "engine/core/expr_node.h"

#include <algorithm>
#include <type_traits>
#include <utility>

#include "engine/core/charset.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {

// ---- Lifetime ---------------------------------------------------------------

ExprNode::ExprNode(const ExprNode& other) : ExprNode(ShallowTag{}, other) {
  if (other.operands_.empty()) return;
  CopyWork pending;
  CopyOperands(other, *this, pending);
  while (!pending.empty()) {
    auto [from, to] = pending.back();
    pending.pop_back();
    CopyOperands(*from, *to, pending);
  }
}

void ExprNode::CopyOperands(const ExprNode& from, ExprNode& to, CopyWork& pending) {
  Engine().walked_nodes += from.operands_.size();
  to.operands_.reserve(from.operands_.size());
  for (const ExprNode& child : from.operands_)
    to.operands_.push_back(ExprNode(ShallowTag{}, child));
  // The vector is complete, so pointers into it stay valid.
  for (std::size_t i = 0; i < from.operands_.size(); ++i) {
    if (!from.operands_[i].operands_.empty()) {
      pending.emplace_back(&from.operands_[i], &to.operands_[i]);
    }
  }
}

ExprNode& ExprNode::operator=(const ExprNode& other) {
  if (this != &other) {
    ExprNode copy(other);
    swap(copy);
  }
  return *this;
}

ExprNode& ExprNode::operator=(ExprNode&& other) noexcept {
  if (this != &other) {
    // Take other's contents first: other may live inside this node's subtree,
    // which the old contents (freed with `taken`) still hold.
    ExprNode taken(std::move(other));
    swap(taken);
  }
  return *this;
}

void ExprNode::swap(ExprNode& other) noexcept {
  operands_.swap(other.operands_);
  terms_.swap(other.terms_);
  std::swap(coefficient_, other.coefficient_);
  std::swap(kind_, other.kind_);
}

ExprNode::~ExprNode() {
  auto has_grandchildren = [](const ExprNode& node) {
    return std::any_of(node.operands_.begin(), node.operands_.end(),
                       [](const ExprNode& op) { return !op.operands_.empty(); });
  };
  if (!has_grandchildren(*this)) return;
  // Flatten the subtree onto a work list so that no destructor call nests
  // deeper than two levels, however deep the tree is.
  std::vector<ExprNode> pending;
  for (ExprNode& op : operands_) {
    if (!op.operands_.empty()) pending.push_back(std::move(op));
  }
  while (!pending.empty()) {
    ExprNode node = std::move(pending.back());
    pending.pop_back();
    for (ExprNode& op : node.operands_) {
      if (!op.operands_.empty()) pending.push_back(std::move(op));
    }
  }
}

// ---- Constructors -----------------------------------------------------------

ExprNode ExprNode::Zero() { return ExprNode(); }

ExprNode ExprNode::MakeNumber(const Number& n) { return ExprNode(NodeKind::kSum, n); }

ExprNode ExprNode::MakeSymbol(std::u16string_view name) {
  ExprNode node(NodeKind::kSum, Number());
  node.terms_.push_back(SymbolTerm{std::u16string(name)});
  return node;
}

ExprNode ExprNode::MakeProduct(const Number& coefficient) {
  return ExprNode(NodeKind::kProduct, coefficient);
}

ExprNode ExprNode::MakePower(const Number& exponent) {
  return ExprNode(NodeKind::kPower, exponent);
}

ExprNode ExprNode::MakeFunction(int id, ExprNode argument) {
  ExprNode node(FunctionKind(id), Number(1.0));
  node.operands_.push_back(std::move(argument));
  CanonicalizeNode(node);
  return node;
}

ExprNode ExprNode::MakeTerm(const SymbolTerm& term) {
  if (term.exponent.IsZero()) return MakeNumber(term.coefficient);
  if (term.coefficient.IsZero()) return Zero();
  ExprNode node(NodeKind::kSum, Number());
  node.terms_.push_back(term);
  return node;
}

ExprNode ExprNode::MakeList() { return ExprNode(NodeKind::kList, Number()); }

ExprNode ExprNode::MakeList(std::size_t n) {
  ExprNode node = MakeList();
  node.operands_.resize(n);
  return node;
}

ExprNode ExprNode::MakeMatrix(std::size_t rows, std::size_t columns) {
  ExprNode node = MakeList();
  node.operands_.assign(rows, MakeList(columns));
  return node;
}

ExprNode ExprNode::MakeInterval(const Number& a, const Number& b) {
  ExprNode node(NodeKind::kInterval, Number());
  node.operands_.push_back(MakeNumber(a));
  node.operands_.push_back(MakeNumber(b));
  return node;
}

// ---- Predicates -------------------------------------------------------------

bool ExprNode::IsNumber() const { return IsEmpty() && coefficient_.IsFinite(); }
bool ExprNode::IsPlusInfinity() const { return IsEmpty() && coefficient_.IsPlusInfinity(); }
bool ExprNode::IsMinusInfinity() const { return IsEmpty() && coefficient_.IsMinusInfinity(); }
bool ExprNode::IsRealNumber() const { return IsNumber() && coefficient_.IsReal(); }
bool ExprNode::IsInteger() const { return IsNumber() && coefficient_.IsInteger(); }
bool ExprNode::IsEmpty() const { return kind_ == NodeKind::kSum && IsPlain(); }

bool ExprNode::IsSingleTerm() const {
  if (!operands_.empty() || terms_.size() != 1) return false;
  if (kind_ == NodeKind::kProduct || kind_ == NodeKind::kPower) return coefficient_.IsOne();
  return kind_ == NodeKind::kSum && coefficient_.IsZero();
}

bool ExprNode::IsVariable() const {
  return IsSingleTerm() && terms_[0].coefficient.IsOne() && terms_[0].exponent.IsOne();
}

bool ExprNode::IsVariableNamed(std::u16string_view name) const {
  return IsVariable() && terms_[0].name == name;
}

bool ExprNode::IsE() const { return IsVariableNamed(std::u16string_view(&chars::kEulerE, 1)); }

bool ExprNode::IsOperandPower() const {
  return kind_ == NodeKind::kPower && operands_.size() == 1 && terms_.empty();
}

bool ExprNode::IsIntegerPower() const { return IsOperandPower() && coefficient_.IsInteger(); }

bool ExprNode::IsUnaryFunction() const {
  return IsAnyFunction() && operands_.size() == 1 && terms_.empty();
}

int ExprNode::FunctionId() const { return IsAnyFunction() ? ToInt(kind_) - 256 : -1; }

bool ExprNode::IsInterval() const { return kind_ == NodeKind::kInterval && operands_.size() == 2; }

bool ExprNode::IsMatrix() const {
  if (!IsList() || operands_.empty()) return false;
  const std::size_t columns = operands_[0].operands_.size();
  if (columns == 0) return false;
  for (const ExprNode& row : operands_) {
    if (!row.IsList() || row.operands_.size() != columns) return false;
    for (const ExprNode& entry : row.operands_) {
      if (entry.IsList()) return false;
    }
  }
  return true;
}

bool ExprNode::IsNumericMatrix() const {
  if (!IsMatrix()) return false;
  for (const ExprNode& row : operands_) {
    for (const ExprNode& entry : row.operands_) {
      if (!entry.IsNumber()) return false;
    }
  }
  return true;
}

namespace {

// Calls visit(node) on every node of the subtree (in no particular order)
// until it returns false; answers whether every call returned true.
template <typename Visit>
bool AllNodes(const ExprNode& root, Visit visit) {
  std::vector<const ExprNode*> pending{&root};
  while (!pending.empty()) {
    const ExprNode* node = pending.back();
    pending.pop_back();
    if (!visit(*node)) return false;
    for (const ExprNode& op : node->operands()) pending.push_back(&op);
  }
  return true;
}

}  // namespace

bool ExprNode::IsAllNumbers() const {
  return AllNodes(*this, [](const ExprNode& node) {
    if (!node.coefficient().IsFinite()) return false;
    for (const SymbolTerm& t : node.terms()) {
      if (!t.coefficient.IsFinite() || !t.exponent.IsFinite()) return false;
    }
    return true;
  });
}

std::u16string_view ExprNode::SingleTermName() const {
  return terms_.size() == 1 ? std::u16string_view(terms_[0].name) : std::u16string_view();
}

std::u16string_view ExprNode::VariableName() const {
  return IsVariable() ? std::u16string_view(terms_[0].name) : std::u16string_view();
}

// ---- Structural operations --------------------------------------------------

namespace {

bool ShallowEqual(const ExprNode& a, const ExprNode& b, bool compare_coefficients,
                  bool compare_operands) {
  if (a.kind() != b.kind()) return false;
  if (compare_coefficients && !(a.coefficient() == b.coefficient())) return false;
  if (a.terms() != b.terms()) return false;
  return !compare_operands || a.OperandCount() == b.OperandCount();
}

// Full equality of the operand lists of two nodes, walked without recursion.
bool OperandsEqual(const ExprNode& a, const ExprNode& b) {
  if (a.OperandCount() == 0) return true;
  std::vector<std::pair<const ExprNode*, const ExprNode*>> pending;
  for (std::size_t i = 0; i < a.OperandCount(); ++i)
    pending.emplace_back(&a.Operand(i), &b.Operand(i));
  std::uint64_t visited = 0;
  bool equal = true;
  while (!pending.empty()) {
    auto [x, y] = pending.back();
    pending.pop_back();
    ++visited;
    if (!ShallowEqual(*x, *y, true, true)) {
      equal = false;
      break;
    }
    for (std::size_t i = 0; i < x->OperandCount(); ++i) {
      pending.emplace_back(&x->Operand(i), &y->Operand(i));
    }
  }
  Engine().walked_nodes += visited;
  return equal;
}

}  // namespace

bool operator==(const ExprNode& a, const ExprNode& b) {
  return ShallowEqual(a, b, true, true) && OperandsEqual(a, b);
}

bool PartiallyEqual(const ExprNode& a, const ExprNode& b, bool compare_coefficients,
                    bool compare_operands) {
  if (!ShallowEqual(a, b, compare_coefficients, compare_operands)) return false;
  return !compare_operands || OperandsEqual(a, b);
}

namespace {

bool MergesSameKind(NodeKind kind) {
  return kind == NodeKind::kSum || kind == NodeKind::kProduct || kind == NodeKind::kPower;
}

template <typename Node>
void AbsorbInto(ExprNode& target, Node&& operand) {
  if (operand.IsSingleTerm() && !target.IsPower()) {
    target.AddTerm(operand.Term(0));
    return;
  }
  if (operand.kind() == target.kind() && MergesSameKind(target.kind())) {
    target.set_coefficient(target.IsSum() ? Add(target.coefficient(), operand.coefficient())
                                          : Multiply(target.coefficient(), operand.coefficient()));
    auto& terms = target.mutable_terms();
    terms.insert(terms.end(), operand.terms().begin(), operand.terms().end());
    auto& operands = target.mutable_operands();
    if constexpr (std::is_const_v<std::remove_reference_t<Node>> ||
                  std::is_lvalue_reference_v<Node>) {
      operands.insert(operands.end(), operand.operands().begin(), operand.operands().end());
    } else {
      for (ExprNode& op : operand.mutable_operands()) operands.push_back(std::move(op));
    }
    return;
  }
  target.AddOperand(std::forward<Node>(operand));
}

}  // namespace

void Absorb(ExprNode& target, const ExprNode& operand) {
  if (&target == &operand) {
    ExprNode copy(operand);
    AbsorbInto(target, std::move(copy));
    return;
  }
  AbsorbInto(target, operand);
}

void Absorb(ExprNode& target, ExprNode&& operand) {
  if (&target == &operand) {
    ExprNode copy(operand);
    AbsorbInto(target, std::move(copy));
    return;
  }
  AbsorbInto(target, std::move(operand));
}

ExprNode Negate(const ExprNode& node) {
  ExprNode result;
  if (node.IsList()) {
    result = ExprNode(node.kind(), node.coefficient());
    for (const ExprNode& element : node.operands()) result.AddOperand(Negate(element));
  } else if (node.IsProduct() || node.IsEmpty()) {
    // A product or a plain number carries its sign in its coefficient.
    result = node;
    result.set_coefficient(Negate(node.coefficient()));
  } else {
    result = ExprNode::MakeProduct(Number(-1.0));
    Absorb(result, node);
  }
  CanonicalizeNode(result);
  return result;
}

std::vector<std::u16string> Variables(const ExprNode& root) {
  std::vector<std::u16string> names;
  auto note = [&names](const std::u16string& name) {
    if (name.size() == 1 && (name[0] == chars::kPi || name[0] == chars::kEulerE)) return;
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  };
  // Post-order walk: a node's operands, depth first, then its own terms.
  std::vector<std::pair<const ExprNode*, std::size_t>> pending{{&root, 0}};
  while (!pending.empty()) {
    auto& [node, next] = pending.back();
    if (next < node->OperandCount()) {
      const ExprNode* child = &node->Operand(next++);
      pending.emplace_back(child, 0);
      continue;
    }
    for (const SymbolTerm& t : node->terms()) note(t.name);
    pending.pop_back();
  }
  return names;
}

bool HasOverflow(const ExprNode& node) {
  return !AllNodes(node, [](const ExprNode& n) {
    if (n.coefficient().HasNonFiniteField()) return false;
    for (const SymbolTerm& t : n.terms()) {
      if (t.coefficient.HasNonFiniteField() || t.exponent.HasNonFiniteField()) return false;
    }
    return true;
  });
}

int TreeDepth(const ExprNode& root) {
  int deepest = 0;
  std::vector<std::pair<const ExprNode*, int>> pending{{&root, 1}};
  while (!pending.empty()) {
    auto [node, depth] = pending.back();
    pending.pop_back();
    deepest = std::max(deepest, depth);
    for (const ExprNode& op : node->operands()) pending.emplace_back(&op, depth + 1);
  }
  return deepest;
}

}  // namespace zentrix::engine
