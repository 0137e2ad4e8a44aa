#include "notebook/file/notebook_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/core/engine_state.h"
#include "notebook/file/answer_records.h"
#include "notebook/file/notebook_folder.h"
#include "ui/core/focus.h"
#include "ui/core/ui_state.h"

namespace zentrix::notebook {
namespace {

namespace fs = std::filesystem;
using engine::AnswerLayout;
using engine::BoxKind;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class NotebookFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  // Types and solves each text in turn.
  void Solve(Notebook& notebook, std::initializer_list<std::u16string> texts) {
    for (const std::u16string& text : texts) {
      // Syntax help keeps the focus: each text goes into the last entry.
      notebook.FocusEntry(static_cast<int>(notebook.EntryCount()) - 1);
      ui::Focused()->SetText(text);
      notebook.Solve(engine::SolveMode::kNormal, settings_);
    }
  }
  static void ExpectSame(const Notebook& a, const Notebook& b) {
    ASSERT_EQ(a.EntryCount(), b.EntryCount());
    for (std::size_t i = 0; i < a.EntryCount(); ++i) {
      EXPECT_EQ(a.EntryText(i), b.EntryText(i)) << "entry " << i;
      EXPECT_TRUE(a.EntryAnswer(i) == b.EntryAnswer(i)) << "answer " << i;
    }
  }

