#include "shell/screens/calculator_screen.h"

#include <algorithm>

#include "engine/core/answer_text.h"
#include "engine/core/charset.h"
#include "shell/program/calculator_program.h"
#include "ui/core/key_event.h"
#include "ui/core/ui_state.h"
#include "ui/skin/skin_geometry.h"

namespace zentrix::shell {

notebook::CalculatorOptions CalculatorOptionsFrom(const ui::ProgramSettings& settings) {
  notebook::CalculatorOptions options;
  options.entry.number_mode = static_cast<engine::NumberMode>(settings.number_mode);
  options.entry.decimal.precision = settings.precision;
  options.entry.decimal.notation = static_cast<engine::Notation>(settings.notation);
  options.entry.decimal.show_zeros = settings.show_zeros;
  options.entry.smart_solve = settings.use_smart_solve;
  options.use_small_font = settings.use_small_font;
  options.use_large_font = settings.use_large_font;
  options.color_parentheses = settings.use_color_parenthesis;
  options.answer_color = static_cast<std::int32_t>(settings.answer_color);
  options.cell_color = settings.cell_color1;
  return options;
}

namespace {

constexpr char kCalculatorFileValue[] = "CalculatorFile";

}  // namespace

CalculatorScreen::CalculatorScreen(CalculatorProgram& program) : program_(program) {
  program_.SetButtonPad(&panel_.Pad());
  panel_.SetOptions(CalculatorOptionsFrom(ui::Settings()));
  panel_.SetFileServices(program_.Config().home_folder,
                         [this](const std::u16string& text) { program_.ShowMessage(text, false); });
  // The notebook of the last run.
  if (auto file = program_.Registry().Open()) {
    if (auto name = file->GetString(kProgramKey, kCalculatorFileValue)) {
      panel_.OpenNamed(chars::FromUtf8(*name).text);
    }
  }
}

void CalculatorScreen::SaveOnExit() {
  panel_.SaveCurrentFile();
  auto file = program_.Registry().Open();
  if (!file) return;
  file->SetString(kProgramKey, kCalculatorFileValue, chars::ToUtf8(panel_.CurrentFileName()));
  program_.Registry().Store(*file);
}

ui::ScreenMenu CalculatorScreen::Menu() const {
  ui::ScreenMenu menu = ui::StandardMenu(ui::MenuKind::kCalculator);
  for (ui::MenuItem& item : menu.file) {
    if (item.command == ui::MenuCommand::kSave) item.text = panel_.SaveItemText();
  }
  return menu;
}

CalculatorScreen::~CalculatorScreen() {
  // The router must not keep a pad that is gone.
  if (program_.ButtonPad() == &panel_.Pad()) program_.SetButtonPad(nullptr);
}

void CalculatorScreen::Enter() {
  // The skin may have been reloaded in another style since the last visit.
  panel_.SetSkin(&program_.Skin(), program_.SkinFolder());
  notebook::Notebook& notebook = panel_.GetNotebook();
  if (notebook.FocusedIndex() < 0 && notebook.EntryCount() > 0) {
    const int count = static_cast<int>(notebook.EntryCount());
    notebook.FocusEntry(last_focused_ < count ? last_focused_ : count - 1);
  }
}

void CalculatorScreen::LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) {
  panel_.SetOptions(CalculatorOptionsFrom(ui::Settings()));
  // The keyboard icon swaps the pad for the on-screen keyboard.
  const bool keyboard = program_.KeyboardShown();
  panel_.SetPadShown(!keyboard);
  draw::Rect area = content;
  // The keyboard sits at the bottom of the content; the notebook ends above it.
  if (keyboard) area.bottom = std::max(area.top, area.bottom - ui::ScaledPx(ui::kKeyboardHeight));
  panel_.LayoutAndDraw(surface, area);
  const int focused = panel_.GetNotebook().FocusedIndex();
  if (focused >= 0) last_focused_ = focused;
}

bool CalculatorScreen::KeyDown(const ui::KeyEvent& key) {
  // A desktop Return answers the focused entry, but not behind a question.
  if (key.code == ui::keys::kEnter && !key.control) {
    if (program_.MessageShown() || panel_.Files().List().Shown()) return true;
    if (panel_.Files().Dialog().Shown()) return panel_.Files().Dialog().PressSave(), true;
    panel_.Solve();
    return true;
  }
  return false;
}

bool CalculatorScreen::OnMenuCommand(ui::MenuCommand command) {
  using ui::MenuCommand;
  // The file list and the save dialog are modal.
  if (panel_.Files().Shown()) return true;
  switch (command) {
    case MenuCommand::kAction: panel_.Solve(); return true;
    case MenuCommand::kNew: AskNew(); return true;
    case MenuCommand::kOpen: panel_.ShowOpen(); return true;
    case MenuCommand::kSave: panel_.Save(); return true;
    case MenuCommand::kSaveAs: panel_.ShowSaveAs(); return true;
    case MenuCommand::kInsertEntry: InsertEntry(); return true;
    case MenuCommand::kDeleteEntry: panel_.DeleteEntry(); return true;
    default: return false;  // Cut, Copy, Paste and Clear act on the focused box
  }
}

void CalculatorScreen::AskNew() {
  program_.ShowMessage(u"Are you sure you to create a new file?", true, [this](bool yes) {
    if (yes) panel_.NewNotebook();
  });
}

void CalculatorScreen::InsertEntry() {
  // Deleting the only entry leaves nothing to insert before; Insert Entry is
  // then the way back to an entry to type in.
  notebook::Notebook& notebook = panel_.GetNotebook();
  if (notebook.EntryCount() == 0) {
    notebook.AddEntry();
    notebook.FocusEntry(0);
    return;
  }
  panel_.InsertEntry();
}

bool CalculatorScreen::DescribeState(ui::JsonWriter& json) const {
  json.BeginObject();
  json.Key("file").Text(panel_.CurrentFileName());
  panel_.WriteState(json,
                    [](const engine::AnswerLayout& layout) { return engine::RenderText(layout); });
  json.EndObject();
  return true;
}

}  // namespace zentrix::shell
