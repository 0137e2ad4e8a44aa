#pragma once
// The notes file: line-oriented text, every integer a decimal line.
//
//   header   an empty string record ("0"), the format number, "1", four "0"
//            lines and another empty string record
//   P        the page count, then eight reserved "0" lines
//   per page the stroke count S, eight reserved "0" lines, then per stroke
//            its point count N, its colour as an unsigned decimal and N
//            pairs of lines x and y
//
// Reading is defensive: a negative count, a count larger than the rest of the
// file could hold, a truncated record, a line that is not a number, or a file
// above kMaxFileBytes is refused as a whole, so memory stays in proportion to
// the file and a bad file never half-replaces a book.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "notes/book/notes_book.h"

namespace zentrix::notes {

inline constexpr std::size_t kMaxFileBytes = 256u << 20;
inline constexpr int kReservedLines = 8;

struct NotesContent {
  std::vector<Page> pages;
  int format = NotesBook::kFormat;
};

struct ReadResult {
  std::optional<NotesContent> content;  // nothing when the file was refused
  std::string error;                    // why it was refused
};

std::string WriteNotes(const NotesBook& book);
ReadResult ReadNotes(std::string_view data);

// The whole file through a temporary file and a rename; false when it could
// not be written (the old file is then untouched).
bool SaveNotesFile(const std::filesystem::path& path, const NotesBook& book);
// Reads a file; a missing or unreadable file is refused like a bad one.
ReadResult LoadNotesFile(const std::filesystem::path& path);
// The page count from a file's first lines (for the file list); nothing when
// they cannot be read.
std::optional<int> ReadPageCount(const std::filesystem::path& path);

}  // namespace zentrix::notes
