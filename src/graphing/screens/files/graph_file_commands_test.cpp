#include "graphing/screens/files/graph_file_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "engine/core/charset.h"
#include "graphing/files/testing/sample_sets.h"
#include "ui/testing/ui_test_support.h"

namespace zentrix::graphing::screens {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class GraphFileCommandsTest : public ui::testing::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    ui::Ui().encoder = [](std::u16string_view text) { return chars::ToUtf8(text); };
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::remove_all(folder_);
    UiTest::TearDown();
  }

  GraphFileServices Services() {
    GraphFileServices services;
    services.data_folder = folder_;
    services.show_message = [this](std::u16string text, bool yes_no,
                                   std::function<void(bool)> on_result) {
      messages_.push_back(text);
      if (on_result) on_result(yes_no ? answer_ : true);
    };
    services.on_set_changed = [this](Dimension d) { changed_.push_back(d); };
    return services;
  }
  // Taps the centre of the open list's item.
  static void TapItem(GraphFileCommands& commands, int index) {
    const draw::Rect r = commands.FileList().ItemRect(index);
    const ui::Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    commands.StylusDown(centre);
    commands.StylusUp(centre);
  }
  void SaveAs(Dimension d, const std::u16string& name) {
    commands_.SaveAs(d, area_);
    ASSERT_TRUE(commands_.DialogShown());
    commands_.SaveDialog().NameBox().SetText(name);
    commands_.SaveDialog().PressSave();
  }

  // One folder per test: ctest runs the tests of this fixture side by side.
  fs::path folder_ =
      fs::temp_directory_path() / (std::string("zentrix_graph_commands_") +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  draw::Rect area_{0, 20, 240, 280};
  GraphSet2D graphs2d_;
  files::DataTable table_;
  GraphSet3D graphs3d_;
  GraphFileCommands commands_{Services(), {graphs2d_, table_, graphs3d_}};
  std::vector<std::u16string> messages_;
  std::vector<Dimension> changed_;
  bool answer_ = true;
};

TEST_F(GraphFileCommandsTest, TheMenuFollowsTheGrapher) {
  const auto menu2d = GraphFileCommands::FileMenu(Dimension::k2D);
  const auto menu3d = GraphFileCommands::FileMenu(Dimension::k3D);
  EXPECT_EQ(menu2d[2].text, u"Save 2D");
  EXPECT_EQ(menu2d[3].text, u"Save 2D As...");
  EXPECT_EQ(menu3d[2].text, u"Save 3D");
  EXPECT_EQ(menu3d[3].text, u"Save 3D As...");
  EXPECT_EQ(menu3d[3].command, ui::MenuCommand::kSaveAs);
}

TEST_F(GraphFileCommandsTest, NewAsksBeforeErasingTheSet) {
  graphs3d_.Create(Graph3DKind::kFunction);
  answer_ = false;
  commands_.New(Dimension::k3D);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0],
            u"Are you sure you to create a new file?\n\n[yellow]This will erase all your 3D "
            u"graphs.[/]");
  EXPECT_EQ(graphs3d_.size(), 1u);
  answer_ = true;
  graphs2d_.Create(Graph2DKind::kFunction);
  commands_.OnMenuCommand(Dimension::k3D, ui::MenuCommand::kNew, area_);
  EXPECT_TRUE(graphs3d_.empty());
  EXPECT_EQ(graphs2d_.size(), 1u);  // the other grapher's set is not touched
  EXPECT_EQ(changed_, std::vector<Dimension>{Dimension::k3D});
}

TEST_F(GraphFileCommandsTest, SaveAsThenSaveThenOpenInAnotherSession) {
  files::testing::FillDataTable(table_);
  files::testing::FillEvery2DKind(graphs2d_);
  commands_.Save(Dimension::k2D, area_);  // no file yet: acts as Save As...
  ASSERT_TRUE(commands_.SaveDialog().Shown());
  commands_.SaveDialog().PressCancel();
  SaveAs(Dimension::k2D, u"Stats \u00ED");
  const fs::path path = folder_ / "Graphs" / "Stats \xCF\x80.qv2";
  ASSERT_TRUE(fs::exists(path));
  EXPECT_EQ(commands_.CurrentName(Dimension::k2D), u"Stats \u00ED");
  EXPECT_EQ(ReadFile(path), files::GraphSet2DBytes(graphs2d_, table_));

  graphs2d_.Remove(0);
  commands_.OnMenuCommand(Dimension::k2D, ui::MenuCommand::kSave, area_);
  EXPECT_FALSE(commands_.DialogShown());
  EXPECT_EQ(ReadFile(path).substr(0, 2), "6\n");

  GraphSet2D graphs;
  files::DataTable table;
  GraphSet3D graphs3d;
  GraphFileCommands other(Services(), {graphs, table, graphs3d});
  other.Open(Dimension::k2D, area_);
  ASSERT_EQ(other.FileList().Items().size(), 1u);
  EXPECT_EQ(other.FileList().Items()[0].entries, 6);
  EXPECT_EQ(other.FileList().CountText(6), u"6 Graphs");
  TapItem(other, 0);
  EXPECT_EQ(graphs.size(), 6u);
  EXPECT_EQ(table.grid.CellText(1, 2), u"6.5");
  EXPECT_EQ(other.CurrentName(Dimension::k2D), u"Stats \u00ED");
  EXPECT_TRUE(messages_.empty());
}

