#include "draw/vfs_archive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "draw/draw_context.h"
#include "draw/vfs_writer.h"

namespace zentrix::draw {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::vector<std::uint8_t> Pattern(std::size_t n) {
  std::vector<std::uint8_t> v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>((i * 7 + i / 13) & 0xFF);
  return v;
}

std::string ReadAll(VfsFile& f) {
  std::string out(1 << 16, '\0');
  std::size_t n = 0;
  EXPECT_EQ(f.Read(out.data(), out.size(), &n), kOk);
  out.resize(n);
  return out;
}

class VfsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(writer_.AddFile("Font.png", Bytes("font-bytes"), false), kOk);
    ASSERT_EQ(writer_.AddFile("/images/Button.bmp", Pattern(5000), true), kOk);
    ASSERT_EQ(writer_.AddFile("images/deep/x", Bytes("xyz"), false), kOk);
    bytes_ = writer_.Build();
    ASSERT_EQ(archive_.OpenMemory(bytes_.data(), bytes_.size()), kOk);
  }

  VfsWriter writer_;
  std::vector<std::uint8_t> bytes_;
  VfsArchive archive_;
};

TEST_F(VfsTest, WriterLayoutHasHeaderAndPadBytes) {
  ASSERT_EQ(std::memcmp(bytes_.data(), "GDvf\1\0\0\0", 8), 0);
  // Root "/" (length 1: no pad), two children.
  const std::uint8_t root[] = {2, 0, 1, '/'};
  EXPECT_EQ(std::memcmp(bytes_.data() + 12, root, 4), 0);
  // "Font.png" has even length 8: length byte, name, one pad byte.
  const std::uint8_t font[] = {0xFF, 0xFF, 8, 'F', 'o', 'n', 't', '.', 'p', 'n', 'g', 0};
  EXPECT_EQ(std::memcmp(bytes_.data() + 16, font, sizeof(font)), 0);
  // "images" (6, even) then its record count 2; "Button.bmp" (10) ... "deep" (4) "x" (1: no pad).
  const std::size_t images_at = 16 + sizeof(font) + 12;
  const std::uint8_t images[] = {2, 0, 6, 'i', 'm', 'a', 'g', 'e', 's', 0};
  EXPECT_EQ(std::memcmp(bytes_.data() + images_at, images, sizeof(images)), 0);
  const auto list = archive_.List();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[2].path, "/images/deep/x");
  EXPECT_EQ(list[1].size, 5000u);
  EXPECT_GT(list[1].packed_size, 0u);
}

TEST_F(VfsTest, PathRules) {
  VfsFile f;
  EXPECT_EQ(f.Open(archive_, "/Font.png"), kOk);
  EXPECT_EQ(ReadAll(f), "font-bytes");
  EXPECT_EQ(archive_.OpenFileCount(), 1);
  EXPECT_EQ(f.Open(archive_, "Font.png"), kPathNotFound);  // no leading "/"
  EXPECT_FALSE(f.IsOpen());
  EXPECT_EQ(archive_.OpenFileCount(), 0);
  EXPECT_EQ(f.Open(archive_, "/font.png"), kPathNotFound);  // case matters
  EXPECT_EQ(f.Open(archive_, "/images"), kPathNotFound);    // a directory
  EXPECT_EQ(f.Open(archive_, "/images/deep"), kPathNotFound);
  EXPECT_EQ(f.Open(archive_, "/Font.png/x"), kPathNotFound);  // through a file
  EXPECT_EQ(f.Open(archive_, "/"), kPathNotFound);
  EXPECT_EQ(f.Open(archive_, "/images//deep/x"), kPathNotFound);
  EXPECT_EQ(f.Open(archive_, "/images/deep/x"), kOk);
  EXPECT_EQ(ReadAll(f), "xyz");
  VfsArchive closed;
  EXPECT_EQ(f.Open(closed, "/Font.png"), kArchiveNotOpen);
}

