#include "draw/frame_timer.h"

#include "platform/platform.h"

namespace zentrix::draw {

DrawResult FrameTimer::Start(int frames_per_second) {
  if (!clock_ || frames_per_second < 0) return kInvalidArgument;
  pacing_ = frames_per_second != 0;
  rate_ = pacing_ ? frames_per_second : 30;
  frame_ms_ = 1000.0 / rate_;
  run_start_ = sum_start_ = clock_->Ticks();
  frames_ = 0;
  total_frames_ = 0;
  return kOk;
}

DrawResult FrameTimer::WaitForNextFrame() {
  if (!clock_) return kInvalidArgument;
  ++frames_;
  if (++total_frames_ % static_cast<std::uint64_t>(rate_) == 0) {
    const std::uint32_t now = clock_->Ticks();
    const std::uint32_t elapsed = now - sum_start_;
    actual_rate_ = elapsed > 0 ? rate_ * 1000.0 / elapsed : 0;
    sum_start_ = now;
  }
  if (!pacing_) return kOk;
  const std::uint32_t due =
      run_start_ + static_cast<std::uint32_t>(static_cast<double>(frames_) * frame_ms_);
  const std::uint32_t now = clock_->Ticks();
  const auto ahead = static_cast<std::int32_t>(due - now);
  if (ahead < 0) {
    run_start_ = now;
    frames_ = 0;
    return kFrameLate;
  }
  if (ahead > 0) clock_->Sleep(static_cast<std::uint32_t>(ahead));
  return kOk;
}

}  // namespace zentrix::draw
