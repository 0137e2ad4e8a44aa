#include "shell/screens/tutored_grapher_screen.h"

#include <cstdlib>
#include <numbers>

#include "graphing/files/graph_set_files.h"
#include "graphing/files/graph_stream.h"
#include "shell/program/calculator_program.h"
#include "tutorials/graph/graph_tutorials.h"
#include "ui/core/focus.h"
#include "ui/core/ui_state.h"
#include "ui/widgets/text_box.h"

namespace zentrix::shell {

using graphing::screens::Dimension;

TutoredGrapherScreen::TutoredGrapherScreen(CalculatorProgram& program,
                                           std::shared_ptr<graphing::screens::GraphingScreen> host,
                                           Dimension dimension)
    : GrapherScreen(std::move(host), dimension),
      dimension_(dimension),
      runner_(program.Overlay(), {[&program](ui::WidgetList& out) { program.DescribeWidgets(out); },
                                  [this] { return Probe(); }, [this] { Stash(); },
                                  [this] { Restore(); }, [&program] { program.HideKeyboard(); }}) {}

TutoredGrapherScreen::~TutoredGrapherScreen() { runner_.Abandon(); }

void TutoredGrapherScreen::LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) {
  GrapherScreen::LayoutAndDraw(surface, content);
  runner_.Frame(surface.Width());
}

bool TutoredGrapherScreen::OnMenuCommand(ui::MenuCommand command) {
  if (command != ui::MenuCommand::kTutorials) return GrapherScreen::OnMenuCommand(command);
  if (!runner_.Running()) {
    runner_.Start(dimension_ == Dimension::k2D ? tutorials::Graph2DTutorial()
                                               : tutorials::Graph3DTutorial());
  }
  return true;
}

tutorials::GraphProbe TutoredGrapherScreen::Probe() {
  tutorials::GraphProbe probe;
  graphing::screens::GraphingScreen& host = Host();
  graphing::screens::Grapher& grapher = Own();
  probe.list_popup = grapher.List().PopupOpen();
  probe.plot = grapher.PlotShown();
  if (const ui::TextBox* box = ui::Focused()) {
    probe.editing = true;
    probe.focused_text = box->Text();
  }
  if (dimension_ == Dimension::k3D) {
    probe.graphs = static_cast<int>(host.Three().Graphs().size());
    probe.rotation = host.Three().View().rotation;
    return probe;
  }
  graphing::screens::Grapher2D& two = host.Two();
  const graphing::PlotView2D& view = two.View();
  probe.graphs = static_cast<int>(two.Graphs().size());
  probe.tracing = view.mode == graphing::StylusMode::kTracing;
  probe.traced = view.trace().visible && view.trace().graph >= 0;
  probe.maxima = view.display.maxima;
  probe.maximum_selected =
      view.selection().visible && view.selection().kind == graphing::FeatureKind::kMaximum;
  // The circled maximum nearest x = π/2, the one the instruction names.
  const int wanted = view.viewport().ToPixel(std::numbers::pi / 2, 1).column;
  const graphing::FoundFeature* nearest = nullptr;
  for (const graphing::FoundFeature& feature : view.features().items()) {
    if (feature.kind != graphing::FeatureKind::kMaximum) continue;
    if (!nearest ||
        std::abs(feature.point.column - wanted) < std::abs(nearest->point.column - wanted)) {
      nearest = &feature;
    }
  }
  if (nearest) {
    const int reach = ui::ScaledPx(graphing::kFeatureHitDistance) / 2;
    const graphing::PlotPoint& p = nearest->point;
    probe.maximum =
        draw::Rect{p.column - reach, p.row - reach, p.column + reach + 1, p.row + reach + 1};
  }
  return probe;
}

void TutoredGrapherScreen::Stash() {
  graphing::screens::GraphingScreen& host = Host();
  if (dimension_ == Dimension::k3D) {
    kept_.graphs = graphing::files::GraphSet3DBytes(host.Three().Graphs());
    kept_.rotation = host.Three().View().rotation;
    return;
  }
  graphing::screens::Grapher2D& two = host.Two();
  kept_.graphs = graphing::files::GraphSet2DBytes(two.Graphs(), two.DataTable());
  kept_.mode = two.View().mode;
  kept_.maxima = two.View().display.maxima;
}

void TutoredGrapherScreen::Restore() {
  graphing::screens::GraphingScreen& host = Host();
  graphing::screens::Grapher& grapher = Own();
  grapher.ClosePlot();
  grapher.List().CloseEditor();
  graphing::files::GraphStream stream(kept_.graphs);
  if (dimension_ == Dimension::k3D) {
    graphing::files::ExchangeGraphSet3D(stream, host.Three().Graphs());
    host.Three().View().rotation = kept_.rotation;
  } else {
    graphing::screens::Grapher2D& two = host.Two();
    graphing::files::ExchangeGraphSet2D(stream, two.Graphs(), two.DataTable());
    two.View().mode = kept_.mode;
    two.View().display.maxima = kept_.maxima;
    // The tutorial's trace, circles and selection go with its graph.
    two.View().Recompute();
    two.View().FindFeatures();
  }
  ui::Focus(nullptr);
  grapher.Enter();
  kept_ = {};
}

}  // namespace zentrix::shell
