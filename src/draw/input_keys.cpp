#include "draw/input_keys.h"

#include "draw/draw_context.h"
#include "platform/key_codes.h"

namespace zentrix::draw {

DrawResult InputKeys::Open(platform::Platform* platform) {
  if (!platform) return kDisplayLibraryMissing;
  if (open_) return kInputAlreadyOpen;
  open_ = true;
  return kOk;
}

DrawResult InputKeys::Close() {
  open_ = false;
  return kOk;
}

KeyList InputKeys::DefaultKeys() const { return DefaultKeysFor(Context().orientation); }

KeyList InputKeys::DefaultKeysFor(int orientation) {
  namespace vk = platform::vk;
  KeyList keys;
  keys.buttons = {vk::kF4, vk::kF1, vk::kF2, vk::kF3};
  // The physical pad turns with the screen: orientation 2 is a quarter turn
  // anticlockwise, 4 a half turn, 8 a quarter turn clockwise.
  switch (orientation) {
    case 2:
      keys.up = vk::kRight;
      keys.down = vk::kLeft;
      keys.left = vk::kUp;
      keys.right = vk::kDown;
      break;
    case 4:
      keys.up = vk::kDown;
      keys.down = vk::kUp;
      keys.left = vk::kRight;
      keys.right = vk::kLeft;
      break;
    case 8:
      keys.up = vk::kLeft;
      keys.down = vk::kRight;
      keys.left = vk::kDown;
      keys.right = vk::kUp;
      break;
    default:
      keys.up = vk::kUp;
      keys.down = vk::kDown;
      keys.left = vk::kLeft;
      keys.right = vk::kRight;
      break;
  }
  return keys;
}

}  // namespace zentrix::draw
