#include "engine/core/variable_store.h"

#include <gtest/gtest.h>

namespace zentrix::engine {
namespace {

TEST(VariableStore, StoreLooksUpCopiesAndKeepsPlaceOnRedefinition) {
  VariableStore store;
  store.Store(u"x", ExprNode::MakeNumber(3));
  store.Store(u"y", ExprNode::MakeSymbol(u"t"));
  store.Store(u"x", ExprNode::MakeNumber(4));
  ASSERT_EQ(store.Count(), 2u);
  EXPECT_EQ(store.Name(0), u"x");
  EXPECT_EQ(store.Name(1), u"y");
  EXPECT_FALSE(store.Name(2).has_value());
  std::optional<ExprNode> x = store.LookUp(u"x");
  ASSERT_TRUE(x.has_value());
  EXPECT_EQ(*x, ExprNode::MakeNumber(4));
  // The caller's copy is its own.
  *x = ExprNode::MakeNumber(9);
  EXPECT_EQ(*store.Find(u"x"), ExprNode::MakeNumber(4));
}

TEST(VariableStore, NamesAreExactCaseSensitiveText) {
  VariableStore store;
  store.Store(u"Ans", ExprNode::MakeNumber(1));
  EXPECT_TRUE(store.Contains(kAnsName));
  EXPECT_FALSE(store.Contains(u"ans"));
  EXPECT_FALSE(store.Contains(u"An"));
  EXPECT_FALSE(store.Contains(u"Ans2"));
}

TEST(VariableStore, RemoveKeepsTheOrderOfTheRest) {
  VariableStore store;
  for (const char16_t* name : {u"a", u"b", u"c"}) store.Store(name, ExprNode::MakeNumber(1));
  EXPECT_TRUE(store.Remove(u"b"));
  EXPECT_FALSE(store.Remove(u"b"));
  ASSERT_EQ(store.Count(), 2u);
  EXPECT_EQ(store.Name(0), u"a");
  EXPECT_EQ(store.Name(1), u"c");
  EXPECT_FALSE(store.LookUp(u"b").has_value());
  store.Clear();
  EXPECT_EQ(store.Count(), 0u);
}

}  // namespace
}  // namespace zentrix::engine
