#include "platform/home_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/single_instance.h"

namespace zentrix::platform {
namespace {

namespace fs = std::filesystem;

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (had_) {
      setenv(name_, old_.c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

TEST(HomeFolderTest, ResolvesOptionThenEnvironment) {
  ScopedEnv home("HOME", "/users/ann");
  ScopedEnv xdg("XDG_DATA_HOME", nullptr);
  ScopedEnv zentrix("ZENTRIX_HOME", nullptr);
  EXPECT_EQ(ResolveHomeFolder(""), "/users/ann/.local/share/zentrix");
  {
    ScopedEnv data("XDG_DATA_HOME", "/data");
    EXPECT_EQ(ResolveHomeFolder(""), "/data/zentrix");
    ScopedEnv own("ZENTRIX_HOME", "/own");
    EXPECT_EQ(ResolveHomeFolder(""), "/own");
    EXPECT_EQ(ResolveHomeFolder("/opt"), "/opt");
  }
  EXPECT_EQ(HomePath("/h", "\\My Documents\\a.png"), "/h/My Documents/a.png");
}

TEST(HomeFolderTest, CreatesItsFoldersOrSaysWhyNot) {
  const fs::path root = fs::path(ZENTRIX_BINARY_DIR) / "home_folder_test" /
                        ::testing::UnitTest::GetInstance()->current_test_info()->name();
  fs::remove_all(root);
  std::string error;
  ASSERT_TRUE(PrepareHomeFolder((root / "home").string(), &error)) << error;
  EXPECT_TRUE(fs::is_directory(root / "home" / "Files"));
  EXPECT_TRUE(fs::is_directory(root / "home" / "Notes"));

  std::ofstream(root / "file") << "x";
  EXPECT_FALSE(PrepareHomeFolder((root / "file").string(), &error));
  EXPECT_NE(error.find("file"), std::string::npos);
}

TEST(SingleInstanceTest, SecondCopyAsksTheFirstToRaise) {
  const fs::path home = fs::path(ZENTRIX_BINARY_DIR) / "single_instance_test" /
                        ::testing::UnitTest::GetInstance()->current_test_info()->name();
  fs::create_directories(home);
  SingleInstance first;
  ASSERT_EQ(first.ClaimFor(home.string()), SingleInstance::Claim::kFirst);
  EXPECT_FALSE(first.TakeRaiseRequest());
  {
    SingleInstance second;
    EXPECT_EQ(second.ClaimFor(home.string()), SingleInstance::Claim::kAnotherRunning);
  }
  EXPECT_TRUE(first.TakeRaiseRequest());
  EXPECT_FALSE(first.TakeRaiseRequest());
  first.Release();
  SingleInstance third;
  EXPECT_EQ(third.ClaimFor(home.string()), SingleInstance::Claim::kFirst);
}

}  // namespace
}  // namespace zentrix::platform
