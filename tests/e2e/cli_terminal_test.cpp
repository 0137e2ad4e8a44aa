// zentrix-cli at a terminal: tmux runs the program in a pseudo-terminal, the
// keys are sent as a person types them, and the screen is read back. Every
// wait polls the screen until it shows what is expected, or gives up after a
// generous timeout and prints the screen.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs a shell command and returns its standard output.
std::string Output(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

bool TmuxAvailable() { return std::system("tmux -V > /dev/null 2>&1") == 0; }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// One zentrix-cli in a detached tmux session of its own server. When the
// program ends, the pane shows "[exit N]" and stays readable.
class Terminal {
 public:
  Terminal(const std::string& home, const std::string& environment = "env -u NO_COLOR") {
    static int count = 0;
    socket_ = "zentrix-e2e-" + std::to_string(getpid()) + "-" + std::to_string(++count);
    const std::string program = environment + " " + Quote(ZENTRIX_CLI_PATH) + " --home " +
                                Quote(home) + "; echo \"[exit $?]\"; sleep 600";
    Tmux("new-session -d -x 100 -y 50 " + Quote(program));
  }
  ~Terminal() { Tmux("kill-server"); }

  // Keys by tmux's names (Enter, Up, Tab, C-c, ...).
  void Keys(const std::string& keys) { Tmux("send-keys -t 0 " + keys); }
  // Text typed literally.
  void Type(const std::string& text) { Tmux("send-keys -t 0 -l " + Quote(text)); }

  int CursorRow() {
    return std::atoi(Output(TmuxCommand("display-message -p -t 0 '#{cursor_y}'")).c_str());
  }

  std::string Screen(bool with_colours = false) {
    return Output(TmuxCommand(std::string("capture-pane -p -t 0") + (with_colours ? " -e" : "")));
  }

  // Polls the screen until the test holds; false (and the screen reported) on timeout.
  bool WaitUntil(const std::function<bool(const std::vector<std::string>&)>& test,
                 const std::string& what) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (std::chrono::steady_clock::now() < deadline) {
      if (test(Lines(Screen()))) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ADD_FAILURE() << "Timed out waiting for " << what << "; the screen:\n" << Screen();
    return false;
  }

  // Waits until the last line of the screen is exactly `line` (the prompt and
  // what is typed after it).
  bool WaitForLastLine(const std::string& line) {
    return WaitUntil(
        [&](const std::vector<std::string>& lines) {
          return !lines.empty() && lines.back() == line;
        },
        "the last line '" + line + "'");
  }

  // Types a line and waits for the answer line that follows it and the next prompt.
  bool Enter(const std::string& entry, const std::string& answer) {
    Type(entry);
    return Submit(entry, answer);
  }

  // Waits until the prompt shows `entry`, presses Enter and waits for the
  // answer line and the next prompt.
  bool Submit(const std::string& entry, const std::string& answer) {
    if (!WaitForLastLine("> " + entry)) return false;
    Keys("Enter");
    return WaitUntil(
        [&](const std::vector<std::string>& lines) {
          return lines.size() >= 3 && lines[lines.size() - 3] == "> " + entry &&
                 lines[lines.size() - 2] == answer && lines.back() == ">";
        },
        "'" + answer + "' after '" + entry + "'");
  }

 private:
  std::string TmuxCommand(const std::string& arguments) const {
    return "tmux -L " + socket_ + " -f /dev/null " + arguments + " 2>/dev/null";
  }
  void Tmux(const std::string& arguments) const {
    int status = std::system(TmuxCommand(arguments).c_str());
    (void)status;
  }

  std::string socket_;
};

class CliTerminal : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!TmuxAvailable())
      GTEST_SKIP() << "tmux is not installed (scripts/install-deps installs it)";
    home_ = std::string(ZENTRIX_BINARY_DIR) + "/e2e_terminal_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(home_);
  }
  void TearDown() override { std::filesystem::remove_all(home_); }

  std::string home_;
};

TEST_F(CliTerminal, TypeRecallCompleteAskForHelpAndChangeASetting) {
  Terminal t(home_);
  ASSERT_TRUE(t.WaitForLastLine(">"));
  ASSERT_TRUE(t.Enter("y=6", "6"));
  // The up arrow brings the entry back for editing.
  t.Keys("Up");
  ASSERT_TRUE(t.WaitForLastLine("> y=6"));
  t.Keys("BSpace");
  t.Type("7*y");
  ASSERT_TRUE(t.Submit("y=7*y", "42"));
  t.Type("Fac");
  t.Keys("Tab");
  ASSERT_TRUE(t.WaitForLastLine("> Factor("));
  t.Keys("C-u");
  ASSERT_TRUE(t.Enter("Factor(x^2-1)", "(x - 1)·(x + 1)"));
  ASSERT_TRUE(t.Enter("help Solve", "Solve(expression=value, x)"));
  ASSERT_TRUE(t.Enter("10/8", "5/4"));
  t.Type(":number-mode decimal");
  t.Keys("Enter");
  ASSERT_TRUE(t.WaitForLastLine(">"));
  ASSERT_TRUE(t.Enter("10/8", "1.25"));
  t.Keys("C-d");
  ASSERT_TRUE(t.WaitUntil(
      [](const std::vector<std::string>& lines) { return lines.back() == "[exit 0]"; }, "exit 0"));
  EXPECT_EQ(
      Lines(t.Screen()),
      (std::vector<std::string>{"> y=6", "6", "> y=7*y", "42", "> Factor(x^2-1)", "(x - 1)·(x + 1)",
                                "> help Solve", "Solve(expression=value, x)", "> 10/8", "5/4",
                                "> :number-mode decimal", "> 10/8", "1.25", "> ^D", "[exit 0]"}));
}

