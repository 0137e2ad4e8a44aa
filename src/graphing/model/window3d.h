#pragma once
// The 3D grapher's viewing window: Xmin, Xmax, Ymin, Ymax, Zmin, Zmax as texts
// and values, with the editor's Standard, Zoom and Trig buttons.

#include <array>

#include "graphing/model/window_fields.h"

namespace zentrix::graphing {

class Window3D {
 public:
  enum Field : int { kXmin, kXmax, kYmin, kYmax, kZmin, kZmax, kFieldCount };

  Window3D();  // Standard

  // Evaluates the fields in order Xmin ... Zmax; the first failure shows
  // "Error solving <field>" and nothing is applied.
  ApplyResult Apply(const engine::VariableStore* variables = nullptr);
  // All six fields "-10" and "10".
  void Standard();
  // Every field ×0.5 ("Zoom +") or ×2 ("Zoom -"); nothing changes when a field
  // does not evaluate.
  bool ZoomIn(const engine::VariableStore* variables = nullptr);
  bool ZoomOut(const engine::VariableStore* variables = nullptr);
  // X and Y from −π to π, Z from −2π to 2π.
  void Trig();

  WindowField& field(Field f) { return fields_[f]; }
  const WindowField& field(Field f) const { return fields_[f]; }
  double value(Field f) const { return fields_[f].value; }
  const std::u16string& text(Field f) const { return fields_[f].text; }
  void SetText(Field f, std::u16string text) { fields_[f].text = std::move(text); }

  double xmin() const { return value(kXmin); }
  double xmax() const { return value(kXmax); }
  double ymin() const { return value(kYmin); }
  double ymax() const { return value(kYmax); }
  double zmin() const { return value(kZmin); }
  double zmax() const { return value(kZmax); }
  // Sets the values and writes them as texts (the Window Zoom drag).
  void SetValues(double xmin, double xmax, double ymin, double ymax, double zmin, double zmax);

 private:
  std::array<WindowField*, kFieldCount> Pointers();

  std::array<WindowField, kFieldCount> fields_;
};

}  // namespace zentrix::graphing
