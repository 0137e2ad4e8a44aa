#include "graphing/files/graph_settings.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/charset.h"
#include "engine/core/engine_state.h"
#include "graphing/files/testing/graph_settings_holder.h"

namespace zentrix::graphing::files {
namespace {

constexpr std::string_view kKey = "Software\\Corvane\\Zentrix 2.0";
constexpr std::string_view k2D = "Software\\Corvane\\Zentrix 2.0\\Graphing2D";
constexpr std::string_view k3D = "Software\\Corvane\\Zentrix 2.0\\Graphing3D";

struct Holder : testing::GraphSettingsHolder {
  void Read(platform::RegistryFile& registry) {
    ExchangeGraphSettings(registry, kKey, StreamMode::kRead, Refs());
  }
  void Write(platform::RegistryFile& registry) {
    ExchangeGraphSettings(registry, kKey, StreamMode::kWrite, Refs());
  }
};

class GraphSettingsTest : public ::testing::Test {
 protected:
  engine::ScopedEngineState engine_;
  platform::RegistryFile registry_;
};

TEST_F(GraphSettingsTest, EveryValueGoesUnderItsKeyByItsName) {
  Holder h;
  h.display2d.grid_colour = 0x404040;
  h.view3d.rotation = {10.5f, -20.0f, 0.0f};
  h.Write(registry_);
  EXPECT_EQ(registry_.GetDword(k2D, "Gird Color"), 0x404040u);
  EXPECT_EQ(registry_.GetDword(k2D, "Dimensions"), 0u);
  EXPECT_EQ(registry_.GetString(k2D, "Xmin"), "-10");
  EXPECT_EQ(registry_.GetString(k2D, "RotateX"), "10.500000");
  EXPECT_EQ(registry_.GetString(k2D, "RotateY"), "-20.000000");
  EXPECT_EQ(registry_.GetDword(k2D, "Number Interval"), 5u);
  EXPECT_EQ(registry_.GetDword(k2D, "PlotAll"), 0u);
  EXPECT_EQ(registry_.GetString(k3D, "Zmax"), "10");
  EXPECT_EQ(registry_.GetDword(k3D, "AxisMode"), 1u);
  EXPECT_EQ(registry_.GetDword(k3D, "ColorAxisZ"), 0xFF0000u);
  EXPECT_EQ(registry_.GetDword(k3D, "PlotAll3D"), 0u);
  EXPECT_EQ(registry_.GetDword(kKey, "TimeIsUnbounded"), 1u);
  EXPECT_EQ(registry_.GetString(kKey, "Tstep"), "0.5");
  EXPECT_EQ(registry_.GetString(kKey, "TimeControlsStep"), "0.05");
  EXPECT_EQ(registry_.GetDword(kKey, "TimeMode"), 0u);
  EXPECT_FALSE(registry_.GetDword(k2D, "Grid Color"));
}

TEST_F(GraphSettingsTest, ChangedValuesComeBack) {
  Holder a;
  a.dimensions = 1;
  a.window2d.Trig();
  a.window3d.SetText(Window3D::kZmax, u"3");
  a.time.SetText(TimeSettings::kTmin, u"-1");
  a.time.unbounded = false;
  a.time.play_mode = PlayMode::kBackAndForth;
  a.display2d.numbers = false;
  a.display2d.tracer_colour = 0x00FFFF;
  a.single2d = true;
  a.view3d.shade = render3d::ShadeModel::kSmooth;
  a.view3d.lighting = false;
  a.view3d.axes.mode = 0;
  a.view3d.axes.show[1] = false;
  a.background3d = 0xFFFFFF;
  a.single3d = true;
  a.Write(registry_);

  Holder b;
  EXPECT_FALSE(
      ExchangeGraphSettings(registry_, kKey, StreamMode::kRead, b.Refs()).window2d_standard);
  EXPECT_EQ(b.dimensions, 1);
  EXPECT_EQ(b.window2d.text(Window2D::kXmax), a.window2d.text(Window2D::kXmax));  // π kept
  EXPECT_NEAR(b.window2d.value(Window2D::kXmax), 47.0 / 24.0 * M_PI, 1e-12);
  EXPECT_EQ(b.window3d.value(Window3D::kZmax), 3.0);
  EXPECT_EQ(b.time.tmin(), -1.0);
  EXPECT_FALSE(b.time.unbounded);
  EXPECT_EQ(b.time.play_mode, PlayMode::kBackAndForth);
  EXPECT_FALSE(b.display2d.numbers);
  EXPECT_EQ(b.display2d.tracer_colour, 0x00FFFFu);
  EXPECT_TRUE(b.single2d);
  EXPECT_EQ(b.view3d.shade, render3d::ShadeModel::kSmooth);
  EXPECT_FALSE(b.view3d.lighting);
  EXPECT_EQ(b.view3d.axes.mode, 0);
  EXPECT_FALSE(b.view3d.axes.show[1]);
  EXPECT_EQ(b.background3d, 0xFFFFFFu);
  EXPECT_TRUE(b.single3d);

  platform::RegistryFile again;
  b.Write(again);
  EXPECT_EQ(again.Serialize(), registry_.Serialize());
}

TEST_F(GraphSettingsTest, EmptyOrUnusableTextsGiveTheDefaults) {
  Holder h;
  h.window2d.Trig();
  h.time.SetText(TimeSettings::kTstep, u"7");
  // A first run: nothing stored.
  EXPECT_TRUE(
      ExchangeGraphSettings(registry_, kKey, StreamMode::kRead, h.Refs()).window2d_standard);
  EXPECT_EQ(h.window2d.text(Window2D::kXmin), u"-10");
  EXPECT_EQ(h.time.text(TimeSettings::kTmin), u"0");
  EXPECT_EQ(h.time.text(TimeSettings::kTmax), u"100");
  EXPECT_EQ(h.time.text(TimeSettings::kTstep), u"0.5");
  EXPECT_EQ(h.time.text(TimeSettings::kControlsStep), u"0.05");

  registry_.SetString(k2D, "Xmin", "-2");
  registry_.SetString(k2D, "Xmax", "2+");  // does not evaluate
  registry_.SetString(k3D, "Xmin", "-5");
  registry_.SetString(k3D, "Xmax", "5");
  registry_.SetString(k3D, "Ymin", "\xff");                   // not UTF-8
  registry_.SetString(kKey, "Tmin", std::string(1000, '1'));  // overlong
  registry_.SetDword(k2D, "Axis Color", 0x1000000);           // beyond 24 bits
  registry_.SetDword(k2D, "Number Interval", 0);
  registry_.SetString(k2D, "RotateX", "nan");
  h.display2d.axis_colour = 0x123456;
  h.view3d.rotation[0] = 7.0f;
  h.Read(registry_);
  EXPECT_EQ(h.window2d.text(Window2D::kXmin), u"-10");
  EXPECT_EQ(h.window3d.text(Window3D::kXmin), u"-10");
  EXPECT_EQ(h.time.text(TimeSettings::kTmin), u"0");
  EXPECT_EQ(h.display2d.axis_colour, 0x123456u);
  EXPECT_EQ(h.display2d.number_interval, 5);
  EXPECT_EQ(h.view3d.rotation[0], 7.0f);
}

}  // namespace
}  // namespace zentrix::graphing::files
