#pragma once
// The common frame of the grapher's settings panels (window, time, table): a
// panel owns its widgets, lays them out inside the rectangle the grapher gives
// it (under the grapher's tab row), draws them, offers the stylus to them in
// one fixed order, lists them for the dump, and reports the message of a
// failed apply through a handler (the grapher's message box).

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "draw/rect.h"
#include "draw/surface.h"
#include "engine/core/variable_store.h"
#include "ui/core/key_event.h"
#include "ui/core/point.h"
#include "ui/core/widget.h"
#include "ui/core/widget_info.h"

namespace zentrix::graphing::screens {

class EditorPanel {
 public:
  using MessageHandler = std::function<void(std::u16string_view)>;

  virtual ~EditorPanel() = default;
  EditorPanel(const EditorPanel&) = delete;
  EditorPanel& operator=(const EditorPanel&) = delete;

  // Places the widgets inside `area`; cheap when neither the area, the skin
  // scale nor the height of a field changed since the last call, so a
  // grapher may call it every frame.
  void Layout(const draw::Rect& area);
  void Draw(draw::Surface& surface);

  // Input, true when taken. Return applies the panel's fields.
  bool StylusDown(ui::Point p);
  bool StylusMove(ui::Point p);
  bool StylusUp(ui::Point p);
  virtual bool KeyDown(const ui::KeyEvent& key);
  // The mouse wheel over the panel; true when something scrolled.
  virtual bool Wheel(ui::Point /*p*/, int /*steps*/) { return false; }

  // Copies the typed texts into the model and evaluates them; on failure the
  // message goes to the handler and the previous values stay in force.
  virtual bool Apply() = 0;
  // Rewrites every widget from the model (after the model changed elsewhere,
  // for example when a graph file was opened).
  virtual void Refresh() = 0;

  void DescribeWidgets(ui::WidgetList& out) const;

  // The notebook's variables for field evaluation (may be null).
  void SetVariables(const engine::VariableStore* variables) { variables_ = variables; }
  void SetMessageHandler(MessageHandler handler) { on_message_ = std::move(handler); }
  // The last message reported (empty after a successful apply).
  const std::u16string& Message() const { return message_; }
  const draw::Rect& Area() const { return area_; }

 protected:
  EditorPanel() = default;

  // Places the widgets for the area (the panel's own arrangement).
  virtual void Arrange(const draw::Rect& area) = 0;
  // Widgets in stylus order; drawn in reverse so that the first lies on top.
  void SetWidgets(std::vector<ui::Widget*> widgets) { widgets_ = std::move(widgets); }
  // Draws what is not a widget (frames, backgrounds) before the widgets.
  virtual void DrawBackground(draw::Surface&) {}

  void Report(std::u16string message);
  void ClearMessage() { message_.clear(); }
  const engine::VariableStore* Variables() const { return variables_; }

 private:
  std::vector<ui::Widget*> widgets_;
  const engine::VariableStore* variables_ = nullptr;
  MessageHandler on_message_;
  std::u16string message_;
  int FieldHeights();

  draw::Rect area_;
  int laid_out_scale_ = 0;
  int laid_out_heights_ = -1;
};

}  // namespace zentrix::graphing::screens
