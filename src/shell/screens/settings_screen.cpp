#include "shell/screens/settings_screen.h"

#include <algorithm>
#include <cmath>

#include "engine/core/decimal_format.h"
#include "shell/settings/settings_store.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"
#include "ui/text/text_renderer.h"

namespace zentrix::shell {
namespace {

constexpr draw::Color kSeparatorColour = 0x7D7D7D;
constexpr draw::Color kLabelColour = 0xC8C8C8;
constexpr char16_t kExponentMark = 128;
constexpr char16_t kPiGlyph = 237;
constexpr char16_t kNote[] = u"This setting will take affect the next time you start Zentrix.";

// Small-skin layout; Large skins double it.
constexpr int kLabelColumn = 10;
constexpr int kControlColumn = 75;
constexpr int kExampleColumn = 160;
constexpr int kSecondColumn = 120;
// Rows of the roomy layout, and of the compact one for screens 240 (or 480)
// pixels tall.
struct Rows {
  int radio;
  int precision;
  int check;
  int gap;
};
constexpr Rows kRoomy{14, 22, 15, 4};
constexpr Rows kCompact{13, 18, 14, 2};
constexpr int kSliderLength = 70;
constexpr int kCheckBoxSize = 13;
constexpr int kSwatchSize = 16;

const std::u16string kScientificExample = std::u16string(u"1.23456") + kExponentMark + u"5";
const std::u16string kEngineeringExample = std::u16string(u"123.456") + kExponentMark + u"3";
const std::u16string kRadiansExample = std::u16string(u"cos(2") + kPiGlyph + u") = 1";

}  // namespace

std::u16string_view SettingsScreen::NumberModeExample(int mode) {
  switch (mode) {
    case 1: return u"1.25";
    case 2: return u"1 and 1/4";
    default: return u"5/4";
  }
}

std::u16string_view SettingsScreen::NotationExample(int notation) {
  switch (notation) {
    case 1: return kScientificExample;
    case 2: return kEngineeringExample;
    default: return u"123456";
  }
}

std::u16string_view SettingsScreen::AngleExample(int angle_mode) {
  return angle_mode == 1 ? std::u16string_view(u"cos(360) = 1") : kRadiansExample;
}

std::u16string SettingsScreen::PiAt(int precision) {
  if (precision < 0) return engine::FormatFloat(M_PI);
  engine::DecimalFormat format;
  format.precision = precision;
  format.show_zeros = true;
  return engine::FormatDecimal(M_PI, format);
}

SettingsScreen::SettingsScreen(const Registry& registry, int screen_width, int screen_height)
    : registry_(registry),
      square_(screen_width == screen_height),
      compact_(screen_height < 300 * (screen_width >= 480 || screen_height >= 480 ? 2 : 1)),
      number_label_(0, 0, u"Number Mode"),
      notation_label_(0, 0, u"Notation"),
      angle_label_(0, 0, u"Angle Mode"),
      precision_label_(0, 0, u"Precision"),
      precision_(0, 0, 0, ui::Slider::Orientation::kHorizontal),
      show_zeros_(0, 0, u"Show Zeros"),
      color_parentheses_(0, 0, u"Color Parenthesis"),
      smart_solve_(0, 0, u"Smart Solve"),
      always_radians_(0, 0, u"Always graph in radians"),
      font_choice_(0, 0, u"Large Font"),
      answer_colour_(0, 0, u"Answer", ui::PaletteKind::kNormal),
      cell_colour_(0, 0, u"Cell Color", ui::PaletteKind::kLight),
      fullscreen_(0, 0, u"Fullscreen"),
      note_(0, 0, kNote) {
  // Fullscreen is not among the values loaded at start-up: read it now.
  if (auto stored = registry_.ReadDword(kFullscreenValue)) {
    ui::Settings().fullscreen = *stored == 1;
  }
}

void SettingsScreen::Build() {
  if (built_) return;
  built_ = true;
  const bool high = ui::Ui().high_resolution;
  const int pitch = ui::ScaledPx((compact_ ? kCompact : kRoomy).radio);
  // A group label wider than its column breaks at its space.
  const ui::TextRenderer* font = ui::CurrentFont();
  const int column = ui::ScaledPx(kControlColumn - kLabelColumn - 4);
  for (ui::Label* label : {&number_label_, &notation_label_, &angle_label_, &precision_label_}) {
    label->SetColor(kLabelColour);
    std::u16string text = label->Text();
    if (font && font->TextWidth(text) > column && text.find(u' ') != std::u16string::npos) {
      text[text.find(u' ')] = u'\n';
      label->SetText(std::move(text));
    }
  }
  int i = 0;
  for (const char16_t* text : {u"Fraction", u"Decimal", u"Mixed"}) {
    number_mode_.Add(0, pitch * i++, text);
  }
  i = 0;
  for (const char16_t* text : {u"Normal", u"Scientific", u"Engineering"}) {
    notation_.Add(0, pitch * i++, text);
  }
  i = 0;
  for (const char16_t* text : {u"Radians", u"Degrees"}) angle_.Add(0, pitch * i++, text);

  precision_.SetLength(ui::ScaledPx(kSliderLength));
  precision_.SetRange(11);
  precision_.SetOnChange([this](int) { float_precision_ = false; });
  font_choice_.SetText(high ? u"Small Font" : u"Large Font");
  fullscreen_.SetOnChange([this](bool on) {
    ui::Settings().fullscreen = on;
    registry_.WriteDword(kFullscreenValue, on ? 1 : 0);
  });
  note_.SetColor(kLabelColour);
}

void SettingsScreen::Enter() {
  Build();
  const ui::ProgramSettings& s = ui::Settings();
  number_mode_.Select(s.number_mode);
  notation_.Select(s.notation);
  angle_.Select(s.angle_mode);
  float_precision_ = s.precision < 0;
  precision_.SetPosition(s.precision < 0 ? 0 : s.precision);
  show_zeros_.SetChecked(s.show_zeros);
  color_parentheses_.SetChecked(s.use_color_parenthesis);
  smart_solve_.SetChecked(s.use_smart_solve);
  always_radians_.SetChecked(s.always_graph_in_radians);
  font_choice_.SetChecked(ui::Ui().high_resolution ? s.use_small_font : s.use_large_font);
  const bool classic = s.style_index == ui::kStyleClassic;
  answer_colour_.SetValue(s.answer_color);
  cell_colour_.SetValue(s.cell_color1);
  answer_colour_.SetVisible(classic);
  cell_colour_.SetVisible(!classic);
  answer_colour_.Close();
  cell_colour_.Close();
  fullscreen_.SetChecked(s.fullscreen);
  fullscreen_.SetVisible(!square_);
}

void SettingsScreen::Place(const draw::Rect& content) {
  content_ = content;
  // The palettes stay between the bars, where every swatch can be tapped.
  answer_colour_.SetPaletteArea(content);
  cell_colour_.SetPaletteArea(content);
  const auto px = [](int small) { return ui::ScaledPx(small); };
  const Rows& rows = compact_ ? kCompact : kRoomy;
  const int group_gap = px(rows.gap);
  const int x = content.left;
  int y = content.top + group_gap;
  separator_count_ = 0;
  auto separator = [&](int at) {
    if (separator_count_ < static_cast<int>(separators_.size()))
      separators_[separator_count_++] = at;
  };

  struct Group {
    ui::Label* label;
    ui::RadioGroup* radios;
  };
  for (const Group& g : {Group{&number_label_, &number_mode_}, Group{&notation_label_, &notation_},
                         Group{&angle_label_, &angle_}}) {
    separator(y - group_gap / 2 - 1);
    g.label->SetPosition(x + px(kLabelColumn), y);
    g.radios->SetPosition(x + px(kControlColumn), y);
    y += g.radios->Height() + group_gap;
  }
  separator(y - group_gap / 2 - 1);

  precision_label_.SetPosition(x + px(kLabelColumn), y + px(4));
  precision_.Widget::SetPosition(x + px(kControlColumn),
                                 y + (px(rows.precision) - precision_.Height()) / 2);
  y += px(rows.precision);
  separator(y);
  y += group_gap;

  show_zeros_.SetPosition(x + px(kLabelColumn), y);
  color_parentheses_.SetPosition(x + px(kSecondColumn), y);
  y += px(rows.check);
  smart_solve_.SetPosition(x + px(kLabelColumn), y);
  font_choice_.SetPosition(x + px(kSecondColumn), y);
  y += px(rows.check);
  always_radians_.SetPosition(x + px(kLabelColumn), y);
  if (compact_) {
    // Short screens: the colour shares the last check-box row when its label
    // fits there, else it takes a row of its own; Fullscreen goes beside the
    // font choice.
    const ui::TextRenderer* text_font = ui::CurrentFont();
    const auto width_of = [&](std::u16string_view t) {
      return text_font ? text_font->TextWidth(t) : 0;
    };
    ui::ColorSelector& shown = answer_colour_.Visible() ? answer_colour_ : cell_colour_;
    int colour_x = always_radians_.X() + px(kCheckBoxSize + 8) + width_of(always_radians_.Text());
    int colour_y = y - px(1);
    if (colour_x + px(kSwatchSize + 8) + width_of(shown.Text()) > content.right) {
      y += px(rows.check);
      colour_x = x + px(kLabelColumn);
      colour_y = y;
    }
    answer_colour_.SetPosition(colour_x, colour_y);
    cell_colour_.SetPosition(colour_x, colour_y);
    fullscreen_.SetPosition(
        font_choice_.X() + px(kCheckBoxSize + 16) + width_of(font_choice_.Text()),
        font_choice_.Y());
    y += px(rows.check) + group_gap / 2;
    separator(y - 1);
  } else {
    y += px(rows.check) + group_gap / 2;
    separator(y - 1);
    y += group_gap / 2;
    answer_colour_.SetPosition(x + px(kLabelColumn), y);
    cell_colour_.SetPosition(x + px(kLabelColumn), y);
    fullscreen_.SetPosition(x + px(kSecondColumn), y + px(2));
    y += std::max(answer_colour_.Height(), px(18)) + px(2);
  }
  note_.SetPosition(x + px(kLabelColumn), y);
  // The note wraps to the content width; leave it out when it would not fit.
  const ui::TextRenderer* font = ui::CurrentFont();
  const int line = font ? font->LineHeight() : px(12);
  const int note_width = font ? font->TextWidth(kNote) : 0;
  const int available = content.Width() - px(kLabelColumn) * 2;
  const int lines = available > 0 ? (note_width + available - 1) / available : 99;
  note_shown_ = fullscreen_.Visible() && y + lines * line <= content.bottom;
  note_.SetVisible(note_shown_);
}

void SettingsScreen::WriteBack() {
  ui::ProgramSettings& s = ui::Settings();
  if (s.style_index == ui::kStyleClassic) {
    s.answer_color = answer_colour_.Value();
  } else {
    s.cell_color1 = cell_colour_.Value();
  }
  const bool high = ui::Ui().high_resolution;
  if (!high) s.use_large_font = font_choice_.Checked();
  s.show_zeros = show_zeros_.Checked();
  s.use_color_parenthesis = color_parentheses_.Checked();
  s.precision = float_precision_ ? ui::kFloatPrecision : precision_.Position();
  if (number_mode_.Selected() >= 0) s.number_mode = number_mode_.Selected();
  if (notation_.Selected() >= 0) s.notation = notation_.Selected();
  if (angle_.Selected() >= 0) s.angle_mode = angle_.Selected();
  s.always_graph_in_radians = always_radians_.Checked();
  s.use_smart_solve = smart_solve_.Checked();
  if (high) s.use_small_font = font_choice_.Checked();
}

template <class F>
void SettingsScreen::ForEachWidget(F&& f) const {
  // An open palette lies over everything: the colour selectors come first.
  for (const ui::Widget* w : std::initializer_list<const ui::Widget*>{
           &answer_colour_, &cell_colour_, &number_label_, &number_mode_, &notation_label_,
           &notation_, &angle_label_, &angle_, &precision_label_, &precision_, &show_zeros_,
           &color_parentheses_, &smart_solve_, &font_choice_, &always_radians_, &fullscreen_,
           &note_}) {
    f(const_cast<ui::Widget&>(*w));
  }
}

void SettingsScreen::LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) {
  Build();
  Place(content);
  WriteBack();
  for (int i = 0; i < separator_count_; ++i) {
    const draw::Rect line = draw::Rect::FromSize(content.left, separators_[i], content.Width(), 1);
    surface.FillRect(&line, kSeparatorColour);
  }
  ForEachWidget([&](ui::Widget& w) { w.Draw(surface); });
  DrawTexts(surface);
  for (ui::ColorSelector* selector : {&answer_colour_, &cell_colour_}) {
    if (selector->Visible() && selector->IsOpen()) selector->DrawPalette(surface);
  }
}

