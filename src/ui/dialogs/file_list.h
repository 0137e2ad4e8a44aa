#pragma once
// FileList: the modal list of saved files. Items sit in two columns, each
// (3 + 1/4) line heights tall and half the list wide: a grey (0x969696) box
// with the display name (shortened with "..." to half the item's width), the
// entry count ("1 Entry", "N Entries") and the date in light grey, and the
// preview text below them. An empty list shows "No files found.". A vertical
// scroll bar appears when the rows do not fit. A tap on an item chooses it; a
// tap outside the list closes it.

#include <functional>
#include <vector>

#include "ui/core/widget.h"
#include "ui/widgets/slider.h"

namespace zentrix::ui {

struct FileListItem {
  std::u16string name;  // display name
  std::u16string date;  // month/day/year
  int entries = 0;
  std::u16string preview;  // entry texts, each followed by a line feed
};

class FileList : public Widget {
 public:
  FileList();
  std::string_view Kind() const override { return "file list"; }

  // Opens the list over the rectangle (modal).
  void Show(std::vector<FileListItem> items, const draw::Rect& area);
  void Close();
  bool Shown() const { return visible_; }
  const std::vector<FileListItem>& Items() const { return items_; }
  // Called with the chosen item's index, or with −1 when the list was closed
  // by a tap outside it.
  void SetOnClose(std::function<void(int)> f) { on_close_ = std::move(f); }

  int ItemHeight() const;
  // The item's box on the screen (after scrolling).
  draw::Rect ItemRect(int index) const;
  // "1 Entry" or "N Entries".
  static std::u16string EntryCountText(int entries);
  // The words after an item's count, for lists of other things than entries
  // (notes count "Page" / "Pages").
  void SetCountWords(std::u16string one, std::u16string many);
  std::u16string CountText(int count) const;

  bool StylusDown(Point p) override;
  bool StylusMove(Point p) override;
  bool StylusUp(Point p) override;
  bool Wheel(Point p, int steps) override;
  void Draw(draw::Surface& surface) override;
  void Describe(WidgetList& out) const override;

 private:
  int ItemAt(Point p) const;
  int RowsFitting() const;
  int RowCount() const { return (static_cast<int>(items_.size()) + 1) / 2; }
  void Finish(int index);

  std::vector<FileListItem> items_;
  Slider scroll_{0, 0, 0, Slider::Orientation::kVertical};
  int pressed_item_ = -1;
  bool pressed_outside_ = false;
  std::function<void(int)> on_close_;
  std::u16string count_one_ = u"Entry";
  std::u16string count_many_ = u"Entries";
};

}  // namespace zentrix::ui
