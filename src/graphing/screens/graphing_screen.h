#pragma once
// The graphing screen hosts both graphers. Above the grapher's tabs a page
// switch "Dimensions" chooses 2D or 3D; the screen bar shows the two as
// screens 2 and 3, so the switch asks the program to show the other screen.
// Both graphers share the time settings: applying them in either copies
// Unbounded, Loop and Play Mode (and the bounds) into both live states.
//
// GrapherScreen is one of the two screens the program holds; both show the
// same GraphingScreen, each with its own grapher.

#include <functional>
#include <memory>

#include "graphing/model/time_settings.h"
#include "graphing/screens/grapher/grapher_2d.h"
#include "graphing/screens/grapher/grapher_3d.h"
#include "ui/core/screen.h"
#include "ui/widgets/label.h"
#include "ui/widgets/radio_group.h"

namespace zentrix::graphing::screens {

enum class Dimension : int { k2D = 0, k3D = 1 };

struct GraphingServices {
  GrapherServices grapher;
  // Shows the other grapher's screen (the Dimensions switch).
  std::function<void(Dimension)> show_dimension;
  // The first time a grapher is shown (its default file is loaded then).
  std::function<void(Dimension)> first_shown;
};

class GraphingScreen {
 public:
  explicit GraphingScreen(GraphingServices services);

  Grapher2D& Two() { return two_; }
  Grapher3D& Three() { return three_; }
  Grapher& Of(Dimension d) { return d == Dimension::k2D ? static_cast<Grapher&>(two_) : three_; }
  TimeSettings& Time() { return time_; }
  Dimension Shown() const { return shown_; }
  // Whether the grapher has been shown at least once.
  bool WasShown(Dimension d) const { return was_shown_[static_cast<int>(d)]; }

  void Enter(Dimension d);
  void LayoutAndDraw(Dimension d, draw::Surface& surface, const draw::Rect& content);
  bool StylusDown(Dimension d, ui::Point p);
  bool StylusMove(Dimension d, ui::Point p);
  bool StylusUp(Dimension d, ui::Point p);
  bool Wheel(Dimension d, ui::Point p, int steps);
  bool KeyDown(Dimension d, const ui::KeyEvent& key);
  void DescribeWidgets(Dimension d, ui::WidgetList& out) const;
  ui::ScreenMenu Menu(Dimension d) const;
  bool OnMenuCommand(Dimension d, ui::MenuCommand command);
  // A menu command the screen hands on (the file commands).
  void SetFileCommandHandler(std::function<bool(Dimension, ui::MenuCommand)> handler) {
    file_commands_ = std::move(handler);
  }

 private:
  void LayOutSwitch(const draw::Rect& content);

  GraphingServices services_;
  TimeSettings time_;
  Grapher2D two_;
  Grapher3D three_;
  Dimension shown_ = Dimension::k2D;
  bool was_shown_[2] = {false, false};
  ui::Label switch_label_{0, 0, u"Dimensions"};
  ui::RadioGroup switch_;
  int switch_bottom_ = 0;
  std::function<bool(Dimension, ui::MenuCommand)> file_commands_;
};

class GrapherScreen : public ui::Screen {
 public:
  GrapherScreen(std::shared_ptr<GraphingScreen> host, Dimension dimension)
      : host_(std::move(host)), dimension_(dimension) {}

  GraphingScreen& Host() { return *host_; }
  Grapher& Own() { return host_->Of(dimension_); }

  std::string_view Name() const override {
    return dimension_ == Dimension::k2D ? "graph2d" : "graph3d";
  }
  void Enter() override { host_->Enter(dimension_); }
  void LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) override {
    host_->LayoutAndDraw(dimension_, surface, content);
  }
  bool StylusDown(ui::Point p) override { return host_->StylusDown(dimension_, p); }
  bool StylusMove(ui::Point p) override { return host_->StylusMove(dimension_, p); }
  bool StylusUp(ui::Point p) override { return host_->StylusUp(dimension_, p); }
  bool KeyDown(const ui::KeyEvent& key) override { return host_->KeyDown(dimension_, key); }
  bool Wheel(ui::Point p, int steps) override { return host_->Wheel(dimension_, p, steps); }
  ui::ScreenMenu Menu() const override { return host_->Menu(dimension_); }
  bool OnMenuCommand(ui::MenuCommand command) override {
    return host_->OnMenuCommand(dimension_, command);
  }
  void DescribeWidgets(ui::WidgetList& out) const override {
    host_->DescribeWidgets(dimension_, out);
  }
  bool DescribeState(ui::JsonWriter& json) const override;

 private:
  std::shared_ptr<GraphingScreen> host_;
  Dimension dimension_;
};

}  // namespace zentrix::graphing::screens
