#pragma once
// Builds skin archives in exactly the layout VfsArchive reads: header, the
// directory tree in pre-order with its pad bytes, then the file data. Used by the
// skin tool and by tests; the program itself never writes archives.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "draw/draw_result.h"

namespace zentrix::draw {

class VfsWriter {
 public:
  // The root record's name; paths given to AddFile are relative to it. The
  // default root name "/" makes files reachable as "/dir/name".
  explicit VfsWriter(std::string root_name = "/");

  // Adds a file at a "/"-separated path below the root ("Font.png", "a/b.bmp";
  // a leading "/" is allowed), creating its directories. Packed files are stored
  // as one zlib stream. kInvalidArgument for empty segments, names over 255
  // bytes, more than 0xFFFE children, or a path that clashes with an existing
  // file or directory.
  DrawResult AddFile(std::string_view path, std::vector<std::uint8_t> data, bool packed);

  // The archive's bytes.
  std::vector<std::uint8_t> Build() const;
  // Writes Build() to a file (through a temporary file and a rename);
  // kCannotCreateFile on failure.
  DrawResult WriteFile(const std::string& path) const;

 private:
  struct Node {
    std::string name;
    bool is_file = false;
    bool packed = false;
    std::vector<std::uint8_t> data;
    std::vector<Node> children;
  };

  Node root_;
};

}  // namespace zentrix::draw
