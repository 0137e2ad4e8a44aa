#pragma once
// The zentrix-skin commands. Each returns the program's exit status: 0 success,
// 1 failure (reason on `err`), 2 bad usage.

#include <ostream>
#include <string>
#include <vector>

namespace zentrix::skin {

inline constexpr const char* kUsage =
    "usage: zentrix-skin pack OUTDIR\n"
    "       zentrix-skin list ARCHIVE\n"
    "       zentrix-skin extract ARCHIVE PATH OUT [--png]\n"
    "       zentrix-skin render ARCHIVE --text TEXT [--font Font|SmallFont] [--width W]\n"
    "                           [--colour 0xBBGGRR] [--parentheses] [--plain] -o OUT.png\n";

// Dispatches on args[0] (the command name; the program name is not included).
int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int RunPack(const std::string& folder, std::ostream& err);
int RunList(const std::string& archive, std::ostream& out, std::ostream& err);
// With as_png the file is decoded as an image and written as PNG.
int RunExtract(const std::string& archive, const std::string& path, const std::string& output,
               bool as_png, std::ostream& err);

struct RenderOptions {
  std::string archive;
  std::string text;  // UTF-8; the two characters "\n" also break the line
  std::string font = "Font";
  int width = 0;     // 0: the skin's screen width
  long colour = -1;  // the caller's colour, -1 for none
  bool parentheses = false;
  bool plain = false;  // each line drawn as plain text, without tags or wrapping
  std::string output;
};
int RunRender(const RenderOptions& options, std::ostream& err);

}  // namespace zentrix::skin
