// What the program writes survives the ways it can end: a SIGTERM runs the
// normal exit path (settings and the current notebook saved), and a SIGKILL at
// any moment of repeated saves leaves every file either as it was or as the
// save meant it, never half written.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

fs::path FreshFolder(const std::string& name) {
  const fs::path folder = fs::path(ZENTRIX_BINARY_DIR) / "e2e_saves" / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  // Past the first run, so that the first-run tutorial does not take the input.
  std::ofstream(folder / "registry.txt") << "[Software\\Corvane\\Zentrix 2.0]\nNew=dword:0\n";
  return folder;
}

// Starts `zentrix --headless` on the script in `home`; its output goes to a
// log in the home folder.
pid_t StartProgram(const fs::path& home, const fs::path& script) {
  const pid_t pid = fork();
  if (pid == 0) {
    const std::string log = (home / "output.log").string();
    freopen(log.c_str(), "w", stdout);
    freopen(log.c_str(), "a", stderr);
    execl(ZENTRIX_PATH, ZENTRIX_PATH, "--headless", "--home", home.c_str(), "--script",
          script.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

// The exit status, or -1 when the program had to be killed after `limit`.
int WaitFor(pid_t pid, std::chrono::milliseconds limit) {
  const auto until = Clock::now() + limit;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (Clock::now() > until) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool WaitForFile(const fs::path& path, std::chrono::milliseconds limit) {
  const auto until = Clock::now() + limit;
  while (!fs::exists(path)) {
    if (Clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// Long enough that only a signal ends the program.
std::string Waiting() {
  std::string lines;
  for (int i = 0; i < 20; ++i) lines += "frames 1000000\n";
  return lines;
}

TEST(SavesTest, TerminationSavesSettingsAndTheCurrentNotebook) {
  const fs::path home = FreshFolder("sigterm");
  const fs::path script = home / "run.script";
  const fs::path ready = home / "ready.json";
  WriteFile(script,
            "type 1+2\nmenu Solve\nmenu File/Save As...\ntype kept\nclick Save\n"
            "type 3*4\nmenu Solve\nclick style\ndump " +
                ready.string() + "\n" + Waiting());
  const pid_t pid = StartProgram(home, script);
  ASSERT_TRUE(WaitForFile(ready, std::chrono::seconds(30))) << ReadFile(home / "output.log");
  kill(pid, SIGTERM);
  EXPECT_EQ(WaitFor(pid, std::chrono::seconds(10)), 0) << ReadFile(home / "output.log");
  const std::string registry = ReadFile(home / "registry.txt");
  EXPECT_NE(registry.find("CalculatorFile=sz:kept\n"), std::string::npos) << registry;
  EXPECT_NE(registry.find("StyleIndex=dword:"), std::string::npos) << registry;
  // The entry solved after the last save was saved on the way out.
  EXPECT_NE(ReadFile(home / "Files/kept.qv1").find("3*4"), std::string::npos);
}

// The same saves as the kill runs, but each version under its own name, so
// that every version a kill may leave behind is known exactly.
constexpr int kSaves = 12;

std::string VersionsScript() {
  std::string script;
  for (int k = 1; k <= kSaves; ++k) {
    script += "type " + std::to_string(k) + "\nmenu Solve\nmenu File/Save As...\ntype v" +
              std::to_string(k) + "\nclick Save\n";
  }
  return script + "click style\n";
}

std::string SavesScript() {
  std::string script;
  for (int k = 1; k <= kSaves; ++k) {
    script += "type " + std::to_string(k) + "\nmenu Solve\n";
    script += k == 1 ? "menu File/Save As...\ntype book\nclick Save\n" : "menu File/Save book\n";
  }
  return script + "click style\n";
}

TEST(SavesTest, AKillDuringSavesLeavesEachFileOldOrNew) {
  const fs::path reference = FreshFolder("versions");
  WriteFile(reference / "run.script", VersionsScript());
  ASSERT_EQ(WaitFor(StartProgram(reference, reference / "run.script"), std::chrono::seconds(60)), 0)
      << ReadFile(reference / "output.log");
  std::set<std::string> notebooks;
  for (int k = 1; k <= kSaves; ++k) {
    const fs::path version =
        reference / "Files" / std::string("v").append(std::to_string(k)).append(".qv1");
    ASSERT_TRUE(fs::exists(version)) << version;
    notebooks.insert(ReadFile(version));
  }
  ASSERT_EQ(notebooks.size(), static_cast<std::size_t>(kSaves));

  // The settings before the run (the defaults, stored by a run that only
  // ends) and after it (the style toggled, the notebook remembered).
  const fs::path defaults = FreshFolder("defaults");
  WriteFile(defaults / "run.script", "quit\n");
  ASSERT_EQ(WaitFor(StartProgram(defaults, defaults / "run.script"), std::chrono::seconds(60)), 0);
  const std::string old_registry = ReadFile(defaults / "registry.txt");

  const fs::path home = FreshFolder("kills");
  const fs::path script = home / "run.script";
  WriteFile(script, SavesScript());
  WriteFile(home / "registry.txt", old_registry);
  const auto started = Clock::now();
  ASSERT_EQ(WaitFor(StartProgram(home, script), std::chrono::seconds(60)), 0);
  const auto whole_run = Clock::now() - started;
  const std::string new_registry = ReadFile(home / "registry.txt");
  ASSERT_NE(new_registry, old_registry);
  ASSERT_EQ(notebooks.count(ReadFile(home / "Files/book.qv1")), 1u);

  // Kill moments spread over the whole run, start-up and exit included.
  std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<long> moment(
      0, std::chrono::duration_cast<std::chrono::microseconds>(whole_run).count() * 11 / 10);
  int killed_during_run = 0;
  pid_t pid = 0;
  for (int run = 0; run < 12; ++run) {
    fs::remove_all(home / "Files");
    WriteFile(home / "registry.txt", old_registry);
    pid = StartProgram(home, script);
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    kill(pid, SIGKILL);
    if (WaitFor(pid, std::chrono::seconds(10)) == 128 + SIGKILL) ++killed_during_run;

    const std::string registry = ReadFile(home / "registry.txt");
    EXPECT_TRUE(registry == old_registry || registry == new_registry) << "run " << run << ":\n"
                                                                      << registry;
    const fs::path notebook = home / "Files/book.qv1";
    if (fs::exists(notebook)) {
      EXPECT_EQ(notebooks.count(ReadFile(notebook)), 1u) << "run " << run;
    }
  }
  EXPECT_GT(killed_during_run, 0);

  // The next start removes the temporary files of saves a kill cut short
  // (one is planted, in case no kill hit a save), and nothing else.
  fs::create_directories(home / "Files");
  WriteFile(home / "Files" / (".book.qv1.tmp" + std::to_string(pid) + "-0"), "half");
  WriteFile(home / "Files" / ".hidden.tmp", "a user's file");
  WriteFile(home / "quit.script", "quit\n");
  ASSERT_EQ(WaitFor(StartProgram(home, home / "quit.script"), std::chrono::seconds(60)), 0);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(home)) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name.rfind('.', 0) != 0 || name == ".hidden.tmp") << entry.path();
  }
}

}  // namespace
