#pragma once
// Runs a graph tutorial on the program's overlay, once per frame after the
// grapher is drawn. The owner keeps the grapher's graphs when the tutorial
// starts and brings them back when it is closed (the hooks), so the person's
// set comes out as it went in.
//
// Back and Next move the step and nothing else, except that Next on a typing
// step fills the focused box with the expected text, as it does in the
// calculator tutorials.

#include <functional>
#include <string>

#include "tutorials/graph/graph_tutorial_step.h"
#include "tutorials/overlay/tutorial_overlay.h"
#include "ui/core/widget_info.h"

namespace zentrix::tutorials {

struct GraphTutorialHooks {
  std::function<void(ui::WidgetList&)> describe;  // the frame's widgets, in routing order
  std::function<GraphProbe()> probe;
  std::function<void()> stash;    // keeps the person's graphs
  std::function<void()> restore;  // brings them back
  // Puts the on-screen keyboard away once a typing step is done, so that it
  // no longer hides the plot.
  std::function<void()> hide_keyboard;
};

class GraphTutorialRunner {
 public:
  GraphTutorialRunner(TutorialOverlay& overlay, GraphTutorialHooks hooks);

  // False when a tutorial runs already.
  bool Start(const GraphTutorial& tutorial);
  bool Running() const { return tutorial_ != nullptr; }
  int Step() const { return step_; }
  void Frame(int screen_width);
  // Ends a running tutorial now, restoring the graphs.
  void Abandon();

 private:
  const GraphStep& Current() const { return tutorial_->steps[static_cast<std::size_t>(step_)]; }
  int StepCount() const { return static_cast<int>(tutorial_->steps.size()); }
  void Enter(const GraphStep& step, const GraphProbe& now);
  bool Check(const GraphStep& step, const GraphProbe& now);
  draw::Rect WidgetTarget(const GraphStep& step, const GraphProbe& now);
  draw::Rect KeyboardTarget(const GraphStep& step);
  // A step is left forward: a typing step's text is filled in when missing
  // and the keyboard put away.
  void Done(const GraphStep& step);
  void End();

  TutorialOverlay& overlay_;
  GraphTutorialHooks hooks_;
  const GraphTutorial* tutorial_ = nullptr;
  int step_ = 0;
  int entered_ = -1;
  GraphProbe at_entry_;
  bool armed_ = false;      // the step may be done now (see Enter)
  bool backwards_ = false;  // the step was reached by Back
  ui::WidgetList widgets_;  // reused every frame
};

}  // namespace zentrix::tutorials
