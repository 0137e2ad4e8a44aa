#include "ui/core/json_writer.h"

#include <cmath>
#include <cstdio>

#include "ui/core/ui_state.h"

namespace zentrix::ui {

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!depth_.empty()) {
    if (depth_.back()) out_ += ", ";
    depth_.back() = true;
  }
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  depth_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  if (!depth_.empty()) depth_.pop_back();
  out_ += '}';
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  depth_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  if (!depth_.empty()) depth_.pop_back();
  out_ += ']';
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  BeforeValue();
  Escaped(name);
  out_ += ": ";
  after_key_ = true;
  return *this;
}

void JsonWriter::Escaped(std::string_view utf8) {
  out_ += '"';
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default:
        if (c < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
          out_ += buffer;
        } else {
          out_ += ch;
        }
    }
  }
  out_ += '"';
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  Escaped(utf8);
  return *this;
}

JsonWriter& JsonWriter::Text(std::u16string_view text) { return String(EncodeText(text)); }

JsonWriter& JsonWriter::Number(double value) {
  if (!std::isfinite(value)) return Null();
  BeforeValue();
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  out_ += buffer;
  return *this;
}

JsonWriter& JsonWriter::Integer(std::int64_t value) {
  BeforeValue();
  out_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
  return *this;
}

JsonWriter& JsonWriter::RectArray(int x, int y, int width, int height) {
  BeginArray();
  Integer(x).Integer(y).Integer(width).Integer(height);
  return EndArray();
}

}  // namespace zentrix::ui
