#pragma once
// SaveDialog: the modal "Save As..." dialog. A name box that takes the focus,
// the buttons "Save" and "Cancel", and a message line. A name holding any of
// / : * ? < > | \ or a double quote is refused with a message and the dialog
// stays open; an empty name is refused too (it names no file). When the
// owner says the file exists, the dialog asks "This file already exists." /
// "Do you want to replace it?" with "Yes" and "No"; No restores "Save" and
// "Cancel" and clears the message. The owner's accept hook saves: when it
// reports a failure the dialog stays open with the owner's one-line message,
// so the person can try another name; otherwise accepting (like cancelling)
// closes it and gives the focus back to the box that had it before.

#include <functional>

#include "ui/core/widget.h"
#include "ui/widgets/button.h"
#include "ui/widgets/text_box.h"

namespace zentrix::ui {

class SaveDialog : public Widget {
 public:
  SaveDialog();
  std::string_view Kind() const override { return "save dialog"; }

  // Opens over the rectangle with an empty name box.
  void Show(const draw::Rect& area);
  bool Shown() const { return visible_; }
  // Asked whether a name's file exists already.
  void SetExists(std::function<bool(const std::u16string&)> f) { exists_ = std::move(f); }
  // True when the name was taken (the dialog closes); false keeps it open.
  void SetOnAccept(std::function<bool(const std::u16string&)> f) { on_accept_ = std::move(f); }
  void SetOnCancel(std::function<void()> f) { on_cancel_ = std::move(f); }

  TextBox& NameBox() { return name_; }
  const std::u16string& Message() const { return message_; }
  // A message under the buttons (a failed save says why here).
  void SetMessage(std::u16string text) { message_ = std::move(text); }
  bool AskingToReplace() const { return asking_; }
  // The buttons, as a person taps them.
  void PressSave();
  void PressCancel();

  static bool NameAllowed(std::u16string_view name);
  static const std::u16string& RefusalMessage();
  static const std::u16string& ReplaceQuestion();

  bool StylusDown(Point p) override;
  bool StylusMove(Point p) override;
  bool StylusUp(Point p) override;
  void Draw(draw::Surface& surface) override;
  void Describe(WidgetList& out) const override;

 private:
  void LayOut();
  void Accept();
  void Close();
  void RestoreButtons();

  TextBox name_;
  Button save_;
  Button cancel_;
  std::u16string message_;
  bool asking_ = false;
  TextBox* previous_focus_ = nullptr;
  std::function<bool(const std::u16string&)> exists_;
  std::function<bool(const std::u16string&)> on_accept_;
  std::function<void()> on_cancel_;
};

}  // namespace zentrix::ui
