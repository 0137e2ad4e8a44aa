#include "ui/files/record_reader.h"

#include <algorithm>
#include <charconv>

namespace zentrix::ui {

std::optional<std::string_view> RecordReader::Line() {
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

std::optional<long long> RecordReader::Integer() {
  const std::size_t start = at_;
  const std::optional<std::string_view> line = Line();
  long long value = 0;
  if (line && !line->empty()) {
    const char* first = line->data();
    const char* last = first + line->size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc() && end == last) return value;
  }
  at_ = start;
  return std::nullopt;
}

bool RecordReader::SkipLine() { return Line().has_value(); }

std::optional<std::string_view> RecordReader::StringBytes(std::size_t* end) {
  const std::size_t start = at_;
  const std::optional<long long> length = Integer();
  if (!length || *length < 0) {
    at_ = start;
    return std::nullopt;
  }
  if (*length == 0) {
    *end = at_;
    return std::string_view();
  }
  // The text and its line feed must both be there before anything is kept.
  if (static_cast<unsigned long long>(*length) >= Remaining()) {
    at_ = start;
    return std::nullopt;
  }
  const auto size = static_cast<std::size_t>(*length);
  std::size_t last = at_ + size;
  if (data_[last] == '\r' && last + 1 < data_.size()) ++last;
  if (data_[last] != '\n') {
    at_ = start;
    return std::nullopt;
  }
  const std::string_view text = data_.substr(at_, size);
  *end = last + 1;
  at_ = start;
  return text;
}

std::optional<std::u16string> RecordReader::String() {
  std::size_t end = 0;
  const std::optional<std::string_view> bytes = StringBytes(&end);
  if (!bytes) return std::nullopt;
  std::u16string text(bytes->size(), u'\0');
  for (std::size_t i = 0; i < bytes->size(); ++i) text[i] = static_cast<unsigned char>((*bytes)[i]);
  at_ = end;
  return text;
}

bool RecordReader::SkipString() {
  std::size_t end = 0;
  if (!StringBytes(&end)) return false;
  at_ = end;
  return true;
}

void AppendInteger(std::string& out, long long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
  out += '\n';
}

void AppendString(std::string& out, std::u16string_view text) {
  const std::size_t length = std::min(text.find(u'\0'), text.size());
  AppendInteger(out, static_cast<long long>(length));
  if (length == 0) return;
  for (std::size_t i = 0; i < length; ++i) out += static_cast<char>(text[i] & 0xFF);
  out += '\n';
}

}  // namespace zentrix::ui
