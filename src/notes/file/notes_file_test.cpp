#include "notes/file/notes_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "notes/file/notes_folder.h"
#include "ui/core/ui_state.h"

namespace zentrix::notes {
namespace {

namespace fs = std::filesystem;

// Eight reserved zero lines.
const std::string k8 = "0\n0\n0\n0\n0\n0\n0\n0\n";
const std::string kHeader = "0\n100\n1\n0\n0\n0\n0\n0\n";

NotesBook SampleBook() {
  NotesBook book;
  book.SetPen(0x0000FF);
  book.BeginStroke({10, 50});
  book.AppendPoint({11, 52});
  book.AppendPoint({-3, 7});
  book.SetPen(0xFFFFFFFF);  // every bit of the colour survives
  book.BeginStroke(
      {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()});
  book.Next();
  book.InsertPage();  // an empty page between
  book.Next();
  book.SetPen(0x00FF00);
  book.BeginStroke({239, 299});
  return book;
}

fs::path TempFolder(const char* name) {
  const fs::path folder = fs::path(ZENTRIX_BINARY_DIR) / "notes_file_test" / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

TEST(NotesFileTest, WritesTheHeaderReservedLinesAndRecordsInOrder) {
  NotesBook book;
  book.SetPen(255);
  book.BeginStroke({3, 4});
  EXPECT_EQ(WriteNotes(book), kHeader + "1\n" + k8 + "1\n" + k8 + "1\n255\n3\n4\n");
}

TEST(NotesFileTest, SavedAndReopenedBooksAreIdentical) {
  const NotesBook book = SampleBook();
  const fs::path path = TempFolder("round_trip") / "book.qv4";
  ASSERT_TRUE(SaveNotesFile(path, book));
  const ReadResult read = LoadNotesFile(path);
  ASSERT_TRUE(read.content) << read.error;
  EXPECT_EQ(read.content->pages, book.Pages());
  EXPECT_EQ(read.content->format, 100);
  EXPECT_EQ(ReadPageCount(path), 3);
  // Only the file itself is left: the temporary was renamed into place.
  EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);
}

TEST(NotesFileTest, ReadingAcceptsWhatTheFormatLeavesOpen) {
  // Any value in reserved lines, a named header string, carriage returns, a
  // missing final line feed, a format number of its own, and no pages.
  const std::string odd = "4\nnote\n7\r\n1\n0\n9\n0\n0\n0\n0\n5\n5\n5\n5\n5\n5\n5\n5\n";
  const ReadResult read = ReadNotes(odd);
  ASSERT_TRUE(read.content) << read.error;
  EXPECT_EQ(read.content->format, 7);
  EXPECT_TRUE(read.content->pages.empty());
  const ReadResult last = ReadNotes(kHeader + "1\n" + k8 + "1\n" + k8 + "1\n9\n3\n4");
  ASSERT_TRUE(last.content) << last.error;
  EXPECT_EQ(last.content->pages[0].strokes[0].points[0], (StrokePoint{3, 4}));
  // Strokes without points take two lines each, and the file ends there.
  const ReadResult bare = ReadNotes(kHeader + "1\n" + k8 + "3\n" + k8 + "0\n0\n0\n10\n0\n0\n");
  ASSERT_TRUE(bare.content) << bare.error;
  EXPECT_EQ(bare.content->pages[0].strokes.size(), 3u);
  EXPECT_EQ(bare.content->pages[0].strokes[1].colour, 10u);
}

TEST(NotesFileTest, HostileFilesAreRefusedWithAReason) {
  const std::string page = "1\n" + k8 + "1\n" + k8;
  const struct {
    const char* what;
    std::string data;
  } cases[] = {
      {"empty", ""},
      {"header only", kHeader},
      {"negative page count", kHeader + "-1\n" + k8},
      {"page count beyond the file", kHeader + "4611686018427387904\n" + k8},
      {"page count past 64 bits", kHeader + "99999999999999999999\n" + k8},
      {"negative stroke count", kHeader + "1\n" + k8 + "-5\n" + k8},
      {"stroke count beyond the file", kHeader + "1\n" + k8 + "1000\n" + k8},
      {"point count beyond the file", kHeader + page + "2147483647\n0\n1\n2\n"},
      {"truncated point", kHeader + page + "2\n0\n1\n2\n3\n"},
      {"colour too large", kHeader + page + "1\n4294967296\n1\n2\n"},
      {"negative colour", kHeader + page + "1\n-1\n1\n2\n"},
      {"coordinate beyond 32 bits", kHeader + page + "1\n0\n2147483648\n2\n"},
      {"not a number", kHeader + page + "1\n0\n1x\n2\n"},
      {"empty line for a number", kHeader + page + "1\n0\n\n2\n"},
      {"overlong line", kHeader + page + "1\n0\n" + std::string(200, '1') + "\n2\n"},
      {"header string longer than the file", "900\nabc\n"},
      {"missing reserved lines", kHeader + "1\n0\n0\n"},
  };
  for (const auto& c : cases) {
    const ReadResult read = ReadNotes(c.data);
    EXPECT_FALSE(read.content) << c.what;
    EXPECT_FALSE(read.error.empty()) << c.what;
  }
}

TEST(NotesFileTest, MissingFilesAndUnwritablePlacesFailWithoutHarm) {
  const fs::path folder = TempFolder("failures");
  EXPECT_FALSE(LoadNotesFile(folder / "none.qv4").content);
  EXPECT_FALSE(ReadPageCount(folder / "none.qv4"));

  const fs::path path = folder / "kept.qv4";
  ASSERT_TRUE(SaveNotesFile(path, SampleBook()));
  const std::string before = WriteNotes(SampleBook());
  // A folder in the file's place cannot be replaced by a rename.
  const fs::path blocked = folder / "blocked.qv4";
  fs::create_directories(blocked / "inside");
  EXPECT_FALSE(SaveNotesFile(blocked, NotesBook{}));
  EXPECT_TRUE(fs::is_directory(blocked));
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), before);
}

