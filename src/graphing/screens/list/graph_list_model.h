#pragma once
// What the graph list asks of a grapher's graph set: the rows it shows, the
// kinds it creates, and the editor of one graph. The 2D and 3D graphers each
// answer for their own set.

#include <string>
#include <string_view>
#include <vector>

#include "graphing/model/colours.h"
#include "graphing/screens/form/settings_form.h"
#include "ui/skin/skin_geometry.h"

namespace zentrix::graphing::screens {

// One expression field of a row: its prefix ("y=") and the text it edits.
struct RowField {
  std::u16string prefix;
  std::u16string* text = nullptr;
};

class GraphListModel {
 public:
  virtual ~GraphListModel() = default;

  virtual int Count() const = 0;
  virtual int Selected() const = 0;
  virtual void Select(int index) = 0;

  virtual ui::Icon IconOf(int index) const = 0;
  // The colour the row's selector edits.
  virtual Colour* ColourOf(int index) = 0;
  // The row's expression fields; none for statistical plots, which show a
  // summary instead.
  virtual std::vector<RowField> FieldsOf(int index) = 0;
  virtual std::u16string SummaryOf(int index) const = 0;
  // "Function #1": the editor's title.
  virtual std::u16string TitleOf(int index) const = 0;

  // The kind menu's items, and creating the kind of item `item`; false with
  // the message (the list is full) shown by the owner.
  virtual std::vector<std::u16string> KindItems() const = 0;
  virtual bool Create(int item) = 0;
  virtual void Remove(int index) = 0;

  // "No [yellow]2D graphs[/] have been created." or the 3D text.
  virtual std::u16string_view EmptyText() const = 0;

  // Fills the form with the graph's editor.
  virtual void BuildEditor(int index, SettingsForm& form) = 0;
  // Changes when the editor's controls must be built again (a choice that
  // shows or hides others).
  virtual int EditorShape(int index) const = 0;
};

}  // namespace zentrix::graphing::screens
