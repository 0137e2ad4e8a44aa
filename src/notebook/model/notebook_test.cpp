#include "notebook/model/notebook.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/engine_state.h"
#include "ui/core/focus.h"
#include "ui/core/ui_state.h"

namespace zentrix::notebook {
namespace {

using engine::AnswerLayout;
using engine::BoxKind;
using engine::SolveMode;

class NotebookTest : public ::testing::Test {
 protected:
  // Types `text` into the focused entry and solves it.
  bool Enter(std::u16string text, SolveMode mode = SolveMode::kNormal) {
    ui::Focused()->SetText(std::move(text));
    return notebook_.Solve(mode, settings_);
  }
  bool SolveEntry(int index, SolveMode mode = SolveMode::kNormal) {
    notebook_.FocusEntry(index);
    return notebook_.Solve(mode, settings_);
  }
  std::u16string AnswerText(int index) const { return notebook_.EntryAnswer(index).text; }
  bool HasAns() const { return notebook_.Variables().Contains(engine::kAnsName); }
  // Ans as a real number (NaN when it is not one).
  double AnsValue() const {
    const engine::ExprNode* ans = notebook_.Variables().Find(engine::kAnsName);
    return ans && ans->IsRealNumber() ? ans->coefficient().RealValue() : std::nan("");
  }

