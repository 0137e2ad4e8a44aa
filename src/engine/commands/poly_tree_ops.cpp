#include "engine/commands/poly_tree_ops.h"

#include "engine/core/engine_state.h"

namespace zentrix::engine::poly {
namespace {

ExprNode AddNumber(const ExprNode& a, const Number& n) {
  if (a.IsList()) {
    ExprNode out(a.kind(), a.coefficient());
    for (const ExprNode& e : a.operands()) out.AddOperand(AddNumber(e, n));
    return out;
  }
  if (a.IsSum()) {
    ExprNode out = a;
    out.set_coefficient(Add(a.coefficient(), n));
    CanonicalizeNode(out);
    return out;
  }
  ExprNode out = ExprNode::MakeNumber(n);
  out.AddOperand(a);
  CanonicalizeNode(out);
  return out;
}

template <typename Combine>
ExprNode ElementWise(const ExprNode& a, const ExprNode& b, Combine combine) {
  const bool interval = a.kind() == NodeKind::kInterval || b.kind() == NodeKind::kInterval;
  ExprNode out(interval ? NodeKind::kInterval : NodeKind::kList, Number());
  if (a.IsList() && b.IsList()) {
    const std::size_t n = std::min(a.OperandCount(), b.OperandCount());
    for (std::size_t i = 0; i < n; ++i) out.AddOperand(combine(a.Operand(i), b.Operand(i)));
  } else if (a.IsList()) {
    for (const ExprNode& e : a.operands()) out.AddOperand(combine(e, b));
  } else {
    for (const ExprNode& e : b.operands()) out.AddOperand(combine(a, e));
  }
  return out;
}

ExprNode Reciprocal(const ExprNode& a) {
  if (a.IsOperandPower()) {
    ExprNode out = a;
    out.set_coefficient(Negate(a.coefficient()));
    CanonicalizeNode(out);
    return out;
  }
  return TreePower(a, Number(-1.0));
}

}  // namespace

ExprNode TreeScale(const ExprNode& a, const Number& n) {
  if (a.IsList()) {
    ExprNode out(a.kind(), a.coefficient());
    for (const ExprNode& e : a.operands()) out.AddOperand(TreeScale(e, n));
    return out;
  }
  if (n.IsOne()) return a;
  if (a.IsProduct() || a.IsEmpty()) {
    ExprNode out = a;
    out.set_coefficient(Multiply(a.coefficient(), n));
    if (!a.IsEmpty()) CanonicalizeNode(out);
    return out;
  }
  ExprNode out = ExprNode::MakeProduct(n);
  Absorb(out, a);
  CanonicalizeNode(out);
  return out;
}

ExprNode TreeAdd(const ExprNode& a, const ExprNode& b) {
  if (b.IsNumber()) return AddNumber(a, b.coefficient());
  if (a.IsNumber()) return AddNumber(b, a.coefficient());
  if (a.IsList() || b.IsList()) return ElementWise(a, b, TreeAdd);
  ExprNode out = ExprNode::Zero();
  Absorb(out, a);
  Absorb(out, b);
  CanonicalizeNode(out);
  return out;
}

ExprNode TreeSubtract(const ExprNode& a, const ExprNode& b) {
  return TreeAdd(a, TreeScale(b, Number(-1.0)));
}

ExprNode TreeMultiply(const ExprNode& a, const ExprNode& b) {
  if (b.IsNumber()) return TreeScale(a, b.coefficient());
  if (a.IsNumber()) return TreeScale(b, a.coefficient());
  if (a.IsList() || b.IsList()) return ElementWise(a, b, TreeMultiply);
  ExprNode out = ExprNode::MakeProduct(Number(1.0));
  Absorb(out, a);
  Absorb(out, b);
  CanonicalizeNode(out);
  return out;
}

ExprNode TreeDivide(const ExprNode& a, const ExprNode& b) {
  if (b.IsNumber()) return TreeScale(a, Divide(Number(1.0), b.coefficient()));
  return TreeMultiply(a, Reciprocal(b));
}

ExprNode TreePower(const ExprNode& base, const Number& n) {
  if (base.IsList()) {
    ExprNode out(base.kind(), base.coefficient());
    for (const ExprNode& e : base.operands()) out.AddOperand(TreePower(e, n));
    return out;
  }
  if (base.IsNumber()) {
    const Number& b = base.coefficient();
    if (!(b.IsInteger() && !b.IsOne() && n.IsFraction())) {
      return ExprNode::MakeNumber(Power(b, n));
    }
  } else if (base.IsOperandPower()) {
    ExprNode out = base;
    out.set_coefficient(Multiply(base.coefficient(), n));
    CanonicalizeNode(out);
    return out;
  }
  if (n.IsZero()) return ExprNode::MakeNumber(Number(1.0));
  if (n.IsOne()) return base;
  ExprNode out = ExprNode::MakePower(n);
  out.AddOperand(base);
  CanonicalizeNode(out);
  return out;
}

}  // namespace zentrix::engine::poly
