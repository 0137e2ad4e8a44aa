#include "platform/platform.h"

#include <cstdio>

namespace zentrix::platform {

void WriteMessageToStderr(const std::string& title, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  std::fflush(stderr);
}

}  // namespace zentrix::platform
