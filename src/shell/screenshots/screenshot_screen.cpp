#include "shell/screenshots/screenshot_screen.h"

#include <algorithm>
#include <string>

#include "engine/core/charset.h"
#include "shell/buttons/icon_in_text.h"
#include "ui/core/focus.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"
#include "ui/skin/skin.h"
#include "ui/skin/skin_geometry.h"
#include "ui/text/text_renderer.h"

namespace zentrix::shell {
namespace {

constexpr draw::Color kSeparatorColour = 0x7D7D7D;
constexpr draw::Color kNoteColour = 0xC8C8C8;
constexpr draw::Color kFailureColour = 0x0000FF;  // red (0x00BBGGRR)
// The boxes look like the notebook's entry boxes in each style.
constexpr std::int32_t kClassicBox = 0x505050;
constexpr std::int32_t kBrightBox = 0xB4B4B4;
constexpr draw::Color kBrightHint = 0x555555;
constexpr int kSeparatorColumn = 120;
constexpr int kLocationColumn = 128;
constexpr std::u16string_view kHint = u"Type file name here";
constexpr int kButtonConfigIcon = 6;  // the button-configuration screen's screen-bar icon
constexpr IconInText kButtonNote{u"You can set the snapshot button in", ui::SkinImageId::kImageList,
                                 kButtonConfigIcon, u"Button Config."};

}  // namespace

ScreenshotScreen::ScreenshotScreen(Screenshots& shots, const Registry& registry, bool square)
    : shots_(shots),
      registry_(registry),
      square_(square),
      multiple_(0, 0, u"Multiple Captures"),
      location_label_(0, 0, u"My Documents"),
      saved_note_(0, 0,
                  u"ScreenShots will be saved in your [yellow]Corvane[/] folder in your "
                  u"[yellow]My Documents[/] folder.") {
  shots_.Load(registry_);
}

ScreenshotScreen::~ScreenshotScreen() { shots_.Save(registry_); }

void ScreenshotScreen::Build() {
  if (built_) return;
  built_ = true;
  multiple_.SetOnChange([this](bool on) { shots_.SetMultiple(on); });
  location_.SetItems(shots_.LocationNames());
  location_.SetOnChange([this](int index) { shots_.ChooseLocation(index); });
  index_box_.SetPrefix(u"ScreenShot Index: ");
  prefix_box_.SetPrefix(u"File Name: ");
  for (ui::TextBox* box : {&index_box_, &prefix_box_}) box->SetPadded(true);
  saved_note_.SetColor(kNoteColour);
  failure_.SetColor(kFailureColour);
}

void ScreenshotScreen::Enter() {
  Build();
  bright_ = ui::Settings().style_index != ui::kStyleClassic;
  for (ui::TextBox* box : {&index_box_, &prefix_box_}) {
    box->SetBackground(bright_ ? kBrightBox : kClassicBox);
  }
  multiple_.SetChecked(shots_.Multiple());
  location_.Select(shots_.Location());
  location_.Close();
  ShowIndex();
  prefix_box_.SetText(shots_.Prefix());
  prefix_revision_ = prefix_box_.Revision();
}

void ScreenshotScreen::ShowIndex() {
  shown_index_ = shots_.Index();
  index_box_.SetText(chars::U16(std::to_string(shown_index_)));
  index_box_.CaretToEnd();
  index_revision_ = index_box_.Revision();
}

void ScreenshotScreen::ReadBack() {
  shots_.SetMultiple(multiple_.Checked());
  if (prefix_box_.Revision() != prefix_revision_) {
    prefix_revision_ = prefix_box_.Revision();
    shots_.SetPrefix(prefix_box_.Text());
  }
  if (index_box_.Revision() != index_revision_) {
    index_revision_ = index_box_.Revision();
    if (auto typed = ParseScreenshotIndex(index_box_.Text())) {
      shots_.SetIndex(*typed);
      shown_index_ = *typed;
    } else if (!index_box_.Text().empty() || !index_box_.Focused()) {
      ShowIndex();  // not a number this program takes: back to the one in force
    }
  }
  // A capture moved the number on, or an emptied box was left.
  const bool editing_empty = index_box_.Text().empty() && index_box_.Focused();
  if (!editing_empty && (shown_index_ != shots_.Index() || index_box_.Text().empty())) ShowIndex();
}

void ScreenshotScreen::Place(const draw::Rect& content) {
  const auto px = [](int small) { return ui::ScaledPx(small); };
  const ui::TextRenderer* font = ui::CurrentFont();
  const int line = font ? font->LineHeight() : px(12);
  const int top = std::max(px(30), content.top + px(4));
  multiple_.SetPosition(content.left + px(4), top);
  // The separator and the location column keep clear of the check box's
  // label, which reaches the column on narrow screens.
  const ui::Skin* skin = ui::Ui().skin;
  const int box = skin ? skin->FrameWidth(ui::SkinImageId::kCheckBox) : px(13);
  const int label_end = multiple_.X() + box + 4 + (font ? font->TextWidth(multiple_.Text()) : 0);
  separator_x_ = std::max(content.left + px(kSeparatorColumn), label_end + px(3));
  const int column = std::max(content.left + px(kLocationColumn), separator_x_ + px(6));
  location_label_.SetPosition(column, top);
  const int list_top = top + line + px(2);
  location_.SetPosition(column, list_top);
  location_.SetSize(content.right - location_.X() - px(4), px(ui::kDropDownHeight));
  separator_top_ = content.top + px(2);
  separator_bottom_ = location_.Y() + std::max(location_.Height(), line) + px(4);
  rule_y_ = separator_bottom_;
  const int box_width = content.Width() - px(8);
  index_box_.SetPosition(content.left + px(4), rule_y_ + px(6));
  index_box_.SetSize(box_width, index_box_.Height());
  index_box_.Layout();
  saved_note_.SetPosition(content.left + px(4), index_box_.Y() + index_box_.Height() + px(8));
  prefix_box_.SetSize(box_width, prefix_box_.Height());
  prefix_box_.Layout();
  prefix_box_.SetPosition(content.left + px(4), content.bottom - prefix_box_.Height() - px(4));
  failure_.SetMaxWidth(box_width);
  failure_.SetPosition(content.left + px(4), prefix_box_.Y() - line - px(4));
}

template <class F>
void ScreenshotScreen::ForEachWidget(F&& f) const {
  // The open location list lies over everything: it comes first.
  for (const ui::Widget* w : std::initializer_list<const ui::Widget*>{
           &location_, &multiple_, &location_label_, &index_box_, &saved_note_, &failure_,
           &prefix_box_}) {
    f(const_cast<ui::Widget&>(*w));
  }
}

void ScreenshotScreen::LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) {
  Build();
  ReadBack();
  if (failure_.Text() != shots_.LastError()) failure_.SetText(shots_.LastError());
  failure_.SetVisible(!shots_.LastError().empty());
  Place(content);

  const draw::Rect vertical =
      draw::Rect{separator_x_, separator_top_, separator_x_ + 1, separator_bottom_};
  surface.FillRect(&vertical, kSeparatorColour);
  const draw::Rect rule = draw::Rect::FromSize(content.left, rule_y_, content.Width(), 1);
  surface.FillRect(&rule, kSeparatorColour);

  ForEachWidget([&](ui::Widget& w) {
    if (&w != &location_) w.Draw(surface);
  });
  DrawNotes(surface);
  location_.Draw(surface);
  if (location_.IsOpen()) location_.DrawList(surface);
}

