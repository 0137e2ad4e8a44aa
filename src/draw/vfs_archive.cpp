#include "draw/vfs_archive.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <new>

#include "draw/draw_context.h"

namespace zentrix::draw {

namespace {

// Deeper trees are refused; skins nest two or three levels.
constexpr int kMaxDepth = 64;
// The smallest record: count, length byte, pad byte.
constexpr std::size_t kMinRecordBytes = 4;

std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::int32_t ReadI32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(
      static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
      (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
}

std::string Slashes(std::string_view path) {
  std::string out(path);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

// "/..." is a host path; "\..." and "C:\..." name places below the device root,
// which is the program folder; anything else is relative to the program folder.
std::string ResolvePath(std::string_view path) {
  if (path[0] == '/') return std::string(path);
  if (path[0] == '\\') return ProgramFolder() + Slashes(path);
  if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
      path[2] == '\\') {
    return ProgramFolder() + Slashes(path.substr(2));
  }
  return ProgramFolder() + "/" + Slashes(path);
}

}  // namespace

VfsArchive::~VfsArchive() { Close(); }

DrawResult VfsArchive::Open(std::string_view path) {
  if (path.empty() || path.size() > kVfsMaxPathLength) return kInvalidArgument;
  Close();
  DrawResult r = MapFile(ResolvePath(path));
  if (Failed(r)) return r;
  r = Parse();
  if (Failed(r)) Release();
  return r;
}

DrawResult VfsArchive::OpenMemory(const std::uint8_t* data, std::size_t size) {
  if (!data && size > 0) return kInvalidArgument;
  Close();
  try {
    owned_.assign(data, data + size);
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
  // An empty vector has no storage; keep a valid pointer so the archive counts
  // as mapped until the header check refuses it.
  if (owned_.empty()) owned_.reserve(1);
  data_ = owned_.data();
  size_ = size;
  DrawResult r = Parse();
  if (Failed(r)) Release();
  return r;
}

DrawResult VfsArchive::MapFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return kArchiveOpenFailed;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return kArchiveOpenFailed;
  }
  const std::size_t size = static_cast<std::size_t>(st.st_size);
  if (size < 12) {
    ::close(fd);
    // Too short to hold a header: read what there is for the header checks.
    std::uint8_t head[12] = {};
    int fd2 = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd2 < 0) return kArchiveOpenFailed;
    ssize_t n = ::read(fd2, head, sizeof(head));
    ::close(fd2);
    return OpenMemory(head, n > 0 ? static_cast<std::size_t>(n) : 0);
  }
  void* view = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
  ::close(fd);
  if (view == MAP_FAILED) return kArchiveOpenFailed;
  data_ = static_cast<const std::uint8_t*>(view);
  size_ = size;
  mapped_ = true;
  return kOk;
}

