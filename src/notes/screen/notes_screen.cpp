#include "notes/screen/notes_screen.h"

#include <algorithm>
#include <string>

#include "notes/file/notes_file.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"
#include "ui/skin/skin.h"
#include "ui/text/text_renderer.h"

namespace zentrix::notes {
namespace {

constexpr draw::Color kSeparator = 0x7D7D7D;
constexpr int kRowHeight = 22;  // the tool row, in Small-skin pixels
constexpr int kArrowWidth = 24;
constexpr int kArrowHeight = 18;
constexpr int kGap = 4;

draw::Color TextColour() {
  const ui::Skin* skin = ui::Ui().skin;
  return skin ? skin->Palette().text : 0xFFFFFF;
}

draw::Color Background() {
  const ui::Skin* skin = ui::Ui().skin;
  return skin ? skin->Palette().background : 0x000000;
}

std::u16string Digits(int n) {
  const std::string s = std::to_string(n);
  return std::u16string(s.begin(), s.end());
}

}  // namespace

NotesScreen::NotesScreen(NotesServices services)
    : services_(std::move(services)),
      data_(services_.data_folder),
      pen_(0, 0, u"Pen"),
      back_(0, 0, ui::ScaledPx(kArrowWidth), ui::ScaledPx(kArrowHeight), u"",
            ui::Button::Style::kSmall),
      next_(0, 0, ui::ScaledPx(kArrowWidth), ui::ScaledPx(kArrowHeight), u"",
            ui::Button::Style::kSmall),
      erase_(0, 0, u"Erase"),
      files_(NotesFolder(), data_,
             ui::DocumentHooks{
                 [this](const std::filesystem::path& path) { return SaveNotesFile(path, book_); },
                 [this](const std::filesystem::path& path) { return OpenPath(path); },
                 SummariseNotesFile, [this](const std::u16string& text) { Tell(text.c_str()); }},
             ui::DocumentTexts{kCannotOpen, kCannotSave},
             // Closing the list without a choice leaves the book as it is:
             // unsaved drawing is never dropped by a change of mind.
             ui::DocumentFiles::Dismiss::kKeep) {
  back_.SetIcon(ui::Icon::kBack, u"previous page");
  next_.SetIcon(ui::Icon::kNext, u"next page");
  back_.SetAction([this] { TurnBack(); });
  next_.SetAction([this] { TurnNext(); });
  pen_.SetOnChange([this](draw::Color colour) { book_.SetPen(colour); });
  erase_.SetOnChange([this](bool on) {
    book_.SetErasing(on);
    drawing_ = false;
  });
  files_.List().SetCountWords(u"Page", u"Pages");
  UpdatePageText();
  if (!services_.content.Empty()) LayOut(services_.content, services_.screen_width);
}

void NotesScreen::Enter() {
  // The pen starts in the style's ink: white on the Classic style's dark
  // page, black on the Bright style's light one.
  const bool classic = ui::Settings().style_index == ui::kStyleClassic;
  pen_.SetValue(classic ? 0xFFFFFF : 0x000000);
  book_.SetPen(pen_.Value());
  pen_.Close();
  const draw::Color text = TextColour();
  for (ui::Widget* w : std::initializer_list<ui::Widget*>{&pen_, &page_label_, &erase_}) {
    w->SetColor(text);
  }
  erase_.SetChecked(book_.Erasing());
  drawing_ = false;
  canvas_.Invalidate();
}

void NotesScreen::OpenNamed(const std::u16string& name) { files_.OpenNamed(name); }

bool NotesScreen::Modal() const {
  const ui::UiState& ui = ui::Ui();
  return ui.modal_open || ui.message_box_open || files_.Shown() || pen_.IsOpen();
}

void NotesScreen::Ask(const char16_t* question, std::function<void()> on_yes) {
  if (!services_.show_message) return;
  services_.show_message(question, true, [on_yes = std::move(on_yes)](bool yes) {
    if (yes) on_yes();
  });
}

void NotesScreen::Tell(const char16_t* notice) {
  if (services_.show_message) services_.show_message(notice, false, {});
}

void NotesScreen::UpdatePageText() {
  if (shown_index_ == book_.PageIndex() && shown_count_ == book_.PageCount()) return;
  shown_index_ = book_.PageIndex();
  shown_count_ = book_.PageCount();
  page_label_.SetText(u"Page: " + Digits(shown_index_ + 1) + u"/" + Digits(shown_count_));
}

void NotesScreen::Changed() {
  drawing_ = false;
  canvas_.Invalidate();
  UpdatePageText();
}

void NotesScreen::TurnNext() {
  if (book_.Next()) Changed();
}

void NotesScreen::TurnBack() {
  if (book_.Back()) Changed();
}

// Layout ---------------------------------------------------------------------

void NotesScreen::LayOut(const draw::Rect& content, int screen_width) {
  content_ = content;
  screen_width_ = screen_width;
  const int row = ui::ScaledPx(kRowHeight);
  const int gap = ui::ScaledPx(kGap);
  const ui::TextRenderer* font = ui::CurrentFont();
  const int line = font ? font->LineHeight() : ui::ScaledPx(12);

  pen_.SetPosition(content.left + gap, content.top + (row - ui::ScaledPx(16)) / 2);
  pen_.SetPaletteArea(content);  // between the bars, where every swatch can be tapped
  erase_.SetPosition(content.right - gap - erase_.Width(),
                     content.top + (row - erase_.Height() + 1) / 2);
  const int text_width = font ? font->TextWidth(page_label_.Text()) : 0;
  const int label_x = content.left + (content.Width() - text_width) / 2;
  page_label_.SetPosition(label_x, content.top + (row - line) / 2);
  const int arrow_y = content.top + (row - back_.Height()) / 2;
  back_.SetPosition(label_x - gap - back_.Width(), arrow_y);
  next_.SetPosition(label_x + text_width + gap, arrow_y);

  separator_y_ = content.top + row;
  area_ = draw::Rect{content.left, separator_y_ + 1, content.right, content.bottom};
}

void NotesScreen::DrawToolRow(draw::Surface& surface) {
  surface.DrawLine(content_.left, separator_y_, content_.right - 1, separator_y_, kSeparator);
  pen_.Draw(surface);
  back_.Draw(surface);
  page_label_.Draw(surface);
  next_.Draw(surface);
  erase_.Draw(surface);
}

void NotesScreen::LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) {
  UpdatePageText();
  LayOut(content, surface.Width());
  if (files_.Shown()) {
    files_.Draw(surface);
    return;
  }
  canvas_.Draw(surface, area_, book_.CurrentPage(), Background());
  DrawToolRow(surface);
  pen_.DrawPalette(surface);
}