void SettingsScreen::DrawTexts(draw::Surface& surface) {
  ui::TextRenderer* font = ui::CurrentFont();
  if (!font) return;
  const ui::ProgramSettings& s = ui::Settings();
  const auto px = [](int small) { return ui::ScaledPx(small); };
  const std::int32_t example_colour =
      s.style_index == ui::kStyleClassic ? static_cast<std::int32_t>(s.answer_color) : 0x000000;
  font->SetTarget(&surface);
  // Examples stand in their column, moved left when they would leave the screen.
  const auto example = [&](std::u16string_view text, int y) {
    const int x = std::min(content_.left + px(kExampleColumn),
                           content_.right - font->TextWidth(text) - px(2));
    font->DrawPlain(text, x, y, example_colour);
  };
  const int middle = number_mode_.Height() / 3;
  example(NumberModeExample(s.number_mode), number_mode_.Y() + middle);
  example(NotationExample(s.notation), notation_.Y() + middle);
  example(AngleExample(s.angle_mode), angle_.Y() + angle_.Height() / 4);

  if (shown_precision_ != s.precision) {
    // Measured and printed once per change, not every frame.
    shown_precision_ = s.precision;
    precision_text_ = s.precision < 0 ? u"Float" : std::u16string(1, u'0' + s.precision);
    if (s.precision == 10) precision_text_ = u"10";
    pi_text_ = PiAt(s.precision);
  }
  const int text_y = precision_label_.Y();
  const int value_x = precision_.X() + precision_.Width() + px(6);
  font->DrawPlain(precision_text_, value_x, text_y, example_colour);
  // π follows the number; on narrow screens its last digits give way to "...".
  const int pi_x = value_x + font->TextWidth(precision_text_) + px(8);
  font->SetColor(example_colour);
  font->DrawPlainTruncated(pi_text_, pi_x, text_y, content_.right - pi_x - px(2));
  font->ResetColor();
  font->SetTarget(nullptr);
}

bool SettingsScreen::StylusDown(ui::Point p) {
  bool taken = false;
  ForEachWidget([&](ui::Widget& w) {
    if (!taken && w.Visible()) taken = w.StylusDown(p);
  });
  return taken;
}

bool SettingsScreen::StylusMove(ui::Point p) {
  if (precision_.Pressed()) return precision_.StylusMove(p);
  return false;
}

bool SettingsScreen::StylusUp(ui::Point p) {
  bool taken = false;
  ForEachWidget([&](ui::Widget& w) {
    if (!taken && w.Visible()) taken = w.StylusUp(p);
  });
  return taken;
}

void SettingsScreen::DescribeWidgets(ui::WidgetList& out) const {
  ForEachWidget([&](ui::Widget& w) {
    if (w.Visible()) w.Describe(out);
  });
}

}  // namespace zentrix::shell
