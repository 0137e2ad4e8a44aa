#include "platform/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zentrix::platform {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("zentrix_atomic_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Only the target itself: a temporary file left beside it would pile up.
  int FilesInFolder() const {
    return static_cast<int>(std::distance(fs::directory_iterator(folder_), {}));
  }

  fs::path folder_;
};

TEST_F(AtomicFileTest, ReplacesTheWholeFileAndLeavesNoTemporaryFile) {
  const std::string path = (folder_ / "registry.txt").string();
  ASSERT_TRUE(WriteFileAtomically(path, std::string(100000, 'a')));
  ASSERT_TRUE(WriteFileAtomically(path, std::string_view("short")));
  EXPECT_EQ(Read(path), "short");
  const std::uint8_t bytes[] = {0x89, 'P', 'N', 'G', 0, 1};
  ASSERT_TRUE(WriteFileAtomically(path, std::span<const std::uint8_t>(bytes)));
  EXPECT_EQ(Read(path), std::string("\x89PNG\0\1", 6));
  EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(AtomicFileTest, AFailedSaveKeepsTheOldFile) {
  const std::string path = (folder_ / "notes.txt").string();
  ASSERT_TRUE(WriteFileAtomically(path, std::string_view("old")));
  // A folder in the file's place: the rename fails after the data was written.
  const std::string blocked = (folder_ / "taken").string();
  fs::create_directories(fs::path(blocked) / "inside");
  EXPECT_FALSE(WriteFileAtomically(blocked, std::string_view("new")));
  EXPECT_FALSE(
      WriteFileAtomically((folder_ / "missing" / "x.txt").string(), std::string_view("new")));
  EXPECT_EQ(Read(path), "old");
  EXPECT_EQ(FilesInFolder(), 2);  // notes.txt and the folder, no temporary file
}

}  // namespace
}  // namespace zentrix::platform
