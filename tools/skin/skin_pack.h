#pragma once
// Builds the four skin archives from the drawings and the rasterised fonts.
// The drawing layer's display must be open (any HeadlessDisplay will do).

#include <cstdint>
#include <string>
#include <vector>

#include "draw/draw_result.h"
#include "tools/skin/font_face.h"
#include "ui/skin/skin_geometry.h"

namespace zentrix::skin {

// Pixel sizes (the em) of DejaVu Sans in each skin.
struct FontSizes {
  int font;
  int small_font;
};
FontSizes FontSizesFor(ui::SkinSize size);

// One file of an archive.
struct SkinFile {
  std::string name;  // "Font.png", below the archive's root
  std::vector<std::uint8_t> bytes;
  bool packed = false;
};

// Fonts are always packed, so that every archive uses both read paths; other
// images are packed when they are at least kPackMinimumBytes long and zlib
// saves at least a tenth of them.
inline constexpr std::size_t kPackMinimumBytes = 2048;
bool ShouldPack(const std::string& image_name, const std::vector<std::uint8_t>& bytes);

// Draws and encodes every image of ui::kSkinImages for the skin.
draw::DrawResult BuildSkinFiles(const ui::SkinInfo& skin, FontFace& face,
                                std::vector<SkinFile>* files, std::string* error);

// Builds the archive's bytes.
draw::DrawResult BuildSkinArchive(const ui::SkinInfo& skin, FontFace& face,
                                  std::vector<std::uint8_t>* archive, std::string* error);

// Writes 1.vfs .. 4.vfs into the folder (created when missing).
draw::DrawResult PackSkins(const std::string& folder, const std::string& font_path,
                           std::string* error);

}  // namespace zentrix::skin
