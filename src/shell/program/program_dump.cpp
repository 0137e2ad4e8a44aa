// The state dump: the program's top-level fields, the widgets of the frame,
// each created screen's own section and the settings.

#include "shell/program/calculator_program.h"
#include "shell/settings/settings_store.h"
#include "ui/core/focus.h"
#include "ui/core/json_writer.h"
#include "ui/settings/program_settings.h"
#include "ui/widgets/text_box.h"

namespace zentrix::shell {
namespace {

struct SettingsWriter {
  ui::JsonWriter& json;
  void Dword(std::string_view name, int& value, int, int) { json.Key(name).Integer(value); }
  void Bool(std::string_view name, bool& value) { json.Key(name).Bool(value); }
  void Colour(std::string_view name, std::uint32_t& value) { json.Key(name).Integer(value); }
};

}  // namespace

void WriteSettingsSection(ui::JsonWriter& json) {
  ui::ProgramSettings copy = ui::Settings();
  json.BeginObject();
  VisitSettings(copy, SettingsWriter{json});
  json.Key(kFullscreenValue).Bool(copy.fullscreen);
  json.EndObject();
}

std::string CalculatorProgram::Dump() {
  ui::JsonWriter json;
  json.BeginObject();
  json.Key("screen").String(CurrentScreen()->Name());
  const draw::Surface& back_buffer = Display().BackBuffer();
  json.Key("size").BeginArray().Integer(back_buffer.Width()).Integer(back_buffer.Height());
  json.EndArray();
  json.Key("style").String(ui::Settings().style_index == ui::kStyleClassic ? "classic" : "bright");
  json.Key("focus");
  if (ui::TextBox* box = ui::Focused()) {
    json.BeginObject().Key("text").Text(box->Text()).Key("caret").Integer(box->Caret());
    json.EndObject();
  } else {
    json.Null();
  }
  json.Key("message_box");
  if (chrome_.MessageBoxShown()) {
    chrome_.DescribeMessageBox(json);
  } else {
    json.Null();
  }
  json.Key("tutorial");
  chrome_.Overlay().WriteState(json);
  ui::WidgetList widgets;
  router_.DescribeAll(widgets);
  json.Key("widgets");
  ui::WriteWidgets(widgets, json);
  json.Key("settings");
  WriteSettingsSection(json);

  // Each screen writes its own section; one that has none writes nothing.
  std::string out = json.Result();
  for (const auto& screen : screens_) {
    if (!screen) continue;
    ui::JsonWriter section;
    if (!screen->DescribeState(section) || !section.Complete()) continue;
    out += ", \"";
    out += screen->Name();
    out += "\": ";
    out += section.Result();
  }
  out += '}';
  return out;
}

}  // namespace zentrix::shell
