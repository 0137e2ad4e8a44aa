#pragma once
// RecordReader: reads the notebook file's lines and records from memory.
// Integer lines hold signed decimal text of at most 100 bytes. A string
// record is "0" alone for an empty text, or a length line L followed by
// exactly L bytes and a line feed; each byte becomes one character 0-255, so
// a text holding line feeds reads back whole. Every read fails cleanly at the
// end of the data or on a line that is not what was asked for, never reads
// past the data and never allocates more than the data could hold.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zentrix::notebook {

class RecordReader {
 public:
  static constexpr std::size_t kMaxLine = 100;

  explicit RecordReader(std::string_view data) : data_(data) {}

  // A whole line holding one signed decimal integer (a carriage return
  // before its line feed is allowed).
  std::optional<long long> Integer();
  std::optional<std::u16string> String();

  std::size_t Remaining() const { return data_.size() - at_; }
  std::size_t Offset() const { return at_; }

 private:
  std::optional<std::string_view> Line();

  std::string_view data_;
  std::size_t at_ = 0;
};

// The writing side: an integer line, and a string record holding the text up
// to its first zero character, each character as its low byte.
void AppendInteger(std::string& out, long long value);
void AppendString(std::string& out, std::u16string_view text);

}  // namespace zentrix::notebook
