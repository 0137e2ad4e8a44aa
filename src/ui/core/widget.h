#pragma once
// The base of every control: a rectangle, a text, a colour, the visible /
// enabled / accepts-input / pressed flags and a small table of operations.
//
// Hit rule: a point is inside only when strictly inside the rectangle
// (x < px < x + width and y < py < y + height); the border is outside.
//
// Input gate, in this order: while a tutorial step restricts input, a point
// outside its allowed rectangle is refused; while a message box is shown only
// its own buttons take input, and while a modal dialog is open only the
// dialog's own widgets; a hidden, disabled or non-accepting widget takes none.
//
// Defaults: StylusDown takes a point that passes the gate and lies inside, sets
// pressed and calls OnPress. StylusUp, when the gate allows and the widget was
// pressed, clears pressed and, when the point is still inside, calls OnClick and
// takes the event. StylusMove takes the event. OnPress and OnClick do nothing.

#include <cstdint>
#include <string>

#include "draw/color.h"
#include "draw/rect.h"
#include "draw/surface.h"
#include "ui/core/point.h"
#include "ui/core/widget_info.h"

namespace zentrix::ui {

// Which modal layer a widget belongs to, for the input gate.
enum class WidgetLayer { kNormal, kDialog, kMessageBox };

class Widget {
 public:
  Widget() = default;
  Widget(int x, int y, int width, int height, std::u16string text = {})
      : x_(x), y_(y), width_(width), height_(height), text_(std::move(text)) {}
  virtual ~Widget() = default;
  Widget(const Widget&) = delete;
  Widget& operator=(const Widget&) = delete;

  virtual bool StylusDown(Point p);
  virtual bool StylusUp(Point p);
  virtual bool StylusMove(Point p);
  // The mouse wheel over p (positive: towards the start); true when taken.
  virtual bool Wheel(Point p, int steps);
  virtual void OnPress(const draw::Rect& rect);
  virtual void OnClick(const draw::Rect& rect);

  // Draws the widget (hidden widgets draw nothing).
  virtual void Draw(draw::Surface& surface);
  // Appends this widget's entry (and its parts') when visible.
  virtual void Describe(WidgetList& out) const;
  // The kind named in the dump.
  virtual std::string_view Kind() const { return "widget"; }

  // Geometry.
  int X() const { return x_; }
  int Y() const { return y_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  draw::Rect Bounds() const { return draw::Rect::FromSize(x_, y_, width_, height_); }
  virtual void SetPosition(int x, int y);
  virtual void SetSize(int width, int height);
  void SetBounds(int x, int y, int width, int height) {
    SetPosition(x, y);
    SetSize(width, height);
  }
  // Strictly inside: points on the border are outside.
  bool Contains(Point p) const {
    return x_ < p.x && p.x < x_ + width_ && y_ < p.y && p.y < y_ + height_;
  }

  const std::u16string& Text() const { return text_; }
  virtual void SetText(std::u16string text) { text_ = std::move(text); }
  draw::Color Color() const { return color_; }
  void SetColor(draw::Color color) { color_ = color; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool AcceptsInput() const { return accepts_input_; }
  void SetAcceptsInput(bool accepts) { accepts_input_ = accepts; }
  bool Pressed() const { return pressed_; }
  void SetPressed(bool pressed) { pressed_ = pressed; }
  WidgetLayer Layer() const { return layer_; }
  void SetLayer(WidgetLayer layer) { layer_ = layer; }

  // The input gate for a tap at p.
  bool InputAllowed(Point p) const;

 protected:
  // An entry with this widget's kind, text, rectangle and enabled state.
  WidgetInfo BasicInfo() const;

  int x_ = 0;
  int y_ = 0;
  int width_ = 0;
  int height_ = 0;
  std::u16string text_;
  draw::Color color_ = 0xFFFFFF;
  bool visible_ = true;
  bool enabled_ = true;
  bool accepts_input_ = true;
  bool pressed_ = false;
  WidgetLayer layer_ = WidgetLayer::kNormal;
};

}  // namespace zentrix::ui
