#pragma once
// Reading a skin's images and fonts out of its archive, as ui::kSkinImages and
// ui::kSkinFontCharacters describe them.

#include <string>
#include <string_view>

#include "draw/bitmap_font.h"
#include "draw/draw_result.h"
#include "draw/surface.h"
#include "draw/vfs_archive.h"
#include "ui/skin/skin_geometry.h"

namespace zentrix::ui {

// "/" + name + the skin's extension.
std::string SkinImagePath(const SkinInfo& skin, std::string_view name);

// Loads an image with the skin's colour key. The drawing layer's results.
draw::DrawResult LoadSkinImage(draw::VfsArchive& archive, const SkinInfo& skin,
                               std::string_view name, draw::Surface* out);

// Loads a font image ("Font" or "SmallFont") and cuts it with the skin
// character list and kFontSpacing.
draw::DrawResult LoadSkinFont(draw::VfsArchive& archive, const SkinInfo& skin,
                              std::string_view name, draw::BitmapFont* out);

// The skin an archive file name (its last path part) stands for, or null.
const SkinInfo* SkinByArchiveName(std::string_view path);

}  // namespace zentrix::ui
