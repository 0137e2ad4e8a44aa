#include "notes/file/notes_file.h"

#include <fstream>
#include <limits>

#include "platform/atomic_file.h"
#include "ui/files/record_reader.h"

namespace zentrix::notes {
namespace {

// The fewest bytes a record can take ("0\n" per line), so a count can be
// checked against what is left before anything is allocated for it.
constexpr std::size_t kMinLine = 2;
constexpr std::size_t kMinPageBytes = (1 + kReservedLines) * kMinLine;
constexpr std::size_t kMinStrokeBytes = 2 * kMinLine;
constexpr std::size_t kMinPointBytes = 2 * kMinLine;

using ui::RecordReader;

void Reserved(std::string& out) {
  for (int i = 0; i < kReservedLines; ++i) out += "0\n";
}

// A count that the rest of the data can hold, each item taking at least
// `min_bytes`.
std::optional<std::size_t> Count(RecordReader& in, std::size_t min_bytes) {
  const std::optional<long long> n = in.Integer();
  if (!n || *n < 0) return std::nullopt;
  if (static_cast<unsigned long long>(*n) > in.Remaining() / min_bytes) return std::nullopt;
  return static_cast<std::size_t>(*n);
}

bool SkipReserved(RecordReader& in, int lines) {
  for (int i = 0; i < lines; ++i) {
    if (!in.SkipLine()) return false;
  }
  return true;
}

std::optional<std::int32_t> Coordinate(RecordReader& in) {
  const std::optional<long long> v = in.Integer();
  if (!v || *v < std::numeric_limits<std::int32_t>::min() ||
      *v > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(*v);
}

bool ReadStroke(RecordReader& in, Stroke& stroke) {
  const std::optional<std::size_t> n = Count(in, kMinPointBytes);
  const std::optional<long long> colour = in.Integer();
  if (!n || !colour || *colour < 0 || *colour > 0xFFFFFFFFll) return false;
  stroke.colour = static_cast<draw::Color>(*colour);
  stroke.points.reserve(*n);
  for (std::size_t i = 0; i < *n; ++i) {
    const std::optional<std::int32_t> x = Coordinate(in);
    const std::optional<std::int32_t> y = Coordinate(in);
    if (!x || !y) return false;
    stroke.points.push_back({*x, *y});
  }
  return true;
}

bool ReadPage(RecordReader& in, Page& page) {
  const std::optional<std::size_t> count = Count(in, kMinStrokeBytes);
  if (!count || !SkipReserved(in, kReservedLines)) return false;
  for (std::size_t i = 0; i < *count; ++i) {
    if (!ReadStroke(in, page.strokes.emplace_back())) return false;
  }
  return true;
}

ReadResult Refuse(std::string why) { return ReadResult{std::nullopt, std::move(why)}; }

}  // namespace

std::string WriteNotes(const NotesBook& book) {
  std::string out;
  out += "0\n";
  ui::AppendInteger(out, book.Format());
  out += "1\n0\n0\n0\n0\n0\n";
  ui::AppendInteger(out, book.PageCount());
  Reserved(out);
  for (const Page& page : book.Pages()) {
    ui::AppendInteger(out, static_cast<long long>(page.strokes.size()));
    Reserved(out);
    for (const Stroke& stroke : page.strokes) {
      ui::AppendInteger(out, static_cast<long long>(stroke.points.size()));
      ui::AppendInteger(out, static_cast<long long>(stroke.colour));
      for (const StrokePoint& p : stroke.points) {
        ui::AppendInteger(out, p.x);
        ui::AppendInteger(out, p.y);
      }
    }
  }
  return out;
}

ReadResult ReadNotes(std::string_view data) {
  if (data.size() > kMaxFileBytes) return Refuse("the file is too large");
  RecordReader in(data);
  if (!in.SkipString()) return Refuse("the header cannot be read");
  const std::optional<long long> format = in.Integer();
  if (!format || *format < std::numeric_limits<int>::min() ||
      *format > std::numeric_limits<int>::max() || !SkipReserved(in, 5) || !in.SkipString()) {
    return Refuse("the header cannot be read");
  }
  const std::optional<std::size_t> pages = Count(in, kMinPageBytes);
  if (!pages || !SkipReserved(in, kReservedLines)) return Refuse("the page count is not valid");
  NotesContent content;
  content.format = static_cast<int>(*format);
  for (std::size_t i = 0; i < *pages; ++i) {
    if (!ReadPage(in, content.pages.emplace_back())) {
      return Refuse("page " + std::to_string(i + 1) + " is damaged");
    }
  }
  return ReadResult{std::move(content), {}};
}

bool SaveNotesFile(const std::filesystem::path& path, const NotesBook& book) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  return platform::WriteFileAtomically(path.string(), WriteNotes(book));
}

ReadResult LoadNotesFile(const std::filesystem::path& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (error) return Refuse("the file cannot be opened");
  if (size > kMaxFileBytes) return Refuse("the file is too large");
  std::ifstream in(path, std::ios::binary);
  if (!in) return Refuse("the file cannot be opened");
  std::string data(static_cast<std::size_t>(size), '\0');
  in.read(data.data(), static_cast<std::streamsize>(data.size()));
  data.resize(static_cast<std::size_t>(in.gcount()));
  return ReadNotes(data);
}

std::optional<int> ReadPageCount(const std::filesystem::path& path) {
  // The header and the count fit well within the first kilobyte.
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string head(1024, '\0');
  file.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(file.gcount()));
  RecordReader in(head);
  if (!in.SkipString() || !in.Integer() || !SkipReserved(in, 5) || !in.SkipString()) {
    return std::nullopt;
  }
  const std::optional<long long> pages = in.Integer();
  if (!pages || *pages < 0 || *pages > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(*pages);
}

}  // namespace zentrix::notes
