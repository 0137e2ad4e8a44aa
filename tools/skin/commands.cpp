#include "tools/skin/commands.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>

#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "draw/image_io.h"
#include "draw/vfs_archive.h"
#include "engine/core/charset.h"
#include "tools/skin/skin_pack.h"
#include "ui/skin/skin_files.h"
#include "ui/text/text_renderer.h"

namespace zentrix::skin {

namespace {

std::string Hex32(draw::DrawResult r) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(r));
  return buffer;
}

// The drawing layer needs an open display; the tool opens a headless one unless
// its caller already has a display.
class ScopedDisplay {
 public:
  ScopedDisplay() {
    if (!draw::Context().display_open) display_.Open(16, 16);
  }

 private:
  draw::HeadlessDisplay display_;
};

int OpenArchive(draw::VfsArchive& archive, const std::string& path, std::ostream& err) {
  // Paths on the command line are relative to the working folder.
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  const draw::DrawResult r = archive.Open(ec ? path : absolute.string());
  if (draw::Failed(r)) {
    err << "zentrix-skin: cannot open the archive " << path << " (" << Hex32(r) << ")\n";
    return 1;
  }
  return 0;
}

bool ParseInt(const std::string& s, int base, long* value) {
  const char* begin = s.data();
  const char* end = s.data() + s.size();
  if (base == 16 && s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) begin += 2;
  const auto [ptr, ec] = std::from_chars(begin, end, *value, base);
  return ec == std::errc() && ptr == end && begin != end;
}

std::string ExpandLineBreaks(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      out += '\n';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Draws each line as plain text: tags and brackets are shown as they are.
void DrawPlainLines(ui::TextRenderer& renderer, std::u16string_view text, int margin) {
  int y = margin;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find(u'\n', start);
    if (end == std::u16string_view::npos) end = text.size();
    renderer.DrawPlain(text.substr(start, end - start), margin, y, renderer.Color());
    y += renderer.LineHeight();
    start = end + 1;
  }
}

}  // namespace

int RunPack(const std::string& folder, std::ostream& err) {
  ScopedDisplay display;
  std::string error;
  const draw::DrawResult r = PackSkins(folder, kDejaVuSansPath, &error);
  if (draw::Failed(r)) {
    err << "zentrix-skin: " << error << " (" << Hex32(r) << ")\n";
    return 1;
  }
  return 0;
}

int RunList(const std::string& path, std::ostream& out, std::ostream& err) {
  draw::VfsArchive archive;
  if (OpenArchive(archive, path, err)) return 1;
  for (const draw::VfsArchive::Entry& e : archive.List()) {
    out << e.path << ' ' << e.size << ' ' << (e.packed_size ? "packed" : "stored") << '\n';
  }
  return 0;
}

int RunExtract(const std::string& archive_path, const std::string& path, const std::string& output,
               bool as_png, std::ostream& err) {
  ScopedDisplay display;
  draw::VfsArchive archive;
  if (OpenArchive(archive, archive_path, err)) return 1;
  if (as_png) {
    draw::Surface image;
    draw::DrawResult r = draw::LoadImageArchive(image, 0, archive, path);
    if (draw::Succeeded(r)) r = draw::SaveImage(image, output, draw::image_format::kPng);
    if (draw::Failed(r)) {
      err << "zentrix-skin: cannot convert " << path << " (" << Hex32(r) << ")\n";
      return 1;
    }
    return 0;
  }
  draw::VfsFile file;
  draw::DrawResult r = file.Open(archive, path);
  std::uint32_t size = 0;
  bool packed = false;
  if (draw::Succeeded(r)) r = file.GetInfo(&size, &packed);
  std::vector<char> bytes(size);
  std::size_t delivered = 0;
  if (draw::Succeeded(r) && size > 0) r = file.Read(bytes.data(), size, &delivered);
  if (draw::Failed(r) || delivered != size) {
    err << "zentrix-skin: cannot read " << path << " (" << Hex32(r) << ")\n";
    return 1;
  }
  std::ofstream stream(output, std::ios::binary | std::ios::trunc);
  if (!stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !stream.flush()) {
    err << "zentrix-skin: cannot write " << output << "\n";
    return 1;
  }
  return 0;
}

