#include "shell/buttons/button_config_screen.h"

#include <algorithm>
#include <string>

#include "engine/core/charset.h"
#include "shell/buttons/icon_in_text.h"
#include "ui/core/ui_state.h"
#include "ui/skin/skin_geometry.h"

namespace zentrix::shell {
namespace {

constexpr draw::Color kSeparatorColour = 0x7D7D7D;
constexpr int kListColumn = 90;
constexpr int kRowPitch = 25;
constexpr int kShortRowPitch = 17;  // landscape screens: the list would push the rest off
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

ButtonConfigScreen::~ButtonConfigScreen() {
  bindings_.Save(registry_);
}

void ButtonConfigScreen::Build() {
  if (built_) return;
  built_ = true;
  title_.SetCentred(true);
  for (ui::Label* help : {&select_help_, &bind_help_}) {
    help->SetAcceptsInput(false);
  }
  for (ui::Label& name : key_names_) name.SetAcceptsInput(false);
  title_.SetAcceptsInput(false);
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

void ButtonConfigScreen::LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) {
  Build();
  RefreshKeyNames();
  const auto px = [](int small) { return ui::ScaledPx(small); };
  const int left = content.left + px(4);
  const bool short_screen = content.Height() < px(260);
  const int pitch = px(short_screen ? kShortRowPitch : kRowPitch);
  int y = content.top + px(4);

  title_.SetPosition(left, y);
  title_.Draw(surface);
  y += std::max(title_.Height(), px(12)) + px(4);
  separators_[0] = y;
  y += px(6);

  if (commands_.Count() == 0) {
    for (int i = 0; i < kButtonCommandCount; ++i) {
      commands_.Add(0, pitch * i, std::u16string(kButtonCommandLabels[i]));
    }
    commands_.Select(kTakeScreenshot);
  }
  commands_.SetPosition(content.left + px(kListColumn), y);
  for (int i = 0; i < kButtonCommandCount; ++i) {
    key_names_[i].SetPosition(left, y + pitch * i + px(1));
    key_names_[i].Draw(surface);
  }
  commands_.Draw(surface);
  y += commands_.Height() + px(4);
  separators_[1] = y;
  y += px(4);

  for (ui::Label* help : {&select_help_, &bind_help_}) {
    help->SetPosition(left, y);
    help->Draw(surface);
    y += help->Height() + px(3);
  }
  separators_[2] = y;
  y += px(4);
  close_note_ = DrawIconInText(surface, kCloseNote, left, y, ui::kNoColor);
  y = close_note_.bottom + px(4);
  close_mode_.SetPosition(left + px(20), y);
  close_mode_.Draw(surface);
  separators_[3] = close_mode_.Y() + close_mode_.Height() + px(3);

  for (int at : separators_) {
    const draw::Rect line = draw::Rect::FromSize(content.left, at, content.Width(), 1);
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
  select_help_.Describe(out);
  bind_help_.Describe(out);
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
