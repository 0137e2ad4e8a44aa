#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "graphing/files/graph_set_files.h"
#include "graphing/files/testing/sample_sets.h"
#include "ui/core/ui_state.h"

namespace zentrix::graphing::files {
namespace {

namespace fs = std::filesystem;

std::string Lines(std::initializer_list<const char*> lines) {
  std::string out;
  for (const char* line : lines) out += std::string(line) + "\n";
  return out;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Compares with testdata/NAME; ZENTRIX_UPDATE_REFERENCES=1 rewrites it.
void ExpectMatchesReference(const std::string& bytes, const std::string& name) {
  const fs::path path = fs::path(ZENTRIX_SOURCE_DIR) / "src/graphing/files/testdata" / name;
  if (std::getenv("ZENTRIX_UPDATE_REFERENCES")) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  EXPECT_EQ(bytes, ReadFile(path)) << "reference " << path;
}

class GraphFilesTest : public ::testing::Test {
 protected:
  LoadStatus Read2D(std::string bytes) {
    GraphStream stream(std::move(bytes));
    return ExchangeGraphSet2D(stream, graphs2d_, table_);
  }
  LoadStatus Read3D(std::string bytes) {
    GraphStream stream(std::move(bytes));
    return ExchangeGraphSet3D(stream, graphs3d_);
  }

  ui::ScopedUiStateReset ui_reset_;
  GraphSet2D graphs2d_;
  DataTable table_;
  GraphSet3D graphs3d_;
};

// The stream -----------------------------------------------------------------

TEST(GraphStreamTest, FieldKindsAreWrittenAsLines) {
  GraphStream out;
  int number = -7;
  bool flag = true;
  double third = 1.0 / 3.0;
  float width = 2.5f;
  std::u16string empty;
  std::u16string pi = u"2\u00ED";
  out.Int(number);
  out.Bool(flag);
  out.Double(third);
  out.Float(width);
  out.Text(empty);
  out.Text(pi);
  EXPECT_EQ(out.bytes(), Lines({"-7", "1", "0.333333", "2.500000", "0", "2", "2\xED"}));
}

TEST(GraphStreamTest, ReadsBackEachKindAndStopsAtTheFirstBadLine) {
  GraphStream in(Lines({"42", "2", "0.333333", "2.500000", "3", "a\nb", "x1", "5"}));
  int number = 0;
  bool flag = true;
  double value = 0;
  float width = 0;
  std::u16string text;
  EXPECT_TRUE(in.Int(number));
  EXPECT_EQ(number, 42);
  EXPECT_TRUE(in.Bool(flag));
  EXPECT_FALSE(flag);  // true only when the int is 1
  EXPECT_TRUE(in.Double(value));
  EXPECT_EQ(value, 0.333333);  // six decimals: more precision comes back rounded
  EXPECT_TRUE(in.Float(width));
  EXPECT_EQ(width, 2.5f);
  EXPECT_TRUE(in.Text(text));
  EXPECT_EQ(text, u"a\nb");  // the length counts a line feed inside the text
  int kept = 9;
  EXPECT_FALSE(in.Int(kept));  // "x1" is no int
  EXPECT_EQ(kept, 9);
  EXPECT_FALSE(in.Int(kept));  // and the stream stays failed
  EXPECT_EQ(kept, 9);
}

TEST(GraphStreamTest, RefusesImpossibleLinesAndLengths) {
  const auto text_of = [](std::string bytes) {
    GraphStream in(std::move(bytes));
    std::u16string text = u"kept";
    in.Text(text);
    return std::make_pair(in.ok(), text);
  };
  EXPECT_EQ(text_of("-3\nabc\n"), std::make_pair(false, std::u16string(u"kept")));
  EXPECT_EQ(text_of("2000000000\nabc\n"), std::make_pair(false, std::u16string(u"kept")));
  EXPECT_EQ(text_of("99999999999999999999\n"), std::make_pair(false, std::u16string(u"kept")));
  EXPECT_EQ(text_of("3\nabcd\n"), std::make_pair(false, std::u16string(u"kept")));  // no line feed
  EXPECT_EQ(text_of("3\nabc"), std::make_pair(false, std::u16string(u"kept")));
  EXPECT_EQ(text_of("3\nabc\n"), std::make_pair(true, std::u16string(u"abc")));

  GraphStream long_line(std::string(100, '1') + "\n");
  int number = 0;
  EXPECT_FALSE(long_line.Int(number));  // an int line holds at most 99 characters
}

// The edge cases of the 2D format ---------------------------------------------

TEST_F(GraphFilesTest, AnEmptySetIsTheSingleLineZero) {
  EXPECT_EQ(GraphSet2DBytes(graphs2d_, table_), "0\n");
}

TEST_F(GraphFilesTest, AFunctionIsSevenLinesWithItsColourAsASignedDecimal) {
  graphs2d_.Create(Graph2DKind::kFunction);  // first graph: magenta 0xFF00FF
  graphs2d_[0].expression_text = u"sin(x)";
  EXPECT_EQ(GraphSet2DBytes(graphs2d_, table_),
            Lines({"1", "0", "1", "16711935", "1", "1", "6", "sin(x)"}));
  graphs2d_[0].colour = 0xFFFFFFFF;
  EXPECT_NE(GraphSet2DBytes(graphs2d_, table_).find("\n-1\n"), std::string::npos);
}

TEST_F(GraphFilesTest, PiIsTheSingleByteEDBothWays) {
  graphs2d_.Create(Graph2DKind::kFunction);
  graphs2d_[0].expression_text = u"\u00EDx";
  const std::string bytes = GraphSet2DBytes(graphs2d_, table_);
  EXPECT_NE(bytes.find("2\n\xEDx\n"), std::string::npos);
  graphs2d_[0].expression_text = u"\u03C0";  // a character above 255 keeps its low byte only
  EXPECT_NE(GraphSet2DBytes(graphs2d_, table_).find("1\n\xC0\n"), std::string::npos);

  ASSERT_EQ(Read2D(bytes), LoadStatus::kLoaded);
  EXPECT_EQ(graphs2d_[0].expression_text, std::u16string(1, char16_t{237}) + u"x");
}

// Round trips -------------------------------------------------------------------

TEST_F(GraphFilesTest, EveryKindRoundTripsByteForByte) {
  testing::FillDataTable(table_);
  testing::FillEvery2DKind(graphs2d_);
  testing::FillEvery3DKind(graphs3d_);
  const std::string bytes2d = GraphSet2DBytes(graphs2d_, table_);
  const std::string bytes3d = GraphSet3DBytes(graphs3d_);
  ExpectMatchesReference(bytes2d, "every_kind.qv2");
  ExpectMatchesReference(bytes3d, "every_kind.qv3");

  // File -> program -> file, into sets that held other graphs.
  GraphSet2D graphs2d;
  graphs2d.Create(Graph2DKind::kPolar);
  DataTable table;
  table.grid.SetSize(200, 120);
  GraphStream in2d(bytes2d);
  ASSERT_EQ(ExchangeGraphSet2D(in2d, graphs2d, table), LoadStatus::kLoaded);
  EXPECT_TRUE(in2d.AtEnd());
  EXPECT_EQ(GraphSet2DBytes(graphs2d, table), bytes2d);

  GraphSet3D graphs3d;
  graphs3d.Create(Graph3DKind::kCylindrical);
  GraphStream in3d(bytes3d);
  ASSERT_EQ(ExchangeGraphSet3D(in3d, graphs3d), LoadStatus::kLoaded);
  EXPECT_TRUE(in3d.AtEnd());
  EXPECT_EQ(GraphSet3DBytes(graphs3d), bytes3d);
}

TEST_F(GraphFilesTest, LoadingRebuildsEachGraphWithItsKindAndTheTable) {
  testing::FillDataTable(table_);
  testing::FillEvery2DKind(graphs2d_);
  const std::string bytes = GraphSet2DBytes(graphs2d_, table_);
  GraphSet2D loaded;
  DataTable table;
  GraphStream in(bytes);
  ASSERT_EQ(ExchangeGraphSet2D(in, loaded, table), LoadStatus::kLoaded);
  ASSERT_EQ(loaded.size(), 7u);
  const auto& scatter = dynamic_cast<const ScatterPlot&>(loaded[3]);
  EXPECT_TRUE(scatter.connect);
  EXPECT_EQ(scatter.regression_model, 3);
  EXPECT_TRUE(scatter.show_regression);
  EXPECT_EQ(scatter.regression_curve.colour, 0x123456u);
  EXPECT_TRUE(dynamic_cast<const HistogramPlot&>(loaded[4]).use_frequency);
  EXPECT_TRUE(dynamic_cast<const BoxPlot&>(loaded[5]).modified);
  EXPECT_EQ(dynamic_cast<const NormalProbabilityPlot&>(loaded[6]).data_axis, 1);
  EXPECT_EQ(dynamic_cast<const ParametricGraph&>(loaded[1]).y_text, u"sin(2u)");
  EXPECT_FALSE(loaded[1].enabled);
  EXPECT_EQ(table.title, u"Data");
  ASSERT_EQ(table.grid.ColumnCount(), 2);
  EXPECT_EQ(table.grid.Title(1), u"L2");
  EXPECT_EQ(table.grid.CellText(1, 2), u"6.5");
}

TEST_F(GraphFilesTest, FilesOnDiskRoundTripAndAFailedWriteKeepsTheOldFile) {
  const fs::path folder = fs::temp_directory_path() / "zentrix_graph_files_test";
  fs::remove_all(folder);
  fs::create_directories(folder);
  testing::FillEvery3DKind(graphs3d_);
  const fs::path path = folder / "set.qv3";
  ASSERT_TRUE(SaveGraphSet3D(path, graphs3d_));
  const std::string saved = ReadFile(path);

  GraphSet3D loaded;
  EXPECT_EQ(LoadGraphSet3D(path, loaded), LoadStatus::kLoaded);
  EXPECT_EQ(GraphSet3DBytes(loaded), saved);

  // A folder where the file should be cannot be replaced; a missing file cannot be opened.
  fs::create_directories(folder / "taken.qv3" / "inside");
  EXPECT_FALSE(SaveGraphSet3D(folder / "taken.qv3", loaded));
  EXPECT_EQ(LoadGraphSet3D(folder / "none.qv3", loaded), LoadStatus::kCannotOpen);
  EXPECT_EQ(loaded.size(), 4u);
  fs::remove_all(folder);
}

// Damaged and hostile files -------------------------------------------------------

TEST_F(GraphFilesTest, AVersion99HeaderLeavesThe3DSetUnchanged) {
  graphs3d_.Create(Graph3DKind::kSpherical);
  EXPECT_EQ(Read3D(Lines({"0", "99", "1", "0", "0", "0", "0", "0", "0"})), LoadStatus::kRejected);
  ASSERT_EQ(graphs3d_.size(), 1u);
  EXPECT_EQ(graphs3d_[0].kind(), Graph3DKind::kSpherical);
  EXPECT_EQ(Read3D(Lines({"0", "100", "1", "0", "0", "0", "0", "0"})),
            LoadStatus::kDamaged);  // no count: the set is still unchanged
  EXPECT_EQ(graphs3d_.size(), 1u);
}

TEST_F(GraphFilesTest, ADamagedFileKeepsWhatWasRead) {
  testing::FillEvery2DKind(graphs2d_);
  const std::string bytes = GraphSet2DBytes(graphs2d_, table_);
  // Cut inside the Polar graph's editor row, after its first text.
  const std::size_t cut = bytes.find("2cos(3") + 8;
  EXPECT_EQ(Read2D(bytes.substr(0, cut)), LoadStatus::kDamaged);
  ASSERT_EQ(graphs2d_.size(), 3u);
  EXPECT_EQ(graphs2d_[1].expression_text, u"cos(u)");
  const auto& polar = dynamic_cast<const PolarGraph&>(graphs2d_[2]);
  EXPECT_EQ(polar.style, GraphStyle::kDotted);         // read before the damage
  EXPECT_EQ(polar.parameter.maximum_text.size(), 2u);  // the default 2π stays
  EXPECT_EQ(polar.colour, colour::kGreen);             // the default of the third place
}

TEST_F(GraphFilesTest, HugeCountsAndUnknownKindsStopTheLoad) {
  const std::string function = Lines({"0", "1", "255", "1", "1", "1", "x"});
  // A count of 10^9 reads the graphs that are there.
  EXPECT_EQ(Read2D("1000000000\n" + function + function), LoadStatus::kDamaged);
  EXPECT_EQ(graphs2d_.size(), 2u);
  // No more than 16 are kept, whatever the count.
  std::string many = "20\n";
  for (int i = 0; i < 20; ++i) many += function;
  EXPECT_EQ(Read2D(many), LoadStatus::kDamaged);
  EXPECT_EQ(graphs2d_.size(), kMaxGraphs);
  // Kind 3 does not exist: the graphs before it stay.
  EXPECT_EQ(Read2D("3\n" + function + "3\n" + function), LoadStatus::kDamaged);
  EXPECT_EQ(graphs2d_.size(), 1u);
  EXPECT_EQ(Read2D("-1\n"), LoadStatus::kDamaged);  // nothing read: unchanged
  EXPECT_EQ(graphs2d_.size(), 1u);

  const std::string header = Lines({"0", "100", "1", "0", "0", "0", "0", "0"});
  graphs3d_.Create(Graph3DKind::kFunction);
  EXPECT_EQ(Read3D(header + Lines({"1", "0", "0", "0", "0", "0", "0", "4"})), LoadStatus::kDamaged);
  EXPECT_TRUE(graphs3d_.empty());
}

TEST_F(GraphFilesTest, AnEditorRowLongerThanTheGraphsIsPassedOver) {
  const std::string bytes = "2\n" +
                            Lines({"0", "1", "255", "1", "3", "1", "a", "1", "b", "1", "c"}) +
                            Lines({"0", "1", "255", "1", "1", "1", "d"});
  EXPECT_EQ(Read2D(bytes), LoadStatus::kLoaded);
  ASSERT_EQ(graphs2d_.size(), 2u);
  EXPECT_EQ(graphs2d_[0].expression_text, u"");  // the row stays unread
  EXPECT_EQ(graphs2d_[1].expression_text, u"d");
}

}  // namespace
}  // namespace zentrix::graphing::files