int RunRender(const RenderOptions& o, std::ostream& err) {
  const ui::SkinInfo* skin = ui::SkinByArchiveName(o.archive);
  if (!skin) {
    err << "zentrix-skin: " << o.archive << " is not one of the skin archives 1.vfs to 4.vfs\n";
    return 2;
  }
  if (o.font != "Font" && o.font != "SmallFont") {
    err << "zentrix-skin: --font must be Font or SmallFont\n";
    return 2;
  }
  const chars::Utf8Decoding text = chars::FromUtf8(ExpandLineBreaks(o.text));
  if (!text.ok()) {
    err << "zentrix-skin: the text cannot be drawn: " << text.error << " at byte "
        << text.error_offset << "\n";
    return 2;
  }
  ScopedDisplay display;
  draw::VfsArchive archive;
  if (OpenArchive(archive, o.archive, err)) return 1;
  draw::BitmapFont font;
  draw::DrawResult r = ui::LoadSkinFont(archive, *skin, o.font, &font);
  if (draw::Failed(r)) {
    err << "zentrix-skin: cannot load the font " << o.font << " (" << Hex32(r) << ")\n";
    return 1;
  }

  const int margin = ui::Scaled(4, skin->size);
  const int width = o.width > 0 ? o.width : ui::Scaled(240, skin->size);
  if (width <= 2 * margin || width > draw::kMaxSurfaceSide) {
    err << "zentrix-skin: --width must lie between " << 2 * margin + 1 << " and "
        << draw::kMaxSurfaceSide << "\n";
    return 2;
  }
  ui::TextRenderer renderer(&font, ui::NativeTextColor(skin->style));
  renderer.SetColor(static_cast<std::int32_t>(o.colour));
  // Measure first, then draw into a surface just tall enough.
  const int max_lines = (draw::kMaxSurfaceSide - 2 * margin) / std::max(1, renderer.LineHeight());
  const draw::Rect tall{margin, margin, width - margin, margin + max_lines * renderer.LineHeight()};
  const std::u16string& u16 = text.text;
  const int lines =
      std::min(o.plain ? 1 + static_cast<int>(std::count(u16.begin(), u16.end(), u'\n'))
                       : renderer.LayOut(u16, tall, o.parentheses),
               max_lines);
  draw::Surface surface;
  r = surface.Create(0, width, lines * renderer.LineHeight() + 2 * margin);
  if (draw::Succeeded(r)) {
    r = surface.FillRect(nullptr, skin->style == ui::SkinStyle::kClassic ? 0x000000 : 0xFFFFFF);
  }
  if (draw::Succeeded(r)) {
    renderer.SetTarget(&surface);
    if (o.plain) {
      DrawPlainLines(renderer, u16, margin);
    } else {
      renderer.DrawMarkupIn(u16, draw::Rect{margin, margin, width - margin, surface.Height()},
                            o.parentheses);
    }
    r = draw::SaveImage(surface, o.output, draw::image_format::kPng);
  }
  if (draw::Failed(r)) {
    err << "zentrix-skin: cannot write " << o.output << " (" << Hex32(r) << ")\n";
    return 1;
  }
  return 0;
}

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return 2;
  }
  const std::string& command = args[0];
  if (command == "pack" && args.size() == 2) return RunPack(args[1], err);
  if (command == "list" && args.size() == 2) return RunList(args[1], out, err);
  if (command == "extract" && (args.size() == 4 || (args.size() == 5 && args[4] == "--png"))) {
    return RunExtract(args[1], args[2], args[3], args.size() == 5, err);
  }
  if (command == "render" && args.size() >= 2) {
    RenderOptions o;
    o.archive = args[1];
    bool has_text = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
      const std::string& a = args[i];
      const bool has_value = i + 1 < args.size();
      long value = 0;
      if (a == "--text" && has_value) {
        o.text = args[++i];
        has_text = true;
      } else if (a == "--font" && has_value) {
        o.font = args[++i];
      } else if (a == "--width" && has_value && ParseInt(args[i + 1], 10, &value) && value > 0 &&
                 value <= draw::kMaxSurfaceSide) {
        o.width = static_cast<int>(value);
        ++i;
      } else if (a == "--colour" && has_value && ParseInt(args[i + 1], 16, &value) && value >= 0 &&
                 value <= 0xFFFFFF) {
        o.colour = value;
        ++i;
      } else if (a == "--plain") {
        o.plain = true;
      } else if (a == "--parentheses") {
        o.parentheses = true;
      } else if (a == "-o" && has_value) {
        o.output = args[++i];
      } else {
        err << "zentrix-skin: bad render option " << a << "\n" << kUsage;
        return 2;
      }
    }
    if (!has_text || o.output.empty()) {
      err << "zentrix-skin: render needs --text and -o\n" << kUsage;
      return 2;
    }
    return RunRender(o, err);
  }
  err << kUsage;
  return 2;
}

}  // namespace zentrix::skin