TEST_F(VfsTest, PackedReadInTwoHalvesEqualsOneRead) {
  const auto expected = Pattern(5000);
  VfsFile f;
  ASSERT_EQ(f.Open(archive_, "/images/Button.bmp"), kOk);
  std::uint32_t size = 0;
  bool packed = false;
  ASSERT_EQ(f.GetInfo(&size, &packed), kOk);
  EXPECT_EQ(size, 5000u);
  EXPECT_TRUE(packed);
  EXPECT_EQ(f.StoredData(), nullptr);
  std::vector<std::uint8_t> buffer(6000);
  std::size_t a = 0, b = 0, c = 0;
  ASSERT_EQ(f.Read(buffer.data(), 2345, &a), kOk);
  ASSERT_EQ(f.Read(buffer.data() + a, 6000 - a, &b), kOk);
  EXPECT_EQ(a + b, 5000u);
  EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + 5000), expected);
  ASSERT_EQ(f.Read(buffer.data(), 10, &c), kOk);
  EXPECT_EQ(c, 0u);
  ASSERT_EQ(f.Rewind(), kOk);
  ASSERT_EQ(f.Read(buffer.data(), 6000, &a), kOk);
  EXPECT_EQ(a, 5000u);
  EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + 5000), expected);
}

TEST_F(VfsTest, StoredReadsAndRewind) {
  VfsFile f;
  ASSERT_EQ(f.Open(archive_, "/Font.png"), kOk);
  ASSERT_NE(f.StoredData(), nullptr);
  EXPECT_EQ(std::memcmp(f.StoredData(), "font-bytes", 10), 0);
  char part[4];
  std::size_t n = 0;
  ASSERT_EQ(f.Read(part, 4, &n), kOk);
  EXPECT_EQ(std::string(part, n), "font");
  EXPECT_EQ(f.Position(), 4u);
  ASSERT_EQ(f.Rewind(), kOk);
  EXPECT_EQ(ReadAll(f), "font-bytes");
  EXPECT_EQ(ReadAll(f), "");
}

TEST_F(VfsTest, ClosingWithOpenFilesDetachesThem) {
  VfsFile a, b;
  ASSERT_EQ(a.Open(archive_, "/Font.png"), kOk);
  ASSERT_EQ(b.Open(archive_, "/images/Button.bmp"), kOk);
  ASSERT_EQ(b.Close(), kOk);
  EXPECT_EQ(archive_.OpenFileCount(), 1);
  EXPECT_EQ(archive_.Close(), kFilesStillOpen);
  EXPECT_FALSE(archive_.IsOpen());
  char c;
  std::size_t n;
  EXPECT_EQ(a.Read(&c, 1, &n), kFileNotOpen);  // never reads the released mapping
  EXPECT_EQ(a.Close(), kFileNotOpen);
  EXPECT_EQ(archive_.Close(), kOk);
}

TEST(VfsHeaderTest, BadHeadersAndOverruns) {
  VfsWriter w;
  ASSERT_EQ(w.AddFile("abc", Bytes("hello"), false), kOk);
  const auto good = w.Build();
  VfsArchive a;
  auto bad = good;
  bad[0] = 'X';
  EXPECT_EQ(a.OpenMemory(bad.data(), bad.size()), kBadMagic);
  bad = good;
  bad[4] = 2;
  EXPECT_EQ(a.OpenMemory(bad.data(), bad.size()), kBadVersion);
  EXPECT_EQ(a.OpenMemory(good.data(), 3), kBadMagic);
  EXPECT_EQ(a.OpenMemory(good.data(), 10), kDirectoryOverrun);
  // A name that runs past the directory end fails the whole open.
  bad = good;
  bad[16 + 2] = 200;  // the file's name length
  EXPECT_EQ(a.OpenMemory(bad.data(), bad.size()), kDirectoryOverrun);
  EXPECT_FALSE(a.IsOpen());
  // A directory end beyond the file.
  bad = good;
  bad[8] = 0xFF, bad[9] = 0xFF;
  EXPECT_EQ(a.OpenMemory(bad.data(), bad.size()), kDirectoryOverrun);
  // File data beyond the end of the file is refused, not read.
  bad = good;
  const std::size_t size_at = 16 + 2 + 4;  // after count, length, "abc" (odd: no pad)
  ASSERT_EQ(bad[size_at], 5);
  bad[size_at] = 6;
  EXPECT_EQ(a.OpenMemory(bad.data(), bad.size()), kDirectoryOverrun);
  bad = good;
  bad[size_at + 8] = 0xF0;  // offset
  EXPECT_EQ(a.OpenMemory(bad.data(), bad.size()), kDirectoryOverrun);
  // Many children claimed in a tiny directory are refused before allocating.
  bad = good;
  bad[12] = 0xFE, bad[13] = 0xFF;
  EXPECT_EQ(a.OpenMemory(bad.data(), bad.size()), kDirectoryOverrun);
  EXPECT_EQ(a.OpenMemory(good.data(), good.size()), kOk);
}

