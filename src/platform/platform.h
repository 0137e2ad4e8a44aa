#pragma once
// Everything the program needs from the system it runs on, behind one
// interface: the window showing the device screen, events, ticks and sleep,
// the clipboard and the end-of-run message box. Two backends implement it: an
// SDL2 window and a headless one driven by the automation script.

#include <cstdint>
#include <string>

#include "platform/event.h"

namespace zentrix::platform {

struct WindowConfig {
  std::string title;
  int screen_width = 240;  // the device screen as the program sees it
  int screen_height = 320;
  int scale = 0;            // whole-number zoom of the window; 0 picks one
  bool fullscreen = false;  // cover the desktop instead of a window
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Records the main window's configuration; no window appears yet.
  virtual bool CreateMainWindow(const WindowConfig& config) = 0;
  const WindowConfig& Config() const { return config_; }

  // Puts the device screen on the desktop (the window appears). False when no
  // window system can be reached; `reason` then holds the system's words.
  virtual bool OpenScreen(std::string* reason) = 0;
  virtual void CloseScreen() = 0;
  virtual bool ScreenOpen() const = 0;
  // Shows one frame of RGB 5-6-5 pixels, `row_pixels` apart.
  virtual void Present(const std::uint16_t* pixels, int width, int height, int row_pixels) = 0;
  virtual void Minimize() = 0;
  // Brings the window to the front (a second copy asked for it).
  virtual void Raise() = 0;
  // The window's place on the desktop; false when there is no window.
  virtual bool WindowRect(int* x, int* y, int* width, int* height) const {
    (void)x, (void)y, (void)width, (void)height;
    return false;
  }
  // Moves the window (before or after it appears).
  virtual void PlaceWindow(int /*x*/, int /*y*/) {}
  // Sizes the window (before or after it appears); a size that cannot hold
  // the screen once is ignored.
  virtual void SizeWindow(int /*width*/, int /*height*/) {}

  // The next event when one is waiting.
  virtual bool PollEvent(Event* event) = 0;
  // Waits at most timeout_ms for an event.
  virtual bool WaitEvent(Event* event, int timeout_ms) = 0;

  // Milliseconds since some start; wraps after 49 days.
  virtual std::uint32_t Ticks() = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;

  // Clipboard text in UTF-8; empty when there is none or it cannot be read.
  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(const std::string& utf8) = 0;

  // The end-of-run message: always on standard error, and in a box where a
  // window system exists.
  virtual void ShowMessageBox(const std::string& title, const std::string& text) = 0;

  virtual bool IsHeadless() const = 0;

 protected:
  WindowConfig config_;
};

// Writes the message to standard error as "title: text".
void WriteMessageToStderr(const std::string& title, const std::string& text);

}  // namespace zentrix::platform
