#include "ui/skin/skin.h"

#include <algorithm>
#include <utility>

#include "draw/vfs_archive.h"
#include "ui/skin/skin_files.h"

namespace zentrix::ui {
namespace {

draw::DrawResult LoadFontFrom(const std::string& folder, const SkinInfo& skin,
                              std::string_view name, draw::BitmapFont* out) {
  draw::VfsArchive archive;
  const draw::DrawResult r = archive.Open(folder + "/" + std::string(skin.archive));
  if (draw::Failed(r)) return r;
  const draw::DrawResult loaded = LoadSkinFont(archive, skin, name, out);
  archive.Close();
  return loaded;
}

}  // namespace

SkinPalette PaletteFor(SkinSize size, SkinStyle style) {
  SkinPalette p;
  if (style == SkinStyle::kBright) {
    p.background = 0xFFFFFF;
    p.text = 0x000000;
    p.message_box_fill = 0x646464;
    p.message_box_frame = 0xFFFFFF;
    p.file_item_frame = 0xFFFFFF;
    p.grid_fill = 0xF0F0F0;
    p.grid_line = 0x969696;
    p.highlight = 0xC8C8C8;
  }
  p.scroll_bar_thickness = Scaled(kScrollBarThickness, size);
  p.scroll_bar_min_thumb = Scaled(kScrollBarMinThumb, size);
  return p;
}

void Skin::Release() {
  for (draw::Surface& image : images_) image.Destroy();
  normal_font_.Destroy();
  second_font_.Destroy();
  white_font_.Destroy();
  BindRenderers();
}

void Skin::SetInfo(SkinSize size, SkinStyle style) {
  info_ = &SkinFor(size, style);
  palette_ = PaletteFor(size, style);
  BindRenderers();
}

draw::DrawResult Skin::Load(const std::string& folder, SkinSize size, SkinStyle style) {
  Release();
  SetInfo(size, style);
  draw::VfsArchive archive;
  const draw::DrawResult opened = archive.Open(folder + "/" + std::string(info_->archive));
  if (draw::Failed(opened)) return opened;
  for (int i = 0; i < kSkinImageCount; ++i) {
    const auto id = static_cast<SkinImageId>(i);
    if (id == SkinImageId::kFont || id == SkinImageId::kSmallFont) continue;
    if (draw::Failed(LoadSkinImage(archive, *info_, kSkinImages[i].name, &images_[i]))) {
      images_[i].Destroy();
    }
  }
  LoadSkinFont(archive, *info_, "Font", &normal_font_);
  if (size == SkinSize::kLarge) LoadSkinFont(archive, *info_, "SmallFont", &second_font_);
  archive.Close();
  if (size == SkinSize::kSmall) {
    LoadFontFrom(folder, SkinFor(SkinSize::kLarge, style), "Font", &second_font_);
  }
  if (style == SkinStyle::kBright) {
    LoadFontFrom(folder, SkinFor(size, SkinStyle::kClassic), "Font", &white_font_);
  }
  BindRenderers();
  return draw::kOk;
}

void Skin::BindRenderers() {
  const std::uint32_t native = NativeTextColor(info_->style);
  normal_text_.SetFont(&normal_font_, native);
  second_text_.SetFont(second_font_.IsCreated() ? &second_font_ : &normal_font_, native);
  if (white_font_.IsCreated()) {
    white_text_.SetFont(&white_font_, 0xFFFFFF);
  } else {
    white_text_.SetFont(&normal_font_, native);
  }
}

void Skin::SetImage(SkinImageId id, draw::Surface image) {
  images_[static_cast<int>(id)] = std::move(image);
}

void Skin::SetFonts(draw::BitmapFont normal, draw::BitmapFont second, draw::BitmapFont white) {
  normal_font_ = std::move(normal);
  second_font_ = std::move(second);
  white_font_ = std::move(white);
  BindRenderers();
}

const draw::Surface* Skin::Image(SkinImageId id) const {
  const draw::Surface& image = images_[static_cast<int>(id)];
  return image.HasPixels() ? &image : nullptr;
}

int Skin::Frames(SkinImageId id) const { return kSkinImages[static_cast<int>(id)].frames; }

int Skin::FrameWidth(SkinImageId id) const {
  const draw::Surface* image = Image(id);
  return image ? image->Width() / Frames(id) : 0;
}

int Skin::FrameHeight(SkinImageId id) const {
  const draw::Surface* image = Image(id);
  return image ? image->Height() : 0;
}

void Skin::DrawFrame(draw::Surface& dest, SkinImageId id, int frame, int x, int y) const {
  const draw::Surface* image = Image(id);
  if (!image || frame < 0 || frame >= Frames(id)) return;
  const int w = FrameWidth(id);
  const draw::Rect source = draw::Rect::FromSize(frame * w, 0, w, image->Height());
  dest.Blit(x, y, *image, &source, draw::blit_flags::kColorKey);
}

void Skin::DrawFrameCut(draw::Surface& dest, SkinImageId id, int frame, int x, int y,
                        int width) const {
  const draw::Surface* image = Image(id);
  if (!image || frame < 0 || frame >= Frames(id) || width <= 0) return;
  const int w = FrameWidth(id);
  if (width >= w) {
    DrawFrame(dest, id, frame, x, y);
    return;
  }
  const int edge = std::min(Px(kCutEdge), width);
  const int left = width - edge;
  const draw::Rect head = draw::Rect::FromSize(frame * w, 0, left, image->Height());
  const draw::Rect tail = draw::Rect::FromSize(frame * w + w - edge, 0, edge, image->Height());
  dest.Blit(x, y, *image, &head, draw::blit_flags::kColorKey);
  dest.Blit(x + left, y, *image, &tail, draw::blit_flags::kColorKey);
}

void Skin::DrawFrameFitted(draw::Surface& dest, SkinImageId id, int frame, int x, int y, int width,
                           int edge) const {
  const draw::Surface* image = Image(id);
  if (!image || frame < 0 || frame >= Frames(id) || width <= 0) return;
  const int w = FrameWidth(id);
  const int tail_width = std::min({Px(edge), width, w});
  const int head_width = std::min(width - tail_width, w - tail_width);
  const int h = image->Height();
  const draw::Rect head = draw::Rect::FromSize(frame * w, 0, head_width, h);
  dest.Blit(x, y, *image, &head, draw::blit_flags::kColorKey);
  if (head_width > 0) {
    // A wider box repeats the last column of the head up to the tail.
    const draw::Rect column = draw::Rect::FromSize(frame * w + head_width - 1, 0, 1, h);
    for (int cx = x + head_width; cx < x + width - tail_width; ++cx) {
      dest.Blit(cx, y, *image, &column, draw::blit_flags::kColorKey);
    }
  }
  const draw::Rect tail = draw::Rect::FromSize(frame * w + w - tail_width, 0, tail_width, h);
  dest.Blit(x + width - tail_width, y, *image, &tail, draw::blit_flags::kColorKey);
}

}  // namespace zentrix::ui
