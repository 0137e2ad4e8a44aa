#include "engine/core/expr_node.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/core/charset.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using ::testing::ElementsAre;

ExprNode Sym(std::u16string_view name) { return ExprNode::MakeSymbol(name); }
ExprNode Num(double v) { return ExprNode::MakeNumber(Number(v)); }

TEST(ExprNode, SymbolsCompareAsWholeNames) {
  EXPECT_EQ(Sym(u"x"), Sym(u"x"));
  EXPECT_NE(Sym(u"x"), Sym(u"Tx"));
  EXPECT_TRUE(Sym(u"x").IsVariableNamed(u"x"));
  EXPECT_FALSE(Sym(u"x").IsVariableNamed(u"Tx"));
  EXPECT_TRUE(Sym(std::u16string(1, chars::kEulerE)).IsE());
  EXPECT_EQ(Sym(u"abc").VariableName(), u"abc");
}

TEST(ExprNode, NumbersAreEmptySums) {
  EXPECT_TRUE(ExprNode::Zero().IsEmpty());
  EXPECT_TRUE(ExprNode::Zero().IsNumber());
  EXPECT_TRUE(Num(0).IsEmpty());
  EXPECT_TRUE(Num(0).IsNumber());
  EXPECT_TRUE(Num(3).IsInteger());
  EXPECT_FALSE(Num(2.5).IsInteger());
  EXPECT_TRUE(ExprNode::MakeNumber(Number::Complex(1, 1)).IsNumber());
  EXPECT_FALSE(ExprNode::MakeNumber(Number::Complex(1, 1)).IsRealNumber());
  ExprNode inf = ExprNode::MakeNumber(Number::PlusInfinity());
  EXPECT_TRUE(inf.IsEmpty());
  EXPECT_FALSE(inf.IsNumber());
  EXPECT_TRUE(inf.IsPlusInfinity());
  EXPECT_FALSE(Sym(u"x").IsNumber());
}

TEST(ExprNode, TermConstructor) {
  EXPECT_EQ(ExprNode::MakeTerm(SymbolTerm{u"x", Number(3), Number(0)}), Num(3));
  EXPECT_EQ(ExprNode::MakeTerm(SymbolTerm{u"x", Number(0), Number(2)}), ExprNode::Zero());
  ExprNode t = ExprNode::MakeTerm(SymbolTerm{u"x", Number(3), Number(2)});
  EXPECT_TRUE(t.IsSingleTerm());
  EXPECT_FALSE(t.IsVariable());
  EXPECT_EQ(t.SingleTermName(), u"x");
}

TEST(ExprNode, MatricesAreListsOfEqualRows) {
  EXPECT_TRUE(ExprNode::MakeMatrix(2, 2).IsMatrix());
  EXPECT_TRUE(ExprNode::MakeMatrix(2, 2).IsNumericMatrix());
  ExprNode mixed = ExprNode::MakeList();
  mixed.AddOperand(ExprNode::MakeList(2));
  mixed.AddOperand(Num(1));
  EXPECT_FALSE(mixed.IsMatrix());
  ExprNode ragged = ExprNode::MakeList();
  ragged.AddOperand(ExprNode::MakeList(2));
  ragged.AddOperand(ExprNode::MakeList(3));
  EXPECT_FALSE(ragged.IsMatrix());
  EXPECT_FALSE(ExprNode::MakeMatrix(2, 0).IsMatrix());
  EXPECT_FALSE(ExprNode::MakeList().IsMatrix());
  ExprNode symbolic = ExprNode::MakeMatrix(1, 2);
  symbolic.Operand(0).Operand(1) = Sym(u"x");
  EXPECT_TRUE(symbolic.IsMatrix());
  EXPECT_FALSE(symbolic.IsNumericMatrix());
  ExprNode interval = ExprNode::MakeInterval(Number(-1), Number(1));
  EXPECT_TRUE(interval.IsInterval());
  EXPECT_TRUE(interval.IsList());
}

TEST(ExprNode, AbsorbMergesLikeKindsAndTakesSingleTerms) {
  // 2·x absorbed into 3·y gives 6·x·y before simplification.
  ExprNode two_x = ExprNode::MakeProduct(Number(2));
  two_x.AddTerm(SymbolTerm{u"x"});
  ExprNode target = ExprNode::MakeProduct(Number(3));
  target.AddTerm(SymbolTerm{u"y"});
  Absorb(target, two_x);
  EXPECT_EQ(target.coefficient(), Number(6));
  ASSERT_EQ(target.TermCount(), 2u);
  EXPECT_EQ(target.Term(0).name, u"y");
  EXPECT_EQ(target.Term(1).name, u"x");

  ExprNode sum = ExprNode::MakeNumber(Number(1));
  Absorb(sum, Num(2));
  Absorb(sum, Sym(u"x"));
  EXPECT_EQ(sum.coefficient(), Number(3));
  EXPECT_EQ(sum.TermCount(), 1u);
  EXPECT_EQ(sum.OperandCount(), 0u);

  ExprNode power = ExprNode::MakePower(Number(2));
  Absorb(power, Sym(u"x"));  // a power keeps its base as an operand
  EXPECT_EQ(power.TermCount(), 0u);
  EXPECT_TRUE(power.IsIntegerPower());

  ExprNode list = ExprNode::MakeList();
  Absorb(list, ExprNode::MakeList(2));  // lists are never flattened
  EXPECT_EQ(list.OperandCount(), 1u);

  ExprNode self = ExprNode::MakeProduct(Number(2));
  self.AddOperand(ExprNode::MakeFunction(0, Sym(u"x")));
  Absorb(self, self);
  EXPECT_EQ(self.coefficient(), Number(4));
  EXPECT_EQ(self.OperandCount(), 2u);
}

