#include "draw/draw_context.h"

#include <unistd.h>

#include <climits>

namespace zentrix::draw {

DrawContext& Context() {
  static DrawContext context;
  return context;
}

std::string ProgramFolder() {
  const std::string& folder = Context().program_folder;
  if (!folder.empty()) return folder;
  char buffer[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
  if (n <= 0) return ".";
  std::string exe(buffer, static_cast<std::size_t>(n));
  std::size_t slash = exe.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : exe.substr(0, slash);
}

ScopedDrawContextReset::ScopedDrawContextReset() : saved_(Context()) {}
ScopedDrawContextReset::~ScopedDrawContextReset() { Context() = saved_; }

}  // namespace zentrix::draw
