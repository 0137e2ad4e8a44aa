#pragma once
// The graphing screen hosts both graphers. Above the grapher's tabs a page
// switch "Dimensions" chooses 2D or 3D; the screen bar shows the two as
// screens 2 and 3, so the switch asks the program to show the other screen.
// Both graphers share the time settings: applying them in either copies
// Unbounded, Loop and Play Mode (and the bounds) into both live states.
//
// The File menu's new, open and save commands and the default files (loaded
// the first time each grapher is shown) belong to the screen's
// GraphFileCommands; their dialogs lie over the screen while shown.
//
// GrapherScreen is one of the two screens the program holds; both show the
// same GraphingScreen, each with its own grapher.

#include <functional>
#include <memory>

#include "graphing/files/graph_settings.h"
#include "graphing/model/time_settings.h"
#include "graphing/screens/files/graph_file_commands.h"
#include "graphing/screens/grapher/grapher_2d.h"
#include "graphing/screens/grapher/grapher_3d.h"
#include "ui/core/screen.h"
#include "ui/widgets/label.h"
#include "ui/widgets/radio_group.h"

namespace zentrix::graphing::screens {

struct GraphingServices {
  GrapherServices grapher;
  // The folder of the default files and of saved sets.
  std::filesystem::path data_folder;
  // Shows the other grapher's screen (the Dimensions switch).
  std::function<void(Dimension)> show_dimension;
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
  GraphFileCommands& Files() { return files_; }
  // What the registry exchange of the graph settings reads and writes.
  files::GraphSettingsRefs SettingsRefs();
  // The graphing screen closes: the default files of the graphers that
  // loaded theirs are written back.
  bool Close();

 private:
  void LayOutSwitch(const draw::Rect& content);
  // A set was replaced or emptied by a file command.
  void SetChanged(Dimension d);

  GraphingServices services_;
  TimeSettings time_;
  Grapher2D two_;
  Grapher3D three_;
  Dimension shown_ = Dimension::k2D;
  int dimensions_value_ = 0;  // "Dimensions": the grapher shown last
  bool was_shown_[2] = {false, false};
  ui::Label switch_label_{0, 0, u"Dimensions"};
  ui::RadioGroup switch_;
  int switch_bottom_ = 0;
  GraphFileCommands files_;
  draw::Rect content_;
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
