#pragma once
// The backend without a window: events come from a source (the automation
// script), time is a virtual clock that sleeping advances, and presenting a
// frame only counts it. The program runs exactly as in a window.

#include <cstdint>
#include <deque>
#include <string>

#include "platform/platform.h"

namespace zentrix::platform {

class HeadlessPlatform;

// Feeds the headless loop. Asked whenever no event is queued and no frame is
// owed; it queues events or frames (or both). Returning false means the source
// is exhausted: the platform then delivers a quit event.
class EventSource {
 public:
  virtual ~EventSource() = default;
  virtual bool Feed(HeadlessPlatform& platform) = 0;
};

class HeadlessPlatform : public Platform {
 public:
  HeadlessPlatform() = default;

  void SetSource(EventSource* source) { source_ = source; }
  void Queue(const Event& event) { events_.push_back(event); }
  // The loop draws this many frames before the source is asked again.
  void OweFrames(int count) { frames_owed_ += count; }
  int FramesOwed() const { return frames_owed_; }
  std::uint64_t FramesPresented() const { return presented_; }

  bool CreateMainWindow(const WindowConfig& config) override;
  bool OpenScreen(std::string* reason) override;
  void CloseScreen() override { open_ = false; }
  bool ScreenOpen() const override { return open_; }
  void Present(const std::uint16_t* pixels, int width, int height, int row_pixels) override;
  void Minimize() override {}
  void Raise() override {}

  bool PollEvent(Event* event) override;
  bool WaitEvent(Event* event, int timeout_ms) override;

  std::uint32_t Ticks() override { return clock_; }
  void Sleep(std::uint32_t milliseconds) override { clock_ += milliseconds; }

  std::string ClipboardText() override { return clipboard_; }
  void SetClipboardText(const std::string& utf8) override { clipboard_ = utf8; }
  void ShowMessageBox(const std::string& title, const std::string& text) override;
  bool IsHeadless() const override { return true; }

 private:
  EventSource* source_ = nullptr;
  std::deque<Event> events_;
  int frames_owed_ = 0;
  bool open_ = false;
  bool exhausted_ = false;
  std::uint64_t presented_ = 0;
  std::uint32_t clock_ = 0;
  std::string clipboard_;
};

}  // namespace zentrix::platform
