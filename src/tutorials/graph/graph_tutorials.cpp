#include "tutorials/graph/graph_tutorials.h"

namespace zentrix::tutorials {
namespace {

constexpr GraphStep Explain(std::u16string_view text) {
  return {GraphStepKind::kExplain, text, {}, {}, {}, nullptr};
}
constexpr GraphStep Tap(std::u16string_view text, std::string_view kind, std::u16string_view name,
                        GraphCondition met) {
  return {GraphStepKind::kTap, text, kind, name, {}, met};
}
constexpr GraphStep Type(std::u16string_view text, std::u16string_view expected) {
  return {GraphStepKind::kType, text, {}, {}, expected, nullptr};
}
constexpr GraphStep Finish() { return {GraphStepKind::kFinish, {}, {}, {}, {}, nullptr}; }

bool PopupOpened(const GraphProbe& now, const GraphProbe&) { return now.list_popup; }
bool GraphAdded(const GraphProbe& now, const GraphProbe& before) {
  return now.graphs > before.graphs;
}
bool Editing(const GraphProbe& now, const GraphProbe&) { return now.editing; }
bool Plotted(const GraphProbe& now, const GraphProbe&) { return now.plot; }
bool Tracing(const GraphProbe& now, const GraphProbe&) { return now.tracing; }
bool Traced(const GraphProbe& now, const GraphProbe&) { return now.traced; }
bool MaximaShown(const GraphProbe& now, const GraphProbe&) { return now.maxima; }
bool MaximumSelected(const GraphProbe& now, const GraphProbe&) { return now.maximum_selected; }
bool Turned(const GraphProbe& now, const GraphProbe& before) {
  return now.rotation != before.rotation;
}

constexpr GraphStep kSteps2D[] = {
    Explain(u"This tutorial will show you how to graph a [yellow]function[/], trace it and find "
            u"its maximum."),
    Tap(u"Tap the [yellow]add[/] button to add a graph.", "button", u"add", PopupOpened),
    Tap(u"Choose [yellow]Function[/] from the list of graph kinds.", "", u"Function", GraphAdded),
    Tap(u"Tap the new graph's empty box to edit it.", "text box", u"", Editing),
    Type(u"Enter the function [yellow]sin(x)[/]. The keyboard button on the menu bar shows the "
         u"keyboard.",
         u"sin(x)"),
    Tap(u"Tap [yellow]Plot[/] to draw the graph.", "menu", u"Plot", Plotted),
    Tap(u"Tap the [yellow]trace[/] button on the toolbar.", "", u"tracing", Tracing),
    Tap(u"Tap the graph to put the trace cursor on it; its x and y are shown on the bar.", "plot",
        u"", Traced),
    Tap(u"Tap the [yellow]maxima[/] button to circle the highest points of the graph.", "",
        u"maxima", MaximaShown),
    Tap(u"Tap the circled maximum to find it exactly: sin(x) is largest, [yellow]1[/], at x = "
        u"\u00ED/2.",
        kMaximumTarget, u"", MaximumSelected),
    Finish(),
};

constexpr GraphStep kSteps3D[] = {
    Explain(u"This tutorial will show you how to graph a [yellow]surface[/] and turn it around."),
    Tap(u"Tap the [yellow]add[/] button to add a graph.", "button", u"add", PopupOpened),
    Tap(u"Choose [yellow]Function[/] from the list of graph kinds.", "", u"Function", GraphAdded),
    Tap(u"Tap the new graph's empty box to edit it.", "text box", u"", Editing),
    Type(u"Enter the surface [yellow]sin(x)+cos(y)[/]. The keyboard button on the menu bar shows "
         u"the keyboard.",
         u"sin(x)+cos(y)"),
    Tap(u"Tap [yellow]Plot[/] to draw the surface.", "menu", u"Plot", Plotted),
    Tap(u"Drag across the surface to rotate it.", "plot", u"", Turned),
    Finish(),
};

constexpr GraphTutorial k2D{u"Graphing 2D: Functions", kSteps2D};
constexpr GraphTutorial k3D{u"Graphing 3D: Surfaces", kSteps3D};

}  // namespace

const GraphTutorial& Graph2DTutorial() { return k2D; }
const GraphTutorial& Graph3DTutorial() { return k3D; }

}  // namespace zentrix::tutorials
