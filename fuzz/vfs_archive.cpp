// Fuzzes the skin archive reader: header checks, the directory parse, look-ups
// and stored and packed reads in uneven pieces.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "draw/vfs_archive.h"

using namespace zentrix::draw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  VfsArchive archive;
  if (Failed(archive.OpenMemory(data, size))) return 0;
  std::vector<std::uint8_t> buffer(4096);
  for (const VfsArchive::Entry& entry : archive.List()) {
    VfsFile file;
    if (Failed(file.Open(archive, entry.path))) continue;
    for (int pass = 0; pass < 2; ++pass) {
      std::size_t piece = 1 + (entry.size % 977);
      for (int reads = 0; reads < 64; ++reads) {
        std::size_t got = 0;
        if (Failed(file.Read(buffer.data(), std::min(piece, buffer.size()), &got)) || got == 0) {
          break;
        }
        piece = piece * 2 + 1;
      }
      file.Rewind();
    }
  }
  VfsFile file;
  const std::string probe(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 40));
  file.Open(archive, "/" + probe);
  return 0;
}
