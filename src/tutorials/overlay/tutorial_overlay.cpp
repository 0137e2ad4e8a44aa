#include "tutorials/overlay/tutorial_overlay.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::tutorials {
namespace {

constexpr draw::Color kStepColor = 0xC8C8C8;
constexpr draw::Color kStepBackground = 0x000000;
constexpr draw::Color kFrameRed = 0x0000FF;
constexpr ui::Icon kButtonIcons[] = {ui::Icon::kBack, ui::Icon::kNext, ui::Icon::kClose};
constexpr std::u16string_view kButtonNames[] = {u"back", u"next", u"close"};

int IconSize() {
  const ui::Skin* skin = ui::CurrentSkin();
  if (skin && skin->Image(ui::SkinImageId::kImageList)) {
    return skin->FrameHeight(ui::SkinImageId::kImageList);
  }
  return ui::Px(ui::kIconSize);
}

// The bar's fill is dark in both styles, so the step counter is written with
// the white font, which takes the light grey.
ui::TextRenderer* BarFont() {
  return ui::Ui().white_font ? ui::Ui().white_font : ui::Ui().normal_font;
}

void AppendNumber(std::u16string& out, int value) {
  char digits[12];
  const int n = std::snprintf(digits, sizeof digits, "%d", value);
  for (int i = 0; i < n; ++i) out += static_cast<char16_t>(digits[i]);
}

}  // namespace

TutorialOverlay::TutorialOverlay() { visible_ = false; }

void TutorialOverlay::Start() {
  visible_ = true;
  ui::TutorialRestriction& restriction = ui::Ui().tutorial;
  restriction.active = true;
  restriction.allowed = {};
  restriction.global_step = 0;
  step_ = 0;
  next_requested_ = back_requested_ = closed_ = false;
  pressed_button_ = -1;
  instruction_.clear();
}

void TutorialOverlay::Stop() {
  visible_ = false;
  ui::TutorialRestriction& restriction = ui::Ui().tutorial;
  restriction.active = false;
  restriction.allowed = {};
  pressed_button_ = -1;
  closed_ = true;
}

bool TutorialOverlay::TakeClosed() { return std::exchange(closed_, false); }

void TutorialOverlay::SetStep(int step) { step_ = std::clamp(step, 0, step_count_ - 1); }

void TutorialOverlay::SetStepCount(int count) {
  step_count_ = std::max(count, 1);
  step_ = std::min(step_, step_count_ - 1);
}

bool TutorialOverlay::NextRequested() { return std::exchange(next_requested_, false); }

bool TutorialOverlay::BackRequested() { return std::exchange(back_requested_, false); }

void TutorialOverlay::SetInstructionWithContinue(std::u16string_view text) {
  instruction_.assign(text);
  instruction_ += u"\n\n";
  instruction_ += kContinueLine;
  SetAllowed(buttons_[kNext]);
}

void TutorialOverlay::Finish() {
  instruction_.assign(kFinishText);
  SetAllowed(buttons_[kClose]);
}

void TutorialOverlay::SetAllowed(const draw::Rect& rect) { ui::Ui().tutorial.allowed = rect; }

const draw::Rect& TutorialOverlay::Allowed() const { return ui::Ui().tutorial.allowed; }

void TutorialOverlay::Position(int x, int y) {
  position_x_ = x;
  position_y_ = y;
}

bool TutorialOverlay::ButtonShown(ButtonId id) const {
  return id != kClose || close_anytime_ || step_ == step_count_ - 1;
}

void TutorialOverlay::LayOut(int screen_width) {
  x_ = ui::Px(position_x_);
  y_ = ui::Px(position_y_);
  width_ = std::max(screen_width - x_, 0);
  const int icon = IconSize();
  const int bar_height = icon + 4;
  // Back and Next flank the step counter in the middle of the bar, so that a
  // long count never runs into them; Close sits at the right end.
  int label_width = 6 * icon;
  if (ui::TextRenderer* font = BarFont()) {
    label_width = font->SingleLineWidth(u"Step 00/00") + ui::Px(8);
  }
  const int centre = x_ + width_ / 2;
  const int top = y_ + 2;
  buttons_[kBack] =
      draw::Rect::FromSize(centre - label_width / 2 - icon / 2 - icon, top, icon, icon);
  buttons_[kNext] = draw::Rect::FromSize(centre + label_width / 2 + icon / 2, top, icon, icon);
  buttons_[kClose] = draw::Rect::FromSize(x_ + width_ - 2 - icon - 2, top, icon, icon);
  if (height_ < bar_height) height_ = bar_height;
}

