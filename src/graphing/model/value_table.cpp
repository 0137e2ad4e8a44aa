#include "graphing/model/value_table.h"

#include "graphing/model/eval_context.h"
#include "graphing/model/parametric_graph.h"

namespace zentrix::graphing {
namespace {

constexpr char16_t kThetaName[] = {229, 0};

TableCell NumberCell(double v, const engine::DecimalFormat& format) {
  return {engine::FormatDecimal(v, format), colour::kWhite};
}

TableCell ValueCell(bool ok, double v, const engine::DecimalFormat& format) {
  if (!ok) return {u"Error", colour::kRed};
  return NumberCell(v, format);
}

// The cells after the first of one row.
void AppendValues(Graph2D& graph, double value, const engine::DecimalFormat& format,
                  std::vector<TableCell>& row) {
  double result = 0.0;
  const bool ok = graph.Evaluate(value, 0.0, result);
  row.push_back(ValueCell(ok, result, format));
  if (graph.kind() == Graph2DKind::kParametric) {
    double y = 0.0;
    const bool y_ok = static_cast<ParametricGraph&>(graph).EvaluateY(value, 0.0, y);
    row.push_back(ValueCell(y_ok, y, format));
  }
}

std::vector<std::u16string> Columns(Graph2DKind kind) {
  switch (kind) {
    case Graph2DKind::kParametric: return {u"u", u"x", u"y"};
    case Graph2DKind::kPolar: return {kThetaName, u"r"};
    default: return {u"x", u"y"};
  }
}

}  // namespace

TableSettings::TableSettings() {
  fields_[kStart] = {u"Table Start", u"0", 0.0};
  fields_[kStep] = {u"Table Step", u"1", 1.0};
}

ApplyResult TableSettings::Apply(bool& changed, const engine::VariableStore* variables) {
  const double start = this->start(), step = this->step();
  std::array<WindowField*, kFieldCount> p{&fields_[kStart], &fields_[kStep]};
  ApplyResult result = ApplyFields(p, variables);
  changed = result.ok && (this->start() != start || this->step() != step);
  return result;
}

void TableSettings::SetStart(double value) {
  fields_[kStart].value = value;
  fields_[kStart].text = FieldText(value);
}

void TableSettings::ScrollUp() { SetStart(start() - step()); }
void TableSettings::ScrollDown() { SetStart(start() + step()); }

ValueTable BuildValueTable(GraphSet2D& set, const TableSettings& settings, int row_count,
                           const engine::DecimalFormat& format) {
  ValueTable table;
  Graph2D* graph = set.selected_graph();
  if (!graph || graph->is_statistical() || !graph->compiled) {
    table.message = !graph                    ? kTableNoGraphs
                    : graph->is_statistical() ? kTableNotStatistical
                                              : kTableNotSolved;
    return table;
  }

  // Table values are in radians whatever the angle mode.
  ScopedAngleMode radians(AngleMode::kRadians);
  table.columns = Columns(graph->kind());
  table.rows.reserve(row_count > 0 ? static_cast<std::size_t>(row_count) : 0);
  double value = settings.start();
  for (int i = 0; i < row_count; ++i, value += settings.step()) {
    std::vector<TableCell> row;
    row.push_back(NumberCell(value, format));
    AppendValues(*graph, value, format, row);
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace zentrix::graphing
