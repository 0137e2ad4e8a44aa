#pragma once
// MessageBox: a text with the buttons "Yes" and "No" (or one "OK"), centred
// over the screen. While shown it is modal: the UI state's message-box flag is
// set, other widgets refuse input, and the box takes every tap. A tap on a
// button hides it and sets the result (true for Yes or OK); the owner reads it
// on its next stylus-up with TakeResult (or is told through the callback).

#include <functional>
#include <optional>

#include "ui/core/json_writer.h"
#include "ui/core/widget.h"
#include "ui/widgets/button.h"

namespace zentrix::ui {

class MessageBox : public Widget {
 public:
  enum class Buttons { kYesNo, kOk };

  MessageBox();
  std::string_view Kind() const override { return "message box"; }

  void Show(std::u16string text, Buttons buttons, std::function<void(bool)> on_result = {});
  void Hide();
  bool Shown() const { return visible_; }
  // The result of the last answer, once; nothing while unanswered.
  std::optional<bool> TakeResult();

  bool StylusDown(Point p) override;
  bool StylusUp(Point p) override;
  void Draw(draw::Surface& surface) override;
  void Describe(WidgetList& out) const override;
  // The dump's "message_box" value: {"text", "buttons"} or null.
  void WriteState(JsonWriter& json) const;

 private:
  void Answer(bool result);
  void LayOut(int screen_width, int screen_height);

  Buttons buttons_ = Buttons::kOk;
  Button yes_;
  Button no_;
  std::optional<bool> result_;
  std::function<void(bool)> on_result_;
};

}  // namespace zentrix::ui
