#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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

// A process id that belonged to a process which has ended.
long EndedProcess() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

void Touch(const fs::path& path) { std::ofstream(path) << "x"; }

TEST(TemporaryNameTest, KnowsOnlyTheWritersOwnForm) {
  long pid = 0;
  EXPECT_TRUE(IsTemporaryName(".Graph2D.dat.tmp123-0", &pid));
  EXPECT_EQ(pid, 123);
  EXPECT_TRUE(IsTemporaryName(".a.tmp.tmp7-15", &pid));
  EXPECT_EQ(pid, 7);
  for (const char* other :
       {"Graph2D.dat.tmp123-0", ".tmp123-0", ".a.tmp123", ".a.tmp-1", ".a.tmp12-", ".a.tmp1x-2",
        ".a.tmp0-1", ".a.tmp12-3 copy", ".a.TMP12-3", ".bashrc"}) {
    EXPECT_FALSE(IsTemporaryName(other, &pid)) << other;
  }
}

TEST_F(AtomicFileTest, StartUpRemovesOnlyTheLeftoversOfEndedSaves) {
  const std::string ended = std::to_string(EndedProcess());
  const std::string running = std::to_string(getppid());
  fs::create_directories(folder_ / "Files" / "deep");
  const fs::path stale[] = {folder_ / (".registry.txt.tmp" + ended + "-0"),
                            folder_ / "Files" / "deep" / (".a.qv1.tmp" + ended + "-3"),
                            folder_ / (".notebook.txt.tmp" + std::to_string(getpid()) + "-9")};
  // A running copy's save in progress, and files that only look similar.
  const fs::path kept[] = {folder_ / (".Graph2D.dat.tmp" + running + "-0"),
                           folder_ / ("registry.txt.tmp" + ended + "-0"), folder_ / ".a.tmp",
                           folder_ / "Files" / (".x.tmp" + ended + "-old"),
                           folder_ / "Files" / "notes.txt"};
  for (const fs::path& path : stale) Touch(path);
  for (const fs::path& path : kept) Touch(path);
  // A link to a folder outside is not followed, and the link itself stays.
  const fs::path outside = folder_.string() + "_outside";
  fs::create_directories(outside);
  Touch(outside / (".b.txt.tmp" + ended + "-0"));
  fs::create_directory_symlink(outside, folder_ / "link");

  EXPECT_EQ(RemoveStaleTemporaryFiles(folder_.string()), 3);
  for (const fs::path& path : stale) EXPECT_FALSE(fs::exists(path)) << path;
  for (const fs::path& path : kept) EXPECT_TRUE(fs::exists(path)) << path;
  EXPECT_TRUE(fs::exists(outside / (".b.txt.tmp" + ended + "-0")));
  EXPECT_EQ(RemoveStaleTemporaryFiles((folder_ / "missing").string()), 0);
  fs::remove_all(outside);
}

}  // namespace
}  // namespace zentrix::platform
