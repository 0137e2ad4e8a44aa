#include "notebook/model/notebook.h"

#include <optional>

#include "ui/core/focus.h"

namespace zentrix::notebook {

using Kind = engine::EntryAnswer::Kind;

Notebook::Notebook() { AddEntry(); }

int Notebook::FocusedIndex() const {
  const ui::TextBox* focused = ui::Focused();
  if (!focused) return -1;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (&entries_[i]->Input() == focused) return static_cast<int>(i);
  }
  return -1;
}

void Notebook::FocusEntry(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return;
  ui::Focus(&entries_[static_cast<std::size_t>(index)]->Input());
}

NotebookEntry& Notebook::AddEntry() {
  entries_.push_back(std::make_unique<NotebookEntry>());
  return *entries_.back();
}

bool Notebook::Solve(engine::SolveMode mode, const engine::EntrySettings& settings) {
  const int focused = FocusedIndex();
  if (focused < 0) return false;
  const auto index = static_cast<std::size_t>(focused);
  NotebookEntry& entry = *entries_[index];
  if (entry.Text().empty()) return false;

  // Degrees-minutes-seconds of a result that is not a non-zero real number
  // changes nothing, though the engine has stored Ans (and any assignment)
  // by the time it can tell: the store is put back as it was.
  std::optional<engine::VariableStore> before;
  if (mode == engine::SolveMode::kDegreesMinutesSeconds) before = variables_;
  engine::EntryAnswer result =
      engine::SolveEntry(entry.Text(), variables_, settings, entry.Input().DecimalToggle(), mode);
  if (result.kind == Kind::kNone) {
    if (before) variables_ = std::move(*before);
    return false;
  }
  modified_ = true;
  switch (result.kind) {
    case Kind::kNone: return false;
    case Kind::kHelp:
      entry.GetAnswer().Set(std::move(result.layout));
      entry.SetAnswerOffset(0);
      if (index + 1 == entries_.size()) {
        AddEntry();
        scroll_to_bottom_ = true;
      }
      return true;
    case Kind::kResult:
    case Kind::kFailure:
      entry.GetAnswer().Set(std::move(result.layout));
      entry.Input().SetDecimalToggle(result.decimal_toggle);
      entry.SetAnswerOffset(0);
      MoveFocusOn(index);
      return true;
  }
  return false;
}

void Notebook::MoveFocusOn(std::size_t solved) {
  if (solved + 1 == entries_.size()) {
    AddEntry();
    FocusEntry(static_cast<int>(solved + 1));
    scroll_to_bottom_ = true;
    return;
  }
  FocusEntry(static_cast<int>(solved + 1));
  entries_[solved + 1]->Input().CaretToEnd();
  scroll_into_view_ = true;
}

void Notebook::InsertEntry() {
  const int focused = FocusedIndex();
  if (focused < 0) return;
  entries_.insert(entries_.begin() + focused, std::make_unique<NotebookEntry>());
  FocusEntry(focused);
  modified_ = true;
}

void Notebook::DeleteEntry() {
  const int focused = FocusedIndex();
  if (focused < 0) return;
  // The box loses the focus as it is destroyed; the next one takes it.
  entries_.erase(entries_.begin() + focused);
  FocusEntry(focused);
  modified_ = true;
}

void Notebook::ClearAll() {
  entries_.clear();
  variables_.Clear();
  scroll_to_bottom_ = false;
  scroll_into_view_ = false;
  modified_ = false;
}

void Notebook::New() {
  ClearAll();
  AddEntry();
  FocusEntry(0);
}

}  // namespace zentrix::notebook
