#include "ui/files/record_reader.h"

#include <gtest/gtest.h>

namespace zentrix::ui {
namespace {

TEST(RecordReaderTest, ReadsIntegersAndStringsWithEitherLineEnd) {
  RecordReader in("12\r\n-3\n3\r\na\nb\r\n0\n2\nxy");
  EXPECT_EQ(in.Integer(), 12);
  EXPECT_EQ(in.Integer(), -3);
  // The text keeps its inner line feed and ends at its length, then its line end.
  EXPECT_EQ(in.String(), u"a\nb");
  EXPECT_EQ(in.String(), u"");
  // The text's line feed must follow it: at the very end there is none.
  EXPECT_FALSE(in.String());
  EXPECT_EQ(in.Integer(), 2);
}

TEST(RecordReaderTest, AFailedReadLeavesThePositionAlone) {
  RecordReader in("x1\n5\nabc\n7");
  EXPECT_FALSE(in.Integer());
  EXPECT_EQ(in.Offset(), 0u);
  EXPECT_TRUE(in.SkipLine());
  // Length 5 reaches past "abc\n": the record is refused as a whole.
  const std::size_t at = in.Offset();
  EXPECT_FALSE(in.String());
  EXPECT_FALSE(in.SkipString());
  EXPECT_EQ(in.Offset(), at);
  EXPECT_EQ(in.Integer(), 5);
  EXPECT_TRUE(in.SkipLine());
  // The last line may lack its line feed.
  EXPECT_EQ(in.Integer(), 7);
  EXPECT_TRUE(in.AtEnd());
  EXPECT_FALSE(in.SkipLine());
}

TEST(RecordReaderTest, RefusesLongLinesHugeLengthsAndBadNumbers) {
  const std::string long_line(RecordReader::kMaxLine + 1, '1');
  EXPECT_FALSE(RecordReader(long_line + "\n").SkipLine());
  EXPECT_FALSE(RecordReader(long_line).Integer());
  EXPECT_TRUE(RecordReader(long_line.substr(1)).SkipLine());
  EXPECT_FALSE(RecordReader("99999999999999999999\n").Integer());
  EXPECT_FALSE(RecordReader("-1\n").String());
  EXPECT_FALSE(RecordReader("9223372036854775807\nab\n").String());
  EXPECT_FALSE(RecordReader("\n").Integer());
  EXPECT_FALSE(RecordReader("2\nabc\n").SkipString());
}

TEST(RecordReaderTest, WrittenRecordsReadBack) {
  std::string out;
  AppendInteger(out, -42);
  AppendString(out, u"line\nfeed");
  AppendString(out, std::u16string(u"cut\0here", 8));
  AppendString(out, u"\u4E2D");  // keeps its low byte
  AppendString(out, u"");
  EXPECT_EQ(out, "-42\n9\nline\nfeed\n3\ncut\n1\n-\n0\n");
  RecordReader in(out);
  EXPECT_EQ(in.Integer(), -42);
  EXPECT_EQ(in.String(), u"line\nfeed");
  EXPECT_TRUE(in.SkipString());
  EXPECT_EQ(in.String(), u"-");
  EXPECT_EQ(in.String(), u"");
  EXPECT_TRUE(in.AtEnd());
}

}  // namespace
}  // namespace zentrix::ui