// Stylus ---------------------------------------------------------------------

StrokePoint NotesScreen::Clamp(ui::Point p) const {
  // Inside the area: its left and right edges, its top and one pixel above
  // its bottom.
  return {std::clamp(p.x, area_.left, area_.right - 1),
          std::clamp(p.y, area_.top, area_.bottom - 1)};
}

void NotesScreen::EraseAt(ui::Point p) {
  if (book_.EraseAround({p.x, p.y}, std::max(screen_width_ / 16, 1)) > 0) canvas_.Invalidate();
}

bool NotesScreen::StylusDown(ui::Point p) {
  drawing_ = false;
  if (files_.Shown()) return files_.StylusDown(p);
  if (pen_.IsOpen()) return pen_.StylusDown(p);
  for (ui::Widget* w : std::initializer_list<ui::Widget*>{&pen_, &back_, &next_, &erase_}) {
    if (w->StylusDown(p)) return true;
  }
  if (Modal() || area_.Empty() || !area_.Contains(p.x, p.y)) return false;
  const ui::TutorialRestriction& tutorial = ui::Ui().tutorial;
  if (tutorial.active && !tutorial.allowed.Contains(p.x, p.y)) return false;
  drawing_ = true;
  if (book_.Erasing()) {
    EraseAt(p);
  } else {
    book_.BeginStroke(Clamp(p));
  }
  return true;
}

