#pragma once
// How a widget describes itself for the state dump and for finding it by text
// (the automation script's `click`). Composite widgets add one entry per part.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draw/rect.h"
#include "ui/core/json_writer.h"

namespace zentrix::ui {

struct WidgetInfo {
  std::string kind;     // "button", "check box", "key", ...
  std::u16string text;  // caption (mark-up kept) or automation name
  draw::Rect rect;
  bool enabled = true;
  std::optional<bool> checked;
  std::optional<int> selected;
};

using WidgetList = std::vector<WidgetInfo>;

// The text with mark-up tags ("[" up to and including "]") removed.
std::u16string StripMarkup(std::u16string_view text);

// Whether the entry matches a `click` query: its text without tags equals
// `text`, and its kind equals `kind` unless `kind` is empty.
bool MatchesClick(const WidgetInfo& info, std::u16string_view text, std::string_view kind);

// The first enabled entry that matches, in list order, or null.
const WidgetInfo* FindForClick(const WidgetList& list, std::u16string_view text,
                               std::string_view kind = {});

// Writes the list as the dump's "widgets" array.
void WriteWidgets(const WidgetList& list, JsonWriter& json);

}  // namespace zentrix::ui
