#pragma once
// A screen position in pixels.

namespace zentrix::ui {

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

}  // namespace zentrix::ui