bool NotesScreen::StylusMove(ui::Point p) {
  if (files_.Shown()) return files_.StylusMove(p);
  if (!drawing_) return false;
  if (book_.Erasing()) {
    EraseAt(p);
  } else {
    book_.AppendPoint(Clamp(p));
  }
  return true;
}

bool NotesScreen::StylusUp(ui::Point p) {
  if (files_.Shown()) return files_.StylusUp(p);
  if (drawing_) {
    drawing_ = false;
    return true;
  }
  bool taken = false;
  for (ui::Widget* w : std::initializer_list<ui::Widget*>{&pen_, &back_, &next_, &erase_}) {
    if (!taken) taken = w->StylusUp(p);
    w->SetPressed(false);
  }
  return taken;
}

bool NotesScreen::KeyDown(const ui::KeyEvent& key) {
  if (Modal()) return false;
  if (key.code == ui::keys::kRight) return TurnNext(), true;
  if (key.code == ui::keys::kLeft) return TurnBack(), true;
  return false;
}

bool NotesScreen::Wheel(ui::Point p, int steps) { return files_.Wheel(p, steps); }

// Menu -----------------------------------------------------------------------

bool NotesScreen::OnMenuCommand(ui::MenuCommand command) {
  using ui::MenuCommand;
  if (files_.Shown()) return false;
  switch (command) {
    case MenuCommand::kNew:
      Ask(kNewQuestion, [this] {
        book_.Reset();
        files_.Forget();
        Changed();
      });
      return true;
    case MenuCommand::kOpen:
      BeforeFiles();
      files_.ShowOpen(content_);
      return true;
    case MenuCommand::kSave:
      BeforeFiles();
      files_.Save(content_);
      return true;
    case MenuCommand::kSaveAs:
      BeforeFiles();
      files_.ShowSaveAs(content_);
      return true;
    case MenuCommand::kInsertPage:
      book_.InsertPage();
      Changed();
      return true;
    case MenuCommand::kDeletePage:
      Ask(kDeleteQuestion, [this] {
        book_.DeletePage();
        Changed();
      });
      return true;
    case MenuCommand::kAction:
      Ask(kClearQuestion, [this] {
        book_.ClearPage();
        Changed();
      });
      return true;
    default: return false;
  }
}

void NotesScreen::BeforeFiles() {
  pen_.Close();
  drawing_ = false;
}

ui::OpenOutcome NotesScreen::OpenPath(const std::filesystem::path& path) {
  ReadResult read = LoadNotesFile(path);
  // An unreadable file leaves the book on the screen as it was.
  if (!read.content) return ui::OpenOutcome::kUntouched;
  book_.Replace(std::move(read.content->pages), read.content->format);
  Changed();
  return ui::OpenOutcome::kOpened;
}

// Description ----------------------------------------------------------------

void NotesScreen::DescribeWidgets(ui::WidgetList& out) const {
  if (files_.Shown()) return files_.Describe(out);
  for (const ui::Widget* w :
       std::initializer_list<const ui::Widget*>{&pen_, &back_, &page_label_, &next_, &erase_}) {
    w->Describe(out);
  }
}

bool NotesScreen::DescribeState(ui::JsonWriter& json) const {
  json.BeginObject();
  json.Key("file").Text(files_.CurrentName());
  json.Key("page").Integer(book_.PageIndex() + 1);
  json.Key("pages").Integer(book_.PageCount());
  json.Key("strokes").BeginArray();
  for (const Page& page : book_.Pages())
    json.Integer(static_cast<std::int64_t>(page.strokes.size()));
  json.EndArray();
  json.Key("pen").Integer(book_.Pen());
  json.Key("erase").Bool(book_.Erasing());
  json.EndObject();
  return true;
}

}  // namespace zentrix::notes
