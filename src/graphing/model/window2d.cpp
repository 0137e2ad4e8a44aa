#include "graphing/model/window2d.h"

#include <cmath>
#include <string>

#include "graphing/model/graph_functions.h"

namespace zentrix::graphing {
namespace {

constexpr double kTrigHalfWidth = 47.0 / 24.0 * kPi;

}  // namespace

Window2D::Window2D() {
  constexpr std::u16string_view kLabels[kFieldCount] = {u"Xmin", u"Xmax", u"Ymin", u"Ymax"};
  for (int i = 0; i < kFieldCount; ++i) fields_[i].label = kLabels[i];
  Standard();
}

std::array<WindowField*, Window2D::kFieldCount> Window2D::Pointers() {
  return {&fields_[kXmin], &fields_[kXmax], &fields_[kYmin], &fields_[kYmax]};
}

ApplyResult Window2D::Apply(const engine::VariableStore* variables) {
  const auto p = Pointers();
  ApplyResult result = ApplyFields(p, variables);
  if (result.ok) Recompute();
  return result;
}

void Window2D::Standard() {
  const int width = viewport_.width;
  const int height = viewport_.height;
  const bool wide = width >= height;
  const double shorter = wide ? height : width;
  const double longer = wide ? width : height;
  const std::u16string half_text = TwoDecimalText(10.0 * shorter / longer);
  const double half = std::stod(std::string(half_text.begin(), half_text.end()));
  const Field short_min = wide ? kYmin : kXmin;
  const Field short_max = wide ? kYmax : kXmax;
  const Field long_min = wide ? kXmin : kYmin;
  const Field long_max = wide ? kXmax : kYmax;
  SetField(long_min, std::u16string(u"-10"), -10.0);
  SetField(long_max, std::u16string(u"10"), 10.0);
  SetField(short_min, u"-" + half_text, -half);
  SetField(short_max, half_text, half);
  Recompute();
}

bool Window2D::ZoomIn(const engine::VariableStore* variables) {
  const auto p = Pointers();
  return ScaleFields(p, 0.5, variables) && Recompute();
}

bool Window2D::ZoomOut(const engine::VariableStore* variables) {
  const auto p = Pointers();
  return ScaleFields(p, 2.0, variables) && Recompute();
}

void Window2D::Trig() {
  SetField(kXmin, PiText(u"-(47/24)"), -kTrigHalfWidth);
  SetField(kXmax, PiText(u"(47/24)"), kTrigHalfWidth);
  SetField(kYmin, std::u16string(u"-4"), -4.0);
  SetField(kYmax, std::u16string(u"4"), 4.0);
  Recompute();
}

void Window2D::SetField(Field f, std::u16string text, double value) {
  fields_[f].text = std::move(text);
  fields_[f].value = value;
}

void Window2D::SetPlotArea(int left, int top, int width, int height) {
  viewport_.left = left;
  viewport_.top = top;
  viewport_.width = width;
  viewport_.height = height;
  Recompute();
}

void Window2D::SetValues(double xmin, double xmax, double ymin, double ymax) {
  const double values[kFieldCount] = {xmin, xmax, ymin, ymax};
  for (int i = 0; i < kFieldCount; ++i) {
    fields_[i].value = values[i];
    fields_[i].text = FieldText(values[i]);
  }
  Recompute();
}

bool Window2D::Recompute() {
  const double xmin = value(kXmin), xmax = value(kXmax);
  const double ymin = value(kYmin), ymax = value(kYmax);
  if (!(xmax > xmin) || !(ymax > ymin)) return false;
  if (viewport_.width <= 0 || viewport_.height <= 0) return false;
  const double x_scale = viewport_.width / (xmax - xmin);
  const double y_scale = viewport_.height / (ymax - ymin);
  const double column = std::trunc(viewport_.left - xmin * x_scale);
  const double row = std::trunc(viewport_.top + viewport_.height + ymin * y_scale);
  // An origin beyond the pixel range (a window far from 0) cannot be drawn.
  constexpr double kLimit = 1073741824.0;
  if (!(std::fabs(column) < kLimit) || !(std::fabs(row) < kLimit)) return false;
  viewport_.xmin = xmin;
  viewport_.xmax = xmax;
  viewport_.ymin = ymin;
  viewport_.ymax = ymax;
  viewport_.x_scale = x_scale;
  viewport_.y_scale = y_scale;
  viewport_.origin_column = static_cast<int>(column);
  viewport_.origin_row = static_cast<int>(row);
  x_grid_ = ComputeGridAxis(xmin, xmax);
  y_grid_ = ComputeGridAxis(ymin, ymax);
  return true;
}

}  // namespace zentrix::graphing
