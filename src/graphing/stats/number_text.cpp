#include "graphing/stats/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace zentrix::graphing {
namespace {

constexpr char16_t kInfinity = 219;
constexpr char16_t kTimesTenPower = 128;

std::u16string Widen(const char* begin, const char* end) { return std::u16string(begin, end); }

std::u16string NonFinite(double value) {
  if (std::isnan(value)) return u"NaN";
  return value > 0 ? std::u16string(1, kInfinity) : std::u16string{u'-', kInfinity};
}

}  // namespace

void AppendTrimmed(double value, int decimals, std::u16string& out) {
  if (!std::isfinite(value)) {
    out += NonFinite(value);
    return;
  }
  decimals = std::clamp(decimals, 0, 17);
  // The largest double has 309 integral digits.
  char buffer[400];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) {
    out += u"NaN";
    return;
  }
  if (std::find(buffer, end, '.') != end) {
    while (end[-1] == '0') --end;
    if (end[-1] == '.') --end;
  }
  const char* begin = buffer;
  if (end - begin == 2 && begin[0] == '-' && begin[1] == '0') ++begin;  // never "-0"
  for (const char* c = begin; c != end; ++c) out += static_cast<char16_t>(*c);
}

std::u16string FormatTrimmed(double value, int decimals) {
  std::u16string text;
  AppendTrimmed(value, decimals, text);
  return text;
}

std::u16string FormatExact(double value) {
  if (!std::isfinite(value)) return NonFinite(value);
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);  // shortest round trip
  if (ec != std::errc()) return u"0";
  const char* e = std::find(buffer, end, 'e');
  std::u16string text = Widen(buffer, e);
  if (e != end) {
    // "1e-07" is written 1ᴇ-7.
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    const std::string digits = std::to_string(exponent);
    text += kTimesTenPower;
    text += Widen(digits.data(), digits.data() + digits.size());
  }
  return text;
}

}  // namespace zentrix::graphing
