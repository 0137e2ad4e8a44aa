// Answer box trees of any shape (unknown kinds, wrong child counts, missing
// operators, deep nesting, as a damaged notebook file may hold them) are
// measured and drawn without a crash, and drawing stays inside the surface.
// The input's bytes describe the tree in pre-order: per box a kind byte (the
// low three bits are the kind, bit 3 the bracket flag, bits 4-6 the child
// count), a text length and its characters, then one operator byte per child.

#include <cstddef>
#include <cstdint>
#include <string>

#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "engine/commands/install_engine.h"
#include "notebook/answer/answer.h"
#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"

namespace {

using zentrix::engine::AnswerLayout;
using zentrix::engine::BoxKind;

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
  bool Done() const { return at_ >= size_; }

  AnswerLayout Box(int depth) {
    AnswerLayout box;
    const std::uint8_t head = Next();
    box.kind = static_cast<BoxKind>(head & 7);
    box.bracketed = (head & 8) != 0;
    const int children = depth < 400 && !Done() ? (head >> 4) & 7 : 0;
    const int length = Next() & 15;
    for (int i = 0; i < length; ++i) box.text += static_cast<char16_t>(Next());
    for (int i = 0; i < children && ++boxes_ < 20000; ++i) {
      constexpr char16_t kOperators[] = {0, u'+', u'-', u'*', u'^', u','};
      const std::uint8_t op = Next();
      if (op < 200) box.operators += kOperators[op % 6];
      box.children.push_back(Box(depth + 1));
    }
    return box;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  int boxes_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zentrix::engine::InstallEngine();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zentrix;
  draw::ScopedDrawContextReset reset;
  ui::ScopedUiStateReset ui_reset;
  draw::HeadlessDisplay display;
  display.Open(240, 320);
  static ui::Skin* skin = [] {
    auto* s = new ui::Skin;
    s->Load(std::string(ZENTRIX_BINARY_DIR) + "/skins", ui::SkinSize::kSmall,
            ui::SkinStyle::kClassic);
    return s;
  }();
  Reader reader(data, size);
  notebook::Answer answer(reader.Box(0));
  draw::Surface& surface = display.BackBuffer();
  const int shift = size > 0 ? -static_cast<int>(data[0]) * 8 : 0;
  answer.Draw(surface, skin->NormalText(), 0x0000FF, shift, 10, 200);
  answer.Draw(surface, skin->NormalText(), 0x0000FF, 5, -shift, 0);
  return 0;
}
