// BMP (24-bit, bottom-up) and PNG (8-bit RGB, no interlace) encoders.

#include <png.h>

#include <csetjmp>
#include <new>
#include <vector>

#include "draw/image_codecs.h"

namespace zentrix::draw::codecs {

namespace {

void Put16(std::vector<std::uint8_t>* out, std::uint32_t v) {
  out->push_back(static_cast<std::uint8_t>(v));
  out->push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>* out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out->push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// One surface row as 8-bit RGB.
void RowToRgb(const Surface& s, int y, std::uint8_t* rgb) {
  const Pixel* row = s.Row(y);
  for (int x = 0; x < s.Width(); ++x) {
    const Color c = Surface::ToColor(row[x]);
    rgb[3 * x] = static_cast<std::uint8_t>(RedOf(c));
    rgb[3 * x + 1] = static_cast<std::uint8_t>(GreenOf(c));
    rgb[3 * x + 2] = static_cast<std::uint8_t>(BlueOf(c));
  }
}

void WriteToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  // A buffer that cannot grow is a short write.
  try {
    out->insert(out->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    png_error(png, "Write Error");
  }
}
void Flush(png_structp) {}
void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

bool WritePng(png_structp png, png_infop info, const Surface& s, png_bytep* rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(s.Width()), static_cast<png_uint_32>(s.Height()),
               8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

DrawResult EncodeBmp(const Surface& s, std::vector<std::uint8_t>* out) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(s.Width()) * 3 + 3) & ~3u;
  const std::uint32_t image_bytes = stride * static_cast<std::uint32_t>(s.Height());
  try {
    out->clear();
    out->reserve(54 + image_bytes);
    out->push_back('B');
    out->push_back('M');
    Put32(out, 54 + image_bytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(s.Width()));
    Put32(out, static_cast<std::uint32_t>(s.Height()));  // positive: bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // uncompressed
    Put32(out, image_bytes);
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(s.Width()) * 3);
    for (int y = s.Height() - 1; y >= 0; --y) {
      RowToRgb(s, y, rgb.data());
      for (int x = 0; x < s.Width(); ++x) {  // BMP rows are blue, green, red
        out->push_back(rgb[3 * x + 2]);
        out->push_back(rgb[3 * x + 1]);
        out->push_back(rgb[3 * x]);
      }
      for (std::uint32_t pad = static_cast<std::uint32_t>(s.Width()) * 3; pad < stride; ++pad) {
        out->push_back(0);
      }
    }
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
  return kOk;
}

DrawResult EncodePng(const Surface& s, std::vector<std::uint8_t>* out) {
  std::vector<std::uint8_t> image;
  std::vector<png_bytep> rows;
  try {
    const std::size_t row_bytes = static_cast<std::size_t>(s.Width()) * 3;
    image.resize(row_bytes * s.Height());
    rows.resize(s.Height());
    for (int y = 0; y < s.Height(); ++y) {
      rows[y] = image.data() + row_bytes * y;
      RowToRgb(s, y, rows[y]);
    }
    out->clear();
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (!png) return kOutOfMemory;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return kOutOfMemory;
  }
  png_set_write_fn(png, out, WriteToVector, Flush);
  const bool ok = WritePng(png, info, s, rows.data());
  png_destroy_write_struct(&png, &info);
  return ok ? kOk : kCannotCreateFile;
}

}  // namespace zentrix::draw::codecs
