#pragma once
// The drawing layer's shared context: the display state every surface checks
// (open flag, pixel format, orientation), the folder that relative archive paths
// resolve against, and the current surface of the current-surface layer.

#include <string>

#include "draw/color.h"

namespace zentrix::draw {

class Surface;

// Display orientations: 1 is the device's natural portrait position, 2, 4 and 8
// the other quarter turns.
constexpr int kOrientationNatural = 1;
constexpr bool IsValidOrientation(int o) { return o == 1 || o == 2 || o == 4 || o == 8; }

struct DrawContext {
  bool display_open = false;
  bool headless = false;  // opened by a HeadlessDisplay: no screen behind it
  PixelFormat format = PixelFormat::kRgb565;
  int orientation = kOrientationNatural;
  int screen_width = 0;  // as the program sees the screen
  int screen_height = 0;
  // Folder against which relative archive paths resolve; empty means the folder
  // that holds the running executable.
  std::string program_folder;
  // Current-surface layer (current_surface.h).
  Surface* current_surface = nullptr;
};

// The one process-wide context.
DrawContext& Context();

// The folder relative archive paths resolve against: the context's program folder,
// or the running executable's folder when that is empty.
std::string ProgramFolder();

// Restores the context as it was when the scope began; tests use it.
class ScopedDrawContextReset {
 public:
  ScopedDrawContextReset();
  ~ScopedDrawContextReset();
  ScopedDrawContextReset(const ScopedDrawContextReset&) = delete;
  ScopedDrawContextReset& operator=(const ScopedDrawContextReset&) = delete;

 private:
  DrawContext saved_;
};

}  // namespace zentrix::draw
