#pragma once
// The button-configuration screen: the five commands as a radio list with the
// key bound to each ("Button: A"), the help texts, and the close button's
// mode. Up and down on the navigation pad choose a command; an application
// button pressed here becomes the chosen command's key (taken from any other
// command first). The bindings are loaded from the registry when the screen is
// made and saved when it goes.

#include <array>

#include "draw/input_keys.h"
#include "shell/buttons/button_bindings.h"
#include "shell/settings/registry.h"
#include "ui/core/screen.h"
#include "ui/widgets/label.h"
#include "ui/widgets/radio_group.h"

namespace zentrix::shell {

class ButtonConfigScreen : public ui::Screen {
 public:
  // `keys` is the program's default key list; it outlives the screen.
  ButtonConfigScreen(ButtonBindings& bindings, const Registry& registry, const draw::KeyList& keys);
  ~ButtonConfigScreen() override;

  std::string_view Name() const override { return "buttons"; }
  void Enter() override;
  void LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) override;
  bool StylusDown(ui::Point p) override;
  bool StylusUp(ui::Point p) override;
  bool KeyDown(const ui::KeyEvent& key) override;
  void DescribeWidgets(ui::WidgetList& out) const override;
  bool DescribeState(ui::JsonWriter& json) const override;

  int SelectedCommand() const { return commands_.Selected(); }

 private:
  void Build();
  void RefreshKeyNames();
  int ListColumn(const draw::Rect& content) const;
  void AddCommands(const draw::Surface& surface, int x, int pitch);

  ButtonBindings& bindings_;
  const Registry& registry_;
  const draw::KeyList& keys_;
  bool built_ = false;

  ui::Label title_;
  ui::RadioGroup commands_;
  std::array<ui::Label, kButtonCommandCount> key_names_;
  std::array<std::uint32_t, kButtonCommandCount> shown_keys_{};
  ui::Label select_help_, bind_help_;
  ui::RadioGroup close_mode_;
  draw::Rect close_note_;
  std::array<int, 4> separators_{};
  int separator_count_ = 0;
  std::array<int, kButtonCommandCount> row_y_{};  // each command's row below the list's top
};

}  // namespace zentrix::shell
