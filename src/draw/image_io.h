#pragma once
// Loading images into surfaces and saving surfaces as images.
//
// Loading recognises the data by its first bytes: the PNG signature (decoded with
// libpng; 16-bit channels stripped, palettes and grey expanded, pixels with alpha
// below 128 take the surface's colour key), or "BM" with at least 14 bytes (the
// layer's own BMP reader: 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up and
// top-down, bit-field masks; RLE is refused). Anything else is kInvalidImage.
// The surface is (re)created at the image's size with `flags` (surface_flags);
// its colour key is kept. Images wider or taller than kMaxSurfaceSide, or whose
// data cannot hold their pixels, are kInvalidImage.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "draw/draw_result.h"
#include "draw/surface.h"
#include "draw/vfs_archive.h"

namespace zentrix::draw {

DrawResult LoadImageFile(Surface& surface, std::uint32_t flags, const std::string& path);
DrawResult LoadImageMemory(Surface& surface, std::uint32_t flags, const std::uint8_t* data,
                           std::size_t size);
// Stored files are decoded straight from the archive's mapping; packed ones are
// inflated into a buffer of their full size first.
DrawResult LoadImageArchive(Surface& surface, std::uint32_t flags, VfsArchive& archive,
                            std::string_view path);

namespace image_format {
constexpr std::uint32_t kBmp = 1;  // 0 counts as kBmp
constexpr std::uint32_t kPng = 2;
}  // namespace image_format

// Saves the surface: BMP (24-bit, bottom-up) or PNG (8-bit RGB, no interlace),
// written to a temporary file beside `path` and renamed into place. Results:
// kInvalidArgument for other format values, kCannotCreateFile when the file
// cannot be written, and the surface's readiness checks.
DrawResult SaveImage(const Surface& surface, const std::string& path, std::uint32_t format);

// The encoded bytes without touching the file system (tests, the skin tool).
DrawResult EncodeImage(const Surface& surface, std::uint32_t format,
                       std::vector<std::uint8_t>* out);

}  // namespace zentrix::draw
