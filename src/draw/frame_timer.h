#pragma once
// Paces the main loop: a target frame rate, the time each frame is due, sleeping
// until then, and the actual rate measured over the last second's frames.

#include <cstdint>

#include "draw/draw_result.h"

namespace zentrix::platform {
class Platform;
}

namespace zentrix::draw {

class FrameTimer {
 public:
  // The clock and sleep come from the platform (not owned).
  explicit FrameTimer(platform::Platform* clock) : clock_(clock) {}

  // 0 means 30 frames per second without pacing; any other rate paces. Records
  // the start tick and begins a new run of frames.
  DrawResult Start(int frames_per_second);
  // Counts the frame. With pacing, sleeps until the frame's due time and returns
  // kOk, or, when that time has already passed, restarts the run from now and
  // returns kFrameLate. Without pacing returns kOk at once.
  DrawResult WaitForNextFrame();

  int TargetRate() const { return rate_; }
  bool Pacing() const { return pacing_; }
  // Frames per second measured over the last `rate` frames (0 until measured).
  double ActualRate() const { return actual_rate_; }
  std::uint64_t FrameCount() const { return frames_; }

 private:
  platform::Platform* clock_;
  int rate_ = 30;
  bool pacing_ = false;
  double frame_ms_ = 1000.0 / 30;
  std::uint32_t run_start_ = 0;
  std::uint64_t frames_ = 0;        // frames of the current run
  std::uint64_t total_frames_ = 0;  // frames since Start, for the rate
  std::uint32_t sum_start_ = 0;
  double actual_rate_ = 0;
};

}  // namespace zentrix::draw
