#pragma once
// The framework every program of this kind derives from: it checks for a
// running copy, creates the main window, opens the display, the hardware keys
// and the frame timer, calls the derived program's hooks, and runs the loop
// that interleaves window events with frames. The calculator program fills
// the hooks.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "draw/display.h"
#include "draw/draw_result.h"
#include "draw/frame_timer.h"
#include "draw/input_keys.h"
#include "draw/surface.h"
#include "platform/event.h"
#include "shell/app/application_config.h"

namespace zentrix::shell {

// Bits of the frame flags passed to Frame.
namespace frame_flags {
constexpr std::uint32_t kPreviousLate = 0x1;
constexpr std::uint32_t kAfterIdle = 0x2;
constexpr std::uint32_t kSurfacesRecreated = 0x4;
}  // namespace frame_flags

// Statuses with texts of their own.
constexpr draw::DrawResult kFailure = draw::Code(0x80004005);

// The text shown at the end for a status: see SetErrorText.
std::string ErrorTextFor(const char* text, draw::DrawResult status);

class Application {
 public:
  explicit Application(const ApplicationConfig& config);
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // 0 on a normal end, a negative status on failure.
  int Run();

  void RequestQuit() { quit_ = true; }
  void RequestSuspend() { suspend_requested_ = true; }
  void SetFramesToSkip(int frames) { frames_to_skip_ = frames; }
  void SetFrameRate(int frames_per_second);
  void RequestDisplayModeChange() { mode_change_requested_ = true; }
  // Builds the text shown when the program ends (see ErrorTextFor).
  void SetErrorText(const char* text, draw::DrawResult status);
  const std::string& ErrorText() const { return error_text_; }

  bool IsActive() const { return active_; }
  bool QuitRequested() const { return quit_; }
  const ApplicationConfig& Config() const { return config_; }
  platform::Platform& Platform() const { return *config_.platform; }
  draw::Display& Display() { return display_; }
  draw::FrameTimer& Timer() { return timer_; }
  const draw::KeyList& Keys() const { return keys_; }

  // The window procedure: one event of the platform.
  void HandleEvent(const platform::Event& event);

 protected:
  virtual draw::DrawResult CreateVideoSurfaces() { return draw::kOk; }
  virtual draw::DrawResult Initialise() { return draw::kOk; }
  virtual draw::DrawResult Frame(draw::Surface& /*back_buffer*/, std::uint32_t /*flags*/) {
    return draw::kOk;
  }
  virtual draw::DrawResult AfterDisplayOpen() { return draw::kOk; }
  virtual void BeforeExit() {}
  virtual void OnSuspend() {}
  virtual void OnResume() {}
  virtual void KeyDown(const platform::Event& /*key*/, const draw::KeyList& /*keys*/) {}
  virtual void KeyUp(const platform::Event& /*key*/, const draw::KeyList& /*keys*/) {}
  // Characters a desktop keyboard typed, in UTF-8.
  virtual void TextInput(std::string_view /*utf8*/) {}
  virtual void StylusDown(int /*x*/, int /*y*/) {}
  virtual void StylusUp(int /*x*/, int /*y*/) {}
  virtual void StylusMove(int /*x*/, int /*y*/) {}
  virtual void Wheel(int /*x*/, int /*y*/, int /*amount*/) {}
  // Called once after Run, before the object goes; the derived program saves here.
  virtual void Destroy() {}

 private:
  int Start();
  int Loop();
  draw::DrawResult WindowedFrame();
  draw::DrawResult FullScreenFrame();
  void Activate();
  void Suspend();
  void Finish();
  // Losing the foreground: keys and the stylus held then are released in
  // another program, so they are let go here.
  void ReleaseHeldInput();

  ApplicationConfig config_;
  draw::Display display_;
  draw::InputKeys input_;
  draw::FrameTimer timer_;
  draw::KeyList keys_;

  bool active_ = false;
  bool quit_ = false;
  bool suspend_requested_ = false;
  bool mode_change_requested_ = false;
  bool idle_ = false;
  bool destroyed_ = false;
  int frames_to_skip_ = 0;
  std::uint32_t frame_flags_ = 0;
  std::uint32_t keys_down_[8] = {};  // bit per key code 0..255, for auto-repeat
  bool stylus_down_ = false;
  int stylus_x_ = 0;
  int stylus_y_ = 0;
  // A wheel turned over the window in the background changed what it shows.
  bool redraw_in_background_ = false;
  std::string error_text_;
};

}  // namespace zentrix::shell
