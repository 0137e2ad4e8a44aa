#pragma once
// The calculator's button pad widget: draws the pad image of the style and
// orientation, the page icons on the page keys, the highlight of a key tapped
// on page 0 and every label; a tap on a key acts on the focused text box at
// once (insert with the Ans rule, backspace, clear) or asks the owner to solve
// in degrees, minutes and seconds. Owns the Pad model; not the skin, fonts or
// variable store.
//
// Describes itself as one "key" per used key, named by PadKey::Name().

#include <functional>
#include <string>

#include "draw/surface.h"
#include "engine/core/variable_store.h"
#include "notebook/pad/pad.h"
#include "ui/core/widget.h"
#include "ui/skin/skin.h"

namespace zentrix::notebook {

class ButtonPad : public ui::Widget {
 public:
  ButtonPad() = default;

  std::string_view Kind() const override { return "button pad"; }

  // The skin to draw with; sets the widget's size from the pad image.
  void SetSkin(const ui::Skin* skin);
  void SetArrangement(PadArrangement arrangement);
  // Labels are drawn with this font (default: the skin's white font).
  void SetLabelFont(ui::TextRenderer* font) {
    label_font_ = font;
    UpdateLabelFits();
  }
  // Loads the white small font of the skin size from the skins folder (the
  // Classic archive's "SmallFont": keys are dark in both styles) and draws
  // the labels with it, so that long command names fit on two lines.
  draw::DrawResult LoadLabelFont(const std::string& skins_folder, ui::SkinSize size);
  void SetVariables(const engine::VariableStore* variables) { pad_.SetVariables(variables); }
  // Called by the DMS key.
  void SetOnSolveDms(std::function<void()> solve) { solve_dms_ = std::move(solve); }

  Pad& Model() { return pad_; }
  const Pad& Model() const { return pad_; }

  // The key under the point, or -1; the face of a key in screen pixels.
  int KeyAt(ui::Point p) const;
  draw::Rect KeyRect(int index) const;

  bool StylusDown(ui::Point p) override;
  bool StylusUp(ui::Point p) override;
  void Draw(draw::Surface& surface) override;
  void Describe(ui::WidgetList& out) const override;

 private:
  const ui::PadGeometry& Geometry() const;
  // The image rows a short page leaves out at the top, and their height in
  // Small pixels.
  int SkippedImageRows() const;
  int SkippedTop() const { return SkippedImageRows() * Geometry().key_height; }
  int Px(int small) const { return skin_ ? skin_->Px(small) : small; }
  ui::TextRenderer* LabelFont() const;
  void Apply(const PadAction& action);
  void DrawLabel(draw::Surface& surface, ui::TextRenderer& font, int index);
  void UpdateSize();
  // Tells the pad which labels fit on one key with the label font.
  void UpdateLabelFits();
  void DrawWideFace(draw::Surface& surface, const draw::Surface& image, int index,
                    int skipped) const;

  const ui::Skin* skin_ = nullptr;
  ui::TextRenderer* label_font_ = nullptr;
  draw::BitmapFont own_label_bitmap_;
  ui::TextRenderer own_label_font_;
  Pad pad_;
  std::function<void()> solve_dms_;
  int highlighted_ = -1;  // the key drawn pressed, while the stylus is down
};

}  // namespace zentrix::notebook
