#include "draw/display.h"

#include <cstdio>
#include <string>

#include "draw/draw_context.h"
#include "platform/platform.h"

namespace zentrix::draw {

Display::~Display() { Close(); }

DrawResult Display::Open(platform::Platform* window, std::uint32_t /*flags*/, int /*width*/,
                         int /*height*/, int bits_per_pixel) {
  if (!window || (bits_per_pixel != 0 && bits_per_pixel != 16)) return kInvalidArgument;
  DrawContext& context = Context();
  if (context.display_open) return kDisplayAlreadyOpen;
  const int w = window->Config().screen_width;
  const int h = window->Config().screen_height;
  if (w <= 0 || h <= 0 || w > kMaxSurfaceSide || h > kMaxSurfaceSide) return kInvalidArgument;
  std::string reason;
  if (!window->OpenScreen(&reason)) {
    std::fprintf(stderr, "Cannot open the screen: %s\n", reason.c_str());
    return kDisplayLibraryMissing;
  }
  context.format = PixelFormat::kRgb565;
  context.orientation = kOrientationNatural;
  context.screen_width = w;
  context.screen_height = h;
  const DrawResult r =
      back_buffer_.Create(surface_flags::kSystemMemory | surface_flags::kClear, w, h);
  if (Failed(r)) {
    window->CloseScreen();
    return r;
  }
  context.display_open = true;
  context.headless = window->IsHeadless();
  window_ = window;
  suspended_ = false;
  return kOk;
}

DrawResult Display::Close() {
  if (!window_) return kOk;
  back_buffer_.Destroy();
  window_->CloseScreen();
  DrawContext& context = Context();
  context.display_open = false;
  context.headless = false;
  if (context.current_surface == &back_buffer_) context.current_surface = nullptr;
  window_ = nullptr;
  return kOk;
}

DrawResult Display::Flip() {
  if (!window_ || suspended_) return kDisplayNotReady;
  const DrawResult r = back_buffer_.CheckReady();
  if (Failed(r)) return r;
  window_->Present(back_buffer_.Row(0), back_buffer_.Width(), back_buffer_.Height(),
                   back_buffer_.RowPixels());
  return kOk;
}

DrawResult Display::Suspend() {
  if (!window_) return kDisplayNotReady;
  suspended_ = true;
  return kOk;
}

DrawResult Display::Resume() {
  if (!window_) return kDisplayNotReady;
  suspended_ = false;
  return kOk;
}

}  // namespace zentrix::draw
