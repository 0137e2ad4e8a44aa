#include "notebook/file/notebook_file.h"

#include <algorithm>
#include <fstream>
#include <limits>

#include "notebook/file/answer_records.h"
#include "platform/atomic_file.h"
#include "ui/files/record_reader.h"

namespace zentrix::notebook {
namespace {

// The fewest bytes an entry's text record takes ("0" and a line feed).
constexpr std::size_t kMinTextRecord = 2;

std::optional<std::string> ReadHead(const std::filesystem::path& path, std::size_t limit) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string data(limit, '\0');
  in.read(data.data(), static_cast<std::streamsize>(data.size()));
  if (in.bad()) return std::nullopt;
  data.resize(static_cast<std::size_t>(in.gcount()));
  return data;
}

}  // namespace

std::string WriteNotebook(const Notebook& notebook) {
  std::string out;
  AppendInteger(out, kNotebookFormat);
  AppendInteger(out, static_cast<long long>(notebook.EntryCount()));
  for (std::size_t i = 0; i < notebook.EntryCount(); ++i) {
    AppendString(out, notebook.EntryText(i));
  }
  for (std::size_t i = 0; i < notebook.EntryCount(); ++i) {
    WriteAnswer(out, notebook.EntryAnswer(i));
  }
  return out;
}

bool ReadNotebook(std::string_view data, Notebook& notebook) {
  return ReadNotebookData(data, notebook) == NotebookRead::kWhole;
}

NotebookRead ReadNotebookData(std::string_view data, Notebook& notebook) {
  notebook.ClearAll();
  if (data.size() > kMaxFileBytes) return NotebookRead::kUnreadable;
  RecordReader in(data);
  const std::optional<long long> format = in.Integer();
  const std::optional<long long> count = format ? in.Integer() : std::nullopt;
  if (!count) return NotebookRead::kUnreadable;
  if (*count <= 0) {
    notebook.AddEntry();
    notebook.FocusEntry(0);
    return NotebookRead::kEmpty;
  }
  // No more entries than the rest of the file could hold texts for.
  const std::size_t room = std::min(in.Remaining() / kMinTextRecord + 1, kMaxEntries);
  const std::size_t entries =
      static_cast<unsigned long long>(*count) > room ? room : static_cast<std::size_t>(*count);
  for (std::size_t i = 0; i < entries; ++i) notebook.AddEntry();
  notebook.FocusEntry(0);
  for (std::size_t i = 0; i < entries; ++i) {
    std::optional<std::u16string> text = in.String();
    if (!text) return NotebookRead::kPartial;
    notebook.Entry(i).Input().SetText(std::move(*text));
  }
  for (std::size_t i = 0; i < entries; ++i) {
    std::optional<engine::AnswerLayout> answer = ReadAnswer(in);
    if (!answer) return NotebookRead::kPartial;
    notebook.Entry(i).GetAnswer().Set(std::move(*answer));
  }
  if (entries < static_cast<unsigned long long>(*count)) return NotebookRead::kPartial;
  notebook.MarkSaved();
  return NotebookRead::kWhole;
}

bool SaveNotebookFile(Notebook& notebook, const std::filesystem::path& path) {
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  if (!platform::WriteFileAtomically(path.string(), WriteNotebook(notebook))) return false;
  notebook.MarkSaved();
  return true;
}

bool OpenNotebookFile(Notebook& notebook, const std::filesystem::path& path) {
  return LoadNotebookFile(notebook, path) == NotebookRead::kWhole;
}

NotebookRead LoadNotebookFile(Notebook& notebook, const std::filesystem::path& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  std::optional<std::string> data;
  if (!error && size <= kMaxFileBytes) data = ReadHead(path, static_cast<std::size_t>(size));
  if (!data) {
    notebook.ClearAll();
    return NotebookRead::kUnreadable;
  }
  return ReadNotebookData(*data, notebook);
}

std::optional<NotebookSummary> SummaryFrom(std::string_view head) {
  RecordReader in(head);
  const std::optional<long long> format = in.Integer();
  const std::optional<long long> count = format ? in.Integer() : std::nullopt;
  if (!count) return std::nullopt;
  NotebookSummary summary;
  summary.entries =
      static_cast<int>(std::clamp<long long>(*count, 0, std::numeric_limits<int>::max()));
  const int shown = std::min(summary.entries, kPreviewEntries);
  for (int i = 0; i < shown; ++i) {
    const std::optional<std::u16string> text = in.String();
    if (!text) break;
    summary.preview += *text;
    summary.preview += u'\n';
  }
  return summary;
}

std::optional<NotebookSummary> ReadNotebookSummary(const std::filesystem::path& path) {
  const std::optional<std::string> head = ReadHead(path, kPreviewBytes);
  if (!head) return std::nullopt;
  return SummaryFrom(*head);
}

}  // namespace zentrix::notebook
