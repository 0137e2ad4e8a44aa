// Fuzzes the notes file reader and the round trip: a file that reads is
// written back, and what was written reads back as the same pages.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "notes/file/notes_file.h"

using namespace zentrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  notes::ReadResult read =
      notes::ReadNotes(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read.content) {
    if (read.error.empty()) std::abort();
    return 0;
  }
  notes::NotesBook book;
  const std::vector<notes::Page> pages = read.content->pages;
  book.Replace(read.content->pages, read.content->format);
  const notes::ReadResult again = notes::ReadNotes(notes::WriteNotes(book));
  if (!again.content || again.content->format != book.Format() ||
      again.content->pages != book.Pages()) {
    std::abort();
  }
  return 0;
}
