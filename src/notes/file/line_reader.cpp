#include "notes/file/line_reader.h"

#include <charconv>

namespace zentrix::notes {

std::optional<std::string_view> LineReader::Line() {
  const std::string_view rest = data_.substr(at_);
  const std::size_t end = rest.substr(0, kMaxLine + 1).find('\n');
  if (end == std::string_view::npos) {
    // The last line may lack its line feed; a longer line is refused.
    if (rest.empty() || rest.size() > kMaxLine) return std::nullopt;
    at_ = data_.size();
    return rest;
  }
  at_ += end + 1;
  std::string_view line = rest.substr(0, end);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::optional<long long> LineReader::Integer() {
  const std::size_t start = at_;
  const std::optional<std::string_view> line = Line();
  if (!line || line->empty()) {
    at_ = start;
    return std::nullopt;
  }
  long long value = 0;
  const char* first = line->data();
  const char* last = first + line->size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) {
    at_ = start;
    return std::nullopt;
  }
  return value;
}

bool LineReader::SkipLine() {
  return Line().has_value();
}

bool LineReader::SkipString() {
  const std::optional<long long> length = Integer();
  if (!length || *length < 0) return false;
  if (*length == 0) return true;
  // The text and its line feed.
  if (static_cast<unsigned long long>(*length) >= Remaining()) return false;
  at_ += static_cast<std::size_t>(*length);
  if (data_[at_] != '\n') return false;
  ++at_;
  return true;
}

}  // namespace zentrix::notes
