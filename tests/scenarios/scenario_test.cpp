// Runs every *.script in this folder through `zentrix --headless` on a fresh
// home folder (the program's working folder too, so relative dump and shot
// files land in it) and checks what the script's own directive lines expect:
//
//   #@registry Name=dword:5       stored in the program's registry key first
//   #@status 1                    exit status (default 0)
//   #@stderr TEXT                 standard error contains TEXT
//   #@file FILE contains TEXT     the file (in the home folder) holds TEXT
//   #@file FILE lacks TEXT        ... does not hold TEXT
//   #@exists FILE                 the file exists
//   #@missing FILE                the file does not exist
//   #@same FILE OTHER             the two files hold the same bytes (OTHER may hold spaces)
//   #@text FILE is TEXT           the file holds exactly TEXT, where \n stands for a line feed
//   #@text FILE contains TEXT     ... holds TEXT somewhere
//   #@firstrun                    the home is left truly fresh: the first-run tutorial starts
//
// Otherwise the registry says the first run is over ("New=dword:0"), so that a
// script starts on the plain calculator.
//
// Dumps are written by the program's JSON writer as `"key": value` with ", "
// between members, so a member can be checked as text.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::vector<std::string> Scripts() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(ZENTRIX_SCENARIO_DIR)) {
    if (entry.path().extension() == ".script") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct Directives {
  std::vector<std::string> registry;
  int status = 0;
  std::vector<std::string> stderr_texts;
  struct FileCheck {
    std::string file;
    bool contains = true;
    std::string text;
  };
  std::vector<FileCheck> files;
  std::vector<std::string> exists;
  std::vector<std::string> missing;
  std::vector<std::pair<std::string, std::string>> same;
  std::vector<std::string> options;
  struct TextCheck {
    std::string file;
    bool whole = false;
    std::string text;
  };
  std::vector<TextCheck> texts;
  bool first_run = false;
};

// "\n" in a directive's text as the line feed it stands for.
std::string LineFeeds(std::string text) {
  for (std::size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1)) {
    text.replace(at, 2, "\n");
  }
  return text;
}

Directives ReadDirectives(const std::string& script) {
  Directives d;
  std::istringstream lines(script);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("#@", 0) != 0) continue;
    std::istringstream words(line.substr(2));
    std::string verb;
    words >> verb;
    std::string rest;
    std::getline(words, rest);
    rest.erase(0, rest.find_first_not_of(' '));
    if (verb == "registry") {
      d.registry.push_back(rest);
    } else if (verb == "status") {
      d.status = std::stoi(rest);
    } else if (verb == "stderr") {
      d.stderr_texts.push_back(rest);
    } else if (verb == "firstrun") {
      d.first_run = true;
    } else if (verb == "options") {
      d.options.push_back(rest);
    } else if (verb == "exists") {
      d.exists.push_back(rest);
    } else if (verb == "missing") {
      d.missing.push_back(rest);
    } else if (verb == "same") {
      const std::size_t space = rest.find(' ');
      d.same.emplace_back(rest.substr(0, space), rest.substr(space + 1));
    } else if (verb == "text") {
      std::istringstream parts(rest);
      Directives::TextCheck check;
      std::string how;
      parts >> check.file >> how;
      check.whole = how == "is";
      std::getline(parts, check.text);
      check.text = LineFeeds(check.text.substr(check.text.empty() ? 0 : 1));
      d.texts.push_back(check);
    } else if (verb == "file") {
      const std::size_t space = rest.find(' ');
      const std::string file = rest.substr(0, space);
      std::string tail = rest.substr(space + 1);
      const bool contains = tail.rfind("contains ", 0) == 0;
      tail.erase(0, tail.find(' ') + 1);
      d.files.push_back({file, contains, tail});
    } else {
      ADD_FAILURE() << "unknown directive " << verb;
    }
  }
  return d;
}

class ScenarioTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioTest, Runs) {
  const fs::path script = fs::path(ZENTRIX_SCENARIO_DIR) / (GetParam() + ".script");
  const Directives d = ReadDirectives(ReadFile(script));
  const fs::path home = fs::path(ZENTRIX_BINARY_DIR) / "scenarios" / GetParam();
  fs::remove_all(home);
  fs::create_directories(home);
  if (!d.first_run) {
    std::ofstream registry(home / "registry.txt");
    registry << "[Software\\Corvane\\Zentrix 2.0]\n";
    const bool names_new =
        std::any_of(d.registry.begin(), d.registry.end(),
                    [](const std::string& v) { return v.rfind("New=", 0) == 0; });
    if (!names_new) registry << "New=dword:0\n";
    for (const std::string& value : d.registry) registry << value << '\n';
  }
  std::string command = "cd " + Quote(home.string()) + " && " + Quote(ZENTRIX_PATH) +
                        " --headless --home . --skins " +
                        Quote(std::string(ZENTRIX_BINARY_DIR) + "/skins");
  for (const std::string& option : d.options) command += " " + option;
  command += " --script " + Quote(script.string()) + " 2> stderr.txt";
  const int raw = std::system(command.c_str());
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  const std::string errors = ReadFile(home / "stderr.txt");
  EXPECT_EQ(status, d.status) << errors;
  for (const std::string& text : d.stderr_texts) {
    EXPECT_NE(errors.find(text), std::string::npos) << "stderr lacks: " << text << "\n" << errors;
  }
  for (const std::string& file : d.exists) EXPECT_TRUE(fs::exists(home / file)) << file;
  for (const std::string& file : d.missing) EXPECT_FALSE(fs::exists(home / file)) << file;
  for (const auto& [first, second] : d.same) {
    ASSERT_TRUE(fs::exists(home / first)) << first;
    ASSERT_TRUE(fs::exists(home / second)) << second;
    EXPECT_TRUE(ReadFile(home / first) == ReadFile(home / second))
        << first << " differs from " << second;
  }
  for (const auto& check : d.texts) {
    const std::string contents = ReadFile(home / check.file);
    if (check.whole) {
      EXPECT_EQ(contents, check.text) << check.file;
    } else {
      EXPECT_NE(contents.find(check.text), std::string::npos)
          << check.file << " lacks: " << check.text;
    }
  }
  for (const auto& check : d.files) {
    const std::string contents = ReadFile(home / check.file);
    EXPECT_EQ(contents.find(check.text) != std::string::npos, check.contains)
        << check.file << (check.contains ? " lacks: " : " holds: ") << check.text;
  }
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScenarioTest, ::testing::ValuesIn(Scripts()),
                         [](const auto& info) { return info.param; });

}  // namespace

namespace {

// Runs the program with the given options; the status and standard error.
std::pair<int, std::string> RunProgram(const std::string& options) {
  // ctest runs these tests in parallel: each writes its own file.
  const std::string errors = std::string(ZENTRIX_BINARY_DIR) + "/program_options_stderr_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                             ".txt";
  const int raw =
      std::system((Quote(ZENTRIX_PATH) + " " + options + " 2> " + Quote(errors)).c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(errors)};
}

TEST(ProgramStartTest, AHomeFolderThatCannotBeMadeEndsWithAMessage) {
  const auto [status, errors] =
      RunProgram("--headless --home /proc/zentrix-home --frames 1 --shot x.png");
  EXPECT_EQ(status, 1);
  EXPECT_NE(errors.find("Cannot create the folder /proc/zentrix-home"), std::string::npos)
      << errors;
}

TEST(ProgramStartTest, BadOptionsEndWithStatusTwoAndTheUsage) {
  for (const char* options : {"--screen 100x100", "--scale 0", "--style dark", "--script s.txt",
                              "--headless --script a --shot b", "--frobnicate"}) {
    const auto [status, errors] = RunProgram(options);
    EXPECT_EQ(status, 2) << options;
    EXPECT_NE(errors.find("Usage: zentrix"), std::string::npos) << options;
  }
}

TEST(ProgramStartTest, AMissingScriptIsReported) {
  const auto [status, errors] = RunProgram(
      "--headless --home " + Quote(std::string(ZENTRIX_BINARY_DIR) + "/scenarios/missing") +
      " --script /nonexistent.script");
  EXPECT_EQ(status, 1);
  EXPECT_NE(errors.find("cannot read the script /nonexistent.script"), std::string::npos) << errors;
}

}  // namespace
