#include "draw/image_io.h"

#include <cstdio>
#include <fstream>
#include <new>
#include <vector>

#include "draw/image_codecs.h"
#include "platform/atomic_file.h"

namespace zentrix::draw {

namespace {

// Image files larger than this are refused rather than read whole.
constexpr std::uintmax_t kMaxImageFileBytes = 256u << 20;

DrawResult Decode(Surface& surface, std::uint32_t flags, const std::uint8_t* data,
                  std::size_t size) {
  if (!Context().display_open) return kDisplayNotReady;
  if (surface.IsLocked()) return kLocked;
  if (!data || size == 0) return kInvalidImage;
  // Decode into a fresh surface so that a failure leaves the old one as it was.
  Surface decoded;
  decoded.SetColorKey(surface.ColorKey());
  DrawResult r = kInvalidImage;
  if (codecs::IsPng(data, size)) {
    r = codecs::DecodePng(&decoded, flags, data, size);
  } else if (codecs::IsBmp(data, size)) {
    r = codecs::DecodeBmp(&decoded, flags, data, size);
  }
  if (Failed(r)) return r;
  surface = std::move(decoded);
  return kOk;
}

}  // namespace

DrawResult LoadImageMemory(Surface& surface, std::uint32_t flags, const std::uint8_t* data,
                           std::size_t size) {
  return Decode(surface, flags, data, size);
}

DrawResult LoadImageFile(Surface& surface, std::uint32_t flags, const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return kCannotOpenFile;
  const std::streamoff length = file.tellg();
  if (length < 0) return kCannotOpenFile;
  if (static_cast<std::uintmax_t>(length) > kMaxImageFileBytes) return kInvalidImage;
  std::vector<std::uint8_t> bytes;
  try {
    bytes.resize(static_cast<std::size_t>(length));
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
  file.seekg(0);
  if (!file.read(reinterpret_cast<char*>(bytes.data()), length)) return kCannotOpenFile;
  return Decode(surface, flags, bytes.data(), bytes.size());
}

DrawResult LoadImageArchive(Surface& surface, std::uint32_t flags, VfsArchive& archive,
                            std::string_view path) {
  VfsFile file;
  DrawResult r = file.Open(archive, path);
  if (Failed(r)) return r;
  std::uint32_t size = 0;
  bool packed = false;
  file.GetInfo(&size, &packed);
  if (!packed) return Decode(surface, flags, file.StoredData(), size);
  // A packed file is inflated into a buffer of its full size; a size its stream
  // could never produce is refused before the allocation.
  const std::uint32_t packed_size = file.PackedSize();
  if (size > static_cast<std::uint64_t>(packed_size) * codecs::kMaxInflateRatio + 1024) {
    return kInvalidImage;
  }
  std::vector<std::uint8_t> bytes;
  try {
    bytes.resize(size);
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
  std::size_t delivered = 0;
  r = file.Read(bytes.data(), bytes.size(), &delivered);
  if (Failed(r)) return r;
  if (delivered != size) return kCorruptStream;
  return Decode(surface, flags, bytes.data(), bytes.size());
}

DrawResult EncodeImage(const Surface& surface, std::uint32_t format,
                       std::vector<std::uint8_t>* out) {
  if (!out) return kInvalidArgument;
  if (format == 0) format = image_format::kBmp;
  if (format != image_format::kBmp && format != image_format::kPng) return kInvalidArgument;
  DrawResult r = surface.CheckReady();
  if (Failed(r)) return r;
  return format == image_format::kBmp ? codecs::EncodeBmp(surface, out)
                                      : codecs::EncodePng(surface, out);
}

DrawResult SaveImage(const Surface& surface, const std::string& path, std::uint32_t format) {
  std::vector<std::uint8_t> bytes;
  DrawResult r = EncodeImage(surface, format, &bytes);
  if (Failed(r)) return r;
  if (!platform::WriteFileAtomically(path, bytes)) return kCannotCreateFile;
  return kOk;
}

}  // namespace zentrix::draw
