#include "draw/image_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "draw/draw_test_fixture.h"
#include "draw/vfs_writer.h"

namespace zentrix::draw {
namespace {

using ImageTest = DrawTest;
using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes* b, std::uint32_t v) {
  b->push_back(v & 0xFF);
  b->push_back((v >> 8) & 0xFF);
}
void Put32(Bytes* b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A BMP with a 40-byte header; `palette` entries are 4 bytes each (B, G, R, 0).
Bytes MakeBmp(int width, int height, int bits, const std::vector<Color>& palette,
              const Bytes& pixels, std::uint32_t compression = 0) {
  Bytes b = {'B', 'M'};
  const std::uint32_t offset = 54 + 4 * static_cast<std::uint32_t>(palette.size());
  Put32(&b, offset + static_cast<std::uint32_t>(pixels.size()));
  Put32(&b, 0);
  Put32(&b, offset);
  Put32(&b, 40);
  Put32(&b, static_cast<std::uint32_t>(width));
  Put32(&b, static_cast<std::uint32_t>(height));
  Put16(&b, 1);
  Put16(&b, static_cast<std::uint32_t>(bits));
  Put32(&b, compression);
  Put32(&b, static_cast<std::uint32_t>(pixels.size()));
  Put32(&b, 0);
  Put32(&b, 0);
  Put32(&b, static_cast<std::uint32_t>(palette.size()));
  Put32(&b, 0);
  for (Color c : palette) {
    b.push_back(BlueOf(c));
    b.push_back(GreenOf(c));
    b.push_back(RedOf(c));
    b.push_back(0);
  }
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

Color At(const Surface& s, int x, int y) { return Surface::ToColor(s.Row(y)[x]); }

TEST_F(ImageTest, BmpDepthsAndRowOrder) {
  constexpr Color kA = 0x0000F8, kB = 0xF8FC00;
  Surface s;
  // 1 bit, 3×2 bottom-up: rows are 4 bytes each; the first row in the file is the bottom.
  Bytes one = MakeBmp(3, 2, 1, {kA, kB}, {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0});
  ASSERT_EQ(LoadImageMemory(s, 0, one.data(), one.size()), kOk);
  EXPECT_EQ(s.Width(), 3);
  EXPECT_EQ(At(s, 0, 1), kB);
  EXPECT_EQ(At(s, 1, 1), kA);
  EXPECT_EQ(At(s, 1, 0), kB);
  // 4 bits, top-down (negative height).
  Bytes four = MakeBmp(2, -1, 4, {kA, kB}, {0x10, 0, 0, 0});
  ASSERT_EQ(LoadImageMemory(s, 0, four.data(), four.size()), kOk);
  EXPECT_EQ(At(s, 0, 0), kB);
  EXPECT_EQ(At(s, 1, 0), kA);
  // 8 bits with an index past the palette: black.
  Bytes eight = MakeBmp(2, 1, 8, {kA, kB}, {1, 9, 0, 0});
  ASSERT_EQ(LoadImageMemory(s, 0, eight.data(), eight.size()), kOk);
  EXPECT_EQ(At(s, 0, 0), kB);
  EXPECT_EQ(At(s, 1, 0), 0u);
  // 16 bits default 5-5-5, 24 bits, 32 bits.
  Bytes sixteen = MakeBmp(1, 1, 16, {}, {0x00, 0x7C, 0, 0});
  ASSERT_EQ(LoadImageMemory(s, 0, sixteen.data(), sixteen.size()), kOk);
  EXPECT_EQ(At(s, 0, 0), 0x0000F8u);
  Bytes rgb = MakeBmp(1, 1, 24, {}, {0x10, 0x20, 0x30, 0});
  ASSERT_EQ(LoadImageMemory(s, 0, rgb.data(), rgb.size()), kOk);
  EXPECT_EQ(At(s, 0, 0), 0x102030u);
  Bytes rgbx = MakeBmp(1, 1, 32, {}, {0x10, 0x20, 0x30, 0xFF});
  ASSERT_EQ(LoadImageMemory(s, 0, rgbx.data(), rgbx.size()), kOk);
  EXPECT_EQ(At(s, 0, 0), 0x102030u);
}

TEST_F(ImageTest, BadBmpsAreRefusedAndLeaveTheSurface) {
  Surface s;
  ASSERT_EQ(s.Create(0, 3, 3), kOk);
  const Bytes good = MakeBmp(2, 2, 24, {}, Bytes(16, 0x40));
  Bytes rle = MakeBmp(2, 2, 8, {0}, Bytes(16, 0), 1);
  EXPECT_EQ(LoadImageMemory(s, 0, rle.data(), rle.size()), kInvalidImage);
  Bytes truncated(good.begin(), good.end() - 1);
  EXPECT_EQ(LoadImageMemory(s, 0, truncated.data(), truncated.size()), kInvalidImage);
  Bytes huge = MakeBmp(100000, 2, 24, {}, Bytes(16, 0));
  EXPECT_EQ(LoadImageMemory(s, 0, huge.data(), huge.size()), kInvalidImage);
  Bytes tall = MakeBmp(2, 8000, 24, {}, Bytes(16, 0));  // data cannot hold the rows
  EXPECT_EQ(LoadImageMemory(s, 0, tall.data(), tall.size()), kInvalidImage);
  Bytes offset = good;
  offset[10] = 0xFF, offset[11] = 0xFF;
  EXPECT_EQ(LoadImageMemory(s, 0, offset.data(), offset.size()), kInvalidImage);
  Bytes short_palette = MakeBmp(2, 1, 8, {}, {});
  short_palette[46] = 200;  // claims 200 palette entries that are not there
  EXPECT_EQ(LoadImageMemory(s, 0, short_palette.data(), short_palette.size()), kInvalidImage);
  const Bytes junk = {'B', 'M', 1, 2, 3};
  EXPECT_EQ(LoadImageMemory(s, 0, junk.data(), junk.size()), kInvalidImage);
  EXPECT_EQ(s.Width(), 3);  // failures left the surface alone
}

class RoundTripTest : public DrawTest, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(RoundTripTest, SaveAndLoadGiveTheSamePixels) {
  Surface s;
  ASSERT_EQ(s.Create(0, 7, 5), kOk);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) s.Row(y)[x] = static_cast<Pixel>(x * 4099 + y * 977);
  }
  const auto path =
      std::filesystem::temp_directory_path() / ("zentrix_round_trip_" + std::to_string(GetParam()));
  ASSERT_EQ(SaveImage(s, path.string(), GetParam()), kOk);
  Surface back;
  ASSERT_EQ(LoadImageFile(back, 0, path.string()), kOk);
  std::filesystem::remove(path);
  ASSERT_EQ(back.Width(), 7);
  ASSERT_EQ(back.Height(), 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) EXPECT_EQ(back.Row(y)[x], s.Row(y)[x]) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTripTest,
                         ::testing::Values(image_format::kBmp, image_format::kPng, 0u));

TEST_F(ImageTest, SaveRefusesBadFormatsAndPaths) {
  Surface s;
  ASSERT_EQ(s.Create(0, 2, 2), kOk);
  EXPECT_EQ(SaveImage(s, "/tmp/x.bmp", 3), kInvalidArgument);
  EXPECT_EQ(SaveImage(s, "/nonexistent-dir/x.png", image_format::kPng), kCannotCreateFile);
  Surface none;
  EXPECT_EQ(SaveImage(none, "/tmp/x.bmp", 1), kNoPixels);
  EXPECT_EQ(LoadImageFile(s, 0, "/nonexistent-dir/x.png"), kCannotOpenFile);
}

TEST_F(ImageTest, PngTruncationAndTransparency) {
  Surface s;
  ASSERT_EQ(s.Create(0, 6, 4), kOk);
  s.FillRect(nullptr, 0x00FF00);
  Bytes png;
  ASSERT_EQ(EncodeImage(s, image_format::kPng, &png), kOk);
  for (std::size_t cut : {8, 20, 40, 60}) {
    Surface t;
    EXPECT_EQ(LoadImageMemory(t, 0, png.data(), std::min(cut, png.size() - 13)), kInvalidImage);
  }
  Bytes corrupt = png;
  corrupt[18] = 0x7F;  // width 0x7F000006
  Surface t;
  EXPECT_EQ(LoadImageMemory(t, 0, corrupt.data(), corrupt.size()), kInvalidImage);
}

TEST_F(ImageTest, LoadsStoredAndPackedImagesFromAnArchive) {
  Surface s;
  ASSERT_EQ(s.Create(0, 5, 3), kOk);
  s.FillRect(nullptr, 0x0000F8);
  Bytes bmp, png;
  ASSERT_EQ(EncodeImage(s, image_format::kBmp, &bmp), kOk);
  ASSERT_EQ(EncodeImage(s, image_format::kPng, &png), kOk);
  VfsWriter w;
  ASSERT_EQ(w.AddFile("a.bmp", bmp, false), kOk);
  ASSERT_EQ(w.AddFile("b.bmp", bmp, true), kOk);
  ASSERT_EQ(w.AddFile("c.png", png, false), kOk);
  const Bytes archive_bytes = w.Build();
  VfsArchive archive;
  ASSERT_EQ(archive.OpenMemory(archive_bytes.data(), archive_bytes.size()), kOk);
  for (const char* path : {"/a.bmp", "/b.bmp", "/c.png"}) {
    Surface t;
    ASSERT_EQ(LoadImageArchive(t, 0, archive, path), kOk) << path;
    EXPECT_EQ(t.Width(), 5);
    EXPECT_EQ(At(t, 4, 2), 0x0000F8u);
  }
  EXPECT_EQ(archive.OpenFileCount(), 0);
  Surface t;
  EXPECT_EQ(LoadImageArchive(t, 0, archive, "/missing.png"), kPathNotFound);
}

}  // namespace
}  // namespace zentrix::draw
