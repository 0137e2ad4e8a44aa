#include "platform/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace zentrix::platform {
namespace {

// Hidden (a kill between writing and renaming leaves it behind, and no file
// list should show it) and unique per process and per call, so that two saves
// of the same file never share a temporary file.
std::string TemporaryNameFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = path.find_last_of('/');
  const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
  return path.substr(0, name) + "." + path.substr(name) + ".tmp" + std::to_string(getpid()) + "-" +
         std::to_string(counter++);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; a folder that cannot be opened (or synced)
// only loses that guarantee, not the save.
void SyncFolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view contents) {
  const std::string temporary = TemporaryNameFor(path);
  const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  // The data must be on the disk before the rename makes it the file, or a
  // crash could leave the new name pointing at an empty file.
  const bool written = WriteAll(fd, contents.data(), contents.size()) && fsync(fd) == 0;
  const bool closed = close(fd) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  SyncFolderOf(path);
  return true;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> contents) {
  return WriteFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(contents.data()), contents.size()));
}

}  // namespace zentrix::platform
