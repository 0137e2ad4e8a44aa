// A cell grid read back from any stream of lines either loads or reports
// failure with an empty one-column grid: no crash, no unbounded memory. The
// input's bytes are the lines (one byte per character), split at line feeds;
// the loaded grid is drawn once and saved again.

#include <cstddef>
#include <cstdint>
#include <string>

#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "ui/core/ui_state.h"
#include "ui/grid/cell_grid.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zentrix;
  draw::ScopedDrawContextReset reset;
  ui::ScopedUiStateReset ui_reset;
  draw::HeadlessDisplay display;
  display.Open(240, 320);
  ui::MemoryLineStream stream;
  std::u16string line;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      stream.WriteText(line);
      line.clear();
    } else {
      line += static_cast<char16_t>(data[i]);
    }
  }
  stream.WriteText(line);
  ui::CellGrid grid(0, 0);
  grid.SetSize(200, 200);
  grid.Load(stream);
  grid.Draw(display.BackBuffer());
  ui::MemoryLineStream out;
  grid.Save(out, u"grid");
  return 0;
}
