#pragma once
// Read-only skin archives ("GDvf" files): a directory tree of files, each stored
// as plain bytes or as one zlib stream. The archive is memory-mapped whole;
// stored files can be read straight from the mapping.
//
// Layout (little-endian): "GDvf", int32 version 1, int32 directory end, then the
// root record at offset 12 and its subtree in pre-order, then the file data.
// A record is: uint16 count (0xFFFF for a file, else the number of children),
// uint8 name length L, L name bytes, one pad byte when L + 1 is odd, and for a
// file int32 size, int32 packed size (0 = stored) and int32 absolute data offset.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "draw/draw_result.h"

struct z_stream_s;

namespace zentrix::draw {

class VfsFile;

constexpr std::uint16_t kVfsFileRecord = 0xFFFF;
constexpr std::size_t kVfsMaxPathLength = 260;

class VfsArchive {
 public:
  VfsArchive() = default;
  ~VfsArchive();
  VfsArchive(const VfsArchive&) = delete;
  VfsArchive& operator=(const VfsArchive&) = delete;

  // Opens and maps the archive. A path beginning with "/" is used unchanged; one
  // beginning with "\" or a drive ("C:\") names a place below the program folder
  // (the device root); any other path is relative to the program folder.
  // Backslashes become "/". An open archive is closed first. Results: kOk,
  // kInvalidArgument (empty or longer than 260 characters), kArchiveOpenFailed,
  // kBadMagic, kBadVersion, kDirectoryOverrun, kOutOfMemory.
  DrawResult Open(std::string_view path);
  // Opens an archive held in memory (the bytes are copied). Same checks as Open.
  DrawResult OpenMemory(const std::uint8_t* data, std::size_t size);
  // Closes even with files still open (they become closed) and then returns
  // kFilesStillOpen. Closing a closed archive is kOk.
  DrawResult Close();

  bool IsOpen() const { return data_ != nullptr; }
  int OpenFileCount() const { return static_cast<int>(open_files_.size()); }
  // The root record's name: every path begins with it.
  std::string_view RootName() const;

  // One entry of List: a file's full path, size, and whether it is packed.
  struct Entry {
    std::string path;
    std::uint32_t size = 0;
    std::uint32_t packed_size = 0;
  };
  // Every file record in directory order.
  std::vector<Entry> List() const;

 private:
  friend class VfsFile;
  struct Node {
    std::uint16_t count = 0;
    std::string_view name;  // inside the mapping
    std::uint32_t size = 0;
    std::uint32_t packed_size = 0;
    std::uint32_t offset = 0;
    std::vector<Node> children;
  };

  DrawResult MapFile(const std::string& path);
  DrawResult Parse();
  DrawResult ParseRecord(std::size_t* cursor, Node* node, int depth);
  const Node* Find(std::string_view path) const;
  void ListInto(const Node& node, const std::string& prefix, std::vector<Entry>* out) const;
  void Release();

  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  bool mapped_ = false;  // data_ is an mmap view (else owned_ holds it)
  std::vector<std::uint8_t> owned_;
  std::size_t directory_end_ = 0;
  Node root_;
  std::vector<VfsFile*> open_files_;
};

class VfsFile {
 public:
  VfsFile() = default;
  ~VfsFile();
  VfsFile(const VfsFile&) = delete;
  VfsFile& operator=(const VfsFile&) = delete;

  // Looks the path up ("/" + root-relative segments, case-sensitive); the path
  // must name a file. An open file object is closed first. Results: kOk,
  // kArchiveNotOpen, kPathNotFound, kInvalidArgument.
  DrawResult Open(VfsArchive& archive, std::string_view path);
  DrawResult Close();
  bool IsOpen() const { return archive_ != nullptr; }

  // The size after decompression and whether the data is a zlib stream.
  DrawResult GetInfo(std::uint32_t* size, bool* packed) const;
  // Delivers up to `length` bytes into `buffer`. A packed file runs one inflate
  // call per read. `delivered` is set to the count (0 past the end).
  DrawResult Read(void* buffer, std::size_t length, std::size_t* delivered);
  DrawResult Rewind();
  std::uint32_t Position() const { return position_; }
  // Length of the zlib stream; 0 for a stored (or closed) file.
  std::uint32_t PackedSize() const { return packed_size_; }

  // The bytes of a stored file inside the archive's mapping, or null for a packed
  // (or closed) file; valid while the archive stays open.
  const std::uint8_t* StoredData() const;

 private:
  friend class VfsArchive;
  void Detach();  // the archive closed underneath the file
  DrawResult StartInflater();
  void EndInflater();

  VfsArchive* archive_ = nullptr;
  std::uint32_t size_ = 0;
  std::uint32_t packed_size_ = 0;
  std::uint32_t offset_ = 0;
  std::uint32_t position_ = 0;
  struct StreamDeleter {
    void operator()(z_stream_s* stream) const;
  };
  std::unique_ptr<z_stream_s, StreamDeleter> stream_;  // initialised inflater (packed files)
};

}  // namespace zentrix::draw
