// Drawing tests: each panel on a grapher's area in a Small Classic and a
// Large Bright skin built by the skin tool, compared with reference images.

#include <gtest/gtest.h>

#include <string>

#include "engine/core/charset.h"
#include "graphing/screens/table_panel.h"
#include "graphing/screens/testing/skinned_panel_test.h"
#include "graphing/screens/time_editor.h"
#include "graphing/screens/window_editor_2d.h"
#include "graphing/screens/window_editor_3d.h"
#include "ui/core/focus.h"

namespace zentrix::graphing::screens {
namespace {

using testing::SkinCase;

class PanelPixelsTest : public ::testing::TestWithParam<SkinCase> {
 protected:
  void Open(int width, int height) {
    ASSERT_TRUE(screen_.Open(width, height, GetParam().size, GetParam().style))
        << "build the zentrix_skins target first";
  }
  std::string Name(const char* scene) const { return testing::SceneName(scene, GetParam()); }
  void Show(EditorPanel& panel) {
    panel.Layout(screen_.PanelArea());
    panel.Draw(screen_.Surface());
  }

  engine::ScopedEngineState engine_;
  ScopedEvalContext context_;
  testing::SkinnedScreen screen_;
};

TEST_P(PanelPixelsTest, WindowEditor2D) {
  Open(240, 320);
  Window2D window;
  window.SetPlotArea(0, 0, 240, 320);
  WindowEditor2D editor(window);
  editor.Standard();
  ui::Focus(&editor.FieldBox(Window2D::kYmax));
  editor.FieldBox(Window2D::kYmax).CaretToEnd();
  editor.TrigButton().SetPressed(true);
  Show(editor);
  EXPECT_TRUE(testing::MatchesReference(screen_.Surface(), Name("window2d")));
}

TEST_P(PanelPixelsTest, WindowEditor3DLandscape) {
  Open(320, 240);
  Window3D window;
  WindowEditor3D editor(window);
  editor.Trig();
  Show(editor);
  EXPECT_TRUE(testing::MatchesReference(screen_.Surface(), Name("window3d_landscape")));
}

TEST_P(PanelPixelsTest, TimeEditorSquare) {
  Open(240, 240);
  TimeSettings settings;
  settings.unbounded = true;
  settings.play_mode = PlayMode::kBackAndForth;
  TimeEditor editor(settings);
  Show(editor);
  EXPECT_TRUE(testing::MatchesReference(screen_.Surface(), Name("time_square")));
}

TEST_P(PanelPixelsTest, Table) {
  Open(240, 320);
  GraphSet2D graphs;
  graphs.Create(Graph2DKind::kFunction);
  ASSERT_TRUE(graphs[0].SetExpression(chars::U16("ln(x)")));
  TableSettings settings;
  settings.SetText(TableSettings::kStart, u"-1");
  settings.SetText(TableSettings::kStep, u"0.5");
  bool changed = false;
  ASSERT_TRUE(settings.Apply(changed).ok);
  TablePanel panel(settings, &graphs);
  Show(panel);
  EXPECT_TRUE(testing::MatchesReference(screen_.Surface(), Name("table")));
}

INSTANTIATE_TEST_SUITE_P(Skins, PanelPixelsTest, testing::BothSkins(), testing::SkinCaseName);

}  // namespace
}  // namespace zentrix::graphing::screens
