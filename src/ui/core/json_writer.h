#pragma once
// A small streaming JSON writer for the state dump. Commas and nesting are kept
// by the writer; texts are written as given (UTF-8) with JSON escapes. Numbers
// that are not finite are written as null, since JSON has no form for them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentrix::ui {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  // The name of the next value inside an object.
  JsonWriter& Key(std::string_view name);

  JsonWriter& String(std::string_view utf8);
  // Program text, converted with the UI state's text encoder.
  JsonWriter& Text(std::u16string_view text);
  JsonWriter& Number(double value);
  JsonWriter& Integer(std::int64_t value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();
  // A rectangle as [x, y, width, height].
  JsonWriter& RectArray(int x, int y, int width, int height);

  const std::string& Result() const { return out_; }
  bool Complete() const { return depth_.empty() && !out_.empty(); }

 private:
  void BeforeValue();
  void Escaped(std::string_view utf8);

  std::string out_;
  // One entry per open object or array: true once it holds a value.
  std::vector<bool> depth_;
  bool after_key_ = false;
};

}  // namespace zentrix::ui
