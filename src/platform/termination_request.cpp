#include "platform/termination_request.h"

#include <csignal>

#include <atomic>

namespace zentrix::platform {
namespace {

std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

// Nothing but the flag: saving needs allocation and locks, which are not safe
// inside a handler.
extern "C" void RecordTermination(int) { requested.store(true, std::memory_order_relaxed); }

}  // namespace

void InstallTerminationHandler() {
  static const bool installed = [] {
    struct sigaction action = {};
    action.sa_handler = RecordTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
    return true;
  }();
  (void)installed;
}

bool TerminationRequested() { return requested.load(std::memory_order_relaxed); }

}  // namespace zentrix::platform
