// The pad pointer leads a person who taps only the pointed keys to every text
// the calculator tutorials ask for, on each pad arrangement, and back from a
// wrong turn.

#include "tutorials/calculator/pad_pointer.h"

#include <gtest/gtest.h>

#include <string>

#include "notebook/pad/pad.h"
#include "tutorials/calculator/calculator_tutorials.h"

namespace zentrix::tutorials {
namespace {

using notebook::PadAction;
using notebook::PadArrangement;

// Taps the pointed keys until the text is the expected one; the taps used, or
// -1 when the pointer gave up or went round in circles.
int FollowPointer(PadArrangement arrangement, std::u16string text, std::u16string_view expected) {
  notebook::Pad pad(arrangement);
  PadPointer pointer;
  for (int taps = 0; taps < 200; ++taps) {
    if (text == expected) return taps;
    const int key = pointer.NextKey(arrangement, pad.Page(), text, expected);
    if (key == PadPointer::kNone) return -1;
    const PadAction action = pad.Tap(key, text.empty());
    if (action.kind == PadAction::Kind::kInsert) text += action.text;
    if (action.kind == PadAction::Kind::kBackspace && !text.empty()) text.pop_back();
  }
  return -1;
}

TEST(PadPointerTest, EveryTypedTextOfTheTutorialsIsReachedOnEveryPad) {
  for (PadArrangement arrangement :
       {PadArrangement::kBright, PadArrangement::kClassic, PadArrangement::kLandscape,
        PadArrangement::kBrightSquare, PadArrangement::kClassicSquare}) {
    for (const CalculatorTutorial& tutorial : CalculatorTutorials()) {
      for (const TutorialStep& step : tutorial.steps) {
        if (step.kind != StepKind::kType) continue;
        // Within twice the characters: page keys add at most one tap each.
        const int taps = FollowPointer(arrangement, u"", step.expected);
        EXPECT_GE(taps, 1) << static_cast<int>(arrangement) << " " << tutorial.steps.size();
        EXPECT_LE(taps, 2 * static_cast<int>(step.expected.size()));
      }
    }
  }
}

TEST(PadPointerTest, WordKeysWinOverTheirFirstLetters) {
  notebook::Pad pad(PadArrangement::kBright);
  PadPointer pointer;
  // "Solve(" lives on page 2: the pointer first shows the way there.
  const int page_key = pointer.NextKey(PadArrangement::kBright, 0, u"", u"Solve(1,3,-4)");
  EXPECT_EQ(pad.Keys()[static_cast<std::size_t>(page_key)].page, 2);
  pad.OpenPage(2);
  const int solve = pointer.NextKey(PadArrangement::kBright, 2, u"", u"Solve(1,3,-4)");
  EXPECT_EQ(pad.Keys()[static_cast<std::size_t>(solve)].text, u"Solve(");
  // "{{" before "{", and "},{" before "}".
  pad.OpenPage(1);
  const int braces = pointer.NextKey(PadArrangement::kBright, 1, u"", u"{{1,2},{3,4}}");
  EXPECT_EQ(pad.Keys()[static_cast<std::size_t>(braces)].text, u"{{");
  const int middle = pointer.NextKey(PadArrangement::kBright, 1, u"{{1,2", u"{{1,2},{3,4}}");
  EXPECT_EQ(pad.Keys()[static_cast<std::size_t>(middle)].text, u"},{");
}

TEST(PadPointerTest, AStrayTextIsLedBackThroughBackspace) {
  EXPECT_GT(FollowPointer(PadArrangement::kBright, u"3/13", u"3/12+1/2"), 0);
  EXPECT_GT(FollowPointer(PadArrangement::kClassic, u"sin(31)", u"sin(30\u0083)"), 0);
  PadPointer pointer;
  EXPECT_EQ(pointer.NextKey(PadArrangement::kBright, 0, u"3/12", u"3/12"), PadPointer::kNone);
}

}  // namespace
}  // namespace zentrix::tutorials
