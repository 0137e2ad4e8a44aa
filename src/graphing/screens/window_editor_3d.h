#pragma once
// The 3D grapher's window editor: Xmin, Xmax, Ymin, Ymax, Zmin, Zmax. Standard sets
// every bound to -10 and 10.

#include "graphing/model/window3d.h"
#include "graphing/screens/window_editor.h"

namespace zentrix::graphing::screens {

class WindowEditor3D : public WindowEditor {
 public:
  // The window stays the grapher's; it must outlive the editor.
  explicit WindowEditor3D(Window3D& window);

  const Window3D& Window() const { return window_; }

 protected:
  WindowField& ModelField(int field) override;
  ApplyResult ModelApply() override;
  void ModelStandard() override { window_.Standard(); }
  bool ModelScale(bool zoom_in) override;
  void ModelTrig() override { window_.Trig(); }
  std::u16string FirstFailure() override;

 private:
  Window3D& window_;
};

}  // namespace zentrix::graphing::screens
