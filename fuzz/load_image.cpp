// Fuzzes image decoding (PNG through libpng, the BMP reader) and, for images that
// decode, the bitmap-font cutter and text drawing on the result.

#include <cstddef>
#include <cstdint>

#include "draw/bitmap_font.h"
#include "draw/headless_display.h"
#include "draw/image_io.h"

using namespace zentrix::draw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static HeadlessDisplay display;
  if (!display.IsOpen() && Failed(display.Open(64, 64))) return 0;
  Surface image;
  if (Failed(LoadImageMemory(image, 0, data, size))) return 0;
  if (image.Width() > 2048 || image.Height() > 256) return 0;
  const std::uint32_t flags = (size & 1) ? kFontNoMarkerRow : 0;
  BitmapFont font;
  if (Succeeded(font.Create(std::move(image), u"AB _", 1, flags))) {
    DrawText(display.BackBuffer(), 3, 5, u"A B_AB", font, 0x02);
  }
  return 0;
}
