#pragma once
// The desktop backend: an SDL2 window showing the device screen scaled by a
// whole factor, the back buffer streamed into an RGB 5-6-5 texture, the left
// mouse button and touch as the stylus, the keyboard as the device's keys and
// window focus as activation.

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/platform.h"
#include "platform/single_instance.h"

namespace zentrix::platform {

class SdlPlatform : public Platform {
 public:
  // `instance` (may be null) is polled for raise requests from a second copy.
  explicit SdlPlatform(SingleInstance* instance = nullptr) : instance_(instance) {}
  ~SdlPlatform() override;

  bool CreateMainWindow(const WindowConfig& config) override;
  bool OpenScreen(std::string* reason) override;
  void CloseScreen() override;
  bool ScreenOpen() const override { return texture_ != nullptr; }
  void Present(const std::uint16_t* pixels, int width, int height, int row_pixels) override;
  void Minimize() override;
  void Raise() override;
  bool WindowRect(int* x, int* y, int* width, int* height) const override;
  void PlaceWindow(int x, int y) override;
  void SizeWindow(int width, int height) override;

  bool PollEvent(Event* event) override;
  bool WaitEvent(Event* event, int timeout_ms) override;

  std::uint32_t Ticks() override { return SDL_GetTicks(); }
  void Sleep(std::uint32_t milliseconds) override { SDL_Delay(milliseconds); }

  std::string ClipboardText() override;
  void SetClipboardText(const std::string& utf8) override;
  void ShowMessageBox(const std::string& title, const std::string& text) override;
  bool IsHeadless() const override { return false; }

  // Keeps a copy of every frame as the window shows it (scaled, 0xAARRGGBB),
  // read back from the renderer; tests check what reached the window.
  void KeepPresentedFrames(bool on) { keep_frames_ = on; }
  const std::vector<std::uint32_t>& PresentedFrame() const { return presented_; }
  int PresentedWidth() const { return presented_width_; }
  int PresentedHeight() const { return presented_height_; }

  // The whole-number zoom used for a screen when none is asked for.
  static int DefaultScale(int screen_width) { return screen_width < 480 ? 2 : 1; }
  SDL_Window* Window() const { return window_; }

 private:
  bool Translate(const SDL_Event& in, Event* out);
  // Whether a point SDL reports (in device pixels) lies on the device screen,
  // not on the border a resized window shows around it.
  bool OnScreen(int x, int y) const;
  void SetStylusPoint(int x, int y, Event* out);
  void CheckRaiseRequest();

  SingleInstance* instance_;
  bool keep_frames_ = false;
  std::vector<std::uint32_t> presented_;
  int presented_width_ = 0;
  int presented_height_ = 0;
  bool video_ = false;
  bool stylus_down_ = false;
  bool activate_pending_ = false;
  bool text_is_repeat_ = false;
  int last_x_ = 0;
  int last_y_ = 0;
  int place_x_ = SDL_WINDOWPOS_CENTERED;
  int place_y_ = SDL_WINDOWPOS_CENTERED;
  int size_width_ = 0;  // 0: the screen at the configured scale
  int size_height_ = 0;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
};

}  // namespace zentrix::platform
