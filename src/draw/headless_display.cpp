#include "draw/headless_display.h"

namespace zentrix::draw {

HeadlessDisplay::~HeadlessDisplay() { Close(); }

DrawResult HeadlessDisplay::Open(int width, int height, PixelFormat format, int orientation) {
  DrawContext& context = Context();
  if (context.display_open) return kDisplayAlreadyOpen;
  if (width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide ||
      !IsValidOrientation(orientation)) {
    return kInvalidArgument;
  }
  context.format = format;
  context.orientation = orientation;
  context.screen_width = width;
  context.screen_height = height;
  DrawResult r =
      back_buffer_.Create(surface_flags::kSystemMemory | surface_flags::kClear, width, height);
  if (Failed(r)) return r;
  context.display_open = true;
  context.headless = true;
  open_ = true;
  flips_ = 0;
  return kOk;
}

DrawResult HeadlessDisplay::Close() {
  if (!open_) return kOk;
  back_buffer_.Destroy();
  DrawContext& context = Context();
  context.display_open = false;
  context.headless = false;
  if (context.current_surface == &back_buffer_) context.current_surface = nullptr;
  open_ = false;
  return kOk;
}

DrawResult HeadlessDisplay::Flip() {
  if (!open_) return kDisplayNotReady;
  DrawResult r = back_buffer_.CheckReady();
  if (Failed(r)) return r;
  ++flips_;
  return kOk;
}

}  // namespace zentrix::draw
