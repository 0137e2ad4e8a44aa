#pragma once
// Button: the "Button" (2 frames) or "SmallButton" (3 frames) image cut to the
// button's width, frame 1 while pressed or disabled (frame 2 when disabled and
// the image has it), with the caption centred and moved by the pressed offset
// while pressed. A picture-only button shows an "ImageList" icon instead and
// names itself by its automation name. OnClick runs the action.

#include <functional>

#include "ui/core/widget.h"
#include "ui/skin/skin.h"

namespace zentrix::ui {

class Button : public Widget {
 public:
  enum class Style { kNormal, kSmall };

  Button() = default;
  Button(int x, int y, int width, int height, std::u16string text, Style style = Style::kNormal)
      : Widget(x, y, width, height, std::move(text)), style_(style) {}

  std::string_view Kind() const override { return "button"; }
  void Draw(draw::Surface& surface) override;
  void OnClick(const draw::Rect& rect) override;

  void SetAction(std::function<void()> action) { action_ = std::move(action); }
  void SetStyle(Style style) { style_ = style; }
  // A picture-only button: icon index in "ImageList" and its automation name.
  void SetIcon(Icon icon, std::u16string automation_name);
  // The frame the button draws now.
  int Frame() const;

 private:
  SkinImageId Image() const;

  Style style_ = Style::kNormal;
  int icon_ = -1;
  std::function<void()> action_;
};

}  // namespace zentrix::ui
