#include "graphing/screens/form/settings_form.h"

#include <algorithm>

#include "graphing/screens/panel_layout.h"
#include "ui/skin/skin_geometry.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {
namespace {

constexpr int kChoiceWidth = 110;  // Small-skin pixels
constexpr int kSideGap = 8;
constexpr int kLabelGap = 8;  // a colour selector's swatch to its label

}  // namespace

SettingsForm::SettingsForm() {
  scroll_.SetKind("scroll bar");
  scroll_.SetOnChange([this](int position) { first_row_ = position; });
}

SettingsForm::Entry& SettingsForm::Add(std::unique_ptr<ui::Widget> widget, Binding binding) {
  if (!same_row_ || entries_.empty()) ++rows_;
  same_row_ = false;
  Entry& e = entries_.emplace_back();
  e.widget = std::move(widget);
  e.binding = binding;
  e.row = rows_ - 1;
  return e;
}

ui::TextBox& SettingsForm::AddField(std::u16string prefix, std::u16string* text) {
  auto box = std::make_unique<ui::TextBox>();
  SetUpFieldBox(*box, std::move(prefix));
  StyleFieldBox(*box);
  ui::TextBox& ref = *box;
  Entry& e = Add(std::move(box), Binding::kText);
  e.text = text;
  ref.SetText(*text);
  e.seen = ref.Revision();
  return ref;
}

ui::CheckBox& SettingsForm::AddCheck(std::u16string label, std::function<bool()> get,
                                     std::function<void(bool)> set) {
  auto box = std::make_unique<ui::CheckBox>(0, 0, std::move(label), get());
  ui::CheckBox& ref = *box;
  Entry& e = Add(std::move(box), Binding::kCheck);
  e.get_check = std::move(get);
  e.set_check = std::move(set);
  ref.SetOnChange([this, &e](bool on) {
    e.set_check(on);
    Changed();
  });
  return ref;
}

ui::CheckBox& SettingsForm::AddCheck(std::u16string label, bool* value) {
  return AddCheck(
      std::move(label), [value] { return *value; }, [value](bool on) { *value = on; });
}

ui::ColorSelector& SettingsForm::AddColour(std::u16string label, Colour* value) {
  auto selector = std::make_unique<ui::ColorSelector>(0, 0, std::move(label));
  ui::ColorSelector& ref = *selector;
  ref.SetValue(*value);
  Entry& e = Add(std::move(selector), Binding::kColour);
  e.colour = value;
  ref.SetOnChange([this, value](draw::Color c) {
    *value = c;
    Changed();
  });
  return ref;
}

ui::DropDownBox& SettingsForm::AddChoice(std::u16string label, std::vector<std::u16string> items,
                                         std::function<int()> get, std::function<void(int)> set) {
  auto box = std::make_unique<ui::DropDownBox>(0, 0, ui::Px(kChoiceWidth), std::move(items));
  ui::DropDownBox& ref = *box;
  ref.Select(get());
  Entry& e = Add(std::move(box), Binding::kChoice);
  e.caption = std::make_unique<ui::Label>(0, 0, std::move(label));
  e.caption->SetAcceptsInput(false);
  e.get_choice = std::move(get);
  e.set_choice = std::move(set);
  ref.SetOnChange([this, &e](int index) {
    e.set_choice(index);
    Changed();
  });
  return ref;
}

ui::Button& SettingsForm::AddButton(std::u16string caption, std::function<void()> action) {
  auto button = std::make_unique<ui::Button>(0, 0, ui::Px(ui::kButtonWidth), ButtonHeight(),
                                             std::move(caption));
  ui::Button& ref = *button;
  ref.SetAction(std::move(action));
  Add(std::move(button), Binding::kNone);
  return ref;
}

ui::Label& SettingsForm::AddLabel(std::u16string text) {
  auto label = std::make_unique<ui::Label>(0, 0, std::move(text));
  label->SetAcceptsInput(false);
  ui::Label& ref = *label;
  Add(std::move(label), Binding::kNone);
  return ref;
}

void SettingsForm::Clear() {
  ClosePopups();
  entries_.clear();
  rows_ = 0;
  first_row_ = 0;
  same_row_ = false;
}

void SettingsForm::Changed() {
  if (on_change_) on_change_();
}

