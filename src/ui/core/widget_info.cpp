#include "ui/core/widget_info.h"

namespace zentrix::ui {

std::u16string StripMarkup(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'[') {
      const std::size_t close = text.find(u']', i);
      if (close == std::u16string_view::npos) break;
      i = close;
      continue;
    }
    out += text[i];
  }
  return out;
}

bool MatchesClick(const WidgetInfo& info, std::u16string_view text, std::string_view kind) {
  if (!kind.empty() && info.kind != kind) return false;
  return StripMarkup(info.text) == text;
}

const WidgetInfo* FindForClick(const WidgetList& list, std::u16string_view text,
                               std::string_view kind) {
  for (const WidgetInfo& info : list) {
    if (info.enabled && !info.rect.Empty() && MatchesClick(info, text, kind)) return &info;
  }
  return nullptr;
}

void WriteWidgets(const WidgetList& list, JsonWriter& json) {
  json.BeginArray();
  for (const WidgetInfo& info : list) {
    json.BeginObject();
    json.Key("kind").String(info.kind);
    json.Key("text").Text(info.text);
    json.Key("rect").RectArray(info.rect.left, info.rect.top, info.rect.Width(),
                               info.rect.Height());
    json.Key("enabled").Bool(info.enabled);
    if (info.checked) json.Key("checked").Bool(*info.checked);
    if (info.selected) json.Key("selected").Integer(*info.selected);
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace zentrix::ui
