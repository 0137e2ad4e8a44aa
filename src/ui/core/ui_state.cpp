#include "ui/core/ui_state.h"

#include "ui/skin/skin.h"

namespace zentrix::ui {

UiState& Ui() {
  static UiState state;
  return state;
}

void UseSkin(Skin* skin) {
  UiState& ui = Ui();
  ui.skin = skin;
  if (!skin) {
    ui.normal_font = ui.second_font = ui.current_font = ui.white_font = nullptr;
    return;
  }
  ui.normal_font = &skin->NormalText();
  ui.second_font = &skin->SecondText();
  ui.white_font = &skin->WhiteText();
  ui.current_font = ui.normal_font;
  ui.high_resolution = skin->HighResolution();
}

TextRenderer* CurrentFont() { return Ui().current_font; }

int ScaledPx(int small) { return Ui().high_resolution ? small * 2 : small; }

std::string EncodeText(std::u16string_view text) {
  if (Ui().encoder) return Ui().encoder(text);
  std::string out;
  out.reserve(text.size());
  for (const char16_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

ScopedUiStateReset::ScopedUiStateReset() : saved_(Ui()) { Ui() = UiState{}; }

ScopedUiStateReset::~ScopedUiStateReset() { Ui() = saved_; }

}  // namespace zentrix::ui