int TutorialOverlay::ButtonAt(ui::Point p) const {
  for (int i = 0; i < kButtonCount; ++i) {
    if (ButtonShown(static_cast<ButtonId>(i)) && buttons_[i].Contains(p.x, p.y)) return i;
  }
  return -1;
}

void TutorialOverlay::Press(ButtonId id) {
  switch (id) {
    case kBack:
      if (step_ > 0) --step_;
      back_requested_ = true;
      break;
    case kNext:
      if (step_ < step_count_ - 1) ++step_;
      next_requested_ = true;
      break;
    case kClose: Stop(); break;
    case kButtonCount: break;
  }
}

bool TutorialOverlay::StylusDown(ui::Point p) {
  if (!visible_) return false;
  pressed_button_ = ButtonAt(p);
  return pressed_button_ >= 0 || Covers(p);
}

bool TutorialOverlay::StylusUp(ui::Point p) {
  if (!visible_) return false;
  const int pressed = std::exchange(pressed_button_, -1);
  if (pressed >= 0 && ButtonAt(p) == pressed) {
    Press(static_cast<ButtonId>(pressed));
    return true;
  }
  return pressed >= 0 || Covers(p);
}

bool TutorialOverlay::Covers(ui::Point p) const {
  // The panel hides what lies under it, except where the step points (a plot
  // under the panel is still tapped through it).
  return panel_.Contains(p.x, p.y) && !Allowed().Contains(p.x, p.y);
}

bool TutorialOverlay::StylusMove(ui::Point) { return visible_; }

bool TutorialOverlay::KeyDown(const ui::KeyEvent& key) {
  if (!visible_) return false;
  if (key.code == ui::keys::kRight) {
    Press(kNext);
    return true;
  }
  if (key.code == ui::keys::kLeft) {
    Press(kBack);
    return true;
  }
  return false;
}

void TutorialOverlay::Draw(draw::Surface& surface) {
  if (!visible_) return;
  LayOut(surface.Width());
  const int bar_height = IconSize() + 4;
  ui::TextRenderer* font = ui::Ui().normal_font;
  const int line = font ? font->LineHeight() + 1 : ui::Px(13);
  int lines = 0;
  if (font) {
    // Laid out once where the text would start; drawn moved with the panel.
    const int margin = std::max(font->SpaceWidth() / 2, 1);
    lines = font->LayOut(instruction_,
                         draw::Rect{x_ + margin, y_ + bar_height + line, x_ + width_ - margin,
                                    y_ + bar_height + line + surface.Height()},
                         false);
  }
  const int height = bar_height + (lines + 2) * line;
  const int dy = MoveOffTarget(bar_height, height, surface.Height());
  y_ += dy;
  for (draw::Rect& r : buttons_) {
    r.top += dy;
    r.bottom += dy;
  }
  height_ = height;
  panel_ = draw::Rect{x_, y_, x_ + width_, y_ + height};
  DrawBar(surface, bar_height);
  DrawInstructionArea(surface, y_ + bar_height, y_ + height);
  if (font) {
    // The layout buffer ends at its first record without a character.
    const ui::GlyphRecord* first = font->Glyphs().data();
    const ui::GlyphRecord* last = first;
    while (last->character != 0) ++last;
    font->DrawGlyphs(surface, first, last, 0, dy);
  }
  DrawAllowedFrame(surface);
}

int TutorialOverlay::MoveOffTarget(int bar_height, int height, int screen_height) const {
  // A target the panel would hide: the panel moves up until it ends just
  // above it (the red frame stays visible), or where that leaves the screen,
  // down to start just below it; failing both, as high as it goes.
  const draw::Rect& a = Allowed();
  if (a.Empty() || a.bottom + 3 <= y_ || a.top - 3 >= y_ + height) return 0;
  for (const draw::Rect& b : buttons_) {
    // The overlay's own button (the continue steps point at Next).
    if (a.left == b.left && a.Width() == b.Width() && a.Height() == b.Height()) return 0;
  }
  const int above = a.top - 3 - height;
  if (above >= 0) return above - y_;
  const int below = a.bottom + 3;
  if (below + height <= screen_height) return below - y_;
  // A target too tall to clear (a whole plot) keeps the panel where it is; one
  // starting below the bar sends it to the top.
  return a.top >= y_ + bar_height ? -y_ : 0;
}

