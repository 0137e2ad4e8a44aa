#include "graphing/screens/window_json.h"

namespace zentrix::graphing::screens {

void WriteWindowJson(const Window2D& window, ui::JsonWriter& json) {
  json.BeginObject();
  json.Key("xmin").Number(window.value(Window2D::kXmin));
  json.Key("xmax").Number(window.value(Window2D::kXmax));
  json.Key("ymin").Number(window.value(Window2D::kYmin));
  json.Key("ymax").Number(window.value(Window2D::kYmax));
  json.EndObject();
}

void WriteWindowJson(const Window3D& window, ui::JsonWriter& json) {
  json.BeginObject();
  json.Key("xmin").Number(window.xmin());
  json.Key("xmax").Number(window.xmax());
  json.Key("ymin").Number(window.ymin());
  json.Key("ymax").Number(window.ymax());
  json.Key("zmin").Number(window.zmin());
  json.Key("zmax").Number(window.zmax());
  json.EndObject();
}

}  // namespace zentrix::graphing::screens
