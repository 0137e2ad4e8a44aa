#pragma once
// Test support for the graphing screen: the screen made with a built skin on
// a screen of the given size, its questions and notices collected instead of
// shown, and taps on widgets found by their text as the automation's `click`
// finds them.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/charset.h"
#include "graphing/screens/graphing_screen.h"
#include "graphing/screens/testing/skinned_panel_test.h"
#include "ui/core/focus.h"
#include "ui/skin/skin_geometry.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens::testing {

class GraphingScreenTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(240, 320, ui::SkinSize::kSmall, ui::SkinStyle::kClassic); }

  // A screen of width × height Small-skin pixels; with several columns the
  // surface holds that many screens side by side (pictures of several pages
  // in one image), and Column() chooses the one drawn into.
  void Open(int width, int height, ui::SkinSize size, ui::SkinStyle style, int columns = 1) {
    host_.reset();
    ASSERT_TRUE(screen_.Open(width * columns, height, size, style))
        << "build the zentrix_skins target first";
    screen_width_ = screen_.Surface().Width() / columns;
    column_ = 0;
    folder_ = std::filesystem::path(ZENTRIX_BINARY_DIR) / "graphing_screen_test" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    GraphingServices services;
    services.grapher.show_message = [this](std::u16string text, bool,
                                           std::function<void(bool)> on_result) {
      messages_.push_back(std::move(text));
      answer_ = std::move(on_result);
    };
    services.show_dimension = [this](Dimension d) { switched_.push_back(d); };
    services.data_folder = folder_;
    host_ = std::make_unique<GraphingScreen>(std::move(services));
    Show(Dimension::k2D);
  }

  void Show(Dimension d) {
    dimension_ = d;
    host_->Enter(d);
    Frame();
  }
  void Column(int column) { column_ = column; }
  draw::Rect Content() {
    const draw::Surface& s = screen_.Surface();
    return draw::Rect{column_ * screen_width_, ui::Px(ui::kScreenBarHeight),
                      (column_ + 1) * screen_width_, s.Height() - ui::Px(ui::kMenuBarHeight)};
  }
  // Draws one frame into the current column's content area.
  void Frame() {
    const draw::Rect area = Content();
    const ui::Skin* skin = ui::CurrentSkin();
    screen_.Surface().FillRect(&area, skin ? skin->Palette().background : 0);
    host_->LayoutAndDraw(dimension_, screen_.Surface(), area);
  }
  ui::WidgetList Widgets() {
    ui::WidgetList out;
    host_->DescribeWidgets(dimension_, out);
    return out;
  }
  // Taps the first enabled widget with the text (and kind); false when none.
  bool Click(std::u16string_view text, std::string_view kind = {}) {
    Frame();
    const ui::WidgetList widgets = Widgets();
    const ui::WidgetInfo* info = ui::FindForClick(widgets, text, kind);
    if (!info) return false;
    Tap(info->rect.left + info->rect.Width() / 2, info->rect.top + info->rect.Height() / 2);
    return true;
  }
  void Tap(int x, int y) {
    host_->StylusDown(dimension_, {x, y});
    host_->StylusUp(dimension_, {x, y});
    Frame();
  }
  void Drag(int x0, int y0, int x1, int y1) {
    host_->StylusDown(dimension_, {x0, y0});
    host_->StylusMove(dimension_, {x1, y1});
    host_->StylusUp(dimension_, {x1, y1});
    Frame();
  }
  void Key(int code) {
    ui::KeyEvent key;
    key.code = code;
    if (!ui::HandleTextKey(key)) host_->KeyDown(dimension_, key);
  }
  // Creates a graph through the add button and the kind menu.
  void Add(std::u16string_view kind) {
    ASSERT_TRUE(Click(u"add"));
    ASSERT_TRUE(Click(kind, "menu item"));
  }
  // Types into the first text box with the (empty) text.
  void TypeInto(std::u16string_view current, std::string_view utf8) {
    ASSERT_TRUE(Click(current, "text box"));
    ui::InsertText(chars::U16(utf8));
    Frame();
  }
  void Answer(bool yes) {
    auto answer = std::move(answer_);
    answer_ = {};
    if (answer) answer(yes);
    Frame();
  }
  Grapher2D& Two() { return host_->Two(); }
  Grapher3D& Three() { return host_->Three(); }
  std::u16string LastMessage() const { return messages_.empty() ? u"" : messages_.back(); }

  engine::ScopedEngineState engine_;
  ScopedEvalContext context_;
  SkinnedScreen screen_;
  std::filesystem::path folder_;
  std::unique_ptr<GraphingScreen> host_;
  Dimension dimension_ = Dimension::k2D;
  int screen_width_ = 0;
  int column_ = 0;
  std::vector<std::u16string> messages_;
  std::function<void(bool)> answer_;
  std::vector<Dimension> switched_;
};

}  // namespace zentrix::graphing::screens::testing
