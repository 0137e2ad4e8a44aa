#include "shell/program/calculator_program.h"

#include "draw/current_surface.h"
#include "draw/image_io.h"
#include "engine/core/charset.h"
#include "platform/home_folder.h"
#include "platform/platform.h"
#include "shell/buttons/button_config_screen.h"
#include "shell/program/graph_screens_factory.h"
#include "shell/program/notes_screen_factory.h"
#include "shell/screens/about_screen.h"
#include "shell/screens/calculator_screen.h"
#include "shell/screens/settings_screen.h"
#include "shell/screens/tutored_grapher_screen.h"
#include "shell/screenshots/screenshot_screen.h"
#include "shell/screenshots/storage_cards.h"
#include "shell/settings/settings_store.h"
#include "shell/skins/skin_choice.h"
#include "ui/core/focus.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"
#include "ui/widgets/text_box.h"

namespace zentrix::shell {
namespace {

std::string EncodeProgramText(std::u16string_view text) { return chars::ToUtf8(text); }

ui::KeyEvent ToKeyEvent(const platform::Event& key) {
  ui::KeyEvent event;
  event.code = key.key;
  event.shift = key.modifiers.shift;
  event.control = key.modifiers.control;
  event.caps_lock = key.modifiers.caps_lock;
  return event;
}

}  // namespace

CalculatorProgram::CalculatorProgram(const ApplicationConfig& config, const ProgramOptions& options)
    : Application(config),
      options_(options),
      registry_(platform::RegistryPathIn(config.home_folder)),
      clipboard_(config.platform),
      screenshots_(config.home_folder, FindStorageCards()) {
  // Before any caller's own factories and hooks, which then take their place.
  InstallGraphScreens(*this);
}

CalculatorProgram::~CalculatorProgram() {
  // The toolkit's state points into this program's skin and clipboard.
  ui::UseSkin(nullptr);
  ui::Ui().clipboard = nullptr;
  ui::Focus(nullptr);
}

void CalculatorProgram::SetScreenFactory(int index, ScreenFactory factory) {
  if (index >= 0 && index < kScreenCount) factories_[index] = std::move(factory);
}

draw::DrawResult CalculatorProgram::Initialise() {
  if (initialised_) return draw::kOk;  // the surfaces came back: nothing to rebuild
  draw::Surface& back_buffer = Display().BackBuffer();
  back_buffer_ = &back_buffer;
  square_ = back_buffer.Width() == back_buffer.Height();
  ui::Ui().clipboard = &clipboard_;
  ui::Ui().encoder = &EncodeProgramText;

  ui::ProgramSettings& settings = ui::Settings();
  LoadSettings(registry_, settings);
  if (Config().windowed) LoadWindowRectangle();
  if (options_.style_index) settings.style_index = *options_.style_index;
  ApplyEngineSettings(settings);

  LoadSkin();
  ComputeLayout(back_buffer);
  draw::current::Select(&back_buffer);
  current_ = kCalculatorScreen;
  CreateScreens();
  router_.SetScreen(CurrentScreen());
  RouteButtonPad();
  chrome_.SetScreen(CurrentScreen());
  chrome_.SetCurrentScreen(current_);
  CurrentScreen()->Enter();
  initialised_ = true;
  return draw::kOk;
}

void CalculatorProgram::SaveWindowRectangle() {
  int x = 0, y = 0, width = 0, height = 0;
  if (Platform().IsHeadless() || !Platform().WindowRect(&x, &y, &width, &height)) return;
  auto file = registry_.Open();
  if (!file) return;
  file->SetDword(kProgramKey, "X", static_cast<std::uint32_t>(x));
  file->SetDword(kProgramKey, "Y", static_cast<std::uint32_t>(y));
  file->SetDword(kProgramKey, "Width", static_cast<std::uint32_t>(width));
  file->SetDword(kProgramKey, "Height", static_cast<std::uint32_t>(height));
  registry_.Store(*file);
}

void CalculatorProgram::LoadWindowRectangle() {
  auto file = registry_.Open();
  if (!file || Platform().IsHeadless()) return;
  auto value = [&](const char* name) {
    return static_cast<std::int32_t>(file->GetDword(kProgramKey, name).value_or(0xFFFFFFFFu));
  };
  const int x = value("X"), y = value("Y"), width = value("Width"), height = value("Height");
  // A stored place is taken only when it is on the desktop and of a sane size.
  if (x < 0 || y < 0 || width < 0 || width > 4000 || height < 0 || height > 4000) return;
  Platform().PlaceWindow(x, y);
  // The size the person gave the window, unless `--scale` asks for another.
  if (options_.scale == 0) Platform().SizeWindow(width, height);
}

void CalculatorProgram::LoadSkin() {
  const draw::Surface& back_buffer = Display().BackBuffer();
  const ui::SkinSize size = SkinSizeFor(back_buffer.Width(), back_buffer.Height());
  const ui::SkinStyle style = SkinStyleFor(ui::Settings().style_index);
  if (skin_folder_.empty()) {
    skin_folder_ = FindSkinFolder(SkinFolderCandidates(options_.skins),
                                  std::string(ui::SkinFor(size, style).archive));
  }
  // A missing archive leaves every image missing; widgets then draw text only.
  skin_.Load(skin_folder_, size, style);
  ui::UseSkin(&skin_);
}

void CalculatorProgram::ComputeLayout(const draw::Surface& back_buffer) {
  chrome_.Build(back_buffer.Width(), back_buffer.Height(), router_);
  content_ = chrome_.Content();
}

void CalculatorProgram::CreateScreens() {
  screens_[kAboutScreen] = std::make_unique<AboutScreen>();
  screens_[kCalculatorScreen] = std::make_unique<CalculatorScreen>(*this);
  screens_[kSettingsScreen] = std::make_unique<SettingsScreen>(
      registry_, Display().BackBuffer().Width(), Display().BackBuffer().Height());
  screens_[kScreenshotsScreen] =
      std::make_unique<ScreenshotScreen>(screenshots_, registry_, square_);
  screens_[kButtonsScreen] = std::make_unique<ButtonConfigScreen>(buttons_, registry_, Keys());
  if (!factories_[kNotesScreen]) factories_[kNotesScreen] = MakeNotesScreen;
  // A button bound to Solve answers as the calculator's action element does.
  if (!button_hooks_.solve) {
    button_hooks_.solve = [this] {
      if (screens_[kCalculatorScreen]) {
        screens_[kCalculatorScreen]->OnMenuCommand(ui::MenuCommand::kAction);
      }
    };
  }
  for (int i : {kScreenshotsScreen, kButtonsScreen, kCalculatorScreen, kSettingsScreen}) {
    if (factories_[i]) screens_[i] = factories_[i](*this);
  }
}

void CalculatorProgram::RouteButtonPad() {
  router_.SetSlot(ui::RouteSlot::kButtonPad, current_ == kCalculatorScreen ? button_pad_ : nullptr);
}

bool CalculatorProgram::SwitchTo(int index) {
  if (index < 0 || index >= kScreenCount) return false;
  if (!screens_[index]) {
    if (!factories_[index]) return false;
    screens_[index] = factories_[index](*this);
    if (!screens_[index]) return false;
  }
  current_ = index;
  ui::Focus(nullptr);
  // The on-screen keyboard belongs to the screen it was opened on.
  chrome_.SetKeyboardShown(false);
  router_.SetScreen(screens_[index].get());
  RouteButtonPad();
  chrome_.SetScreen(screens_[index].get());
  chrome_.SetCurrentScreen(index);
  screens_[index]->Enter();
  return true;
}

void CalculatorProgram::ToggleStyle() {
  if (full_screen_graph_ && full_screen_graph_().shown) return;
  ui::ProgramSettings& settings = ui::Settings();
  settings.style_index =
      settings.style_index == ui::kStyleClassic ? ui::kStyleBright : ui::kStyleClassic;
  LoadSkin();
  ComputeLayout(Display().BackBuffer());
  if (screens_[kSettingsScreen] && current_ != kSettingsScreen) screens_[kSettingsScreen]->Enter();
  CurrentScreen()->Enter();
}

void CalculatorProgram::ExitCommand() {
  SaveSettings(registry_, ui::Settings(), current_);
  exiting_ = true;
}

draw::DrawResult CalculatorProgram::Frame(draw::Surface& back_buffer, std::uint32_t) {
  if (exiting_) {
    RequestQuit();
    return draw::kOk;
  }
  // Before anything is drawn: a screenshot shows the frame the person saw.
  screenshots_.Capture(back_buffer);
  draw::current::Select(&back_buffer);
  const ui::ProgramSettings& settings = ui::Settings();
  draw::Color background = skin_.Palette().background;
  if (full_screen_graph_) {
    if (const FullScreenGraph graph = full_screen_graph_(); graph.shown && graph.background) {
      background = *graph.background;
    }
  }
  back_buffer.FillRect(nullptr, background);
  ui::Screen* screen = CurrentScreen();
  screen->LayoutAndDraw(back_buffer, content_);
  chrome_.Draw(back_buffer);
  // The settings screen writes its controls back while drawing; every other
  // screen and the engine see the change from this frame on.
  ApplyEngineSettings(settings);
  return draw::kOk;
}

void CalculatorProgram::AfterInput() {
  if (auto index = chrome_.TakeScreenRequest()) SwitchTo(*index);
  if (chrome_.TakeStyleToggle()) ToggleStyle();
  if (chrome_.TakeCloseRequest()) CloseButton();
  if (auto command = chrome_.TakeMenuCommand()) RunMenuCommand(*command);
}

void CalculatorProgram::CloseButton() {
  if (buttons_.Close() == CloseMode::kMinimize) {
    RequestSuspend();
  } else {
    ExitCommand();
  }
}

void CalculatorProgram::RunMenuCommand(ui::MenuCommand command) {
  using ui::MenuCommand;
  if (command == MenuCommand::kExit) {
    ExitCommand();
    return;
  }
  if (CurrentScreen()->OnMenuCommand(command)) return;
  switch (command) {
    case MenuCommand::kCut: ui::Cut(); break;
    case MenuCommand::kCopy: ui::Copy(); break;
    case MenuCommand::kPaste: ui::Paste(); break;
    case MenuCommand::kClear: ui::ClearText(); break;
    default: break;
  }
}

void CalculatorProgram::KeyDown(const platform::Event& key, const draw::KeyList&) {
  if (exiting_) {
    RequestQuit();
    return;
  }
  // A bound application button acts first, then goes on like any key.
  RunBoundCommand(buttons_, key.key, current_, button_hooks_,
                  {[this] { screenshots_.ButtonDown(); }, [this] { RequestSuspend(); }});
  const ui::KeyEvent event = ToKeyEvent(key);
  if (chrome_.Overlay().KeyDown(event)) return;
  // A desktop keyboard's character comes as text of its own (in the person's
  // keyboard layout); the key itself must not type it too.
  const ui::UiState& ui = ui::Ui();
  if (key.text_follows && ui::Focused() && key.key != ui.caret_left_key &&
      key.key != ui.caret_right_key) {
    return;
  }
  if (ui::HandleTextKey(event)) return;
  CurrentScreen()->KeyDown(event);
}

void CalculatorProgram::KeyUp(const platform::Event& key, const draw::KeyList&) {
  if (buttons_.CommandOf(key.key) == kTakeScreenshot) screenshots_.ButtonUp();
}

void CalculatorProgram::TextInput(std::string_view utf8) {
  if (exiting_) return;
  TypeText(ProgramTextFromUtf8(utf8));
}

void CalculatorProgram::StylusDown(int x, int y) {
  if (exiting_) {
    RequestQuit();
    return;
  }
  router_.StylusDown({x, y});
  AfterInput();
}

void CalculatorProgram::StylusUp(int x, int y) {
  router_.StylusUp({x, y});
  AfterInput();
}

void CalculatorProgram::StylusMove(int x, int y) { router_.StylusMove({x, y}); }

void CalculatorProgram::Wheel(int x, int y, int amount) {
  // As for the stylus: nothing scrolls behind a message box, nor outside a
  // tutorial's allowed rectangle.
  if (exiting_ || chrome_.MessageBoxShown()) return;
  const ui::TutorialRestriction& tutorial = ui::Ui().tutorial;
  if (tutorial.active && !tutorial.allowed.Contains(x, y)) return;
  router_.Wheel({x, y}, amount);
}

void CalculatorProgram::BeforeExit() {
  if (initialised_ && Config().windowed) SaveWindowRectangle();
}

void CalculatorProgram::Destroy() {
  // Nothing was loaded when start-up failed: saving now would overwrite the
  // stored settings with defaults.
  if (!initialised_) return;
  EndTutorials();
  registry_.BeginBatch();
  SaveSettings(registry_, ui::Settings(), current_);
  RememberNotesFile(*this);
  if (auto* calculator = dynamic_cast<CalculatorScreen*>(screens_[kCalculatorScreen].get())) {
    calculator->SaveOnExit();
  }
  CloseGraphScreens(*this);
  registry_.EndBatch();
}

void CalculatorProgram::EndTutorials() {
  // Before anything is saved: a tutorial's notebook or graphs are never kept
  // as the person's.
  if (auto* calculator = dynamic_cast<CalculatorScreen*>(screens_[kCalculatorScreen].get())) {
    calculator->Tutorials().Abandon();
  }
  for (int index : {kGrapher2DScreen, kGrapher3DScreen}) {
    if (auto* grapher = dynamic_cast<TutoredGrapherScreen*>(screens_[index].get())) {
      grapher->Tutorial().Abandon();
    }
  }
}

void CalculatorProgram::DescribeWidgets(ui::WidgetList& out) { router_.DescribeAll(out); }

std::optional<draw::Rect> CalculatorProgram::ScreenIcon(int index) {
  return chrome_.ScreenIcon(index);
}

bool CalculatorProgram::TypeText(std::u16string_view text) {
  if (!ui::Focused()) return false;
  // As the keyboard: nothing reaches a box behind a message box.
  if (ui::KeysReachFocus()) ui::InsertText(ui::ProgramText(text));
  return true;
}

bool CalculatorProgram::SaveShot(const std::string& path, std::string* error) {
  const draw::DrawResult r =
      draw::SaveImage(Display().BackBuffer(), path, draw::image_format::kPng);
  if (draw::Failed(r)) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08x", static_cast<unsigned>(r));
    *error = "cannot write " + path + " (" + code + ")";
    return false;
  }
  return true;
}

}  // namespace zentrix::shell
