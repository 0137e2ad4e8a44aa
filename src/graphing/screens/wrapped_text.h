#pragma once
// WrappedText: mark-up text word-wrapped inside the widget's own rectangle
// (a label wraps at the screen's right edge, which runs past a panel that
// does not reach it). It takes no taps.

#include "ui/core/widget.h"

namespace zentrix::graphing::screens {

class WrappedText : public ui::Widget {
 public:
  explicit WrappedText(std::u16string text) : Widget(0, 0, 0, 0, std::move(text)) {
    SetAcceptsInput(false);
  }

  std::string_view Kind() const override { return "label"; }
  void Draw(draw::Surface& surface) override;

  // The lines the text takes at `width` pixels with the current font.
  int LinesAt(int width) const;
};

}  // namespace zentrix::graphing::screens
