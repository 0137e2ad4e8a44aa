#pragma once
// The time editor: the fields "Tmin=", "Tmax=", "Tstep=" and "Time Controls
// Step=", the check box "Unbounded" (Tmax is then unused and its field shown
// greyed), and the group "Play Mode" with the check box "Loop" and the choices
// "Start To End" and "Back And Forth" (offered only while Loop is on), under
// an "Options" tab.
//
// Apply evaluates Tstep, Tmin, Time Controls Step and, when Unbounded is off,
// Tmax; the first failure reports "Error solving <field>" and nothing is
// applied, check boxes and choice included. On success the applied-handler
// lets the grapher copy the settings into both graphers' live state.

#include <functional>
#include <memory>

#include "graphing/model/time_settings.h"
#include "graphing/screens/editor_panel.h"
#include "ui/widgets/check_box.h"
#include "ui/widgets/label.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/tab_control.h"
#include "ui/widgets/text_box.h"

namespace zentrix::graphing::screens {

class TimeEditor : public EditorPanel {
 public:
  // The settings stay the grapher's; they must outlive the editor.
  explicit TimeEditor(TimeSettings& settings);

  bool Apply() override;
  void Refresh() override;
  void SetAppliedHandler(std::function<void(const TimeSettings&)> handler) {
    on_applied_ = std::move(handler);
  }

  ui::TextBox& FieldBox(TimeSettings::Field field) { return fields_[field]; }
  ui::CheckBox& UnboundedBox() { return unbounded_; }
  ui::CheckBox& LoopBox() { return loop_; }
  ui::RadioGroup& PlayModeChoice() { return *play_mode_; }
  const TimeSettings& Settings() const { return settings_; }

 protected:
  void Arrange(const draw::Rect& area) override;
  void DrawBackground(draw::Surface& surface) override;

 private:
  // Greys Tmax while Unbounded is checked; offers the choices while Loop is.
  void UpdateStates();
  // Stacks the widgets in one column, or the fields left and the check boxes
  // right, with the choices stacked or in one row; returns the bottom.
  int Place(const draw::Rect& area, bool two_columns, bool choices_in_row);
  // Makes the choices again when their placement changes: the second at
  // (dx, dy) from the first.
  void RebuildPlayMode(int dx, int dy);

  TimeSettings& settings_;
  ui::TabControl tabs_{0, 0, 0, {u"Options"}};
  ui::TextBox fields_[TimeSettings::kFieldCount];
  ui::CheckBox unbounded_{0, 0, u"Unbounded"};
  ui::Label play_mode_title_{0, 0, u"Play Mode"};
  ui::CheckBox loop_{0, 0, u"Loop"};
  std::unique_ptr<ui::RadioGroup> play_mode_;
  int play_mode_dx_ = -1;
  int play_mode_dy_ = -1;
  draw::Rect group_frame_;
  std::function<void(const TimeSettings&)> on_applied_;
};

}  // namespace zentrix::graphing::screens