  ui::ScopedUiStateReset ui_reset_;
  engine::ScopedEngineState engine_reset_;
  engine::EntrySettings settings_;
  Notebook notebook_;
  void SetUp() override { notebook_.FocusEntry(0); }
};

TEST_F(NotebookTest, SolvingTheSameEntryAlternatesExactAndDecimal) {
  ASSERT_TRUE(Enter(u"3/12+1/2"));
  EXPECT_EQ(notebook_.EntryAnswer(0).kind, BoxKind::kFraction);
  ASSERT_TRUE(SolveEntry(0));
  EXPECT_EQ(notebook_.EntryAnswer(0), AnswerLayout::Text(u"0.75"));
  ASSERT_TRUE(SolveEntry(0));
  EXPECT_EQ(notebook_.EntryAnswer(0).kind, BoxKind::kFraction);
  // An edit restarts at the exact answer.
  ASSERT_TRUE(SolveEntry(0));
  notebook_.FocusEntry(0);
  ui::CaretToEnd();
  ui::InsertText(u"+0");
  ASSERT_TRUE(notebook_.Solve(SolveMode::kNormal, settings_));
  EXPECT_EQ(notebook_.EntryAnswer(0).kind, BoxKind::kFraction);
  // Decimal mode always answers in decimals.
  settings_.number_mode = engine::NumberMode::kDecimal;
  ASSERT_TRUE(SolveEntry(0));
  EXPECT_EQ(AnswerText(0), u"0.75");
  ASSERT_TRUE(SolveEntry(0));
  EXPECT_EQ(AnswerText(0), u"0.75");
}

TEST_F(NotebookTest, MixedModePrintsImproperFractionsAsMixedNumbers) {
  settings_.number_mode = engine::NumberMode::kMixed;
  ASSERT_TRUE(Enter(u"3/12+1"));  // 5/4, exact (the sum rewrote it, so no Smart Solve)
  const AnswerLayout& mixed = notebook_.EntryAnswer(0);
  ASSERT_EQ(mixed.kind, BoxKind::kRow);
  EXPECT_EQ(mixed.children[0], AnswerLayout::Text(u"1"));
  EXPECT_EQ(mixed.children[1].kind, BoxKind::kFraction);
  ASSERT_TRUE(Enter(u"-3/12-1"));  // negative: a minus and the plain fraction
  EXPECT_EQ(notebook_.EntryAnswer(1).children.at(0).kind, BoxKind::kFraction);
}

TEST_F(NotebookTest, SolvingTheLastEntryAppendsOneAndAnEarlierOneMovesOn) {
  ASSERT_TRUE(Enter(u"1+1"));
  EXPECT_EQ(notebook_.EntryCount(), 2u);
  EXPECT_EQ(notebook_.FocusedIndex(), 1);
  EXPECT_TRUE(notebook_.TakeScrollToBottom());
  EXPECT_FALSE(notebook_.TakeScrollToBottom());  // consumed
  ASSERT_TRUE(Enter(u"2+2"));
  ASSERT_EQ(notebook_.EntryCount(), 3u);
  notebook_.TakeScrollToBottom();

  ASSERT_TRUE(SolveEntry(0));
  EXPECT_EQ(notebook_.EntryCount(), 3u);
  EXPECT_EQ(notebook_.FocusedIndex(), 1);
  EXPECT_EQ(ui::Focused()->Caret(), 3);  // at the end of "2+2"
  EXPECT_TRUE(notebook_.TakeScrollIntoView());
  EXPECT_FALSE(notebook_.TakeScrollToBottom());
}

TEST_F(NotebookTest, SyntaxHelpNeitherEvaluatesNorMovesTheFocus) {
  ASSERT_TRUE(Enter(u"7"));
  ASSERT_TRUE(Enter(u"NormalPdf("));
  EXPECT_EQ(AnswerText(1), u"NormalPdf(x, mu, sigma)");
  EXPECT_EQ(notebook_.FocusedIndex(), 1);
  EXPECT_EQ(notebook_.EntryCount(), 3u);  // still one fresh entry after the last
  EXPECT_EQ(AnsValue(), 7);

  // The bare name is evaluated, and fails.
  ASSERT_TRUE(Enter(u"NormalPdf"));
  EXPECT_NE(AnswerText(1).find(u"name of a function"), std::u16string::npos);
  EXPECT_EQ(notebook_.FocusedIndex(), 2);
}

TEST_F(NotebookTest, FailuresAnswerWithTheMessageAndKeepAns) {
  ASSERT_TRUE(Enter(u"5"));
  ASSERT_TRUE(Enter(u"1/"));
  EXPECT_EQ(AnswerText(1).rfind(u"Error: ", 0), 0u);
  EXPECT_EQ(notebook_.FocusedIndex(), 2);
  EXPECT_EQ(AnsValue(), 5);
  // Overflow is a message, yet Ans holds the result.
  ASSERT_TRUE(Enter(u"10^400"));
  EXPECT_EQ(AnswerText(2), u"Error: Overflow");
  EXPECT_NE(AnsValue(), 5);
}

TEST_F(NotebookTest, DegreesMinutesSecondsNeedANonZeroRealResult) {
  ASSERT_TRUE(Enter(u"30.5", SolveMode::kDegreesMinutesSeconds));
  EXPECT_EQ(AnswerText(0), u"30\u0083 30'");
  ASSERT_EQ(notebook_.FocusedIndex(), 1);

  notebook_.MarkSaved();
  EXPECT_FALSE(Enter(u"0", SolveMode::kDegreesMinutesSeconds));
  EXPECT_TRUE(notebook_.EntryAnswer(1).IsEmpty());
  EXPECT_EQ(notebook_.FocusedIndex(), 1);
  EXPECT_EQ(notebook_.EntryCount(), 2u);
  EXPECT_FALSE(Enter(u"x+1", SolveMode::kDegreesMinutesSeconds));
  // Nothing else changes either: Ans, an assignment, an earlier answer.
  EXPECT_FALSE(Enter(u"y=0", SolveMode::kDegreesMinutesSeconds));
  EXPECT_EQ(AnsValue(), 30.5);
  EXPECT_FALSE(notebook_.Variables().Contains(u"y"));
  EXPECT_FALSE(notebook_.Modified());
  ASSERT_TRUE(SolveEntry(0, SolveMode::kNormal));
  notebook_.FocusEntry(0);
  ui::Focused()->SetText(u"0");
  EXPECT_FALSE(notebook_.Solve(SolveMode::kDegreesMinutesSeconds, settings_));
  EXPECT_FALSE(notebook_.EntryAnswer(0).IsEmpty()) << "the earlier answer stays";
}

TEST_F(NotebookTest, SolveChangesNothingWithoutAFocusedNonEmptyEntry) {
  EXPECT_FALSE(notebook_.Solve(SolveMode::kNormal, settings_));  // empty
  ui::Focus(nullptr);
  EXPECT_FALSE(notebook_.Solve(SolveMode::kNormal, settings_));
  EXPECT_EQ(notebook_.EntryCount(), 1u);
  EXPECT_FALSE(notebook_.Modified());
}

TEST_F(NotebookTest, InsertAndDeleteWorkOnTheFocusedEntry) {
  ASSERT_TRUE(Enter(u"1"));
  ASSERT_TRUE(Enter(u"2"));  // entries "1", "2", ""
  notebook_.FocusEntry(1);
  notebook_.InsertEntry();
  ASSERT_EQ(notebook_.EntryCount(), 4u);
  EXPECT_EQ(notebook_.FocusedIndex(), 1);
  EXPECT_EQ(notebook_.EntryText(1), u"");
  EXPECT_EQ(notebook_.EntryText(2), u"2");

  notebook_.DeleteEntry();
  ASSERT_EQ(notebook_.EntryCount(), 3u);
  EXPECT_EQ(notebook_.FocusedIndex(), 1);
  EXPECT_EQ(notebook_.EntryText(1), u"2");
  EXPECT_EQ(AnswerText(1), u"2");

  // Deleting the last entry leaves no focus; without a focus nothing happens.
  notebook_.FocusEntry(2);
  notebook_.DeleteEntry();
  EXPECT_EQ(notebook_.FocusedIndex(), -1);
  notebook_.DeleteEntry();
  notebook_.InsertEntry();
  EXPECT_EQ(notebook_.EntryCount(), 2u);
}

TEST_F(NotebookTest, DeletingTheOnlyEntryLeavesAnEmptyNotebook) {
  notebook_.DeleteEntry();
  EXPECT_EQ(notebook_.EntryCount(), 0u);
  EXPECT_EQ(notebook_.FocusedIndex(), -1);
  EXPECT_FALSE(notebook_.Solve(SolveMode::kNormal, settings_));
}

TEST_F(NotebookTest, NewForgetsEntriesAndVariables) {
  ASSERT_TRUE(Enter(u"a=4"));
  ASSERT_TRUE(Enter(u"a+1"));
  ASSERT_TRUE(HasAns());
  notebook_.New();
  EXPECT_EQ(notebook_.EntryCount(), 1u);
  EXPECT_EQ(notebook_.FocusedIndex(), 0);
  EXPECT_EQ(notebook_.Variables().Count(), 0u);
  EXPECT_FALSE(notebook_.Modified());
  ASSERT_TRUE(Enter(u"a"));
  EXPECT_EQ(AnswerText(0), u"a");
}

}  // namespace
}  // namespace zentrix::notebook
