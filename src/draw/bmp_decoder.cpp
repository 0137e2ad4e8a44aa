// The layer's own BMP reader: 1, 4 and 8 bits with palettes, 16 and 32 bits with
// default or bit-field masks, 24 bits; bottom-up and top-down rows. Run-length
// compressed bitmaps are refused. Every offset and size is checked against the
// data before it is used.

#include <bit>
#include <cstdint>
#include <vector>

#include "draw/image_codecs.h"

namespace zentrix::draw::codecs {

namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

std::uint32_t U16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// One colour channel described by a bit mask, scaled to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(std::uint32_t m = 0) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    bits = std::popcount(m);
  }
  std::uint32_t Get(std::uint32_t v) const {
    if (bits == 0) return 0;
    std::uint64_t c = (v & mask) >> shift;
    if (bits >= 8) return static_cast<std::uint32_t>(c >> (bits - 8));
    return static_cast<std::uint32_t>(c * 255 / ((1u << bits) - 1));
  }
};

struct Header {
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative: top-down
  std::uint32_t bits = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t colors_used = 0;
  std::size_t palette_at = 0;
  std::size_t palette_entry = 4;
  Channel red, green, blue;
};

DrawResult ReadHeader(const std::uint8_t* data, std::size_t size, Header* h) {
  if (size < 18) return kInvalidImage;
  const std::uint32_t header_size = U32(data + 14);
  if (header_size < 12 || header_size > size - 14) return kInvalidImage;
  const std::uint8_t* info = data + 14;
  if (header_size == 12) {  // the old core header
    h->width = U16(info + 4);
    h->height = static_cast<std::int16_t>(U16(info + 6));
    h->bits = U16(info + 10);
    h->palette_entry = 3;
    h->palette_at = 14 + 12;
  } else if (header_size >= 40) {
    h->width = static_cast<std::int32_t>(U32(info + 4));
    h->height = static_cast<std::int32_t>(U32(info + 8));
    h->bits = U16(info + 14);
    h->compression = U32(info + 16);
    h->colors_used = U32(info + 32);
    h->palette_at = 14 + header_size;
  } else {
    return kInvalidImage;
  }
  std::uint32_t masks[3] = {0, 0, 0};
  if (h->bits == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  } else if (h->bits == 32) {
    masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  }
  if (h->compression == kBitFields || h->compression == kAlphaBitFields) {
    if (h->bits != 16 && h->bits != 32) return kInvalidImage;
    // With the 40-byte header the masks follow it; longer headers hold them.
    const std::size_t at = 14 + 40;
    const std::size_t count = h->compression == kAlphaBitFields ? 4 : 3;
    if (at + 4 * count > size) return kInvalidImage;
    for (int i = 0; i < 3; ++i) masks[i] = U32(data + at + 4 * i);
    if (header_size == 40) h->palette_at = at + 4 * count;
  } else if (h->compression != kRgb) {
    return kInvalidImage;  // run-length and embedded formats
  }
  h->red = Channel(masks[0]);
  h->green = Channel(masks[1]);
  h->blue = Channel(masks[2]);
  const std::uint32_t b = h->bits;
  if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32) return kInvalidImage;
  const std::int64_t rows = h->height < 0 ? -h->height : h->height;
  if (h->width <= 0 || rows == 0 || h->width > kMaxSurfaceSide || rows > kMaxSurfaceSide) {
    return kInvalidImage;
  }
  return kOk;
}

DrawResult ReadPalette(const std::uint8_t* data, std::size_t size, const Header& h,
                       std::vector<Color>* palette) {
  const std::size_t full = std::size_t{1} << h.bits;
  std::size_t count = h.colors_used == 0 ? full : h.colors_used;
  if (count > full) count = full;
  if (h.palette_at > size || count > (size - h.palette_at) / h.palette_entry) {
    return kInvalidImage;  // the palette runs past the data
  }
  palette->assign(full, 0);  // indices beyond the palette are black
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* e = data + h.palette_at + i * h.palette_entry;
    (*palette)[i] = MakeColor(e[2], e[1], e[0]);
  }
  return kOk;
}

}  // namespace

bool IsBmp(const std::uint8_t* data, std::size_t size) {
  return size >= 14 && data[0] == 0x42 && data[1] == 0x4D;
}

DrawResult DecodeBmp(Surface* out, std::uint32_t flags, const std::uint8_t* data,
                     std::size_t size) {
  Header h;
  DrawResult r = ReadHeader(data, size, &h);
  if (Failed(r)) return r;
  std::vector<Color> palette;
  if (h.bits <= 8) {
    r = ReadPalette(data, size, h, &palette);
    if (Failed(r)) return r;
  }
  const int width = static_cast<int>(h.width);
  const int height = static_cast<int>(h.height < 0 ? -h.height : h.height);
  const bool top_down = h.height < 0;
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * h.bits + 31) / 32 * 4;
  const std::uint64_t pixel_at = U32(data + 10);
  if (pixel_at > size || stride * height > size - pixel_at) return kInvalidImage;

  r = out->Create(flags, width, height);
  if (Failed(r)) return r;
  const PixelFormat format = Context().format;
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* src = data + pixel_at + stride * row;
    Pixel* dst = out->Row(top_down ? row : height - 1 - row);
    switch (h.bits) {
      case 1:
      case 4:
      case 8: {
        const int per_byte = 8 / static_cast<int>(h.bits);
        const unsigned mask = (1u << h.bits) - 1;
        for (int x = 0; x < width; ++x) {
          const int shift = 8 - static_cast<int>(h.bits) * (x % per_byte + 1);
          const unsigned index = (src[x / per_byte] >> shift) & mask;
          dst[x] = ColorToPixel(palette[index], format);
        }
        break;
      }
      case 16:
      case 32: {
        const int bytes = static_cast<int>(h.bits) / 8;
        for (int x = 0; x < width; ++x) {
          const std::uint8_t* p = src + x * bytes;
          const std::uint32_t v = bytes == 2 ? U16(p) : U32(p);
          dst[x] = ColorToPixel(MakeColor(h.red.Get(v), h.green.Get(v), h.blue.Get(v)), format);
        }
        break;
      }
      case 24:
        for (int x = 0; x < width; ++x) {
          const std::uint8_t* p = src + x * 3;
          dst[x] = ColorToPixel(MakeColor(p[2], p[1], p[0]), format);
        }
        break;
    }
  }
  return kOk;
}

}  // namespace zentrix::draw::codecs
