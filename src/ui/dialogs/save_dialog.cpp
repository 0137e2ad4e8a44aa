#include "ui/dialogs/save_dialog.h"

#include "ui/core/focus.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {
namespace {

constexpr std::int32_t kLightNameBox = 0xC8C8C8;
constexpr std::int32_t kDarkNameBox = 0x505050;

}  // namespace

SaveDialog::SaveDialog() {
  visible_ = false;
  layer_ = WidgetLayer::kDialog;
  for (Widget* w : std::initializer_list<Widget*>{&name_, &save_, &cancel_}) {
    w->SetLayer(WidgetLayer::kDialog);
  }
  save_.SetAction([this] { PressSave(); });
  cancel_.SetAction([this] { PressCancel(); });
}

const std::u16string& SaveDialog::RefusalMessage() {
  static const std::u16string kText = u"A file name cannot have [white]\\ / : * ? \" < > |[/]";
  return kText;
}

const std::u16string& SaveDialog::ReplaceQuestion() {
  static const std::u16string kText = u"This file already exists.\nDo you want to replace it?";
  return kText;
}

bool SaveDialog::NameAllowed(std::u16string_view name) {
  return !name.empty() && name.find_first_of(u"/:*?<>|\\\"") == std::u16string_view::npos;
}

void SaveDialog::Show(const draw::Rect& area) {
  SetBounds(area.left, area.top, area.Width(), area.Height());
  previous_focus_ = Focused();
  name_.SetReadOnly(false);
  name_.SetText({});
  message_.clear();
  RestoreButtons();
  visible_ = true;
  Ui().modal_open = true;
  LayOut();
  Focus(&name_);
}

void SaveDialog::Close() {
  if (visible_) Ui().modal_open = false;
  visible_ = false;
  if (Focused() == &name_) Focus(previous_focus_);
  previous_focus_ = nullptr;
}

void SaveDialog::Accept() {
  RestoreButtons();
  message_.clear();
  if (on_accept_ && !on_accept_(name_.Text())) return;  // the owner's message stays
  Close();
}

void SaveDialog::RestoreButtons() {
  asking_ = false;
  save_.SetText(u"Save");
  cancel_.SetText(u"Cancel");
}

void SaveDialog::PressSave() {
  if (asking_) {  // "Yes"
    Accept();
    return;
  }
  if (!NameAllowed(name_.Text())) {
    message_ = name_.Text().empty() ? std::u16string() : RefusalMessage();
    return;
  }
  if (exists_ && exists_(name_.Text())) {
    message_ = ReplaceQuestion();
    asking_ = true;
    save_.SetText(u"Yes");
    cancel_.SetText(u"No");
    return;
  }
  Accept();
}

void SaveDialog::PressCancel() {
  if (asking_) {  // "No"
    RestoreButtons();
    message_.clear();
    return;
  }
  Close();
  if (on_cancel_) on_cancel_();
}

void SaveDialog::LayOut() {
  // The name box is light under black text and takes the dark grey of the
  // notebook's entries under white text, where light grey would be unreadable.
  const TextRenderer* font = CurrentFont();
  name_.SetBackground(font && !font->NativeIsBlack() ? kDarkNameBox : kLightNameBox);
  const int margin = Px(8);
  name_.SetBounds(x_ + margin, y_ + margin, width_ - 2 * margin, 0);
  name_.Layout();
  const int button_width = Px(kButtonWidth);
  const int button_height = Px(kButtonHeight);
  const int by = name_.Y() + std::max(name_.Height(), Px(12)) + margin;
  save_.SetBounds(x_ + margin, by, button_width, button_height);
  cancel_.SetBounds(x_ + margin + button_width + margin, by, button_width, button_height);
}

bool SaveDialog::StylusDown(Point p) {
  if (!visible_) return false;
  if (save_.StylusDown(p) || cancel_.StylusDown(p) || name_.StylusDown(p)) return true;
  return InputAllowed(p);  // modal: other taps end here
}

bool SaveDialog::StylusMove(Point) { return visible_; }

bool SaveDialog::StylusUp(Point p) {
  if (!visible_) return false;
  if (save_.StylusUp(p) || cancel_.StylusUp(p) || name_.StylusUp(p)) return true;
  return true;
}

void SaveDialog::Draw(draw::Surface& surface) {
  if (!visible_) return;
  LayOut();
  const Skin* skin = CurrentSkin();
  const draw::Rect box = Bounds();
  surface.FillRect(&box, skin ? skin->Palette().background : 0);
  name_.Draw(surface);
  save_.Draw(surface);
  cancel_.Draw(surface);
  if (TextRenderer* font = CurrentFont(); font && !message_.empty()) {
    font->SetTarget(&surface);
    font->DrawMarkupIn(message_, MessageRect(), false);
    font->SetTarget(nullptr);
  }
}

draw::Rect SaveDialog::MessageRect() const {
  const int margin = Px(8);
  return draw::Rect{x_ + margin, save_.Y() + save_.Height() + margin, x_ + width_ - margin,
                    y_ + height_};
}

void SaveDialog::Describe(WidgetList& out) const {
  if (!visible_) return;
  name_.Describe(out);
  save_.Describe(out);
  cancel_.Describe(out);
  // The message (a refusal, the replace question, a failed save) as a label.
  if (!message_.empty()) out.push_back({"label", message_, MessageRect(), true, {}, {}});
}

}  // namespace zentrix::ui
