#include "shell/program/notes_screen_factory.h"

#include "engine/core/charset.h"
#include "notes/screen/notes_screen.h"
#include "shell/program/calculator_program.h"

namespace zentrix::shell {

std::unique_ptr<ui::Screen> MakeNotesScreen(CalculatorProgram& program) {
  notes::NotesServices services;
  services.data_folder = program.Config().home_folder;
  services.content = program.ContentRect();
  services.screen_width = program.Display().BackBuffer().Width();
  services.show_message = [&program](std::u16string text, bool yes_no,
                                     std::function<void(bool)> on_result) {
    program.ShowMessage(std::move(text), yes_no, std::move(on_result));
  };
  auto screen = std::make_unique<notes::NotesScreen>(std::move(services));
  if (auto file = program.Registry().Open()) {
    if (auto name = file->GetString(kProgramKey, kNotesFileValue)) {
      screen->OpenNamed(chars::FromUtf8(*name).text);
    }
  }
  return screen;
}

void RememberNotesFile(CalculatorProgram& program) {
  const auto* notes = dynamic_cast<const notes::NotesScreen*>(program.ScreenAt(kNotesScreen));
  if (!notes) return;
  auto file = program.Registry().Open();
  if (!file) return;
  file->SetString(kProgramKey, kNotesFileValue, chars::ToUtf8(notes->CurrentFileName()));
  program.Registry().Store(*file);
}

}  // namespace zentrix::shell
