#include "graphing/files/record_fields.h"

#include <string>

namespace zentrix::graphing::files {

bool ColourField(GraphStream& stream, Colour& colour) {
  int stored = static_cast<int>(colour);
  stream.Int(stored);
  if (stream.reading() && stream.ok()) colour = static_cast<Colour>(stored);
  return stream.ok();
}

bool EditorRowField(GraphStream& stream, const EditorRow& row) {
  int count = row.size;
  if (!stream.Int(count)) return false;
  if (!stream.reading()) {
    for (int i = 0; i < row.size; ++i) stream.Text(row[i]);
    return stream.ok();
  }
  if (count < 0) {
    stream.MarkFailed();
    return false;
  }
  if (count > row.size) {
    // A row this graph cannot hold: its texts are passed over, so the next
    // record still starts where it should.
    for (int i = 0; i < count && stream.ok(); ++i) {
      std::u16string unused;
      stream.Text(unused);
    }
    return stream.ok();
  }
  for (int i = 0; i < count && stream.ok(); ++i) stream.Text(row[i]);
  return stream.ok();
}

}  // namespace zentrix::graphing::files
