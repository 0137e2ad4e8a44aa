#pragma once
// The settings screen: number mode, notation and angle mode as radio groups
// with an example of each choice, the precision slider with the value of π at
// that precision, the check boxes, the answer or cell colour, and (except on
// square screens) Fullscreen with its note. Every frame, after laying the
// controls out, it writes them back into the program's settings, so a change
// shows at once everywhere; Fullscreen alone goes to the registry, the moment
// it is tapped, because it only takes effect at the next start.

#include <array>
#include <string>

#include "shell/settings/registry.h"
#include "ui/core/screen.h"
#include "ui/widgets/check_box.h"
#include "ui/widgets/color_selector.h"
#include "ui/widgets/label.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/slider.h"

namespace zentrix::shell {

class SettingsScreen : public ui::Screen {
 public:
  SettingsScreen(const Registry& registry, int screen_width, int screen_height);

  std::string_view Name() const override { return "settings"; }
  // Reads the settings into the controls (also after a style change).
  void Enter() override;
  void LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) override;
  bool StylusDown(ui::Point p) override;
  bool StylusMove(ui::Point p) override;
  bool StylusUp(ui::Point p) override;
  void DescribeWidgets(ui::WidgetList& out) const override;

  // The texts beside the controls.
  static std::u16string_view NumberModeExample(int mode);
  static std::u16string_view NotationExample(int notation);
  static std::u16string_view AngleExample(int angle_mode);
  static std::u16string PiAt(int precision);

  bool NoteShown() const { return note_shown_; }

 private:
  void Build();
  void Place(const draw::Rect& content);
  void WriteBack();
  void DrawTexts(draw::Surface& surface);
  template <class F>
  void ForEachWidget(F&& f) const;

  const Registry& registry_;
  bool square_;
  bool compact_;  // screens 240 (or 480) pixels tall
  bool built_ = false;

  ui::Label number_label_, notation_label_, angle_label_, precision_label_;
  ui::RadioGroup number_mode_, notation_, angle_;
  ui::Slider precision_;
  ui::CheckBox show_zeros_, color_parentheses_, smart_solve_, always_radians_, font_choice_;
  ui::ColorSelector answer_colour_;  // Classic style
  ui::ColorSelector cell_colour_;    // Bright style
  ui::CheckBox fullscreen_;
  ui::Label note_;

  // Precision -1 (Float) only comes from the registry; the slider cannot show
  // it, so it is kept until the slider moves.
  bool float_precision_ = false;
  int shown_precision_ = -2;
  std::u16string precision_text_;
  std::u16string pi_text_;
  bool note_shown_ = false;
  std::array<int, 8> separators_{};  // y of each separator line
  int separator_count_ = 0;
  draw::Rect content_;
};

}  // namespace zentrix::shell