void ScreenshotScreen::DrawNotes(draw::Surface& surface) {
  ui::TextRenderer* font = ui::CurrentFont();
  if (!font) return;
  button_note_ = {};
  if (!square_) {
    const int y = saved_note_.Y() + saved_note_.Height() + ui::ScaledPx(8);
    if (y + font->LineHeight() < failure_.Y()) {
      button_note_ = DrawIconInText(surface, kButtonNote, saved_note_.X(), y, kNoteColour);
    }
  }
  if (prefix_box_.Text().empty()) {
    // The hint sits where the typed name will start.
    font->SetTarget(&surface);
    const int x = prefix_box_.X() + ui::ScaledPx(3) + font->TextWidth(prefix_box_.Prefix());
    const int y = prefix_box_.Y() + (prefix_box_.Height() - font->LineHeight()) / 2;
    // Grey in both styles, so that the hint never reads as a typed name.
    font->DrawPlainTinted(kHint, x, y, bright_ ? kBrightHint : kNoteColour);
    font->SetTarget(nullptr);
  }
}

bool ScreenshotScreen::StylusDown(ui::Point p) {
  bool taken = false;
  ForEachWidget([&](ui::Widget& w) {
    if (!taken && w.Visible()) taken = w.StylusDown(p);
  });
  return taken;
}

bool ScreenshotScreen::StylusUp(ui::Point p) {
  bool taken = false;
  ForEachWidget([&](ui::Widget& w) {
    if (!taken && w.Visible()) taken = w.StylusUp(p);
  });
  return taken;
}

ui::ScreenMenu ScreenshotScreen::Menu() const {
  return ui::StandardMenu(ui::MenuKind::kScreenshots);
}

void ScreenshotScreen::DescribeWidgets(ui::WidgetList& out) const {
  ForEachWidget([&](ui::Widget& w) {
    if (w.Visible()) w.Describe(out);
  });
  if (button_note_.Width() > 0) {
    ui::WidgetInfo note;
    note.kind = "label";
    note.text = std::u16string(kButtonNote.before) + u"    " + std::u16string(kButtonNote.after);
    note.rect = button_note_;
    out.push_back(std::move(note));
  }
}

bool ScreenshotScreen::DescribeState(ui::JsonWriter& json) const {
  json.BeginObject();
  json.Key("index").Integer(shots_.Index());
  json.Key("prefix").Text(shots_.Prefix());
  json.Key("location").Integer(shots_.Location());
  json.Key("multiple").Bool(shots_.Multiple());
  json.EndObject();
  return true;
}

}  // namespace zentrix::shell
