#include "shell/screens/calculator_screen.h"

#include <algorithm>
#include <array>

#include "engine/core/answer_text.h"
#include "engine/core/charset.h"
#include "notebook/file/notebook_file.h"
#include "notebook/file/notebook_folder.h"
#include "shell/program/calculator_program.h"
#include "ui/core/key_event.h"
#include "ui/core/ui_state.h"
#include "ui/files/data_folder.h"
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

std::array<std::u16string_view, tutorials::kCalculatorTutorialCount> TutorialCaptions() {
  std::array<std::u16string_view, tutorials::kCalculatorTutorialCount> captions;
  for (int i = 0; i < tutorials::kCalculatorTutorialCount; ++i) {
    captions[static_cast<std::size_t>(i)] =
        tutorials::CalculatorTutorials()[static_cast<std::size_t>(i)].caption;
  }
  return captions;
}

}  // namespace

CalculatorScreen::CalculatorScreen(CalculatorProgram& program)
    : program_(program),
      tutorials_(program.Overlay(), panel_, &program.MenuBar(),
                 {[this] { return StashNotebook(); }, [this] { return RestoreNotebook(); },
                  [this] { program_.HideKeyboard(); }}) {
  program_.SetButtonPad(&panel_.Pad());
  panel_.SetOptions(CalculatorOptionsFrom(ui::Settings()));
  tutorial_list_.SetCaptions(TutorialCaptions());
  tutorial_list_.SetOnChoose([this](int index) { StartTutorial(index); });
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
  // The tutorial's notebook is never kept as the person's.
  tutorials_.Abandon();
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
  // The very first run teaches the calculator.
  if (ui::Settings().first_run) {
    ui::Settings().first_run = false;
    StartTutorial(0);
  }
}

bool CalculatorScreen::StartTutorial(int index) {
  tutorial_list_.SetVisible(false);
  return tutorials_.Start(index);
}

void CalculatorScreen::LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) {
  panel_.SetOptions(CalculatorOptionsFrom(ui::Settings()));
  // The keyboard icon swaps the pad for the on-screen keyboard.
  const bool keyboard = program_.KeyboardShown();
  // The tutorial list takes the pad's place while it is shown.
  panel_.SetPadShown(!keyboard && !tutorial_list_.Visible());
  draw::Rect area = content;
  // The keyboard sits at the bottom of the content; the notebook ends above it.
  if (keyboard) area.bottom = std::max(area.top, area.bottom - ui::ScaledPx(ui::kKeyboardHeight));
  panel_.LayoutAndDraw(surface, area);
  const int focused = panel_.GetNotebook().FocusedIndex();
  if (focused >= 0) last_focused_ = focused;
  if (tutorial_list_.Visible()) {
    tutorial_list_.Place(content);
    tutorial_list_.Draw(surface);
  }
  // The script points at what was just drawn; the overlay is drawn over it.
  tutorials_.Frame(surface.Width());
}

bool CalculatorScreen::StylusDown(ui::Point p) {
  return tutorial_list_.StylusDown(p) || panel_.StylusDown(p);
}

bool CalculatorScreen::StylusUp(ui::Point p) {
  return tutorial_list_.StylusUp(p) || panel_.StylusUp(p);
}

void CalculatorScreen::DescribeWidgets(ui::WidgetList& out) const {
  tutorial_list_.Describe(out);
  panel_.DescribeWidgets(out);
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
    case MenuCommand::kNew: AskNew(); break;
    case MenuCommand::kOpen: panel_.ShowOpen(); return true;
    case MenuCommand::kSave: panel_.Save(); return true;
    case MenuCommand::kSaveAs: panel_.ShowSaveAs(); return true;
    case MenuCommand::kInsertEntry: InsertEntry(); break;
    case MenuCommand::kDeleteEntry: panel_.DeleteEntry(); break;
    case MenuCommand::kTutorials:
      if (!tutorials_.Running()) tutorial_list_.Toggle();
      return true;
    default: return false;  // Cut, Copy, Paste and Clear act on the focused box
  }
  tutorials_.OnMenuCommand(command);
  return true;
}

void CalculatorScreen::AskNew() {
  // A tutorial asks for New itself: no question, and the current file stays.
  if (tutorials_.Running()) {
    panel_.GetNotebook().New();
    return;
  }
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

namespace zentrix::shell {

std::filesystem::path CalculatorScreen::TutorialNotebookPath() const {
  return ui::DataFolder(program_.Config().home_folder).Resolve(notebook::kTutorialNotebookFile);
}

bool CalculatorScreen::StashNotebook() {
  notebook::Notebook& notebook = panel_.GetNotebook();
  if (!notebook::SaveNotebookFile(notebook, TutorialNotebookPath())) return false;
  // The file keeps the entries and answers; what it does not hold (the
  // variables, the focus, the decimal toggles) waits here.
  stash_.variables = notebook.Variables();
  stash_.focused = notebook.FocusedIndex();
  stash_.decimal.clear();
  for (std::size_t i = 0; i < notebook.EntryCount(); ++i) {
    stash_.decimal.push_back(notebook.Entry(i).Input().DecimalToggle());
  }
  return true;
}

bool CalculatorScreen::RestoreNotebook() {
  notebook::Notebook& notebook = panel_.GetNotebook();
  const bool read = notebook::OpenNotebookFile(notebook, TutorialNotebookPath());
  if (notebook.EntryCount() == 0) notebook.AddEntry();
  notebook.Variables() = stash_.variables;
  for (std::size_t i = 0; i < notebook.EntryCount() && i < stash_.decimal.size(); ++i) {
    notebook.Entry(i).Input().SetDecimalToggle(stash_.decimal[i]);
  }
  const int count = static_cast<int>(notebook.EntryCount());
  notebook.FocusEntry(stash_.focused >= 0 && stash_.focused < count ? stash_.focused : 0);
  stash_ = {};
  return read;
}

}  // namespace zentrix::shell
