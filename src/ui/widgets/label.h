#pragma once
// Label: mark-up text at (x, y) in the label's colour; optionally centred on
// the screen width, shortened with "..." to a maximum width, or underlined.
// Its size follows its text when drawn. A label only shows: it takes no taps,
// so a tap on it reaches the control it describes or whatever lies below.

#include "ui/core/widget.h"

namespace zentrix::ui {

class Label : public Widget {
 public:
  Label() { accepts_input_ = false; }
  Label(int x, int y, std::u16string text) : Widget(x, y, 0, 0, std::move(text)) {
    accepts_input_ = false;
  }

  std::string_view Kind() const override { return "label"; }
  void Draw(draw::Surface& surface) override;

  void SetCentred(bool on) { centred_ = on; }
  // 0: no limit; otherwise one plain line shortened with "..." to fit.
  void SetMaxWidth(int width) { max_width_ = width; }
  void SetUnderlined(bool on) { underlined_ = on; }

 private:
  bool centred_ = false;
  int max_width_ = 0;
  bool underlined_ = false;
};

}  // namespace zentrix::ui
