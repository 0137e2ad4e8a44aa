#include "platform/registry_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace zentrix::platform {
namespace {

constexpr std::string_view kKey = "Software\\Corvane\\Zentrix 2.0";

TEST(RegistryFileTest, ReadsTypedValuesAndSkipsWhatItCannotRead) {
  RegistryFile file;
  file.Parse(
      "Orphan=dword:1\n"
      "[Software\\Corvane\\Zentrix 2.0]\r\n"
      "Precision=dword:5\n"
      "CalculatorFile=sz:Home\\\\work \xCF\x80\n"
      "Broken line without equals\n"
      "Bad=dword:12x\n"
      "Huge=dword:4294967296\n"
      "Unknown=qword:1\n"
      "Float=dword:-1\n"
      "Hex=dword:0xFF\n"
      "BadEscape=sz:a\\q\n"
      "[Software\\Corvane\\Zentrix 2.0\\Graphing2D]\n"
      "Xmin=sz:-10\n"
      "[unterminated\n"
      "Lost=dword:3\n");
  EXPECT_EQ(file.GetDword(kKey, "Precision"), 5u);
  EXPECT_EQ(file.GetDword(kKey, "precision"), 5u);  // names ignore case
  EXPECT_EQ(file.GetString(kKey, "CalculatorFile"), "Home\\work \xCF\x80");
  EXPECT_EQ(file.GetDword(kKey, "Float"), 0xFFFFFFFFu);
  EXPECT_EQ(file.GetDword(kKey, "Hex"), 255u);
  for (const char* name : {"Orphan", "Bad", "Huge", "Unknown", "BadEscape", "Lost"}) {
    EXPECT_FALSE(file.GetDword(kKey, name)) << name;
    EXPECT_FALSE(file.GetString(kKey, name)) << name;
  }
  EXPECT_EQ(file.GetString("Software\\Corvane\\Zentrix 2.0\\Graphing2D", "Xmin"), "-10");
  // A value of the other type reads as missing.
  EXPECT_FALSE(file.GetString(kKey, "Precision"));
  EXPECT_FALSE(file.GetDword(kKey, "CalculatorFile"));
}

TEST(RegistryFileTest, RepeatedNamesMergeWithoutRegardToCase) {
  RegistryFile file;
  file.Parse(
      "[Software\\Corvane\\Zentrix 2.0]\nPrecision=dword:5\n[Other]\nA=dword:1\n"
      "[SOFTWARE\\corvane\\zentrix 2.0]\nPRECISION=dword:6\nStart=dword:2\n");
  EXPECT_EQ(file.Serialize(),
            "[Software\\Corvane\\Zentrix 2.0]\nPrecision=dword:6\nStart=dword:2\n"
            "[Other]\nA=dword:1\n");

  // A long file (many keys, many values) reads in one pass.
  std::string text;
  for (int i = 0; i < 20000; ++i) {
    text += "[K" + std::to_string(i % 5000) + "]\nV" + std::to_string(i) + "=dword:1\n";
  }
  file.Parse(text);
  EXPECT_EQ(file.GetDword("k4999", "v19999"), 1u);
  const std::string written = file.Serialize();
  EXPECT_EQ(std::count(written.begin(), written.end(), '['), 5000);
  EXPECT_EQ(std::count(written.begin(), written.end(), '='), 20000);
}

TEST(RegistryFileTest, WritesThroughARenameAndReadsBackEqual) {
  const auto folder = std::filesystem::path(ZENTRIX_BINARY_DIR) / "registry_file_test" /
                      ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  RegistryFile file((folder / "registry.txt").string());
  EXPECT_TRUE(file.Load());  // missing is an empty registry
  file.SetDword(kKey, "Precision", 7);
  file.SetString(kKey, "Name", "two\nlines \\ slash");
  file.SetDword(kKey, "Precision", 8);
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);  // no temp left

  RegistryFile again(file.Path());
  ASSERT_TRUE(again.Load());
  EXPECT_EQ(again.Serialize(), file.Serialize());
  EXPECT_EQ(again.GetDword(kKey, "Precision"), 8u);
  EXPECT_EQ(again.GetString(kKey, "Name"), "two\nlines \\ slash");

  RegistryFile nowhere((folder / "missing" / "registry.txt").string());
  nowhere.SetDword(kKey, "A", 1);
  EXPECT_FALSE(nowhere.Save());
}

}  // namespace
}  // namespace zentrix::platform
