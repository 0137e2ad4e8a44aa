#include "shell/settings/settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/core/engine_state.h"

namespace zentrix::shell {
namespace {

namespace fs = std::filesystem;

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void Write(const std::string& text) { std::ofstream(path_) << text; }
  std::string Read() {
    std::ifstream in(path_);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  engine::ScopedEngineState engine_;
  fs::path folder_ = fs::path(ZENTRIX_BINARY_DIR) / "settings_store_test" /
                     ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::string path_ = (folder_ / "registry.txt").string();
  Registry registry_{path_};
};

TEST_F(SettingsStoreTest, SavesEveryValueInTableOrderAndKeepsOtherValues) {
  Write(
      "[Software\\Corvane\\Zentrix 2.0]\nCalculatorFile=sz:Homework\n"
      "[Software\\Corvane\\Zentrix 2.0\\Graphing2D]\nXmin=sz:-10\n");
  ui::ProgramSettings settings;
  settings.number_mode = 1;
  settings.precision = ui::kFloatPrecision;
  ASSERT_TRUE(SaveSettings(registry_, settings, 1));
  const std::string text = Read();
  std::size_t at = 0;
  for (const char* name :
       {"Start=dword:1", "New=", "Precision=dword:4294967295",
        "Notation=", "ShowZeros=", "AlwaysGraphInRadians=", "NumberMode=dword:1",
        "AngleMode=", "UseSmartSolve=", "StyleIndex=", "UseSmallFont=", "UseLargeFont=",
        "UseColorParenthesis=", "AnswerColor=", "CellColor1=", "CellColor2="}) {
    const std::size_t found = text.find(name, at);
    ASSERT_NE(found, std::string::npos) << name << " missing or out of order in\n" << text;
    at = found;
  }
  EXPECT_NE(text.find("CalculatorFile=sz:Homework"), std::string::npos);
  EXPECT_NE(text.find("Xmin=sz:-10"), std::string::npos);

  ui::ProgramSettings loaded;
  ASSERT_TRUE(LoadSettings(registry_, loaded));
  EXPECT_EQ(loaded.precision, ui::kFloatPrecision);
  EXPECT_EQ(loaded.number_mode, 1);
  EXPECT_EQ(loaded.start_screen, 1);
}

TEST_F(SettingsStoreTest, LoadSetsTheEngineAngleAndApplyCopiesTheDecimals) {
  Write(
      "[Software\\Corvane\\Zentrix 2.0]\nAngleMode=dword:1\nPrecision=dword:3\n"
      "Notation=dword:2\nShowZeros=dword:1\n");
  ui::ProgramSettings settings;
  ASSERT_TRUE(LoadSettings(registry_, settings));
  EXPECT_EQ(engine::Engine().angle_unit, 1);
  ApplyEngineSettings(settings);
  EXPECT_EQ(engine::Engine().number_format.precision, 3);
  EXPECT_EQ(engine::Engine().number_format.notation, engine::Notation::kEngineering);
  EXPECT_TRUE(engine::Engine().number_format.show_zeros);
}

TEST_F(SettingsStoreTest, AnUnreadableRegistryKeepsDefaultsAndIsNotOverwritten) {
  fs::create_directories(path_);  // a folder where the file should be
  ui::ProgramSettings settings;
  settings.precision = 9;
  EXPECT_FALSE(LoadSettings(registry_, settings));
  EXPECT_EQ(settings.precision, 9);
  EXPECT_FALSE(SaveSettings(registry_, settings, 0));
  EXPECT_TRUE(fs::is_directory(path_));
}

TEST_F(SettingsStoreTest, ABatchOfStoresIsWrittenOnceAtItsEnd) {
  registry_.BeginBatch();
  ASSERT_TRUE(registry_.WriteDword("Start", 3));
  ASSERT_TRUE(registry_.WriteDword("Precision", 7));
  EXPECT_FALSE(fs::exists(path_));              // nothing on the disk yet
  EXPECT_EQ(registry_.ReadDword("Start"), 3u);  // the batch reads its own values
  ASSERT_TRUE(registry_.EndBatch());
  EXPECT_EQ(Registry(path_).ReadDword("Start"), 3u);
  EXPECT_EQ(Registry(path_).ReadDword("Precision"), 7u);
  ASSERT_TRUE(registry_.WriteDword("Start", 4));  // after the batch, stores write at once
  EXPECT_EQ(Registry(path_).ReadDword("Start"), 4u);
}

}  // namespace
}  // namespace zentrix::shell
