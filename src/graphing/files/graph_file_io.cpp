// Graph sets to and from files: whole files in memory, written through a
// temporary file and a rename.

#include <cstdio>
#include <optional>

#include "graphing/files/graph_set_files.h"
#include "platform/registry_file.h"

namespace zentrix::graphing::files {
namespace {

// The file's bytes; nothing when it cannot be opened or read, or is larger
// than a graph file can be.
std::optional<std::string> ReadBounded(const std::filesystem::path& path) {
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (!in) return std::nullopt;
  std::string bytes;
  char buffer[1 << 14];
  bool fits = true;
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, in)) {
    if (bytes.size() + n > kMaxGraphFileBytes) {
      fits = false;
      break;
    }
    bytes.append(buffer, n);
  }
  const bool failed = std::ferror(in) != 0;
  std::fclose(in);
  if (!fits || failed) return std::nullopt;
  return bytes;
}

}  // namespace

std::string GraphSet2DBytes(GraphSet2D& graphs, DataTable& table) {
  GraphStream stream;
  ExchangeGraphSet2D(stream, graphs, table);
  return stream.bytes();
}

std::string GraphSet3DBytes(GraphSet3D& graphs) {
  GraphStream stream;
  ExchangeGraphSet3D(stream, graphs);
  return stream.bytes();
}

bool SaveGraphSet2D(const std::filesystem::path& path, GraphSet2D& graphs, DataTable& table) {
  return platform::WriteFileAtomically(path.string(), GraphSet2DBytes(graphs, table));
}

bool SaveGraphSet3D(const std::filesystem::path& path, GraphSet3D& graphs) {
  return platform::WriteFileAtomically(path.string(), GraphSet3DBytes(graphs));
}

LoadStatus LoadGraphSet2D(const std::filesystem::path& path, GraphSet2D& graphs, DataTable& table) {
  std::optional<std::string> bytes = ReadBounded(path);
  if (!bytes) return LoadStatus::kCannotOpen;
  GraphStream stream(std::move(*bytes));
  return ExchangeGraphSet2D(stream, graphs, table);
}

LoadStatus LoadGraphSet3D(const std::filesystem::path& path, GraphSet3D& graphs) {
  std::optional<std::string> bytes = ReadBounded(path);
  if (!bytes) return LoadStatus::kCannotOpen;
  GraphStream stream(std::move(*bytes));
  return ExchangeGraphSet3D(stream, graphs);
}

}  // namespace zentrix::graphing::files
