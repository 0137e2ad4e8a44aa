#include "draw/surface.h"

#include <algorithm>
#include <new>
#include <utility>

namespace zentrix::draw {

namespace {

int RoundUpEven(int v) { return (v + 1) & ~1; }

bool ValidPlacement(std::uint32_t placement) {
  if ((placement & 0x100) && (placement & 0x200)) return false;
  if ((placement & 0x400) && (placement & 0x800)) return false;
  if ((placement & 0xC00) == 0xC00 && !(placement & 0x200)) return false;
  return true;
}

}  // namespace

Surface::Surface(Surface&& other) noexcept { *this = std::move(other); }

Surface& Surface::operator=(Surface&& other) noexcept {
  if (this == &other) return *this;
  flags_ = std::exchange(other.flags_, 0);
  width_ = std::exchange(other.width_, 0);
  height_ = std::exchange(other.height_, 0);
  x_step_ = std::exchange(other.x_step_, 1);
  y_step_ = std::exchange(other.y_step_, 0);
  origin_ = std::exchange(other.origin_, 0);
  buffer_bytes_ = std::exchange(other.buffer_bytes_, 0);
  orientation_ = std::exchange(other.orientation_, kOrientationNatural);
  color_key_ = std::exchange(other.color_key_, 0);
  clip_ = std::exchange(other.clip_, Rect{});
  pixels_ = std::move(other.pixels_);
  return *this;
}

DrawResult Surface::Create(std::uint32_t flags, int width, int height) {
  if (flags & ~surface_flags::kValidMask) return kInvalidArgument;
  std::uint32_t placement = flags & surface_flags::kPlacementMask;
  if (placement == 0) placement = surface_flags::kSystemMemory;
  if (!ValidPlacement(placement)) return kInvalidArgument;
  if (width < 0 || height < 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide ||
      (width == 0) != (height == 0)) {
    return kInvalidArgument;
  }
  if (IsLocked()) return kLocked;
  if (width == 0) {
    Destroy();
    return kOk;
  }
  const std::uint32_t new_flags = (flags & 0x00F) | placement;
  const int orientation = Context().orientation;
  const bool same_layout = pixels_ && placement == (flags_ & surface_flags::kPlacementMask) &&
                           orientation == orientation_;
  if (same_layout && width == width_ && height == height_) {
    flags_ = new_flags;
    if (flags & surface_flags::kClear) std::fill_n(pixels_.get(), buffer_bytes_ / 2, Pixel{0});
    return kOk;
  }
  if (same_layout && width == height_ && height == width_ &&
      placement == surface_flags::kSystemMemory &&
      RoundUpEven(width) * RoundUpEven(height) == RoundUpEven(width_) * RoundUpEven(height_)) {
    flags_ = new_flags;
    width_ = width;
    height_ = height;
    y_step_ = RoundUpEven(width);
    clip_ = Bounds();
    return kOk;
  }
  Destroy();
  const std::size_t count =
      static_cast<std::size_t>(RoundUpEven(width)) * static_cast<std::size_t>(RoundUpEven(height));
  // Pixels start cleared so that nothing of earlier memory can show.
  Pixel* buffer = new (std::nothrow) Pixel[count]();
  if (!buffer) return kOutOfMemory;
  pixels_.reset(buffer);
  flags_ = new_flags;
  width_ = width;
  height_ = height;
  x_step_ = 1;
  y_step_ = RoundUpEven(width);
  origin_ = 0;
  buffer_bytes_ = count * sizeof(Pixel);
  orientation_ = orientation;
  clip_ = Bounds();
  return kOk;
}

void Surface::Destroy() {
  pixels_.reset();
  flags_ = 0;
  width_ = height_ = 0;
  x_step_ = 1;
  y_step_ = 0;
  origin_ = 0;
  buffer_bytes_ = 0;
  clip_ = Rect{};
}

DrawResult Surface::CheckReady() const {
  if (!pixels_) return kNoPixels;
  if (IsLocked()) return kLocked;
  const DrawContext& context = Context();
  if (!context.display_open || context.orientation != orientation_) return kDisplayNotReady;
  return kOk;
}

DrawResult Surface::CheckPixelAccess() const {
  DrawResult r = CheckReady();
  if (Failed(r)) return r;
  if (flags_ & surface_flags::kDisplayMemory) return kDisplayMemoryPixels;
  return kOk;
}

Rect Surface::EffectiveClip() const { return clip_.Intersect(Bounds()); }

DrawResult Surface::SetClipRect(const Rect* rect) {
  DrawResult r = CheckReady();
  if (Failed(r)) return r;
  clip_ = rect ? rect->Intersect(Bounds()) : Bounds();
  return kOk;
}

DrawResult Surface::SetClipRectRaw(const Rect& rect) {
  DrawResult r = CheckReady();
  if (Failed(r)) return r;
  clip_ = rect;
  return kOk;
}

DrawResult Surface::Lock(LockInfo* info) {
  if (!info) return kInvalidArgument;
  DrawResult r = CheckReady();
  if (Failed(r)) return r;
  info->width = width_;
  info->height = height_;
  info->x_step_bytes = x_step_ * 2;
  info->y_step_bytes = y_step_ * 2;
  info->pixels = pixels_.get() + origin_;
  info->format_code = Context().format == PixelFormat::kRgb565 ? 4 : 2;
  flags_ |= surface_flags::kLockedState;
  return kOk;
}

DrawResult Surface::Unlock() {
  if (!pixels_) return kNoPixels;
  if (!IsLocked()) return kNotLocked;
  flags_ &= ~surface_flags::kLockedState;
  return kOk;
}

Pixel Surface::ToPixel(Color c) { return ColorToPixel(c, Context().format); }
Color Surface::ToColor(Pixel p) { return PixelToColor(p, Context().format); }

DrawResult Surface::SetPixel(int x, int y, Color color) {
  DrawResult r = CheckPixelAccess();
  if (Failed(r)) return r;
  const bool inside = Bounds().Contains(x, y);
  if (!inside && !(flags_ & surface_flags::kNoRangeCheck)) return kOutsideSurface;
  if (!EffectiveClip().Contains(x, y)) return kOk;
  Row(y)[x] = ToPixel(color);
  return kOk;
}

DrawResult Surface::GetPixel(int x, int y, Color* color) const {
  if (!color) return kInvalidArgument;
  DrawResult r = CheckPixelAccess();
  if (Failed(r)) return r;
  const bool inside = Bounds().Contains(x, y);
  if (!inside && !(flags_ & surface_flags::kNoRangeCheck)) return kOutsideSurface;
  *color = 0;
  if (!EffectiveClip().Contains(x, y)) return kOk;
  *color = ToColor(Row(y)[x]);
  return kOk;
}

}  // namespace zentrix::draw
