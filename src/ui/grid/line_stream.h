#pragma once
// The line-oriented stream the cell grid saves to and loads from. The graph
// files supply their own; MemoryLineStream keeps lines in memory.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zentrix::ui {

class LineWriter {
 public:
  virtual ~LineWriter() = default;
  virtual void WriteText(const std::u16string& text) = 0;
  virtual void WriteInteger(long long value) = 0;
};

class LineReader {
 public:
  virtual ~LineReader() = default;
  // Nothing at the end of the stream or when the line is not of the kind.
  virtual std::optional<std::u16string> ReadText() = 0;
  virtual std::optional<long long> ReadInteger() = 0;
};

class MemoryLineStream : public LineWriter, public LineReader {
 public:
  void WriteText(const std::u16string& text) override { lines_.push_back(text); }
  void WriteInteger(long long value) override;
  std::optional<std::u16string> ReadText() override;
  std::optional<long long> ReadInteger() override;
  const std::vector<std::u16string>& Lines() const { return lines_; }

 private:
  std::vector<std::u16string> lines_;
  std::size_t next_ = 0;
};

}  // namespace zentrix::ui
