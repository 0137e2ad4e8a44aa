#pragma once
// GraphStream: the line stream of the graph files. Every field is one or more
// text lines, each ended by a single line feed:
//
//   int     "%d"; read from one line of at most 99 characters
//   bool    the int 1 or 0; read true only when it equals 1
//   double  "%f" (six decimals)
//   float   widened to double, then as double; read narrowed to float
//   text    its length as an int line, then that many bytes (each character's
//           low 8 bits) and a line feed; an empty text is the line "0" alone
//
// One stream either writes (into memory) or reads (from memory); each field
// routine takes its value by reference and writes it or reads into it by the
// stream's mode, so a record is described once for both directions.
//
// Reading is sticky: the first line that cannot be read (end of the bytes, a
// line that is not of the field's kind, a length beyond the bytes left) marks
// the stream failed, leaves that value unchanged and makes every later read
// fail too. A record thus stops at the damage and keeps the fields read so far.
//
// The stream is also the cell grid's line stream, so the statistics data
// table is stored in the grid's own form within a graph file.

#include <cstddef>
#include <optional>
#include <string>

#include "ui/grid/line_stream.h"

namespace zentrix::graphing::files {

enum class StreamMode { kRead, kWrite };

class GraphStream final : public ui::LineWriter, public ui::LineReader {
 public:
  // A stream that writes; bytes() holds what was written.
  GraphStream();
  // A stream that reads the bytes.
  explicit GraphStream(std::string bytes);

  StreamMode mode() const { return mode_; }
  bool reading() const { return mode_ == StreamMode::kRead; }
  // False once a read failed (or MarkFailed was called).
  bool ok() const { return ok_; }
  // Marks the stream failed: the reader found a value it cannot accept.
  void MarkFailed() { ok_ = false; }
  // True when a reading stream has consumed every byte.
  bool AtEnd() const { return position_ >= bytes_.size(); }

  // The field routines: write the value, or read into it. Each returns ok().
  bool Int(int& value);
  bool Bool(bool& value);
  bool Double(double& value);
  bool Float(float& value);
  bool Text(std::u16string& value);

  // Reserved fields: written as 0, read and ignored.
  bool ReservedInts(int count);
  bool ReservedBools(int count);
  bool ReservedFloats(int count);

  const std::string& bytes() const { return bytes_; }

  // The cell grid's line stream. Integers beyond the int range are written
  // clamped to it.
  void WriteText(const std::u16string& text) override;
  void WriteInteger(long long value) override;
  std::optional<std::u16string> ReadText() override;
  std::optional<long long> ReadInteger() override;

 private:
  // The next line without its line feed; nothing (and the stream failed) at
  // the end of the bytes or when the line is longer than `longest`.
  std::optional<std::string> ReadLine(std::size_t longest);
  std::optional<int> ReadIntLine();
  std::optional<std::u16string> ReadTextField();
  void WriteLine(std::string_view line);
  void WriteInt(int value);
  void WriteDouble(double value);
  void WriteTextField(const std::u16string& text);

  StreamMode mode_;
  std::string bytes_;
  std::size_t position_ = 0;
  bool ok_ = true;
};

}  // namespace zentrix::graphing::files
