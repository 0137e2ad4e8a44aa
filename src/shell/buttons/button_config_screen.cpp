#include "shell/buttons/button_config_screen.h"

#include <algorithm>
#include <string>

#include "engine/core/charset.h"
#include "shell/buttons/icon_in_text.h"
#include "ui/core/ui_state.h"
#include "ui/skin/skin_geometry.h"
#include "ui/text/text_renderer.h"

namespace zentrix::shell {
namespace {

constexpr draw::Color kSeparatorColour = 0x7D7D7D;
constexpr int kListColumn = 90;
constexpr int kRowPitch = 25;
constexpr int kShortRowPitch = 15;  // landscape screens: the list would push the rest off
constexpr std::u16string_view kButtonPrefix = u"Button: ";
constexpr IconInText kCloseNote{u"Set the close button", ui::SkinImageId::kMenuSystemIconList,
                                static_cast<int>(ui::ScreenBarIcon::kClose),
                                u"to minimize or close Zentrix."};

}  // namespace

ButtonConfigScreen::ButtonConfigScreen(ButtonBindings& bindings, const Registry& registry,
                                       const draw::KeyList& keys)
    : bindings_(bindings),
      registry_(registry),
      keys_(keys),
      title_(0, 0, u"Button Configuration"),
      select_help_(0, 0,
                   u"Press up and down on your navigation pad to select different button "
                   u"commands."),
      bind_help_(0, 0, u"Press a button to configure it to that command.") {
  bindings_.Load(registry_);
}

ButtonConfigScreen::~ButtonConfigScreen() { bindings_.Save(registry_); }

void ButtonConfigScreen::Build() {
  if (built_) return;
  built_ = true;
  title_.SetCentred(true);
  close_mode_.Add(0, 0, u"Close");
  close_mode_.Add(ui::ScaledPx(70), 0, u"Minimize");
  close_mode_.SetOnChange([this](int mode) {
    bindings_.SetClose(mode == 1 ? CloseMode::kMinimize : CloseMode::kClose);
  });
}

void ButtonConfigScreen::Enter() {
  Build();
  close_mode_.Select(bindings_.Close() == CloseMode::kMinimize ? 1 : 0);
  RefreshKeyNames();
}

void ButtonConfigScreen::RefreshKeyNames() {
  for (int i = 0; i < kButtonCommandCount; ++i) {
    const std::uint32_t key = bindings_.KeyOf(i);
    if (key == shown_keys_[i] && !key_names_[i].Text().empty()) continue;
    shown_keys_[i] = key;
    key_names_[i].SetText(std::u16string(kButtonPrefix) +
                          std::u16string(ButtonKeyName(key, keys_)));
  }
}

int ButtonConfigScreen::ListColumn(const draw::Rect& content) const {
  // The list keeps its column unless its longest command would wrap there;
  // it never moves into the key names.
  const ui::TextRenderer* font = ui::CurrentFont();
  const ui::Skin* skin = ui::Ui().skin;
  const int column = ui::ScaledPx(kListColumn);
  if (!font) return column;
  int widest = 0;
  for (std::u16string_view label : kButtonCommandLabels) {
    widest = std::max(widest, font->TextWidth(label));
  }
  const int image = skin ? skin->FrameWidth(ui::SkinImageId::kRadioButton) : ui::ScaledPx(13);
  const int fit = content.Width() - widest - image - ui::ScaledPx(10);
  const int narrowest = ui::ScaledPx(8) + font->TextWidth(u"Button: Other");
  return std::min(column, std::max(fit, narrowest));
}

void ButtonConfigScreen::AddCommands(const draw::Surface& surface, int x, int pitch) {
  // A command that wraps at the screen's edge gets the room of its second line.
  const ui::TextRenderer* font = ui::CurrentFont();
  const ui::Skin* skin = ui::Ui().skin;
  const int line = font ? font->LineHeight() : ui::ScaledPx(12);
  const int image = skin ? skin->FrameWidth(ui::SkinImageId::kRadioButton) : ui::ScaledPx(13);
  const int room = surface.Width() - (font ? font->RightMargin() : 0) - x - image - 4;
  int dy = 0;
  for (int i = 0; i < kButtonCommandCount; ++i) {
    row_y_[i] = dy;
    commands_.Add(0, dy, std::u16string(kButtonCommandLabels[i]));
    const bool wraps = font && font->TextWidth(kButtonCommandLabels[i]) > room;
    dy += wraps ? std::max(pitch, 2 * line) : pitch;
  }
  commands_.Select(kTakeScreenshot);
}

void ButtonConfigScreen::LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) {
  Build();
  RefreshKeyNames();
  const auto px = [](int small) { return ui::ScaledPx(small); };
  const int left = content.left + px(4);
  const bool short_screen = content.Height() < px(260);
  const int pitch = px(short_screen ? kShortRowPitch : kRowPitch);
  const int gap = px(short_screen ? 2 : 3);
  separator_count_ = 0;
  auto separator = [&](int at) {
    if (separator_count_ < static_cast<int>(separators_.size()))
      separators_[separator_count_++] = at;
  };
  int y = content.top + px(4);

  title_.SetPosition(left, y);
  title_.Draw(surface);
  y += std::max(title_.Height(), px(12)) + gap;
  separator(y);
  y += gap;

  const int column = ListColumn(content);
  if (commands_.Count() == 0) AddCommands(surface, content.left + column, pitch);
  commands_.SetPosition(content.left + column, y);
  for (int i = 0; i < kButtonCommandCount; ++i) {
    key_names_[i].SetPosition(left, y + row_y_[i] + px(1));
    key_names_[i].Draw(surface);
  }
  commands_.Draw(surface);
  y += commands_.Height() + gap;
  separator(y);
  y += gap;

  const auto draw_help = [&] {
    const ui::TextRenderer* font = ui::CurrentFont();
    const int line = font ? font->LineHeight() : px(12);
    const int width = std::max(content.right - left - px(4), 1);
    for (ui::Label* help : {&select_help_, &bind_help_}) {
      const int lines = font ? font->TextWidth(help->Text()) / width + 1 : 1;
      // A short screen leaves out what would run under the menu bar.
      help->SetVisible(y + lines * line <= content.bottom);
      if (!help->Visible()) continue;
      help->SetPosition(left, y);
      help->Draw(surface);
      y += help->Height() + px(1);
    }
  };
  const auto draw_close_group = [&] {
    close_note_ = DrawIconInText(surface, kCloseNote, left, y, ui::kNoColor);
    y = close_note_.bottom + gap;
    close_mode_.SetPosition(left + px(20), y);
    close_mode_.Draw(surface);
    y = close_mode_.Y() + close_mode_.Height() + px(3);
  };
  // On short screens the close button's choice comes before the help texts,
  // so that it stays on the screen.
  if (short_screen) {
    draw_close_group();
    separator(y);
    y += gap;
    draw_help();
  } else {
    draw_help();
    separator(y);
    y += gap;
    draw_close_group();
    separator(y);
  }

  for (int i = 0; i < separator_count_; ++i) {
    const draw::Rect line = draw::Rect::FromSize(content.left, separators_[i], content.Width(), 1);
    surface.FillRect(&line, kSeparatorColour);
  }
}

