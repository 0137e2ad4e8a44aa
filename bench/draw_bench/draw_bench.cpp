// Drawing-layer speed on a 480×640 surface, with memset and memcpy of the same
// bytes as the yardstick for plain fills and blits.

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "draw/bitmap_font.h"
#include "draw/headless_display.h"
#include "draw/image_io.h"
#include "draw/surface.h"
#include "draw/test_font_image.h"

namespace zentrix::draw {
namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 640;
constexpr std::size_t kBytes = std::size_t{kWidth} * kHeight * 2;

void OpenDisplay() {
  static HeadlessDisplay display;
  if (!display.IsOpen()) display.Open(kWidth, kHeight);
}

Surface MakeSurface(int w, int h) {
  OpenDisplay();
  Surface s;
  s.Create(surface_flags::kClear, w, h);
  std::mt19937 rng(7);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s.Row(y)[x] = static_cast<Pixel>(rng());
  }
  return s;
}

void BM_Memset(benchmark::State& state) {
  std::vector<std::uint8_t> buffer(kBytes);
  for (auto _ : state) {
    std::memset(buffer.data(), 0x5A, buffer.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_Memset);

void BM_Memcpy(benchmark::State& state) {
  std::vector<std::uint8_t> a(kBytes, 1), b(kBytes);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), a.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_Memcpy);

void BM_FillFullSurface(benchmark::State& state) {
  Surface s = MakeSurface(kWidth, kHeight);
  Color c = 0;
  for (auto _ : state) {
    s.FillRect(nullptr, c++);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_FillFullSurface);

void BM_BlitFullSurface(benchmark::State& state) {
  Surface src = MakeSurface(kWidth, kHeight);
  Surface dst = MakeSurface(kWidth, kHeight);
  for (auto _ : state) {
    dst.Blit(0, 0, src);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_BlitFullSurface);

void BM_ColorKeyBlit64(benchmark::State& state) {
  Surface dst = MakeSurface(kWidth, kHeight);
  Surface image = MakeSurface(64, 64);
  image.SetColorKey(Surface::ToColor(image.Row(0)[0]));
  for (int y = 0; y < 64; y += 2) {  // a quarter of the image is transparent
    for (int x = 0; x < 64; x += 2) image.Row(y)[x] = image.Row(0)[0];
  }
  int i = 0;
  for (auto _ : state) {
    dst.Blit(100 + (i++ & 15), 200, image, nullptr, blit_flags::kColorKey);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 64 * 64);
}
BENCHMARK(BM_ColorKeyBlit64);

void BM_TintedTextLine40(benchmark::State& state) {
  Surface dst = MakeSurface(kWidth, kHeight);
  Surface image;
  testing::MakeTestFontImage(&image, kDefaultFontCharacters, 9, 7, 15);
  BitmapFont font;
  if (Failed(font.Create(std::move(image), {}, 1))) {
    state.SkipWithError("font");
    return;
  }
  const std::u16string text = u"The quick brown fox jumps over a lazy do";  // 40 glyphs
  BlitEffect effect;
  effect.effect_color = 0x3399FF;
  for (auto _ : state) {
    DrawText(dst, 4, 300, text, font, blit_flags::kMultiply, &effect);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_TintedTextLine40);

void BM_RandomClippedLines1000(benchmark::State& state) {
  Surface dst = MakeSurface(kWidth, kHeight);
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> xs(-200, kWidth + 200), ys(-200, kHeight + 200);
  std::vector<int> coords(4000);
  for (std::size_t i = 0; i < coords.size(); i += 2) coords[i] = xs(rng), coords[i + 1] = ys(rng);
  const Rect clip{20, 30, kWidth - 20, kHeight - 30};
  dst.SetClipRect(&clip);
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) {
      const int* c = &coords[4 * i];
      dst.DrawLine(c[0], c[1], c[2], c[3], static_cast<Color>(i * 2654435761u));
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_RandomClippedLines1000);

void BM_DecodePng480x640(benchmark::State& state) {
  Surface s = MakeSurface(kWidth, kHeight);
  // A picture-like image: smooth gradients with a little noise.
  std::mt19937 rng(3);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      s.Row(y)[x] = Surface::ToPixel(MakeColor(x / 2 + (rng() & 7), y / 3, (x + y) / 5));
    }
  }
  std::vector<std::uint8_t> png;
  EncodeImage(s, image_format::kPng, &png);
  Surface out;
  for (auto _ : state) {
    if (Failed(LoadImageMemory(out, 0, png.data(), png.size()))) state.SkipWithError("decode");
  }
  state.counters["png_bytes"] = static_cast<double>(png.size());
}
BENCHMARK(BM_DecodePng480x640)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrix::draw
