#include "draw/vfs_writer.h"

#include <zlib.h>

#include <cstdio>
#include <deque>
#include <utility>

#include "draw/vfs_archive.h"
#include "platform/atomic_file.h"

namespace zentrix::draw {

namespace {

void PutU16(std::vector<std::uint8_t>* out, std::uint32_t v) {
  out->push_back(static_cast<std::uint8_t>(v));
  out->push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutI32(std::vector<std::uint8_t>* out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out->push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void SetI32(std::vector<std::uint8_t>* out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) (*out)[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Length byte, name and the pad byte that keeps their count even.
void PutName(std::vector<std::uint8_t>* out, const std::string& name) {
  out->push_back(static_cast<std::uint8_t>(name.size()));
  out->insert(out->end(), name.begin(), name.end());
  if ((name.size() + 1) % 2 == 1) out->push_back(0);
}

std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& data) {
  uLongf bound = compressBound(static_cast<uLong>(data.size()));
  std::vector<std::uint8_t> packed(bound);
  compress2(packed.data(), &bound, data.data(), static_cast<uLong>(data.size()), 9);
  packed.resize(bound);
  return packed;
}

struct Layout {
  std::vector<std::uint8_t> bytes;
  // Where each file's offset field sits, and the data it points to.
  std::vector<std::pair<std::size_t, const std::vector<std::uint8_t>*>> pending;
  std::deque<std::vector<std::uint8_t>> packed;  // keeps packed streams alive (stable)
  bool last_was_directory = false;
};

}  // namespace

VfsWriter::VfsWriter(std::string root_name) { root_.name = std::move(root_name); }

DrawResult VfsWriter::AddFile(std::string_view path, std::vector<std::uint8_t> data, bool packed) {
  if (!path.empty() && path[0] == '/') path.remove_prefix(1);
  if (path.empty() || data.size() > 0x7FFFFFFF) return kInvalidArgument;
  Node* dir = &root_;
  while (true) {
    const std::size_t slash = path.find('/');
    const std::string_view segment = path.substr(0, slash);
    if (segment.empty() || segment.size() > 255) return kInvalidArgument;
    const bool last = slash == std::string_view::npos;
    Node* match = nullptr;
    for (Node& child : dir->children) {
      if (child.name == segment) match = &child;
    }
    if (match && (last || match->is_file)) return kInvalidArgument;  // clash
    if (!match) {
      if (dir->children.size() >= 0xFFFE) return kInvalidArgument;
      dir->children.push_back(Node{std::string(segment), false, false, {}, {}});
      match = &dir->children.back();
    }
    if (last) {
      match->is_file = true;
      match->packed = packed;
      match->data = std::move(data);
      return kOk;
    }
    dir = match;
    path.remove_prefix(slash + 1);
  }
}

std::vector<std::uint8_t> VfsWriter::Build() const {
  Layout layout;
  std::vector<std::uint8_t>& out = layout.bytes;
  out = {'G', 'D', 'v', 'f'};
  PutI32(&out, 1);
  PutI32(&out, 0);  // directory end, set below

  // Pre-order: each record, then its children's subtrees in order.
  auto write = [&layout, &out](auto&& self, const Node& node) -> void {
    const bool file = node.is_file;
    PutU16(&out, file ? kVfsFileRecord : static_cast<std::uint32_t>(node.children.size()));
    PutName(&out, node.name);
    layout.last_was_directory = !file;
    if (file) {
      const std::vector<std::uint8_t>* data = &node.data;
      std::uint32_t packed_size = 0;
      if (node.packed) {
        layout.packed.push_back(Deflate(node.data));
        data = &layout.packed.back();
        packed_size = static_cast<std::uint32_t>(data->size());
      }
      PutI32(&out, static_cast<std::uint32_t>(node.data.size()));
      PutI32(&out, packed_size);
      layout.pending.emplace_back(out.size(), data);
      PutI32(&out, 0);  // offset, set below
      return;
    }
    for (const Node& child : node.children) self(self, child);
  };
  write(write, root_);
  // The reader wants three bytes past a record's name; a directory record that
  // ends the tree gets two zero bytes after it.
  if (layout.last_was_directory) {
    out.push_back(0);
    out.push_back(0);
  }
  SetI32(&out, 8, static_cast<std::uint32_t>(out.size()));
  for (const auto& [field, data] : layout.pending) {
    SetI32(&out, field, static_cast<std::uint32_t>(out.size()));
    out.insert(out.end(), data->begin(), data->end());
  }
  return out;
}

DrawResult VfsWriter::WriteFile(const std::string& path) const {
  const std::vector<std::uint8_t> bytes = Build();
  if (!platform::WriteFileAtomically(path, bytes)) return kCannotCreateFile;
  return kOk;
}

}  // namespace zentrix::draw
