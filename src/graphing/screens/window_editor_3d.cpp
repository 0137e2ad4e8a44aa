#include "graphing/screens/window_editor_3d.h"

namespace zentrix::graphing::screens {

WindowEditor3D::WindowEditor3D(Window3D& window)
    : WindowEditor(Window3D::kFieldCount), window_(window) {
  Refresh();
}

WindowField& WindowEditor3D::ModelField(int field) {
  return window_.field(static_cast<Window3D::Field>(field));
}

ApplyResult WindowEditor3D::ModelApply() {
  return window_.Apply(Variables());
}

bool WindowEditor3D::ModelScale(bool zoom_in) {
  return zoom_in ? window_.ZoomIn(Variables()) : window_.ZoomOut(Variables());
}

std::u16string WindowEditor3D::FirstFailure() {
  Window3D trial = window_;
  return trial.Apply(Variables()).message;
}

}  // namespace zentrix::graphing::screens
