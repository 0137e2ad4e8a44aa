#include "tutorials/graph/graph_tutorial_runner.h"

#include <algorithm>

#include "ui/core/focus.h"
#include "ui/core/ui_state.h"
#include "ui/widgets/text_box.h"

namespace zentrix::tutorials {
namespace {

constexpr int kOverlayY = 100;

draw::Rect Union(const draw::Rect& a, const draw::Rect& b) {
  if (a.Empty()) return b;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

}  // namespace

GraphTutorialRunner::GraphTutorialRunner(TutorialOverlay& overlay, GraphTutorialHooks hooks)
    : overlay_(overlay), hooks_(std::move(hooks)) {}

bool GraphTutorialRunner::Start(const GraphTutorial& tutorial) {
  if (Running() || overlay_.Active() || tutorial.steps.empty()) return false;
  if (hooks_.stash) hooks_.stash();
  tutorial_ = &tutorial;
  step_ = 0;
  entered_ = -1;
  overlay_.Start();
  overlay_.SetStepCount(StepCount());
  return true;
}

void GraphTutorialRunner::End() {
  tutorial_ = nullptr;
  ui::Ui().tutorial.global_step = 0;
  if (hooks_.restore) hooks_.restore();
}

void GraphTutorialRunner::Abandon() {
  if (!Running()) return;
  overlay_.Stop();
  overlay_.TakeClosed();
  End();
}

void GraphTutorialRunner::Frame(int screen_width) {
  if (!Running()) return;
  if (overlay_.TakeClosed() || !overlay_.Active()) {
    End();
    return;
  }
  overlay_.SetStepCount(StepCount());
  overlay_.Position(0, kOverlayY);
  overlay_.LayOut(screen_width);
  const bool next = overlay_.NextRequested();
  const bool back = overlay_.BackRequested();
  if ((next || back) && overlay_.Step() != step_) {
    if (next && overlay_.Step() == step_ + 1) Done(Current());
    backwards_ = overlay_.Step() < step_;
    step_ = overlay_.Step();
  }
  const GraphProbe now = hooks_.probe ? hooks_.probe() : GraphProbe{};
  for (int guard = 0; guard < StepCount(); ++guard) {
    if (entered_ != step_) Enter(Current(), now);
    if (!Check(Current(), now)) break;
    Done(Current());
    step_ = std::min(step_ + 1, StepCount() - 1);
    overlay_.SetStep(step_);
    backwards_ = false;
  }
  ui::Ui().tutorial.global_step = step_;
}

void GraphTutorialRunner::Enter(const GraphStep& step, const GraphProbe& now) {
  entered_ = step_;
  at_entry_ = now;
  // Going forward, a condition that already holds is done at once; going
  // back, it must first stop holding.
  armed_ = !backwards_ || !(step.met && step.met(now, now));
  switch (step.kind) {
    case GraphStepKind::kExplain: overlay_.SetInstructionWithContinue(step.text); break;
    case GraphStepKind::kFinish: overlay_.Finish(); break;
    case GraphStepKind::kTap:
    case GraphStepKind::kType: overlay_.SetInstruction(std::u16string(step.text)); break;
  }
}

bool GraphTutorialRunner::Check(const GraphStep& step, const GraphProbe& now) {
  switch (step.kind) {
    case GraphStepKind::kExplain:
      overlay_.SetAllowed(overlay_.ButtonRect(TutorialOverlay::kNext));
      return false;
    case GraphStepKind::kFinish:
      overlay_.SetAllowed(overlay_.ButtonRect(TutorialOverlay::kClose));
      return false;
    case GraphStepKind::kType: {
      const ui::TextBox* box = ui::Focused();
      if (box && box->Text() == step.expected) return true;
      overlay_.SetAllowed(KeyboardTarget(step));
      return false;
    }
    case GraphStepKind::kTap: {
      const bool met = step.met && step.met(now, at_entry_);
      if (met && armed_) return true;
      if (!met) armed_ = true;
      overlay_.SetAllowed(WidgetTarget(step, now));
      return false;
    }
  }
  return false;
}

draw::Rect GraphTutorialRunner::WidgetTarget(const GraphStep& step, const GraphProbe& now) {
  if (step.widget_kind == kMaximumTarget) return now.maximum.value_or(draw::Rect{});
  widgets_.clear();
  if (hooks_.describe) hooks_.describe(widgets_);
  for (const ui::WidgetInfo& info : widgets_) {
    if (!step.widget_kind.empty() && info.kind != step.widget_kind) continue;
    if (info.text == step.widget) return info.rect;
  }
  return {};
}

draw::Rect GraphTutorialRunner::KeyboardTarget(const GraphStep& step) {
  widgets_.clear();
  if (hooks_.describe) hooks_.describe(widgets_);
  const ui::TextBox* box = ui::Focused();
  const std::u16string_view text = box ? std::u16string_view(box->Text()) : u"";
  // The next missing character, or backspace for a text gone astray.
  std::u16string_view wanted = u"backspace";
  if (step.expected.starts_with(text) && text.size() < step.expected.size()) {
    wanted = step.expected.substr(text.size(), 1);
  }
  draw::Rect keyboard;
  draw::Rect keyboard_icon;
  draw::Rect shift;
  for (const ui::WidgetInfo& info : widgets_) {
    if (info.kind == "menu" && info.text == u"keyboard") keyboard_icon = info.rect;
    if (info.kind != "key") continue;
    if (info.text == wanted) return info.rect;
    if (info.text == u"shift") shift = info.rect;
    keyboard = Union(keyboard, info.rect);
  }
  // No keyboard shown: the element that shows it. A character not on the
  // keys shown is behind Shift (or, failing that, somewhere on the keyboard).
  if (keyboard.Empty()) return keyboard_icon;
  return shift.Empty() ? keyboard : shift;
}

void GraphTutorialRunner::Done(const GraphStep& step) {
  if (step.kind != GraphStepKind::kType) return;
  ui::TextBox* box = ui::Focused();
  if (box && box->Text() != step.expected) {
    box->SetText(std::u16string(step.expected));
    box->CaretToEnd();
  }
  if (hooks_.hide_keyboard) hooks_.hide_keyboard();
}

}  // namespace zentrix::tutorials
