#include "notebook/calculator/calculator_panel.h"

#include "engine/core/result_printer.h"
#include "notebook/file/notebook_file.h"
#include "notebook/file/notebook_folder.h"
#include "notebook/view/notebook_style.h"
#include "ui/core/ui_state.h"

namespace zentrix::notebook {

namespace {

constexpr char16_t kCannotOpen[] = u"This notebook file cannot be read.";
constexpr char16_t kCannotSave[] = u"This notebook file cannot be saved.";

// Every way of opening leaves an entry to type in: a file that could not be
// read at all leaves the notebook as New would.
void KeepAnEntry(Notebook& notebook) {
  if (notebook.EntryCount() == 0) notebook.New();
}

}  // namespace

PadArrangement PadFor(int screen_width, int screen_height, bool bright) {
  // A square screen is as narrow as a portrait one but much shorter: the
  // portrait pad of the style, with shorter first pages.
  if (screen_width == screen_height) {
    return bright ? PadArrangement::kBrightSquare : PadArrangement::kClassicSquare;
  }
  if (screen_width > screen_height) return PadArrangement::kLandscape;
  return bright ? PadArrangement::kBright : PadArrangement::kClassic;
}

CalculatorPanel::CalculatorPanel()
    : files_(NotebookFolder(), data_,
             ui::DocumentHooks{[this](const std::filesystem::path& path) {
                                 return SaveNotebookFile(notebook_, path);
                               },
                               [this](const std::filesystem::path& path) {
                                 const NotebookRead read = LoadNotebookFile(notebook_, path);
                                 KeepAnEntry(notebook_);
                                 return read == NotebookRead::kWhole || read == NotebookRead::kEmpty
                                            ? ui::OpenOutcome::kOpened
                                            : ui::OpenOutcome::kPartial;
                               },
                               SummariseNotebookFile,
                               [this](const std::u16string& text) {
                                 if (notify_) notify_(text);
                               }},
             ui::DocumentTexts{kCannotOpen, kCannotSave},
             // Tapping outside the list goes back to the saved notebook.
             ui::DocumentFiles::Dismiss::kReopenCurrent) {
  pad_.SetVariables(&notebook_.Variables());
  pad_.SetOnSolveDms([this] { Solve(engine::SolveMode::kDegreesMinutesSeconds); });
}

void CalculatorPanel::SetFileServices(std::filesystem::path program_folder,
                                      std::function<void(const std::u16string&)> notify) {
  data_ = ui::DataFolder(std::move(program_folder));
  notify_ = std::move(notify);
  NotebookFolder().Create(data_);
}

void CalculatorPanel::NewNotebook() {
  notebook_.New();
  files_.Forget();
}

void CalculatorPanel::OpenNamed(const std::u16string& name) {
  if (!name.empty()) files_.OpenNamed(name);
}

bool CalculatorPanel::StylusDown(ui::Point p) {
  return files_.Shown() ? files_.StylusDown(p) : view_.StylusDown(p);
}

bool CalculatorPanel::StylusMove(ui::Point p) {
  return files_.Shown() ? files_.StylusMove(p) : view_.StylusMove(p);
}

bool CalculatorPanel::StylusUp(ui::Point p) {
  return files_.Shown() ? files_.StylusUp(p) : view_.StylusUp(p);
}

bool CalculatorPanel::Wheel(ui::Point p, int steps) {
  return files_.Shown() ? files_.Wheel(p, steps) : view_.Wheel(p, steps);
}

void CalculatorPanel::DescribeWidgets(ui::WidgetList& out) const {
  if (files_.Shown()) {
    files_.Describe(out);
  } else {
    view_.Describe(out);
  }
}

void CalculatorPanel::SetSkin(ui::Skin* skin, const std::string& skins_folder) {
  skin_ = skin;
  pad_.SetSkin(skin);
  if (skin) pad_.LoadLabelFont(skins_folder, skin->Size());
}

bool CalculatorPanel::Solve(engine::SolveMode mode) {
  const bool solved = notebook_.Solve(mode, options_.entry);
  // A running tutorial counts the Solve as the step it asked for.
  if (solved && ui::Ui().tutorial.active) ++ui::Ui().tutorial.global_step;
  return solved;
}

void CalculatorPanel::LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) {
  if (!skin_) return;
  content_ = content;
  // The save dialog covers the pad too (the screen shows the pad again each
  // frame unless the keyboard is up).
  if (files_.Dialog().Shown()) pad_.SetVisible(false);
  const bool bright = skin_->Style() == ui::SkinStyle::kBright;
  pad_.SetArrangement(PadFor(surface.Width(), surface.Height(), bright));
  // A hidden pad leaves its place to the notebook.
  const int pad_height = pad_.Visible() ? pad_.Height() : 0;
  pad_.SetPosition(content.left + (content.Width() - pad_.Width()) / 2,
                   content.bottom - pad_height);

  const bool second =
      UseSecondFont(skin_->HighResolution(), options_.use_small_font, options_.use_large_font);
  view_.SetFont(second ? &skin_->SecondText() : &skin_->NormalText());
  view_.SetLargeArrow(skin_->HighResolution() || second);
  view_.SetStyle(bright
                     ? NotebookStyle::Bright(options_.cell_color, options_.color_parentheses)
                     : NotebookStyle::Classic(options_.answer_color, options_.color_parentheses));
  view_.SetRect(draw::Rect{content.left, content.top, content.right,
                           std::max(content.top, content.bottom - pad_height)});
  // The file list and the save dialog take the notebook's place.
  if (files_.Shown()) {
    files_.Draw(surface);
  } else {
    view_.LayoutAndDraw(surface);
  }
  pad_.Draw(surface);
}

void CalculatorPanel::WriteState(ui::JsonWriter& json, const AnswerTextForm& text_form) const {
  auto answer_text = [&](const engine::AnswerLayout& layout) {
    if (layout.IsText() || !text_form) return ui::EncodeText(layout.text);
    return text_form(layout);
  };
  json.Key("entries").BeginArray();
  for (std::size_t i = 0; i < notebook_.EntryCount(); ++i) {
    const NotebookEntry& entry = notebook_.Entry(i);
    json.BeginObject();
    json.Key("text").Text(entry.Text());
    json.Key("answer").String(answer_text(entry.GetAnswer().Layout()));
    json.Key("decimal").Bool(entry.Input().DecimalToggle());
    json.EndObject();
  }
  json.EndArray();
  const engine::ResultPrinter printer(
      {options_.entry.decimal, options_.entry.number_mode == engine::NumberMode::kMixed});
  const engine::VariableStore& variables = notebook_.Variables();
  json.Key("variables").BeginObject();
  for (std::size_t i = 0; i < variables.Count(); ++i) {
    const std::optional<std::u16string> name = variables.Name(i);
    const engine::ExprNode* value = name ? variables.Find(*name) : nullptr;
    if (!value) continue;
    json.Key(ui::EncodeText(*name)).String(answer_text(printer.Print(*value)));
  }
  json.EndObject();
  json.Key("pad_page").Integer(pad_.Model().Page());
}

}  // namespace zentrix::notebook
