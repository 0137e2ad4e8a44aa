#pragma once
// The display: puts the back buffer on the platform's screen. It opens the
// layer's context (size, pixel format, orientation) so that surfaces accept
// work, owns the back buffer the program draws each frame into, and flips it to
// the window.

#include <cstdint>

#include "draw/draw_result.h"
#include "draw/surface.h"

namespace zentrix::platform {
class Platform;
}

namespace zentrix::draw {

class Display {
 public:
  Display() = default;
  ~Display();
  Display(const Display&) = delete;
  Display& operator=(const Display&) = delete;

  // Opens the screen of `window` (its configured device size; the requested
  // width and height are advisory). kInvalidArgument for a missing window or
  // bits per pixel other than 0 and 16; kDisplayAlreadyOpen when the context's
  // display is open; kDisplayLibraryMissing when the platform cannot show a
  // screen (the system's reason goes to standard error).
  DrawResult Open(platform::Platform* window, std::uint32_t flags, int width, int height,
                  int bits_per_pixel);
  DrawResult Close();
  bool IsOpen() const { return window_ != nullptr; }

  Surface& BackBuffer() { return back_buffer_; }
  // Shows the back buffer on the screen.
  DrawResult Flip();
  // Releases and re-acquires the screen while the program is in the background.
  DrawResult Suspend();
  DrawResult Resume();
  bool IsSuspended() const { return suspended_; }
  // Display property bits (none on the desktop: pacing stays on).
  std::uint32_t Properties() const { return 0; }
  // True when the surfaces were lost and must be drawn again (never on the desktop).
  bool SurfacesLost() const { return false; }

 private:
  platform::Platform* window_ = nullptr;
  bool suspended_ = false;
  Surface back_buffer_;
};

}  // namespace zentrix::draw