template <class F>
void SettingsForm::ForEach(F&& f) const {
  for (const Entry& e : entries_) f(const_cast<Entry&>(e));
}

void SettingsForm::Layout(const draw::Rect& area) {
  const int margin = PanelMargin();
  const int gap = PanelGap();
  ui::TextRenderer* font = ui::CurrentFont();
  const int line = font ? font->LineHeight() : ui::Px(12);
  first_row_ = std::clamp(first_row_, 0, std::max(rows_ - 1, 0));

  // Twice at most: a second time narrower when the rows need the scroll bar.
  for (int pass = 0; pass < 2; ++pass) {
    const bool with_bar = pass == 1;
    const int right = area.right - margin - (with_bar ? ui::Px(ui::kScrollBarThickness) : 0);
    int y = area.top + margin;
    int shown_rows = 0;
    bool overflow = false;
    std::size_t i = 0;
    for (int row = 0; row < rows_; ++row) {
      const std::size_t begin = i;
      while (i < entries_.size() && entries_[i].row == row) ++i;
      if (row < first_row_) {
        for (std::size_t k = begin; k < i; ++k) entries_[k].widget->SetVisible(false);
        continue;
      }
      // Place the row's controls left to right; text boxes share what is left.
      int x = area.left + margin;
      int height = 0;
      for (std::size_t k = begin; k < i; ++k) {
        Entry& e = entries_[k];
        ui::Widget& w = *e.widget;
        if (e.caption) {
          e.caption->SetPosition(x, y + (ui::Px(ui::kDropDownHeight) - line) / 2);
          x += (font ? font->TextWidth(e.caption->Text()) : 0) + gap * 2;
        }
        if (e.binding == Binding::kText) {
          // Boxes share the room that the row's later labels leave.
          int boxes = 0;
          int reserved = 0;
          for (std::size_t m = k; m < i; ++m) {
            boxes += entries_[m].binding == Binding::kText;
            if (auto* after = dynamic_cast<ui::Label*>(entries_[m].widget.get()); after && font) {
              reserved += font->TextWidth(after->Text()) + ui::Px(kSideGap);
            }
          }
          auto& box = static_cast<ui::TextBox&>(w);
          box.SetPosition(x, y);
          box.SetSize(std::max((right - reserved - x - gap * (boxes - 1)) / boxes, ui::Px(20)),
                      box.Height());
          box.Layout();
        } else if (e.binding == Binding::kChoice) {
          w.SetBounds(x, y, std::max(std::min(ui::Px(kChoiceWidth), right - x), ui::Px(40)),
                      ui::Px(ui::kDropDownHeight));
        } else if (auto* label = dynamic_cast<ui::Label*>(&w)) {
          const int lines =
              font ? std::max(font->LayOut(label->Text(), draw::Rect{x, 0, right, 1 << 20}, false),
                              1)
                   : 1;
          w.SetBounds(x, y, right - x, lines * line);
        } else if (e.binding == Binding::kColour) {
          // A selector learns its label's width when drawn; the row needs it
          // now, or the next control lands on the label in the first frame.
          const int swatch = ui::Px(ui::kColorSwatchSize);
          const int label = font ? font->TextWidth(w.Text()) : 0;
          w.SetBounds(x, y, swatch + kLabelGap + label + 1, swatch + 1);
        } else {
          w.SetPosition(x, y);
        }
        height = std::max({height, w.Height(), line});
        x += w.Width() + ui::Px(kSideGap);
      }
      const bool fits = y + height <= area.bottom - margin / 2;
      if (!fits) overflow = true;
      for (std::size_t k = begin; k < i; ++k) {
        entries_[k].widget->SetVisible(fits && !overflow);
      }
      if (fits && !overflow) {
        ++shown_rows;
        bottom_ = y + height;
      }
      y += height + gap;
    }
    if (!overflow && first_row_ == 0) {
      scroll_.SetVisible(false);
      return;
    }
    if (with_bar || pass == 0) {
      scroll_.SetVisible(true);
      scroll_.SetRange(std::max(rows_ - shown_rows + 1, 1));
      scroll_.SetPageSize(std::max(shown_rows, 1));
      scroll_.SetPosition(first_row_);
      scroll_.Widget::SetPosition(area.right - ui::Px(ui::kScrollBarThickness), area.top);
      scroll_.SetLength(area.Height());
    }
  }
}

