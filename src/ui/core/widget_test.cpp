#include "ui/core/widget.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/core/json_writer.h"
#include "ui/core/stylus_router.h"
#include "ui/core/ui_state.h"

namespace zentrix::ui {
namespace {

// Counts its presses and clicks.
class Probe : public Widget {
 public:
  Probe(int x, int y, int w, int h, std::u16string text = u"probe")
      : Widget(x, y, w, h, std::move(text)) {}
  void OnPress(const draw::Rect&) override { ++presses; }
  void OnClick(const draw::Rect&) override { ++clicks; }
  std::string_view Kind() const override { return "button"; }
  int presses = 0;
  int clicks = 0;
};

class WidgetTest : public ::testing::Test {
 protected:
  ScopedUiStateReset reset_;
};

TEST_F(WidgetTest, HitRuleIsStrictlyInside) {
  Probe w(10, 10, 20, 10);
  EXPECT_FALSE(w.Contains({10, 15}));  // left border
  EXPECT_FALSE(w.Contains({30, 15}));  // right border
  EXPECT_FALSE(w.Contains({15, 10}));
  EXPECT_FALSE(w.Contains({15, 20}));
  EXPECT_TRUE(w.Contains({11, 11}));
  EXPECT_TRUE(w.Contains({29, 19}));
}

TEST_F(WidgetTest, ClickNeedsDownAndUpInside) {
  Probe w(0, 0, 20, 20);
  EXPECT_TRUE(w.StylusDown({5, 5}));
  EXPECT_TRUE(w.Pressed());
  EXPECT_FALSE(w.StylusUp({50, 50}));  // released outside: no action
  EXPECT_FALSE(w.Pressed());
  EXPECT_EQ(w.clicks, 0);
  EXPECT_TRUE(w.StylusDown({5, 5}));
  EXPECT_TRUE(w.StylusUp({6, 6}));
  EXPECT_EQ(w.presses, 2);
  EXPECT_EQ(w.clicks, 1);
  EXPECT_FALSE(w.StylusUp({6, 6}));  // no press, no click
}

TEST_F(WidgetTest, GateRefusesDisabledHiddenAndModal) {
  Probe w(0, 0, 20, 20);
  w.SetEnabled(false);
  EXPECT_FALSE(w.StylusDown({5, 5}));
  w.SetEnabled(true);
  w.SetVisible(false);
  EXPECT_FALSE(w.StylusDown({5, 5}));
  w.SetVisible(true);

  Ui().modal_open = true;
  EXPECT_FALSE(w.StylusDown({5, 5}));
  w.SetLayer(WidgetLayer::kDialog);
  EXPECT_TRUE(w.StylusDown({5, 5}));
  w.StylusUp({5, 5});

  // A message box over the dialog shuts the dialog out too.
  Ui().message_box_open = true;
  EXPECT_FALSE(w.StylusDown({5, 5}));
  w.SetLayer(WidgetLayer::kMessageBox);
  EXPECT_TRUE(w.StylusDown({5, 5}));
}

TEST_F(WidgetTest, TutorialRestrictionComesFirst) {
  Probe w(0, 0, 40, 40);
  w.SetLayer(WidgetLayer::kMessageBox);
  Ui().message_box_open = true;
  Ui().tutorial.active = true;
  Ui().tutorial.allowed = draw::Rect{0, 0, 10, 10};
  EXPECT_FALSE(w.StylusDown({20, 20}));
  EXPECT_TRUE(w.StylusDown({5, 5}));
  // Inside the allowed rectangle the other rules still apply.
  w.StylusUp({5, 5});
  w.SetEnabled(false);
  EXPECT_FALSE(w.StylusDown({5, 5}));
}

class FakeScreen : public Screen {
 public:
  std::string_view Name() const override { return "calculator"; }
  void LayoutAndDraw(draw::Surface&, const draw::Rect&) override {}
  bool StylusDown(Point) override { return ++downs, true; }
  bool StylusUp(Point) override { return ++ups, true; }
  void DescribeWidgets(WidgetList& out) const override {
    out.push_back({"key", u"Solve", draw::Rect{0, 0, 10, 10}, true, {}, {}});
  }
  int downs = 0;
  int ups = 0;
};

TEST_F(WidgetTest, RoutingStopsAtTheFirstTaker) {
  StylusRouter router;
  Probe menu(0, 0, 100, 20, u"[yellow]Solve[/]");
  Probe pad(0, 0, 100, 100, u"Solve");
  FakeScreen screen;
  router.SetSlot(RouteSlot::kMainMenu, &menu);
  router.SetSlot(RouteSlot::kButtonPad, &pad);
  router.SetScreen(&screen);

  EXPECT_TRUE(router.StylusDown({5, 5}));
  EXPECT_TRUE(Ui().stylus_down);
  EXPECT_TRUE(router.StylusUp({5, 5}));
  EXPECT_EQ(menu.clicks, 1);
  EXPECT_EQ(pad.presses, 0);

  router.StylusDown({5, 50});  // below the menu: the pad takes it
  router.StylusUp({5, 50});
  EXPECT_EQ(pad.clicks, 1);
  EXPECT_EQ(screen.downs, 0);

  menu.SetVisible(false);
  pad.SetVisible(false);
  router.StylusDown({5, 5});
  EXPECT_EQ(screen.downs, 1);
  EXPECT_EQ(Ui().last_stylus, (Point{5, 5}));
}

TEST_F(WidgetTest, RunningTutorialHearsTapsBeforeThePad) {
  // The overlay's bar over the top of the pad: its button is the allowed
  // rectangle, and the pad key under it must not take the tap.
  StylusRouter router;
  Probe pad(0, 0, 100, 100, u"3");
  Probe overlay(0, 40, 100, 20, u"next");
  router.SetSlot(RouteSlot::kButtonPad, &pad);
  router.SetSlot(RouteSlot::kTutorialOverlay, &overlay);
  Ui().tutorial.active = true;
  Ui().tutorial.allowed = draw::Rect{0, 40, 100, 60};
  router.StylusDown({5, 50});
  router.StylusUp({5, 50});
  EXPECT_EQ(overlay.clicks, 1);
  EXPECT_EQ(pad.presses, 0);
  // Outside the overlay the allowed pad key still works.
  Ui().tutorial.allowed = draw::Rect{0, 70, 100, 90};
  router.StylusDown({5, 80});
  router.StylusUp({5, 80});
  EXPECT_EQ(pad.clicks, 1);
  // Without a tutorial the pad comes first again.
  Ui().tutorial.active = false;
  router.StylusDown({5, 50});
  router.StylusUp({5, 50});
  EXPECT_EQ(pad.clicks, 2);
  EXPECT_EQ(overlay.presses, 1);
}

TEST_F(WidgetTest, ClickSearchFollowsRoutingOrderAndKind) {
  StylusRouter router;
  Probe menu(0, 0, 100, 20, u"[yellow]Solve[/]");
  FakeScreen screen;
  router.SetSlot(RouteSlot::kMainMenu, &menu);
  router.SetScreen(&screen);
  auto found = router.FindForClick(u"Solve");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->kind, "button");  // the menu comes before the screen
  found = router.FindForClick(u"Solve", "key");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->kind, "key");
  menu.SetEnabled(false);
  EXPECT_EQ(router.FindForClick(u"Solve")->kind, "key");
  EXPECT_FALSE(router.FindForClick(u"Plot"));
}

TEST_F(WidgetTest, JsonWriterNestsAndEscapes) {
  JsonWriter json;
  json.BeginObject();
  json.Key("text").Text(u"a\"b\\\n\u00ED");
  json.Key("n").Number(1.5).Key("inf").Number(1.0 / 0.0);
  json.Key("list").BeginArray().Integer(1).Bool(false).Null().EndArray();
  json.EndObject();
  EXPECT_TRUE(json.Complete());
  EXPECT_EQ(json.Result(),
            "{\"text\": \"a\\\"b\\\\\\n\xC3\xAD\", \"n\": 1.5, \"inf\": null, "
            "\"list\": [1, false, null]}");
}

TEST_F(WidgetTest, DumpListsOptionalStatesOnlyWhenSet) {
  WidgetList list{{"check box", u"Plot", draw::Rect{1, 2, 4, 6}, false, true, {}}};
  JsonWriter json;
  WriteWidgets(list, json);
  EXPECT_EQ(json.Result(),
            "[{\"kind\": \"check box\", \"text\": \"Plot\", \"rect\": [1, 2, 3, 4], "
            "\"enabled\": false, \"checked\": true}]");
}

}  // namespace
}  // namespace zentrix::ui
