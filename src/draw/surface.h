#pragma once
// A 16-bit off-screen pixel surface and the drawing operations on it: creation,
// clipping, locking, pixels, lines, rectangle fills and blits with their effects.
//
// Every operation (other than Create, Destroy and the plain getters) first checks,
// in this order: the surface has pixels (kNoPixels); it is not locked (kLocked;
// Unlock instead requires the lock, kNotLocked); the display is open and the
// surface was laid out for the display's current orientation (kDisplayNotReady).
// Failures leave the surface as it was; clipping that leaves nothing to draw is
// success.

#include <cstdint>
#include <memory>

#include "draw/color.h"
#include "draw/draw_context.h"
#include "draw/draw_result.h"
#include "draw/rect.h"

namespace zentrix::draw {

// Creation flags.
namespace surface_flags {
constexpr std::uint32_t kClear = 0x001;          // clear the pixels to 0 after creation
constexpr std::uint32_t kNoRangeCheck = 0x004;   // caller guarantees coordinates
constexpr std::uint32_t kDisplayMemory = 0x008;  // per-pixel access refused
constexpr std::uint32_t kSystemMemory = 0x100;   // the default placement
constexpr std::uint32_t kPlacement2 = 0x200;
constexpr std::uint32_t kPlacement4 = 0x400;
constexpr std::uint32_t kPlacement8 = 0x800;
constexpr std::uint32_t kPlacementMask = 0xF00;
constexpr std::uint32_t kValidMask = 0xF0F;
constexpr std::uint32_t kLockedState = 0x1000;  // state bit, never a creation flag
}  // namespace surface_flags

// Blit flags (combinable). Flags above 7 need one of kMultiply or kScreen.
namespace blit_flags {
constexpr std::uint32_t kColorKey = 0x01;  // skip source pixels equal to the source's key
constexpr std::uint32_t kFill = 0x02;      // fill with effect.fill_color (a mask with kColorKey)
constexpr std::uint32_t kOpacity = 0x04;   // blend over the destination with effect.opacity
constexpr std::uint32_t kStrength = 0x08;  // blend the tint with the source by effect.strength
constexpr std::uint32_t kMultiply = 0x10;  // multiply tint with effect.effect_color
constexpr std::uint32_t kScreen = 0x20;    // screen tint with effect.effect_color
}  // namespace blit_flags

// Line flags.
namespace line_flags {
constexpr std::uint32_t kDotted = 0x02;   // every second pixel along the line
constexpr std::uint32_t kOpacity = 0x04;  // blend over the destination with effect.opacity
}  // namespace line_flags

// Fill flags.
namespace fill_flags {
constexpr std::uint32_t kOpacity = 0x04;  // blend over the destination with effect.opacity
}  // namespace fill_flags

// The effect record of lines, fills, blits and text.
struct BlitEffect {
  Color fill_color = 0;          // colour of fill-blits
  std::uint32_t opacity = 255;   // 0..255; 0 draws nothing, 255 is opaque
  std::uint32_t parameter = 0;   // reserved
  Color effect_color = 0;        // colour of the tints
  std::uint32_t strength = 255;  // 0..255; how much of the tint replaces the source
};

// What Lock lends out. Steps are in bytes; pixel (x, y) is at
// pixels + x * x_step_bytes / 2 + y * y_step_bytes / 2.
struct LockInfo {
  int width = 0;
  int height = 0;
  int x_step_bytes = 0;
  int y_step_bytes = 0;
  Pixel* pixels = nullptr;
  int format_code = 0;  // 4 = RGB 5-6-5, 2 = RGB 5-5-5, 1 = other
};

// Largest width or height a surface (and so a decoded image) may have.
constexpr int kMaxSurfaceSide = 8192;

class Surface {
 public:
  Surface() = default;
  ~Surface() = default;
  Surface(Surface&& other) noexcept;
  Surface& operator=(Surface&& other) noexcept;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // Creates the pixels: (width rounded up to even) × (height rounded up to even).
  // Width and height 0 release the pixels. The same size and placement again only
  // re-clears (with kClear); a swapped size in system memory only resets the clip
  // rectangle. Bits outside 0xF0F, invalid placement combinations, negative or
  // oversized sizes are kInvalidArgument; a failed allocation is kOutOfMemory.
  // The surface is laid out for the context's current orientation.
  DrawResult Create(std::uint32_t flags, int width, int height);
  void Destroy();

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool HasPixels() const { return pixels_ != nullptr; }
  std::uint32_t Flags() const { return flags_; }
  bool IsLocked() const { return (flags_ & surface_flags::kLockedState) != 0; }
  int Orientation() const { return orientation_; }
  // Pixels per row of the buffer (the width rounded up to even).
  int RowPixels() const { return y_step_; }
  std::size_t BufferBytes() const { return buffer_bytes_; }

