#pragma once
// The 2D grapher's window editor: Xmin, Xmax, Ymin, Ymax. Standard follows
// the plot area the grapher set on the window (a unit as long on both axes).

#include "graphing/model/window2d.h"
#include "graphing/screens/window_editor.h"

namespace zentrix::graphing::screens {

class WindowEditor2D : public WindowEditor {
 public:
  // The window stays the grapher's; it must outlive the editor.
  explicit WindowEditor2D(Window2D& window);

  const Window2D& Window() const { return window_; }

 protected:
  WindowField& ModelField(int field) override;
  ApplyResult ModelApply() override;
  void ModelStandard() override { window_.Standard(); }
  bool ModelScale(bool zoom_in) override;
  void ModelTrig() override { window_.Trig(); }
  std::u16string FirstFailure() override;

 private:
  Window2D& window_;
};

}  // namespace zentrix::graphing::screens
