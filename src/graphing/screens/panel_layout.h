#pragma once
// Layout helpers shared by the settings panels: field boxes with their prefix
// labels, and a flow that stacks widgets down one or two columns.

#include <string>

#include "draw/rect.h"
#include "ui/core/widget.h"
#include "ui/widgets/text_box.h"

namespace zentrix::graphing::screens {

// A one-line field: the prefix label ("Xmin=") drawn before the text, padded.
void SetUpFieldBox(ui::TextBox& box, std::u16string prefix);

// Gives the box the field background of the skin in use: dark under the
// Classic style's white text, light grey under the Bright style's black text.
// A greyed field (one whose value is not used) has grey text; where the font
// draws only black, its background fades instead.
void StyleFieldBox(ui::TextBox& box, bool greyed = false);

// The gap between stacked widgets and the panel's margin, in screen pixels.
int PanelGap();
int PanelMargin();
// The height of a push button on the current screen.
int ButtonHeight();

// Stacks widgets down a column from a starting point.
class ColumnFlow {
 public:
  ColumnFlow(int left, int top, int width) : left_(left), y_(top), width_(width) {}

  // A text box across the column's width (its height follows its text).
  void PlaceBox(ui::TextBox& box);
  // A widget of its own size at the column's left edge, indented by `indent`.
  void PlaceAt(ui::Widget& widget, int indent = 0);
  // Skips `pixels` down.
  void Skip(int pixels) { y_ += pixels; }

  int Left() const { return left_; }
  int Y() const { return y_; }
  int Width() const { return width_; }

 private:
  int left_;
  int y_;
  int width_;
};

// Lays `count` buttons of equal width in rows across `width` from (left, top),
// as many per row as fit at `min_width`; returns the bottom of the last row.
int PlaceButtonRows(ui::Widget* const* buttons, int count, int left, int top, int width,
                    int min_width);

}  // namespace zentrix::graphing::screens