void TutorialOverlay::DrawBar(draw::Surface& surface, int bar_height) {
  const ui::Skin* skin = ui::CurrentSkin();
  const draw::Color fill = skin ? skin->Palette().message_box_fill : 0x007FFF;
  const draw::Color frame = skin ? skin->Palette().message_box_frame : 0x000000;
  const draw::Rect bar = draw::Rect::FromSize(x_, y_, width_, bar_height);
  surface.FillRect(&bar, fill);
  ui::DrawFrameRect(surface, bar, frame);
  ui::DrawFrameRect(surface, draw::Rect{bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1},
                    frame);

  step_label_.assign(u"Step ");
  AppendNumber(step_label_, step_ + 1);
  step_label_ += u'/';
  AppendNumber(step_label_, step_count_);
  if (ui::TextRenderer* font = BarFont()) {
    const int width = font->SingleLineWidth(step_label_);
    const int line = font->LineHeight();
    const int pad = ui::Px(3);
    const int left = x_ + (width_ - width) / 2;
    const int top = y_ + (bar_height - line) / 2;
    // Light grey is faint on the bar's own fill (orange or mid grey): the
    // counter's box is filled dark behind it.
    const draw::Rect box{left - pad, top - 1, left + width + pad, top + line + 1};
    surface.FillRect(&box, kStepBackground);
    ui::DrawFrameRect(surface, box, kStepColor);
    font->SetTarget(&surface);
    font->DrawPlain(step_label_, left, top, kStepColor);
    font->SetTarget(nullptr);
  }

  if (!skin) return;
  for (int i = 0; i < kButtonCount; ++i) {
    if (!ButtonShown(static_cast<ButtonId>(i))) continue;
    const int offset = pressed_button_ == i ? 1 : 0;
    skin->DrawFrame(surface, ui::SkinImageId::kImageList, static_cast<int>(kButtonIcons[i]),
                    buttons_[i].left + offset, buttons_[i].top + offset);
  }
}

void TutorialOverlay::DrawInstructionArea(draw::Surface& surface, int top, int bottom) {
  const ui::Skin* skin = ui::CurrentSkin();
  const draw::Color fill = skin ? skin->Palette().message_box_fill : 0x007FFF;
  const draw::Color area = skin ? skin->Palette().message_box_frame : 0x000000;
  const draw::Rect box{x_, top, x_ + width_, bottom};
  surface.FillRect(&box, area);
  surface.DrawLine(x_, bottom - 2, x_ + width_ - 1, bottom - 2, fill);
  surface.DrawLine(x_, bottom - 1, x_ + width_ - 1, bottom - 1, fill);
}

void TutorialOverlay::DrawAllowedFrame(draw::Surface& surface) const {
  const draw::Rect& r = Allowed();
  if (r.Empty()) return;
  for (int ring = 1; ring <= 2; ++ring) {
    ui::DrawFrameRect(surface,
                      draw::Rect{r.left - ring, r.top - ring, r.right + ring, r.bottom + ring},
                      kFrameRed);
  }
}

void TutorialOverlay::Describe(ui::WidgetList& out) const {
  if (!visible_) return;
  for (int i = 0; i < kButtonCount; ++i) {
    if (!ButtonShown(static_cast<ButtonId>(i))) continue;
    ui::WidgetInfo info;
    info.kind = "button";
    info.text = std::u16string(kButtonNames[i]);
    info.rect = buttons_[i];
    out.push_back(std::move(info));
  }
}

void TutorialOverlay::WriteState(ui::JsonWriter& json) const {
  if (!visible_) {
    json.Null();
    return;
  }
  const draw::Rect& r = Allowed();
  json.BeginObject();
  json.Key("active").Bool(true);
  json.Key("step").Integer(step_);
  json.Key("steps").Integer(step_count_);
  json.Key("text").Text(instruction_);
  json.Key("allowed").RectArray(r.left, r.top, r.Width(), r.Height());
  json.EndObject();
}

}  // namespace zentrix::tutorials
