#pragma once
// One running copy per home folder: a lock file in the home folder, and a local
// socket on which the running copy listens so that a second copy can ask it to
// raise its window before ending.

#include <string>

namespace zentrix::platform {

class SingleInstance {
 public:
  enum class Claim {
    kFirst,           // this copy holds the lock and listens
    kAnotherRunning,  // another copy holds it and was asked to raise its window
    kFailed,          // the lock file could not be made (the copy runs unguarded)
  };

  SingleInstance() = default;
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  Claim ClaimFor(const std::string& home_folder);
  // True once for every raise request received since the last call; never blocks.
  bool TakeRaiseRequest();
  void Release();

 private:
  int lock_fd_ = -1;
  int listen_fd_ = -1;
};

}  // namespace zentrix::platform
