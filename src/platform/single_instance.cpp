#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>

namespace zentrix::platform {
namespace {

// An abstract-namespace socket address named after the home folder, so that it
// needs no file and no length limit applies to the folder's path.
socklen_t SocketAddress(const std::string& home_folder, sockaddr_un* address) {
  std::memset(address, 0, sizeof *address);
  address->sun_family = AF_UNIX;
  std::error_code error;
  std::string canonical = std::filesystem::weakly_canonical(home_folder, error).string();
  if (error) canonical = home_folder;
  const std::string name = "zentrix-" + std::to_string(std::hash<std::string>{}(canonical)) + "-" +
                           std::to_string(getuid());
  std::memcpy(address->sun_path + 1, name.data(), name.size());
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
}

void AskToRaise(const std::string& home_folder) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  sockaddr_un address;
  const socklen_t length = SocketAddress(home_folder, &address);
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0) {
    const char message[] = "raise\n";
    (void)!write(fd, message, sizeof message - 1);
  }
  close(fd);
}

}  // namespace

SingleInstance::~SingleInstance() { Release(); }

SingleInstance::Claim SingleInstance::ClaimFor(const std::string& home_folder) {
  Release();
  const std::string lock_path = (std::filesystem::path(home_folder) / ".lock").string();
  lock_fd_ = open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lock_fd_ < 0) return Claim::kFailed;
  if (flock(lock_fd_, LOCK_EX | LOCK_NB) != 0) {
    close(lock_fd_);
    lock_fd_ = -1;
    AskToRaise(home_folder);
    return Claim::kAnotherRunning;
  }
  listen_fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (listen_fd_ >= 0) {
    sockaddr_un address;
    const socklen_t length = SocketAddress(home_folder, &address);
    if (bind(listen_fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(listen_fd_, 4) != 0) {
      close(listen_fd_);
      listen_fd_ = -1;
    }
  }
  return Claim::kFirst;
}

bool SingleInstance::TakeRaiseRequest() {
  if (listen_fd_ < 0) return false;
  bool raised = false;
  for (;;) {
    const int client = accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) break;
    raised = true;
    close(client);
  }
  return raised;
}

void SingleInstance::Release() {
  if (listen_fd_ >= 0) close(listen_fd_);
  if (lock_fd_ >= 0) close(lock_fd_);  // closing drops the lock
  listen_fd_ = -1;
  lock_fd_ = -1;
}

}  // namespace zentrix::platform
