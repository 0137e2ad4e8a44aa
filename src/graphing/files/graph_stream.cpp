#include "graphing/files/graph_stream.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>

namespace zentrix::graphing::files {
namespace {

// An int line holds at most this many characters.
constexpr std::size_t kLongestIntLine = 99;
// "%f" of the largest double is 316 characters.
constexpr std::size_t kLongestDoubleLine = 400;

float NarrowToFloat(double value) {
  if (std::isfinite(value)) return static_cast<float>(std::clamp<double>(value, -FLT_MAX, FLT_MAX));
  return static_cast<float>(value);
}

}  // namespace

GraphStream::GraphStream() : mode_(StreamMode::kWrite) {}

GraphStream::GraphStream(std::string bytes) : mode_(StreamMode::kRead), bytes_(std::move(bytes)) {}

// Writing.

void GraphStream::WriteLine(std::string_view line) {
  bytes_.append(line);
  bytes_.push_back('\n');
}

void GraphStream::WriteInt(int value) {
  char buffer[16];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  WriteLine(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

void GraphStream::WriteDouble(double value) {
  char buffer[kLongestDoubleLine];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  WriteLine(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

void GraphStream::WriteTextField(const std::u16string& text) {
  WriteInt(static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX)));
  if (text.empty()) return;
  for (char16_t c : text) bytes_.push_back(static_cast<char>(c & 0xFF));
  bytes_.push_back('\n');
}

// Reading.

std::optional<std::string> GraphStream::ReadLine(std::size_t longest) {
  if (!ok_) return std::nullopt;
  const std::size_t end = bytes_.find('\n', position_);
  if (end == std::string::npos || end - position_ > longest) {
    ok_ = false;
    return std::nullopt;
  }
  std::string line = bytes_.substr(position_, end - position_);
  position_ = end + 1;
  return line;
}

std::optional<int> GraphStream::ReadIntLine() {
  const std::optional<std::string> line = ReadLine(kLongestIntLine);
  if (!line) return std::nullopt;
  const char* first = line->data();
  const char* last = first + line->size();
  if (first != last && *first == '+') ++first;
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) {
    ok_ = false;
    return std::nullopt;
  }
  return value;
}

std::optional<std::u16string> GraphStream::ReadTextField() {
  const std::optional<int> length = ReadIntLine();
  if (!length) return std::nullopt;
  if (*length == 0) return std::u16string();
  const auto n = static_cast<std::size_t>(*length);
  // The bytes and their line feed must all be there.
  if (*length < 0 || n >= bytes_.size() - position_ || bytes_[position_ + n] != '\n') {
    ok_ = false;
    return std::nullopt;
  }
  std::u16string text(n, u'\0');
  for (std::size_t i = 0; i < n; ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes_[position_ + i]));
  }
  position_ += n + 1;
  return text;
}

// The field routines.

bool GraphStream::Int(int& value) {
  if (!reading()) {
    WriteInt(value);
  } else if (const std::optional<int> v = ReadIntLine()) {
    value = *v;
  }
  return ok_;
}

bool GraphStream::Bool(bool& value) {
  int stored = value ? 1 : 0;
  Int(stored);
  if (reading() && ok_) value = stored == 1;
  return ok_;
}

bool GraphStream::Double(double& value) {
  if (!reading()) {
    WriteDouble(value);
    return ok_;
  }
  const std::optional<std::string> line = ReadLine(kLongestDoubleLine);
  if (!line) return false;
  double parsed = 0.0;
  const char* last = line->data() + line->size();
  const auto [end, error] = std::from_chars(line->data(), last, parsed);
  if (error != std::errc() || end != last) {
    ok_ = false;
    return false;
  }
  value = parsed;
  return true;
}

bool GraphStream::Float(float& value) {
  double wide = value;
  Double(wide);
  if (reading() && ok_) value = NarrowToFloat(wide);
  return ok_;
}

bool GraphStream::Text(std::u16string& value) {
  if (!reading()) {
    WriteTextField(value);
  } else if (std::optional<std::u16string> text = ReadTextField()) {
    value = std::move(*text);
  }
  return ok_;
}

bool GraphStream::ReservedInts(int count) {
  for (int i = 0; i < count && ok_; ++i) {
    int zero = 0;
    Int(zero);
  }
  return ok_;
}

bool GraphStream::ReservedBools(int count) {
  for (int i = 0; i < count && ok_; ++i) {
    bool off = false;
    Bool(off);
  }
  return ok_;
}

bool GraphStream::ReservedFloats(int count) {
  for (int i = 0; i < count && ok_; ++i) {
    float zero = 0.0f;
    Float(zero);
  }
  return ok_;
}

// The cell grid's line stream.

void GraphStream::WriteText(const std::u16string& text) { WriteTextField(text); }

void GraphStream::WriteInteger(long long value) {
  WriteInt(static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)));
}

std::optional<std::u16string> GraphStream::ReadText() { return ReadTextField(); }

std::optional<long long> GraphStream::ReadInteger() {
  const std::optional<int> value = ReadIntLine();
  if (!value) return std::nullopt;
  return *value;
}

}  // namespace zentrix::graphing::files
