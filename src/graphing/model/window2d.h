#pragma once
// The 2D grapher's viewing window: Xmin, Xmax, Ymin, Ymax as texts and values,
// the plot area, and the values derived from both (scales, origin, grid).

#include <array>

#include "graphing/model/grid_step.h"
#include "graphing/model/plot_viewport.h"
#include "graphing/model/window_fields.h"

namespace zentrix::graphing {

class Window2D {
 public:
  enum Field : int { kXmin, kXmax, kYmin, kYmax, kFieldCount };

  Window2D();  // Standard for the initial 100 × 100 plot area

  // Evaluates the fields in order Xmin, Xmax, Ymin, Ymax; the first failure
  // shows "Error solving <field>" and nothing is applied. Success recomputes
  // the derived values.
  ApplyResult Apply(const engine::VariableStore* variables = nullptr);
  // The longer side of the plot area from −10 to 10, the shorter side in
  // proportion (at most two decimals), so a unit is as long on both axes.
  void Standard();
  // Every field ×0.5 ("Zoom +") or ×2 ("Zoom -"); nothing changes when a field
  // does not evaluate.
  bool ZoomIn(const engine::VariableStore* variables = nullptr);
  bool ZoomOut(const engine::VariableStore* variables = nullptr);
  // x from −(47/24)π to (47/24)π, y from −4 to 4.
  void Trig();

  // The plot area in pixels; recomputes the derived values.
  void SetPlotArea(int left, int top, int width, int height);
  // Sets the values (a drag of the view) and writes them as texts.
  void SetValues(double xmin, double xmax, double ymin, double ymax);
  // Recomputes scales, origin and grid; false (and nothing changes) when
  // Xmax ≤ Xmin or Ymax ≤ Ymin or the plot area is empty.
  bool Recompute();

  WindowField& field(Field f) { return fields_[f]; }
  const WindowField& field(Field f) const { return fields_[f]; }
  const std::u16string& text(Field f) const { return fields_[f].text; }
  void SetText(Field f, std::u16string text) { fields_[f].text = std::move(text); }
  double value(Field f) const { return fields_[f].value; }

  // The transform of the last successful recompute.
  const PlotViewport& viewport() const { return viewport_; }
  const GridAxis& x_grid() const { return x_grid_; }
  const GridAxis& y_grid() const { return y_grid_; }

 private:
  std::array<WindowField*, kFieldCount> Pointers();
  void SetField(Field f, std::u16string text, double value);

  std::array<WindowField, kFieldCount> fields_;
  PlotViewport viewport_;
  GridAxis x_grid_;
  GridAxis y_grid_;
};

}  // namespace zentrix::graphing
