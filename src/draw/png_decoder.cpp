// PNG decoding with libpng from a block of memory. libpng reports errors by a
// long jump, so every C++ object lives outside the jumping stretches: the header
// is read in one guarded step, buffers are allocated, and the rows are read in a
// second guarded step.

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>
#include <vector>

#include "draw/image_codecs.h"

namespace zentrix::draw::codecs {

namespace {

struct Source {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t position;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* source = static_cast<Source*>(png_get_io_ptr(png));
  if (length > source->size - source->position) png_error(png, "Read Error");
  std::memcpy(out, source->data + source->position, length);
  source->position += length;
}

// The layer keeps no log: errors only end the decode, warnings are dropped.
void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

struct Reader {
  png_structp png = nullptr;
  png_infop info = nullptr;
  Source source{};
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  std::size_t raw_row_bytes = 0;
  std::size_t row_bytes = 0;
  int channels = 0;
  bool interlaced = false;

  ~Reader() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

// Reads the header and sets the transformations to 8-bit RGB or RGBA.
bool ReadHeader(Reader* r) {
  if (setjmp(png_jmpbuf(r->png))) return false;
  png_set_read_fn(r->png, &r->source, ReadFromMemory);
  png_set_user_limits(r->png, kMaxSurfaceSide, kMaxSurfaceSide);
  png_read_info(r->png, r->info);
  int depth = 0, color = 0, interlace = 0;
  png_get_IHDR(r->png, r->info, &r->width, &r->height, &depth, &color, &interlace, nullptr,
               nullptr);
  r->raw_row_bytes = png_get_rowbytes(r->png, r->info);
  png_set_strip_16(r->png);
  if (color == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(r->png);
  if (color == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(r->png);
  if (png_get_valid(r->png, r->info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(r->png);
  if (color == PNG_COLOR_TYPE_GRAY || color == PNG_COLOR_TYPE_GRAY_ALPHA) {
    png_set_gray_to_rgb(r->png);
  }
  r->interlaced = interlace != PNG_INTERLACE_NONE;
  if (r->interlaced) png_set_interlace_handling(r->png);
  png_read_update_info(r->png, r->info);
  r->row_bytes = png_get_rowbytes(r->png, r->info);
  r->channels = png_get_channels(r->png, r->info);
  return true;
}

bool ReadRows(Reader* r, png_bytep* rows) {
  if (setjmp(png_jmpbuf(r->png))) return false;
  png_read_image(r->png, rows);
  return true;
}

bool ReadRow(Reader* r, png_bytep row) {
  if (setjmp(png_jmpbuf(r->png))) return false;
  png_read_row(r->png, row, nullptr);
  return true;
}

void ConvertRow(const png_byte* src, int channels, int width, Pixel key, PixelFormat format,
                Pixel* dst) {
  for (int x = 0; x < width; ++x) {
    const png_byte* p = src + x * channels;
    if (channels == 4 && p[3] < 128) {
      dst[x] = key;
    } else {
      dst[x] = ColorToPixel(MakeColor(p[0], p[1], p[2]), format);
    }
  }
}

}  // namespace

bool IsPng(const std::uint8_t* data, std::size_t size) {
  return size >= 8 && png_sig_cmp(data, 0, 8) == 0;
}

DrawResult DecodePng(Surface* out, std::uint32_t flags, const std::uint8_t* data,
                     std::size_t size) {
  Reader r;
  r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (!r.png) return kOutOfMemory;
  r.info = png_create_info_struct(r.png);
  if (!r.info) return kOutOfMemory;
  r.source = Source{data, size, 0};
  if (!ReadHeader(&r)) return kInvalidImage;
  if (r.width == 0 || r.height == 0 || r.width > kMaxSurfaceSide || r.height > kMaxSurfaceSide ||
      (r.channels != 3 && r.channels != 4) ||
      r.row_bytes < static_cast<std::size_t>(r.width) * r.channels) {
    return kInvalidImage;
  }
  // The compressed data must be able to hold the pixels it claims.
  if (static_cast<std::uint64_t>(r.raw_row_bytes + 1) * r.height > size * kMaxInflateRatio) {
    return kInvalidImage;
  }
  const int width = static_cast<int>(r.width), height = static_cast<int>(r.height);
  DrawResult result = out->Create(flags, width, height);
  if (Failed(result)) return result;
  const PixelFormat format = Context().format;
  const Pixel key = ColorToPixel(out->ColorKey(), format);
  try {
    if (r.interlaced) {
      std::vector<png_byte> image(r.row_bytes * height);
      std::vector<png_bytep> rows(height);
      for (int y = 0; y < height; ++y) rows[y] = image.data() + r.row_bytes * y;
      if (!ReadRows(&r, rows.data())) return kInvalidImage;
      for (int y = 0; y < height; ++y)
        ConvertRow(rows[y], r.channels, width, key, format, out->Row(y));
    } else {
      std::vector<png_byte> row(r.row_bytes);
      for (int y = 0; y < height; ++y) {
        if (!ReadRow(&r, row.data())) return kInvalidImage;
        ConvertRow(row.data(), r.channels, width, key, format, out->Row(y));
      }
    }
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
  return kOk;
}

}  // namespace zentrix::draw::codecs
