#pragma once
// The desktop keyboard as the device's keys: SDL key codes to virtual-key codes.

#include <SDL.h>

#include "platform/event.h"

namespace zentrix::platform {

// The device key for an SDL key, or 0 for a key the device does not have.
int VirtualKeyOf(SDL_Keycode key);

// Shift, Control and Caps Lock from SDL's modifier state.
KeyModifiers ModifiersOf(Uint16 sdl_modifiers);

}  // namespace zentrix::platform
