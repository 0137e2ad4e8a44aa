#include "platform/headless_platform.h"

namespace zentrix::platform {

bool HeadlessPlatform::CreateMainWindow(const WindowConfig& config) {
  config_ = config;
  return !config_.title.empty() && config_.screen_width > 0 && config_.screen_height > 0;
}

bool HeadlessPlatform::OpenScreen(std::string* /*reason*/) {
  if (!open_) {
    open_ = true;
    // A window system tells a new window it has the foreground; so does this.
    Event activate;
    activate.type = EventType::kActivate;
    events_.push_front(activate);
  }
  return true;
}

void HeadlessPlatform::Present(const std::uint16_t*, int, int, int) {
  ++presented_;
  if (frames_owed_ > 0) --frames_owed_;
}

bool HeadlessPlatform::PollEvent(Event* event) {
  for (;;) {
    if (!events_.empty()) {
      *event = events_.front();
      events_.pop_front();
      return true;
    }
    if (frames_owed_ > 0) return false;
    if (exhausted_ || !source_ || !source_->Feed(*this)) {
      exhausted_ = true;
      *event = Event{};
      event->type = EventType::kQuit;
      return true;
    }
  }
}

bool HeadlessPlatform::WaitEvent(Event* event, int timeout_ms) {
  if (PollEvent(event)) return true;
  if (timeout_ms > 0) clock_ += static_cast<std::uint32_t>(timeout_ms);
  // An idle wait stands for the frames it replaces, so a script's frame count
  // still runs out while the program is in the background.
  if (frames_owed_ > 0) --frames_owed_;
  return false;
}

void HeadlessPlatform::ShowMessageBox(const std::string& title, const std::string& text) {
  WriteMessageToStderr(title, text);
}

}  // namespace zentrix::platform
