#include "notebook/pad/pad.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/core/expr_node.h"

namespace zentrix::notebook {
namespace {

using ::testing::Contains;
using ::testing::Not;
using Kind = PadAction::Kind;

int IndexOf(const Pad& pad, std::u16string_view name) {
  const auto& keys = pad.Keys();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i].Name() == name) return static_cast<int>(i);
  }
  return -1;
}

std::vector<std::u16string> Names(const std::vector<PadKey>& keys) {
  std::vector<std::u16string> names;
  for (const PadKey& key : keys) {
    if (key.Used()) names.push_back(key.Name());
  }
  return names;
}

// Types the keys by name into a text, as the pad widget applies them.
std::u16string TapAll(Pad& pad, std::initializer_list<std::u16string_view> names) {
  std::u16string text;
  for (std::u16string_view name : names) {
    const int index = IndexOf(pad, name);
    EXPECT_GE(index, 0) << "no key " << std::string(name.begin(), name.end());
    const PadAction action = pad.Tap(index, text.empty());
    if (action.kind == Kind::kInsert) text += action.text;
    if (action.kind == Kind::kBackspace && !text.empty()) text.pop_back();
  }
  return text;
}

TEST(PadKeyTest, AnOperatorFirstInAnEmptyEntryContinuesTheAnswer) {
  EXPECT_EQ(PadInsertion(u"+", true), u"Ans+");
  EXPECT_EQ(PadInsertion(u"+", false), u"+");
  EXPECT_EQ(PadInsertion(u"\u0085", true), u"Ans\u0085");
  EXPECT_EQ(PadInsertion(u"\u0086", true), u"Ans\u0086");
  EXPECT_EQ(PadInsertion(u"-", true), u"-");  // a leading minus is a sign
  EXPECT_EQ(PadInsertion(u"sin(", true), u"sin(");
}

TEST(PadTest, TypingOnThePadFollowsTheAnsRule) {
  Pad pad;
  EXPECT_EQ(TapAll(pad, {u"7", u"+", u"8"}), u"7+8");
  EXPECT_EQ(TapAll(pad, {u"+", u"8"}), u"Ans+8");
  EXPECT_EQ(TapAll(pad, {u"7", u"8", u"backspace", u"x\u0085"}), u"7\u0085");
}

TEST(PadTest, PageKeysOpenTheirPagesAndTextKeysReturnToTheFirst) {
  for (PadArrangement arrangement :
       {PadArrangement::kBright, PadArrangement::kClassic, PadArrangement::kLandscape}) {
    Pad pad(arrangement);
    pad.Tap(IndexOf(pad, u"page 4"), true);
    ASSERT_EQ(pad.Page(), 4);
    EXPECT_EQ(pad.Tap(IndexOf(pad, u"sin"), true).text, u"sin(");
    EXPECT_EQ(pad.Page(), 0);

    pad.Tap(0, true);  // "2nd" toggles pages 0 and 1
    EXPECT_EQ(pad.Page(), 1);
    pad.Tap(0, true);
    EXPECT_EQ(pad.Page(), 0);
    pad.Tap(IndexOf(pad, u"page 6"), true);
    EXPECT_EQ(pad.Page(), 6);
    pad.Tap(IndexOf(pad, u"page 6"), true);  // the page shown: back to 0
    EXPECT_EQ(pad.Page(), 0);
  }
}

TEST(PadTest, ActionKeysOfThePages) {
  Pad pad;
  EXPECT_EQ(pad.Keys()[5].action, PadKey::Action::kBackspace);
  EXPECT_EQ(pad.Keys()[5].Name(), u"backspace");
  pad.OpenPage(1);
  EXPECT_EQ(pad.Tap(IndexOf(pad, u"Clear"), false).kind, Kind::kClearEntry);
  pad.OpenPage(4);
  EXPECT_TRUE(pad.Keys()[IndexOf(pad, u"DMS")].yellow);
  EXPECT_EQ(pad.Tap(IndexOf(pad, u"DMS"), false).kind, Kind::kSolveDms);
  EXPECT_EQ(pad.Page(), 0);
  pad.OpenPage(6);
  EXPECT_EQ(pad.Tap(IndexOf(pad, u"InverseNorm"), false).text, u"InverseNormal(");
}

TEST(PadTest, EveryArrangementCarriesItsPages) {
  EXPECT_EQ(BuildPadPage(PadArrangement::kBright, 0).size(), 36u);
  EXPECT_EQ(BuildPadPage(PadArrangement::kClassic, 0).size(), 42u);
  EXPECT_EQ(BuildPadPage(PadArrangement::kLandscape, 0).size(), 45u);
  // Classic page 0 holds the Bright keys and its extra column; its first row
  // ends with "Ans" (in yellow) and backspace.
  const std::vector<PadKey> classic = BuildPadPage(PadArrangement::kClassic, 0);
  EXPECT_EQ(classic[1].label, u"\u00DC^x");
  EXPECT_EQ(classic[5].label, u"Ans");
  EXPECT_TRUE(classic[5].yellow);
  EXPECT_EQ(classic[6].action, PadKey::Action::kBackspace);
  EXPECT_EQ(BuildPadPage(PadArrangement::kClassic, 2)[6].label, u"Sum");
  EXPECT_THAT(Names(BuildPadPage(PadArrangement::kClassic, 2)), Contains(u"Together"));
  EXPECT_THAT(Names(BuildPadPage(PadArrangement::kBright, 2)), Not(Contains(u"Together")));

  // The landscape pad carries the Classic pad's keys on every page.
  for (int page = 0; page < kPadPages; ++page) {
    std::vector<std::u16string> classic_names = Names(BuildPadPage(PadArrangement::kClassic, page));
    std::vector<std::u16string> landscape = Names(BuildPadPage(PadArrangement::kLandscape, page));
    std::sort(classic_names.begin(), classic_names.end());
    std::sort(landscape.begin(), landscape.end());
    EXPECT_EQ(classic_names, landscape) << "page " << page;
  }
}

