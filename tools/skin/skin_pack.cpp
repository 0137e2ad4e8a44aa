#include "tools/skin/skin_pack.h"

#include <zlib.h>

#include <filesystem>

#include "draw/image_io.h"
#include "draw/vfs_writer.h"
#include "tools/skin/art.h"
#include "tools/skin/font_image.h"
#include "tools/skin/theme.h"

namespace zentrix::skin {

FontSizes FontSizesFor(ui::SkinSize size) {
  return size == ui::SkinSize::kLarge ? FontSizes{21, 17} : FontSizes{11, 9};
}

bool ShouldPack(const std::string& image_name, const std::vector<std::uint8_t>& bytes) {
  if (image_name == "Font" || image_name == "SmallFont") return true;
  if (bytes.size() < kPackMinimumBytes) return false;
  uLongf bound = compressBound(static_cast<uLong>(bytes.size()));
  std::vector<Bytef> packed(bound);
  if (compress2(packed.data(), &bound, bytes.data(), static_cast<uLong>(bytes.size()),
                Z_BEST_COMPRESSION) != Z_OK) {
    return false;
  }
  return bound * 10 <= bytes.size() * 9;
}

draw::DrawResult BuildSkinFiles(const ui::SkinInfo& skin, FontFace& face,
                                std::vector<SkinFile>* files, std::string* error) {
  ArtContext art;
  art.theme = MakeTheme(skin.style);
  art.scale = ui::ScaleOf(skin.size);
  art.key = skin.color_key;
  art.face = &face;
  const std::uint32_t format =
      skin.extension == ".png" ? draw::image_format::kPng : draw::image_format::kBmp;
  const FontSizes sizes = FontSizesFor(skin.size);
  files->clear();
  for (const ui::SkinImage& image : ui::kSkinImages) {
    const std::string name(image.name);
    draw::Surface surface;
    draw::DrawResult r;
    if (name == "Font" || name == "SmallFont") {
      FontImageLayout layout;
      layout.pixel_size = name == "Font" ? sizes.font : sizes.small_font;
      layout.ink = art.theme.text;
      layout.key = skin.color_key;
      r = BuildFontImage(face, layout, &surface, error);
    } else {
      r = DrawImage(name, art, &surface);
      if (draw::Failed(r)) *error = "cannot draw " + name;
    }
    if (draw::Failed(r)) return r;
    SkinFile file;
    file.name = name + std::string(skin.extension);
    r = draw::EncodeImage(surface, format, &file.bytes);
    if (draw::Failed(r)) {
      *error = "cannot encode " + file.name;
      return r;
    }
    file.packed = ShouldPack(name, file.bytes);
    files->push_back(std::move(file));
  }
  return draw::kOk;
}

namespace {

draw::DrawResult BuildSkinWriter(const ui::SkinInfo& skin, FontFace& face, draw::VfsWriter* writer,
                                 std::string* error) {
  std::vector<SkinFile> files;
  draw::DrawResult r = BuildSkinFiles(skin, face, &files, error);
  if (draw::Failed(r)) return r;
  for (SkinFile& file : files) {
    r = writer->AddFile(file.name, std::move(file.bytes), file.packed);
    if (draw::Failed(r)) {
      *error = "cannot add " + file.name + " to the archive";
      return r;
    }
  }
  return draw::kOk;
}

}  // namespace

draw::DrawResult BuildSkinArchive(const ui::SkinInfo& skin, FontFace& face,
                                  std::vector<std::uint8_t>* archive, std::string* error) {
  draw::VfsWriter writer;
  const draw::DrawResult r = BuildSkinWriter(skin, face, &writer, error);
  if (draw::Succeeded(r)) *archive = writer.Build();
  return r;
}

draw::DrawResult PackSkins(const std::string& folder, const std::string& font_path,
                           std::string* error) {
  std::unique_ptr<FontFace> face = FontFace::Open(font_path, error);
  if (!face) return draw::kCannotOpenFile;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    *error = "cannot create the folder " + folder + ": " + ec.message();
    return draw::kCannotCreateFile;
  }
  for (const ui::SkinInfo& skin : ui::kSkins) {
    draw::VfsWriter writer;
    draw::DrawResult r = BuildSkinWriter(skin, *face, &writer, error);
    if (draw::Failed(r)) return r;
    const std::string path = (std::filesystem::path(folder) / skin.archive).string();
    r = writer.WriteFile(path);
    if (draw::Failed(r)) {
      *error = "cannot write " + path;
      return r;
    }
  }
  return draw::kOk;
}

}  // namespace zentrix::skin
