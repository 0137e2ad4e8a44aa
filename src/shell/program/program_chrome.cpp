#include "shell/program/program_chrome.h"

#include <utility>

#include "ui/core/ui_state.h"
#include "ui/skin/skin_geometry.h"
#include "ui/widgets/keyboard.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/screen_bar.h"

namespace zentrix::shell {

struct ProgramChrome::Parts {
  ui::ScreenBar screen_bar;
  ui::MainMenu main_menu;
  ui::OnScreenKeyboard keyboard;
  ui::MessageBox message_box;
  tutorials::TutorialOverlay overlay;
  int screen_width = 0;
  int screen_height = 0;
  bool keyboard_shown = false;

  std::optional<int> screen_request;
  bool style_toggle = false;
  bool close_request = false;
  std::optional<ui::MenuCommand> command;
};

ProgramChrome::ProgramChrome() : parts_(std::make_unique<Parts>()) {
  Parts& p = *parts_;
  p.screen_bar.SetOnSelect([&p](int screen) { p.screen_request = screen; });
  p.screen_bar.SetOnStyleToggle([&p] { p.style_toggle = true; });
  p.screen_bar.SetOnClose([&p] { p.close_request = true; });
  p.main_menu.SetOnCommand([this](ui::MenuCommand command) {
    if (command == ui::MenuCommand::kToggleKeyboard) {
      SetKeyboardShown(!parts_->keyboard_shown);
      return;
    }
    parts_->command = command;
  });
  p.message_box.Hide();
}

ProgramChrome::~ProgramChrome() = default;

void ProgramChrome::Build(int screen_width, int screen_height, ui::StylusRouter& router) {
  Parts& p = *parts_;
  p.screen_width = screen_width;
  p.screen_height = screen_height;
  p.screen_bar.Place(screen_width);
  p.main_menu.Place(screen_width, screen_height);
  const int top = p.screen_bar.Height();
  const int bottom = p.main_menu.Y();
  content_ = draw::Rect{0, top, screen_width, bottom};
  const int keyboard_width = ui::ScaledPx(ui::kKeyboardWidth);
  const int keyboard_height = ui::ScaledPx(ui::kKeyboardHeight);
  p.keyboard.Place((screen_width - keyboard_width) / 2, bottom - keyboard_height);
  p.keyboard.SetVisible(p.keyboard_shown);

  router.SetSlot(ui::RouteSlot::kMessageBox, &p.message_box);
  router.SetSlot(ui::RouteSlot::kMainMenu, &p.main_menu);
  router.SetSlot(ui::RouteSlot::kScreenBar, &p.screen_bar);
  router.SetSlot(ui::RouteSlot::kKeyboard, &p.keyboard);
  router.SetSlot(ui::RouteSlot::kTutorialOverlay, &p.overlay);
}

void ProgramChrome::SetCurrentScreen(int index) {
  parts_->screen_bar.SetCurrent(index);
  parts_->main_menu.CloseMenu();
}

void ProgramChrome::SetScreen(const ui::Screen* screen) { parts_->main_menu.SetScreen(screen); }

void ProgramChrome::SetKeyboardShown(bool shown) {
  parts_->keyboard_shown = shown;
  parts_->keyboard.SetVisible(shown);
}

bool ProgramChrome::KeyboardShown() const { return parts_->keyboard_shown; }

void ProgramChrome::Draw(draw::Surface& surface) {
  Parts& p = *parts_;
  if (p.keyboard_shown) p.keyboard.Draw(surface);
  p.screen_bar.Draw(surface);
  p.main_menu.Draw(surface);
  p.overlay.Draw(surface);
  if (p.message_box.Shown()) p.message_box.Draw(surface);
}

void ProgramChrome::ShowMessage(std::u16string text, bool yes_no,
                                std::function<void(bool)> on_result) {
  parts_->message_box.Show(std::move(text),
                           yes_no ? ui::MessageBox::Buttons::kYesNo : ui::MessageBox::Buttons::kOk,
                           std::move(on_result));
}

std::optional<int> ProgramChrome::TakeScreenRequest() {
  return std::exchange(parts_->screen_request, std::nullopt);
}

bool ProgramChrome::TakeStyleToggle() { return std::exchange(parts_->style_toggle, false); }

bool ProgramChrome::TakeCloseRequest() { return std::exchange(parts_->close_request, false); }

std::optional<ui::MenuCommand> ProgramChrome::TakeMenuCommand() {
  return std::exchange(parts_->command, std::nullopt);
}

std::optional<draw::Rect> ProgramChrome::ScreenIcon(int index) const {
  if (index < 0 || index >= ui::ScreenBar::kScreenCount || !parts_->screen_bar.Visible()) {
    return std::nullopt;
  }
  const draw::Rect r = parts_->screen_bar.IconRect(index);
  if (r.Empty()) return std::nullopt;
  return r;
}

tutorials::TutorialOverlay& ProgramChrome::Overlay() { return parts_->overlay; }

ui::MainMenu& ProgramChrome::MenuBar() { return parts_->main_menu; }

bool ProgramChrome::MessageBoxShown() const { return parts_->message_box.Shown(); }

void ProgramChrome::DescribeMessageBox(ui::JsonWriter& json) const {
  parts_->message_box.WriteState(json);
}

}  // namespace zentrix::shell