bool ButtonConfigScreen::StylusDown(ui::Point p) {
  return commands_.StylusDown(p) || close_mode_.StylusDown(p);
}

bool ButtonConfigScreen::StylusUp(ui::Point p) {
  return commands_.StylusUp(p) || close_mode_.StylusUp(p);
}

bool ButtonConfigScreen::KeyDown(const ui::KeyEvent& key) {
  if (commands_.Count() == 0) return false;  // not drawn yet
  const int selected = std::max(commands_.Selected(), 0);
  if (key.code == keys_.up) {
    commands_.Select(std::max(selected - 1, 0));
    return true;
  }
  if (key.code == keys_.down) {
    commands_.Select(std::min(selected + 1, kButtonCommandCount - 1));
    return true;
  }
  if (!IsApplicationButton(key.code, keys_)) return false;
  if (bindings_.KeyOf(selected) != static_cast<std::uint32_t>(key.code)) {
    bindings_.Bind(selected, static_cast<std::uint32_t>(key.code));
  }
  return true;
}

void ButtonConfigScreen::DescribeWidgets(ui::WidgetList& out) const {
  title_.Describe(out);
  for (const ui::Label& name : key_names_) name.Describe(out);
  commands_.Describe(out);
  if (select_help_.Visible()) select_help_.Describe(out);
  if (bind_help_.Visible()) bind_help_.Describe(out);
  ui::WidgetInfo note;
  note.kind = "label";
  note.text = std::u16string(kCloseNote.before) + u" " + std::u16string(kCloseNote.after);
  note.rect = close_note_;
  out.push_back(std::move(note));
  close_mode_.Describe(out);
}

bool ButtonConfigScreen::DescribeState(ui::JsonWriter& json) const {
  json.BeginObject().Key("bindings").BeginArray();
  for (int i = 0; i < kButtonCommandCount; ++i) {
    json.String(chars::ToUtf8(ButtonKeyName(bindings_.KeyOf(i), keys_)));
  }
  json.EndArray();
  json.Key("close").String(bindings_.Close() == CloseMode::kMinimize ? "Minimize" : "Close");
  json.EndObject();
  return true;
}

}  // namespace zentrix::shell
