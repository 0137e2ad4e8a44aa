#pragma once
// The calculator program: the Application's hooks filled with the settings,
// the skin, the screen bar, the main menu, the on-screen keyboard, the message
// box and the eight screens, and the automation interface the headless runner
// drives.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "shell/app/application.h"
#include "shell/automation/automation_host.h"
#include "shell/buttons/button_bindings.h"
#include "shell/buttons/button_dispatch.h"
#include "shell/program/clipboard_bridge.h"
#include "shell/program/options.h"
#include "shell/program/program_chrome.h"
#include "shell/program/screen_index.h"
#include "shell/screenshots/screenshots.h"
#include "shell/settings/registry.h"
#include "ui/core/screen.h"
#include "ui/core/stylus_router.h"
#include "ui/skin/skin.h"

namespace zentrix::shell {

class CalculatorProgram : public Application, public AutomationHost {
 public:
  using ScreenFactory = std::function<std::unique_ptr<ui::Screen>(CalculatorProgram&)>;

  CalculatorProgram(const ApplicationConfig& config, const ProgramOptions& options);
  ~CalculatorProgram() override;

  // A screen made the first time it is shown (graphers and notes); screens
  // without a factory leave their icon doing nothing.
  void SetScreenFactory(int index, ScreenFactory factory);

  // What a grapher reports while it shows a graph over the whole screen: the
  // style toggle waits, and the 3D grapher's background replaces the skin's.
  struct FullScreenGraph {
    bool shown = false;
    std::optional<draw::Color> background;
  };
  void SetFullScreenGraphQuery(std::function<FullScreenGraph()> query) {
    full_screen_graph_ = std::move(query);
  }

  int CurrentIndex() const { return current_; }
  ui::Screen* CurrentScreen() const { return screens_[current_].get(); }
  ui::Screen* ScreenAt(int index) const { return screens_[index].get(); }
  // Makes the screen current (creating it on first use) and enters it; false
  // when the screen does not exist.
  bool SwitchTo(int index);
  // Flips the style between Classic and Bright and reloads the skin.
  void ToggleStyle();
  // File/Exit: saves the settings; the next frame ends the program.
  void ExitCommand();
  const shell::Registry& Registry() const { return registry_; }
  // The application buttons: their bindings, and the hooks through which the
  // calculator and the graphers take the commands bound to them.
  ButtonBindings& Buttons() { return buttons_; }
  ButtonHooks& ButtonCommandHooks() { return button_hooks_; }
  Screenshots& Shots() { return screenshots_; }
  ui::Skin& Skin() { return skin_; }
  // The folder the skin archives (and the pad's label fonts) come from.
  const std::string& SkinFolder() const { return skin_folder_; }
  // The calculator's button pad, routed while the calculator screen is current.
  void SetButtonPad(ui::Widget* pad) {
    button_pad_ = pad;
    RouteButtonPad();
  }
  ui::Widget* ButtonPad() const { return button_pad_; }
  bool KeyboardShown() const { return chrome_.KeyboardShown(); }
  // Shows the message box; `on_result` hears the answer (true: Yes or OK).
  void ShowMessage(std::u16string text, bool yes_no, std::function<void(bool)> on_result = {}) {
    chrome_.ShowMessage(std::move(text), yes_no, std::move(on_result));
  }
  bool MessageShown() const { return chrome_.MessageBoxShown(); }
  // The tutorial overlay and the menu bar its scripts point into.
  tutorials::TutorialOverlay& Overlay() { return chrome_.Overlay(); }
  ui::MainMenu& MenuBar() { return chrome_.MenuBar(); }
  // Puts the button pad back in place of the on-screen keyboard.
  void HideKeyboard() { chrome_.SetKeyboardShown(false); }
  bool Square() const { return square_; }
  draw::Rect ContentRect() const { return content_; }

  // AutomationHost.
  void DescribeWidgets(ui::WidgetList& out) override;
  std::optional<draw::Rect> ScreenIcon(int index) override;
  bool TypeText(std::u16string_view text) override;
  bool SaveShot(const std::string& path, std::string* error) override;
  std::string Dump() override;
  void Exit() override { ExitCommand(); }

 protected:
  draw::DrawResult Initialise() override;
  draw::DrawResult Frame(draw::Surface& back_buffer, std::uint32_t flags) override;
  void KeyDown(const platform::Event& key, const draw::KeyList& keys) override;
  void KeyUp(const platform::Event& key, const draw::KeyList& keys) override;
  void TextInput(std::string_view utf8) override;
  void StylusDown(int x, int y) override;
  void StylusUp(int x, int y) override;
  void StylusMove(int x, int y) override;
  void Wheel(int x, int y, int amount) override;
  void BeforeExit() override;
  void Destroy() override;

 private:
  // The window's place, kept in the registry between runs.
  void SaveWindowRectangle();
  void LoadWindowRectangle();
  void LoadSkin();
  void CreateScreens();
  void ComputeLayout(const draw::Surface& back_buffer);
  void AfterInput();
  void RunMenuCommand(ui::MenuCommand command);
  void CloseButton();
  void RouteButtonPad();
  // Ends a running tutorial, putting back what it changed.
  void EndTutorials();

  ProgramOptions options_;
  shell::Registry registry_;
  ClipboardBridge clipboard_;
  // Before the screens: their screens save them when they go.
  ButtonBindings buttons_;
  ButtonHooks button_hooks_;
  Screenshots screenshots_;
  ui::Skin skin_;
  std::string skin_folder_;
  ui::StylusRouter router_;
  ProgramChrome chrome_;
  std::array<std::unique_ptr<ui::Screen>, kScreenCount> screens_;
  std::array<ScreenFactory, kScreenCount> factories_;
  std::function<FullScreenGraph()> full_screen_graph_;
  ui::Widget* button_pad_ = nullptr;
  int current_ = kCalculatorScreen;
  draw::Rect content_;
  draw::Surface* back_buffer_ = nullptr;
  bool square_ = false;
  bool initialised_ = false;
  bool exiting_ = false;
};

}  // namespace zentrix::shell
