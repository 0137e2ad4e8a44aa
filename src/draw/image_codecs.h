#pragma once
// The layer's image decoders and encoders behind image_io.h. Decoders fill a
// surface that has no other owner yet; the caller swaps it in on success.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "draw/draw_result.h"
#include "draw/surface.h"

namespace zentrix::draw::codecs {

// Deflate cannot shrink data by more than about 1032:1; an image whose pixels
// would need more than this many bytes per byte of input is refused before any
// allocation.
constexpr std::uint64_t kMaxInflateRatio = 1032;

bool IsPng(const std::uint8_t* data, std::size_t size);
bool IsBmp(const std::uint8_t* data, std::size_t size);

DrawResult DecodeBmp(Surface* out, std::uint32_t flags, const std::uint8_t* data, std::size_t size);
DrawResult DecodePng(Surface* out, std::uint32_t flags, const std::uint8_t* data, std::size_t size);

DrawResult EncodeBmp(const Surface& surface, std::vector<std::uint8_t>* out);
DrawResult EncodePng(const Surface& surface, std::vector<std::uint8_t>* out);

}  // namespace zentrix::draw::codecs
