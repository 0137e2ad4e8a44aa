// Loading a whole Large skin from its archive: every image and both fonts, as
// the program does at start-up and on every style toggle.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "draw/bitmap_font.h"
#include "draw/headless_display.h"
#include "draw/vfs_archive.h"
#include "tools/skin/skin_pack.h"
#include "ui/skin/skin_files.h"

namespace zentrix::ui {
namespace {

// Builds the skin's archive once into a temporary file and returns its path.
std::string SkinArchiveFile(const SkinInfo& skin) {
  static draw::HeadlessDisplay display;
  if (!display.IsOpen()) display.Open(480, 640);
  const std::string path =
      (std::filesystem::temp_directory_path() / ("zentrix-bench-" + std::string(skin.archive)))
          .string();
  std::string error;
  std::unique_ptr<skin::FontFace> face = skin::FontFace::Open(skin::kDejaVuSansPath, &error);
  std::vector<std::uint8_t> bytes;
  if (!face || draw::Failed(skin::BuildSkinArchive(skin, *face, &bytes, &error))) return {};
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

void BM_LoadLargeSkin(benchmark::State& state) {
  const SkinInfo& skin = kSkins[static_cast<std::size_t>(state.range(0))];
  const std::string path = SkinArchiveFile(skin);
  if (path.empty()) {
    state.SkipWithError("cannot build the skin archive");
    return;
  }
  for (auto _ : state) {
    draw::VfsArchive archive;
    if (draw::Failed(archive.Open(path))) {
      state.SkipWithError("cannot open the archive");
      return;
    }
    std::vector<draw::Surface> images;
    images.reserve(kSkinImages.size());
    draw::BitmapFont font, small_font;
    bool ok = draw::Succeeded(LoadSkinFont(archive, skin, "Font", &font)) &&
              draw::Succeeded(LoadSkinFont(archive, skin, "SmallFont", &small_font));
    for (const SkinImage& image : kSkinImages) {
      if (image.name == "Font" || image.name == "SmallFont") continue;
      images.emplace_back();
      ok = ok && draw::Succeeded(LoadSkinImage(archive, skin, image.name, &images.back()));
    }
    if (!ok) {
      state.SkipWithError("an image did not load");
      return;
    }
    archive.Close();
    benchmark::DoNotOptimize(images.data());
  }
  std::filesystem::remove(path);
}
// 1: Large Classic, 3: Large Bright.
BENCHMARK(BM_LoadLargeSkin)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrix::ui
