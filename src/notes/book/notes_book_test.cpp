#include "notes/book/notes_book.h"

#include <gtest/gtest.h>

#include <limits>

namespace zentrix::notes {
namespace {

TEST(NotesBookTest, NextAppendsAPageOnlyAfterAStrokeOnTheLastPage) {
  NotesBook book;
  EXPECT_FALSE(book.Next());
  EXPECT_EQ(book.PageCount(), 1);
  EXPECT_EQ(book.PageIndex(), 0);

  book.BeginStroke({5, 5});
  EXPECT_TRUE(book.Next());
  EXPECT_EQ(book.PageCount(), 2);
  EXPECT_EQ(book.PageIndex(), 1);
  EXPECT_FALSE(book.Next()) << "page 2 is empty";

  EXPECT_TRUE(book.Back());
  EXPECT_FALSE(book.Back()) << "not below the first page";
  EXPECT_TRUE(book.Next()) << "a following page is turned to without appending";
  EXPECT_EQ(book.PageCount(), 2);
}

TEST(NotesBookTest, StrokesTakeThePenAndPointsGoToTheStrokeBegunLast) {
  NotesBook book;
  book.AppendPoint({1, 1});  // no stroke yet: nothing
  EXPECT_TRUE(book.CurrentPage().strokes.empty());
  book.SetPen(0x00FF00);
  book.BeginStroke({1, 2});
  book.AppendPoint({3, 4});
  book.SetPen(0x0000FF);
  book.BeginStroke({9, 9});
  ASSERT_EQ(book.CurrentPage().strokes.size(), 2u);
  EXPECT_EQ(book.CurrentPage().strokes[0], (Stroke{0x00FF00, {{1, 2}, {3, 4}}}));
  EXPECT_EQ(book.CurrentPage().strokes[1], (Stroke{0x0000FF, {{9, 9}}}));
  book.Next();
  book.AppendPoint({7, 7});  // the stroke ended with the page turn
  EXPECT_TRUE(book.CurrentPage().strokes.empty());
}

TEST(NotesBookTest, InsertDeleteAndClearPages) {
  NotesBook book;
  book.BeginStroke({1, 1});
  book.Next();
  book.BeginStroke({2, 2});
  book.BeginStroke({3, 3});
  // Pages: [1 stroke], [2 strokes]; on page 2.
  book.InsertPage();
  EXPECT_EQ(book.PageCount(), 3);
  EXPECT_EQ(book.PageIndex(), 1);
  EXPECT_TRUE(book.CurrentPage().strokes.empty());

  book.Next();
  book.DeletePage();  // the last page: the index moves back
  EXPECT_EQ(book.PageCount(), 2);
  EXPECT_EQ(book.PageIndex(), 1);

  book.Back();
  book.DeletePage();
  EXPECT_EQ(book.PageCount(), 1);
  EXPECT_EQ(book.PageIndex(), 0);
  EXPECT_EQ(book.CurrentPage().strokes.size(), 0u);

  book.BeginStroke({4, 4});
  book.DeletePage();  // the only page is emptied, never removed
  EXPECT_EQ(book.PageCount(), 1);
  EXPECT_TRUE(book.CurrentPage().strokes.empty());

  book.BeginStroke({4, 4});
  book.ClearPage();
  EXPECT_TRUE(book.CurrentPage().strokes.empty());
}

TEST(NotesBookTest, EraseRemovesWholeStrokesStrictlyInsideTheSquare) {
  NotesBook book;
  book.BeginStroke({100, 100});  // a long stroke touching the square once
  book.AppendPoint({200, 200});
  book.AppendPoint({114, 86});
  book.BeginStroke({115, 100});  // exactly on the edge: stays
  book.BeginStroke({100, 85});   // on the edge vertically: stays
  book.BeginStroke({std::numeric_limits<std::int32_t>::min(),
                    std::numeric_limits<std::int32_t>::max()});  // far away, no overflow
  EXPECT_EQ(book.EraseAround({100, 100}, 15), 1);
  ASSERT_EQ(book.CurrentPage().strokes.size(), 3u);
  EXPECT_EQ(book.CurrentPage().strokes[0].points[0], (StrokePoint{115, 100}));
  EXPECT_EQ(book.EraseAround({110, 95}, 15), 2);
  EXPECT_EQ(book.CurrentPage().strokes.size(), 1u);
}

TEST(NotesBookTest, ReplaceKeepsAtLeastOnePage) {
  NotesBook book;
  book.Next();
  book.Replace({}, 7);
  EXPECT_EQ(book.PageCount(), 1);
  EXPECT_EQ(book.Format(), 7);
  book.Reset();
  EXPECT_EQ(book.Format(), NotesBook::kFormat);
}

}  // namespace
}  // namespace zentrix::notes
