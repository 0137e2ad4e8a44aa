#include "ui/grid/line_stream.h"

#include <string>

namespace zentrix::ui {

void MemoryLineStream::WriteInteger(long long value) {
  const std::string digits = std::to_string(value);
  lines_.emplace_back(digits.begin(), digits.end());
}

std::optional<std::u16string> MemoryLineStream::ReadText() {
  if (next_ >= lines_.size()) return std::nullopt;
  return lines_[next_++];
}

std::optional<long long> MemoryLineStream::ReadInteger() {
  if (next_ >= lines_.size()) return std::nullopt;
  const std::u16string& line = lines_[next_];
  if (line.empty() || line.size() > 19) return std::nullopt;
  long long value = 0;
  std::size_t i = line[0] == u'-' ? 1 : 0;
  if (i == line.size()) return std::nullopt;
  for (; i < line.size(); ++i) {
    if (line[i] < u'0' || line[i] > u'9') return std::nullopt;
    value = value * 10 + (line[i] - u'0');
  }
  ++next_;
  return line[0] == u'-' ? -value : value;
}

}  // namespace zentrix::ui
