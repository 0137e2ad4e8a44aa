#include "platform/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

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

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// A process that cannot be signalled for want of permission still exists.
bool ProcessGone(long pid) {
  if (pid == static_cast<long>(getpid())) return true;
  return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Deep enough for every folder the program writes into.
constexpr int kMaxFolderDepth = 8;

}  // namespace

bool IsTemporaryName(std::string_view name, long* pid) {
  if (name.size() < 2 || name[0] != '.') return false;
  const std::size_t tmp = name.rfind(".tmp");
  if (tmp == std::string_view::npos || tmp < 2) return false;
  const std::string_view tail = name.substr(tmp + 4);
  const std::size_t dash = tail.find('-');
  if (dash == std::string_view::npos) return false;
  const std::string_view process = tail.substr(0, dash);
  if (!AllDigits(process) || !AllDigits(tail.substr(dash + 1))) return false;
  long value = 0;
  const auto [end, error] = std::from_chars(process.data(), process.data() + process.size(), value);
  if (error != std::errc() || end != process.data() + process.size() || value <= 0) return false;
  *pid = value;
  return true;
}

int RemoveStaleTemporaryFiles(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
  int removed = 0;
  for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    if (it.depth() >= kMaxFolderDepth) it.disable_recursion_pending();
    long pid = 0;
    std::error_code kind;
    if (!it->is_regular_file(kind) || it->is_symlink(kind)) continue;
    if (!IsTemporaryName(it->path().filename().string(), &pid) || !ProcessGone(pid)) continue;
    std::error_code gone;
    if (fs::remove(it->path(), gone)) ++removed;
  }
  return removed;
}

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
