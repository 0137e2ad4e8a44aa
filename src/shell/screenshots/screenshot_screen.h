#pragma once
// The screenshot screen: "Multiple Captures", the location list (main memory
// and the storage cards), the next file's number, the notes, the last
// failure (until a capture succeeds) and the file-name prefix with its grey
// hint while empty. The settings are loaded from the registry when the screen
// is made and saved when it goes.
//
// The number box is read back every frame: digits from 0 to 2^31 − 1 become
// the next number; any other text is not taken and the box shows the number
// in force again (an empty box is left alone while it is being typed in).

#include <array>
#include <cstdint>

#include "shell/screenshots/screenshots.h"
#include "shell/settings/registry.h"
#include "ui/core/screen.h"
#include "ui/widgets/check_box.h"
#include "ui/widgets/drop_down_box.h"
#include "ui/widgets/label.h"
#include "ui/widgets/text_box.h"

namespace zentrix::shell {

class ScreenshotScreen : public ui::Screen {
 public:
  ScreenshotScreen(Screenshots& shots, const Registry& registry, bool square);
  ~ScreenshotScreen() override;

  std::string_view Name() const override { return "screenshots"; }
  void Enter() override;
  void LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) override;
  bool StylusDown(ui::Point p) override;
  bool StylusUp(ui::Point p) override;
  ui::ScreenMenu Menu() const override;
  void DescribeWidgets(ui::WidgetList& out) const override;
  bool DescribeState(ui::JsonWriter& json) const override;

 private:
  void Build();
  void Place(const draw::Rect& content);
  void ReadBack();
  void ShowIndex();
  void DrawNotes(draw::Surface& surface);
  template <class F>
  void ForEachWidget(F&& f) const;

  Screenshots& shots_;
  const Registry& registry_;
  bool square_;
  bool built_ = false;
  bool bright_ = false;

  ui::CheckBox multiple_;
  ui::Label location_label_;
  ui::DropDownBox location_;
  ui::TextBox index_box_;
  ui::Label saved_note_;
  ui::Label failure_;
  ui::TextBox prefix_box_;
  std::uint64_t index_revision_ = 0;  // the box's text last read or written
  std::int32_t shown_index_ = -1;
  std::uint64_t prefix_revision_ = 0;
  draw::Rect button_note_;
  int separator_x_ = 0;
  int separator_top_ = 0;
  int separator_bottom_ = 0;
  int rule_y_ = 0;
};

}  // namespace zentrix::shell
