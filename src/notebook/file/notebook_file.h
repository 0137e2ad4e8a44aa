#pragma once
// The notebook file: the entry texts and their laid-out answers, so that a
// reopened notebook shows its answers without solving again.
//
//   1000        the format number (read back, not checked)
//   N           the entry count
//   N string records: the entry texts, in order
//   N answer records: the entries' answers (answer_records.h)
//
// A notebook with the single entry 1+1 answered 2 is the nine lines
// 1000, 1, 3, 1+1, 0, 0, 0, 1, 2. Texts are stored a byte per character (the
// low byte: every character of the program's own set is below 256).
//
// Open empties the notebook and its variables, then reads what it can: a
// count of 0 or less gives one empty entry; otherwise N entries are made, the
// first focused, and texts, then answers, are read into them until a record
// cannot be read. It returns true only when every record was read. A file
// above kMaxFileBytes, or a count larger than the file could hold or than
// kMaxEntries, is read only as far as memory stays in proportion to it.
//
// Save writes the whole file to a temporary file beside the target and
// renames it into place: a failed save leaves the old file as it was.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "notebook/model/notebook.h"

namespace zentrix::notebook {

inline constexpr int kNotebookFormat = 1000;
inline constexpr std::size_t kMaxFileBytes = 64u << 20;
inline constexpr std::size_t kMaxEntries = 100000;

// The file's bytes for the notebook.
std::string WriteNotebook(const Notebook& notebook);
// Open's rules over a file's bytes.
bool ReadNotebook(std::string_view data, Notebook& notebook);

// Writes the file (creating its folder when missing) and, on success, clears
// the notebook's modified flag. False when it could not be written; the old
// file is then untouched.
bool SaveNotebookFile(Notebook& notebook, const std::filesystem::path& path);
// Open from a file; a missing, unreadable or oversized file leaves the
// notebook empty (no entries) and returns false.
bool OpenNotebookFile(Notebook& notebook, const std::filesystem::path& path);

// What the file list shows of a notebook file: its entry count and the first
// entry texts, each followed by a line feed (at most kPreviewEntries of them,
// read from the file's first kPreviewBytes).
struct NotebookSummary {
  int entries = 0;
  std::u16string preview;
};
inline constexpr int kPreviewEntries = 16;
inline constexpr std::size_t kPreviewBytes = 16u << 10;
std::optional<NotebookSummary> ReadNotebookSummary(const std::filesystem::path& path);
// The same over bytes already read.
std::optional<NotebookSummary> SummaryFrom(std::string_view head);

}  // namespace zentrix::notebook