void SettingsForm::Draw(draw::Surface& surface) {
  ForEach([&](Entry& e) {
    if (!e.widget->Visible()) return;
    if (e.caption) e.caption->Draw(surface);
    e.widget->Draw(surface);
  });
  if (scroll_.Visible()) scroll_.Draw(surface);
  ForEach([&](Entry& e) {
    if (e.binding == Binding::kChoice) static_cast<ui::DropDownBox&>(*e.widget).DrawList(surface);
    if (e.binding == Binding::kColour) {
      auto& selector = static_cast<ui::ColorSelector&>(*e.widget);
      if (selector.IsOpen()) selector.DrawPalette(surface);
    }
  });
}

bool SettingsForm::PopupOpen() const {
  for (const Entry& e : entries_) {
    if (e.binding == Binding::kChoice && static_cast<ui::DropDownBox&>(*e.widget).IsOpen())
      return true;
    if (e.binding == Binding::kColour && static_cast<ui::ColorSelector&>(*e.widget).IsOpen())
      return true;
  }
  return false;
}

void SettingsForm::ClosePopups() {
  ForEach([](Entry& e) {
    if (e.binding == Binding::kChoice) static_cast<ui::DropDownBox&>(*e.widget).Close();
    if (e.binding == Binding::kColour) static_cast<ui::ColorSelector&>(*e.widget).Close();
  });
}

bool SettingsForm::StylusDown(ui::Point p) {
  // An open popup takes the tap wherever it lands.
  for (Entry& e : entries_) {
    const bool open =
        (e.binding == Binding::kChoice && static_cast<ui::DropDownBox&>(*e.widget).IsOpen()) ||
        (e.binding == Binding::kColour && static_cast<ui::ColorSelector&>(*e.widget).IsOpen());
    if (open) return e.widget->StylusDown(p);
  }
  if (scroll_.Visible() && scroll_.StylusDown(p)) return true;
  for (Entry& e : entries_) {
    if (e.widget->Visible() && e.widget->StylusDown(p)) return true;
  }
  return false;
}

bool SettingsForm::StylusMove(ui::Point p) {
  if (scroll_.Pressed()) return scroll_.StylusMove(p);
  for (Entry& e : entries_) {
    if (e.widget->Pressed() && e.widget->StylusMove(p)) return true;
  }
  return false;
}

bool SettingsForm::StylusUp(ui::Point p) {
  bool taken = scroll_.StylusUp(p);
  // Entries may be rebuilt by what a release starts: walk by index.
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].widget->StylusUp(p)) taken = true;
  }
  return taken;
}

bool SettingsForm::Wheel(ui::Point, int steps) {
  if (!scroll_.Visible()) return false;
  first_row_ = std::clamp(first_row_ - steps, 0, std::max(scroll_.Count() - 1, 0));
  return true;
}

void SettingsForm::DescribeWidgets(ui::WidgetList& out) const {
  for (const Entry& e : entries_) {
    if (!e.widget->Visible()) continue;
    if (e.caption) e.caption->Describe(out);
    e.widget->Describe(out);
  }
  if (scroll_.Visible()) scroll_.Describe(out);
}

bool SettingsForm::Sync() {
  bool changed = false;
  for (Entry& e : entries_) {
    if (e.binding != Binding::kText) continue;
    const auto& box = static_cast<const ui::TextBox&>(*e.widget);
    if (box.Revision() == e.seen) continue;
    e.seen = box.Revision();
    if (*e.text != box.Text()) {
      *e.text = box.Text();
      changed = true;
    }
  }
  if (changed) Changed();
  return changed;
}

void SettingsForm::Refresh() {
  for (Entry& e : entries_) {
    switch (e.binding) {
      case Binding::kText: {
        auto& box = static_cast<ui::TextBox&>(*e.widget);
        if (box.Text() != *e.text) box.SetText(*e.text);
        e.seen = box.Revision();
        break;
      }
      case Binding::kCheck: static_cast<ui::CheckBox&>(*e.widget).SetChecked(e.get_check()); break;
      case Binding::kColour: static_cast<ui::ColorSelector&>(*e.widget).SetValue(*e.colour); break;
      case Binding::kChoice: static_cast<ui::DropDownBox&>(*e.widget).Select(e.get_choice()); break;
      case Binding::kNone: break;
    }
  }
}

}  // namespace zentrix::graphing::screens
