#include "ui/widgets/message_box.h"

#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {
namespace {

// The fill is dark in both styles: the Bright style writes on it with its
// white font.
TextRenderer* TextFont() { return Ui().white_font ? Ui().white_font : CurrentFont(); }

}  // namespace

MessageBox::MessageBox() {
  visible_ = false;
  layer_ = WidgetLayer::kMessageBox;
  yes_.SetLayer(WidgetLayer::kMessageBox);
  no_.SetLayer(WidgetLayer::kMessageBox);
  yes_.SetAction([this] { Answer(true); });
  no_.SetAction([this] { Answer(false); });
}

void MessageBox::Show(std::u16string text, Buttons buttons, std::function<void(bool)> on_result) {
  text_ = std::move(text);
  buttons_ = buttons;
  yes_.SetText(buttons == Buttons::kOk ? u"OK" : u"Yes");
  no_.SetText(u"No");
  no_.SetVisible(buttons == Buttons::kYesNo);
  on_result_ = std::move(on_result);
  result_.reset();
  visible_ = true;
  Ui().message_box_open = true;
  LayOut(Ui().high_resolution ? 480 : 240, Ui().high_resolution ? 640 : 320);
}

void MessageBox::Hide() {
  if (visible_) Ui().message_box_open = false;
  visible_ = false;
  yes_.SetPressed(false);
  no_.SetPressed(false);
}

void MessageBox::Answer(bool result) {
  Hide();
  result_ = result;
  if (on_result_) {
    auto callback = std::move(on_result_);
    on_result_ = nullptr;
    callback(result);
  }
}

std::optional<bool> MessageBox::TakeResult() {
  std::optional<bool> r = result_;
  result_.reset();
  return r;
}

void MessageBox::LayOut(int screen_width, int screen_height) {
  TextRenderer* font = TextFont();
  const int margin = Px(8);
  width_ = screen_width - 2 * Px(16);
  const int line = font ? font->LineHeight() : Px(12);
  int lines = 1;
  if (font) {
    lines = font->LayOut(text_, draw::Rect{0, 0, width_ - 2 * margin, 1 << 20}, false);
  }
  const int button_height = Px(kButtonHeight);
  height_ = margin + lines * line + margin + button_height + margin;
  x_ = (screen_width - width_) / 2;
  y_ = std::max((screen_height - height_) / 2, 0);
  const int button_width = Px(kButtonWidth);
  const int by = y_ + height_ - margin - button_height;
  if (buttons_ == Buttons::kOk) {
    yes_.SetBounds(x_ + (width_ - button_width) / 2, by, button_width, button_height);
  } else {
    const int gap = Px(8);
    const int left = x_ + (width_ - 2 * button_width - gap) / 2;
    yes_.SetBounds(left, by, button_width, button_height);
    no_.SetBounds(left + button_width + gap, by, button_width, button_height);
  }
}

bool MessageBox::StylusDown(Point p) {
  if (!visible_) return false;
  if (yes_.StylusDown(p)) return true;
  if (no_.Visible() && no_.StylusDown(p)) return true;
  // Modal: every other tap ends here, unless a tutorial step keeps it out.
  const UiState& ui = Ui();
  return !(ui.tutorial.active && !ui.tutorial.allowed.Contains(p.x, p.y));
}

bool MessageBox::StylusUp(Point p) {
  if (!visible_) return false;
  if (yes_.StylusUp(p)) return true;
  if (no_.Visible() && no_.StylusUp(p)) return true;
  return visible_;
}

void MessageBox::Draw(draw::Surface& surface) {
  if (!visible_) return;
  LayOut(surface.Width(), surface.Height());
  const Skin* skin = CurrentSkin();
  const draw::Color fill = skin ? skin->Palette().message_box_fill : 0x007FFF;
  const draw::Color frame = skin ? skin->Palette().message_box_frame : 0;
  const draw::Rect box = Bounds();
  surface.FillRect(&box, fill);
  DrawFrameRect(surface, box, frame);
  if (TextRenderer* font = TextFont()) {
    const int margin = Px(8);
    font->SetTarget(&surface);
    font->DrawMarkupIn(
        text_, draw::Rect{x_ + margin, y_ + margin, x_ + width_ - margin, y_ + height_ - margin},
        false);
    font->SetTarget(nullptr);
  }
  yes_.Draw(surface);
  no_.Draw(surface);
}

void MessageBox::Describe(WidgetList& out) const {
  if (!visible_) return;
  out.push_back(BasicInfo());
  yes_.Describe(out);
  no_.Describe(out);
}

void MessageBox::WriteState(JsonWriter& json) const {
  if (!visible_) {
    json.Null();
    return;
  }
  json.BeginObject();
  json.Key("text").Text(text_);
  json.Key("buttons").BeginArray();
  json.Text(yes_.Text());
  if (buttons_ == Buttons::kYesNo) json.Text(no_.Text());
  json.EndArray();
  json.EndObject();
}

}  // namespace zentrix::ui
