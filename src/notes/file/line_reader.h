#pragma once
// LineReader: reads the line-oriented saved-file format from memory. Integer
// lines hold signed decimal text of at most 100 bytes; a string record is a
// length line followed by that many bytes and a line feed ("0" alone for an
// empty text). Every read fails cleanly at the end of the data or on a line
// that is not what was asked for, and never reads past the data.

#include <cstddef>
#include <optional>
#include <string_view>

namespace zentrix::notes {

class LineReader {
 public:
  static constexpr std::size_t kMaxLine = 100;

  explicit LineReader(std::string_view data) : data_(data) {}

  // A whole line holding one signed decimal integer (a trailing carriage
  // return is allowed).
  std::optional<long long> Integer();
  // Any line of at most kMaxLine bytes, ignored.
  bool SkipLine();
  // A string record, its text ignored.
  bool SkipString();

  std::size_t Remaining() const { return data_.size() - at_; }
  bool AtEnd() const { return at_ == data_.size(); }

 private:
  std::optional<std::string_view> Line();

  std::string_view data_;
  std::size_t at_ = 0;
};

}  // namespace zentrix::notes
