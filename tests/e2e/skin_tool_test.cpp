// Runs zentrix-skin as a user would: packs the four skins, lists and extracts
// their files, and renders every glyph and a tagged paragraph in each skin into
// <build>/skin-samples/ so that the pictures can be looked at.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct RunResult {
  int status = -1;
  std::string out;
};

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) {
    if (c == '\'') {
      q += "'\\''";
    } else {
      q += c;
    }
  }
  q += '\'';
  return q;
}

RunResult RunSkin(const std::vector<std::string>& args) {
  std::string command = Quote(ZENTRIX_SKIN_PATH);
  for (const std::string& a : args) {
    command += ' ';
    command += Quote(a);
  }
  command += " 2>&1";
  RunResult run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Width and height from a PNG's header, or 0 × 0 when it is not a PNG.
std::pair<int, int> PngSize(const fs::path& path) {
  const std::string bytes = ReadFile(path);
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {0, 0};
  auto be32 = [&](std::size_t at) {
    return (static_cast<unsigned char>(bytes[at]) << 24) |
           (static_cast<unsigned char>(bytes[at + 1]) << 16) |
           (static_cast<unsigned char>(bytes[at + 2]) << 8) |
           static_cast<unsigned char>(bytes[at + 3]);
  };
  return {static_cast<int>(be32(16)), static_cast<int>(be32(20))};
}

class SkinToolTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // ctest runs each test in its own process, possibly at the same time: every
    // process packs into a folder of its own.
    skins_ = new fs::path(fs::path(ZENTRIX_BINARY_DIR) / "skin-samples" /
                          ("skins-" + std::to_string(getpid())));
    fs::remove_all(*skins_);
    pack_ = new RunResult(RunSkin({"pack", skins_->string()}));
  }
  static void TearDownTestSuite() {
    std::error_code ignored;
    fs::remove_all(*skins_, ignored);
    delete skins_;
    delete pack_;
  }
  static fs::path Archive(int n) { return *skins_ / (std::to_string(n) + ".vfs"); }
  static fs::path Sample(const std::string& name) {
    return fs::path(ZENTRIX_BINARY_DIR) / "skin-samples" / name;
  }

  static fs::path* skins_;
  static RunResult* pack_;
};

fs::path* SkinToolTest::skins_ = nullptr;
RunResult* SkinToolTest::pack_ = nullptr;

TEST_F(SkinToolTest, PackWritesTheFourArchives) {
  ASSERT_EQ(pack_->status, 0) << pack_->out;
  for (int n = 1; n <= 4; ++n) EXPECT_TRUE(fs::is_regular_file(Archive(n))) << n;
}

TEST_F(SkinToolTest, ListShowsPathSizeAndPacking) {
  ASSERT_EQ(pack_->status, 0);
  for (int n = 1; n <= 4; ++n) {
    const RunResult list = RunSkin({"list", Archive(n).string()});
    ASSERT_EQ(list.status, 0) << list.out;
    const std::string ext = n % 2 == 1 ? ".bmp" : ".png";
    std::istringstream lines(list.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
      ++count;
      EXPECT_THAT(line, ::testing::MatchesRegex("/[A-Za-z]+\\" + ext + " [0-9]+ (packed|stored)"));
    }
    EXPECT_EQ(count, 26);
    EXPECT_THAT(list.out, ::testing::HasSubstr("/Font" + ext + " "));
    EXPECT_THAT(list.out, ::testing::HasSubstr(" stored\n"));
    EXPECT_THAT(list.out, ::testing::HasSubstr(" packed\n"));
  }
}

TEST_F(SkinToolTest, ExtractWritesTheFileBytes) {
  ASSERT_EQ(pack_->status, 0);
  const RunResult list = RunSkin({"list", Archive(1).string()});
  for (const std::string name : {"/Font.bmp", "/CheckBox.bmp"}) {
    const std::size_t at = list.out.find(name + " ");
    ASSERT_NE(at, std::string::npos);
    const long size = std::stol(list.out.substr(at + name.size() + 1));
    const fs::path out = Sample("extracted" + name.substr(1));
    const RunResult extract = RunSkin({"extract", Archive(1).string(), name, out.string()});
    ASSERT_EQ(extract.status, 0) << extract.out;
    const std::string bytes = ReadFile(out);
    EXPECT_EQ(static_cast<long>(bytes.size()), size);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
  }
  // Converted to PNG through the drawing layer.
  const fs::path png = Sample("Keyboard-3.png");
  ASSERT_EQ(
      RunSkin({"extract", Archive(3).string(), "/Keyboard.bmp", png.string(), "--png"}).status, 0);
  EXPECT_EQ(PngSize(png), std::make_pair(231, 126));
  EXPECT_EQ(RunSkin({"extract", Archive(3).string(), "/keyboard.bmp", png.string()}).status, 1);
}