  // The colour key is kept across Create and image loads (0 for a new surface).
  void SetColorKey(Color key) { color_key_ = key; }
  Color ColorKey() const { return color_key_; }

  // Intersects the rectangle (or the whole surface, when null) with the bounds.
  DrawResult SetClipRect(const Rect* rect);
  // Stores the rectangle unchanged; drawing still never leaves the surface.
  DrawResult SetClipRectRaw(const Rect& rect);
  Rect ClipRect() const { return clip_; }
  Rect Bounds() const { return Rect{0, 0, width_, height_}; }

  DrawResult Lock(LockInfo* info);
  DrawResult Unlock();

  // A point outside the clip rectangle is ignored (success, get yields 0); outside
  // the surface it is kOutsideSurface unless kNoRangeCheck was given.
  DrawResult SetPixel(int x, int y, Color color);
  DrawResult GetPixel(int x, int y, Color* color) const;

  // Draws from (x1, y1) to (x2, y2), both endpoints included, clipped to the clip
  // rectangle. The endpoints are ordered so that y1 <= y2 first, so a line and its
  // reverse give the same pixels. `effect` is needed with line_flags::kOpacity.
  DrawResult DrawLine(int x1, int y1, int x2, int y2, Color color, std::uint32_t flags = 0,
                      const BlitEffect* effect = nullptr);

  // Fills the rectangle (the whole surface when null), clipped.
  DrawResult FillRect(const Rect* rect, Color color, std::uint32_t flags = 0,
                      const BlitEffect* effect = nullptr);

  // Copies the source rectangle (the whole source when null) to (x, y), clipped on
  // both sides. See blit_flags; `effect` is needed for any flag that reads it.
  DrawResult Blit(int x, int y, const Surface& source, const Rect* source_rect = nullptr,
                  std::uint32_t flags = 0, const BlitEffect* effect = nullptr);

  // Pixel conversion in the context's current format.
  static Pixel ToPixel(Color c);
  static Color ToColor(Pixel p);

  // Direct access for the layer's own loaders, savers and fonts; valid while the
  // surface has pixels. Callers outside the layer use Lock.
  Pixel* Row(int y) { return pixels_.get() + static_cast<std::size_t>(y) * y_step_; }
  const Pixel* Row(int y) const { return pixels_.get() + static_cast<std::size_t>(y) * y_step_; }

  // The common check of every operation (pixels, lock, display).
  DrawResult CheckReady() const;

 private:
  DrawResult CheckPixelAccess() const;
  Rect EffectiveClip() const;

  std::uint32_t flags_ = 0;
  int width_ = 0;
  int height_ = 0;
  int x_step_ = 1;
  int y_step_ = 0;
  std::size_t origin_ = 0;
  std::size_t buffer_bytes_ = 0;
  int orientation_ = kOrientationNatural;
  Color color_key_ = 0;
  Rect clip_;
  std::unique_ptr<Pixel[]> pixels_;
};

}  // namespace zentrix::draw
