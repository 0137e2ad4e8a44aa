#include "graphing/model/window3d.h"

#include "graphing/model/graph_functions.h"

namespace zentrix::graphing {

Window3D::Window3D() {
  constexpr std::u16string_view kLabels[kFieldCount] = {u"Xmin", u"Xmax", u"Ymin",
                                                        u"Ymax", u"Zmin", u"Zmax"};
  for (int i = 0; i < kFieldCount; ++i) fields_[i].label = kLabels[i];
  Standard();
}

std::array<WindowField*, Window3D::kFieldCount> Window3D::Pointers() {
  std::array<WindowField*, kFieldCount> p;
  for (int i = 0; i < kFieldCount; ++i) p[i] = &fields_[i];
  return p;
}

ApplyResult Window3D::Apply(const engine::VariableStore* variables) {
  const auto p = Pointers();
  return ApplyFields(p, variables);
}

void Window3D::Standard() {
  for (int i = 0; i < kFieldCount; ++i) {
    const bool minimum = i % 2 == 0;
    fields_[i].text = minimum ? u"-10" : u"10";
    fields_[i].value = minimum ? -10.0 : 10.0;
  }
}

bool Window3D::ZoomIn(const engine::VariableStore* variables) {
  const auto p = Pointers();
  return ScaleFields(p, 0.5, variables);
}

bool Window3D::ZoomOut(const engine::VariableStore* variables) {
  const auto p = Pointers();
  return ScaleFields(p, 2.0, variables);
}

void Window3D::Trig() {
  fields_[kXmin] = {fields_[kXmin].label, PiText(u"-"), -kPi};
  fields_[kXmax] = {fields_[kXmax].label, PiText(u""), kPi};
  fields_[kYmin] = {fields_[kYmin].label, PiText(u"-"), -kPi};
  fields_[kYmax] = {fields_[kYmax].label, PiText(u""), kPi};
  fields_[kZmin] = {fields_[kZmin].label, PiText(u"-2"), -2.0 * kPi};
  fields_[kZmax] = {fields_[kZmax].label, PiText(u"2"), 2.0 * kPi};
}

void Window3D::SetValues(double xmin, double xmax, double ymin, double ymax, double zmin,
                         double zmax) {
  const double values[kFieldCount] = {xmin, xmax, ymin, ymax, zmin, zmax};
  for (int i = 0; i < kFieldCount; ++i) {
    fields_[i].value = values[i];
    fields_[i].text = FieldText(values[i]);
  }
}

}  // namespace zentrix::graphing
