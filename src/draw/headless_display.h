#pragma once
// A display with no screen: it opens the layer's context (so that surfaces accept
// work) and owns a back buffer the size of the virtual screen. Tools, tests and
// the headless program draw through it without a window.

#include "draw/color.h"
#include "draw/draw_result.h"
#include "draw/surface.h"

namespace zentrix::draw {

class HeadlessDisplay {
 public:
  HeadlessDisplay() = default;
  ~HeadlessDisplay();
  HeadlessDisplay(const HeadlessDisplay&) = delete;
  HeadlessDisplay& operator=(const HeadlessDisplay&) = delete;

  // Opens the context with the given screen size, pixel format and orientation
  // and creates the back buffer (cleared). Fails with kDisplayAlreadyOpen when the
  // context's display is open, kInvalidArgument for a bad size or orientation.
  DrawResult Open(int width, int height, PixelFormat format = PixelFormat::kRgb565,
                  int orientation = kOrientationNatural);
  // Destroys the back buffer and clears the context's open flag.
  DrawResult Close();
  bool IsOpen() const { return open_; }

  Surface& BackBuffer() { return back_buffer_; }
  // There is no screen: a flip only counts frames.
  DrawResult Flip();
  int FlipCount() const { return flips_; }

 private:
  bool open_ = false;
  int flips_ = 0;
  Surface back_buffer_;
};

}  // namespace zentrix::draw