TEST_F(GraphFileCommandsTest, AFailedWriteKeepsTheOldFileAndSaysSo) {
  graphs3d_.Create(Graph3DKind::kSpherical);
  SaveAs(Dimension::k3D, u"ball");
  const fs::path saved = folder_ / "Graphs" / "ball.qv3";
  const std::string before = ReadFile(saved);
  // A name that fits the folder while the temporary file beside it does not,
  // so a save over it cannot start; the set is opened from it first.
  const fs::path path = folder_ / "Graphs" / (std::string(246, 'b') + ".qv3");
  fs::rename(saved, path);
  commands_.Open(Dimension::k3D, area_);
  ASSERT_EQ(commands_.FileList().Items().size(), 1u);
  TapItem(commands_, 0);
  ASSERT_TRUE(messages_.empty());
  graphs3d_.Create(Graph3DKind::kFunction);
  commands_.Save(Dimension::k3D, area_);
  EXPECT_EQ(ReadFile(path), before);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], GraphFileCommands::kCannotSave);
}

TEST_F(GraphFileCommandsTest, UnreadableFilesLeaveTheSetAndAreReported) {
  fs::create_directories(folder_ / "Graphs");
  std::ofstream(folder_ / "Graphs" / "old.qv3") << "0\n99\n1\n0\n0\n0\n0\n0\n0\n";
  graphs3d_.Create(Graph3DKind::kCylindrical);
  commands_.Open(Dimension::k3D, area_);
  ASSERT_EQ(commands_.FileList().Items().size(), 1u);
  TapItem(commands_, 0);
  EXPECT_EQ(graphs3d_.size(), 1u);
  EXPECT_EQ(messages_, std::vector<std::u16string>{GraphFileCommands::kCannotOpen});
  EXPECT_TRUE(commands_.CurrentName(Dimension::k3D).empty());

  // A damaged file: what was read is kept and said once, and it is not the
  // current file, so Save asks for a name instead of writing over it.
  std::ofstream(folder_ / "Graphs" / "cut.qv2") << "2\n0\n1\n255\n1\n1\n1\nx\n";
  messages_.clear();
  commands_.Open(Dimension::k2D, area_);
  TapItem(commands_, 0);
  EXPECT_EQ(messages_, std::vector<std::u16string>{GraphFileCommands::kDamaged});
  ASSERT_EQ(graphs2d_.size(), 1u);
  EXPECT_EQ(graphs2d_[0].expression_text, u"x");
  EXPECT_TRUE(commands_.CurrentName(Dimension::k2D).empty());
  EXPECT_EQ(changed_, std::vector<Dimension>{Dimension::k2D});
}

TEST_F(GraphFileCommandsTest, DefaultFilesLoadOnceAndAreWrittenBack) {
  // A damaged default file: what was read stays, said once.
  std::ofstream(folder_ / "Graph2D.dat") << "2\n0\n1\n255\n1\n1\n1\nx\n0\n1\n";
  commands_.LoadDefaultOnce(Dimension::k2D);
  commands_.LoadDefaultOnce(Dimension::k2D);
  EXPECT_EQ(messages_, std::vector<std::u16string>{GraphFileCommands::kDamaged});
  ASSERT_EQ(graphs2d_.size(), 2u);
  EXPECT_EQ(graphs2d_[0].expression_text, u"x");
  // A missing 3D default is a first run: nothing is said.
  commands_.LoadDefaultOnce(Dimension::k3D);
  EXPECT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(commands_.DefaultLoaded(Dimension::k3D));

  graphs3d_.Create(Graph3DKind::kFunction);
  EXPECT_TRUE(commands_.WriteBackDefaults());
  EXPECT_EQ(ReadFile(folder_ / "Graph2D.dat"), files::GraphSet2DBytes(graphs2d_, table_));
  EXPECT_EQ(ReadFile(folder_ / "Graph3D.dat"), files::GraphSet3DBytes(graphs3d_));

  // A grapher never shown does not write its file.
  GraphSet2D graphs;
  files::DataTable table;
  GraphSet3D graphs3d;
  fs::remove(folder_ / "Graph3D.dat");
  GraphFileCommands other(Services(), {graphs, table, graphs3d});
  other.LoadDefaultOnce(Dimension::k2D);
  EXPECT_TRUE(other.WriteBackDefaults());
  EXPECT_FALSE(fs::exists(folder_ / "Graph3D.dat"));
}

}  // namespace
}  // namespace zentrix::graphing::screens
