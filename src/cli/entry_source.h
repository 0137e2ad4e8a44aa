#pragma once
// Where lines of entries come from when they are not arguments: a stream
// (standard input or -f FILE) or the terminal's line editor.

#include <cstddef>
#include <iosfwd>
#include <string>

namespace zentrix::cli {

// Lines longer than this are refused rather than read into memory whole.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 22;

enum class LineRead { kLine, kTooLong, kEnd };

class EntrySource {
 public:
  virtual ~EntrySource() = default;
  // The next line without its line feed.
  virtual LineRead Next(std::string& line) = 0;
  // Called once the line has been carried out.
  virtual void Done(const std::string& line) { (void)line; }
};

// Lines of a stream, with a plain "> " prompt before each when asked to.
class StreamEntries : public EntrySource {
 public:
  StreamEntries(std::istream& in, std::ostream* prompt_out) : in_(in), prompt_out_(prompt_out) {}
  ~StreamEntries() override;
  LineRead Next(std::string& line) override;

 private:
  std::istream& in_;
  std::ostream* prompt_out_;  // null: no prompt
};

}  // namespace zentrix::cli