TEST(VfsHeaderTest, CorruptStreamIsReported) {
  VfsWriter w;
  ASSERT_EQ(w.AddFile("p", Pattern(3000), true), kOk);
  auto bytes = w.Build();
  bytes[bytes.size() - 40] ^= 0x55;
  bytes[bytes.size() - 30] ^= 0x55;
  VfsArchive a;
  ASSERT_EQ(a.OpenMemory(bytes.data(), bytes.size()), kOk);
  VfsFile f;
  ASSERT_EQ(f.Open(a, "/p"), kOk);
  std::vector<std::uint8_t> out(3000);
  std::size_t n = 0;
  DrawResult r = kOk;
  for (int i = 0; i < 4 && r == kOk; ++i) r = f.Read(out.data(), out.size(), &n);
  EXPECT_EQ(r, kCorruptStream);
}

TEST(VfsWriterTest, RefusesClashesAndBadNames) {
  VfsWriter w;
  ASSERT_EQ(w.AddFile("a/b", {}, false), kOk);
  EXPECT_EQ(w.AddFile("a", {}, false), kInvalidArgument);
  EXPECT_EQ(w.AddFile("a/b/c", {}, false), kInvalidArgument);
  EXPECT_EQ(w.AddFile("a//c", {}, false), kInvalidArgument);
  EXPECT_EQ(w.AddFile(std::string(256, 'n'), {}, false), kInvalidArgument);
  // An archive whose last record is an empty directory still opens.
  VfsWriter empty;
  const auto bytes = empty.Build();
  VfsArchive a;
  EXPECT_EQ(a.OpenMemory(bytes.data(), bytes.size()), kOk);
  EXPECT_TRUE(a.List().empty());
}

TEST(VfsFileSystemTest, RelativePathsResolveAgainstTheProgramFolder) {
  ScopedDrawContextReset reset;
  const auto dir = std::filesystem::temp_directory_path() / "zentrix_vfs_test";
  std::filesystem::create_directories(dir / "skins");
  VfsWriter w;
  ASSERT_EQ(w.AddFile("f", Bytes("data"), false), kOk);
  ASSERT_EQ(w.WriteFile((dir / "skins" / "1.vfs").string()), kOk);
  Context().program_folder = dir.string();
  VfsArchive a;
  EXPECT_EQ(a.Open("skins/1.vfs"), kOk);
  EXPECT_EQ(a.Open("\\skins\\1.vfs"), kOk);
  EXPECT_EQ(a.Open((dir / "skins" / "1.vfs").string()), kOk);
  VfsFile f;
  ASSERT_EQ(f.Open(a, "/f"), kOk);
  EXPECT_EQ(ReadAll(f), "data");
  EXPECT_EQ(a.Open("skins/missing.vfs"), kArchiveOpenFailed);
  EXPECT_FALSE(f.IsOpen());  // reopening closed the old archive and its files
  EXPECT_EQ(a.Open(std::string(261, 'x')), kInvalidArgument);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zentrix::draw
