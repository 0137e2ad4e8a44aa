#pragma once
// A grapher screen with its tutorial: the menu bar's tutorials element starts
// the grapher's graph tutorial on the program's overlay, and the script runs
// after each frame of the grapher. The person's graphs (and the view settings
// the tutorial changes) are kept when it starts and put back when it ends.

#include <array>
#include <memory>
#include <string>

#include "graphing/plot2d/view_settings.h"
#include "graphing/screens/graphing_screen.h"
#include "tutorials/graph/graph_tutorial_runner.h"

namespace zentrix::shell {

class CalculatorProgram;

class TutoredGrapherScreen : public graphing::screens::GrapherScreen {
 public:
  TutoredGrapherScreen(CalculatorProgram& program,
                       std::shared_ptr<graphing::screens::GraphingScreen> host,
                       graphing::screens::Dimension dimension);
  ~TutoredGrapherScreen() override;

  void LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) override;
  bool OnMenuCommand(ui::MenuCommand command) override;
  tutorials::GraphTutorialRunner& Tutorial() { return runner_; }

 private:
  tutorials::GraphProbe Probe();
  void Stash();
  void Restore();

  graphing::screens::Dimension dimension_;
  tutorials::GraphTutorialRunner runner_;
  struct Kept {
    std::string graphs;  // the set in its file form
    graphing::StylusMode mode = graphing::StylusMode::kMoving;
    bool maxima = false;
    std::array<float, 3> rotation{};
  };
  Kept kept_;
};

}  // namespace zentrix::shell
