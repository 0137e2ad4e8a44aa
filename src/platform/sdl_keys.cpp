#include "platform/sdl_keys.h"

#include "platform/key_codes.h"

namespace zentrix::platform {

int VirtualKeyOf(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return vk::kA + static_cast<int>(key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return vk::k0 + static_cast<int>(key - SDLK_0);
  switch (key) {
    case SDLK_UP: return vk::kUp;
    case SDLK_DOWN: return vk::kDown;
    case SDLK_LEFT: return vk::kLeft;
    case SDLK_RIGHT: return vk::kRight;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return vk::kReturn;
    case SDLK_BACKSPACE: return vk::kBackspace;
    case SDLK_DELETE: return vk::kDelete;
    case SDLK_SPACE: return vk::kSpace;
    case SDLK_EQUALS: return vk::kEquals;
    case SDLK_COMMA: return vk::kComma;
    case SDLK_MINUS: return vk::kMinus;
    case SDLK_PERIOD: return vk::kPeriod;
    case SDLK_SLASH: return vk::kSlash;
    case SDLK_LEFTBRACKET: return vk::kLeftBracket;
    case SDLK_RIGHTBRACKET: return vk::kRightBracket;
    case SDLK_F1: return vk::kF1;
    case SDLK_F2: return vk::kF2;
    case SDLK_F3: return vk::kF3;
    case SDLK_F4: return vk::kF4;
    default: return 0;
  }
}

KeyModifiers ModifiersOf(Uint16 sdl_modifiers) {
  KeyModifiers m;
  m.shift = (sdl_modifiers & KMOD_SHIFT) != 0;
  m.control = (sdl_modifiers & KMOD_CTRL) != 0;
  m.caps_lock = (sdl_modifiers & KMOD_CAPS) != 0;
  return m;
}

bool TypesText(SDL_Keycode key, Uint16 sdl_modifiers) {
  return key >= SDLK_SPACE && key < SDLK_DELETE && (sdl_modifiers & KMOD_CTRL) == 0;
}

}  // namespace zentrix::platform
