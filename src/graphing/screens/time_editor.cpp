#include "graphing/screens/time_editor.h"

#include <algorithm>

#include "graphing/screens/panel_layout.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {
namespace {

constexpr draw::Color kFrame = 0x7D7D7D;

// Fields in the order the editor shows them.
constexpr TimeSettings::Field kShown[] = {TimeSettings::kTmin, TimeSettings::kTmax,
                                          TimeSettings::kTstep, TimeSettings::kControlsStep};

}  // namespace

TimeEditor::TimeEditor(TimeSettings& settings) : settings_(settings) {
  SetUpFieldBox(fields_[TimeSettings::kTmin], u"Tmin=");
  SetUpFieldBox(fields_[TimeSettings::kTmax], u"Tmax=");
  SetUpFieldBox(fields_[TimeSettings::kTstep], u"Tstep=");
  SetUpFieldBox(fields_[TimeSettings::kControlsStep], u"Time Controls Step=");
  unbounded_.SetOnChange([this](bool) { UpdateStates(); });
  loop_.SetOnChange([this](bool) { UpdateStates(); });
  RebuildPlayMode(0, ui::Px(16));
  Refresh();
}

void TimeEditor::RebuildPlayMode(int dx, int dy) {
  if (play_mode_ && dx == play_mode_dx_ && dy == play_mode_dy_) return;
  const int selected = play_mode_ ? play_mode_->Selected() : 0;
  play_mode_ = std::make_unique<ui::RadioGroup>();
  play_mode_->Add(0, 0, u"Start To End");
  play_mode_->Add(dx, dy, u"Back And Forth");
  play_mode_->Select(selected);
  play_mode_dx_ = dx;
  play_mode_dy_ = dy;
  std::vector<ui::Widget*> widgets{&tabs_};
  for (TimeSettings::Field f : kShown) widgets.push_back(&fields_[f]);
  for (ui::Widget* w : std::initializer_list<ui::Widget*>{&unbounded_, &loop_, play_mode_.get(),
                                                          &play_mode_title_}) {
    widgets.push_back(w);
  }
  SetWidgets(std::move(widgets));
  UpdateStates();
}

void TimeEditor::Refresh() {
  for (TimeSettings::Field f : kShown) {
    if (fields_[f].Text() != settings_.text(f)) fields_[f].SetText(settings_.text(f));
  }
  unbounded_.SetChecked(settings_.unbounded);
  loop_.SetChecked(settings_.loop);
  play_mode_->Select(static_cast<int>(settings_.play_mode));
  UpdateStates();
}

void TimeEditor::UpdateStates() {
  for (TimeSettings::Field f : kShown) {
    StyleFieldBox(fields_[f], f == TimeSettings::kTmax && unbounded_.Checked());
  }
  if (play_mode_) play_mode_->SetEnabled(loop_.Checked());
}

bool TimeEditor::Apply() {
  for (TimeSettings::Field f : kShown) settings_.SetText(f, fields_[f].Text());
  // Unbounded decides whether Tmax is evaluated, so it takes part in the
  // step; it is put back when the step fails.
  const bool was_unbounded = settings_.unbounded;
  settings_.unbounded = unbounded_.Checked();
  const ApplyResult result = settings_.Apply(Variables());
  if (!result.ok) {
    settings_.unbounded = was_unbounded;
    Report(result.message);
    return false;
  }
  settings_.loop = loop_.Checked();
  if (play_mode_->Selected() >= 0)
    settings_.play_mode = static_cast<PlayMode>(play_mode_->Selected());
  ClearMessage();
  if (on_applied_) on_applied_(settings_);
  return true;
}

int TimeEditor::Place(const draw::Rect& area, bool two_columns, bool choices_in_row) {
  const int margin = PanelMargin();
  const int gap = PanelGap();
  tabs_.SetBounds(area.left, area.top, area.Width(), ui::Px(ui::kTabHeight));
  const int top = area.top + tabs_.Height() + margin;
  const int width = area.Width() - 2 * margin;
  const int column_width = two_columns ? (width - gap) / 2 : width;
  ColumnFlow fields(area.left + margin, top, column_width);
  // Beside the checks, the long "Time Controls Step=" prefix would leave its
  // value no room: it goes across both columns below them.
  for (TimeSettings::Field f : kShown) {
    if (!two_columns || f != TimeSettings::kControlsStep) fields.PlaceBox(fields_[f]);
  }

  ColumnFlow checks = two_columns
                          ? ColumnFlow(area.left + margin + column_width + gap, top, column_width)
                          : ColumnFlow(area.left + margin, fields.Y() + gap, column_width);
  checks.PlaceAt(unbounded_);
  checks.Skip(gap);
  // The group: its title over a frame that holds Loop and the choices.
  const int group_top = checks.Y();
  const ui::TextRenderer* font = ui::CurrentFont();
  play_mode_title_.SetSize(font ? font->TextWidth(play_mode_title_.Text()) : 0,
                           font ? font->LineHeight() : ui::Px(12));
  checks.PlaceAt(play_mode_title_, 2 * gap);
  checks.Skip(ui::Px(1));
  checks.PlaceAt(loop_, 2 * gap);
  if (choices_in_row) {
    RebuildPlayMode(0, 0);
    RebuildPlayMode(play_mode_->ItemRect(0).Width() + 3 * gap, 0);
  } else {
    RebuildPlayMode(0, loop_.Height() + gap);
  }
  checks.PlaceAt(*play_mode_, 2 * gap);
  group_frame_ = draw::Rect::FromSize(checks.Left(), group_top + ui::Px(6), checks.Width(),
                                      checks.Y() - group_top - ui::Px(6));
  if (!two_columns) return std::max(fields.Y(), checks.Y());
  ColumnFlow below(area.left + margin, std::max(fields.Y(), checks.Y()), width);
  below.PlaceBox(fields_[TimeSettings::kControlsStep]);
  return below.Y();
}

void TimeEditor::Arrange(const draw::Rect& area) {
  UpdateStates();  // the field colours follow the skin
  // One column with the choices stacked, or side by side when that does not
  // fit; two columns only when neither does.
  if (Place(area, false, false) <= area.bottom) return;
  if (Place(area, false, true) <= area.bottom) return;
  Place(area, true, false);
}

void TimeEditor::DrawBackground(draw::Surface& surface) {
  const draw::Rect title = play_mode_title_.Bounds();
  // The frame passes behind the group's title.
  ui::DrawFrameRect(surface, group_frame_, kFrame);
  const draw::Rect gap_behind_title =
      draw::Rect::FromSize(title.left - 2, group_frame_.top, title.Width() + 4, 1);
  const ui::Skin* skin = ui::CurrentSkin();
  const draw::Color background = skin ? skin->Palette().background : 0;
  surface.FillRect(&gap_behind_title, background);
}

}  // namespace zentrix::graphing::screens