TEST_F(SkinToolTest, RendersEveryGlyphAndATaggedParagraphInEachSkin) {
  ASSERT_EQ(pack_->status, 0);
  const std::string glyphs =
      " !\"#$%&'()*+,-./0123456789:;<=>?@\\nABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`\\n"
      "abcdefghijklmnopqrstuvwxyz{|}~\\n"
      "\u1D07\u00B0\u222B\u00B2\u207B\u00B9\u221A\u2220\u221E\u212F\u2148\\n"
      "\u03B1\u03B2\u03B3\u03B4\u03B5\u03B6\u03B7\u03B8\u03B9\u03BA\u03BB\u03BC\u03BD\u03BE"
      "\u03BF\u03C0\u03C1\u03C3\u03C4\u03C5\u03C6\u03C7\u03C8\u03C9\\n"
      "\u0393\u0394\u0398\u039B\u039E\u03A0\u03A3\u03A6\u03A8\u03A9";
  const std::string paragraph =
      "Tap [yellow]Solve[/] to evaluate the expression. [red]Errors[/] are red; "
      "[green]green[/], [magenta]magenta[/], [gray]gray[/] and [lightgray]light gray[/] "
      "mark the rest.\\nf(x)=sin(cos(tan(x)))+\u221A(x\u00B2+1)*\u212F^(\u2148\u03B8)";
  for (int n = 1; n <= 4; ++n) {
    const int width = n % 2 == 1 ? 240 : 480;
    for (const char* font : {"Font", "SmallFont"}) {
      const fs::path out = Sample("glyphs-" + std::to_string(n) + "-" + font + ".png");
      const RunResult run = RunSkin({"render", Archive(n).string(), "--plain", "--font", font,
                                     "--text", glyphs, "-o", out.string()});
      ASSERT_EQ(run.status, 0) << run.out;
      const auto [w, h] = PngSize(out);
      EXPECT_EQ(w, width);
      EXPECT_GE(h, 6 * 9 * width / 240);  // six lines of at least 9 (18) pixels
    }
    const fs::path out = Sample("paragraph-" + std::to_string(n) + ".png");
    const RunResult run = RunSkin(
        {"render", Archive(n).string(), "--text", paragraph, "--parentheses", "-o", out.string()});
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(PngSize(out).first, width);
    // A narrower width wraps into more lines: a taller picture.
    const fs::path narrow = Sample("paragraph-narrow-" + std::to_string(n) + ".png");
    ASSERT_EQ(RunSkin({"render", Archive(n).string(), "--text", paragraph, "--width",
                       std::to_string(width / 2), "--colour", "0x00FFFF", "-o", narrow.string()})
                  .status,
              0);
    EXPECT_GT(PngSize(narrow).second, PngSize(out).second);
  }
}

TEST_F(SkinToolTest, BadUsageAndBadInputAreReported) {
  ASSERT_EQ(pack_->status, 0);
  const std::string archive = Archive(1).string();
  const std::string out = Sample("bad.png").string();
  EXPECT_EQ(RunSkin({}).status, 2);
  EXPECT_EQ(RunSkin({"frobnicate"}).status, 2);
  EXPECT_EQ(RunSkin({"render", archive, "-o", out}).status, 2);  // no text
  EXPECT_EQ(RunSkin({"render", archive, "--text", "a", "--font", "Big", "-o", out}).status, 2);
  EXPECT_EQ(RunSkin({"render", archive, "--text", "a", "--width", "-5", "-o", out}).status, 2);
  EXPECT_EQ(RunSkin({"render", archive, "--text", "a", "--colour", "0x1000000", "-o", out}).status,
            2);
  const RunResult unmapped = RunSkin({"render", archive, "--text", "a\u00B7b", "-o", out});
  EXPECT_EQ(unmapped.status, 2);
  EXPECT_THAT(unmapped.out, ::testing::HasSubstr("U+00B7"));
  const RunResult missing = RunSkin({"list", (*skins_ / "9.vfs").string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_THAT(missing.out, ::testing::HasSubstr("cannot open"));
  EXPECT_EQ(RunSkin({"render", (*skins_ / "other.vfs").string(), "--text", "a", "-o", out}).status,
            2);
}

}  // namespace
