#include "graphing/model/graph_preparation.h"

#include <string>

#include "graphing/model/engine_bridge.h"
#include "graphing/model/function_graph.h"
#include "graphing/model/parametric_graph.h"
#include "graphing/model/polar_graph.h"
#include "graphing/model/sampling_window.h"
#include "graphing/model/stat_plots.h"

namespace zentrix::graphing {
namespace {

std::u16string Number(int n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

// The Function text through the symbolic engine (the raw text when that
// fails), compiled as one function or as a list; the typed text is kept.
bool PrepareFunction(FunctionGraph& graph, const engine::VariableStore* variables) {
  const std::u16string typed = graph.expression_text;
  const SymbolicForm form = EvaluateSymbolically(typed, variables);
  bool ok;
  if (form.ok && form.is_list && !form.texts.empty()) {
    graph.AllocateList(static_cast<int>(form.texts.size()));
    ok = true;
    for (std::size_t i = 0; i < form.texts.size(); ++i) {
      ok = graph.SetListExpression(static_cast<int>(i), form.texts[i]) && ok;
    }
    ok = ok && graph.compiled;
  } else {
    ok = graph.SetExpression(form.ok && !form.is_list ? form.texts.front() : typed);
  }
  graph.expression_text = typed;
  return ok;
}

// The failure text of a list: the first item that did not compile.
std::u16string FunctionError(const FunctionGraph& graph) {
  for (int i = 0; i < graph.list_count(); ++i) {
    if (!graph.list_expression(i).compiled()) return graph.list_expression(i).ErrorText();
  }
  return graph.expression.ErrorText();
}

bool PrepareParametric(ParametricGraph& graph, const engine::VariableStore* variables) {
  const std::u16string x_text = graph.expression_text;
  const std::u16string y_text = graph.y_text;
  if (!graph.SetExpressions(x_text, y_text)) {
    CompileWithSymbolicCalls(graph.expression, x_text, variables);
    CompileWithSymbolicCalls(graph.y_expression, y_text, variables);
    graph.UpdateCompiledState();
  }
  return graph.compiled;
}

bool PreparePolar(PolarGraph& graph, const engine::VariableStore* variables) {
  const std::u16string typed = graph.expression_text;
  if (!graph.SetExpression(typed)) {
    graph.compiled = CompileWithSymbolicCalls(graph.expression, typed, variables);
    graph.uses_time = graph.compiled && graph.expression.uses_time();
  }
  return graph.compiled;
}

std::u16string CurveError(const Graph2D& graph) {
  if (graph.kind() == Graph2DKind::kParametric) {
    const auto& p = static_cast<const ParametricGraph&>(graph);
    if (p.expression.compiled() && !p.y_expression.compiled()) return p.y_expression.ErrorText();
  }
  return graph.expression.ErrorText();
}

}  // namespace

bool CompileWithSymbolicCalls(CompiledExpr& expression, std::u16string_view text,
                              const engine::VariableStore* variables) {
  if (expression.Compile(text) || !expression.needs_symbolic_pass()) return expression.compiled();
  const SymbolicForm form = EvaluateSymbolically(text, variables);
  if (!form.ok || form.is_list || form.texts.empty()) return false;
  CompiledExpr resolved;
  if (!resolved.Compile(form.texts.front())) return false;
  expression = std::move(resolved);
  return true;
}

std::u16string GraphFailureMessage(std::u16string_view kind, int graph_number,
                                   std::u16string_view error) {
  std::u16string message(kind);
  message += u" #";
  message += Number(graph_number);
  message += u" could not be graphed.\n[red]";
  message += error;
  message += u"[/]";
  return message;
}

PreparationResult PrepareGraphSet(GraphSet2D& set, const PreparationSettings& settings) {
  GraphEvaluation().angle_mode =
      settings.always_radians ? AngleMode::kRadians : settings.angle_mode;
  if (settings.single_plot) {
    for (std::size_t i = 0; i < set.size(); ++i) {
      set[i].enabled = static_cast<int>(i) == set.selected();
    }
  }
  for (std::size_t i = 0; i < set.size(); ++i) {
    Graph2D& graph = set[i];
    if (!graph.enabled) continue;
    const int number = static_cast<int>(i) + 1;
    const auto fail = [&](std::u16string message) {
      return PreparationResult{false, static_cast<int>(i), std::move(message)};
    };
    switch (graph.kind()) {
      case Graph2DKind::kFunction: {
        auto& function = static_cast<FunctionGraph&>(graph);
        if (!PrepareFunction(function, settings.variables)) {
          return fail(GraphFailureMessage(graph.KindName(), number, FunctionError(function)));
        }
        break;
      }
      case Graph2DKind::kParametric:
      case Graph2DKind::kPolar: {
        const bool parametric = graph.kind() == Graph2DKind::kParametric;
        const bool ok =
            parametric ? PrepareParametric(static_cast<ParametricGraph&>(graph), settings.variables)
                       : PreparePolar(static_cast<PolarGraph&>(graph), settings.variables);
        if (!ok) return fail(GraphFailureMessage(graph.KindName(), number, CurveError(graph)));
        auto& curve = static_cast<CurveGraph&>(graph);
        const RangeApply r =
            ApplySamplingRange(curve.parameter, kParameterCountLimits, settings.variables);
        if (!r.ok) {
          const std::u16string_view window =
              parametric ? u"The parametric window" : u"The polar window";
          return fail(WindowFailureMessage(window, number, r.error));
        }
        break;
      }
      default: {
        auto& plot = static_cast<StatPlot&>(graph);
        if (settings.load_lists) settings.load_lists(plot);
        plot.RefreshData();
        break;
      }
    }
  }
  return {};
}

}  // namespace zentrix::graphing