TEST_F(CliTerminal, CtrlCCancelsTheLineAndStopsALongEvaluation) {
  Terminal t(home_);
  ASSERT_TRUE(t.WaitForLastLine(">"));
  t.Type("2+)");
  ASSERT_TRUE(t.WaitForLastLine("> 2+)"));
  t.Keys("C-c");
  ASSERT_TRUE(t.WaitUntil(
      [](const std::vector<std::string>& lines) {
        return lines.size() >= 2 && lines[lines.size() - 2] == "> 2+)^C" && lines.back() == ">";
      },
      "a fresh prompt after Ctrl-C"));
  ASSERT_TRUE(t.Enter("2+2", "4"));
  // Each derivative of x^x doubles in size: this runs until its work budget
  // ends (a second or more) unless Ctrl-C stops it.
  t.Type("Series(x^x,x,1,150)");
  ASSERT_TRUE(t.WaitForLastLine("> Series(x^x,x,1,150)"));
  const int entry_row = t.CursorRow();
  t.Keys("Enter");
  // Ctrl-C also discards input the program has not read yet, so it waits
  // until the line has been taken.
  ASSERT_TRUE(
      t.WaitUntil([&](const std::vector<std::string>&) { return t.CursorRow() > entry_row; },
                  "the entry to be taken"));
  t.Keys("C-c");
  ASSERT_TRUE(t.WaitUntil(
      [](const std::vector<std::string>& lines) {
        return lines.size() >= 2 &&
               lines[lines.size() - 2] == "Error: The calculation was interrupted." &&
               lines.back() == ">";
      },
      "the interruption"));
  ASSERT_TRUE(t.Enter("1+1", "2"));
  t.Keys("C-d");
  ASSERT_TRUE(t.WaitUntil(
      [](const std::vector<std::string>& lines) { return lines.back() == "[exit 1]"; }, "exit 1"));
  EXPECT_THAT(t.Screen(), Not(HasSubstr("Not enough parenthesis")));
}

TEST_F(CliTerminal, HistoryIsKeptAcrossRunsAndBounded) {
  std::filesystem::create_directories(home_);
  const std::string history = home_ + "/cli_history";
  {
    std::ofstream seed(history);
    seed << "_HiStOrY_V2_\n";
    for (int i = 0; i < 2500; ++i) seed << "k+" << i << '\n';
  }
  {
    Terminal t(home_);
    ASSERT_TRUE(t.WaitForLastLine(">"));
    t.Keys("Up");
    ASSERT_TRUE(t.WaitForLastLine("> k+2499"));
    t.Keys("C-u");
    ASSERT_TRUE(t.Enter("3^4", "81"));
    t.Keys("C-d");
    ASSERT_TRUE(t.WaitUntil(
        [](const std::vector<std::string>& lines) { return lines.back() == "[exit 0]"; }, "exit"));
  }
  std::vector<std::string> kept;
  std::ifstream file(history);
  for (std::string line; std::getline(file, line);) kept.push_back(line);
  ASSERT_EQ(kept.size(), 2001u);
  EXPECT_EQ(kept.front(), "_HiStOrY_V2_");
  EXPECT_EQ(kept[1], "k+501");
  EXPECT_EQ(kept.back(), "3^4");

  Terminal again(home_);
  ASSERT_TRUE(again.WaitForLastLine(">"));
  again.Keys("Up");
  ASSERT_TRUE(again.WaitForLastLine("> 3^4"));
}

TEST_F(CliTerminal, AHistoryThatCannotBeSavedIsReportedOnceAndTheSessionGoesOn) {
  std::ofstream(home_) << "a file where the home folder should be\n";
  Terminal t(home_);
  ASSERT_TRUE(t.WaitForLastLine(">"));
  t.Type("1+1");
  t.Keys("Enter");
  ASSERT_TRUE(t.WaitUntil([](const std::vector<std::string>& lines) { return lines.back() == ">"; },
                          "a prompt"));
  ASSERT_TRUE(t.Enter("2+2", "4"));
  std::string screen = t.Screen();
  std::erase(screen, '\n');  // the long message wraps
  const std::string warning = "zentrix-cli: cannot save the history " + home_ + "/cli_history: ";
  EXPECT_THAT(screen, HasSubstr(warning));
  EXPECT_EQ(screen.find(warning), screen.rfind(warning));
}

TEST_F(CliTerminal, ErrorsInRedUnlessColourIsRefused) {
  for (const char* environment : {"env -u NO_COLOR", "env NO_COLOR=1"}) {
    Terminal t(home_, environment);
    ASSERT_TRUE(t.WaitForLastLine(">"));
    ASSERT_TRUE(t.Enter("2+)", "Error: Not enough parenthesis found."));
    const std::string screen = t.Screen(true);
    if (std::string(environment).find("NO_COLOR=1") != std::string::npos) {
      EXPECT_THAT(screen, Not(HasSubstr("\x1b[")));
    } else {
      EXPECT_THAT(screen, HasSubstr("\x1b[31mError: Not enough parenthesis found."));
    }
  }
}

}  // namespace
