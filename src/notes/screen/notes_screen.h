#pragma once
// NotesScreen: the sketch book screen. A tool row at the top (the "Pen"
// colour selector, the back arrow, "Page: n/m", the next arrow and the
// "Erase" check box), a separator line, and the page below it, where the
// stylus draws strokes in the pen colour or, in erase mode, removes whole
// strokes near it. The File menu keeps the book in the "Notes" folder; the
// Edit menu inserts and deletes pages; the action element clears the page.
//
// The screen owns the book, its widgets, the file list and the save dialog.
// Questions and notices go through the program's message box (services).

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "notes/book/notes_book.h"
#include "notes/file/notes_folder.h"
#include "notes/screen/page_canvas.h"
#include "ui/core/screen.h"
#include "ui/dialogs/document_files.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check_box.h"
#include "ui/widgets/color_selector.h"
#include "ui/widgets/label.h"

namespace zentrix::notes {

struct NotesServices {
  // The folder that holds "Notes".
  std::filesystem::path data_folder;
  // Shows the program's message box: a Yes/No question, or (yes_no false) a
  // notice with OK; the answer (true for Yes or OK) goes to on_result.
  std::function<void(std::u16string text, bool yes_no, std::function<void(bool)> on_result)>
      show_message;
  // Where the screen will be drawn, so that a tap before its first frame
  // lands where the page will be (each frame lays it out again).
  draw::Rect content;
  int screen_width = 240;
};

class NotesScreen : public ui::Screen {
 public:
  explicit NotesScreen(NotesServices services);

  // Opens the book saved under `name` (the name kept from the last run). A
  // missing file is forgotten quietly; an unreadable one is reported.
  void OpenNamed(const std::u16string& name);
  // The display name of the current file (empty for a new book).
  const std::u16string& CurrentFileName() const { return files_.CurrentName(); }
  const NotesBook& Book() const { return book_; }
  // The area the stylus draws in (after the first layout).
  const draw::Rect& DrawingArea() const { return area_; }
  // The points the last frame drew into the page's picture (tests).
  std::size_t PointsDrawnLastFrame() const { return canvas_.PointsDrawnLastFrame(); }

  std::string_view Name() const override { return "notes"; }
  void Enter() override;
  void LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) override;
  bool StylusDown(ui::Point p) override;
  bool StylusMove(ui::Point p) override;
  bool StylusUp(ui::Point p) override;
  bool KeyDown(const ui::KeyEvent& key) override;
  bool Wheel(ui::Point p, int steps) override;
  ui::ScreenMenu Menu() const override { return ui::StandardMenu(ui::MenuKind::kNotes); }
  bool OnMenuCommand(ui::MenuCommand command) override;
  void DescribeWidgets(ui::WidgetList& out) const override;
  bool DescribeState(ui::JsonWriter& json) const override;

  static constexpr char16_t kNewQuestion[] = u"Are you sure you want to create a new file?";
  static constexpr char16_t kDeleteQuestion[] = u"Are you sure you want to delete this page?";
  static constexpr char16_t kClearQuestion[] = u"Are you sure you want to clear this page?";
  static constexpr char16_t kCannotOpen[] = u"This notes file cannot be read.";
  static constexpr char16_t kCannotSave[] = u"This notes file cannot be saved.";

 private:
  void LayOut(const draw::Rect& content, int screen_width);
  void DrawToolRow(draw::Surface& surface);
  void UpdatePageText();
  bool Modal() const;
  void Ask(const char16_t* question, std::function<void()> on_yes);
  void Tell(const char16_t* notice);

  // Page and book operations; each redraws the page.
  void TurnNext();
  void TurnBack();
  void Changed();

  // File menu: the files flow with the pen's palette closed first.
  void BeforeFiles();
  ui::OpenOutcome OpenPath(const std::filesystem::path& path);

  // Drawing and erasing with the stylus.
  StrokePoint Clamp(ui::Point p) const;
  void EraseAt(ui::Point p);

  NotesServices services_;
  ui::DataFolder data_;
  NotesBook book_;
  PageCanvas canvas_;

  ui::ColorSelector pen_;
  ui::Button back_;
  ui::Label page_label_;
  ui::Button next_;
  ui::CheckBox erase_;
  ui::DocumentFiles files_;

  draw::Rect content_;
  draw::Rect area_;
  int screen_width_ = 240;
  int separator_y_ = 0;
  bool drawing_ = false;
  int shown_index_ = -1;
  int shown_count_ = -1;
};

}  // namespace zentrix::notes
