#pragma once
// The calculator notebook without its screen: an ordered list of entries, the
// variable store they share, Solve, and the entry operations of the Edit and
// File menus. The view (layout, drawing, stylus) and the calculator screen sit
// on top of it.
//
// Solve(mode) on the focused entry, through the engine's entry pipeline:
// - nothing happens, and false is returned, with no focused entry or an empty
//   one, and in degrees-minutes-seconds mode for a result that is not a
//   non-zero real number (its answer is then left empty);
// - a command name followed by one more character ("Solve(") answers with the
//   command's syntax help, leaves Ans alone and keeps the focus (after the
//   last entry an empty one is appended);
// - otherwise the answer (or the engine's message) replaces the old one, the
//   entry's decimal toggle alternates exact and decimal answers of unchanged
//   text, and the focus moves to the next entry, a fresh one after the last.

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/commands/entry_pipeline.h"
#include "engine/core/variable_store.h"
#include "notebook/model/notebook_entry.h"

namespace zentrix::notebook {

class Notebook {
 public:
  // A notebook starts with one empty entry (not focused).
  Notebook();
  Notebook(const Notebook&) = delete;
  Notebook& operator=(const Notebook&) = delete;

  std::size_t EntryCount() const { return entries_.size(); }
  NotebookEntry& Entry(std::size_t index) { return *entries_[index]; }
  const NotebookEntry& Entry(std::size_t index) const { return *entries_[index]; }
  const std::u16string& EntryText(std::size_t index) const { return entries_[index]->Text(); }
  const engine::AnswerLayout& EntryAnswer(std::size_t index) const {
    return entries_[index]->GetAnswer().Layout();
  }

  engine::VariableStore& Variables() { return variables_; }
  const engine::VariableStore& Variables() const { return variables_; }

  bool Solve(engine::SolveMode mode, const engine::EntrySettings& settings);

  // Inserts an empty entry at the focused index and focuses it.
  void InsertEntry();
  // Removes the focused entry; the entry that takes its index gets the focus.
  // The notebook may end up with no entries.
  void DeleteEntry();
  // Empties entries, answers and variables and resets the flags.
  void ClearAll();
  // Appends an empty entry.
  NotebookEntry& AddEntry();
  // Clears everything and leaves one empty, focused entry.
  void New();

  // Focus by index (ignored when out of range); -1 when no entry has it.
  void FocusEntry(int index);
  int FocusedIndex() const;

  // Set when Solve appended an entry / moved the focus to an existing one; the
  // view consumes them at its next layout.
  bool TakeScrollToBottom() { return std::exchange(scroll_to_bottom_, false); }
  bool TakeScrollIntoView() { return std::exchange(scroll_into_view_, false); }

  // Set by Solve and the entry operations; cleared by ClearAll and MarkSaved.
  bool Modified() const { return modified_; }
  void MarkSaved() { modified_ = false; }

 private:
  void MoveFocusOn(std::size_t solved);

  std::vector<std::unique_ptr<NotebookEntry>> entries_;
  engine::VariableStore variables_;
  bool scroll_to_bottom_ = false;
  bool scroll_into_view_ = false;
  bool modified_ = false;
};

}  // namespace zentrix::notebook
