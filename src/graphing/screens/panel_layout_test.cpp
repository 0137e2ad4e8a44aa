// Every panel fits the area a grapher gives it on portrait, landscape and
// square screens at both resolutions: no widget leaves the area and no two
// widgets overlap.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/core/charset.h"
#include "graphing/screens/table_panel.h"
#include "graphing/screens/testing/skinned_panel_test.h"
#include "graphing/screens/time_editor.h"
#include "graphing/screens/window_editor_2d.h"
#include "graphing/screens/window_editor_3d.h"

namespace zentrix::graphing::screens {
namespace {

struct Shape {
  int width;
  int height;
  ui::SkinSize size;
};

std::string Where(const Shape& s) {
  std::ostringstream out;
  out << s.width << "x" << s.height << (s.size == ui::SkinSize::kLarge ? " large" : " small");
  return out.str();
}

bool Inside(const draw::Rect& inner, const draw::Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

std::string Fault(EditorPanel& panel, const draw::Rect& area) {
  ui::WidgetList widgets;
  panel.DescribeWidgets(widgets);
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    const ui::WidgetInfo& a = widgets[i];
    if (!Inside(a.rect, area)) return chars::ToUtf8(a.text) + " leaves the area";
    for (std::size_t j = i + 1; j < widgets.size(); ++j) {
      const ui::WidgetInfo& b = widgets[j];
      if (!a.rect.Intersect(b.rect).Empty()) {
        return chars::ToUtf8(a.text) + " overlaps " + chars::ToUtf8(b.text);
      }
    }
  }
  return {};
}

class PanelLayoutTest : public ::testing::TestWithParam<Shape> {
 protected:
  void SetUp() override {
    const Shape& s = GetParam();
    ASSERT_TRUE(screen_.Open(s.width, s.height, s.size, ui::SkinStyle::kClassic))
        << "build the zentrix_skins target first";
    graphs_.Create(Graph2DKind::kFunction);
    graphs_[0].SetExpression(chars::U16("x^2"));
  }

  engine::ScopedEngineState engine_;
  ScopedEvalContext context_;
  testing::SkinnedScreen screen_;
  GraphSet2D graphs_;
};

TEST_P(PanelLayoutTest, EveryPanelFitsItsArea) {
  Window2D window2d;
  Window3D window3d;
  TimeSettings time;
  TableSettings table;
  WindowEditor2D editor2d(window2d);
  WindowEditor3D editor3d(window3d);
  TimeEditor time_editor(time);
  TablePanel table_panel(table, &graphs_);
  const draw::Rect area = screen_.PanelArea();
  for (EditorPanel* panel :
       std::initializer_list<EditorPanel*>{&editor2d, &editor3d, &time_editor, &table_panel}) {
    panel->Layout(area);
    EXPECT_EQ(Fault(*panel, area), "") << Where(GetParam());
  }
  EXPECT_GE(table_panel.Table().rows.size(), 3u) << Where(GetParam());
  table_panel.ShowPage(TablePanel::kSetupPage);
  EXPECT_EQ(Fault(table_panel, area), "") << Where(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Screens, PanelLayoutTest,
                         ::testing::Values(Shape{240, 320, ui::SkinSize::kSmall},
                                           Shape{320, 240, ui::SkinSize::kSmall},
                                           Shape{240, 240, ui::SkinSize::kSmall},
                                           Shape{240, 320, ui::SkinSize::kLarge},
                                           Shape{320, 240, ui::SkinSize::kLarge},
                                           Shape{240, 240, ui::SkinSize::kLarge}));

}  // namespace
}  // namespace zentrix::graphing::screens