  ui::ScopedUiStateReset ui_reset_;
  engine::ScopedEngineState engine_reset_;
  engine::EntrySettings settings_;
  fs::path folder_ = fs::path(ZENTRIX_BINARY_DIR) / "notebook_file_test" /
                     ::testing::UnitTest::GetInstance()->current_test_info()->name();
};

TEST_F(NotebookFileTest, WritesTheNineLineExampleAndEmptyTextsAsZero) {
  Notebook notebook;
  notebook.Entry(0).Input().SetText(u"1+1");
  notebook.Entry(0).GetAnswer().SetMessage(u"2");
  EXPECT_EQ(WriteNotebook(notebook), "1000\n1\n3\n1+1\n0\n0\n0\n1\n2\n");

  notebook.AddEntry();  // empty text, empty answer
  EXPECT_EQ(WriteNotebook(notebook), "1000\n2\n3\n1+1\n0\n0\n0\n0\n1\n2\n0\n0\n0\n0\n");
}

TEST_F(NotebookFileTest, SolvedAnswersComeBackIdentical) {
  Notebook saved;
  const std::u16string long_text = std::u16string(3000, u'7') + u"+1";
  Solve(saved, {u"3/12+1/2", u"\u0087(8)", u"{{1,2},{3,4}}", u"x^2-5x+6", u"-x+1", u"{1,-2,3}",
                u"Integrate(1/x,x)", u"NormalPdf(", u"1/0", long_text, u"2^(1/3)*a-b/c"});
  const std::string bytes = WriteNotebook(saved);

  Notebook opened;
  ASSERT_TRUE(ReadNotebook(bytes, opened));
  ExpectSame(saved, opened);
  EXPECT_EQ(opened.FocusedIndex(), 0);
  EXPECT_FALSE(opened.Modified());
  EXPECT_EQ(opened.Variables().Count(), 0u) << "Open empties the variables";
  EXPECT_EQ(WriteNotebook(opened), bytes);

  // A character above 255 keeps its low byte.
  saved.Entry(0).Input().SetText(u"\u03C0\u0103 left");
  ASSERT_TRUE(ReadNotebook(WriteNotebook(saved), opened));
  EXPECT_EQ(opened.EntryText(0), u"\u00C0\u0003 left");
}

TEST_F(NotebookFileTest, RowsKeepEveryOperatorAndTextsKeepLineFeeds) {
  AnswerLayout row = AnswerLayout::Row();
  row.Append(0, AnswerLayout::Text(u"x"));
  row.Append(u'^', AnswerLayout::Text(u"2"));
  row.Append(u'+', AnswerLayout::Text(u"1"));
  row.Append(0, AnswerLayout::Text(u"y"));
  std::string out;
  WriteAnswer(out, row);
  EXPECT_EQ(out.substr(0, 13), "4\n5\n0\n4\n ^+ \n");
  RecordReader in(out);
  const std::optional<AnswerLayout> read = ReadAnswer(in);
  ASSERT_TRUE(read);
  EXPECT_TRUE(*read == row);

  const AnswerLayout message = AnswerLayout::Text(u"[red]Error:[/]\nline two\n\nend");
  out.clear();
  WriteAnswer(out, message);
  out += "0\n0\n0\n0\n";
  RecordReader again(out);
  EXPECT_TRUE(ReadAnswer(again) == message);
  EXPECT_TRUE(ReadAnswer(again));  // the record after it starts where it should
}

TEST_F(NotebookFileTest, ReadsTheShortOperatorRecordOfOlderFiles) {
  // x^2 + 1 written by the older writer: its operator record stops at the
  // first "no operator", so it is empty; and -a + b keeps "-+".
  const std::string file =
      "1000\n2\n3\nx^2\n4\n-a+b\n"
      "3\n5\n0\n0\n0\n0\n0\n1\nx\n0\n0\n0\n1\n2\n0\n0\n0\n1\n1\n"
      "2\n5\n0\n2\n-+\n0\n0\n0\n1\na\n0\n0\n0\n1\nb\n";
  Notebook notebook;
  ASSERT_TRUE(ReadNotebook(file, notebook));
  EXPECT_EQ(notebook.EntryAnswer(0).operators, std::u16string(3, u'\0'));
  EXPECT_EQ(notebook.EntryAnswer(1).operators, u"-+");
  // A matrix stores no operators; it reads back with one "none" per row.
  AnswerLayout matrix;
  matrix.kind = BoxKind::kMatrix;
  AnswerLayout cells = AnswerLayout::Row();
  cells.Append(u',', AnswerLayout::Text(u"1"));
  matrix.Append(0, cells);
  std::string out;
  WriteAnswer(out, matrix);
  RecordReader in(out);
  EXPECT_TRUE(ReadAnswer(in) == matrix);
}

TEST_F(NotebookFileTest, OpenReadsWhatItCanAndSaysWhetherItReadEverything) {
  Notebook notebook;
  // A count of 0 (or less) gives one empty entry.
  for (const char* file : {"1000\n0\n", "1000\n-5\n"}) {
    EXPECT_FALSE(ReadNotebook(file, notebook)) << file;
    ASSERT_EQ(notebook.EntryCount(), 1u) << file;
    EXPECT_EQ(notebook.EntryText(0), u"");
  }
  // Without the first two lines the notebook stays empty.
  for (const char* file : {"", "1000\n", "x\n3\n", "1000\nthree\n"}) {
    EXPECT_FALSE(ReadNotebook(file, notebook)) << file;
    EXPECT_EQ(notebook.EntryCount(), 0u) << file;
  }
  // A damaged text stops the reading with the texts before it in place.
  EXPECT_FALSE(ReadNotebook("1000\n3\n1\na\n5\nab\n", notebook));
  ASSERT_EQ(notebook.EntryCount(), 3u);
  EXPECT_EQ(notebook.EntryText(0), u"a");
  EXPECT_EQ(notebook.EntryText(1), u"");
  // A kind the program does not draw, and a truncated answer, stop it too.
  EXPECT_FALSE(ReadNotebook("1000\n1\n1\na\n0\n2\n0\n0\n", notebook));
  EXPECT_FALSE(ReadNotebook("1000\n1\n1\na\n2\n1\n0\n0\n0\n0\n0\n1\n3\n", notebook));
  EXPECT_EQ(notebook.EntryText(0), u"a");
  EXPECT_TRUE(notebook.EntryAnswer(0).IsEmpty());
}

TEST_F(NotebookFileTest, HostileCountsLengthsAndDepthsStayBounded) {
  Notebook notebook;
  // A count far beyond what the file holds makes no more entries than it could.
  EXPECT_FALSE(ReadNotebook("1000\n2000000000\n0\n0\n", notebook));
  EXPECT_LE(notebook.EntryCount(), 3u);
  // A length of a gigabyte over a few bytes of text.
  EXPECT_FALSE(ReadNotebook("1000\n1\n1073741824\nabc\n", notebook));
  EXPECT_FALSE(ReadNotebook("1000\n1\n0\n99999999999\n5\n0\n0\n", notebook));
  // 100,000 nested answer records end at the depth limit, without recursion.
  std::string deep = "1000\n1\n0\n";
  for (int i = 0; i < 100000; ++i) deep += "1\n5\n0\n0\n";
  deep += "0\n0\n0\n0\n";
  EXPECT_FALSE(ReadNotebook(deep, notebook));
  EXPECT_TRUE(notebook.EntryAnswer(0).IsEmpty());
  // Just inside the limit it reads.
  std::string inside = "1000\n1\n0\n";
  for (int i = 1; i < kMaxAnswerDepth; ++i) inside += "1\n5\n0\n0\n";
  inside += "0\n0\n0\n1\nz\n";
  EXPECT_TRUE(ReadNotebook(inside, notebook));
}

TEST_F(NotebookFileTest, SaveReplacesThroughARenameAndAFailedSaveKeepsTheOldFile) {
  Notebook notebook;
  notebook.Entry(0).Input().SetText(u"1+1");
  const fs::path path = folder_ / "Files" / "a.qv1";
  ASSERT_TRUE(SaveNotebookFile(notebook, path));  // the folder is made
  EXPECT_EQ(ReadAll(path), "1000\n1\n3\n1+1\n0\n0\n0\n0\n");

  // A name so long that the temporary file beside it cannot be made.
  const fs::path longest = folder_ / (std::string(250, 'n') + ".qv1");
  std::ofstream(longest, std::ios::binary) << ReadAll(path);
  notebook.Entry(0).Input().SetText(u"2+2");
  EXPECT_FALSE(SaveNotebookFile(notebook, longest));
  EXPECT_EQ(ReadAll(longest), "1000\n1\n3\n1+1\n0\n0\n0\n0\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2)
      << "no temporary file is left behind";

  EXPECT_FALSE(OpenNotebookFile(notebook, folder_ / "missing.qv1"));
  EXPECT_EQ(notebook.EntryCount(), 0u);
  ASSERT_TRUE(OpenNotebookFile(notebook, path));
  EXPECT_EQ(notebook.EntryText(0), u"1+1");
}

TEST_F(NotebookFileTest, ListsFilesWithTheirCountsAndPreviews) {
  ui::DataFolder data(folder_);
  const ui::DocumentFolder files = NotebookFolder();
  EXPECT_EQ(files.ProgramPath(u"Homework"), u"Files\\Homework.qv1");
  EXPECT_EQ(files.FileFor(data, u"Homework"), folder_ / "Files" / "Homework.qv1");
  EXPECT_EQ(data.Resolve(u"Files\\..\\..\\x.qv1"), folder_ / "Files" / "x.qv1");
  Notebook notebook;
  notebook.Entry(0).Input().SetText(u"x=3");
  notebook.AddEntry().Input().SetText(u"x^2");
  ASSERT_TRUE(SaveNotebookFile(notebook, files.FileFor(data, u"b")));
  std::ofstream(folder_ / "Files" / "a.qv1") << "garbage";
  std::ofstream(folder_ / "Files" / "c.txt") << "1000\n0\n";

  const std::vector<ui::DocumentFile> list = files.List(data, SummariseNotebookFile);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].item.name, u"a");
  EXPECT_EQ(list[0].item.entries, 0);
  EXPECT_EQ(list[1].item.name, u"b");
  EXPECT_EQ(list[1].item.entries, 2);
  EXPECT_EQ(list[1].item.preview, u"x=3\nx^2\n");
  EXPECT_FALSE(list[1].item.date.empty());
}

}  // namespace
}  // namespace zentrix::notebook
