#pragma once
// The graph tutorials' steps. A graph script cannot rebuild a grapher the way
// a calculator script rebuilds its notebook, so its steps wait for what the
// person does: a tapping step points at a widget found by its kind and name
// among the frame's widgets and moves on when its condition holds (after Back,
// a condition that already holds must first stop holding, so Back never
// bounces straight forward again); a typing step points at the
// on-screen keyboard's key for the next missing character (or at the keyboard
// element while the keyboard is hidden) and moves on when the focused text
// box holds the expected text.

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "draw/rect.h"

namespace zentrix::tutorials {

// What the conditions read from the grapher, taken once per frame.
struct GraphProbe {
  int graphs = 0;           // graphs in the set
  bool list_popup = false;  // the graph-kind list is open
  bool editing = false;     // a text box has the focus
  std::u16string_view focused_text;
  bool plot = false;     // the plot is shown
  bool tracing = false;  // the stylus traces
  bool traced = false;   // the trace cursor is on a graph
  bool maxima = false;   // maxima are circled
  bool maximum_selected = false;
  std::optional<draw::Rect> maximum;  // where the first circled maximum is tapped
  std::array<float, 3> rotation{};    // the 3D view's angles
};

// The step is done: `now` against the probe taken when the step was entered.
using GraphCondition = bool (*)(const GraphProbe& now, const GraphProbe& at_entry);

enum class GraphStepKind { kExplain, kTap, kType, kFinish };

// Special widget kinds a tapping step may name besides the dump's kinds.
inline constexpr std::string_view kMaximumTarget = "maximum";

struct GraphStep {
  GraphStepKind kind = GraphStepKind::kExplain;
  std::u16string_view text;
  std::string_view widget_kind;  // tapping: the widget's kind ...
  std::u16string_view widget;    // ... and its text or automation name (empty: any)
  std::u16string_view expected;  // typing
  GraphCondition met = nullptr;  // tapping
};

struct GraphTutorial {
  std::u16string_view caption;
  std::span<const GraphStep> steps;
};

}  // namespace zentrix::tutorials