TEST(ExprNode, NegateFollowsTheKind) {
  EXPECT_EQ(Negate(Num(3)), Num(-3));
  ExprNode list = ExprNode::MakeList();
  list.AddOperand(Num(1));
  list.AddOperand(Num(-2));
  ExprNode negated = Negate(list);
  ASSERT_EQ(negated.OperandCount(), 2u);
  EXPECT_EQ(negated.Operand(0), Num(-1));
  EXPECT_EQ(negated.Operand(1), Num(2));
  ExprNode product = ExprNode::MakeProduct(Number::Ratio(1, 2));
  product.AddTerm(SymbolTerm{u"x"});
  EXPECT_EQ(Negate(product).coefficient(), Number::Ratio(-1, 2));
  ExprNode f = ExprNode::MakeFunction(0, Sym(u"x"));
  ExprNode minus_f = Negate(f);
  EXPECT_TRUE(minus_f.IsProduct());
  EXPECT_EQ(minus_f.coefficient(), Number(-1));
  ASSERT_EQ(minus_f.OperandCount(), 1u);
  EXPECT_EQ(minus_f.Operand(0), f);
}

TEST(ExprNode, VariablesInOrderOfFirstAppearanceWithoutPiAndE) {
  // b + f(a, c·π) + a·e, built by hand: operands before the node's own terms.
  ExprNode inner = ExprNode::MakeProduct(Number(1));
  inner.AddTerm(SymbolTerm{u"c"});
  inner.AddTerm(SymbolTerm{std::u16string(1, chars::kPi)});
  ExprNode call(FunctionKind(39), Number(1));
  call.AddOperand(Sym(u"a"));
  call.AddOperand(inner);
  ExprNode root = ExprNode::MakeNumber(Number(0));
  root.AddTerm(SymbolTerm{u"b"});
  root.AddTerm(SymbolTerm{std::u16string(1, chars::kEulerE)});
  root.AddOperand(call);
  root.AddTerm(SymbolTerm{u"a"});
  EXPECT_THAT(Variables(root), ElementsAre(u"a", u"c", u"b"));
}

TEST(ExprNode, OverflowAndAllNumbersLookAtEveryCoefficient) {
  ExprNode root = ExprNode::MakeProduct(Number(2));
  ExprNode term = ExprNode::MakeSymbol(u"x");
  root.AddOperand(term);
  EXPECT_FALSE(HasOverflow(root));
  EXPECT_TRUE(root.IsAllNumbers());
  root.Operand(0).Term(0).exponent = Number(HUGE_VAL);
  EXPECT_TRUE(HasOverflow(root));
  root.Operand(0).Term(0).exponent = Number::Indeterminate();
  EXPECT_FALSE(HasOverflow(root));
  EXPECT_FALSE(root.IsAllNumbers());
}

TEST(ExprNode, EqualityAndPartialEquality) {
  ExprNode a = ExprNode::MakeProduct(Number(2));
  a.AddTerm(SymbolTerm{u"x"});
  a.AddOperand(ExprNode::MakeFunction(0, Sym(u"y")));
  ExprNode b = a;
  b.set_coefficient(Number(5));
  EXPECT_NE(a, b);
  EXPECT_TRUE(PartiallyEqual(a, b, false, true));
  b.Operand(0) = ExprNode::MakeFunction(1, Sym(u"y"));
  EXPECT_FALSE(PartiallyEqual(a, b, false, true));
  EXPECT_TRUE(PartiallyEqual(a, b, false, false));
  b.mutable_terms()[0].exponent = Number(2);
  EXPECT_FALSE(PartiallyEqual(a, b, false, false));
}

TEST(ExprNode, CopiesAreDeepAndAssignmentFromOwnSubtreeIsSafe) {
  ExprNode original = ExprNode::MakeFunction(0, ExprNode::MakeFunction(1, Sym(u"x")));
  {
    ExprNode copy = original;
    copy.Operand(0).Operand(0) = Sym(u"y");
  }
  EXPECT_EQ(original.Operand(0).Operand(0), Sym(u"x"));

  ExprNode node = original;
  node = node.Operand(0);
  EXPECT_EQ(node, original.Operand(0));
  node = std::move(node.Operand(0));
  EXPECT_EQ(node, Sym(u"x"));
}

TEST(ExprNode, VeryDeepTreesAreWalkedAndFreedWithoutRecursion) {
  constexpr int kDepth = 200000;
  ExprNode chain = Sym(u"x");
  for (int i = 0; i < kDepth; ++i) {
    ExprNode parent(FunctionKind(0), Number(1));
    parent.AddOperand(std::move(chain));
    chain = std::move(parent);
  }
  EXPECT_EQ(TreeDepth(chain), kDepth + 1);
  EXPECT_THAT(Variables(chain), ElementsAre(u"x"));
  EXPECT_FALSE(HasOverflow(chain));
  ExprNode other = chain;  // the copy recurses only through vector copies
  EXPECT_TRUE(chain == other);
}

TEST(EngineState, ScopedResetRestoresTheFlagAndKeepsTheSimplifier) {
  static int calls = 0;
  CanonicalizeFunction saved = Engine().canonicalize;
  Engine().canonicalize = [](ExprNode&) { ++calls; };
  RaiseRewriteFlag();
  {
    ScopedEngineState scope;
    EXPECT_FALSE(RewriteFlag());
    ExprNode::MakeFunction(0, Sym(u"x"));
    EXPECT_EQ(calls, 1);
  }
  EXPECT_TRUE(RewriteFlag());
  Engine().canonicalize = saved;
  ClearRewriteFlag();
}

}  // namespace
}  // namespace zentrix::engine
