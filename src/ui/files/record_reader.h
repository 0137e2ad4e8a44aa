#pragma once
// RecordReader: reads the line-oriented saved files (notebooks, notes) from
// memory. Integer lines hold signed decimal text of at most 100 bytes. A
// string record is "0" alone for an empty text, or a length line L followed by
// exactly L bytes and a line feed; each byte becomes one character 0-255, so
// a text holding line feeds reads back whole. A carriage return before a line
// feed is accepted everywhere. Every read fails cleanly at the end of the data
// or on a line that is not what was asked for, leaves the position where it
// was when it fails, never reads past the data and never allocates more than
// the data could hold.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zentrix::ui {

class RecordReader {
 public:
  static constexpr std::size_t kMaxLine = 100;

  explicit RecordReader(std::string_view data) : data_(data) {}

  // A whole line holding one signed decimal integer.
  std::optional<long long> Integer();
  std::optional<std::u16string> String();
  // Any line of at most kMaxLine bytes, ignored.
  bool SkipLine();
  // A string record, its text ignored (nothing is allocated for it).
  bool SkipString();

  std::size_t Remaining() const { return data_.size() - at_; }
  std::size_t Offset() const { return at_; }
  bool AtEnd() const { return at_ == data_.size(); }

 private:
  std::optional<std::string_view> Line();
  // The text of a string record, and where the record ends.
  std::optional<std::string_view> StringBytes(std::size_t* end);

  std::string_view data_;
  std::size_t at_ = 0;
};

// The writing side: an integer line, and a string record holding the text up
// to its first zero character, each character as its low byte.
void AppendInteger(std::string& out, long long value);
void AppendString(std::string& out, std::u16string_view text);

}  // namespace zentrix::ui