std::string PiEncoder(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) {
    if (c == 237) {
      out += "\xCF\x80";
    } else if (c < 128) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

TEST(NotesFolderTest, ListsBooksByNameWithPageCountsAndReadsNamesBack) {
  ui::ScopedUiStateReset reset;
  ui::Ui().encoder = &PiEncoder;
  const fs::path data_path = TempFolder("folder");
  const ui::DataFolder data(data_path);
  const ui::DocumentFolder folder = NotesFolder();
  const std::u16string pi_name = u"circle \u00ED";
  EXPECT_EQ(folder.FileFor(data, pi_name), data_path / "Notes" / "circle \xCF\x80.qv4");
  ASSERT_TRUE(SaveNotesFile(folder.FileFor(data, pi_name), SampleBook()));
  ASSERT_TRUE(SaveNotesFile(folder.FileFor(data, u"a"), NotesBook{}));
  std::ofstream(data_path / "Notes" / "other.txt") << "not a book";
  std::ofstream(data_path / "Notes" / "broken.qv4") << "garbage";
  EXPECT_TRUE(folder.Exists(data, pi_name));
  EXPECT_FALSE(folder.Exists(data, u"b"));

  const std::vector<ui::DocumentFile> list = folder.List(data, SummariseNotesFile);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].item.name, u"a");
  EXPECT_EQ(list[0].item.entries, 1);
  EXPECT_EQ(list[1].item.name, u"broken");
  EXPECT_EQ(list[1].item.entries, 0);
  EXPECT_EQ(list[2].item.name, pi_name);
  EXPECT_EQ(list[2].item.entries, 3);
  EXPECT_EQ(list[2].path, folder.FileFor(data, pi_name));
  EXPECT_FALSE(list[2].item.date.empty());
  // Bytes no program character encodes to read as "?".
  EXPECT_EQ(ui::NameFromFile("x\xE2\x82\xAC\xFFy"), u"x??y");
}

}  // namespace
}  // namespace zentrix::notes