DrawResult VfsArchive::Parse() {
  if (size_ < 4 || std::memcmp(data_, "GDvf", 4) != 0) return kBadMagic;
  if (size_ < 8 || ReadI32(data_ + 4) != 1) return kBadVersion;
  if (size_ < 12) return kDirectoryOverrun;
  const std::int32_t end = ReadI32(data_ + 8);
  // The directory may not claim to extend past the file.
  if (end < 12 || static_cast<std::size_t>(end) > size_) return kDirectoryOverrun;
  directory_end_ = static_cast<std::size_t>(end);
  std::size_t cursor = 12;
  try {
    return ParseRecord(&cursor, &root_, 0);
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
}

DrawResult VfsArchive::ParseRecord(std::size_t* cursor, Node* node, int depth) {
  const std::size_t end = directory_end_;
  std::size_t c = *cursor;
  if (c + 3 > end) return kDirectoryOverrun;  // count and length byte
  node->count = ReadU16(data_ + c);
  c += 2;
  const std::size_t length = data_[c];
  if (c + length + 3 > end) return kDirectoryOverrun;
  node->name = std::string_view(reinterpret_cast<const char*>(data_ + c + 1), length);
  c += length + 1;
  if ((length + 1) % 2 == 1) ++c;  // pad: length byte plus name take an even count
  if (node->count == kVfsFileRecord) {
    if (c + 12 > end) return kDirectoryOverrun;
    const std::int32_t size = ReadI32(data_ + c);
    const std::int32_t packed = ReadI32(data_ + c + 4);
    const std::int32_t offset = ReadI32(data_ + c + 8);
    c += 12;
    // The file's data must lie inside the file.
    if (size < 0 || packed < 0 || offset < 0) return kDirectoryOverrun;
    const std::size_t extent =
        packed > 0 ? static_cast<std::size_t>(packed) : static_cast<std::size_t>(size);
    if (static_cast<std::size_t>(offset) + extent > size_) return kDirectoryOverrun;
    node->size = static_cast<std::uint32_t>(size);
    node->packed_size = static_cast<std::uint32_t>(packed);
    node->offset = static_cast<std::uint32_t>(offset);
  } else if (node->count > 0) {
    if (depth >= kMaxDepth) return kDirectoryOverrun;
    if (static_cast<std::size_t>(node->count) * kMinRecordBytes > end - std::min(c, end)) {
      return kDirectoryOverrun;
    }
    node->children.resize(node->count);
    for (Node& child : node->children) {
      DrawResult r = ParseRecord(&c, &child, depth + 1);
      if (Failed(r)) return r;
    }
  }
  *cursor = c;
  return kOk;
}

DrawResult VfsArchive::Close() {
  if (!IsOpen()) return kOk;
  const bool files_open = !open_files_.empty();
  for (VfsFile* file : open_files_) file->Detach();
  open_files_.clear();
  Release();
  return files_open ? kFilesStillOpen : kOk;
}

void VfsArchive::Release() {
  if (mapped_ && data_) munmap(const_cast<std::uint8_t*>(data_), size_);
  mapped_ = false;
  data_ = nullptr;
  size_ = 0;
  owned_.clear();
  owned_.shrink_to_fit();
  directory_end_ = 0;
  root_ = Node{};
}

std::string_view VfsArchive::RootName() const { return IsOpen() ? root_.name : std::string_view{}; }

const VfsArchive::Node* VfsArchive::Find(std::string_view path) const {
  const std::string_view root = root_.name;
  if (path.empty() || path[0] != '/' || path.substr(0, root.size()) != root) return nullptr;
  std::string_view rest = path.substr(root.size());
  if (rest.empty()) return nullptr;  // the root is a directory
  const Node* dir = &root_;
  while (true) {
    if (dir->count == kVfsFileRecord) return nullptr;  // the path passes through a file
    const std::size_t slash = rest.find('/');
    const std::string_view segment = rest.substr(0, slash);
    const Node* match = nullptr;
    for (const Node& child : dir->children) {
      if (child.name == segment) {
        match = &child;
        break;
      }
    }
    if (!match) return nullptr;
    if (slash == std::string_view::npos) {
      return match->count == kVfsFileRecord ? match : nullptr;
    }
    dir = match;
    rest = rest.substr(slash + 1);
  }
}

std::vector<VfsArchive::Entry> VfsArchive::List() const {
  std::vector<Entry> out;
  if (IsOpen()) ListInto(root_, std::string(root_.name), &out);
  return out;
}

void VfsArchive::ListInto(const Node& node, const std::string& prefix,
                          std::vector<Entry>* out) const {
  for (const Node& child : node.children) {
    std::string path = prefix;
    if (!path.empty() && path.back() != '/') path += '/';
    path += child.name;
    if (child.count == kVfsFileRecord) {
      out->push_back(Entry{path, child.size, child.packed_size});
    } else {
      ListInto(child, path, out);
    }
  }
}

}  // namespace zentrix::draw
