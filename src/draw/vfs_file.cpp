#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include "draw/vfs_archive.h"

namespace zentrix::draw {

namespace {

// The library version handed to the inflater's initialisation; zlib accepts any
// 1.x caller.
constexpr char kInflateVersion[] = "1.1.4";

}  // namespace

void VfsFile::StreamDeleter::operator()(z_stream_s* stream) const {
  inflateEnd(stream);
  delete stream;
}

VfsFile::~VfsFile() { Close(); }

DrawResult VfsFile::Open(VfsArchive& archive, std::string_view path) {
  if (IsOpen()) Close();
  if (!archive.IsOpen()) return kArchiveNotOpen;
  const VfsArchive::Node* node = archive.Find(path);
  if (!node) return kPathNotFound;
  try {
    archive.open_files_.push_back(this);
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
  archive_ = &archive;
  size_ = node->size;
  packed_size_ = node->packed_size;
  offset_ = node->offset;
  position_ = 0;
  return kOk;
}

DrawResult VfsFile::Close() {
  if (!IsOpen()) return kFileNotOpen;
  auto& files = archive_->open_files_;
  files.erase(std::remove(files.begin(), files.end(), this), files.end());
  Detach();
  return kOk;
}

void VfsFile::Detach() {
  EndInflater();
  archive_ = nullptr;
  size_ = packed_size_ = offset_ = position_ = 0;
}

DrawResult VfsFile::GetInfo(std::uint32_t* size, bool* packed) const {
  if (!IsOpen()) return kFileNotOpen;
  if (size) *size = size_;
  if (packed) *packed = packed_size_ != 0;
  return kOk;
}

const std::uint8_t* VfsFile::StoredData() const {
  if (!IsOpen() || packed_size_ != 0) return nullptr;
  return archive_->data_ + offset_;
}

DrawResult VfsFile::StartInflater() {
  auto* stream = new (std::nothrow) z_stream_s{};
  if (!stream) return kOutOfMemory;
  stream->next_in = const_cast<Bytef*>(archive_->data_ + offset_);
  stream->avail_in = packed_size_;
  const int init = inflateInit_(stream, kInflateVersion, static_cast<int>(sizeof(z_stream)));
  if (init != Z_OK) {
    delete stream;
    if (init == Z_VERSION_ERROR) return kZlibVersion;
    if (init == Z_MEM_ERROR) return kOutOfMemory;
    return kCorruptStream;
  }
  stream_.reset(stream);
  return kOk;
}

void VfsFile::EndInflater() { stream_.reset(); }

DrawResult VfsFile::Read(void* buffer, std::size_t length, std::size_t* delivered) {
  if (delivered) *delivered = 0;
  if (!IsOpen()) return kFileNotOpen;
  if (!buffer && length > 0) return kInvalidArgument;
  // Never more than the file's size, whatever the stream holds.
  const std::size_t wanted = std::min<std::size_t>(length, size_ - position_);
  if (wanted == 0) return kOk;
  if (packed_size_ == 0) {
    std::memcpy(buffer, archive_->data_ + offset_ + position_, wanted);
    position_ += static_cast<std::uint32_t>(wanted);
    if (delivered) *delivered = wanted;
    return kOk;
  }
  if (!stream_) {
    DrawResult r = StartInflater();
    if (Failed(r)) return r;
  }
  stream_->next_out = static_cast<Bytef*>(buffer);
  stream_->avail_out = static_cast<uInt>(std::min<std::size_t>(wanted, UINT_MAX));
  stream_->total_out = 0;
  const int z = inflate(stream_.get(), Z_SYNC_FLUSH);
  switch (z) {
    case Z_OK:
    case Z_STREAM_END: break;
    case Z_MEM_ERROR: return kOutOfMemory;
    case Z_VERSION_ERROR: return kZlibVersion;
    default:  // need-dictionary, data, stream or buffer error
      return kCorruptStream;
  }
  const std::size_t produced = static_cast<std::size_t>(stream_->total_out);
  position_ += static_cast<std::uint32_t>(produced);
  if (delivered) *delivered = produced;
  return kOk;
}

DrawResult VfsFile::Rewind() {
  if (!IsOpen()) return kFileNotOpen;
  // A packed file starts a fresh inflater at its next read.
  EndInflater();
  position_ = 0;
  return kOk;
}

}  // namespace zentrix::draw
