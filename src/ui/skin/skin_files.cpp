#include "ui/skin/skin_files.h"

#include "draw/image_io.h"

namespace zentrix::ui {

std::string SkinImagePath(const SkinInfo& skin, std::string_view name) {
  std::string path = "/";
  path += name;
  path += skin.extension;
  return path;
}

draw::DrawResult LoadSkinImage(draw::VfsArchive& archive, const SkinInfo& skin,
                               std::string_view name, draw::Surface* out) {
  out->SetColorKey(skin.color_key);
  return draw::LoadImageArchive(*out, 0, archive, SkinImagePath(skin, name));
}

draw::DrawResult LoadSkinFont(draw::VfsArchive& archive, const SkinInfo& skin,
                              std::string_view name, draw::BitmapFont* out) {
  draw::Surface image;
  const draw::DrawResult r = LoadSkinImage(archive, skin, name, &image);
  if (draw::Failed(r)) return r;
  return out->Create(std::move(image), kSkinFontCharacters, kFontSpacing);
}

const SkinInfo* SkinByArchiveName(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string_view base = slash == std::string_view::npos ? path : path.substr(slash + 1);
  for (const SkinInfo& skin : kSkins) {
    if (skin.archive == base) return &skin;
  }
  return nullptr;
}

}  // namespace zentrix::ui
