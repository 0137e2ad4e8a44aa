#pragma once
// Everything the calculator screen shows, without the screen: the notebook
// and its view above the button pad, Solve, the Edit menu's entry operations,
// New, and the screen's section of the state dump. The calculator screen is a
// thin layer over it: it copies the program's settings into CalculatorOptions
// each frame, hands the pad to the program's button-pad routing slot, asks
// New's question with its message box and forwards the notebook's stylus
// events.

#include <filesystem>
#include <functional>
#include <string>

#include "draw/rect.h"
#include "draw/surface.h"
#include "engine/commands/entry_pipeline.h"
#include "notebook/model/notebook.h"
#include "notebook/pad/button_pad.h"
#include "notebook/view/notebook_view.h"
#include "ui/core/json_writer.h"
#include "ui/core/widget_info.h"
#include "ui/dialogs/document_files.h"
#include "ui/files/data_folder.h"
#include "ui/skin/skin.h"

namespace zentrix::notebook {

// The settings the calculator reads, as the program holds them.
struct CalculatorOptions {
  engine::EntrySettings entry;  // number mode, decimals, Smart Solve
  bool use_small_font = false;  // second font on high-resolution screens
  bool use_large_font = false;  // second font on low-resolution screens
  bool color_parentheses = false;
  std::int32_t answer_color = 0x0000FF;  // Classic style
  draw::Color cell_color = 0xE6E6FF;     // Bright style
};

// The pad for a screen of this size in the style: landscape on wide screens,
// the square pads on square ones, else the portrait pad of the style.
PadArrangement PadFor(int screen_width, int screen_height, bool bright);

// An answer as one line of UTF-8 text for the dump (the terminal calculator's
// text form); message answers are written as their text without it.
using AnswerTextForm = std::function<std::string(const engine::AnswerLayout&)>;

class CalculatorPanel {
 public:
  CalculatorPanel();
  CalculatorPanel(const CalculatorPanel&) = delete;
  CalculatorPanel& operator=(const CalculatorPanel&) = delete;

  Notebook& GetNotebook() { return notebook_; }
  const Notebook& GetNotebook() const { return notebook_; }
  NotebookView& View() { return view_; }
  ButtonPad& Pad() { return pad_; }
  const ButtonPad& Pad() const { return pad_; }

  // The skin (not owned) sets the fonts, the style's colours and the pad
  // image; the pad's labels use the white small font from the skins folder.
  void SetSkin(ui::Skin* skin, const std::string& skins_folder);
  void SetOptions(const CalculatorOptions& options) { options_ = options; }
  const CalculatorOptions& Options() const { return options_; }
  // The pad hides while the on-screen keyboard takes its place.
  void SetPadShown(bool shown) { pad_.SetVisible(shown); }

  // Places the pad at the bottom of the content (landscape screens take the
  // landscape pad) and the notebook above it, then draws both; a hidden pad
  // leaves the whole content to the notebook.
  void LayoutAndDraw(draw::Surface& surface, const draw::Rect& content);

  // The Solve action; DMS comes from the pad's key. While a tutorial
  // restricts input, a Solve that answered adds one to its global step.
  bool Solve(engine::SolveMode mode = engine::SolveMode::kNormal);
  void InsertEntry() { notebook_.InsertEntry(); }
  void DeleteEntry() { notebook_.DeleteEntry(); }
  // New after its question was answered Yes: an empty notebook without a
  // file.
  void NewNotebook();

  // Notebook files in "Files" of the data folder (the program's folder);
  // notices (an unreadable file, a failed save) go to `notify`.
  void SetFileServices(std::filesystem::path program_folder,
                       std::function<void(const std::u16string&)> notify);
  // The File menu: the file list in place of the notebook, Save (Save As...
  // without a current file) and Save As... with the save dialog.
  void ShowOpen() { files_.ShowOpen(view_.Rect()); }
  // The save dialog takes the whole panel, the pad's place too, so that a
  // long name still leaves room for its message line.
  void Save() { files_.Save(content_); }
  void ShowSaveAs() { files_.ShowSaveAs(content_); }
  // Start-up: opens the notebook saved under the name kept from the last run.
  void OpenNamed(const std::u16string& name);
  // Exit: saves to the current file when there is one.
  bool SaveCurrentFile() { return files_.SaveCurrent(); }
  const std::u16string& CurrentFileName() const { return files_.CurrentName(); }
  std::u16string SaveItemText() const { return files_.SaveItemText(); }
  ui::DocumentFiles& Files() { return files_; }
  const ui::DataFolder& Data() const { return data_; }

  // Input: to the file list or save dialog while one is shown, else to the
  // notebook.
  bool StylusDown(ui::Point p);
  bool StylusMove(ui::Point p);
  bool StylusUp(ui::Point p);
  bool Wheel(ui::Point p, int steps);

  // The notebook's widgets, or the open file list's or save dialog's (the
  // pad describes itself in its routing slot).
  void DescribeWidgets(ui::WidgetList& out) const;
  // Writes "entries", "variables" and "pad_page" into the open object of the
  // screen's dump section.
  void WriteState(ui::JsonWriter& json, const AnswerTextForm& text_form) const;

 private:
  ui::Skin* skin_ = nullptr;
  CalculatorOptions options_;
  Notebook notebook_;
  NotebookView view_{notebook_};
  ButtonPad pad_;
  draw::Rect content_;
  ui::DataFolder data_;
  std::function<void(const std::u16string&)> notify_;
  ui::DocumentFiles files_;
};

}  // namespace zentrix::notebook
