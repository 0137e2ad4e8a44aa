#pragma once
// TutorialOverlay: the one panel the tutorials draw over the screen. A button
// bar with "Step n/m" and the Back, Next and Close icons, then the current
// instruction as mark-up text; a red frame marks the rectangle the person may
// tap. While active it holds the program's input restriction (UiState): other
// widgets take taps only inside the allowed rectangle, but the overlay's own
// buttons always work.
//
// Back and Next (the buttons, or the left and right keys) move the step index
// at once, never below 0 or past the last step, and leave a request that the
// running script takes once. Close stops the tutorial and leaves the closed
// flag for the owner, who restores what the tutorial changed.
//
// Describes itself as three buttons named "back", "next" and "close".

#include <string>
#include <string_view>

#include "draw/rect.h"
#include "draw/surface.h"
#include "ui/core/json_writer.h"
#include "ui/core/key_event.h"
#include "ui/core/widget.h"
#include "ui/text/text_renderer.h"

namespace zentrix::tutorials {

class TutorialOverlay : public ui::Widget {
 public:
  enum ButtonId { kBack, kNext, kClose, kButtonCount };

  TutorialOverlay();
  std::string_view Kind() const override { return "tutorial overlay"; }

  // Active, input restricted, step 0, every request and flag cleared.
  void Start();
  // Inactive, restriction off; the closed flag is left for the owner.
  void Stop();
  bool Active() const { return visible_; }
  // True once after the tutorial was closed.
  bool TakeClosed();

  int Step() const { return step_; }
  void SetStep(int step);
  int StepCount() const { return step_count_; }
  void SetStepCount(int count);
  // True once after Back or Next was asked for (the index has already moved
  // when it could).
  bool NextRequested();
  bool BackRequested();
  // Set by default: Close is shown on every step, not only on the last.
  void SetCloseAnytime(bool anytime) { close_anytime_ = anytime; }

  const ui::MarkupText& Instruction() const { return instruction_; }
  void SetInstruction(ui::MarkupText text) { instruction_ = std::move(text); }
  // The text, two line feeds and the green continue line; the allowed
  // rectangle becomes the Next button.
  void SetInstructionWithContinue(std::u16string_view text);
  // The finishing text; the allowed rectangle becomes the Close button.
  void Finish();
  // The one rectangle other widgets take taps in.
  void SetAllowed(const draw::Rect& rect);
  const draw::Rect& Allowed() const;

  // The panel's top-left corner in Small-skin pixels (doubled on
  // high-resolution screens); the panel spans the rest of the screen width.
  void Position(int x, int y);
  // Places the panel and its buttons for a screen this wide.
  void LayOut(int screen_width);
  draw::Rect ButtonRect(ButtonId id) const { return buttons_[id]; }
  bool ButtonShown(ButtonId id) const;

  bool StylusDown(ui::Point p) override;
  bool StylusUp(ui::Point p) override;
  bool StylusMove(ui::Point p) override;
  // The right key asks for Next, the left for Back; true when taken.
  bool KeyDown(const ui::KeyEvent& key);

  void Draw(draw::Surface& surface) override;
  void Describe(ui::WidgetList& out) const override;
  // The dump's "tutorial" value: {"active", "step", "steps", "text",
  // "allowed"}, or null while no tutorial runs.
  void WriteState(ui::JsonWriter& json) const;

  static constexpr std::u16string_view kContinueLine =
      u"[green]Press the next button to continue.[/]";
  static constexpr std::u16string_view kFinishText =
      u"You've finished this tutorial!\n\n[green]Tap the close button to exit.[/]";

 private:
  int ButtonAt(ui::Point p) const;
  bool Covers(ui::Point p) const;
  void Press(ButtonId id);
  void DrawBar(draw::Surface& surface, int bar_height);
  int MoveOffTarget(int bar_height, int height, int screen_height) const;
  void DrawInstructionArea(draw::Surface& surface, int top, int bottom);
  void DrawAllowedFrame(draw::Surface& surface) const;

  int position_x_ = 0;
  int position_y_ = 0;
  int step_ = 0;
  int step_count_ = 1;
  bool next_requested_ = false;
  bool back_requested_ = false;
  bool closed_ = false;
  bool close_anytime_ = true;
  int pressed_button_ = -1;
  ui::MarkupText instruction_;
  std::u16string step_label_;  // rebuilt only when the step or the count changes
  draw::Rect buttons_[kButtonCount];
  draw::Rect panel_;  // the whole panel as last drawn
};

}  // namespace zentrix::tutorials
