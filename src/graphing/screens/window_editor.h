#pragma once
// The window editor of either grapher: one field per bound, labelled "Xmin="
// and so on, and the buttons "Standard", "Zoom +", "Zoom -" and "Trig". The
// buttons take the typed texts, change them in the model and write the
// model's texts back into the fields; Apply evaluates the fields in order and
// reports "Error solving <field>" for the first that fails.
//
// The 2D and 3D editors differ only in the model they edit: both are
// ModelWindowEditor over their window type, which implements the hooks below.

#include <memory>
#include <string>
#include <vector>

#include "graphing/model/window_fields.h"
#include "graphing/screens/editor_panel.h"
#include "ui/widgets/button.h"
#include "ui/widgets/text_box.h"

namespace zentrix::graphing::screens {

class WindowEditor : public EditorPanel {
 public:
  bool Apply() override;
  void Refresh() override;

  ui::TextBox& FieldBox(int field) { return *fields_[static_cast<std::size_t>(field)]; }
  int FieldCount() const { return static_cast<int>(fields_.size()); }
  ui::Button& StandardButton() { return standard_; }
  ui::Button& ZoomInButton() { return zoom_in_; }
  ui::Button& ZoomOutButton() { return zoom_out_; }
  ui::Button& TrigButton() { return trig_; }

  // The button actions.
  void Standard();
  void ZoomIn();
  void ZoomOut();
  void Trig();

 protected:
  explicit WindowEditor(int field_count);

  // The model's field, its "Xmin=" label, and its operations.
  virtual WindowField& ModelField(int field) = 0;
  virtual ApplyResult ModelApply() = 0;
  virtual void ModelStandard() = 0;
  virtual bool ModelScale(bool zoom_in) = 0;
  virtual void ModelTrig() = 0;
  // What a failed zoom reports: the first field that does not evaluate.
  virtual std::u16string FirstFailure() = 0;

  void Arrange(const draw::Rect& area) override;

 private:
  void TakeTexts();
  void Zoom(bool zoom_in);

  std::vector<std::unique_ptr<ui::TextBox>> fields_;
  ui::Button standard_{0, 0, 0, 0, u"Standard"};
  ui::Button zoom_in_{0, 0, 0, 0, u"Zoom +"};
  ui::Button zoom_out_{0, 0, 0, 0, u"Zoom -"};
  ui::Button trig_{0, 0, 0, 0, u"Trig"};
};

// The editor of one window model (Window2D or Window3D): the model names its
// fields by an enum `Field`, counts them in `kFieldCount`, and offers
// Apply/ZoomIn/ZoomOut over the variables plus Standard and Trig.
template <typename Model>
class ModelWindowEditor : public WindowEditor {
 public:
  // The window stays the grapher's; it must outlive the editor.
  explicit ModelWindowEditor(Model& window) : WindowEditor(Model::kFieldCount), window_(window) {
    Refresh();
  }

  const Model& Window() const { return window_; }

 protected:
  WindowField& ModelField(int field) override {
    return window_.field(static_cast<typename Model::Field>(field));
  }
  ApplyResult ModelApply() override { return window_.Apply(Variables()); }
  void ModelStandard() override { window_.Standard(); }
  bool ModelScale(bool zoom_in) override {
    return zoom_in ? window_.ZoomIn(Variables()) : window_.ZoomOut(Variables());
  }
  void ModelTrig() override { window_.Trig(); }
  std::u16string FirstFailure() override {
    // Apply a copy so that a failed zoom leaves the window as it was.
    Model trial = window_;
    return trial.Apply(Variables()).message;
  }

 private:
  Model& window_;
};

}  // namespace zentrix::graphing::screens
