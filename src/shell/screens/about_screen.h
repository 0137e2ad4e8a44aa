#pragma once
// The about screen: the product name, its version and a few lines of credits,
// centred in the content area.

#include "draw/bitmap_font.h"
#include "ui/core/screen.h"

namespace zentrix::shell {

inline constexpr char16_t kProductName[] = u"Zentrix";
inline constexpr char16_t kProductVersion[] = u"Version 2.0.4";

class AboutScreen : public ui::Screen {
 public:
  std::string_view Name() const override { return "about"; }
  void LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) override;
  void DescribeWidgets(ui::WidgetList& out) const override;

 private:
  struct Line {
    const char16_t* text;
    bool title;
  };
  static constexpr Line kLines[] = {
      {kProductName, true},
      {kProductVersion, false},
      {u"", false},
      {u"A graphing calculator with", false},
      {u"a computer-algebra engine.", false},
      {u"", false},
      {u"[lightgray]Engine, graphing and notes", false},
      {u"[lightgray]by the Zentrix developers.", false},
      {u"[lightgray]Fonts: DejaVu Sans.", false},
  };
  static constexpr int kLineCount = sizeof kLines / sizeof kLines[0];
  draw::Rect rects_[kLineCount];
  int widths_[kLineCount] = {};
  const draw::BitmapFont* measured_font_ = nullptr;
};

}  // namespace zentrix::shell
