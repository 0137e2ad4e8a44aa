#include "tools/skin/art.h"

namespace zentrix::skin {

draw::DrawResult DrawImage(std::string_view name, const ArtContext& art, draw::Surface* out) {
  if (name == "ImageList") return DrawIconList(art, out);
  for (auto group : {DrawWidgetImage, DrawBarImage, DrawPadImage}) {
    const draw::DrawResult r = group(name, art, out);
    if (r != draw::kInvalidArgument) return r;
  }
  return draw::kInvalidArgument;
}

}  // namespace zentrix::skin
