#pragma once
// Fields that both graph formats build from the stream's field kinds.

#include "graphing/files/editor_rows.h"
#include "graphing/files/graph_stream.h"
#include "graphing/model/colours.h"

namespace zentrix::graphing::files {

// A colour as an int (so colours with the high bit appear as signed decimals).
bool ColourField(GraphStream& stream, Colour& colour);

// An int that is read only when `accept` says it may be, else the value stays.
template <class Accept>
bool CheckedInt(GraphStream& stream, int& value, Accept accept) {
  int stored = value;
  stream.Int(stored);
  if (stream.reading() && stream.ok() && accept(stored)) value = stored;
  return stream.ok();
}

// The field count, then the texts. A reader given more fields than the row
// has reads them and leaves the row as it is; fewer fill the first ones; a
// negative count marks the stream failed.
bool EditorRowField(GraphStream& stream, const EditorRow& row);

}  // namespace zentrix::graphing::files
