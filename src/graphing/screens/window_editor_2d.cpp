#include "graphing/screens/window_editor_2d.h"

namespace zentrix::graphing::screens {

WindowEditor2D::WindowEditor2D(Window2D& window)
    : WindowEditor(Window2D::kFieldCount), window_(window) {
  Refresh();
}

WindowField& WindowEditor2D::ModelField(int field) {
  return window_.field(static_cast<Window2D::Field>(field));
}

ApplyResult WindowEditor2D::ModelApply() {
  return window_.Apply(Variables());
}

bool WindowEditor2D::ModelScale(bool zoom_in) {
  return zoom_in ? window_.ZoomIn(Variables()) : window_.ZoomOut(Variables());
}

std::u16string WindowEditor2D::FirstFailure() {
  Window2D trial = window_;
  return trial.Apply(Variables()).message;
}

}  // namespace zentrix::graphing::screens
