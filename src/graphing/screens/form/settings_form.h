#pragma once
// SettingsForm: a scrolling column of controls bound to model values, as the
// graph editors and the display tabs use it. Each row holds one control or a
// few side by side (a check box and its colour). Field boxes copy their text
// into the bound string whenever it is typed into (Sync); check boxes, colour
// selectors and choices write through at once. Refresh reads the model back.
//
// An open palette or choice list lies over everything: it takes the stylus
// first and is drawn last. When the rows do not fit, the form scrolls by rows
// (wheel or the scroll bar at its right edge); a row that does not fit whole
// is not shown.

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "draw/rect.h"
#include "draw/surface.h"
#include "graphing/model/colours.h"
#include "ui/core/point.h"
#include "ui/core/widget_info.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check_box.h"
#include "ui/widgets/color_selector.h"
#include "ui/widgets/drop_down_box.h"
#include "ui/widgets/label.h"
#include "ui/widgets/slider.h"
#include "ui/widgets/text_box.h"

namespace zentrix::graphing::screens {

class SettingsForm {
 public:
  SettingsForm();

  // Building: each call starts a new row unless SameRow() came before it.
  ui::TextBox& AddField(std::u16string prefix, std::u16string* text);
  ui::CheckBox& AddCheck(std::u16string label, std::function<bool()> get,
                         std::function<void(bool)> set);
  ui::CheckBox& AddCheck(std::u16string label, bool* value);
  ui::ColorSelector& AddColour(std::u16string label, Colour* value);
  // A labelled drop-down box; `get` and `set` exchange the chosen index.
  ui::DropDownBox& AddChoice(std::u16string label, std::vector<std::u16string> items,
                             std::function<int()> get, std::function<void(int)> set);
  ui::Button& AddButton(std::u16string caption, std::function<void()> action);
  ui::Label& AddLabel(std::u16string text);
  // The next control goes beside the previous one.
  void SameRow() { same_row_ = true; }
  // Drops every control (the form is built again for another model).
  void Clear();

  // Hears every change made through the form (typed texts on Sync included).
  void SetOnChange(std::function<void()> on_change) { on_change_ = std::move(on_change); }

  void Layout(const draw::Rect& area);
  void Draw(draw::Surface& surface);
  bool StylusDown(ui::Point p);
  bool StylusMove(ui::Point p);
  bool StylusUp(ui::Point p);
  bool Wheel(ui::Point p, int steps);
  void DescribeWidgets(ui::WidgetList& out) const;

  // Copies typed texts into their strings; true when one changed.
  bool Sync();
  // Rewrites every control from the model.
  void Refresh();
  // A palette or choice list is open.
  bool PopupOpen() const;
  // Closes an open palette or list.
  void ClosePopups();
  // The bottom of the last row laid out.
  int Bottom() const { return bottom_; }

 private:
  enum class Binding { kNone, kText, kCheck, kColour, kChoice };
  struct Entry {
    std::unique_ptr<ui::Widget> widget;
    std::unique_ptr<ui::Label> caption;  // a choice's label
    Binding binding = Binding::kNone;
    int row = 0;
    std::u16string* text = nullptr;
    std::uint64_t seen = 0;
    Colour* colour = nullptr;
    std::function<bool()> get_check;
    std::function<void(bool)> set_check;
    std::function<int()> get_choice;
    std::function<void(int)> set_choice;
  };

  Entry& Add(std::unique_ptr<ui::Widget> widget, Binding binding);
  void Changed();
  template <class F>
  void ForEach(F&& f) const;

  std::deque<Entry> entries_;  // stable addresses: callbacks hold their entry
  int rows_ = 0;
  bool same_row_ = false;
  int first_row_ = 0;
  int bottom_ = 0;
  ui::Slider scroll_{0, 0, 0, ui::Slider::Orientation::kVertical};
  std::function<void()> on_change_;
};

}  // namespace zentrix::graphing::screens
