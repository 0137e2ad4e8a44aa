#pragma once
// One entry of the notebook: the input line (a text box with its caret and
// decimal toggle), the answer under it, and how far a wide answer is dragged
// sideways (0 or negative).

#include "notebook/answer/answer.h"
#include "ui/widgets/text_box.h"

namespace zentrix::notebook {

class NotebookEntry {
 public:
  NotebookEntry() = default;
  explicit NotebookEntry(std::u16string text) { input_.SetText(std::move(text)); }
  NotebookEntry(const NotebookEntry&) = delete;
  NotebookEntry& operator=(const NotebookEntry&) = delete;

  ui::TextBox& Input() { return input_; }
  const ui::TextBox& Input() const { return input_; }
  const std::u16string& Text() const { return input_.Text(); }

  Answer& GetAnswer() { return answer_; }
  const Answer& GetAnswer() const { return answer_; }

  int AnswerOffset() const { return answer_offset_; }
  void SetAnswerOffset(int offset) { answer_offset_ = offset; }

 private:
  ui::TextBox input_;
  Answer answer_;
  int answer_offset_ = 0;
};

}  // namespace zentrix::notebook
