#include "cli/terminal_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "engine/commands/base/commands_state.h"

namespace zentrix::cli {
namespace {

volatile sig_atomic_t g_evaluating = 0;
volatile sig_atomic_t g_evaluation_interrupted = 0;
volatile sig_atomic_t g_line_interrupted = 0;
volatile sig_atomic_t g_resized = 0;
int g_wake[2] = {-1, -1};
// The budget's step limit, resolved before any handler can run.
volatile std::uint64_t* g_work_limit = nullptr;
struct sigaction g_previous_interrupt {};
struct sigaction g_previous_resize {};

void Wake() {
  if (g_wake[1] < 0) return;
  const char byte = 0;
  ssize_t ignored = write(g_wake[1], &byte, 1);
  (void)ignored;
}

void OnInterrupt(int) {
  const int saved_errno = errno;
  if (g_evaluating) {
    if (g_evaluation_interrupted) {
      signal(SIGINT, SIG_DFL);
      raise(SIGINT);
    }
    g_evaluation_interrupted = 1;
    // A spent step limit stops the entry at the budget's next clock check.
    if (g_work_limit) *g_work_limit = 0;
  } else {
    g_line_interrupted = 1;
    Wake();
  }
  errno = saved_errno;
}

void OnResize(int) {
  const int saved_errno = errno;
  g_resized = 1;
  Wake();
  errno = saved_errno;
}

void Install(int signal_number, void (*handler)(int), struct sigaction* previous) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(signal_number, &action, previous);
}

}  // namespace

TerminalSignals::TerminalSignals() {
  if (pipe2(g_wake, O_CLOEXEC | O_NONBLOCK) != 0) g_wake[0] = g_wake[1] = -1;
  g_work_limit = &engine::Commands().work_limit;
  g_line_interrupted = 0;
  g_resized = 0;
  Install(SIGINT, OnInterrupt, &g_previous_interrupt);
  Install(SIGWINCH, OnResize, &g_previous_resize);
}

TerminalSignals::~TerminalSignals() {
  sigaction(SIGINT, &g_previous_interrupt, nullptr);
  sigaction(SIGWINCH, &g_previous_resize, nullptr);
  for (int& fd : g_wake) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}

int TerminalSignals::wake_fd() const {
  return g_wake[0];
}

TerminalSignals::Pending TerminalSignals::Take() {
  char drain[64];
  while (g_wake[0] >= 0 && read(g_wake[0], drain, sizeof drain) > 0) {
  }
  Pending pending{g_line_interrupted != 0, g_resized != 0};
  g_line_interrupted = 0;
  g_resized = 0;
  return pending;
}

InterruptibleEvaluation::InterruptibleEvaluation()
    : saved_work_limit_(engine::Commands().work_limit) {
  g_evaluation_interrupted = 0;
  g_evaluating = 1;
}

InterruptibleEvaluation::~InterruptibleEvaluation() {
  g_evaluating = 0;
  if (g_evaluation_interrupted) engine::Commands().work_limit = saved_work_limit_;
}

bool InterruptibleEvaluation::interrupted() const {
  return g_evaluation_interrupted != 0;
}

}  // namespace zentrix::cli