// The square pads leave the trigonometric row out of pages 0 and 1; what that
// row held and has no other page moves in, and the page keys keep their rows.
TEST(PadTest, SquarePadsHaveShorterFirstPages) {
  for (PadArrangement arrangement :
       {PadArrangement::kBrightSquare, PadArrangement::kClassicSquare}) {
    const PadArrangement portrait = ImageArrangement(arrangement);
    const int columns = PadColumns(portrait);
    for (int page = 0; page < kPadPages; ++page) {
      const std::vector<PadKey> keys = BuildPadPage(arrangement, page);
      const int rows = page <= 1 ? 5 : 6;
      ASSERT_EQ(keys.size(), static_cast<std::size_t>(rows * columns)) << "page " << page;
      if (page >= 2) {
        EXPECT_EQ(Names(keys), Names(BuildPadPage(portrait, page)));
      }
    }
    const std::vector<std::u16string> basic = Names(BuildPadPage(arrangement, 0));
    for (std::u16string_view kept :
         {u"2nd", u"Ans", u"backspace", u"x", u"y", u"(", u")", u"0", u"7", u"/", u"*", u"^", u"-",
          u"+", u",", u".", u"", u"page 2", u"page 6"}) {
      EXPECT_THAT(basic, Contains(kept));
    }
    for (std::u16string_view left_out : {u"sin", u"cos", u"tan"}) {
      EXPECT_THAT(basic, Not(Contains(left_out)));
    }
    const std::vector<std::u16string> second = Names(BuildPadPage(arrangement, 1));
    for (std::u16string_view kept : {u"2nd", u"Clear", u"Û", u"í", u"=", u"abs"}) {
      EXPECT_THAT(second, Contains(kept));
    }
    EXPECT_THAT(second, Not(Contains(u"asin")));

    // The page keys stay in the first column, so that a page key does not
    // move when the pad grows by the row the other pages have.
    Pad pad(arrangement);
    EXPECT_EQ(pad.Rows(), 5);
    EXPECT_EQ(IndexOf(pad, u"page 2"), 0);
    EXPECT_EQ(IndexOf(pad, u"page 6"), 4 * columns);
    pad.Tap(IndexOf(pad, u"page 3"), true);
    EXPECT_EQ(pad.Rows(), 6);
    EXPECT_EQ(IndexOf(pad, u"page 3"), 2 * columns);
    EXPECT_EQ(TapAll(pad, {u"Det", u"Ans", u"+", u"7", u"backspace", u"8"}), u"Det(Ans+8");
    EXPECT_EQ(pad.Page(), 0);
    pad.Tap(IndexOf(pad, u"2nd"), true);
    EXPECT_EQ(pad.Page(), 1);
    EXPECT_TRUE(pad.Keys()[IndexOf(pad, u"2nd")].yellow);
    EXPECT_TRUE(pad.Keys()[IndexOf(pad, u"Clear")].yellow);
    EXPECT_EQ(pad.Tap(IndexOf(pad, u"Clear"), false).kind, Kind::kClearEntry);
    pad.Tap(IndexOf(pad, u"2nd"), true);
    EXPECT_EQ(pad.Page(), 0);
  }
}

TEST(PadTest, TheVariablesPageListsTheStoreWithoutAns) {
  engine::VariableStore store;
  store.Store(u"a", engine::ExprNode::Zero());
  store.Store(engine::kAnsName, engine::ExprNode::Zero());
  store.Store(u"b", engine::ExprNode::Zero());
  Pad pad;
  pad.SetVariables(&store);
  pad.Tap(IndexOf(pad, u"page 5"), true);
  const std::vector<std::u16string> names = Names(pad.Keys());
  EXPECT_EQ(names, (std::vector<std::u16string>{u"2nd", u"a", u"b", u"page 2", u"page 3", u"page 4",
                                                u"page 5", u"page 6", u"Clear"}));
  EXPECT_EQ(pad.Tap(IndexOf(pad, u"Clear"), false).text, u"Clear(");

  // A name too wide for a key starts a row of its own.
  store.Store(u"\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9", engine::ExprNode::Zero());
  store.Store(u"c", engine::ExprNode::Zero());
  pad.SetLabelFits([](std::u16string_view name) { return name.size() < 4; });
  pad.OpenPage(kVariablesPage);
  EXPECT_EQ(IndexOf(pad, u"\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9"), 7);
  EXPECT_EQ(IndexOf(pad, u"c"), 13);
}

}  // namespace
}  // namespace zentrix::notebook
